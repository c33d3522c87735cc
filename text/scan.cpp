#include "text/scan.hpp"

#include <bit>      // std::countr_zero
#include <cstring>  // memchr

#include "text/words.hpp"

namespace mosuo::scan {
namespace {

using words::zero_bytes;

// Word-at-a-time scan for the first byte at which `hit` marks a zero byte.
template <typename Hit, typename ByteHit>
std::size_t scan_words(text_view text, std::size_t from, Hit hit, ByteHit byte_hit) {
  const char* p = text.data() + from;
  const char* end = text.data() + text.size();
  if constexpr (words::enabled) {
    for (; end - p >= 8; p += 8) {
      if (const std::uint64_t mask = hit(words::load(p))) {
        return static_cast<std::size_t>(p - text.data()) + std::countr_zero(mask) / 8;
      }
    }
  }
  for (; p < end; ++p) {
    if (byte_hit(static_cast<unsigned char>(*p))) break;
  }
  return static_cast<std::size_t>(p - text.data());
}

}  // namespace

std::size_t find_byte(text_view text, std::size_t from, unsigned char byte) {
  if (from >= text.size()) return text.size();
  const void* hit = std::memchr(text.data() + from, byte, text.size() - from);
  return hit ? static_cast<std::size_t>(static_cast<const char*>(hit) - text.data()) : text.size();
}

std::size_t find_either(text_view text, std::size_t from, unsigned char a, unsigned char b) {
  if (from >= text.size()) return text.size();
  const std::uint64_t wa = words::ones * a, wb = words::ones * b;
  return scan_words(
      text, from, [=](std::uint64_t w) { return zero_bytes(w ^ wa) | zero_bytes(w ^ wb); },
      [=](unsigned char c) { return c == a || c == b; });
}

matcher::matcher(text_view sub_text, bool ignore_case)
    : canonical_(sub_text), border_(sub_text.size() + 1, 0), ignore_case_(ignore_case) {
  // The sub-text's own stepping decides which of its bytes fold.
  for (std::size_t i = 0; i < canonical_.size(); ++i) {
    const auto byte = static_cast<unsigned char>(canonical_[i]);
    if (is_lead_byte(byte)) {
      ++i;  // a second byte never folds
    } else {
      canonical_[i] = static_cast<char>(canonical(byte, true));
    }
  }
  for (std::size_t k = 1, border = 0; k < canonical_.size(); ++k) {
    while (border > 0 && canonical_[k] != canonical_[border]) border = border_[border];
    if (canonical_[k] == canonical_[border]) ++border;
    border_[k + 1] = border;
  }
}

std::size_t matcher::step(std::size_t state, unsigned char canonical_byte) const {
  const char c = static_cast<char>(canonical_byte);
  while (state > 0 && canonical_[state] != c) state = border_[state];
  return canonical_[state] == c ? state + 1 : 0;
}

std::size_t matcher::skip_to_candidate(text_view text, std::size_t from) const {
  const auto first = static_cast<unsigned char>(canonical_[0]);
  if (ignore_case_ && first >= 'a' && first <= 'z') {
    return find_either(text, from, first, static_cast<unsigned char>(first - 0x20));
  }
  return find_byte(text, from, first);
}

template <bool IgnoreCase>
std::size_t matcher::find_impl(text_view text, std::size_t from) const {
  const std::size_t m = canonical_.size();
  boundary_tracker stream(text, from);  // decides which capitals fold
  boundary_tracker starts(text, from);  // decides whether a match starts a character
  std::size_t state = 0;
  for (std::size_t i = from; i < text.size();) {
    if (state == 0) {
      i = skip_to_candidate(text, i);
      if (i == text.size()) break;
    }
    auto byte = static_cast<unsigned char>(text[i]);
    if constexpr (IgnoreCase) {
      if (is_ascii_upper(byte) && stream.at(i)) byte = ascii_lower(byte);
    }
    state = step(state, byte);
    ++i;
    if (state == m) {
      if (starts.at(i - m)) return i - m;
      state = after_match();
    }
  }
  return not_found;
}

std::size_t matcher::find(text_view text, std::size_t from) const {
  if (from >= text.size() || text.size() - from < canonical_.size()) return not_found;
  return ignore_case_ ? find_impl<true>(text, from) : find_impl<false>(text, from);
}

}  // namespace mosuo::scan
