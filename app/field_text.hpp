// The boundary between text values (GBK bytes) and what a text field holds
// (UTF-16). Showing a value and reading it back gives the same bytes for every
// text value, so no byte is ever lost between the core and the fields.
#pragma once

#include <QString>
#include <QStringView>

#include "text/text.hpp"

namespace mosuo {

// Characters the field keeps for the bytes that are no character of their own.
inline constexpr char16_t lone_line_feed_char = u'\u2028';  // drawn as a break inside the paragraph
inline constexpr char16_t lone_carriage_return_char = u'\u240D';  // the symbol "␍"
inline constexpr char16_t paragraph_separator_char = u'\u2029';   // a field's own line break
// A byte the code page rejects (a lone lead byte) is held as U+DC00 plus the byte.
inline constexpr char16_t lone_byte_base = u'\xDC00';

// The text to give QPlainTextEdit::setPlainText for a value: CR LF becomes a
// line break (U+2029), a lone LF and a lone CR become the characters above.
// It is the raw text the field then holds, so the two functions are inverses.
QString field_text_from_value(text_view value);

// The value of a field's raw text (QTextDocument::toRawText, where line breaks
// are U+2029). Characters the code page cannot hold become "?", U+0000 goes.
text value_from_field_text(QStringView raw);

}  // namespace mosuo
