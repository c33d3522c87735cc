// The panel's buttons end to end through the real widgets: text in the
// fields, a click on the window, the result read back from its field.
#include <QCheckBox>
#include <QClipboard>
#include <QScrollBar>
#include <QSignalSpy>

#include "window_fixture.hpp"

using namespace mosuo::testing;

class PanelCommandsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<window_fixture> fixture_;

  void tick_case_box() {
    fixture_->click("选择框1是否区分大小写", QPoint(10, 12));
    QVERIFY(fixture_->window->case_sensitive());
  }

 private slots:
  void init() { fixture_ = std::make_unique<window_fixture>(); }
  void cleanup() { fixture_.reset(); }

  void each_button_writes_its_field_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("ticked");  // the check box "区分大小写"
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char* tag, const char* button, const QByteArray& source,
                        const QByteArray& content, bool ticked, const char* target,
                        const QByteArray& expected) {
      QTest::newRow(tag) << QString::fromUtf8(button) << source << content << ticked
                         << QString::fromUtf8(target) << expected;
    };
    const QByteArray zhong = "\xD6\xD0";  // 中
    const QByteArray wen = "\xCE\xC4";    // 文
    const QByteArray zi = "\xD7\xD6";     // 字
    const QByteArray full_space = "\xA1\xA1";
    row("空格: ASCII and full-width", "按钮1删除空格", zhong + " " + wen + full_space + zi, "",
        false, "编辑框3", zhong + wen + zi);
    row("空格: tab stays", "按钮1删除空格", "a\tb", "", false, "编辑框3", "a\tb");
    row("换行符: pairs that meet go too", "按钮2删除换行符", "a\r\nb\nc\r\r\n\nd", "", false,
        "编辑框3", "ab\ncd");
    row("换行符: B0 takes the CR", "按钮2删除换行符", "a\r\n\xB0\r\n", "", false, "编辑框3",
        "a\xB0\r\n");
    row("Tab: TAB CR LF only", "按钮14清除TAB", "a\t\r\nb\tc\r\n", "", false, "编辑框3",
        "ab\tc\r\n");
    row("Tab: GBK kept", "按钮14清除TAB", zhong + "\t\r\n" + wen, "", false, "编辑框3",
        zhong + wen);
    row("删除指定: GBK", "按钮6删除指定", zhong + wen + wen + zi, wen, false, "编辑框3",
        zhong + zi);
    row("删除指定: unticked ignores case", "按钮6删除指定", "xaAbBy", "ab", false, "编辑框3", "xy");
    row("删除指定: ticked is exact", "按钮6删除指定", "xaAbBy", "ab", true, "编辑框3", "xaAbBy");
    row("删除指定: empty content", "按钮6删除指定", "abc", "", false, "编辑框3", "abc");
    row("重复字符: unticked ignores case", "按钮3删除重复字符", "aAbBa", "", false, "编辑框3",
        "ab");
    row("重复字符: ticked is exact", "按钮3删除重复字符", "aAbBa", "", true, "编辑框3", "aAbB");
    row("重复字符: GBK", "按钮3删除重复字符", zhong + wen + zhong + wen, "", false, "编辑框3",
        zhong + wen);
    row("重复行: GBK lines", "按钮3删除重复行", zhong + "\r\n" + wen + "\r\n" + zhong, "", true,
        "编辑框3", zhong + "\r\n" + wen + "\r\n");
    row("字节集: ASCII", "按钮4转换字节集", "AB", "", false, "编辑框3", "{65,66}");
    row("字节集: GBK", "按钮4转换字节集", zhong, "", false, "编辑框3", "{214,208}");
    row("字节集: lone lead byte", "按钮4转换字节集", "a\x81", "", false, "编辑框3", "{97,129}");
    row("字节集→文本: to GBK", "按钮4转换文本", "{214,208}", "", false, "编辑框3", zhong);
    row("字节集→文本: braces anywhere", "按钮4转换文本", "{65,6}{6}", "", false, "编辑框3", "AB");
    row("字节集→文本: lone lead byte", "按钮4转换文本", "214", "", false, "编辑框3", "\xD6");
    row("文本→十六进制: GBK and CR LF", "按钮8转换十六进制", zhong + "\r\n", "", false, "编辑框3",
        "D6 D0 D A");
    row("字母大写: GBK kept, second bytes untouched", "按钮11", "abc" + zhong + "Def\x81\x61", "",
        false, "编辑框2", "ABC" + zhong + "DEF\x81\x61");
    row("字母小写: GBK kept, second bytes untouched", "按钮10", "abc" + zhong + "Def\x81\x41", "",
        false, "编辑框2", "abc" + zhong + "def\x81\x41");
  }
  void each_button_writes_its_field() {
    QFETCH(QString, button);
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, content);
    QFETCH(bool, ticked);
    QFETCH(QString, target);
    QFETCH(QByteArray, expected);
    fixture_->set("编辑框1", source);
    fixture_->set("编辑框2", content);
    fixture_->set("编辑框3", "old");
    if (ticked) tick_case_box();
    fixture_->click(button.toStdString());
    QCOMPARE(fixture_->value(target.toStdString()), expected);
    QCOMPARE(fixture_->value("编辑框1"), source);  // no command changes text ①
    if (target != u"编辑框2"_qs) QCOMPARE(fixture_->value("编辑框2"), content);
    if (target != u"编辑框3"_qs) QCOMPARE(fixture_->value("编辑框3"), QByteArray("old"));
    QVERIFY(fixture_->notices.shown.empty());
  }

  void the_octal_button_changes_nothing() {
    fixture_->set("编辑框1", "AB");
    fixture_->click("按钮5转换八进制");
    QCOMPARE(fixture_->value("编辑框1"), QByteArray("AB"));
    QCOMPARE(fixture_->value("编辑框2"), QByteArray());
    QCOMPARE(fixture_->value("编辑框3"), QByteArray());
  }

  void typed_full_width_list_is_normalised_before_the_click() {
    auto* source = fixture_->field("编辑框1");
    source->setFocus(Qt::OtherFocusReason);
    type(source, u"｛65，66｝"_qs);
    fixture_->click("按钮4转换文本");
    QCOMPARE(fixture_->value("编辑框3"), QByteArray("AB"));
    QCOMPARE(source->toPlainText(), u"{65,66}"_qs);
  }

  void opening_a_menu_is_no_focus_loss() {
    auto* source = fixture_->field("编辑框1");
    fixture_->set("编辑框1", "\xA3\xFB");  // ｛
    QFocusEvent popup(QEvent::FocusOut, Qt::PopupFocusReason);
    QApplication::sendEvent(source, &popup);
    QCOMPARE(fixture_->value("编辑框1"), QByteArray("\xA3\xFB"));
    QFocusEvent deactivated(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(source, &deactivated);
    QCOMPARE(fixture_->value("编辑框1"), QByteArray("{"));
  }

  void an_unchanged_field_keeps_its_undo_history_and_selection() {
    auto* source = fixture_->field("编辑框1");
    source->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(source, u"abc def"_qs);
    QTest::keyClick(source, Qt::Key_Left, Qt::ShiftModifier);
    fixture_->find("编辑框2")->setFocus(Qt::TabFocusReason);
    QVERIFY(source->document()->isUndoAvailable());
    QCOMPARE(source->textCursor().selectedText(), u"f"_qs);
  }

  void a_changed_field_keeps_its_caret() {
    auto* source = fixture_->field("编辑框1");
    source->setFocus(Qt::OtherFocusReason);
    type(source, u"{1，2}xyz"_qs);
    QTest::keyClick(source, Qt::Key_Left);
    QTest::keyClick(source, Qt::Key_Left);
    fixture_->find("编辑框2")->setFocus(Qt::TabFocusReason);
    QCOMPARE(source->toPlainText(), u"{1,2}xyz"_qs);
    QCOMPARE(source->textCursor().position(), 6);
  }

  void covered_controls_show_the_notice_and_press_nothing_data() {
    QTest::addColumn<QString>("covered");
    for (const char* name : {"按钮20高级搜索", "按钮18高级加密", "按钮15高级解密", "按钮19高级对比",
                             "按钮1保留指定", "组合框1", "组合框5", "选择框2"})
      QTest::newRow(name) << QString::fromUtf8(name);
  }
  void covered_controls_show_the_notice_and_press_nothing() {
    QFETCH(QString, covered);
    auto* control = fixture_->window->findChild<QWidget*>(covered);
    auto* button = qobject_cast<QAbstractButton*>(control);
    QSignalSpy pressed(button ? button : fixture_->find<QAbstractButton>("按钮20高级搜索"),
                       &QAbstractButton::pressed);
    fixture_->click(covered.toStdString(), control->rect().center() + QPoint(2, 0));
    QCOMPARE(fixture_->notices.shown.size(), 1u);
    const shown_notice& notice = fixture_->notices.shown.front();
    QCOMPARE(notice.text,
             u"当前版本为测试版，部分功能暂时未完善！下一个版本功能更多，尽情关注！"_qs);
    QCOMPARE(notice.caption, u"信息："_qs);
    QCOMPARE(notice.buttons, mosuo::notice_buttons::ok);
    QCOMPARE(pressed.count(), 0);
    if (button) QVERIFY(!button->isChecked());
    QVERIFY(!control->hasFocus());
  }

  void the_case_box_toggles_on_its_uncovered_part_only() {
    auto* box = fixture_->find<QCheckBox>("选择框1是否区分大小写");
    fixture_->click("选择框1是否区分大小写",
                    QPoint(99, 12));  // its last 6 columns lie under 透明标签4
    QVERIFY(!box->isChecked());
    QCOMPARE(fixture_->notices.shown.size(), 1u);
    fixture_->click("选择框1是否区分大小写", QPoint(40, 12));  // the caption
    QVERIFY(box->isChecked());
    QVERIFY(fixture_->window->case_sensitive());
    fixture_->click("选择框1是否区分大小写", QPoint(8, 12));  // the box
    QVERIFY(!fixture_->window->case_sensitive());
  }

  void clear_all_asks_and_empties_the_fields_on_ok_only_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("emptied");
    QTest::newRow("OK") << static_cast<int>(mosuo::notice_answer::ok) << true;
    QTest::newRow("Cancel") << static_cast<int>(mosuo::notice_answer::cancel) << false;
  }
  void clear_all_asks_and_empties_the_fields_on_ok_only() {
    QFETCH(int, answer);
    QFETCH(bool, emptied);
    fixture_->set("编辑框1", "one");
    fixture_->set("编辑框2", "two");
    fixture_->set("编辑框3", "three");
    fixture_->notices.answers.push_back(static_cast<mosuo::notice_answer>(answer));
    fixture_->click("按钮14删除全部");
    QCOMPARE(fixture_->notices.shown.size(), 1u);
    QCOMPARE(fixture_->notices.shown[0].text, u"你真的要把文本①、文本②、文本③全部清空吗？"_qs);
    QCOMPARE(fixture_->notices.shown[0].caption, u"警告"_qs);
    QCOMPARE(fixture_->notices.shown[0].buttons, mosuo::notice_buttons::ok_cancel);
    QCOMPARE(fixture_->value("编辑框1"), emptied ? QByteArray() : QByteArray("one"));
    QCOMPARE(fixture_->value("编辑框2"), emptied ? QByteArray() : QByteArray("two"));
    QCOMPARE(fixture_->value("编辑框3"), emptied ? QByteArray() : QByteArray("three"));
  }

  void a_notice_normalises_the_source_first_and_gives_the_focus_back() {
    auto* source = fixture_->field("编辑框1");
    source->setFocus(Qt::OtherFocusReason);
    type(source, u"｛"_qs);
    QByteArray seen;
    fixture_->notices.while_open = [&] { seen = fixture_->value("编辑框1"); };
    fixture_->window->notice("x");
    QCOMPARE(seen, QByteArray("{"));
    QCOMPARE(QApplication::focusWidget(), source);
  }

  void a_command_shows_the_busy_cursor_but_a_notice_does_not() {
    Qt::CursorShape while_writing = Qt::ArrowCursor;
    connect(fixture_->field("编辑框3")->document(), &QTextDocument::contentsChanged, this, [&] {
      if (QApplication::overrideCursor()) while_writing = QApplication::overrideCursor()->shape();
    });
    fixture_->set("编辑框1", "AB");
    fixture_->click("按钮4转换字节集");
    QCOMPARE(while_writing, Qt::WaitCursor);
    bool busy_while_asking = true;
    fixture_->notices.answers.push_back(mosuo::notice_answer::cancel);
    fixture_->notices.while_open = [&] {
      busy_while_asking = QApplication::overrideCursor() != nullptr;
    };
    fixture_->click("按钮14删除全部");
    QVERIFY(!busy_while_asking);
    QVERIFY(QApplication::overrideCursor() == nullptr);
  }

  // Limits of 12 characters in all and 8 in a line stand in for the real ones.
  void a_result_too_large_for_its_field_changes_nothing_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("result");  // empty: the notice instead
    QTest::newRow("fits") << QByteArray("A") << QByteArray("{65}");
    QTest::newRow("too many characters") << QByteArray("ABCD") << QByteArray();  // 13 characters
    QTest::newRow("too long a line") << QByteArray("ABC") << QByteArray();       // 10 in one line
  }
  void a_result_too_large_for_its_field_changes_nothing() {
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, result);
    fixture_ = std::make_unique<window_fixture>(mosuo::field_limits{.characters = 12, .line = 8});
    fixture_->set("编辑框1", source);
    fixture_->set("编辑框3", "kept");
    fixture_->click("按钮4转换字节集");
    QCOMPARE(fixture_->notices.shown.size(), result.isEmpty() ? 1u : 0u);
    if (result.isEmpty())
      QCOMPARE(fixture_->notices.shown[0].text, mosuo::testing::qs(mosuo::too_large_notice_text));
    QCOMPARE(fixture_->value("编辑框3"), result.isEmpty() ? QByteArray("kept") : result);
    QCOMPARE(fixture_->value("编辑框1"), source);
  }

  void a_line_is_measured_between_line_breaks() {
    fixture_ = std::make_unique<window_fixture>(mosuo::field_limits{.characters = 100, .line = 8});
    fixture_->set("编辑框1", "12345678\r\n12345678\r\n");
    fixture_->click("按钮11");  // three lines of 8, 8 and 0 characters
    QVERIFY(fixture_->notices.shown.empty());
    QCOMPARE(fixture_->value("编辑框2"), QByteArray("12345678\r\n12345678\r\n"));
  }

  void a_paste_past_the_line_limit_is_refused() {
    fixture_ = std::make_unique<window_fixture>(mosuo::field_limits{.characters = 100, .line = 8});
    auto* content = fixture_->field("编辑框2");
    content->setFocus(Qt::OtherFocusReason);
    QApplication::clipboard()->setText(u"1234\n5678"_qs);
    content->paste();
    QVERIFY(fixture_->notices.shown.empty());
    QApplication::clipboard()->setText(u"123456789"_qs);
    content->paste();
    QCOMPARE(fixture_->notices.shown.size(), 1u);
    QCOMPARE(fixture_->value("编辑框2"), QByteArray("1234\r\n5678"));
  }

  void a_byte_list_of_a_large_text_wraps_without_freezing() {
    QByteArray source(300'000, 'a');
    fixture_->set("编辑框1", source);
    fixture_->click("按钮4转换字节集");  // one unbreakable line of 900 001 characters
    QCOMPARE(fixture_->field("编辑框3")->wordWrapMode(), QTextOption::WrapAnywhere);
    QCOMPARE(fixture_->value("编辑框3").size(), 3 * 300'000 + 1);
  }
};

QTEST_MAIN(PanelCommandsTest)
#include "test_panel_commands.moc"
