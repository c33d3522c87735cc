// Reading a chosen file whole, byte for byte, as the text it loads: the bytes
// up to the first zero byte, with no line-ending, code-page or byte-order-mark
// conversion. A file that cannot be read is reported, never loaded as empty.
#pragma once

#include <string>

#include "text/text.hpp"

namespace mosuo {

// Files of 2 GiB or more are refused: the fields address their text with int.
inline constexpr long long largest_loadable_file = (1LL << 31) - 1;

struct loaded_file {
  bool ok = false;
  text value;          // when ok
  std::string reason;  // when not: why, in Chinese or as the system says it (UTF-8)
};

// Never blocks: a FIFO, a device or a socket is refused before any read.
loaded_file load_file(const std::string& path);

}  // namespace mosuo
