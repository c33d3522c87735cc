// The window's keyboard rules: Tab and Shift+Tab follow the tab order with
// wrap-around and are never typed; Enter only breaks lines in fields; Escape
// and F1 do nothing; Space presses the focused button.
#include <QCheckBox>
#include <QComboBox>
#include <QSignalSpy>

#include "window_fixture.hpp"

using namespace mosuo::testing;

namespace {

// clang-format off
const QStringList tab_order{
    u"编辑框1"_qs,        u"编辑框2"_qs,          u"按钮11"_qs,          u"按钮10"_qs,
    u"按钮5转换八进制"_qs, u"按钮4转换文本"_qs,     u"按钮8转换十六进制"_qs, u"按钮1删除空格"_qs,
    u"按钮2删除换行符"_qs, u"按钮3删除重复字符"_qs, u"按钮6删除指定"_qs,     u"按钮14删除全部"_qs,
    u"按钮19高级对比"_qs,  u"按钮15高级解密"_qs,    u"按钮18高级加密"_qs,    u"按钮20高级搜索"_qs,
    u"编辑框3"_qs,        u"按钮14清除TAB"_qs,     u"按钮4转换字节集"_qs,   u"按钮3删除重复行"_qs,
    u"组合框1"_qs,        u"组合框2"_qs,          u"组合框3"_qs,          u"组合框4"_qs,
    u"选择框1是否区分大小写"_qs, u"选择框2"_qs,     u"按钮1保留指定"_qs,     u"组合框5"_qs,
};
// clang-format on

// The control of the tab order that holds the focus (a combo box's edit part
// counts as the combo box).
QString focused_control() {
  for (QWidget* widget = QApplication::focusWidget(); widget != nullptr;
       widget = widget->parentWidget())
    if (tab_order.contains(widget->objectName())) return widget->objectName();
  return {};
}

void press(int key, Qt::KeyboardModifiers modifiers = {}) {
  QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

  std::unique_ptr<window_fixture> fixture_;

 private slots:
  void init() { fixture_ = std::make_unique<window_fixture>(); }
  void cleanup() { fixture_.reset(); }

  void tab_visits_the_tab_order_and_wraps_around() {
    QCOMPARE(focused_control(), tab_order.front());
    for (qsizetype i = 1; i <= tab_order.size(); ++i) {
      press(Qt::Key_Tab);
      QCOMPARE(focused_control(), tab_order[i % tab_order.size()]);
    }
  }

  void shift_tab_visits_it_backwards() {
    for (qsizetype i = tab_order.size() - 1; i >= 0; --i) {
      press(Qt::Key_Backtab, Qt::ShiftModifier);
      QCOMPARE(focused_control(), tab_order[i]);
    }
  }

  void the_source_field_is_between_the_last_control_and_the_content_field() {
    press(Qt::Key_Tab);
    QCOMPARE(focused_control(), u"编辑框2"_qs);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    press(Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focused_control(), u"组合框5"_qs);
  }

  void tab_is_never_typed_into_a_field_data() {
    QTest::addColumn<QString>("field");
    QTest::newRow("编辑框1") << u"编辑框1"_qs;
    QTest::newRow("编辑框2") << u"编辑框2"_qs;
    QTest::newRow("编辑框3") << u"编辑框3"_qs;
  }
  void tab_is_never_typed_into_a_field() {
    QFETCH(QString, field);
    auto* edit = fixture_->window->findChild<QWidget*>(field);
    edit->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(edit, u"a"_qs);
    QTest::keyClick(edit, Qt::Key_Tab);
    QTest::keyClick(edit, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(fixture_->value(field.toStdString()), QByteArray("a"));
  }

  void escape_and_f1_do_nothing_anywhere() {
    for (const QString& name : tab_order) {
      auto* control = fixture_->window->findChild<QWidget*>(name);
      control->setFocus(Qt::OtherFocusReason);
      press(Qt::Key_Escape);
      press(Qt::Key_F1);
      QVERIFY2(fixture_->window->isVisible(), qPrintable(name));
      QCOMPARE(focused_control(), name);
    }
    QVERIFY(fixture_->notices.shown.empty());
    for (const std::string_view field : {"编辑框1", "编辑框2", "编辑框3"})
      QCOMPARE(fixture_->value(field), QByteArray());
  }

  void enter_breaks_a_line_in_a_field() {
    auto* edit = fixture_->field("编辑框2");
    edit->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(edit, u"a"_qs);
    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(fixture_->value("编辑框2"), QByteArray("a\r\n\r\n"));
  }

  void enter_presses_no_button_and_adds_no_combo_entry() {
    fixture_->set("编辑框1", "AB");
    for (const QString& name : tab_order) {
      auto* control = fixture_->window->findChild<QWidget*>(name);
      if (qobject_cast<mosuo::TextField*>(control)) continue;
      control->setFocus(Qt::OtherFocusReason);
      press(Qt::Key_Return);
    }
    QCOMPARE(fixture_->value("编辑框3"), QByteArray());
    QCOMPARE(fixture_->value("编辑框2"), QByteArray());
    QCOMPARE(fixture_->find<QComboBox>("组合框2")->count(), 0);
  }

  void space_presses_the_focused_button() {
    fixture_->set("编辑框1", "AB");
    fixture_->find("按钮4转换字节集")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Space);
    QCOMPARE(fixture_->value("编辑框3"), QByteArray("{65,66}"));
  }

  void space_toggles_the_case_check_box_and_the_case_flag() {
    auto* box = fixture_->find<QCheckBox>("选择框1是否区分大小写");
    box->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Space);
    QVERIFY(box->isChecked());
    QVERIFY(fixture_->window->case_sensitive());
    press(Qt::Key_Space);
    QVERIFY(!fixture_->window->case_sensitive());
  }

  // Reachable by the keyboard, bound to nothing: they change only themselves.
  void covered_controls_do_nothing_from_the_keyboard() {
    fixture_->set("编辑框1", "AB");
    for (const char* name : {"按钮20高级搜索", "按钮18高级加密", "按钮15高级解密", "按钮19高级对比",
                             "按钮1保留指定", "按钮5转换八进制", "选择框2"}) {
      fixture_->find(name)->setFocus(Qt::TabFocusReason);
      press(Qt::Key_Space);
    }
    auto* combo = fixture_->find<QComboBox>("组合框5");
    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(QApplication::focusWidget(), u"x"_qs);
    QCOMPARE(combo->currentText(), u"x"_qs);  // the typed text replaces the selected "无"
    QVERIFY(fixture_->find<QCheckBox>("选择框2")->isChecked());
    QVERIFY(fixture_->notices.shown.empty());
    QCOMPARE(fixture_->value("编辑框1"), QByteArray("AB"));
    QCOMPARE(fixture_->value("编辑框2"), QByteArray());
    QCOMPARE(fixture_->value("编辑框3"), QByteArray());
    QCOMPARE(fixture_->find<QComboBox>("组合框4")->currentText(), u"无"_qs);
  }
};

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
