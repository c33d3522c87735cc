// Each button's whole path on a large text ①, in the real window: the click,
// reading the fields, the command, writing the result field and its first
// paint, with each step timed on its own as well. Paint costs depend on the
// window system, so it runs under Xvfb with the xcb platform (it starts
// itself under xvfb-run when no display is set).
//   bench_window [--sizes=10,100] [--only=字节集,全部]
// sizes of text ① in MB; the captions of the buttons to measure (all of them
// by default).
#include <unistd.h>  // execvp

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTest>
#include <cstdio>
#include <cstdlib>  // getenv, setenv
#include <string>
#include <vector>

#include "app/field_text.hpp"
#include "app/main_window.hpp"
#include "app/text_field.hpp"
#include "corpus.hpp"
#include "text/commands.hpp"

namespace {

using mosuo::MainWindow;
using mosuo::text;

class answer_ok final : public mosuo::notice_box {
 public:
  mosuo::notice_answer ask(const QString&, const QString&, mosuo::notice_buttons) override {
    return mosuo::notice_answer::ok;
  }
};

struct button_case {
  const char* name;
  const char* caption;
  std::string_view target;
  bool byte_list_source;  // text ① is a byte list of the corpus instead
  text (*command)(const text& source, const text& content);  // the core's part alone
};

constexpr button_case buttons[] = {
    {"按钮1删除空格", "空格", mosuo::result_field, false,
     [](const text& s, const text&) { return mosuo::delete_spaces(s); }},
    {"按钮2删除换行符", "换行符", mosuo::result_field, false,
     [](const text& s, const text&) { return mosuo::delete_line_breaks(s); }},
    {"按钮14清除TAB", "Tab", mosuo::result_field, false,
     [](const text& s, const text&) { return mosuo::delete_tab_line_breaks(s); }},
    {"按钮6删除指定", "删除指定", mosuo::result_field, false,
     [](const text& s, const text& c) { return mosuo::delete_content(s, c, false); }},
    {"按钮3删除重复字符", "重复字符", mosuo::result_field, false,
     [](const text& s, const text&) { return mosuo::delete_repeated_characters(s, false); }},
    {"按钮3删除重复行", "重复行", mosuo::result_field, false,
     [](const text& s, const text&) { return mosuo::delete_repeated_lines(s, false); }},
    {"按钮4转换字节集", "字节集", mosuo::result_field, false,
     [](const text& s, const text&) { return mosuo::to_byte_list(s); }},
    {"按钮8转换十六进制", "文本→十六进制", mosuo::result_field, false,
     [](const text& s, const text&) { return mosuo::to_hex_dump(s); }},
    {"按钮11", "字母大写", mosuo::content_field, false,
     [](const text& s, const text&) { return mosuo::to_upper_case(s); }},
    {"按钮10", "字母小写", mosuo::content_field, false,
     [](const text& s, const text&) { return mosuo::to_lower_case(s); }},
    {"按钮4转换文本", "字节集→文本", mosuo::result_field, true,
     [](const text& s, const text&) { return mosuo::from_byte_list(s); }},
    {"按钮14删除全部", "全部", mosuo::result_field, false,
     [](const text&, const text&) { return text(); }},
};

double seconds(const QElapsedTimer& timer) {
  return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void settle() {
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// Clicks as the user does and waits for the written field's first paint.
double click_and_paint(MainWindow& window, const char* button, std::string_view target) {
  auto* widget = qobject_cast<QWidget*>(window.control(button));
  const QPoint at = widget->mapTo(&window, widget->rect().center());
  QElapsedTimer timer;
  timer.start();
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);
  window.field(target)->viewport()->repaint();
  QApplication::sync();
  return seconds(timer);
}

// A byte list broken into lines after every 16th number, as one is pasted:
// the numbers skip the line breaks, and no line outgrows a field.
text in_lines(const text& byte_list) {
  text lines;
  lines.reserve(byte_list.size() + byte_list.size() / 32);
  int commas = 0;
  for (const char c : byte_list) {
    lines += c;
    if (c == ',' && ++commas % 16 == 0) lines += "\r\n";
  }
  return lines;
}

void measure(MainWindow& window, std::size_t megabytes, const QStringList& only) {
  const text& corpus = mosuo::bench::corpus(megabytes * mosuo::bench::megabyte);
  // A byte list about as long as the corpus, for "字节集→文本".
  const text byte_list = in_lines(mosuo::to_byte_list(mosuo::text_view(corpus).substr(0, corpus.size() / 4)));
  const text content = mosuo::bench::rare_sub_text;
  std::printf("\n== text ①: %zu MB of corpus (%zu bytes)\n", megabytes, corpus.size());
  std::printf("%-14s %8s | %7s %7s %7s %7s  %s\n", "button", "whole s", "read", "command", "write",
              "paint", "result bytes");
  for (const button_case& button : buttons) {
    if (!only.isEmpty() && !only.contains(QString::fromUtf8(button.caption))) continue;
    const text& source = button.byte_list_source ? byte_list : corpus;
    window.write(mosuo::source_field, source);
    window.write(mosuo::content_field, content);
    window.write(mosuo::result_field, {});
    window.field(mosuo::source_field)->mark_unchanged();
    settle();

    const double whole = click_and_paint(window, button.name, button.target);
    const std::size_t result_size = window.read(button.target).size();
    settle();

    // The same path step by step.
    QElapsedTimer timer;
    timer.start();
    const text read = window.read(mosuo::source_field);
    const double read_s = seconds(timer);
    timer.restart();
    const text result = button.command(read, content);
    const double command_s = seconds(timer);
    timer.restart();
    window.write(button.target, result);  // the field boundary, the limits and the layout
    const double write_s = seconds(timer);
    timer.restart();
    window.field(button.target)->viewport()->repaint();
    QApplication::sync();
    const double paint_s = seconds(timer);
    std::printf("%-14s %8.2f | %7.2f %7.2f %7.2f %7.2f  %zu\n", button.caption, whole, read_s,
                command_s, write_s, paint_s, result_size);
    std::fflush(stdout);
  }
  window.write(mosuo::source_field, {});
  window.write(mosuo::content_field, {});
  window.write(mosuo::result_field, {});
}

}  // namespace

namespace {

// Typing in text ① and clicking a button: the focus loss normalises first.
void measure_focus_loss(MainWindow& window, std::size_t megabytes) {
  window.write(mosuo::source_field, mosuo::bench::corpus(megabytes * mosuo::bench::megabyte));
  window.field(mosuo::source_field)->setFocus(Qt::OtherFocusReason);
  settle();
  QElapsedTimer timer;
  timer.start();
  window.field(mosuo::content_field)->setFocus(Qt::MouseFocusReason);
  const double first = seconds(timer);
  window.field(mosuo::source_field)->setFocus(Qt::OtherFocusReason);
  timer.restart();
  window.field(mosuo::content_field)->setFocus(Qt::MouseFocusReason);
  std::printf(
      "focus loss of text ① (%zu MB): %.2f s rewriting its full-width marks, %.3f s when "
      "unchanged\n",
      megabytes, first, seconds(timer));
  window.write(mosuo::source_field, {});
}

// The byte list and the hex dump of 1 MB: single lines of 3 to 4 MB.
void measure_long_lines(MainWindow& window) {
  const text corpus = mosuo::text(mosuo::text_view(mosuo::bench::corpus(mosuo::bench::megabyte)));
  std::string single_line = corpus;
  std::erase(single_line, '\r');
  std::erase(single_line, '\n');
  window.write(mosuo::source_field, single_line);
  std::printf("\n== 1 MB text ① as one line\n");
  for (const char* name : {"按钮4转换字节集", "按钮8转换十六进制"}) {
    window.write(mosuo::result_field, {});
    settle();
    const double shown = click_and_paint(window, name, mosuo::result_field);
    mosuo::TextField* result = window.field(mosuo::result_field);
    QScrollBar* bar = result->verticalScrollBar();
    QElapsedTimer timer;
    timer.start();
    constexpr int steps = 50;
    for (int i = 0; i < steps; ++i) {
      bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
      result->viewport()->repaint();
    }
    const double page = seconds(timer) / steps;
    timer.restart();
    bar->setValue(bar->maximum());
    result->viewport()->repaint();
    const double to_end = seconds(timer);
    std::printf("%-14s %zu bytes: shown in %.2f s, a page down %.1f ms, to the end %.1f ms\n", name,
                window.read(mosuo::result_field).size(), shown, page * 1000, to_end * 1000);
  }
  window.write(mosuo::source_field, {});
  window.write(mosuo::result_field, {});
}

// The values of --NAME=a,b,c; other benchmarks' flags pass by.
QStringList option(int argc, char* argv[], const std::string& name) {
  const std::string prefix = "--" + name + "=";
  QStringList values;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument.starts_with(prefix))
      values += QString::fromUtf8(argument.substr(prefix.size())).split(u',', Qt::SkipEmptyParts);
  }
  return values;
}

}  // namespace

int main(int argc, char* argv[]) {
  const char* display = std::getenv("DISPLAY");
  if ((display == nullptr || *display == 0) && std::getenv("MOSUO_BENCH_UNDER_XVFB") == nullptr) {
    setenv("MOSUO_BENCH_UNDER_XVFB", "1", 1);
    std::vector<char*> command{const_cast<char*>("xvfb-run"), const_cast<char*>("-a"),
                               const_cast<char*>("-s"),
                               const_cast<char*>("-screen 0 1280x1024x24")};
    for (int i = 0; i < argc; ++i) command.push_back(argv[i]);
    command.push_back(nullptr);
    execvp("xvfb-run", command.data());
    std::fprintf(stderr, "bench_window: no display and no xvfb-run; skipped\n");
    return 0;
  }
  std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each line as it comes, also into a pipe
  setenv("QT_QPA_PLATFORM", "xcb", 0);
  QApplication application(argc, argv);
  answer_ok notices;
  mosuo::dialog_file_chooser files;  // the menus are not measured
  MainWindow window(notices, files);
  window.show_at_start();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;
  std::printf(
      "platform %s; whole = click to the written field's first paint; then each step alone\n",
      qPrintable(QGuiApplication::platformName()));
  const QStringList only = option(argc, argv, "only");
  QStringList sizes = option(argc, argv, "sizes");
  if (sizes.isEmpty()) sizes = {u"10"_qs, u"100"_qs};
  if (only.isEmpty()) measure_long_lines(window);
  for (const QString& size : sizes) {
    measure(window, size.toULongLong(), only);
    if (only.isEmpty()) measure_focus_loss(window, size.toULongLong());
  }
  return 0;
}
