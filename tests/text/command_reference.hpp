// Slow, obviously right references of the panel's commands: the rules read
// plainly, or the step-by-step loops over the primitives' references.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "reference.hpp"
#include "text/bytes.hpp"

namespace reference {

// Search from position 1, remove, search again, until nothing is found.
inline bytes repeated_deletion(std::string_view source, std::string_view sub, bool ignore_case) {
  bytes working(source);
  if (sub.empty()) return working;
  for (int64_t p = find(working, sub, 1, ignore_case); p != -1;
       p = find(working, sub, 1, ignore_case)) {
    working.erase(p - 1, sub.size());
  }
  return working;
}

// The characters of a text by character stepping.
inline std::vector<bytes> characters(std::string_view t) {
  std::vector<bytes> result;
  for (std::size_t i = 0; i < t.size();) {
    const std::size_t width = lead(t[i]) && i + 1 < t.size() ? 2 : 1;
    result.emplace_back(t.substr(i, width));
    i += width;
  }
  return result;
}

inline bool same_text(std::string_view a, std::string_view b, bool case_sensitive) {
  return a.size() == b.size() && same_at(a, 0, b, !case_sensitive);
}

// A character goes when an earlier character equals it; a lone lead byte at
// the end is a character that equals no double-byte one.
inline bytes repeated_characters(std::string_view source, bool case_sensitive) {
  const std::vector<bytes> chars = characters(source);
  bytes result;
  for (std::size_t i = 0; i < chars.size(); ++i) {
    bool repeated = false;
    for (std::size_t j = 0; j < i && !repeated; ++j) {
      repeated = same_text(chars[j], chars[i], case_sensitive);
    }
    if (!repeated) result += chars[i];
  }
  return result;
}

// A line whose text equals an earlier line's is emptied; line breaks stay.
inline bytes repeated_lines(std::string_view source, bool case_sensitive) {
  const std::vector<bytes> lines = split(source, "\r\n");
  bytes result, joined;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    bool repeated = false;
    for (std::size_t j = 0; j < i && !repeated; ++j) {
      repeated = same_text(lines[j], lines[i], case_sensitive);
    }
    const bytes separator = i + 1 < lines.size() ? "\r\n" : "";
    result += (repeated ? "" : lines[i]) + separator;
    joined += lines[i] + separator;
  }
  // the split drops a final line break, which the command keeps
  return joined == source ? result : result + "\r\n";
}

inline bytes byte_list(std::string_view source) {
  const mosuo::byte_sequence b = mosuo::text_to_bytes(source);
  bytes out = "{";
  for (mosuo::position i = 1; i <= mosuo::bytes_length(b); ++i) {
    out = mosuo::text_concat(out, mosuo::int_to_text(mosuo::bytes_get(b, i)));
    if (i != mosuo::bytes_length(b)) out = mosuo::text_concat(out, ",");
  }
  return mosuo::text_concat(out, "}");
}

inline bytes hex_dump(std::string_view source) {
  const mosuo::byte_sequence b = mosuo::text_to_bytes(source);
  bytes out;
  for (mosuo::position i = 1; i <= mosuo::bytes_length(b); ++i) {
    out = mosuo::text_concat(out, mosuo::int_to_hex(mosuo::bytes_get(b, i)));
    if (i != mosuo::bytes_length(b)) out = mosuo::text_concat(out, " ");
  }
  return out;
}

inline bytes from_byte_list(std::string_view source) {
  bytes t = replace_all(source, "{", "", 1, true);
  t = replace_all(t, "}", "", 1, true);
  const std::vector<bytes> parts = split(t, ",");
  mosuo::byte_sequence b;
  for (std::size_t k = 1; k <= parts.size(); ++k) {
    b = mosuo::bytes_concat(b, mosuo::byte_sequence{0});
    mosuo::bytes_set(b, static_cast<mosuo::position>(k), mosuo::text_to_int(parts[k - 1]));
  }
  return mosuo::bytes_to_text(b);
}

// Every letter pair the code page holds: ASCII, and the full-width Latin,
// Greek and Cyrillic rows.
inline bytes convert_case(std::string_view source, bool upper) {
  struct pair {
    bytes capital, small;
  };
  std::vector<pair> pairs;
  for (char c = 'A'; c <= 'Z'; ++c)
    pairs.push_back({bytes(1, c), bytes(1, static_cast<char>(c + 32))});
  auto row = [&](unsigned char lead, int first, int count, int offset) {
    for (int k = 0; k < count; ++k) {
      pairs.push_back({bytes{static_cast<char>(lead), static_cast<char>(first + k)},
                       bytes{static_cast<char>(lead), static_cast<char>(first + k + offset)}});
    }
  };
  row(0xA3, 0xC1, 26, 0x20);
  row(0xA6, 0xA1, 24, 0x20);
  row(0xA7, 0xA1, 33, 0x30);
  bytes out;
  for (const bytes& c : characters(source)) {
    bytes converted = c;
    for (const pair& p : pairs) {
      if (upper && c == p.small) converted = p.capital;
      if (!upper && c == p.capital) converted = p.small;
    }
    out += converted;
  }
  return out;
}

inline bytes normalise_full_width(std::string_view source) {
  bytes t = replace_all(source, "\xA3\xFB", "{", 1, true);
  t = replace_all(t, "\xA3\xFD", "}", 1, true);
  return replace_all(t, "\xA3\xAC", ",", 1, true);
}

}  // namespace reference
