// The menu bar's commands through the real window: the notices, "退出" and
// its question, and loading files with the open-file dialog answered in its
// place.
#include <sys/stat.h>  // mkfifo

#include <QMenuBar>
#include <QTemporaryDir>
#include <fstream>

#include "app/menu_notices.hpp"
#include "window_fixture.hpp"

using namespace mosuo;
using namespace mosuo::testing;

namespace {

QAction* menu_item(const MainWindow& window, const QString& caption) {
  for (QAction* menu : window.menuBar()->actions()) {
    for (QAction* item : menu->menu()->actions()) {
      if (item->text() == caption) return item;
    }
  }
  return nullptr;
}

}  // namespace

class MenusTest : public QObject {
  Q_OBJECT

  std::unique_ptr<window_fixture> fixture_;
  QTemporaryDir dir_;

  QString file(const QString& name, const QByteArray& bytes) {
    const QString path = dir_.filePath(name);
    std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary)
        .write(bytes.constData(), bytes.size());
    return path;
  }
  void trigger(const char* caption) {
    QAction* item = menu_item(*fixture_->window, QString::fromUtf8(caption));
    QVERIFY2(item != nullptr, caption);
    item->trigger();
  }
  void fill(const QByteArray& source, const QByteArray& content, const QByteArray& result) {
    fixture_->set(source_field, source);
    fixture_->set(content_field, content);
    fixture_->set(result_field, result);
  }

 private slots:
  void init() { fixture_ = std::make_unique<window_fixture>(); }
  void cleanup() { fixture_.reset(); }

  void each_item_shows_its_notice_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("text");
    const auto row = [](const char* item, const QString& text) {
      QTest::newRow(item) << QString::fromUtf8(item) << text;
    };
    row("高级", "功能完善中。。。");
    row("版本", "当前版本为：V1.0测试版本");
    row("帮助", "作者正在孤军奋战努力地完善本软件的帮助文本及其功能！");
    row("作者",
        "作者只是编程界的小菜鸟~~~"
        "\r\n如果想支持作者可在软件界面选择菜单里的“关于”→“支持作者”获取捐爱心的方式！");
    row("更新", "更新系统正在完善，敬请期待！");
    row("反馈BUG", "如发现本软件有BUG可以练习作者对本软件进行改进！\r\nQQ:" + qs(author_qq));
    row("支持作者",
        "如果您支持作者继续开发新的功能和新的软件，您可以捐点爱心给作者增加其开发的动力！\r\nQQ：" +
            qs(author_qq) + "\r\n支付宝：" + qs(author_alipay));
  }
  void each_item_shows_its_notice() {
    QFETCH(QString, item);
    QFETCH(QString, text);
    trigger(item.toUtf8().constData());
    QCOMPARE(fixture_->notices.shown.size(), std::size_t{1});
    const shown_notice& shown = fixture_->notices.shown.front();
    QCOMPARE(shown.text, text);
    QCOMPARE(shown.caption, QString::fromUtf8("信息："));
    QCOMPARE(shown.buttons, notice_buttons::ok);
    QVERIFY(!shown.text.endsWith(QStringLiteral("\r\n")));
  }

  void suggestions_item_does_nothing() {
    fill("a", "b", "c");
    trigger("提出意见");
    QVERIFY(fixture_->notices.shown.empty());
    QVERIFY(fixture_->files.prefills.empty());
    QCOMPARE(fixture_->value(source_field), QByteArray("a"));
  }

  void exit_asks_unless_every_field_is_empty_data() {
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("result");
    QTest::addColumn<bool>("asks");
    QTest::newRow("all empty") << QByteArray() << QByteArray() << QByteArray() << false;
    QTest::newRow("source differs from content")
        << QByteArray("a") << QByteArray() << QByteArray() << true;
    QTest::newRow("only content") << QByteArray() << QByteArray("a") << QByteArray() << true;
    QTest::newRow("result differs from content")
        << QByteArray() << QByteArray() << QByteArray("a") << true;
    QTest::newRow("source equals content, result empty")
        << QByteArray("a") << QByteArray("a") << QByteArray() << true;
    QTest::newRow("all three the same")
        << QByteArray("a") << QByteArray("a") << QByteArray("a") << true;
    QTest::newRow("spaces only") << QByteArray("  ") << QByteArray() << QByteArray() << true;
    QTest::newRow("a line break only")
        << QByteArray() << QByteArray() << QByteArray("\r\n") << true;
  }
  void exit_asks_unless_every_field_is_empty() {
    QFETCH(QByteArray, source);
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, result);
    QFETCH(bool, asks);
    fill(source, content, result);
    trigger("退出");
    QCOMPARE(fixture_->notices.shown.size(), std::size_t{asks ? 1u : 0u});
    if (asks) {
      const shown_notice& shown = fixture_->notices.shown.front();
      QCOMPARE(shown.text, QString::fromUtf8("当前还有未保存的数据,你真的不报存就要退出吗？"));
      QCOMPARE(shown.caption, QString::fromUtf8("信息："));
      QCOMPARE(shown.buttons, notice_buttons::ok_cancel);
    }
    QVERIFY2(fixture_->window->isVisible(),
             "the window closes only after the handler has returned");
    QTRY_VERIFY(!fixture_->window->isVisible());
  }

  void exit_cancelled_changes_nothing() {
    fill("a", "b", "c");
    fixture_->notices.answers.push_back(notice_answer::cancel);
    trigger("退出");
    QTest::qWait(50);
    QVERIFY(fixture_->window->isVisible());
    QCOMPARE(fixture_->value(source_field), QByteArray("a"));
    QCOMPARE(fixture_->value(content_field), QByteArray("b"));
    QCOMPARE(fixture_->value(result_field), QByteArray("c"));
  }

  void loading_takes_the_bytes_up_to_the_first_zero_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("up to a zero byte") << "载入文本1"
                                       << "编辑框1" << QByteArray("AB\0CD", 5) << QByteArray("AB");
    QTest::newRow("empty file") << "载入文本1"
                                << "编辑框1" << QByteArray() << QByteArray();
    QTest::newRow("zero byte first") << "载入文本2"
                                     << "编辑框2" << QByteArray("\0AB", 3) << QByteArray();
    QTest::newRow("lone LF and CR stay")
        << "载入文本2"
        << "编辑框2" << QByteArray("a\nb\rc\r\n") << QByteArray("a\nb\rc\r\n");
    QTest::newRow("UTF-8 mark stays") << "载入文本1"
                                      << "编辑框1"
                                      << QByteArray(
                                             "\xEF\xBB\xBF"
                                             "ab")
                                      << QByteArray(
                                             "\xEF\xBB\xBF"
                                             "ab");
    QTest::newRow("GBK and a lone lead byte")
        << "载入文本1"
        << "编辑框1" << QByteArray("\xD6\xD0\xCE") << QByteArray("\xD6\xD0\xCE");
  }
  void loading_takes_the_bytes_up_to_the_first_zero() {
    QFETCH(QString, item);
    QFETCH(QString, target);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, expected);
    fill("old ①", "old ②", "old ③");
    fixture_->files.choices.push_back(file(QStringLiteral("chosen"), bytes));
    trigger(item.toUtf8().constData());
    QVERIFY(fixture_->notices.shown.empty());
    const std::string field = target.toStdString();
    QCOMPARE(fixture_->value(field), expected);
    for (const std::string_view other : {source_field, content_field}) {
      if (other != field) QVERIFY(fixture_->value(other).startsWith("old"));
    }
    QCOMPARE(fixture_->value(result_field), QByteArray("old ③"));
  }

  void cancelling_the_dialog_changes_nothing() {
    fill("kept", "", "");
    fixture_->files.choices.push_back(QString());
    trigger("载入文本1");
    QCOMPARE(fixture_->value(source_field), QByteArray("kept"));
    fixture_->files.choices.push_back(QString());
    trigger("载入文本2");
    // a cancelled dialog remembers no path
    QCOMPARE(fixture_->files.prefills, (std::vector<QString>{QString(), QString()}));
  }

  void both_items_share_the_remembered_path() {
    const QString first = file(QStringLiteral("first"), "1");
    fixture_->files.choices.push_back(first);
    trigger("载入文本1");
    fixture_->files.choices.push_back(QString());
    trigger("载入文本2");
    QCOMPARE(fixture_->files.prefills, (std::vector<QString>{QString(), first}));
  }

  void a_path_longer_than_260_bytes_loads_and_is_remembered() {
    QString folder = dir_.path();
    for (int i = 0; i < 5; ++i) folder += QStringLiteral("/") + QString(60, QLatin1Char('a' + i));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/long.txt");
    QVERIFY(path.toUtf8().size() > 300);
    std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary) << "deep";
    fixture_->files.choices.push_back(path);
    trigger("载入文本1");
    QCOMPARE(fixture_->value(source_field), QByteArray("deep"));
    trigger("载入文本2");  // cancelled: the choices ran out
    QCOMPARE(fixture_->files.prefills.back(), path);
  }

  void a_file_that_cannot_be_read_is_named_and_the_field_kept_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("removed after the choice") << "removed";
    QTest::newRow("a FIFO") << "fifo";
    QTest::newRow("a folder") << "folder";
  }
  void a_file_that_cannot_be_read_is_named_and_the_field_kept() {
    QFETCH(QString, name);
    const QString path = dir_.filePath(name);
    if (name == "fifo") QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (name == "folder") QVERIFY(QDir().mkdir(path));
    fill("kept", "", "");
    fixture_->files.choices.push_back(path);
    trigger("载入文本1");  // a FIFO must not block: the test would hang here
    QCOMPARE(fixture_->value(source_field), QByteArray("kept"));
    QCOMPARE(fixture_->notices.shown.size(), std::size_t{1});
    const QString text = fixture_->notices.shown.front().text;
    QVERIFY2(text.startsWith(QString::fromUtf8("无法载入文件：") + path + "\r\n"),
             qPrintable(text));
    QVERIFY(text.size() > (QString::fromUtf8("无法载入文件：") + path + "\r\n").size());
  }

  void a_file_without_read_permission_is_refused() {
    if (::geteuid() == 0) QSKIP("root reads every file, so permissions cannot be tested");
    const QString path = file(QStringLiteral("locked"), "secret");
    QFile::setPermissions(path, {});
    fill("kept", "", "");
    fixture_->files.choices.push_back(path);
    trigger("载入文本1");
    QCOMPARE(fixture_->value(source_field), QByteArray("kept"));
    QCOMPARE(fixture_->notices.shown.size(), std::size_t{1});
  }
};

QTEST_MAIN(MenusTest)
#include "test_menus.moc"
