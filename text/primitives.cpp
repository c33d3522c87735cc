#include "text/primitives.hpp"

#include <algorithm>  // std::clamp

#include "text/blocks.hpp"
#include "text/scan.hpp"
#include "text/words.hpp"

namespace mosuo {
namespace {

constexpr unsigned char space = 0x20;
constexpr unsigned char full_width_space_byte = 0xA1;  // A1 A1

// A 1-based start position as a 0-based scan start; below 1 counts as 1.
std::size_t scan_start(position start) {
  return start <= 1 ? 0 : static_cast<std::size_t>(start - 1);
}

}  // namespace

position text_length(text_view t) {
  return static_cast<position>(t.size());
}

text text_middle(text_view t, position pos, position count) {
  const position n = text_length(t);
  const position p = pos - 1;
  if (p < 0 || p >= n || count <= 0) return {};
  return text(
      t.substr(static_cast<std::size_t>(p), static_cast<std::size_t>(std::min(count, n - p))));
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

namespace {

// Writes the bytes of a word whose bit in `drop` is clear; returns the end.
// Every byte is written and the output moves past the kept ones, so the
// loop has no branch that the text could make hard to predict.
char* keep_bytes(char* out, std::uint64_t word, unsigned drop) {
  const unsigned keep = ~drop;
  for (int k = 0; k < 8; ++k) {
    out[0] = static_cast<char>(word >> (8 * k));
    out += keep >> k & 1;
  }
  return out;
}

}  // namespace

text text_remove_spaces(text_view t) {
  text result(t.size(), '\0');
  char* out = result.data();
  const auto* p = reinterpret_cast<const unsigned char*>(t.data());
  const std::size_t n = t.size();
  std::size_t i = 0;
  bool second_byte = false, drop_first = false;
  // Whole blocks: the second bytes are known from the block's masks.
  if constexpr (words::enabled) {
    for (; n - i >= blocks::size; i += blocks::size) {
      const blocks::block b(t.data() + i);
      const blocks::characters c = blocks::step(b.high, second_byte);
      const std::uint64_t a1 = b.equal(full_width_space_byte);
      const std::uint64_t a1_after =
          (a1 >> 1) | (std::uint64_t{i + 64 < n && p[i + 64] == full_width_space_byte} << 63);
      const std::uint64_t full_width_leads = c.leads & a1 & a1_after;
      const std::uint64_t drop = (b.equal(space) & ~c.second_bytes) | full_width_leads |
                                 (full_width_leads << 1) | std::uint64_t{drop_first};
      for (int k = 0; k < 8; ++k)
        out = keep_bytes(out, b.word(k), static_cast<unsigned>(drop >> (8 * k)) & 0xFF);
      drop_first = (full_width_leads >> 63) != 0;
      second_byte = c.next_starts_with_second_byte;
    }
  }
  if (drop_first) ++i, second_byte = false;  // the second byte of a full-width space
  // The rest one byte a step, with no branch on the text: every byte is
  // written, and the output moves past the kept ones. A full-width space is
  // its lead byte kept, then taken back with its second byte.
  unsigned second = second_byte, after_a1_lead = 0;
  for (; i < n; ++i) {
    const unsigned c = p[i];
    const unsigned boundary = second ^ 1;
    const unsigned space_here = boundary & (c == space);
    const unsigned full_width = after_a1_lead & (c == full_width_space_byte);
    *out = static_cast<char>(c);
    out += 1 - static_cast<int>(space_here) - 2 * static_cast<int>(full_width);
    after_a1_lead = boundary & (c == full_width_space_byte);
    second = boundary & (c >> 7);  // a lone lead byte at the end stays
  }
  result.resize(static_cast<std::size_t>(out - result.data()));
  return result;
}

bool text_equal(text_view a, text_view b) {
  return a == b;
}

}  // namespace mosuo
