// Fuzzes every scanning primitive and panel command against its slow,
// step-by-step reference. Input: one byte of switches, then text ① and
// text ② separated by the first 0xFF 0xFF pair; zero bytes read as 'a'.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "command_reference.hpp"
#include "reference.hpp"
#include "text/commands.hpp"
#include "text/primitives.hpp"

namespace {

template <typename T>
void expect_same(const T& fast, const T& slow, const char* what) {
  if (fast == slow) return;
  std::fprintf(stderr, "mismatch in %s\n", what);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t switches = data[0];
  std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  for (char& c : bytes) c = c == '\0' ? 'a' : c;  // text values hold no zero byte
  const std::size_t cut = bytes.find("\xFF\xFF");
  const std::string source = bytes.substr(0, cut);
  const std::string content = cut == std::string::npos ? "" : bytes.substr(cut + 2);
  const bool flag = switches & 1;
  const mosuo::position start = static_cast<int>(switches >> 1) - 8;

  using namespace mosuo;
  expect_same(text_find(source, content, start, flag),
              reference::find(source, content, start, flag), "text_find");
  expect_same(text_replace_all(source, content, "#", start, flag),
              reference::replace_all(source, content, "#", start, flag), "text_replace_all");
  expect_same(text_split(source, content), reference::split(source, content), "text_split");
  expect_same(text_remove_spaces(source), reference::remove_spaces(source), "text_remove_spaces");
  if (source.size() <= 4096) {  // the references of these are quadratic
    expect_same(delete_content(source, content, flag),
                reference::repeated_deletion(source, content, !flag), "delete_content");
    expect_same(delete_line_breaks(source), reference::repeated_deletion(source, "\r\n", false),
                "line breaks");
    expect_same(delete_repeated_characters(source, flag),
                reference::repeated_characters(source, flag), "repeated characters");
    expect_same(delete_repeated_lines(source, flag), reference::repeated_lines(source, flag),
                "repeated lines");
  }
  expect_same(to_byte_list(source), reference::byte_list(source), "byte list");
  expect_same(to_hex_dump(source), reference::hex_dump(source), "hex dump");
  expect_same(from_byte_list(source), reference::from_byte_list(source), "from byte list");
  expect_same(to_upper_case(source), reference::convert_case(source, true), "upper case");
  expect_same(to_lower_case(source), reference::convert_case(source, false), "lower case");
  expect_same(normalise_full_width(source), reference::normalise_full_width(source), "full width");
  return 0;
}
