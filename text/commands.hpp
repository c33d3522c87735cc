// The commands of the operation panel: each a pure function of the texts it
// reads and of the case flag, returning the text the command writes into its
// field. `case_sensitive` is the check box "区分大小写": true means letters must
// match exactly, false that ASCII letters match ignoring case. Every command
// runs in time linear in its input.
#pragma once

#include "text/text.hpp"

namespace mosuo {

// Deletions; each writes the result field.
text delete_spaces(text_view source);           // ASCII and full-width spaces
text delete_line_breaks(text_view source);      // CR LF, until none is left
text delete_tab_line_breaks(text_view source);  // TAB CR LF, until none is left
// Every occurrence of `content`, until none is left; an empty content
// leaves the source as it is.
text delete_content(text_view source, text_view content, bool case_sensitive);

// Duplicate removal; each writes the result field.
text delete_repeated_characters(text_view source, bool case_sensitive);
text delete_repeated_lines(text_view source, bool case_sensitive);

// Conversions. The byte list, its reverse and the hex dump write the result
// field; the letter cases write the content field.
text to_byte_list(text_view source);    // {65,66}
text from_byte_list(text_view source);  // {72,105} gives Hi
text to_hex_dump(text_view source);     // 41 42
text to_upper_case(text_view source);
text to_lower_case(text_view source);

// Full-width braces and commas (A3 FB, A3 FD, A3 AC) as their ASCII forms,
// run on the source field when it loses the focus.
text normalise_full_width(text_view source);

}  // namespace mosuo
