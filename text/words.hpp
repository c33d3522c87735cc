// Eight bytes at a time: the word-level tests the fast paths use. Each mask
// has the high bit set in the bytes that pass.
#pragma once

#include <bit>  // std::endian
#include <cstdint>
#include <cstring>  // memcpy

namespace mosuo::words {

constexpr std::uint64_t ones = 0x0101010101010101;
constexpr std::uint64_t highs = 0x8080808080808080;

// Word-at-a-time fast paths assume little-endian byte order; elsewhere the
// byte loops alone run.
constexpr bool enabled = std::endian::native == std::endian::little;

inline std::uint64_t load(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, 8);
  return word;
}
inline void store(char* p, std::uint64_t word) {
  std::memcpy(p, &word, 8);
}

// Zero bytes of `word`; exact up to the first zero byte.
constexpr std::uint64_t zero_bytes(std::uint64_t word) {
  return (word - ones) & ~word & highs;
}

// For a word of bytes below 0x80: the bytes from `low` to `high`.
constexpr std::uint64_t in_range(std::uint64_t word, unsigned char low, unsigned char high) {
  return (word + ones * (0x80 - low)) & ~(word + ones * (0x7F - high)) & highs;
}

}  // namespace mosuo::words
