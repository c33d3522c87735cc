// The two value types of the core and the character-stepping rule they share.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mosuo {

// A text value: GBK (code page 936) bytes, never a zero byte. Lengths and
// positions count bytes; positions are 1-based. Positions are 64-bit so that a
// text of any size can be addressed; within 32 bits they clamp exactly as the
// program's rules say.
using text = std::string;
using text_view = std::string_view;
using text_list = std::vector<text>;
using position = std::int64_t;

// A byte sequence: a counted run of bytes that may hold zero bytes.
using byte_sequence = std::vector<std::uint8_t>;

// Character stepping: any byte >= 0x80 met at a character boundary is a lead
// byte and takes the byte after it with it, whatever that byte is. No code
// page table is consulted.
constexpr bool is_lead_byte(unsigned char byte) {
  return byte >= 0x80;
}

// The ignore-case comparison folds only the ASCII capitals, and only where they
// stand as single-byte characters.
constexpr bool is_ascii_upper(unsigned char byte) {
  return byte >= 'A' && byte <= 'Z';
}
constexpr unsigned char ascii_lower(unsigned char byte) {
  return is_ascii_upper(byte) ? static_cast<unsigned char>(byte + 0x20) : byte;
}

}  // namespace mosuo
