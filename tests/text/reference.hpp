// Slow, obviously right references of the scanning primitives: each is the
// rule written out step by step, one character at a time. The fast routines
// of the core are checked against them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace reference {

using bytes = std::string;
using std::int64_t;

inline bool lead(char c) {
  return static_cast<unsigned char>(c) >= 0x80;
}
inline char lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 0x20) : c;
}

// The ignore-case comparison steps through the sub-text by characters: a
// single-byte character folds, both bytes of a double-byte one compare exactly.
inline bool same_at(std::string_view t, int64_t at, std::string_view sub, bool ignore_case) {
  for (std::size_t k = 0; k < sub.size(); ++k) {
    const char a = t[at + k], b = sub[k];
    if (lead(b)) {
      if (a != b) return false;
      if (k + 1 < sub.size() && t[at + k + 1] != sub[k + 1]) return false;
      ++k;
    } else if (ignore_case ? lower(a) != lower(b) : a != b) {
      return false;
    }
  }
  return true;
}

inline int64_t start_index(int64_t start) {
  return start - 1 < 0 ? 0 : start - 1;
}

inline int64_t find(std::string_view t, std::string_view sub, int64_t start, bool ignore_case) {
  const int64_t n = t.size(), m = sub.size(), s = start_index(start);
  if (s >= n) return -1;
  if (m == 0) return 1;
  for (int64_t b = s; n - b >= m;) {
    if (same_at(t, b, sub, ignore_case)) return b + 1;
    if (!lead(t[b])) {
      b += 1;
    } else if (b == n - 1) {
      return -1;  // a lone lead byte ends the search
    } else {
      b += 2;
    }
  }
  return -1;
}

inline bytes replace_all(std::string_view t, std::string_view sub, std::string_view replacement,
                         int64_t start, bool case_sensitive) {
  const int64_t n = t.size(), m = sub.size(), s = start_index(start);
  if (n == 0 || m == 0 || s >= n) return bytes(t);
  bytes result(t.substr(0, s));
  int64_t b = s;
  while (n - b >= m) {
    if (same_at(t, b, sub, !case_sensitive)) {
      result += replacement;
      b += m;
    } else {
      const int64_t width = lead(t[b]) && b + 1 < n ? 2 : 1;  // a lone lead byte is kept
      result += t.substr(b, width);
      b += width;
    }
  }
  result += t.substr(b);
  return result;
}

inline std::vector<bytes> split(std::string_view t, std::string_view delimiter) {
  if (t.empty()) return {};
  if (delimiter.empty()) return {bytes(t)};
  const int64_t n = t.size(), m = delimiter.size();
  std::vector<bytes> pieces;
  int64_t piece_start = 0;
  for (int64_t b = 0; n - b >= m;) {
    if (t.substr(b, m) == delimiter) {
      pieces.emplace_back(t.substr(piece_start, b - piece_start));
      b = piece_start = b + m;
    } else if (!lead(t[b])) {
      b += 1;
    } else if (b == n - 1) {
      break;
    } else {
      b += 2;
    }
  }
  if (piece_start < n) pieces.emplace_back(t.substr(piece_start));
  return pieces;
}

inline bytes remove_spaces(std::string_view t) {
  bytes result;
  for (std::size_t b = 0; b < t.size();) {
    if (t[b] == ' ') {
      b += 1;
    } else if (!lead(t[b]) || b + 1 == t.size()) {
      result += t[b++];  // a lone lead byte at the end is kept
    } else {
      if (t.substr(b, 2) != "\xA1\xA1") result += t.substr(b, 2);
      b += 2;
    }
  }
  return result;
}

}  // namespace reference
