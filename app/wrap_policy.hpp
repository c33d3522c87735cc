// How a field wraps its lines. Word-boundary wrapping costs time that grows
// with the square of the longest run without a break opportunity (a byte list
// is one such run), so a text with a long run wraps anywhere instead.
#pragma once

#include <QStringView>
#include <QTextOption>

namespace mosuo {

// Runs up to this length cost nothing measurable under word-boundary wrapping.
inline constexpr qsizetype longest_cheap_run = 256;

// The length of the longest run of characters that holds no break
// opportunity: no white space and no CJK character.
qsizetype longest_unbreakable_run(QStringView shown);

QTextOption::WrapMode wrap_mode_for(QStringView shown);

// The most characters between two line breaks of the field (U+2029, and
// LF or CR in pasted text).
qsizetype longest_line(QStringView shown);

}  // namespace mosuo
