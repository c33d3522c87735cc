// mosuo-cli: the panel's commands for the shell, over the same core as the
// window. Reads text ① from a file or standard input, writes exactly the
// bytes the command would write into its field.
#include <algorithm>  // min
#include <cerrno>
#include <cstdio>
#include <cstring>  // strerror
#include <optional>
#include <string>
#include <string_view>

#include "cli/cli_commands.hpp"
#include "cli/read_all.hpp"
#include "text/fatal.hpp"

namespace {

using namespace mosuo;

constexpr int bad_use = 2;
constexpr int output_failed = 1;

void print_help() {
  std::printf(
      "Usage: mosuo-cli COMMAND [--case-sensitive] [--content FILE] [FILE]\n"
      "Runs one of 墨梭's commands on GBK text and writes the result, byte for byte,\n"
      "to standard output. Text 1 is FILE, or standard input without FILE; the\n"
      "input ends at its first zero byte.\n\n"
      "Commands:\n");
  for (const cli::command& c : cli::commands()) {
    std::printf("  %-16s %.*s\n", std::string(c.name).c_str(), static_cast<int>(c.summary.size()),
                c.summary.data());
  }
  std::printf(
      "\nOptions:\n"
      "  --case-sensitive  letters must match exactly (the ticked box \"区分大小写\");\n"
      "                    without it ASCII letters match ignoring case\n"
      "  --content FILE    text 2, the text that delete-text deletes\n"
      "  --help            show this help\n"
      "  --version         show the version\n\n"
      "Exit status: 0 on success, 1 if the output cannot be written, 2 on bad use\n"
      "or an unreadable input.\n");
}

[[nodiscard]] int fail(const std::string& problem) {
  std::fprintf(stderr, "mosuo-cli: %s (see mosuo-cli --help)\n", problem.c_str());
  return bad_use;
}

// The text value of a file, or of standard input for "" and "-".
std::optional<text> read_text(const std::string& path, std::string& problem) {
  const bool standard_input = path.empty() || path == "-";
  std::FILE* stream = standard_input ? stdin : std::fopen(path.c_str(), "rb");
  if (!stream) {
    problem = "cannot open " + path + ": " + std::strerror(errno);
    return std::nullopt;
  }
  std::optional<std::string> bytes = cli::read_all(stream);
  const int error = errno;
  if (!standard_input) std::fclose(stream);
  if (!bytes) {
    problem = "cannot read " + (standard_input ? std::string("standard input") : path) + ": " +
              std::strerror(error);
    return std::nullopt;
  }
  bytes->resize(
      std::min(bytes->find('\0'), bytes->size()));  // the text ends at the first zero byte
  return bytes;
}

int run(int argc, char** argv) {
  const cli::command* command = nullptr;
  std::optional<std::string> source_path, content_path;
  bool case_sensitive = false, options_done = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!options_done && arg == "--help") {
      print_help();
      return 0;
    }
    if (!options_done && arg == "--version") {
      std::printf("mosuo-cli " MOSUO_VERSION "\n");
      return 0;
    }
    if (!options_done && arg == "--") {
      options_done = true;
    } else if (!options_done && arg == "--case-sensitive") {
      case_sensitive = true;
    } else if (!options_done && (arg == "--content" || arg.starts_with("--content="))) {
      if (arg == "--content" && i + 1 == argc) return fail("--content needs a FILE");
      content_path = arg == "--content" ? std::string(argv[++i]) : std::string(arg.substr(10));
    } else if (!options_done && arg.size() > 1 && arg[0] == '-') {
      return fail("unknown option " + std::string(arg));
    } else if (!command) {
      command = cli::find_command(arg);
      if (!command) return fail("unknown command " + std::string(arg));
    } else if (!source_path) {
      source_path = std::string(arg);
    } else {
      return fail("more than one FILE: " + std::string(arg));
    }
  }
  if (!command) return fail("no COMMAND given");
  if (command->needs_content && !content_path)
    return fail(std::string(command->name) + " needs --content FILE");

  std::string problem;
  const std::optional<text> source = read_text(source_path.value_or(""), problem);
  if (!source) return fail(problem);
  std::optional<text> content;
  if (content_path) {
    content = read_text(*content_path, problem);
    if (!content) return fail(problem);
  }

  const text result = command->run({*source, content.value_or(text{}), case_sensitive});
  if (std::fwrite(result.data(), 1, result.size(), stdout) != result.size() ||
      std::fflush(stdout) != 0) {
    std::fprintf(stderr, "mosuo-cli: cannot write the output: %s\n", std::strerror(errno));
    return output_failed;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  mosuo::install_out_of_memory_handler();
  return run(argc, argv);
}
