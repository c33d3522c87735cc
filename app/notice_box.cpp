#include "app/notice_box.hpp"

#include <QMessageBox>
#include <QPushButton>

namespace mosuo {

notice_answer message_box_notice::ask(const QString& text, const QString& caption,
                                      notice_buttons buttons) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));  // notices break lines with CR LF
  QMessageBox box(QMessageBox::NoIcon, caption, shown, QMessageBox::Ok, nullptr);
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
  if (buttons == notice_buttons::ok_cancel) {
    box.addButton(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
    box.setEscapeButton(QMessageBox::Cancel);
  }
  box.setDefaultButton(QMessageBox::Ok);
  return box.exec() == QMessageBox::Cancel ? notice_answer::cancel : notice_answer::ok;
}

}  // namespace mosuo
