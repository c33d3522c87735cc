// Text values and the search primitives. Pure functions: no argument is
// changed, every text returned is new. No primitive fails: positions and
// counts out of range are clamped, a search that finds nothing gives -1.
#pragma once

#include "text/text.hpp"

namespace mosuo {

position text_length(text_view t);

// At most `count` bytes from 1-based `pos`; empty when pos is outside the text
// or count <= 0. Counts bytes only, so it may cut a character in two.
text text_middle(text_view t, position pos, position count);

// 1-based position of the first match of `sub` at a character boundary of a
// scan from `start` (below 1 counts as 1), or -1. An empty sub-text gives 1
// while the searched part is not empty. With ignore_case, ASCII capitals that
// stand as single-byte characters match their small letters; a double-byte
// character always compares exactly.
position text_find(text_view t, text_view sub, position start, bool ignore_case);

// `count` bytes at `pos` replaced, both clamped into the text; bytes only.
text text_replace_range(text_view t, position pos, position count, text_view replacement);

// Every match of `sub` at a character boundary of a scan from `start` replaced,
// left to right, never overlapping and never rescanning a replacement. Bytes
// that match nothing, a lone lead byte at the end included, are copied.
text text_replace_all(text_view t, text_view sub, text_view replacement = {}, position start = 1,
                      bool case_sensitive = true);

// The pieces between delimiters found at character boundaries; a leading
// delimiter or two adjacent ones give empty pieces, a trailing one adds none.
// The empty text gives no pieces; an empty delimiter gives the whole text.
text_list text_split(text_view t, text_view delimiter);

// The text without ASCII spaces and full-width spaces (A1 A1) at character
// boundaries. Everything else stays, a lone lead byte at the end included.
text text_remove_spaces(text_view t);

// Byte-wise equality; no case folding.
bool text_equal(text_view a, text_view b);

}  // namespace mosuo
