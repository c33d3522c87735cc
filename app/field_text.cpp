#include "app/field_text.hpp"

#include <unicode/ucnv.h>     // the code page converter
#include <unicode/ucnv_cb.h>  // writing from conversion callbacks

#include <algorithm>
#include <cstring>  // memchr
#include <memory>

#include "text/fatal.hpp"

namespace mosuo {
namespace {

// Code page 936 as Windows has it: 0x80 is the euro sign, 0xFF is U+F8F5.
constexpr const char* code_page_name = "windows-936-2000";
// Fed to the converter in pieces so that its 32-bit counters never overflow.
constexpr std::size_t chunk_length = std::size_t{1} << 24;

struct converter_closer {
  void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using converter_ptr = std::unique_ptr<UConverter, converter_closer>;

// A rejected byte comes in as a placeholder character and goes out as the byte.
void bytes_to_placeholders(const void*, UConverterToUnicodeArgs* args, const char* bytes,
                           int32_t length, UConverterCallbackReason reason, UErrorCode* error) {
  if (reason > UCNV_IRREGULAR) return;  // reset, close or clone: nothing to convert
  *error = U_ZERO_ERROR;
  for (int32_t i = 0; i < length && U_SUCCESS(*error); ++i) {
    const UChar placeholder = lone_byte_base + static_cast<unsigned char>(bytes[i]);
    ucnv_cbToUWriteUChars(args, &placeholder, 1, 0, error);
  }
}

// What the code page cannot hold: the field's own line-break characters, the
// placeholders, and characters typed or pasted from outside the code page.
void unmappable_to_bytes(const void*, UConverterFromUnicodeArgs* args, const UChar*, int32_t,
                         UChar32 code_point, UConverterCallbackReason reason, UErrorCode* error) {
  if (reason > UCNV_IRREGULAR) return;
  *error = U_ZERO_ERROR;
  char byte = '?';
  switch (code_point) {
    case paragraph_separator_char:
      ucnv_cbFromUWriteBytes(args, "\r\n", 2, 0, error);
      return;
    case lone_line_feed_char:
      byte = '\n';
      break;
    case lone_carriage_return_char:
      byte = '\r';
      break;
    default:
      if (code_point > lone_byte_base && code_point <= lone_byte_base + 0xFF)
        byte = static_cast<char>(code_point - lone_byte_base);
      break;
  }
  ucnv_cbFromUWriteBytes(args, &byte, 1, 0, error);
}

converter_ptr open_code_page() {
  UErrorCode error = U_ZERO_ERROR;
  converter_ptr converter(ucnv_open(code_page_name, &error));
  if (U_FAILURE(error)) fatal(fatal_reason::start_window);  // ICU's data lacks the code page
  ucnv_setToUCallBack(converter.get(), bytes_to_placeholders, nullptr, nullptr, nullptr, &error);
  ucnv_setFromUCallBack(converter.get(), unmappable_to_bytes, nullptr, nullptr, nullptr, &error);
  return converter;
}

// CR LF becomes the field's line break and a lone LF or CR its stand-in, in
// place: never longer.
void mark_line_breaks(QString& shown) {
  char16_t* chars = reinterpret_cast<char16_t*>(shown.data());
  const qsizetype length = shown.size();
  qsizetype written = 0;
  for (qsizetype read = 0; read < length; ++read) {
    char16_t c = chars[read];
    if (c == u'\r') {
      if (read + 1 < length && chars[read + 1] == u'\n') {
        c = paragraph_separator_char;
        ++read;
      } else {
        c = lone_carriage_return_char;
      }
    } else if (c == u'\n') {
      c = lone_line_feed_char;
    }
    chars[written++] = c;
  }
  shown.truncate(written);
}

}  // namespace

QString field_text_from_value(text_view value) {
  const converter_ptr converter = open_code_page();
  // Each byte gives at most one UTF-16 unit: a pair gives one, a placeholder one.
  QString shown(static_cast<qsizetype>(value.size()), Qt::Uninitialized);
  auto* const begin = reinterpret_cast<UChar*>(shown.data());
  UChar* target = begin;
  const char* source = value.data();
  const char* const end = source + value.size();
  while (true) {
    const char* const piece_end = source + std::min<std::size_t>(end - source, chunk_length);
    const bool last = piece_end == end;
    UErrorCode error = U_ZERO_ERROR;
    ucnv_toUnicode(converter.get(), &target, begin + shown.size(), &source, piece_end, nullptr,
                   last, &error);
    if (last || U_FAILURE(error)) break;
  }
  shown.truncate(target - begin);
  if (value.find_first_of("\r\n") != text_view::npos) mark_line_breaks(shown);
  return shown;
}

text value_from_field_text(QStringView raw) {
  const converter_ptr converter = open_code_page();
  // Each unit gives at most two bytes: a double-byte character or CR LF.
  text value(static_cast<std::size_t>(raw.size()) * 2, '\0');
  char* const begin = value.data();
  char* target = begin;
  const auto* source = reinterpret_cast<const UChar*>(raw.utf16());
  const UChar* const end = source + raw.size();
  while (true) {
    const UChar* const piece_end = source + std::min<std::size_t>(end - source, chunk_length);
    const bool last = piece_end == end;
    UErrorCode error = U_ZERO_ERROR;
    ucnv_fromUnicode(converter.get(), &target, begin + value.size(), &source, piece_end, nullptr,
                     last, &error);
    if (last || U_FAILURE(error)) break;
  }
  value.resize(static_cast<std::size_t>(target - begin));
  if (std::memchr(value.data(), '\0', value.size())) std::erase(value, '\0');  // U+0000 goes
  if (value.capacity() > value.size() + value.size() / 2) value.shrink_to_fit();
  return value;
}

}  // namespace mosuo
