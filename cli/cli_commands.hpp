// The batch tool's commands: each panel command under a name for the shell.
#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "text/text.hpp"

namespace mosuo::cli {

struct command_input {
  text_view source;   // text ①
  text_view content;  // text ②
  bool case_sensitive;
};

struct command {
  std::string_view name;
  std::string_view summary;
  bool needs_content;
  text (*run)(const command_input&);
};

std::span<const command> commands();
const command* find_command(std::string_view name);

}  // namespace mosuo::cli
