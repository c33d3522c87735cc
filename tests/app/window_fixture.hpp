// What the window tests share: a notice box that records and answers in place
// of the real one, and lookups of the window's controls by name.
#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "app/field_text.hpp"
#include "app/main_window.hpp"
#include "app/text_field.hpp"

namespace mosuo::testing {

struct shown_notice {
  QString text;
  QString caption;
  notice_buttons buttons;
};

class scripted_notices final : public notice_box {
 public:
  std::vector<shown_notice> shown;
  std::deque<notice_answer> answers;  // OK once they run out
  std::function<void()> while_open;   // runs while the box would be up

  notice_answer ask(const QString& text, const QString& caption, notice_buttons buttons) override {
    shown.push_back({text, caption, buttons});
    if (while_open) while_open();
    if (answers.empty()) return notice_answer::ok;
    const notice_answer answer = answers.front();
    answers.pop_front();
    return answer;
  }
};

// Types text that need not be ASCII, one key press per character.
inline void type(QWidget* widget, const QString& typed) {
  for (const QChar c : typed) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &release);
  }
}

inline QString qs(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Chooses files in place of the open-file dialog, and records what the
// dialog's file-name box would have shown.
class scripted_files final : public file_chooser {
 public:
  std::deque<QString> choices;  // an empty one cancels, as do all once they run out
  std::vector<QString> prefills;

  std::optional<QString> choose(QWidget*, const QString& prefill) override {
    prefills.push_back(prefill);
    const QString choice = choices.empty() ? QString() : choices.front();
    if (!choices.empty()) choices.pop_front();
    if (choice.isEmpty()) return std::nullopt;
    return choice;
  }
};

// A shown, active main window with its scripted notice box and dialog.
struct window_fixture {
  scripted_notices notices;
  scripted_files files;
  std::unique_ptr<MainWindow> window;

  explicit window_fixture(field_limits limits = {})
      : window(std::make_unique<MainWindow>(notices, files, limits)) {
    window->show_at_start();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
  }

  template <class Widget = QWidget>
  Widget* find(std::string_view name) const {
    return qobject_cast<Widget*>(window->control(name));
  }
  TextField* field(std::string_view name) const { return window->field(name); }

  // The bytes a field holds, for readable comparisons.
  QByteArray value(std::string_view name) const {
    const text bytes = window->read(name);
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
  }
  void set(std::string_view name, const QByteArray& bytes) {
    QVERIFY(
        window->write(name, text_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
  }
  // A left click on the window at a point of the named control: the window
  // decides which control gets it, as it does for a user's click.
  void click(std::string_view name, QPoint at = {}) {
    QWidget* widget = find(name);
    const QPoint point = widget->mapTo(window.get(), at.isNull() ? widget->rect().center() : at);
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, point);
  }
};

}  // namespace mosuo::testing
