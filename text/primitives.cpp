#include "text/primitives.hpp"

#include <algorithm>  // std::clamp

#include "text/scan.hpp"

namespace mosuo {
namespace {

constexpr unsigned char space = 0x20;
constexpr unsigned char full_width_space_byte = 0xA1;  // A1 A1

// A 1-based start position as a 0-based scan start; below 1 counts as 1.
std::size_t scan_start(position start) {
  return start <= 1 ? 0 : static_cast<std::size_t>(start - 1);
}

}  // namespace

position text_length(text_view t) { return static_cast<position>(t.size()); }

text text_middle(text_view t, position pos, position count) {
  const position n = text_length(t);
  const position p = pos - 1;
  if (p < 0 || p >= n || count <= 0) return {};
  return text(t.substr(static_cast<std::size_t>(p), static_cast<std::size_t>(std::min(count, n - p))));
}

position text_find(text_view t, text_view sub, position start, bool ignore_case) {
  const std::size_t s = scan_start(start);
  if (s >= t.size()) return -1;
  if (sub.empty()) return 1;
  const std::size_t hit = scan::matcher(sub, ignore_case).find(t, s);
  return hit == scan::not_found ? -1 : static_cast<position>(hit) + 1;
}

text text_replace_range(text_view t, position pos, position count, text_view replacement) {
  const position n = text_length(t);
  const position p = std::clamp<position>(pos - 1, 0, n);
  const position k = std::clamp<position>(count, 0, n - p);
  text result;
  result.reserve(static_cast<std::size_t>(n - k) + replacement.size());
  result.append(t.substr(0, static_cast<std::size_t>(p)));
  result.append(replacement);
  result.append(t.substr(static_cast<std::size_t>(p + k)));
  return result;
}

text text_replace_all(text_view t, text_view sub, text_view replacement, position start,
                      bool case_sensitive) {
  const std::size_t s = scan_start(start);
  if (t.empty() || sub.empty() || s >= t.size()) return text(t);
  const scan::matcher sub_text(sub, !case_sensitive);
  text result;
  result.reserve(t.size());
  std::size_t copied = 0;
  for (std::size_t hit = sub_text.find(t, s); hit != scan::not_found;
       hit = sub_text.find(t, copied)) {
    result.append(t.substr(copied, hit - copied));
    result.append(replacement);
    copied = hit + sub.size();
  }
  result.append(t.substr(copied));
  return result;
}

text_list text_split(text_view t, text_view delimiter) {
  if (t.empty()) return {};
  if (delimiter.empty()) return {text(t)};
  const scan::matcher delimiters(delimiter, false);
  text_list pieces;
  std::size_t piece_start = 0;
  for (std::size_t hit = delimiters.find(t, 0); hit != scan::not_found;
       hit = delimiters.find(t, piece_start)) {
    pieces.emplace_back(t.substr(piece_start, hit - piece_start));
    piece_start = hit + delimiter.size();
  }
  if (piece_start < t.size()) pieces.emplace_back(t.substr(piece_start));
  return pieces;
}

text text_remove_spaces(text_view t) {
  text result(t.size(), '\0');
  char* out = result.data();
  // One byte a step and no branch on the text, whose bytes are too mixed to
  // predict: every byte is written, and the output moves past the kept ones.
  // A full-width space is its lead byte kept, then taken back with its second.
  unsigned second_byte = 0, after_a1_lead = 0;
  for (const char byte : t) {
    const unsigned c = static_cast<unsigned char>(byte);
    const unsigned boundary = second_byte ^ 1;
    const unsigned space_here = boundary & (c == space);
    const unsigned full_width = after_a1_lead & (c == full_width_space_byte);
    *out = byte;
    out += 1 - static_cast<int>(space_here) - 2 * static_cast<int>(full_width);
    after_a1_lead = boundary & (c == full_width_space_byte);
    second_byte = boundary & (c >> 7);  // a lone lead byte at the end stays
  }
  result.resize(static_cast<std::size_t>(out - result.data()));
  return result;
}

bool text_equal(text_view a, text_view b) { return a == b; }

}  // namespace mosuo
