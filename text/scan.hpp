// The scanning machinery every searching primitive and command is built on:
// character boundaries tracked without re-reading, fast first-byte scans, and
// one linear-time matcher for a sub-text at character boundaries.
#pragma once

#include <cstddef>
#include <vector>

#include "text/text.hpp"

namespace mosuo::scan {

constexpr std::size_t not_found = static_cast<std::size_t>(-1);

// Tells whether positions of a text are character boundaries of a scan that
// began at a known boundary. Positions must be asked in non-decreasing order;
// the bytes between two questions are looked at once at most, so a whole scan
// costs time linear in the text.
class boundary_tracker {
 public:
  boundary_tracker(text_view text, std::size_t boundary) : data_(text.data()), known_(boundary) {}

  // The byte after a byte below 0x80 always starts a character, and from
  // there a run of bytes >= 0x80 pairs up lead and second byte.
  bool at(std::size_t pos) {
    std::size_t run_start = pos;
    while (run_start > known_ && is_lead_byte(static_cast<unsigned char>(data_[run_start - 1]))) {
      --run_start;
    }
    const bool boundary = (pos - run_start) % 2 == 0;
    known_ = boundary ? pos : pos - 1;  // a second byte's lead is a boundary
    return boundary;
  }

  // Moves the known boundary forward, for example past a match.
  void restart_at(std::size_t boundary) { known_ = boundary; }

 private:
  const char* data_;
  std::size_t known_;
};

// Index of the first byte equal to `byte` in [from, text.size()), or the size.
std::size_t find_byte(text_view text, std::size_t from, unsigned char byte);
// The same for the first byte equal to either of two bytes.
std::size_t find_either(text_view text, std::size_t from, unsigned char a, unsigned char b);

// Finds a sub-text at the character boundaries of a scan, by Knuth-Morris-Pratt
// over canonical bytes: with ignore case, an ASCII capital that stands as a
// single-byte character reads as its small letter, in the text and in the
// sub-text alike. At a boundary that comparison is exactly the ignore-case
// comparison, so a canonical match whose first byte is a boundary is a match.
// Between partial matches a first-byte scan skips ahead.
class matcher {
 public:
  // The sub-text must not be empty.
  matcher(text_view sub_text, bool ignore_case);

  std::size_t size() const { return canonical_.size(); }

  // The first match in text whose first byte is a character boundary of a scan
  // that begins at `from` (itself a boundary), or not_found.
  std::size_t find(text_view text, std::size_t from) const;

  // The same machine driven one byte at a time, for callers that keep their
  // own output (the repeated deletion): the state after reading `byte`, which
  // is canonical already.
  std::size_t step(std::size_t state, unsigned char canonical_byte) const;
  unsigned char canonical(unsigned char byte, bool at_boundary) const {
    return ignore_case_ && at_boundary ? ascii_lower(byte) : byte;
  }
  // After a full match the machine goes on from the longest proper border.
  std::size_t after_match() const { return border_.back(); }
  // From state 0, the first position at or after `from` whose byte can start
  // a match; every byte before it leaves the machine in state 0.
  std::size_t skip_to_candidate(text_view text, std::size_t from) const;

 private:
  template <bool IgnoreCase>
  std::size_t find_impl(text_view text, std::size_t from) const;

  std::string canonical_;
  std::vector<std::size_t> border_;  // border_[k]: longest proper border of canonical_[0, k)
  bool ignore_case_;
};

}  // namespace mosuo::scan
