#include <algorithm>   // std::count, std::max
#include <bit>         // std::bit_ceil
#include <functional>  // std::hash
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
  result.reserve(
      std::min(source.size(), single_bytes + 2 * double_bytes));  // every character once at most
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

// Ignoring case, ASCII capitals standing as single-byte characters read as
// their small letters. Lines start characters, so each steps from its start.
// No branch on the bytes, which are too mixed to predict.
void fold_into(text_view bytes, text& out) {
  out.assign(bytes);
  unsigned second_byte = 0;
  for (char& byte : out) {
    const unsigned c = static_cast<unsigned char>(byte);
    const unsigned boundary = second_byte ^ 1;
    byte = static_cast<char>(c | ((boundary & (c - 'A' < 26)) << 5));
    second_byte = boundary & (c >> 7);
  }
}

// The lines seen so far, as places in the source, in an open-addressing
// table: one probe is one cache line, where a node-based set chases pointers.
class line_set {
 public:
  // Room for `expected` lines without growing; a slot is 24 bytes and the
  // table at most half full, so at most 96 bytes a line.
  line_set(text_view source, bool case_sensitive, std::size_t expected)
      : source_(source),
        case_sensitive_(case_sensitive),
        slots_(std::bit_ceil(2 * expected + 64)) {}

  std::size_t hash(std::size_t start, std::size_t length) {
    const text_view line = source_.substr(start, length);
    if (!case_sensitive_) fold_into(line, folded_);
    return std::hash<text_view>{}(case_sensitive_ ? line : text_view(folded_)) |
           1;  // 0 marks empty slots
  }

  // The slot a hash probes first, fetched ahead of its use: the table is far
  // larger than the caches, so waiting for each probe would dominate.
  void prefetch(std::size_t hash) const { __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]); }

  // Whether no earlier line equals this one; remembers it.
  bool insert(std::size_t start, std::size_t length, std::size_t hash) {
    const text_view line = source_.substr(start, length);
    if (2 * (count_ + 1) > slots_.size()) grow();
    for (std::size_t i = hash & (slots_.size() - 1);; i = (i + 1) & (slots_.size() - 1)) {
      slot& s = slots_[i];
      if (s.hash == 0) {
        s = {hash, start, length};
        ++count_;
        return true;
      }
      if (s.hash == hash && equal(source_.substr(s.start, s.length), line)) return false;
    }
  }

 private:
  struct slot {
    std::size_t hash;  // 0: empty
    std::size_t start, length;
  };

  bool equal(text_view a, text_view b) const {
    if (a.size() != b.size()) return false;
    if (case_sensitive_) return a == b;
    for (std::size_t i = 0; i < a.size(); ++i) {
      const auto x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
      if (is_lead_byte(x)) {  // a double-byte character compares exactly
        if (x != y || (i + 1 < a.size() && a[i + 1] != b[i + 1])) return false;
        ++i;
      } else if (ascii_lower(x) != ascii_lower(y)) {
        return false;
      }
    }
    return true;
  }

  void grow() {
    std::vector<slot> old(std::max<std::size_t>(64, slots_.size() * 2));
    old.swap(slots_);
    for (const slot& s : old) {
      if (s.hash == 0) continue;
      std::size_t i = s.hash & (slots_.size() - 1);
      while (slots_[i].hash != 0) i = (i + 1) & (slots_.size() - 1);
      slots_[i] = s;
    }
  }

  text_view source_;
  bool case_sensitive_;
  std::vector<slot> slots_;
  std::size_t count_ = 0;
  text folded_;  // scratch for the folded form of the line being hashed
};

}  // namespace

// Empties every line that equals an earlier line, keeping its line break, so
// the line count stays. Lines are the pieces between CR LF pairs found at
// character boundaries; a final CR LF starts no line.
text delete_repeated_lines(text_view source, bool case_sensitive) {
  // Every line but the last ends at a CR, so their count bounds the lines;
  // the table starts at that size, but never above twice the text's size,
  // where it grows only as new lines arrive.
  const auto line_breaks = static_cast<std::size_t>(std::count(source.begin(), source.end(), '\r'));
  line_set earlier(source, case_sensitive, std::min(line_breaks + 1, source.size() / 48));
  text result;
  result.reserve(source.size());
  // Lines wait in a short queue between hashing and their turn, so that the
  // table's slots arrive in the cache before they are needed; they are still
  // decided one by one, in order.
  struct line {
    std::size_t start, length, hash;
    bool line_break;
  };
  constexpr std::size_t lookahead = 16;
  line queue[lookahead];
  std::size_t queued = 0, next = 0;
  auto decide = [&](const line& l) {
    if (earlier.insert(l.start, l.length, l.hash)) result.append(source.substr(l.start, l.length));
    if (l.line_break) result.append("\r\n");
  };
  auto add = [&](std::size_t start, std::size_t end, bool line_break) {
    const line l{start, end - start, earlier.hash(start, end - start), line_break};
    earlier.prefetch(l.hash);
    if (queued == lookahead)
      decide(queue[next]);
    else
      ++queued;
    queue[next] = l;
    next = (next + 1) % lookahead;
  };
  // A CR at a boundary is a character, so the LF after it is one too.
  scan::boundary_tracker boundaries(source, 0);
  std::size_t line_start = 0;
  for (std::size_t cr = scan::find_byte(source, 0, '\r'); cr + 1 < source.size();
       cr = scan::find_byte(source, cr + 1, '\r')) {
    if (source[cr + 1] != '\n' || !boundaries.at(cr)) continue;
    add(line_start, cr, true);
    line_start = cr + 2;
    boundaries.restart_at(line_start);
  }
  if (line_start < source.size()) add(line_start, source.size(), false);
  for (std::size_t k = 0; k < queued; ++k)
    decide(queue[(next + lookahead - queued + k) % lookahead]);
  return result;
}

}  // namespace mosuo
