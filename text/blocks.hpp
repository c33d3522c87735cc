// Sixty-four bytes at a time: masks with one bit a byte (bit i for byte i),
// and which bytes of a block are second bytes of double-byte characters,
// found without stepping byte by byte.
#pragma once

#include <array>
#include <cstdint>

#include "text/words.hpp"

#if defined(__SSE2__)
#include <emmintrin.h>  // SSE2: sixteen byte comparisons at once
#endif

namespace mosuo::blocks {

constexpr std::size_t size = 64;
constexpr std::uint64_t even_bits = 0x5555555555555555;
constexpr std::uint64_t odd_bits = 0xAAAAAAAAAAAAAAAA;

// One bit for each byte of a word whose high bit is set, byte k to bit k.
constexpr std::uint64_t gather(std::uint64_t high_bits) {
  return ((high_bits >> 7) * 0x0102040810204080) >> 56;
}

// Exactly the bytes of `word` equal to `byte`, as high bits.
constexpr std::uint64_t equal_bytes(std::uint64_t word, unsigned char byte) {
  constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7F;
  const std::uint64_t x = word ^ (words::ones * byte);
  return ~(((x & low7) + low7) | x) & words::highs;
}

// A block of bytes and its masks: which bytes are high, which equal a byte.
// With SSE2 (every x86-64) sixteen bytes go in one instruction; elsewhere
// eight at a time in a word.
struct block {
  const char* bytes;
  std::uint64_t high = 0;

#if defined(__SSE2__)
  __m128i parts[4];

  explicit block(const char* p) : bytes(p) {
    for (int k = 0; k < 4; ++k) {
      parts[k] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
      high |= static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(parts[k])))
              << (16 * k);
    }
  }
  std::uint64_t equal(unsigned char byte) const {
    const __m128i wanted = _mm_set1_epi8(static_cast<char>(byte));
    std::uint64_t mask = 0;
    for (int k = 0; k < 4; ++k) {
      const int bits = _mm_movemask_epi8(_mm_cmpeq_epi8(parts[k], wanted));
      mask |= static_cast<std::uint64_t>(static_cast<std::uint16_t>(bits)) << (16 * k);
    }
    return mask;
  }
#else
  explicit block(const char* p) : bytes(p) {
    for (int k = 0; k < 8; ++k) high |= gather(words::load(p + 8 * k) & words::highs) << (8 * k);
  }
  std::uint64_t equal(unsigned char byte) const {
    std::uint64_t mask = 0;
    for (int k = 0; k < 8; ++k)
      mask |= gather(equal_bytes(words::load(bytes + 8 * k), byte)) << (8 * k);
    return mask;
  }
#endif

  std::uint64_t word(int k) const {
    return words::load(bytes + 8 * k);
  }
};

// The bits of the runs of `bits` that begin at a bit of `starts`: adding a
// run's first bit carries through the run and clears it.
constexpr std::uint64_t runs_from(std::uint64_t bits, std::uint64_t starts) {
  return bits & ~(bits + starts);
}

// Lead bytes and second bytes of a block, given its high bytes and whether
// its first byte is the second byte of a character begun before it. In a run
// of high bytes the bytes at even distance from the run's start lead; the
// byte after each lead is its second byte.
struct characters {
  std::uint64_t leads, second_bytes;
  bool next_starts_with_second_byte;
};

constexpr characters step(std::uint64_t high, bool first_is_second_byte) {
  const std::uint64_t candidates = high & ~std::uint64_t{first_is_second_byte};
  const std::uint64_t starts = candidates & ~(candidates << 1);
  const std::uint64_t leads = (runs_from(candidates, starts & even_bits) & even_bits) |
                              (runs_from(candidates, starts & odd_bits) & odd_bits);
  return {leads, (leads << 1) | std::uint64_t{first_is_second_byte}, (leads >> 63) != 0};
}

// Eight mask bits as eight bytes of 0x01 or 0x00, byte k from bit k.
inline constexpr std::array<std::uint64_t, 256> spread_bits = [] {
  std::array<std::uint64_t, 256> table{};
  for (unsigned bits = 0; bits < 256; ++bits) {
    for (unsigned k = 0; k < 8; ++k) {
      if (bits >> k & 1) table[bits] |= std::uint64_t{1} << (8 * k);
    }
  }
  return table;
}();

}  // namespace mosuo::blocks
