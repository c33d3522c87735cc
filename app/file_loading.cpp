#include "app/file_loading.hpp"

#include <fcntl.h>     // open
#include <sys/stat.h>  // fstat
#include <unistd.h>    // read, close

#include <cerrno>
#include <cstring>  // strerror

#include "text/bytes.hpp"

namespace mosuo {
namespace {

loaded_file failure(std::string reason) {
  return {false, {}, std::move(reason)};
}
loaded_file system_failure() {
  return failure(std::strerror(errno));
}

// Closes the descriptor on every path out.
struct descriptor {
  int fd;
  ~descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

}  // namespace

loaded_file load_file(const std::string& path) {
  // O_NONBLOCK: opening a FIFO without a writer must not wait for one
  const descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
  if (file.fd < 0) return system_failure();
  struct stat info {};
  if (::fstat(file.fd, &info) != 0) return system_failure();
  if (S_ISDIR(info.st_mode)) return failure("这是一个文件夹，不是文件");
  if (!S_ISREG(info.st_mode)) return failure("不是普通文件（管道、设备或套接字不能载入）");
  if (info.st_size > largest_loadable_file) return failure("文件太大：2 GiB 或更大的文件不能载入");

  // The length is taken once; a file that changes while it is read gives at
  // most that many bytes, as many as arrive.
  std::string bytes(static_cast<std::size_t>(info.st_size), '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const ssize_t n = ::read(file.fd, bytes.data() + got, bytes.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return system_failure();
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return {true, bytes_to_text(bytes), {}};
}

}  // namespace mosuo
