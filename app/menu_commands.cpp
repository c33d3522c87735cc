// The menu bar's commands: loading a file into a field, "退出" with its
// question, and the fixed notices.
#include <QApplication>
#include <QFile>  // encodeName: a path as the file system spells it

#include "app/file_chooser.hpp"
#include "app/file_loading.hpp"
#include "app/main_window.hpp"
#include "app/menu_notices.hpp"
#include "text/primitives.hpp"

namespace mosuo {

void MainWindow::run(menu_command command) {
  switch (command) {
    case menu_command::none:
      break;
    case menu_command::load_source:
      load(source_field);
      break;
    case menu_command::load_content:
      load(content_field);
      break;
    case menu_command::exit:
      exit_program();
      break;
    default:
      notice(menu_notice_text(command));
      break;
  }
}

// The remembered path is the last confirmed choice of either load item; a
// failed load still remembers it, so the dialog opens where the user was.
void MainWindow::load(std::string_view field_name) {
  std::optional<QString> chosen;
  modal([&] { chosen = files_.choose(this, remembered_path_); });
  if (!chosen) return;
  remembered_path_ = *chosen;
  const busy_cursor busy;
  const loaded_file loaded = load_file(QFile::encodeName(*chosen).toStdString());
  if (!loaded.ok) {
    notice(std::string(load_failed)
               .append(chosen->toStdString())
               .append("\r\n")
               .append(loaded.reason));
    return;
  }
  write(field_name, loaded.value);
}

// All three fields empty closes at once; anything else asks first. Each
// field is read at the comparison that needs it, in this order.
void MainWindow::exit_program() {
  const bool all_empty = text_equal(read(source_field), read(content_field)) &&
                         text_equal(read(result_field), read(content_field)) &&
                         text_equal(read(result_field), "");
  if (!all_empty &&
      notice(exit_question, default_caption, notice_buttons::ok_cancel) != notice_answer::ok) {
    return;
  }
  // A close request: the window closes once the loop takes it up, after this
  // handler has returned.
  QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
}

}  // namespace mosuo
