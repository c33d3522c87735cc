// The real open-file dialog, once, to prove the wiring: the file name is
// typed into the dialog's own file-name box, as a user would.
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTimer>
#include <fstream>

#include "app/file_chooser.hpp"
#include "window_fixture.hpp"

using namespace mosuo;
using namespace mosuo::testing;

class FileDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void the_real_dialog_loads_the_chosen_file() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chosen.txt"));
    std::ofstream(QFile::encodeName(path).toStdString(), std::ios::binary) << "\xD6\xD0\r\nab";

    scripted_notices notices;
    dialog_file_chooser files;
    MainWindow window(notices, files);
    window.show_at_start();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QString prefilled;
    bool typed = false;
    QTimer answer;
    answer.setInterval(20);
    connect(&answer, &QTimer::timeout, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      auto* name = dialog ? dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")) : nullptr;
      if (!name || typed) return;
      typed = true;
      prefilled = name->text();
      name->setText(path);
      QTest::keyClick(name, Qt::Key_Return);
    });
    answer.start();
    window.run(menu_command::load_source);
    QVERIFY(typed);
    QCOMPARE(prefilled, QString());
    const text value = window.read(source_field);
    QCOMPARE(QByteArray(value.data(), static_cast<qsizetype>(value.size())),
             QByteArray("\xD6\xD0\r\nab"));

    typed = false;  // the second opening shows the remembered path
    window.run(menu_command::load_content);
    QVERIFY(typed);
    QCOMPARE(QFileInfo(prefilled).fileName(), QStringLiteral("chosen.txt"));
    QVERIFY(notices.shown.empty());
  }
};

QTEST_MAIN(FileDialogTest)
#include "test_file_dialog.moc"
