#include <algorithm>  // std::copy
#include <array>
#include <bit>  // std::countr_zero
#include <cstdint>
#include <cstring>  // memcpy

#include "text/blocks.hpp"
#include "text/bytes.hpp"
#include "text/commands.hpp"
#include "text/scan.hpp"
#include "text/words.hpp"

namespace mosuo {
namespace {

// The written form of each byte value followed by its separator, at most
// four characters, so that one four-byte store writes it.
struct byte_form {
  char chars[4];
  std::uint8_t size;  // with the separator
};

template <char Separator>
constexpr std::array<byte_form, 256> decimal_forms = [] {
  std::array<byte_form, 256> forms{};
  for (int v = 0; v < 256; ++v) {
    byte_form& f = forms[v];
    if (v >= 100) f.chars[f.size++] = static_cast<char>('0' + v / 100);
    if (v >= 10) f.chars[f.size++] = static_cast<char>('0' + v / 10 % 10);
    f.chars[f.size++] = static_cast<char>('0' + v % 10);
    f.chars[f.size++] = Separator;
  }
  return forms;
}();

template <char Separator>
constexpr std::array<byte_form, 256> hex_forms = [] {
  constexpr char digits[] = "0123456789ABCDEF";
  std::array<byte_form, 256> forms{};
  for (int v = 0; v < 256; ++v) {
    byte_form& f = forms[v];
    if (v >= 16) f.chars[f.size++] = digits[v / 16];  // no leading zero
    f.chars[f.size++] = digits[v % 16];
    f.chars[f.size++] = Separator;
  }
  return forms;
}();

// Each byte's form, separated, with no separator after the last one.
text join_forms(text_view source, const std::array<byte_form, 256>& forms, text_view before = {},
                text_view after = {}) {
  // four bytes of room a byte: each store writes four, the next overwriting
  // what lies past the form
  text out(before.size() + source.size() * 4 + after.size() + 1, '\0');
  char* p = std::copy(before.begin(), before.end(), out.data());
  for (const char byte : source) {
    const byte_form& f = forms[static_cast<unsigned char>(byte)];
    std::memcpy(p, f.chars, sizeof f.chars);
    p += f.size;
  }
  if (!source.empty()) --p;  // no separator after the last form
  p = std::copy(after.begin(), after.end(), p);
  out.resize(static_cast<std::size_t>(p - out.data()));
  return out;
}

}  // namespace

text to_byte_list(text_view source) {
  return join_forms(source, decimal_forms<','>, "{", "}");
}

text to_hex_dump(text_view source) {
  return join_forms(source, hex_forms<' '>);
}

namespace {

// Reads one piece of a byte list as the leading decimal number of its
// full-width-folded text: blanks, an optional sign, digits, wrapping modulo
// 2^32. Fed one folded character at a time.
class number_reader {
 public:
  void feed(unsigned char c) {
    switch (phase_) {
      case phase::blanks:
        if (is_number_blank(c)) return;
        if (c == '+' || c == '-') {
          negative_ = c == '-';
          phase_ = phase::digits;
          return;
        }
        [[fallthrough]];
      case phase::digits:
        if (c >= '0' && c <= '9') {
          value_ = value_ * 10 + (c - '0');
          phase_ = phase::digits;
        } else {
          phase_ = phase::done;
        }
        return;
      case phase::done:
        return;
    }
  }
  // The common case first: a digit, where one may stand.
  void feed_digit(unsigned digit) {
    if (phase_ == phase::done) return;
    value_ = value_ * 10 + digit;
    phase_ = phase::digits;
  }
  void feed_other_character() { phase_ = phase::done; }
  std::uint8_t byte() const { return static_cast<std::uint8_t>(negative_ ? 0u - value_ : value_); }

 private:
  enum class phase { blanks, digits, done };
  phase phase_ = phase::blanks;
  bool negative_ = false;
  std::uint32_t value_ = 0;
};

}  // namespace

// Every brace anywhere goes; the rest splits at commas into pieces, each the
// byte of its leading number; the text ends at the first zero byte. One pass:
// removing braces and splitting at commas keep every other character where
// character stepping found it.
text from_byte_list(text_view source) {
  text out;
  out.reserve(source.size() / 2 + 1);  // each byte needs a digit and a comma but the last
  number_reader piece;
  bool piece_open = false;  // bytes after the last comma, braces aside
  for (std::size_t i = 0; i < source.size(); ++i) {
    const auto c = static_cast<unsigned char>(source[i]);
    if (static_cast<unsigned>(c - '0') < 10) {
      piece.feed_digit(c - '0');
      piece_open = true;
      continue;
    }
    if (c == '{' || c == '}') continue;
    if (c == ',') {
      if (piece.byte() == 0) return out;
      out.push_back(static_cast<char>(piece.byte()));
      piece = {};
      piece_open = false;
      continue;
    }
    piece_open = true;
    if (!is_lead_byte(c)) {
      piece.feed(c);
    } else if (i + 1 < source.size()) {
      const unsigned char single =
          full_width_single_byte(c, static_cast<unsigned char>(source[++i]));
      single ? piece.feed(single) : piece.feed_other_character();
    }  // a lead byte at the end folds to nothing
  }
  if (piece_open && piece.byte() != 0) out.push_back(static_cast<char>(piece.byte()));
  return out;
}

namespace {

// The rows of GBK that hold letter pairs: capitals from `first` to `last`,
// each small letter `offset` above its capital.
struct letter_row {
  unsigned char lead, first, last, offset;
};
constexpr letter_row letter_rows[] = {
    {0xA3, 0xC1, 0xDA, 0x20},  // full-width Latin
    {0xA6, 0xA1, 0xB8, 0x20},  // Greek
    {0xA7, 0xA1, 0xC1, 0x30},  // Cyrillic
};
constexpr std::size_t row_count = std::size(letter_rows) + 1;  // row 0: no letters

// For a lead byte, its letter row (1 to 3), or 0.
constexpr std::array<std::uint8_t, 256> row_of_lead = [] {
  std::array<std::uint8_t, 256> rows{};
  for (std::size_t r = 0; r < std::size(letter_rows); ++r)
    rows[letter_rows[r].lead] = static_cast<std::uint8_t>(r + 1);
  return rows;
}();

// For a letter row and a second byte, what to add to the second byte.
template <bool Upper>
constexpr std::array<std::array<std::uint8_t, 256>, row_count> second_byte_change = [] {
  std::array<std::array<std::uint8_t, 256>, row_count> change{};
  for (std::size_t r = 0; r < std::size(letter_rows); ++r) {
    const letter_row& row = letter_rows[r];
    for (int capital = row.first; capital <= row.last; ++capital) {
      if (Upper) {
        change[r + 1][capital + row.offset] = static_cast<std::uint8_t>(-row.offset);
      } else {
        change[r + 1][capital] = row.offset;
      }
    }
  }
  return change;
}();

// Whole blocks first: the block's masks tell which bytes are second bytes,
// so the ASCII letters of eight bytes change at once, and only the rare lead
// bytes of the letter rows are visited one by one.
template <bool Upper>
std::size_t convert_blocks(char* p, std::size_t n, bool& second_byte) {
  constexpr unsigned char from_low = Upper ? 'a' : 'A', from_high = Upper ? 'z' : 'Z';
  constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7F;
  const auto& change = second_byte_change<Upper>;
  std::size_t i = 0;
  for (; n - i >= blocks::size; i += blocks::size) {
    const blocks::block b(p + i);
    const blocks::characters c = blocks::step(b.high, second_byte);
    std::uint64_t row_leads = c.leads & (b.equal(0xA3) | b.equal(0xA6) | b.equal(0xA7));
    for (int k = 0; k < 8; ++k) {
      const std::uint64_t word = b.word(k);
      const std::uint64_t second_bytes =
          blocks::spread_bits[(c.second_bytes >> (8 * k)) & 0xFF] * 0x80;
      const std::uint64_t letters = words::in_range(word & low7, from_low, from_high) &
                                    ~(word & words::highs) & ~second_bytes;
      words::store(p + i + 8 * k, word ^ (letters >> 2));  // 0x80 >> 2 = 0x20
    }
    for (; row_leads != 0; row_leads &= row_leads - 1) {
      const std::size_t lead = i + static_cast<std::size_t>(std::countr_zero(row_leads));
      if (lead + 1 == n) continue;  // a lone lead byte
      const auto second = static_cast<unsigned char>(p[lead + 1]);
      p[lead + 1] = static_cast<char>(
          second + change[row_of_lead[static_cast<unsigned char>(p[lead])]][second]);
    }
    second_byte = c.next_starts_with_second_byte;
  }
  return i;
}

template <bool Upper>
text convert_case(text_view source) {
  constexpr unsigned from_low = Upper ? 'a' : 'A';
  const auto& change = second_byte_change<Upper>;
  text out(source);
  char* const p = out.data();
  const std::size_t n = out.size();
  bool second_block_byte = false;
  std::size_t i = words::enabled ? convert_blocks<Upper>(p, n, second_block_byte) : 0;
  // The rest with no branch on the text, whose bytes are too mixed to
  // predict: each byte gets its change from the character it belongs to.
  unsigned second_byte = second_block_byte;
  unsigned previous = i > 0 ? static_cast<unsigned char>(source[i - 1]) : 0;
  for (; i < n; ++i) {
    const unsigned c = static_cast<unsigned char>(p[i]);
    const unsigned boundary = second_byte ^ 1;
    const unsigned letter = boundary & (c - from_low < 26);
    const unsigned row_change = second_byte * change[row_of_lead[previous]][c];
    p[i] = static_cast<char>((c ^ (letter << 5)) + row_change);
    previous = c;
    second_byte = boundary & (c >> 7);
  }
  return out;
}

}  // namespace

text to_upper_case(text_view source) {
  return convert_case<true>(source);
}
text to_lower_case(text_view source) {
  return convert_case<false>(source);
}

// One pass does what replacing each of the three characters in turn does: a
// two-byte character becoming one byte leaves every later boundary in place.
text normalise_full_width(text_view source) {
  text out;
  out.reserve(source.size());
  scan::boundary_tracker boundaries(source, 0);
  std::size_t copied = 0;
  for (std::size_t pos = 0;;) {
    const std::size_t c = scan::find_byte(source, pos, 0xA3);
    if (c + 1 >= source.size()) break;
    if (!boundaries.at(c)) {
      pos = c + 1;
      continue;
    }
    pos = c + 2;
    boundaries.restart_at(pos);
    char ascii = 0;
    switch (static_cast<unsigned char>(source[c + 1])) {
      case 0xFB:
        ascii = '{';
        break;
      case 0xFD:
        ascii = '}';
        break;
      case 0xAC:
        ascii = ',';
        break;
      default:
        continue;
    }
    out.append(source.substr(copied, c - copied));
    out.push_back(ascii);
    copied = pos;
  }
  out.append(source.substr(copied));
  return out;
}

}  // namespace mosuo
