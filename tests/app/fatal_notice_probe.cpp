// A program that meets a fatal error with the window's fatal handler in place.
// It answers the notice itself and prints what the notice showed; the test
// that starts it checks that and the exit status.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "app/fatal_notice.hpp"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  mosuo::set_fatal_handler(mosuo::show_fatal_notice);
  QTimer::singleShot(0, [] {
    QTimer::singleShot(100, [] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr) return;
      std::printf("icon %d buttons %d\n%s\n", static_cast<int>(box->icon()),
                  static_cast<int>(box->buttons().size()), qPrintable(box->text()));
      std::fflush(stdout);
      box->button(QMessageBox::Ok)->click();
    });
    mosuo::fatal(mosuo::fatal_reason::out_of_memory);
  });
  application.exec();
  return 0;  // never reached: fatal() ends the process
}
