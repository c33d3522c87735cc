// The one-pass commands against the step-by-step references on many short
// texts rich in the bytes that trip up stepping and folding.
#include <gtest/gtest.h>

#include "command_reference.hpp"
#include "random_text.hpp"
#include "text/commands.hpp"

namespace mosuo {
namespace {

constexpr int rounds = 100000;

TEST(CommandsDifferential, RepeatedDeletionEqualsTheSearchAndRemoveLoop) {
  random_text::generator gen(11);
  for (int i = 0; i < rounds; ++i) {
    const std::string source = gen.text(16), content = gen.sub_text(source, 4);
    const bool case_sensitive = gen.coin();
    ASSERT_EQ(delete_content(source, content, case_sensitive),
              reference::repeated_deletion(source, content, !case_sensitive))
        << testing::PrintToString(source) << " less " << testing::PrintToString(content)
        << " case sensitive " << case_sensitive;
    ASSERT_EQ(delete_line_breaks(source), reference::repeated_deletion(source, "\r\n", false));
    ASSERT_EQ(delete_tab_line_breaks(source),
              reference::repeated_deletion(source, "\t\r\n", false));
  }
}

TEST(CommandsDifferential, DuplicateRemovalEqualsThePlainRule) {
  random_text::generator gen(12);
  for (int i = 0; i < rounds; ++i) {
    const std::string source = gen.text(16);
    const bool case_sensitive = gen.coin();
    ASSERT_EQ(delete_repeated_characters(source, case_sensitive),
              reference::repeated_characters(source, case_sensitive))
        << testing::PrintToString(source);
    // short lines, so that repeats are common
    std::string lined;
    for (int k = gen.number(0, 6); k > 0; --k) lined += gen.text(2) + (gen.coin() ? "\r\n" : "");
    ASSERT_EQ(delete_repeated_lines(lined, case_sensitive),
              reference::repeated_lines(lined, case_sensitive))
        << testing::PrintToString(lined) << " case sensitive " << case_sensitive;
  }
}

TEST(CommandsDifferential, ConversionsEqualPieceByPieceConstruction) {
  random_text::generator gen(13);
  for (int i = 0; i < rounds; ++i) {
    const std::string source = gen.text(16);
    ASSERT_EQ(to_byte_list(source), reference::byte_list(source));
    ASSERT_EQ(to_hex_dump(source), reference::hex_dump(source));
    ASSERT_EQ(from_byte_list(source), reference::from_byte_list(source))
        << testing::PrintToString(source);
    ASSERT_EQ(to_upper_case(source), reference::convert_case(source, true))
        << testing::PrintToString(source);
    ASSERT_EQ(to_lower_case(source), reference::convert_case(source, false))
        << testing::PrintToString(source);
    ASSERT_EQ(normalise_full_width(source), reference::normalise_full_width(source))
        << testing::PrintToString(source);
  }
}

TEST(CommandsDifferential, LongTextsTakeTheBlockPathsToo) {
  random_text::generator gen(14);
  for (int i = 0; i < 4000; ++i) {
    const std::string source = gen.long_text(300), content = gen.sub_text(source, 3);
    const bool case_sensitive = gen.coin();
    ASSERT_EQ(delete_content(source, content, case_sensitive),
              reference::repeated_deletion(source, content, !case_sensitive))
        << testing::PrintToString(source) << " less " << testing::PrintToString(content);
    ASSERT_EQ(delete_line_breaks(source), reference::repeated_deletion(source, "\r\n", false))
        << testing::PrintToString(source);
    ASSERT_EQ(delete_spaces(source), reference::remove_spaces(source))
        << testing::PrintToString(source);
    ASSERT_EQ(to_upper_case(source), reference::convert_case(source, true))
        << testing::PrintToString(source);
    ASSERT_EQ(to_lower_case(source), reference::convert_case(source, false))
        << testing::PrintToString(source);
  }
}

}  // namespace
}  // namespace mosuo
