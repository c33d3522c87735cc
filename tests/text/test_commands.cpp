#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/commands.hpp"

namespace mosuo {
namespace {

// CR LF is the line break of the fields.
std::string lines(std::initializer_list<std::string> parts) {
  std::string joined;
  for (const std::string& p : parts) joined += p + "\r\n";
  return joined.substr(0, joined.size() - 2);
}

struct case_row {
  std::string source;
  std::string expected;
};

TEST(DeleteSpaces, AsciiAndFullWidth) {
  EXPECT_EQ(delete_spaces("\xD6\xD0 \xCE\xC4\xA1\xA1\xD7\xD6"),
            "\xD6\xD0\xCE\xC4\xD7\xD6");  // 中 文　字
  EXPECT_EQ(delete_spaces("a\tb"), "a\tb");
  EXPECT_EQ(delete_spaces(""), "");
}

TEST(DeleteLineBreaks, RepeatsUntilNoneIsLeft) {
  const std::vector<case_row> rows = {
      {"a\r\nb\nc\r\r\n\nd", "ab\ncd"},  // the CR and LF around a removed pair form a new one
      {"\r\n\r\n", ""},
      {"\r\r\n\n", ""},
      {"a\r\n\xB0\r\n", "a\xB0\r\n"},  // B0 takes the CR with it
      {"\r\r\r\n\n\n", ""},
      {"\n\r", "\n\r"},
  };
  for (const case_row& r : rows) EXPECT_EQ(delete_line_breaks(r.source), r.expected) << r.source;
}

TEST(DeleteTabLineBreaks, OnlyTheThreeByteSequence) {
  const std::vector<case_row> rows = {
      {"a\t\r\nb\tc\r\n", "ab\tc\r\n"},
      {"a\t\t\r\n\r\nb", "ab"},  // removing the first sequence forms a second one
      {"\t\t\r\n\r\n\r\n", "\r\n"},
  };
  for (const case_row& r : rows)
    EXPECT_EQ(delete_tab_line_breaks(r.source), r.expected) << r.source;
}

TEST(DeleteContent, CaseFlagMeansWhatTheCheckBoxSays) {
  struct row {
    std::string source, content;
    bool case_sensitive;
    std::string expected;
  };
  const std::vector<row> rows = {
      {"aabb", "ab", true, ""},
      {"xaAbBy", "ab", false, "xy"},
      {"xaAbBy", "ab", true, "xaAbBy"},
      {"\xD6\xD0\xCE\xC4\xCE\xC4\xD7\xD6", "\xCE\xC4", true,
       "\xD6\xD0\xD7\xD6"},                                 // 中文文字 less 文
      {"\x81\x41\x81\x61", "\x81\x61", false, "\x81\x41"},  // 丄 is not 乤, whatever the case rule
      {"abc", "abcd", false, "abc"},
      {"", "ab", false, ""},
      {"", "", false, ""},
      {"abc", "", false, "abc"},  // an empty content removes nothing, and the command ends
      {"a\xD6"
       "ab",
       "ab", true,
       "a\xD6"
       "a"
       "b"},  // D6 takes the a: no match at a boundary
      {"aaaaabbbbb", "ab", true, ""},
      {"ababa", "aba", true, "ba"},
  };
  for (const row& r : rows) {
    EXPECT_EQ(delete_content(r.source, r.content, r.case_sensitive), r.expected)
        << r.source << " less " << r.content << " case sensitive " << r.case_sensitive;
  }
}

TEST(DeleteRepeatedCharacters, FirstCopyOfEachCharacterStays) {
  struct row {
    std::string source;
    bool case_sensitive;
    std::string expected;
  };
  const std::vector<row> rows = {
      {"abcabc", true, "abc"},
      {"hello world", true, "helo wrd"},
      {"aaa", false, "a"},
      {"x", false, "x"},
      {"", false, ""},
      {"aAbBa", false, "ab"},
      {"aAbBa", true, "aAbB"},
      {"a\xD6\xD0"
       "a",
       false, "a\xD6\xD0"},                                                     // a中a
      {"\xD6\xD0\xCE\xC4\xD7\xD6\xD6\xD0", false, "\xD6\xD0\xCE\xC4\xD7\xD6"},  // 中文字中
      {"a\xA3\xC1"
       "a",
       false, "a\xA3\xC1"},  // aＡa
      {"\x81\x41"
       "A",
       false,
       "\x81\x41"
       "A"},                                    // 丄A stays
      {"\xD6\xD0\xD6", false, "\xD6\xD0\xD6"},  // a lone lead byte is a character of its own
      {"\xA3\xC1\xA3\xE1", false, "\xA3\xC1\xA3\xE1"},  // full-width letters never fold
  };
  for (const row& r : rows) {
    EXPECT_EQ(delete_repeated_characters(r.source, r.case_sensitive), r.expected) << r.source;
  }
}

TEST(DeleteRepeatedLines, WholeLinesEmptiedKeepingTheirBreaks) {
  struct row {
    std::string source;
    bool case_sensitive;
    std::string expected;
  };
  const std::string nihao = "\xC4\xE3\xBA\xC3", shijie = "\xCA\xC0\xBD\xE7",
                    zhongwen = "\xD6\xD0\xCE\xC4";
  const std::vector<row> rows = {
      {lines({"abc", "abc", "xyz"}), true, lines({"abc", "", "xyz"})},
      {lines({"a", "b", "a"}), true, lines({"a", "b", ""})},
      {lines({"ab", "xaby", "ab"}), true, lines({"ab", "xaby", ""})},
      {lines({"abcd", "bc"}), true, lines({"abcd", "bc"})},
      {lines({"x", "", "x"}), true, lines({"x", "", ""})},
      {lines({"ab", "", "ab", ""}), true, lines({"ab", "", "", ""})},
      {lines({nihao, shijie, nihao}), true, lines({nihao, shijie, ""})},
      {lines({zhongwen, zhongwen, ""}), true, lines({zhongwen, "", ""})},
      {lines({"ab", "AB", "ab"}), true, lines({"ab", "AB", ""})},
      {lines({"ab", "AB", "ab"}), false, lines({"ab", "", ""})},
      {lines({"AB", "ab"}), false, lines({"AB", ""})},
      {lines({"\x81\x41", "\x81\x61"}), false,
       lines({"\x81\x41", "\x81\x61"})},  // 丄 and 乤 differ
      {"\xD6\r\na\r\n\xD6\r\na", true,
       "\xD6\r\na\r\n"},  // D6 takes the CR: a line of three bytes, twice
      {"no break", true, "no break"},
      {"", false, ""},
      {"\r\n\r\n", false, "\r\n\r\n"},
  };
  for (const row& r : rows) {
    EXPECT_EQ(delete_repeated_lines(r.source, r.case_sensitive), r.expected)
        << testing::PrintToString(r.source) << " case sensitive " << r.case_sensitive;
  }
}

TEST(ByteListAndHexDump, PieceByPieceForms) {
  struct row {
    std::string source, byte_list, hex;
  };
  const std::vector<row> rows = {
      {"", "{}", ""},
      {"AB", "{65,66}", "41 42"},
      {"\xD6\xD0", "{214,208}", "D6 D0"},
      {"a\r\nb", "{97,13,10,98}", "61 D A 62"},
      {"\x80\xFF\x01\x7F", "{128,255,1,127}", "80 FF 1 7F"},
  };
  for (const row& r : rows) {
    EXPECT_EQ(to_byte_list(r.source), r.byte_list);
    EXPECT_EQ(to_hex_dump(r.source), r.hex);
  }
}

TEST(FromByteList, LenientReading) {
  const std::vector<case_row> rows = {
      {"{72,105}", "Hi"},
      {"72,105", "Hi"},
      {"{ 72 , 105 }", "Hi"},
      {"{214,208}", "\xD6\xD0"},
      {"{321}", "A"},
      {"{-191}", "A"},
      {"{65,66,}", "AB"},
      {"{65,,66}", "A"},
      {"{65,0,66}", "A"},
      {"{,65}", ""},
      {"{}", ""},
      {"{0x41}", ""},
      {"", ""},
      {"{65,6}{6}", "AB"},
      {"214", "\xD6"},
      {"\xA3\xB6\xA3\xB5,\xA1\xA1\xA3\xAB\xA3\xB6\xA3\xB6",
       "AB"},  // full-width digits, space, plus
      {"65\xA3\xAC"
       "66",
       "A"},  // a full-width comma is no separator
      {"65,66\xD6", "AB"},
      {"65,\xD6", "A"},     // a piece that is a lone lead byte reads as 0
      {"65\xD6,66", "A"},   // D6 takes the comma with it: one piece, 65
      {"4294967361", "A"},  // wraps modulo 2^32
  };
  for (const case_row& r : rows) EXPECT_EQ(from_byte_list(r.source), r.expected) << r.source;
}

TEST(LetterCase, ConvertsEveryLetterPairAndNeverASecondByte) {
  struct row {
    std::string source, upper, lower;
  };
  const std::vector<row> rows = {
      {"", "", ""},
      {"abc\xD6\xD0\xCE\xC4"
       "Def",
       "ABC\xD6\xD0\xCE\xC4"
       "DEF",
       "abc\xD6\xD0\xCE\xC4"
       "def"},
      {"\x81\x61\x81\x41", "\x81\x61\x81\x41", "\x81\x61\x81\x41"},  // 乤 and 丄 pass through
      {"\xA3\xE1\xA3\xC1", "\xA3\xC1\xA3\xC1", "\xA3\xE1\xA3\xE1"},  // full-width ａ Ａ
      {"\xA6\xC1\xA6\xA1", "\xA6\xA1\xA6\xA1", "\xA6\xC1\xA6\xC1"},  // Greek α Α
      {"\xA7\xD1\xA7\xA1\xA7\xF1", "\xA7\xA1\xA7\xA1\xA7\xC1",
       "\xA7\xD1\xA7\xD1\xA7\xF1"},  // а А я
      {"1\t\r\nz\xD6", "1\t\r\nZ\xD6", "1\t\r\nz\xD6"},
  };
  for (const row& r : rows) {
    EXPECT_EQ(to_upper_case(r.source), r.upper) << r.source;
    EXPECT_EQ(to_lower_case(r.source), r.lower) << r.source;
  }
}

TEST(NormaliseFullWidth, BracesAndCommasOnly) {
  const std::vector<case_row> rows = {
      {"\xA3\xFB"
       "65\xA3\xAC"
       "66\xA3\xFD",
       "{65,66}"},
      {"\xA3\xB1\xA3\xBB\xA3\xBA\xA1\xA1", "\xA3\xB1\xA3\xBB\xA3\xBA\xA1\xA1"},  // １；：　stay
      {"\xD6\xA3\xFB", "\xD6\xA3\xFB"},  // D6 A3 is a character; FB alone
      {"\xA3", "\xA3"},
      {"", ""},
  };
  for (const case_row& r : rows) EXPECT_EQ(normalise_full_width(r.source), r.expected) << r.source;
}

}  // namespace
}  // namespace mosuo
