#include "app/main_window.hpp"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QProgressBar>
#include <QScreen>
#include <algorithm>

#include "app/field_text.hpp"
#include "app/text_field.hpp"
#include "app/transparent_label.hpp"
#include "app/wrap_policy.hpp"
#include "app/wrapping_button.hpp"
#include "text/commands.hpp"

namespace mosuo {
namespace {

QString qs(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

const control_def& definition(std::string_view name) {
  return *std::ranges::find(window_def::controls, name, &control_def::name);
}

// A command may run for seconds on a large text.

QWidget* create_control(const control_def& def, QWidget* parent) {
  const QString caption = qs(def.caption);
  switch (def.kind) {
    case control_kind::transparent_label:
      return new TransparentLabel(parent);
    case control_kind::combo_box: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->setInsertPolicy(QComboBox::NoInsert);  // Enter adds nothing to the list
      for (const std::string_view item : def.items) combo->addItem(qs(item));
      combo->setCurrentIndex(-1);
      combo->setEditText(caption);  // shown, but not one of the entries
      return combo;
    }
    case control_kind::button:
      return new WrappingButton(caption, parent);
    case control_kind::check_box:
      return new QCheckBox(caption, parent);
    case control_kind::progress_bar: {
      auto* bar = new QProgressBar(parent);
      bar->setRange(0, 1000);
      bar->setValue(0);
      bar->setTextVisible(false);
      return bar;
    }
    case control_kind::label: {
      auto* label = new QLabel(caption, parent);
      label->setTextFormat(Qt::PlainText);  // an ampersand is drawn as it is
      label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
      return label;
    }
    case control_kind::edit_field:
      return new TextField(parent);
    case control_kind::group_box: {
      auto* group = new QGroupBox(caption, parent);
      // A caption drawn over its parent's frame line hides that line, as the
      // system's group boxes fill their caption's background.
      group->setAutoFillBackground(true);
      return group;
    }
    case control_kind::dialog_component:
      break;
  }
  return nullptr;
}

// Opening a menu or pressing Alt for the menu bar takes no focus on the
// system the window follows, so those are no focus loss.
bool is_focus_loss(Qt::FocusReason reason) {
  return reason != Qt::PopupFocusReason && reason != Qt::MenuBarFocusReason;
}

}  // namespace

MainWindow::MainWindow(notice_box& notices, file_chooser& files, field_limits limits)
    : QMainWindow(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      notices_(notices),
      files_(files),
      limits_(limits) {
  setWindowTitle(qs(window_title));
  build_menu_bar();
  build_controls();
  connect_controls();
  set_tab_order();
  setFixedSize(client_width, client_height + menuBar()->sizeHint().height());
}

// Closing the window moves the focus out of a field; no handler may run on
// the members this destructor has already released.
MainWindow::~MainWindow() {
  for (const auto& [name, control] : controls_) control->disconnect(this);
}

void MainWindow::build_menu_bar() {
  menuBar()->setNativeMenuBar(false);  // the bar belongs to the window's own frame
  QMenu* menu = nullptr;
  for (const menu_item_def& item : window_def::menu_bar) {
    if (item.level == 0) {
      menu = menuBar()->addMenu(qs(item.caption));
    } else if (item.caption == "-") {
      menu->addSeparator();
    } else {
      QAction* action = menu->addAction(qs(item.caption));
      if (item.command != menu_command::none)
        menu_actions_[static_cast<std::size_t>(item.command)] = action;
    }
  }
}

// Parents come after their children in the definition order, so the controls
// are made from the last to the first; a widget made later lies above its
// siblings, which puts the earlier definitions on top.
void MainWindow::build_controls() {
  auto* client = new QWidget(this);
  client->setFixedSize(client_width, client_height);
  setCentralWidget(client);
  for (auto def = window_def::controls.rbegin(); def != window_def::controls.rend(); ++def) {
    if (def->kind == control_kind::dialog_component) {  // no window, no place on screen
      auto* component = new QObject(this);
      component->setObjectName(qs(def->name));
      controls_[def->name] = component;
      continue;
    }
    QWidget* parent =
        def->parent.empty() ? client : static_cast<QWidget*>(controls_.at(def->parent));
    QWidget* widget = create_control(*def, parent);
    widget->setObjectName(qs(def->name));
    widget->setGeometry(def->x, def->y, def->width, def->height);
    widget->setAccessibleName(
        qs(def->label.empty() ? def->caption : definition(def->label).caption));
    controls_[def->name] = widget;
  }
}

void MainWindow::connect_controls() {
  for (const control_def& def : window_def::controls) {
    if (def.event == binding::none) continue;
    QObject* control = controls_.at(def.name);
    const binding event = def.event;
    if (auto* label = qobject_cast<TransparentLabel*>(control)) {
      connect(label, &TransparentLabel::left_pressed, this, [this, event] { run(event); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
      connect(button, &QAbstractButton::clicked, this, [this, event] { run(event); });
    } else if (auto* edit = qobject_cast<TextField*>(control)) {
      connect(edit, &TextField::focus_lost, this, [this, event](Qt::FocusReason reason) {
        if (is_focus_loss(reason)) run(event);
      });
    }
  }
  for (const std::string_view name : {source_field, content_field, result_field}) {
    field(name)->set_line_limit(limits_.line);
    connect(field(name), &TextField::paste_refused, this,
            [this] { notice(too_large_notice_text); });
  }
  for (std::size_t i = 0; i < menu_actions_.size(); ++i) {
    if (menu_actions_[i] == nullptr) continue;
    const auto command = static_cast<menu_command>(i);
    connect(menu_actions_[i], &QAction::triggered, this, [this, command] { run(command); });
  }
}

// The window sees each key press before the focused control: Tab and
// Shift+Tab move along the tab order and are never typed into a field.
void MainWindow::set_tab_order() {
  for (std::size_t i = 0; i < window_def::tab_order.size(); ++i) {
    auto* widget = static_cast<QWidget*>(controls_.at(window_def::tab_order[i]));
    widget->installEventFilter(this);
    for (QWidget* inner : widget->findChildren<QWidget*>()) inner->installEventFilter(this);
    if (i > 0)
      setTabOrder(static_cast<QWidget*>(controls_.at(window_def::tab_order[i - 1])), widget);
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool plain =
        (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) == 0;
    if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
      move_focus(key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier) == 0);
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::move_focus(bool forward) {
  const QWidget* focused = QApplication::focusWidget();
  const auto count = static_cast<std::ptrdiff_t>(window_def::tab_order.size());
  const auto holds_focus = [&](std::string_view name) {
    const auto* widget = static_cast<QWidget*>(controls_.at(name));
    return focused != nullptr && (widget == focused || widget->isAncestorOf(focused));
  };
  const std::ptrdiff_t current =
      std::ranges::find_if(window_def::tab_order, holds_focus) - window_def::tab_order.begin();
  std::ptrdiff_t next = forward ? 0 : count - 1;
  if (current < count) next = (current + (forward ? 1 : count - 1)) % count;
  static_cast<QWidget*>(controls_.at(window_def::tab_order[static_cast<std::size_t>(next)]))
      ->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

void MainWindow::show_at_start() {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  move(screen.x() + (screen.width() - outer_width) / 2,
       screen.y() + (screen.height() - outer_height) / 2);
  show();
  activateWindow();
  field(source_field)->setFocus(Qt::OtherFocusReason);
}

QObject* MainWindow::control(std::string_view name) const {
  return controls_.at(name);
}

TextField* MainWindow::field(std::string_view name) const {
  return static_cast<TextField*>(controls_.at(name));
}

QAction* MainWindow::menu_action(menu_command command) const {
  return menu_actions_[static_cast<std::size_t>(command)];
}

text MainWindow::read(std::string_view field_name) const {
  return field(field_name)->value();
}

bool MainWindow::write(std::string_view field_name, text_view value) {
  const QString shown = field_text_from_value(value);
  if (shown.size() > limits_.characters || longest_line(shown) > limits_.line) {
    notice(too_large_notice_text);
    return false;
  }
  field(field_name)->show_text(shown);
  return true;
}

notice_answer MainWindow::notice(std::string_view text, std::string_view caption,
                                 notice_buttons buttons) {
  notice_answer answer = notice_answer::ok;
  modal([&] { answer = notices_.ask(qs(text), qs(caption), buttons); });
  return answer;
}

void MainWindow::modal(const std::function<void()>& open) {
  // The box takes the focus, so the source field loses it before the box shows.
  if (field(source_field)->hasFocus()) normalise_source();
  const QPointer<QWidget> had_focus = QApplication::focusWidget();
  const bool busy = QApplication::overrideCursor() != nullptr;
  if (busy) QApplication::restoreOverrideCursor();  // the box wants the ordinary pointer
  open();
  if (busy) QApplication::setOverrideCursor(Qt::WaitCursor);
  activateWindow();
  if (had_focus != nullptr && had_focus->window() == this)
    had_focus->setFocus(Qt::ActiveWindowFocusReason);
}

// Runs only when the text may hold something to change, so that an unchanged
// field keeps its caret, selection, scroll position and undo history.
void MainWindow::normalise_source() {
  TextField* source = field(source_field);
  if (!source->changed_since_mark()) return;
  const text before = source->value();
  const text after = normalise_full_width(before);
  if (after != before) source->replace_in_place(field_text_from_value(after));
  source->mark_unchanged();
}

void MainWindow::run(binding event) {
  const busy_cursor busy;
  switch (event) {
    case binding::none:
      break;
    case binding::unfinished_notice:
      notice(unfinished_notice_text);
      break;
    case binding::case_flag:
      case_sensitive_ = static_cast<QCheckBox*>(control("选择框1是否区分大小写"))->isChecked();
      break;
    case binding::delete_spaces:
      write(result_field, delete_spaces(read(source_field)));
      break;
    case binding::delete_line_breaks:
      write(result_field, delete_line_breaks(read(source_field)));
      break;
    case binding::delete_tab_line_breaks:
      write(result_field, delete_tab_line_breaks(read(source_field)));
      break;
    case binding::delete_content:
      write(result_field, delete_content(read(source_field), read(content_field), case_sensitive_));
      break;
    case binding::delete_all:
      if (notice(clear_question, clear_caption, notice_buttons::ok_cancel) == notice_answer::ok)
        for (const std::string_view name : {content_field, source_field, result_field})
          write(name, {});
      break;
    case binding::delete_repeated_characters:
      write(result_field, delete_repeated_characters(read(source_field), case_sensitive_));
      break;
    case binding::delete_repeated_lines:
      write(result_field, delete_repeated_lines(read(source_field), case_sensitive_));
      break;
    case binding::to_byte_list:
      write(result_field, to_byte_list(read(source_field)));
      break;
    case binding::from_byte_list:
      write(result_field, from_byte_list(read(source_field)));
      break;
    case binding::to_hex_dump:
      write(result_field, to_hex_dump(read(source_field)));
      break;
    case binding::to_upper_case:
      write(content_field, to_upper_case(read(source_field)));
      break;
    case binding::to_lower_case:
      write(content_field, to_lower_case(read(source_field)));
      break;
    case binding::normalise_full_width:
      normalise_source();
      break;
  }
}


}  // namespace mosuo
