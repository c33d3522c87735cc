#include "cli/cli_commands.hpp"

#include <algorithm>  // find_if

#include "text/commands.hpp"

namespace mosuo::cli {
namespace {

constexpr command table[] = {
    {"spaces", "delete ASCII and full-width spaces", false,
     [](const command_input& in) { return delete_spaces(in.source); }},
    {"line-breaks", "delete CR LF until none is left", false,
     [](const command_input& in) { return delete_line_breaks(in.source); }},
    {"tab-line-breaks", "delete TAB CR LF until none is left", false,
     [](const command_input& in) { return delete_tab_line_breaks(in.source); }},
    {"delete-text", "delete every occurrence of the --content text until none is left", true,
     [](const command_input& in) {
       return delete_content(in.source, in.content, in.case_sensitive);
     }},
    {"repeated-chars", "keep the first copy of each character", false,
     [](const command_input& in) {
       return delete_repeated_characters(in.source, in.case_sensitive);
     }},
    {"repeated-lines", "empty every line that repeats an earlier one, keeping its line break",
     false,
     [](const command_input& in) { return delete_repeated_lines(in.source, in.case_sensitive); }},
    {"byte-list", "write the bytes as a list: {65,66}", false,
     [](const command_input& in) { return to_byte_list(in.source); }},
    {"from-byte-list", "read a byte list back into text: {72,105} gives Hi", false,
     [](const command_input& in) { return from_byte_list(in.source); }},
    {"hex", "write the bytes in hexadecimal: 41 42", false,
     [](const command_input& in) { return to_hex_dump(in.source); }},
    {"upper", "letters to upper case (ASCII, full-width Latin, Greek, Cyrillic)", false,
     [](const command_input& in) { return to_upper_case(in.source); }},
    {"lower", "letters to lower case (ASCII, full-width Latin, Greek, Cyrillic)", false,
     [](const command_input& in) { return to_lower_case(in.source); }},
    {"full-width", "full-width braces and commas to ASCII", false,
     [](const command_input& in) { return normalise_full_width(in.source); }},
};

}  // namespace

std::span<const command> commands() {
  return table;
}

const command* find_command(std::string_view name) {
  const auto it = std::find_if(std::begin(table), std::end(table),
                               [&](const command& c) { return c.name == name; });
  return it == std::end(table) ? nullptr : it;
}

}  // namespace mosuo::cli
