// mosuo-cli as a process: its input, its output bytes and its exit status.
#include <gtest/gtest.h>
#include <sys/wait.h>  // WEXITSTATUS
#include <unistd.h>    // getpid

#include <algorithm>  // count
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct outcome {
  int status;
  std::string out, err;
};

class MosuoCli : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("mosuo-cli-test-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string file(const std::string& name, const std::string& bytes) {
    const fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p.string();
  }
  static std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  // Runs the tool with `args` (already quoted) and `input` on standard input.
  outcome run(const std::string& args, const std::string& input = "") {
    const std::string in = file("stdin", input);
    const fs::path out = dir_ / "stdout", err = dir_ / "stderr";
    const std::string command = std::string("'") + MOSUO_CLI + "' " + args + " <'" + in + "' >'" +
                                out.string() + "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    return {WEXITSTATUS(raw), slurp(out), slurp(err)};
  }

  fs::path dir_;
};

TEST_F(MosuoCli, EachKindOfCommandWritesExactlyTheFieldsBytes) {
  struct row {
    std::string args, input, expected;
  };
  const std::vector<row> rows = {
      {"spaces",
       "a b\xA1\xA1"
       "c\r\n",
       "abc\r\n"},
      {"line-breaks", "a\r\r\n\nb", "ab"},
      {"repeated-lines", "ab\r\nAB\r\nab\r\n", "ab\r\n\r\n\r\n"},
      {"repeated-lines --case-sensitive", "ab\r\nAB\r\nab", "ab\r\nAB\r\n"},
      {"repeated-chars", "\xD6\xD0\xCE\xC4\xD6\xD0", "\xD6\xD0\xCE\xC4"},
      {"byte-list", "\xD6\xD0", "{214,208}"},
      {"from-byte-list", "{72,105}", "Hi"},
      {"hex", "a\r\n", "61 D A"},
      {"upper", "abc\x81\x61", "ABC\x81\x61"},
      {"full-width",
       "\xA3\xFB"
       "1\xA3\xAC"
       "2\xA3\xFD",
       "{1,2}"},
      {"hex", std::string("AB\0CD", 5), "41 42"},  // the input ends at its first zero byte
      {"spaces", "", ""},
  };
  for (const row& r : rows) {
    const outcome o = run(r.args, r.input);
    EXPECT_EQ(o.status, 0) << r.args << ": " << o.err;
    EXPECT_EQ(o.out, r.expected) << r.args;
    EXPECT_EQ(o.err, "") << r.args;
  }
}

TEST_F(MosuoCli, ReadsFilesAndTheContentText) {
  const std::string source = file("source", "xaAbBy"), content = file("content", "ab");
  EXPECT_EQ(run("delete-text --content '" + content + "' '" + source + "'").out, "xy");
  EXPECT_EQ(run("delete-text --case-sensitive --content='" + content + "' '" + source + "'").out,
            "xaAbBy");
  EXPECT_EQ(run("delete-text --content '" + content + "' -", "abab").out, "");
}

TEST_F(MosuoCli, BadUseNamesTheProblemAndWritesNothing) {
  const std::string content = file("content", "a");
  struct row {
    std::string args, problem;
  };
  const std::vector<row> rows = {
      {"", "no COMMAND"},
      {"frobnicate", "unknown command frobnicate"},
      {"spaces --frob", "unknown option --frob"},
      {"delete-text", "delete-text needs --content FILE"},
      {"spaces --content", "--content needs a FILE"},
      {"hex '" + (dir_ / "missing").string() + "'", "No such file or directory"},
      {"hex '" + dir_.string() + "'", "Is a directory"},
      {"delete-text --content '" + (dir_ / "missing").string() + "'", "cannot open"},
      {"hex a b", "more than one FILE"},
  };
  for (const row& r : rows) {
    const outcome o = run(r.args, "some input");
    EXPECT_EQ(o.status, 2) << r.args;
    EXPECT_EQ(o.out, "") << r.args;
    EXPECT_NE(o.err.find(r.problem), std::string::npos) << r.args << ": " << o.err;
    EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1) << "one line: " << o.err;
  }
}

TEST_F(MosuoCli, HelpListsEveryCommand) {
  const outcome o = run("--help");
  EXPECT_EQ(o.status, 0);
  for (const char* name :
       {"spaces", "line-breaks", "tab-line-breaks", "delete-text", "repeated-chars",
        "repeated-lines", "byte-list", "from-byte-list", "hex", "upper", "lower", "full-width"}) {
    EXPECT_NE(o.out.find(std::string("  ") + name + " "), std::string::npos) << name;
  }
}

}  // namespace
