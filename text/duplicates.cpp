#include <functional>  // std::hash
#include <unordered_set>
#include <vector>

#include "text/commands.hpp"
#include "text/scan.hpp"

namespace mosuo {

// Keeps the first copy of every character. A double-byte character stays or
// goes whole; a lone lead byte at the end is a character of its own.
text delete_repeated_characters(text_view source, bool case_sensitive) {
  constexpr std::size_t single_bytes = 0x100, double_bytes = 0x80 * 0x100;
  std::vector<bool> seen(single_bytes + double_bytes);
  text result;
  for (std::size_t i = 0; i < source.size(); ++i) {
    const auto byte = static_cast<unsigned char>(source[i]);
    if (!is_lead_byte(byte)) {
      const unsigned char key = case_sensitive ? byte : ascii_lower(byte);
      if (!seen[key]) {
        seen[key] = true;
        result.push_back(static_cast<char>(byte));
      }
    } else if (i + 1 == source.size()) {
      result.push_back(static_cast<char>(byte));  // the only lone lead byte there can be
    } else {
      const auto second = static_cast<unsigned char>(source[++i]);
      const std::size_t key = single_bytes + (byte - 0x80) * 0x100 + second;
      if (!seen[key]) {
        seen[key] = true;
        result.append(source.substr(i - 1, 2));
      }
    }
  }
  return result;
}

namespace {

// A line and its hash under the comparison in force; lines start characters,
// so folding steps through each line from its first byte.
struct line {
  text_view bytes;
  std::size_t hash;
};

// Ignoring case, ASCII capitals standing as single-byte characters read as
// their small letters.
void fold_into(text_view bytes, text& out) {
  out.assign(bytes);
  for (std::size_t i = 0; i < out.size(); ++i) {
    const auto byte = static_cast<unsigned char>(out[i]);
    if (is_lead_byte(byte)) {
      ++i;
    } else {
      out[i] = static_cast<char>(ascii_lower(byte));
    }
  }
}

struct line_hash {
  std::size_t operator()(const line& l) const { return l.hash; }
};

struct line_equal {
  bool case_sensitive;
  bool operator()(const line& a, const line& b) const {
    if (a.bytes.size() != b.bytes.size()) return false;
    if (case_sensitive) return a.bytes == b.bytes;
    for (std::size_t i = 0; i < a.bytes.size(); ++i) {
      const auto x = static_cast<unsigned char>(a.bytes[i]), y = static_cast<unsigned char>(b.bytes[i]);
      if (is_lead_byte(x)) {  // a double-byte character compares exactly
        if (x != y || (i + 1 < a.bytes.size() && a.bytes[i + 1] != b.bytes[i + 1])) return false;
        ++i;
      } else if (ascii_lower(x) != ascii_lower(y)) {
        return false;
      }
    }
    return true;
  }
};

}  // namespace

// Empties every line that equals an earlier line, keeping its line break, so
// the line count stays. Lines are the pieces between CR LF pairs found at
// character boundaries; a final CR LF starts no line.
text delete_repeated_lines(text_view source, bool case_sensitive) {
  const scan::matcher line_break("\r\n", false);
  std::unordered_set<line, line_hash, line_equal> earlier(0, line_hash{}, line_equal{case_sensitive});
  text result, folded;
  result.reserve(source.size());
  auto keep_if_new = [&](text_view bytes) {
    if (!case_sensitive) fold_into(bytes, folded);
    const std::size_t hash = std::hash<text_view>{}(case_sensitive ? bytes : text_view(folded));
    if (earlier.insert(line{bytes, hash}).second) result.append(bytes);
  };
  std::size_t line_start = 0;
  for (std::size_t hit = line_break.find(source, 0); hit != scan::not_found;
       hit = line_break.find(source, line_start)) {
    keep_if_new(source.substr(line_start, hit - line_start));
    result.append("\r\n");
    line_start = hit + 2;
  }
  if (line_start < source.size()) keep_if_new(source.substr(line_start));
  return result;
}

}  // namespace mosuo
