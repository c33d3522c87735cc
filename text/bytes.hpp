// Byte sequences, integers and the conversions between them and texts.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>

#include "text/text.hpp"

namespace mosuo {

byte_sequence text_to_bytes(text_view t);
position bytes_length(const byte_sequence& b);

// The bytes before the first zero byte, or all of them; no code page check,
// so a lead byte at the end stays.
text bytes_to_text(std::span<const std::uint8_t> bytes);
text bytes_to_text(std::string_view raw);

// Signed decimal of an integer; unsigned decimal (0 to 255) of a byte.
text int_to_text(std::int32_t n);
text int_to_text(std::uint8_t byte);

// Upper-case hexadecimal of the integer read as unsigned 32 bits, no leading
// zeros: 10 gives "A", -1 gives "FFFFFFFF".
text int_to_hex(std::int32_t n);

// The single byte a two-byte character folds to, or 0 when it stays.
unsigned char full_width_single_byte(unsigned char lead, unsigned char second);

// The white space skipped before a number: space, TAB, LF, VT, FF, CR.
constexpr bool is_number_blank(unsigned char c) {
  return c == ' ' || (c >= 0x09 && c <= 0x0D);
}

// The full-width forms of GBK (A3 A1 to A3 FE), the ideographic space, the
// full-width tilde and the two stars as their single-byte forms. A lead byte
// at the end is dropped.
text fold_full_width(text_view t);

// The decimal number at the start of the text, after white space, with an
// optional sign; full-width digits, signs and spaces read like ASCII ones.
// Arithmetic wraps modulo 2^32; a text without a number gives 0.
std::int32_t text_to_int(text_view t);

// Storing an integer into a byte keeps its low 8 bits.
constexpr std::uint8_t low_byte(std::int32_t n) {
  return static_cast<std::uint8_t>(n & 0xFF);
}

text text_concat(std::initializer_list<text_view> parts);
template <typename... Texts>
text text_concat(text_view first, text_view second, const Texts&... rest) {
  return text_concat({first, second, text_view(rest)...});
}

byte_sequence bytes_concat(std::initializer_list<std::span<const std::uint8_t>> parts);
template <typename... Sequences>
byte_sequence bytes_concat(const byte_sequence& first, const byte_sequence& second,
                           const Sequences&... rest) {
  return bytes_concat({first, second, rest...});
}

// Element check against an element count: index below 1 fails with code 4,
// above the count with code 1; a failure is fatal.
void element_check(position index, position count);

// The i-th byte, counting from 1, after the element check.
std::uint8_t bytes_get(const byte_sequence& b, position i);
void bytes_set(byte_sequence& b, position i, std::int32_t value);

}  // namespace mosuo
