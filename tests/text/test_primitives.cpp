#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/primitives.hpp"

namespace mosuo {
namespace {

// GBK characters whose second byte is an ASCII letter, and others used below.
constexpr const char* shang = "\x81\x41";  // 丄, second byte 'A'
constexpr const char* zha = "\x81\x61";    // 乤, second byte 'a'
constexpr const char* zhong = "\xD6\xD0";  // 中
constexpr const char* crlf = "\r\n";

TEST(TextMiddle, ClampsPositionAndCount) {
  struct row {
    position pos, count;
    const char* expected;
  };
  const std::vector<row> rows = {
      {1, 2, "ab"}, {2, 100, "bcd"}, {4, 1, "d"}, {5, 1, ""},
      {0, 2, ""},   {-3, 2, ""},     {2, 0, ""},  {2, -1, ""},
  };
  for (const row& r : rows) {
    EXPECT_EQ(text_middle("abcd", r.pos, r.count), r.expected) << r.pos << "," << r.count;
  }
  EXPECT_EQ(text_middle(zhong, 2, 1), "\xD0") << "bytes, not characters";
}

TEST(TextFind, PositionsAndEmptySubText) {
  struct row {
    const char* t;
    const char* sub;
    position start;
    position expected;
  };
  const std::vector<row> rows = {
      {"abc", "", 1, 1},       {"abc", "", 3, 1},      {"abc", "", 4, -1},
      {"", "", 1, -1},         {"abcabc", "c", 4, 6},  {"abcabc", "c", 0, 3},
      {"abcabc", "c", -5, 3},  {"abcabc", "c", 7, -1}, {"abc", "abcd", 1, -1},
      {"abcabc", "cab", 1, 3}, {"aaab", "aab", 1, 2},  {"abab", "bab", 3, -1},
  };
  for (const row& r : rows) {
    EXPECT_EQ(text_find(r.t, r.sub, r.start, false), r.expected)
        << r.t << " / " << r.sub << " from " << r.start;
  }
}

TEST(TextFind, MatchesOnlyAtCharacterBoundaries) {
  EXPECT_EQ(text_find(std::string(shang) + "A", "A", 1, false), 3)
      << "the A inside 丄 is no boundary";
  EXPECT_EQ(text_find("\xD6"
                      "ab",
                      "a", 1, false),
            -1)
      << "D6 takes the a with it";
  EXPECT_EQ(text_find("ab\xD6", "\xD6", 1, false), 3) << "a lone lead byte is compared";
  EXPECT_EQ(text_find(std::string(zhong) + zhong, "\xD0\xD6", 1, false), -1);
  EXPECT_EQ(text_find(std::string(zhong) + zhong, "\xD0\xD6", 2, false), 2)
      << "a scan starting inside a character takes that byte as a boundary";
  EXPECT_EQ(text_find("\xD6\xD6\xD0", zhong, 1, false), -1);
  EXPECT_EQ(text_find("a\xD6\xD6\xD0", zhong, 1, false), -1);
  EXPECT_EQ(text_find("\xD6\xD6\xD6\xD0", zhong, 1, false), 3);
}

TEST(TextFind, IgnoreCaseFoldsOnlySingleByteLetters) {
  EXPECT_EQ(text_find("ABC", "abc", 1, true), 1);
  EXPECT_EQ(text_find("ABC", "abc", 1, false), -1);
  EXPECT_EQ(text_find("xAbC", "aBc", 1, true), 2);
  EXPECT_EQ(text_find("\xA3\xC1", "\xA3\xE1", 1, true), -1) << "full-width Ａ and ａ differ";
  EXPECT_EQ(text_find(shang, zha, 1, true), -1) << "丄 and 乤 are different characters";
  EXPECT_EQ(text_find(zha, shang, 1, true), -1);
  EXPECT_EQ(text_find(std::string(shang) + "a", std::string(shang) + "A", 1, true), 1);
  EXPECT_EQ(text_find(std::string("\x81") + "aA", "A", 1, true), 3)
      << "the a that is a second byte never matches";
}

TEST(TextReplaceRange, ClampsBytewise) {
  struct row {
    position pos, count;
    const char* expected;
  };
  const std::vector<row> rows = {
      {2, 2, "a-d"},   {0, 1, "-bcd"},   {-4, 1, "-bcd"}, {5, 3, "abcd-"},
      {9, 3, "abcd-"}, {2, -1, "a-bcd"}, {3, 99, "ab-"},
  };
  for (const row& r : rows) {
    EXPECT_EQ(text_replace_range("abcd", r.pos, r.count, "-"), r.expected)
        << r.pos << "," << r.count;
  }
}

TEST(TextReplaceAll, CasesAndStartPositions) {
  struct row {
    const char* t;
    const char* sub;
    const char* replacement;
    position start;
    bool case_sensitive;
    std::string expected;
  };
  const std::vector<row> rows = {
      {"aXbxc", "x", "", 1, false, "abc"},
      {"aXbxc", "x", "", 1, true, "aXbc"},
      {"abcabc", "a", "", 3, true, "abcbc"},
      {"aaa", "aa", "b", 1, true, "ba"},
      {"abc", "c", "", 4, true, "abc"},
      {"abc", "", "x", 1, true, "abc"},
      {"", "a", "x", 1, true, ""},
      {"abab", "ab", "abab", 1, true, "abababab"},  // a replacement is never scanned again
      {"x\xD6", "y", "", 1, true, "x\xD6"},         // a lone lead byte is kept
      {"x\xD6", "yz", "", 1, true, "x\xD6"},
      {"\xD6\xD0\xD6\xD0", "\xD6", "", 2, true, "\xD6\xD0\xD6\xD0"},
      {"ab\xD6", "\xD6", "!", 1, true, "ab!"},
      {"\x81"
       "A"
       "A",
       "a", "", 1, false,
       "\x81"
       "A"},  // 丄 keeps its second byte
  };
  for (const row& r : rows) {
    EXPECT_EQ(text_replace_all(r.t, r.sub, r.replacement, r.start, r.case_sensitive), r.expected)
        << r.t << " / " << r.sub;
  }
}

TEST(TextSplit, PiecesAtLineBreaks) {
  using pieces = std::vector<std::string>;
  struct row {
    std::string t;
    pieces expected;
  };
  const std::vector<row> rows = {
      {std::string("a") + crlf + crlf + "b", {"a", "", "b"}},
      {std::string("a") + crlf, {"a"}},
      {std::string(crlf) + "a", {"", "a"}},
      {crlf, {""}},
      {"", {}},
      {"\xD6\r\na", {"\xD6\r\na"}},  // D6 takes the CR with it
      {"a\r\n\xD6", {"a", "\xD6"}},
      {"a\rb\nc", {"a\rb\nc"}},
  };
  for (const row& r : rows) EXPECT_EQ(text_split(r.t, crlf), r.expected) << r.t;
  EXPECT_EQ(text_split("a,b", ""), pieces{"a,b"});
  EXPECT_EQ(text_split(",a,,b,", ","), (pieces{"", "a", "", "b"}));
}

TEST(TextRemoveSpaces, AsciiAndFullWidthSpacesAtBoundaries) {
  struct row {
    std::string t, expected;
  };
  const std::vector<row> rows = {
      {"a b\xA1\xA1"
       "c\td",
       "abc\td"},
      {"a \xA1\xA1"
       "b\xD6",
       "ab\xD6"},            // the lone lead byte stays
      {"\xB0 x", "\xB0 x"},  // a second byte 0x20 is no space
      {"\xA1\xA1\xA1\xA1", ""},
      {"\xD6\xA1\xA1", "\xD6\xA1\xA1"},  // D6 A1 is a character, then a lone A1
      {"\xA1", "\xA1"},
      {"  \r\n ", "\r\n"},
      {"", ""},
  };
  for (const row& r : rows) EXPECT_EQ(text_remove_spaces(r.t), r.expected) << r.t;
}

TEST(TextEqual, BytewiseWithoutFolding) {
  EXPECT_TRUE(text_equal("", ""));
  EXPECT_TRUE(text_equal(zhong, zhong));
  EXPECT_FALSE(text_equal("a", "A"));
  EXPECT_FALSE(text_equal("", " "));
  EXPECT_FALSE(text_equal("ab", "a"));
}

}  // namespace
}  // namespace mosuo
