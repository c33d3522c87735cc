#include "text/bytes.hpp"

#include <charconv>  // to_chars

#include "text/fatal.hpp"

namespace mosuo {

byte_sequence text_to_bytes(text_view t) {
  return byte_sequence(t.begin(), t.end());
}

position bytes_length(const byte_sequence& b) {
  return static_cast<position>(b.size());
}

text bytes_to_text(std::string_view raw) {
  return text(raw.substr(0, raw.find('\0')));
}

text bytes_to_text(std::span<const std::uint8_t> bytes) {
  return bytes_to_text(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

namespace {

template <typename Number>
text decimal(Number n, int base = 10) {
  char digits[16];
  const auto end = std::to_chars(digits, digits + sizeof digits, n, base).ptr;
  return text(digits, end);
}

}  // namespace

text int_to_text(std::int32_t n) {
  return decimal(n);
}
text int_to_text(std::uint8_t byte) {
  return decimal(static_cast<unsigned>(byte));
}

text int_to_hex(std::int32_t n) {
  text digits = decimal(static_cast<std::uint32_t>(n), 16);
  for (char& c : digits) c = static_cast<char>(c >= 'a' ? c - 'a' + 'A' : c);
  return digits;
}

unsigned char full_width_single_byte(unsigned char lead, unsigned char second) {
  if (lead == 0xA1) {
    switch (second) {
      case 0xA1:
        return ' ';  // ideographic space
      case 0xAB:
        return '~';  // full-width tilde
      case 0xEE:     // white star
      case 0xEF:
        return '*';  // black star
      default:
        return 0;
    }
  }
  if (lead == 0xA3 && second >= 0xA1 && second <= 0xFE) return second - 0x80;
  return 0;
}

text fold_full_width(text_view t) {
  text result;
  result.reserve(t.size());
  for (std::size_t i = 0; i < t.size(); ++i) {
    const auto c = static_cast<unsigned char>(t[i]);
    if (!is_lead_byte(c)) {
      result.push_back(t[i]);
    } else if (i + 1 < t.size()) {  // a lead byte at the end is dropped
      const auto second = static_cast<unsigned char>(t[++i]);
      if (const unsigned char single = full_width_single_byte(c, second)) {
        result.push_back(static_cast<char>(single));
      } else {
        result.append(t.substr(i - 1, 2));
      }
    }
  }
  return result;
}

std::int32_t text_to_int(text_view t) {
  const text u = fold_full_width(t);
  std::size_t i = 0;
  while (i < u.size() && is_number_blank(static_cast<unsigned char>(u[i]))) ++i;
  const bool negative = i < u.size() && u[i] == '-';
  if (i < u.size() && (u[i] == '-' || u[i] == '+')) ++i;
  std::uint32_t value = 0;  // unsigned, so the wrap-around is defined
  for (; i < u.size() && u[i] >= '0' && u[i] <= '9'; ++i) {
    value = value * 10 + static_cast<std::uint32_t>(u[i] - '0');
  }
  return static_cast<std::int32_t>(negative ? 0u - value : value);
}

text text_concat(std::initializer_list<text_view> parts) {
  std::size_t size = 0;
  for (text_view part : parts) size += part.size();
  text result;
  result.reserve(size);
  for (text_view part : parts) result.append(part);
  return result;
}

byte_sequence bytes_concat(std::initializer_list<std::span<const std::uint8_t>> parts) {
  std::size_t size = 0;
  for (auto part : parts) size += part.size();
  byte_sequence result;
  result.reserve(size);
  for (auto part : parts) result.insert(result.end(), part.begin(), part.end());
  return result;
}

void element_check(position index, position count) {
  if (index < 1) fatal(fatal_reason::element_index, index_below_one);
  if (index > count) fatal(fatal_reason::element_index, index_past_end);
}

std::uint8_t bytes_get(const byte_sequence& b, position i) {
  element_check(i, bytes_length(b));
  return b[static_cast<std::size_t>(i - 1)];
}

void bytes_set(byte_sequence& b, position i, std::int32_t value) {
  element_check(i, bytes_length(b));
  b[static_cast<std::size_t>(i - 1)] = low_byte(value);
}

}  // namespace mosuo
