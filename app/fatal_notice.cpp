#include "app/fatal_notice.hpp"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>  // fprintf

namespace mosuo {
namespace {

QString describe(fatal_reason reason, int code) {
  switch (reason) {
    case fatal_reason::start_window:
      return QStringLiteral("载入启动窗口失败！");
    case fatal_reason::out_of_memory:
      return QStringLiteral("内存不足，无法为新的数据分配内存！");
    case fatal_reason::element_index:
      return QStringLiteral("数组成员下标超出范围！错误码：%1").arg(code);
  }
  return QStringLiteral("未知错误！");
}

}  // namespace

void show_fatal_notice(fatal_reason reason, int code) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    std::fprintf(stderr, "mosuo: fatal error: %s (code %d)\n", fatal_description(reason), code);
    return;
  }
  QMessageBox box(QMessageBox::Critical, QStringLiteral("错误"), describe(reason, code),
                  QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
  box.exec();
}

}  // namespace mosuo
