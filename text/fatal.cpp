#include "text/fatal.hpp"

#include <cstdio>   // fprintf
#include <cstdlib>  // _Exit
#include <new>      // set_new_handler

namespace mosuo {
namespace {

void print_to_stderr(fatal_reason reason, int code) {
  std::fprintf(stderr, "mosuo: fatal error: %s (code %d)\n", fatal_description(reason), code);
}

fatal_handler current_handler = print_to_stderr;

}  // namespace

void set_fatal_handler(fatal_handler handler) {
  current_handler = handler ? handler : print_to_stderr;
}

const char* fatal_description(fatal_reason reason) {
  switch (reason) {
    case fatal_reason::element_index:
      return "element index out of range";
    case fatal_reason::out_of_memory:
      return "memory for a new value was refused";
    case fatal_reason::start_window:
      return "loading the start window failed";
  }
  return "unknown error";
}

void fatal(fatal_reason reason, int code) {
  current_handler(reason, code);
  std::_Exit(-1);  // no destructors: the state may be broken
}

void install_out_of_memory_handler() {
  std::set_new_handler([] { fatal(fatal_reason::out_of_memory); });
}

}  // namespace mosuo
