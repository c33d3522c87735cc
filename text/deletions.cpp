#include <cstdint>
#include <cstring>  // memcpy
#include <vector>

#include "text/commands.hpp"
#include "text/primitives.hpp"
#include "text/scan.hpp"

namespace mosuo {
namespace {

// Removes the leftmost occurrence of `sub` and searches again from the start,
// until none is left, in one pass: the kept bytes form a stack that never
// holds an occurrence, so an occurrence ending at the top is the leftmost one
// of the whole working text, and removing it may let a new one form across
// the join, which the next bytes complete. Each kept byte remembers whether it
// starts a character, since that depends only on the bytes before it.
text repeated_deletion(text_view source, text_view sub, bool ignore_case) {
  if (sub.empty() || source.size() < sub.size()) return text(source);
  const scan::matcher pattern(sub, ignore_case);
  const std::size_t m = sub.size();
  text kept(source);  // bytes [0, top) are the stack; the rest is scratch
  std::vector<std::uint8_t> starts_character(source.size());  // bytes, not bits: faster
  std::size_t top = 0, state = 0;
  auto next_is_boundary = [&] {
    return top == 0 || !starts_character[top - 1] ||
           !is_lead_byte(static_cast<unsigned char>(kept[top - 1]));
  };
  // The machine's state after the stack: only the last m - 1 bytes matter.
  auto state_after_stack = [&] {
    std::size_t s = 0;
    for (std::size_t i = top >= m - 1 ? top - (m - 1) : 0; i < top; ++i) {
      s = pattern.step(s, pattern.canonical(static_cast<unsigned char>(kept[i]), starts_character[i]));
    }
    return s;
  };

  for (std::size_t read = 0; read < source.size();) {
    if (state == 0) {  // bytes that cannot start a match move over in bulk
      const std::size_t candidate = pattern.skip_to_candidate(source, read);
      if (top != read) std::memcpy(kept.data() + top, source.data() + read, candidate - read);
      for (bool boundary = next_is_boundary(); read < candidate; ++read, ++top) {
        starts_character[top] = boundary;
        boundary = !boundary || !is_lead_byte(static_cast<unsigned char>(kept[top]));
      }
      if (read == source.size()) break;
    }
    const auto byte = static_cast<unsigned char>(source[read++]);
    const bool boundary = next_is_boundary();
    kept[top] = static_cast<char>(byte);
    starts_character[top++] = boundary;
    state = pattern.step(state, pattern.canonical(byte, boundary));
    if (state == m) {
      if (starts_character[top - m]) {
        top -= m;
        state = state_after_stack();
      } else {
        state = pattern.after_match();
      }
    }
  }
  kept.resize(top);
  return kept;
}

}  // namespace

text delete_spaces(text_view source) { return text_remove_spaces(source); }

text delete_line_breaks(text_view source) { return repeated_deletion(source, "\r\n", false); }

text delete_tab_line_breaks(text_view source) { return repeated_deletion(source, "\t\r\n", false); }

text delete_content(text_view source, text_view content, bool case_sensitive) {
  return repeated_deletion(source, content, !case_sensitive);
}

}  // namespace mosuo
