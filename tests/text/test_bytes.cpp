#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "text/bytes.hpp"

namespace mosuo {
namespace {

TEST(Bytes, TextAndBytesRoundTrip) {
  EXPECT_TRUE(text_to_bytes("").empty());
  EXPECT_EQ(bytes_length(text_to_bytes("")), 0);
  EXPECT_EQ(bytes_to_text(byte_sequence{}), "");
  EXPECT_EQ(text_to_bytes("\xD6\xD0"), (byte_sequence{214, 208}));
  struct row {
    byte_sequence b;
    text expected;
  };
  const std::vector<row> rows = {
      {{72, 0, 105}, "H"},         {{0}, ""},
      {{214, 208}, "\xD6\xD0"},    {{214}, "\xD6"},  // a lead byte at the end stays
      {{65, 66, 0, 67, 68}, "AB"},
  };
  for (const row& r : rows) EXPECT_EQ(bytes_to_text(r.b), r.expected);
}

TEST(Bytes, DecimalAndHexadecimal) {
  EXPECT_EQ(int_to_text(std::uint8_t{0}), "0");
  EXPECT_EQ(int_to_text(std::uint8_t{255}), "255");
  EXPECT_EQ(int_to_text(-5), "-5");
  EXPECT_EQ(int_to_text(INT32_MIN), "-2147483648");
  EXPECT_EQ(int_to_text(INT32_MAX), "2147483647");
  const std::vector<std::pair<std::int32_t, text>> hex = {
      {0, "0"}, {10, "A"}, {255, "FF"}, {-1, "FFFFFFFF"}, {0x1234abcd, "1234ABCD"}};
  for (const auto& [n, expected] : hex) EXPECT_EQ(int_to_hex(n), expected) << n;
}

TEST(Bytes, TextToIntReadsTheLeadingNumber) {
  const std::vector<std::pair<text, std::int32_t>> rows = {
      {"", 0},
      {"  42abc", 42},
      {"\r\n66", 66},
      {"\t\v\f7", 7},
      {"+7", 7},
      {"-1", -1},
      {"\xA3\xB7", 7},           // full-width 7
      {"\xA3\xAD\xA3\xB3", -3},  // full-width minus and 3
      {"\xA1\xA1"
       "12",
       12},               // ideographic space
      {"4294967296", 0},  // wraps modulo 2^32
      {"2147483648", INT32_MIN},
      {"4294967297", 1},
      {"--5", 0},
      {"- 5", 0},
      {"abc", 0},
      {"{65", 0},
      {"0x41", 0},
      {"1e3", 1},
      {"1,000", 1},
      {"65\xD6", 65},
  };
  for (const auto& [t, expected] : rows) EXPECT_EQ(text_to_int(t), expected) << t;
}

TEST(Bytes, FoldFullWidth) {
  const std::vector<std::pair<text, text>> rows = {
      {"\xA3\xC1\xA3\xE1\xA3\xB0", "Aa0"},
      {"\xA3\xFE\xA3\xA1", "~!"},
      {"\xA3\xFF\xA3\xA0", "\xA3\xFF\xA3\xA0"},  // outside the row of full-width forms
      {"\xA1\xA1\xA1\xAB\xA1\xEE\xA1\xEF", " ~**"},
      {"\xA1\xA2\xD6\xD0", "\xA1\xA2\xD6\xD0"},
      {"a\xD6", "a"},  // a lead byte at the end is dropped
      {"\xA3", ""},
  };
  for (const auto& [t, expected] : rows) EXPECT_EQ(fold_full_width(t), expected) << t;
}

TEST(Bytes, StoringKeepsTheLowEightBits) {
  const std::vector<std::pair<std::int32_t, std::uint8_t>> rows = {
      {256, 0}, {300, 44}, {-1, 255}, {-191, 65}, {65, 65}};
  for (const auto& [n, expected] : rows) {
    byte_sequence b{9};
    bytes_set(b, 1, n);
    EXPECT_EQ(bytes_get(b, 1), expected) << n;
  }
}

TEST(Bytes, Concatenation) {
  EXPECT_EQ(text_concat("", ""), "");
  EXPECT_EQ(text_concat("ab", "", "c"), "abc");
  EXPECT_TRUE(bytes_concat(byte_sequence{}, byte_sequence{}).empty());
  EXPECT_EQ(bytes_concat(byte_sequence{}, byte_sequence{0}), byte_sequence{0});
  EXPECT_EQ(bytes_concat(byte_sequence{1}, byte_sequence{}, byte_sequence{2, 3}),
            (byte_sequence{1, 2, 3}));
}

TEST(BytesDeathTest, ElementCheckFailsFatally) {
  const byte_sequence empty, two{1, 2};
  EXPECT_EXIT(bytes_get(two, 0), testing::ExitedWithCode(255), "code 4");
  EXPECT_EXIT(bytes_get(two, 3), testing::ExitedWithCode(255), "code 1");
  EXPECT_EXIT(bytes_get(empty, -1), testing::ExitedWithCode(255), "code 4")
      << "the code-4 check comes first";
  byte_sequence b{1};
  EXPECT_EXIT(bytes_set(b, 2, 0), testing::ExitedWithCode(255), "code 1");
  EXPECT_EQ(bytes_get(two, 2), 2);
}

}  // namespace
}  // namespace mosuo
