// Whole-input reading for the batch tool.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace mosuo::cli {

// Every byte of the stream; nullopt on a read error (errno says why).
std::optional<std::string> read_all(std::FILE* stream);

}  // namespace mosuo::cli
