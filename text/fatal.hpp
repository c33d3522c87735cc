// The one way the program stops on an internal error: a failed element check
// or memory refused for a new value. No command reaches it in normal use.
#pragma once

namespace mosuo {

enum class fatal_reason {
  element_index,  // an element check failed; the code says how
  out_of_memory,  // memory for a new text or byte sequence was refused
  start_window,   // the main window could not be created
};

// Error codes of the element check.
inline constexpr int index_past_end = 1;   // index above the element count
inline constexpr int index_below_one = 4;  // index below 1, checked first

// Shows or prints the error; the process then ends with status -1.
using fatal_handler = void (*)(fatal_reason reason, int code);

// The default handler writes the error to standard error. The window installs
// one that shows the fatal error notice.
void set_fatal_handler(fatal_handler handler);

[[noreturn]] void fatal(fatal_reason reason, int code = 0);

// The error in a line of English, naming its code, for standard error.
const char* fatal_description(fatal_reason reason);

// Routes every refused allocation to fatal(out_of_memory).
void install_out_of_memory_handler();

}  // namespace mosuo
