// Which wrap mode a field takes for a text, and how long its longest line is:
// the two numbers that keep the layout linear and inside what Qt can hold.
#include <QTest>

#include "app/wrap_policy.hpp"

class WrapPolicyTest : public QObject {
  Q_OBJECT

 private slots:
  void wrap_mode_follows_the_longest_unbreakable_run_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("anywhere");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("words") << QString(u"abc def "_qs).repeated(10'000) << false;
    QTest::newRow("run of 256 letters") << QString(256, u'x') << false;
    QTest::newRow("run of 257 letters") << QString(257, u'x') << true;
    QTest::newRow("byte list") << (u"{"_qs + QString(u"65,"_qs).repeated(200) + u"}"_qs) << true;
    QTest::newRow("hex dump") << QString(u"41 "_qs).repeated(10'000) << false;
    QTest::newRow("Chinese without spaces") << QString(u"中文"_qs).repeated(10'000) << false;
    QTest::newRow("full-width digits") << QString(u"１２"_qs).repeated(1'000) << false;
    QTest::newRow("line breaks end a run")
        << (QString(200, u'x') + QChar(0x2029) + QString(200, u'x') + QChar(0x2028) +
            QString(200, u'x'))
        << false;
    QTest::newRow("placeholders are no break") << QString(300, QChar(0xDC81)) << true;
    QTest::newRow("private-use characters are no break") << QString(300, QChar(0xE000)) << true;
  }
  void wrap_mode_follows_the_longest_unbreakable_run() {
    QFETCH(QString, shown);
    QFETCH(bool, anywhere);
    QCOMPARE(mosuo::wrap_mode_for(shown) == QTextOption::WrapAnywhere, anywhere);
  }

  void longest_line_counts_between_line_breaks_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<qsizetype>("longest");
    QTest::newRow("empty") << QString() << qsizetype{0};
    QTest::newRow("one line") << u"abc"_qs << qsizetype{3};
    QTest::newRow("field breaks") << u"ab\u2029abcd\u2029"_qs << qsizetype{4};
    QTest::newRow("a lone LF stays inside its line") << u"ab\u2028cd"_qs << qsizetype{5};
    QTest::newRow("pasted LF and CR break") << u"abc\nabcde\rab"_qs << qsizetype{5};
  }
  void longest_line_counts_between_line_breaks() {
    QFETCH(QString, shown);
    QFETCH(qsizetype, longest);
    QCOMPARE(mosuo::longest_line(shown), longest);
  }
};

QTEST_MAIN(WrapPolicyTest)
#include "test_wrap_policy.moc"
