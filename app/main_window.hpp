// The main window: built from the tables of window_table.hpp, it binds each
// control's event to its command and keeps the case flag.
#pragma once

#include <QApplication>
#include <QMainWindow>
#include <array>
#include <functional>
#include <limits>
#include <map>
#include <string_view>

#include "app/file_chooser.hpp"
#include "app/notice_box.hpp"
#include "app/window_table.hpp"
#include "text/text.hpp"

class QAction;

namespace mosuo {

class TextField;

// What a field can hold. Its document addresses characters with int; the
// layout of one line sizes its glyph buffer with int arithmetic, about 21
// bytes a glyph, and a line past 2^31 / 21 glyphs overflows it inside Qt.
struct field_limits {
  qsizetype characters = std::numeric_limits<int>::max() / 2;
  qsizetype line = qsizetype{1} << 26;  // characters between two line breaks
};

// The wait cursor while a command runs.
struct busy_cursor {
  busy_cursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~busy_cursor() { QApplication::restoreOverrideCursor(); }
  busy_cursor(const busy_cursor&) = delete;
  busy_cursor& operator=(const busy_cursor&) = delete;
};

// Shown instead of writing a text a field cannot hold: a result or a paste.
inline constexpr std::string_view too_large_notice_text =
    "文本太大，文本框容纳不下，没有写入任何文本框。";

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(notice_box& notices, file_chooser& files, field_limits limits = {});
  ~MainWindow() override;

  // The control of that name from the control table (the dialog component is
  // a plain QObject; every other control a widget).
  QObject* control(std::string_view name) const;
  TextField* field(std::string_view name) const;
  QAction* menu_action(menu_command command) const;

  // A field's whole text value, and replacing it; a value too large for a
  // field shows a notice, changes nothing and gives false.
  text read(std::string_view field_name) const;
  bool write(std::string_view field_name, text_view value);

  // Shows a notice box and gives the focus back to the control that had it.
  notice_answer notice(std::string_view text, std::string_view caption = default_caption,
                       notice_buttons buttons = notice_buttons::ok);

  // Runs a modal box or dialog: the source field's focus loss first, the
  // ordinary pointer while it is open, then the window reactivated and the
  // focus back where it was.
  void modal(const std::function<void()>& open);

  bool case_sensitive() const { return case_sensitive_; }

  // Centres the window by the start formula, shows and activates it and
  // gives the focus to the first control of the tab order.
  void show_at_start();

  void run(binding event);
  void run(menu_command command);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void build_menu_bar();
  void build_controls();
  void connect_controls();
  void set_tab_order();
  void move_focus(bool forward);
  void normalise_source();
  void load(std::string_view field_name);
  void exit_program();

  notice_box& notices_;
  file_chooser& files_;
  QString remembered_path_;  // the last confirmed choice of either load item; never saved
  const field_limits limits_;
  bool case_sensitive_ = false;  // the case flag: ticked means letters must match exactly
  std::map<std::string_view, QObject*> controls_;
  std::array<QAction*, static_cast<std::size_t>(menu_command::notice_support) + 1> menu_actions_{};
};

}  // namespace mosuo
