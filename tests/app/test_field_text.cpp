// The field boundary: every text value shown in a real field reads back as the
// same bytes, and the shown text is what a user expects to see.
#include <QPlainTextEdit>
#include <QTest>
#include <random>

#include "app/field_text.hpp"
#include "app/text_field.hpp"

using mosuo::text;

namespace {

// Bytes as a readable escape string, for failure messages.
QByteArray escaped(const text& value) {
  QByteArray out;
  for (const unsigned char byte : value)
    out += QByteArray::number(byte, 16).rightJustified(2, '0') + ' ';
  return out;
}

}  // namespace

class FieldTextTest : public QObject {
  Q_OBJECT

  mosuo::TextField* field_ = nullptr;

  // Writes the value into the real field and reads it back.
  text through_field(const text& value) {
    field_->show_text(mosuo::field_text_from_value(value));
    return field_->value();
  }

 private slots:
  void initTestCase() { field_ = new mosuo::TextField(nullptr); }
  void cleanupTestCase() { delete field_; }

  void shows_each_value_as_expected_data() {
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("ASCII") << QByteArray("Hi 1") << u"Hi 1"_qs;
    QTest::newRow("中 D6 D0") << QByteArray("\xD6\xD0") << u"中"_qs;
    QTest::newRow("full-width brace A3 FB") << QByteArray("\xA3\xFB") << u"｛"_qs;
    QTest::newRow("euro 80") << QByteArray("\x80") << u"€"_qs;
    QTest::newRow("FF as U+F8F5") << QByteArray("\xFF") << QString(QChar(0xF8F5));
    QTest::newRow("CR LF is the field's line break") << QByteArray("a\r\nb") << u"a\u2029b"_qs;
    QTest::newRow("lone LF") << QByteArray("a\nb") << u"a\u2028b"_qs;
    QTest::newRow("lone CR") << QByteArray("a\rb") << u"a\u240Db"_qs;
    QTest::newRow("CR CR LF LF") << QByteArray("\r\r\n\n") << u"\u240D\u2029\u2028"_qs;
    QTest::newRow("lone lead byte at the end") << QByteArray("a\x81") << u"a"_qs + QChar(0xDC81);
    QTest::newRow("lead byte before CR LF")
        << QByteArray("\xB0\r\n") << QChar(0xDCB0) + u"\u2029"_qs;
    QTest::newRow("lead byte before a digit") << QByteArray("\x81\x30") << QChar(0xDC81) + u"0"_qs;
    QTest::newRow("lead byte before 7F")
        << QByteArray("\x81\x7F") << QChar(0xDC81) + QString(QChar(0x7F));
    QTest::newRow("tab stays") << QByteArray("a\tb") << u"a\tb"_qs;
  }
  void shows_each_value_as_expected() {
    QFETCH(QByteArray, value);
    QFETCH(QString, shown);
    const text bytes = value.toStdString();
    QCOMPARE(mosuo::field_text_from_value(bytes), shown);
    QCOMPARE(escaped(through_field(bytes)), escaped(bytes));
  }

  // What a user types or pastes and the code page cannot hold.
  void reads_characters_outside_the_code_page_data() {
    QTest::addColumn<QString>("raw");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("emoji") << u"a\U0001F600b"_qs << QByteArray("a?b");
    QTest::newRow("Hangul") << u"한"_qs << QByteArray("?");
    QTest::newRow("U+0000 dropped")
        << QString(QChar(u'a')) + QChar(0) + QChar(u'b') << QByteArray("ab");
    QTest::newRow("lone high surrogate") << QString(QChar(0xD800)) << QByteArray("?");
    QTest::newRow("paragraph separator") << u"a\u2029b"_qs << QByteArray("a\r\nb");
    QTest::newRow("no-break space") << u"\u00A0"_qs << QByteArray("?");
  }
  void reads_characters_outside_the_code_page() {
    QFETCH(QString, raw);
    QFETCH(QByteArray, value);
    QCOMPARE(escaped(mosuo::value_from_field_text(raw)), escaped(value.toStdString()));
  }

  void every_one_and_two_byte_value_round_trips_through_a_field() {
    text value;
    for (int first = 1; first < 256; ++first) {
      value.assign(1, static_cast<char>(first));
      QCOMPARE(escaped(through_field(value)), escaped(value));
      for (int second = 1; second < 256; ++second) {
        value.assign({static_cast<char>(first), static_cast<char>(second)});
        const text back = through_field(value);
        if (back != value) QCOMPARE(escaped(back), escaped(value));
      }
    }
  }

  void tricky_three_byte_values_round_trip_through_a_field() {
    const char alphabet[] = {'\r',   '\n',   'A',    '0',    ' ',    '\x7F',
                             '\x80', '\x81', '\xA1', '\xFE', '\xFF', '\x40'};
    for (const char a : alphabet)
      for (const char b : alphabet)
        for (const char c : alphabet) {
          const text value{a, b, c};
          const text back = through_field(value);
          if (back != value) QCOMPARE(escaped(back), escaped(value));
        }
  }

  void random_longer_values_round_trip_through_a_field() {
    std::mt19937 random(20261211);
    // Half the bytes from the hard cases, half from anywhere.
    const char hard[] = {'\r', '\n', '\x81', '\xFE', '\xFF', '\x80', '\x7F', '\xA3', '\xFB', 'a'};
    std::uniform_int_distribution<int> any(1, 255);
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof hard) - 1);
    std::uniform_int_distribution<int> length(1, 80);
    for (int round = 0; round < 3000; ++round) {
      text value(static_cast<std::size_t>(length(random)), ' ');
      for (char& byte : value)
        byte = random() % 2 ? hard[pick(random)] : static_cast<char>(any(random));
      const text back = through_field(value);
      if (back != value) QCOMPARE(escaped(back), escaped(value));
    }
    // One long value crosses the converter's internal pieces many times over.
    text large(3'000'000, ' ');
    for (char& byte : large) byte = static_cast<char>(any(random));
    QVERIFY(mosuo::value_from_field_text(mosuo::field_text_from_value(large)) == large);
  }

  void typed_line_breaks_read_as_the_program_writes_them() {
    field_->show_text({});
    field_->setFocus();
    QTest::keyClicks(field_, "a");
    QTest::keyClick(field_, Qt::Key_Return);
    QTest::keyClicks(field_, "b");
    QTest::keyClick(field_, Qt::Key_Return, Qt::ShiftModifier);  // a break inside the paragraph
    QTest::keyClicks(field_, "c");
    QCOMPARE(escaped(field_->value()), escaped("a\r\nb\nc"));
  }

  void a_placeholder_is_one_caret_position() {
    field_->show_text(mosuo::field_text_from_value("\x81\x81"));  // one character: 81 81
    QCOMPARE(field_->document()->characterCount() - 1, 1);
    field_->show_text(mosuo::field_text_from_value("a\x81"));
    QTextCursor cursor = field_->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.movePosition(QTextCursor::Left);
    QCOMPARE(cursor.position(), 1);
  }
};

QTEST_MAIN(FieldTextTest)
#include "test_field_text.moc"
