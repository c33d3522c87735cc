// Loading a file: byte for byte up to the first zero byte, and every way a
// file can fail to load reported with its reason, without blocking.
#include <fcntl.h>  // open
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>  // mkfifo, chmod
#include <sys/un.h>
#include <unistd.h>  // truncate, geteuid

#include <filesystem>
#include <fstream>
#include <future>

#include "app/file_loading.hpp"

namespace mosuo {
namespace {

namespace fs = std::filesystem;

class FileLoading : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("mosuo-load-test-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::all);
    fs::remove_all(dir_);
  }
  std::string file(const std::string& name, const std::string& bytes) {
    const fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p.string();
  }
  fs::path dir_;
};

TEST_F(FileLoading, TakesTheBytesUpToTheFirstZeroByte) {
  struct row {
    std::string bytes, expected;
  };
  const std::vector<row> rows = {
      {std::string("AB\0CD", 5), "AB"},
      {"", ""},
      {std::string("\0AB", 3), ""},
      {"a\nb\rc\r\n", "a\nb\rc\r\n"},  // no line-ending conversion
      {"\xEF\xBB\xBF"
       "abc",
       "\xEF\xBB\xBF"
       "abc"},                                           // the UTF-8 mark stays
      {"\xD6\xD0\xCE\xC4\xD6", "\xD6\xD0\xCE\xC4\xD6"},  // GBK as it is, a lone lead byte too
  };
  for (const row& r : rows) {
    const loaded_file loaded = load_file(file("f", r.bytes));
    EXPECT_TRUE(loaded.ok) << loaded.reason;
    EXPECT_EQ(loaded.value, r.expected);
  }
}

TEST_F(FileLoading, FailuresNameTheirReason) {
  EXPECT_EQ(load_file((dir_ / "missing").string()).reason, "No such file or directory");
  EXPECT_EQ(load_file(dir_.string()).reason, "这是一个文件夹，不是文件");
  EXPECT_EQ(load_file("/dev/null").reason, "不是普通文件（管道、设备或套接字不能载入）");
  EXPECT_FALSE(load_file("").ok);
}

TEST_F(FileLoading, AFifoOrASocketIsRefusedWithoutBlocking) {
  const std::string fifo = (dir_ / "fifo").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  auto loading = std::async(std::launch::async, [&] { return load_file(fifo); });
  ASSERT_EQ(loading.wait_for(std::chrono::seconds(10)), std::future_status::ready)
      << "blocked on a FIFO";
  EXPECT_FALSE(loading.get().ok);

  const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const std::string socket_path = (dir_ / "socket").string();
  socket_path.copy(address.sun_path, sizeof address.sun_path - 1);
  ASSERT_EQ(::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  const loaded_file from_socket = load_file(socket_path);
  EXPECT_FALSE(from_socket.ok);
  EXPECT_FALSE(from_socket.reason.empty());
  ::close(s);
}

TEST_F(FileLoading, TwoGibibytesOrMoreAreRefused) {
  const std::string big = file("big", "");
  ASSERT_EQ(::truncate(big.c_str(), largest_loadable_file + 1), 0);  // sparse: nothing is written
  EXPECT_EQ(load_file(big).reason, "文件太大：2 GiB 或更大的文件不能载入");
}

TEST_F(FileLoading, AFileWithoutReadPermissionIsRefused) {
  if (::geteuid() == 0) GTEST_SKIP() << "root reads every file, so permissions cannot be tested";
  const std::string locked = file("locked", "secret");
  fs::permissions(locked, fs::perms::none);
  EXPECT_EQ(load_file(locked).reason, "Permission denied");
}

}  // namespace
}  // namespace mosuo
