// The process entry: prepare the process, open the main window, run the loop.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <memory>

#include "app/fatal_notice.hpp"
#include "app/file_chooser.hpp"
#include "app/main_window.hpp"
#include "app/notice_box.hpp"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QGuiApplication::setDesktopFileName(QStringLiteral("org.mosuo.Mosuo"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/org.mosuo.Mosuo.svg")));
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  mosuo::install_out_of_memory_handler();
  mosuo::set_fatal_handler(mosuo::show_fatal_notice);

  mosuo::message_box_notice notices;
  mosuo::dialog_file_chooser files;
  std::unique_ptr<mosuo::MainWindow> window;
  try {
    window = std::make_unique<mosuo::MainWindow>(notices, files);
  } catch (...) {
    mosuo::fatal(mosuo::fatal_reason::start_window);
  }
  window->show_at_start();
  return QApplication::exec();  // 0 once the window is closed
}
