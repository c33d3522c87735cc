#include "app/wrap_policy.hpp"

#include <algorithm>

namespace mosuo {
namespace {

// A line may break beside white space and beside any CJK character (ideographs,
// kana, Hangul, full-width forms); surrogates and private-use characters are
// not among them.
bool offers_break(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\u2028' || c == u'\u2029' || c == u'\u3000' ||
         (c >= 0x2E80 && c < 0xD800) || (c >= 0xF900 && c <= 0xFFEF);
}

}  // namespace

qsizetype longest_unbreakable_run(QStringView shown) {
  qsizetype longest = 0;
  qsizetype run = 0;
  for (const QChar c : shown) {
    run = offers_break(c.unicode()) ? 0 : run + 1;
    longest = std::max(longest, run);
  }
  return longest;
}

qsizetype longest_line(QStringView shown) {
  qsizetype longest = 0;
  qsizetype line = 0;
  for (const QChar c : shown) {
    const bool breaks = c == u'\u2029' || c == u'\n' || c == u'\r';  // each starts a new block
    line = breaks ? 0 : line + 1;
    longest = std::max(longest, line);
  }
  return longest;
}

QTextOption::WrapMode wrap_mode_for(QStringView shown) {
  return longest_unbreakable_run(shown) > longest_cheap_run
             ? QTextOption::WrapAnywhere
             : QTextOption::WrapAtWordBoundaryOrAnywhere;
}

}  // namespace mosuo
