#include <cstdint>
#include <cstring>  // memcpy
#include <vector>

#include "text/blocks.hpp"
#include "text/commands.hpp"
#include "text/primitives.hpp"
#include "text/scan.hpp"
#include "text/words.hpp"

namespace mosuo {
namespace {

// Marks which of `length` bytes start a character, the first starting one if
// `boundary`. Whole blocks are read where `room` bytes allow, and up to a
// block of marks past `length` may be written.
void mark_characters(const char* bytes, std::size_t length, std::size_t room, bool boundary,
                     std::uint8_t* marks) {
  std::size_t i = 0;
  if constexpr (words::enabled) {
    for (; i < length && room - i >= blocks::size; i += blocks::size) {
      const blocks::characters c = blocks::step(blocks::block(bytes + i).high, !boundary);
      for (int k = 0; k < 8; ++k) {
        words::store(reinterpret_cast<char*>(marks + i + 8 * k),
                     blocks::spread_bits[~(c.second_bytes >> (8 * k)) & 0xFF]);
      }
      boundary = !c.next_starts_with_second_byte;
    }
  }
  for (; i < length; ++i) {
    marks[i] = boundary;
    boundary = !boundary || !is_lead_byte(static_cast<unsigned char>(bytes[i]));
  }
}

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
      s = pattern.step(s,
                       pattern.canonical(static_cast<unsigned char>(kept[i]), starts_character[i]));
    }
    return s;
  };

  for (std::size_t read = 0; read < source.size();) {
    if (state == 0) {  // bytes that cannot start a match move over in bulk
      const std::size_t candidate = pattern.skip_to_candidate(source, read);
      if (top != read) std::memcpy(kept.data() + top, source.data() + read, candidate - read);
      mark_characters(source.data() + read, candidate - read, source.size() - read,
                      next_is_boundary(), starts_character.data() + top);
      top += candidate - read;
      read = candidate;
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

text delete_spaces(text_view source) {
  return text_remove_spaces(source);
}

text delete_line_breaks(text_view source) {
  return repeated_deletion(source, "\r\n", false);
}

text delete_tab_line_breaks(text_view source) {
  return repeated_deletion(source, "\t\r\n", false);
}

text delete_content(text_view source, text_view content, bool case_sensitive) {
  return repeated_deletion(source, content, !case_sensitive);
}

}  // namespace mosuo
