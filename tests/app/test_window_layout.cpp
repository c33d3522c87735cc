// The main window against the control table: every control's name, kind,
// parent, rectangle and caption, the window's frame, menu bar and start state.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include "app/transparent_label.hpp"
#include "app/wrapping_button.hpp"
#include "window_fixture.hpp"

using namespace mosuo::testing;

class WindowLayoutTest : public QObject {
  Q_OBJECT

  std::unique_ptr<window_fixture> fixture_;

 private slots:
  void init() { fixture_ = std::make_unique<window_fixture>(); }
  void cleanup() { fixture_.reset(); }

  void every_control_matches_the_table_data() {
    QTest::addColumn<QString>("kind");    // the Qt class that draws the control
    QTest::addColumn<QString>("parent");  // empty: the client area
    QTest::addColumn<QRect>("rectangle");
    QTest::addColumn<QString>("caption");
    const auto row = [](const char* name, const char* kind, const char* parent, int x, int y, int w,
                        int h, const char* caption) {
      QTest::newRow(name) << kind << QString::fromUtf8(parent) << QRect(x, y, w, h)
                          << QString::fromUtf8(caption);
    };
    row("透明标签4", "mosuo::TransparentLabel", "分组框4", 98, 301, 104, 32, "");
    row("透明标签1", "mosuo::TransparentLabel", "分组框4", 10, 13, 184, 200, "");
    row("组合框5", "QComboBox", "分组框4", 90, 184, 100, 20, "无");
    row("按钮1保留指定", "QPushButton", "分组框4", 8, 176, 80, 32, "保留指定");
    row("选择框2", "QCheckBox", "分组框4", 103, 306, 96, 24, "显示处理进度");
    row("选择框1是否区分大小写", "QCheckBox", "分组框4", 8, 306, 96, 24, "区分大小写");
    row("组合框4", "QComboBox", "分组框4", 90, 21, 100, 20, "无");
    row("组合框3", "QComboBox", "分组框4", 90, 61, 100, 20, "无");
    row("组合框2", "QComboBox", "分组框4", 90, 101, 100, 20, "无");
    row("组合框1", "QComboBox", "分组框4", 90, 141, 100, 20, "无");
    row("按钮3删除重复行", "QPushButton", "分组框3", 104, 96, 80, 32, "重复行");
    row("按钮4转换字节集", "QPushButton", "分组框1", 112, 13, 80, 32, "字节集");
    row("进度条1", "QProgressBar", "", 344, 766, 208, 24, "");
    row("按钮14清除TAB", "QPushButton", "分组框3", 8, 56, 80, 32, "Tab");
    row("标签3", "QLabel", "", 8, 536, 98, 24, "文本③(处理结果)：");
    row("编辑框3", "QPlainTextEdit", "", 8, 559, 336, 232, "");
    row("按钮20高级搜索", "QPushButton", "分组框4", 8, 16, 80, 32, "搜索");
    row("按钮18高级加密", "QPushButton", "分组框4", 8, 56, 80, 32, "加密");
    row("按钮15高级解密", "QPushButton", "分组框4", 8, 96, 80, 32, "解密");
    row("按钮19高级对比", "QPushButton", "分组框4", 8, 136, 80, 32, "对比");
    row("分组框4", "QGroupBox", "分组框2", 6, 411, 202, 389, "高级");
    row("按钮14删除全部", "QPushButton", "分组框3", 8, 136, 80, 32, "全部");
    row("按钮6删除指定", "QPushButton", "分组框3", 8, 96, 80, 32, "删除指定");
    row("按钮3删除重复字符", "QPushButton", "分组框3", 104, 56, 80, 32, "重复字符");
    row("按钮2删除换行符", "QPushButton", "分组框3", 104, 17, 80, 32, "换行符");
    row("按钮1删除空格", "QPushButton", "分组框3", 8, 16, 80, 32, "空格");
    row("分组框3", "QGroupBox", "分组框2", 6, 190, 202, 218, "删除");
    row("按钮8转换十六进制", "QPushButton", "分组框1", 112, 53, 80, 32, "文本→十六进制");
    row("按钮4转换文本", "QPushButton", "分组框1", 16, 13, 80, 32, "字节集→文本");
    row("按钮5转换八进制", "QPushButton", "分组框1", 16, 53, 80, 32, "文本→八进制");
    row("按钮10", "QPushButton", "分组框1", 16, 133, 80, 32, "字母小写");
    row("按钮11", "QPushButton", "分组框1", 16, 93, 80, 32, "字母大写");
    row("分组框1", "QGroupBox", "分组框2", 6, 14, 202, 170, "转换");
    row("标签2", "QLabel", "", 8, 8, 98, 24, "文本①(源文本)：");
    row("标签1", "QLabel", "", 8, 268, 98, 24, "文本②(处理内容)：");
    row("编辑框2", "QPlainTextEdit", "", 8, 296, 336, 232, "");
    row("编辑框1", "QPlainTextEdit", "", 8, 32, 336, 232, "");
    row("分组框2", "QGroupBox", "", 344, 16, 208, 744, "操作");
  }
  void every_control_matches_the_table() {
    QFETCH(QString, kind);
    QFETCH(QString, parent);
    QFETCH(QRect, rectangle);
    QFETCH(QString, caption);
    const QString name = QString::fromUtf8(QTest::currentDataTag());
    auto* widget = fixture_->window->findChild<QWidget*>(name);
    QVERIFY2(widget != nullptr, qPrintable(name));
    QVERIFY(widget->inherits(qPrintable(kind)));
    const QWidget* expected_parent = parent.isEmpty()
                                         ? fixture_->window->centralWidget()
                                         : fixture_->window->findChild<QWidget*>(parent);
    QCOMPARE(widget->parentWidget(), expected_parent);
    QCOMPARE(widget->geometry(), rectangle);
    QVERIFY(widget->isVisibleTo(fixture_->window.get()));
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
      QCOMPARE(button->text(), caption);
      QCOMPARE(button->accessibleName(), caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
      QCOMPARE(group->title(), caption);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
      QCOMPARE(label->text(), caption);
      QCOMPARE(label->textFormat(), Qt::PlainText);  // "&" is drawn, never a mnemonic
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      QCOMPARE(combo->currentText(), caption);
      QCOMPARE(combo->currentIndex(), -1);
      QVERIFY(combo->isEditable());
    }
  }

  void the_dialog_component_has_no_window() {
    QObject* component = fixture_->window->findChild<QObject*>(u"通用对话框1"_qs);
    QVERIFY(component != nullptr);
    QVERIFY(!component->isWidgetType());
  }

  void combo_boxes_list_their_entries_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("组合框5") << QStringList{u"保留IP"_qs, u"自定义"_qs};
    QTest::newRow("组合框1") << QStringList{u"快速对比"_qs};
    QTest::newRow("组合框2") << QStringList{};
    QTest::newRow("组合框3") << QStringList{};
    QTest::newRow("组合框4") << QStringList{};
  }
  void combo_boxes_list_their_entries() {
    QFETCH(QStringList, entries);
    const auto* combo =
        fixture_->window->findChild<QComboBox*>(QString::fromUtf8(QTest::currentDataTag()));
    QStringList listed;
    for (int i = 0; i < combo->count(); ++i) listed << combo->itemText(i);
    QCOMPARE(listed, entries);
  }

  void fields_are_named_by_their_labels_data() {
    QTest::addColumn<QString>("label");
    QTest::newRow("编辑框1") << u"文本①(源文本)："_qs;
    QTest::newRow("编辑框2") << u"文本②(处理内容)："_qs;
    QTest::newRow("编辑框3") << u"文本③(处理结果)："_qs;
  }
  void fields_are_named_by_their_labels() {
    QFETCH(QString, label);
    QCOMPARE(fixture_->window->findChild<QWidget*>(QString::fromUtf8(QTest::currentDataTag()))
                 ->accessibleName(),
             label);
  }

  void fields_wrap_and_scroll_vertically_only() {
    for (const std::string_view name : {"编辑框1", "编辑框2", "编辑框3"}) {
      const mosuo::TextField* field = fixture_->field(name);
      QCOMPARE(field->lineWrapMode(), QPlainTextEdit::WidgetWidth);
      QCOMPARE(field->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
      QCOMPARE(field->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
      QVERIFY(!field->isReadOnly());
    }
  }

  void the_window_has_a_fixed_client_area_and_a_close_box_only() {
    mosuo::MainWindow& window = *fixture_->window;
    QCOMPARE(window.windowTitle(), u"墨梭-岚杉论坛首发测试版"_qs);
    QCOMPARE(window.centralWidget()->size(), QSize(556, 806));
    QCOMPARE(window.centralWidget()->y(), window.menuBar()->height());
    QCOMPARE(window.height(), 806 + window.menuBar()->height());
    QCOMPARE(window.minimumSize(), window.maximumSize());
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowTitleHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowStaysOnTopHint));
  }

  // (screen - outer size) / 2, truncated towards zero: negative on a low screen.
  void the_window_starts_centred_by_the_formula() {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const int x = (screen.width() - 562) / 2;
    const int y = (screen.height() - 854) / 2;
    QCOMPARE(fixture_->window->pos(), screen.topLeft() + QPoint(x, y));
    if (screen.height() < 854) QVERIFY(fixture_->window->pos().y() < screen.y());
  }

  void the_menu_bar_holds_its_items_in_order() {
    QStringList bar;
    for (QAction* menu_action : fixture_->window->menuBar()->actions()) {
      QString menu = menu_action->text() + u":"_qs;
      for (const QAction* item : menu_action->menu()->actions())
        menu += u" "_qs + (item->isSeparator() ? u"-"_qs : item->text());
      bar << menu;
    }
    QCOMPARE(bar, (QStringList{u"文件: 载入文本1 载入文本2 - 退出"_qs, u"选项: 高级"_qs,
                               u"关于: 版本 帮助 作者 更新 反馈BUG 提出意见 支持作者"_qs}));
    for (QAction* item : fixture_->window->findChildren<QAction*>()) {
      QVERIFY(item->shortcut().isEmpty());
      QVERIFY(!item->isChecked());
      QVERIFY(item->isEnabled());
    }
  }

  void earlier_controls_lie_above_the_controls_they_cover_data() {
    QTest::addColumn<QString>("covered");
    QTest::addColumn<QString>("cover");
    for (const char* name :
         {"按钮20高级搜索", "按钮18高级加密", "按钮15高级解密", "按钮19高级对比", "按钮1保留指定",
          "组合框1", "组合框2", "组合框3", "组合框4", "组合框5"})
      QTest::newRow(name) << QString::fromUtf8(name) << u"透明标签1"_qs;
    QTest::newRow("选择框2") << u"选择框2"_qs << u"透明标签4"_qs;
  }
  void earlier_controls_lie_above_the_controls_they_cover() {
    QFETCH(QString, covered);
    QFETCH(QString, cover);
    auto* group = fixture_->window->findChild<QWidget*>(u"分组框4"_qs);
    const QWidget* under = fixture_->window->findChild<QWidget*>(covered);
    // The label starts at x 10, two columns right of the buttons' left edge.
    const QRect inside = under->geometry().adjusted(2, 0, 0, 0);
    for (const QPoint corner : {inside.topLeft(), inside.bottomRight(), inside.center()})
      QCOMPARE(group->childAt(corner)->objectName(), cover);
  }

  void the_case_check_box_shows_outside_its_cover() {
    auto* group = fixture_->window->findChild<QWidget*>(u"分组框4"_qs);
    QCOMPARE(group->childAt(QPoint(97, 318))->objectName(), u"选择框1是否区分大小写"_qs);
    QCOMPARE(group->childAt(QPoint(98, 318))->objectName(), u"透明标签4"_qs);
  }

  void transparent_labels_draw_nothing() {
    auto* group = fixture_->window->findChild<QWidget*>(u"分组框4"_qs);
    const QImage covered = group->grab().toImage();
    for (QWidget* label : group->findChildren<mosuo::TransparentLabel*>()) label->hide();
    QCOMPARE(group->grab().toImage(), covered);
  }

  void the_advanced_group_is_clipped_by_its_parent() {
    const QWidget* group = fixture_->window->findChild<QWidget*>(u"分组框4"_qs);
    QCOMPARE(group->visibleRegion().boundingRect(), QRect(0, 0, 202, 744 - 411));
  }

  void two_line_captions_fit_their_buttons_data() {
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"按钮8转换十六进制", "按钮4转换文本", "按钮5转换八进制", "按钮3删除重复字符"})
      QTest::newRow(name) << QString::fromUtf8(name);
  }
  void two_line_captions_fit_their_buttons() {
    QFETCH(QString, name);
    const auto* button = fixture_->window->findChild<mosuo::WrappingButton*>(name);
    const QList<QRectF> lines = button->caption_lines();
    QVERIFY(!lines.isEmpty() && lines.size() <= 2);
    for (const QRectF& line : lines)
      QVERIFY2(QRectF(button->rect()).contains(line), qPrintable(name));
    for (qsizetype i = 1; i < lines.size(); ++i) QVERIFY(!lines[i].intersects(lines[i - 1]));
  }

  void the_application_icon_draws_from_the_resources() {
    const QIcon icon(u":/icons/org.mosuo.Mosuo.svg"_qs);
    QVERIFY(!icon.pixmap(48, 48).isNull());
  }

  void everything_starts_empty_unchecked_and_at_rest() {
    for (const std::string_view name : {"编辑框1", "编辑框2", "编辑框3"})
      QCOMPARE(fixture_->value(name), QByteArray());
    for (const std::string_view name : {"选择框1是否区分大小写", "选择框2"})
      QVERIFY(!fixture_->find<QCheckBox>(name)->isChecked());
    QVERIFY(!fixture_->window->case_sensitive());
    const auto* bar = fixture_->find<QProgressBar>("进度条1");
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), 1000);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(QApplication::focusWidget(), fixture_->find("编辑框1"));
    for (const QPushButton* button : fixture_->window->findChildren<QPushButton*>()) {
      QVERIFY(!button->isDefault());
      QVERIFY(!button->autoDefault());
    }
  }
};

QTEST_MAIN(WindowLayoutTest)
#include "test_window_layout.moc"
