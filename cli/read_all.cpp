#include "cli/read_all.hpp"

#include <sys/stat.h>  // fstat, for the size of a regular file

#include <algorithm>  // std::max

namespace mosuo::cli {

std::optional<std::string> read_all(std::FILE* stream) {
  std::string bytes;
  struct stat info {};
  // a regular file is read into one buffer of its size; pipes grow as they go
  if (fstat(fileno(stream), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
    bytes.reserve(static_cast<std::size_t>(info.st_size) + 1);
  }
  std::size_t chunk = 1 << 16;
  for (;;) {
    const std::size_t old_size = bytes.size();
    chunk = std::max(chunk, bytes.capacity() - old_size);
    bytes.resize(old_size + chunk);
    const std::size_t got = std::fread(bytes.data() + old_size, 1, chunk, stream);
    bytes.resize(old_size + got);
    if (got < chunk) break;
    chunk *= 2;
  }
  if (std::ferror(stream)) return std::nullopt;
  return bytes;
}

}  // namespace mosuo::cli
