// The fast primitives against their step-by-step references on many short
// texts rich in lead bytes, second bytes that look like ASCII, and letters.
#include <gtest/gtest.h>

#include "random_text.hpp"
#include "reference.hpp"
#include "text/primitives.hpp"

namespace mosuo {
namespace {

constexpr int rounds = 200000;

TEST(PrimitivesDifferential, FindMatchesReference) {
  random_text::generator gen(1);
  for (int i = 0; i < rounds; ++i) {
    const std::string t = gen.text(12), sub = gen.sub_text(t, 4);
    const position start = gen.number(-2, static_cast<int>(t.size()) + 2);
    const bool ignore_case = gen.coin();
    ASSERT_EQ(text_find(t, sub, start, ignore_case), reference::find(t, sub, start, ignore_case))
        << testing::PrintToString(t) << " sub " << testing::PrintToString(sub) << " start " << start
        << " ignore case " << ignore_case;
  }
}

TEST(PrimitivesDifferential, ReplaceAllMatchesReference) {
  random_text::generator gen(2);
  for (int i = 0; i < rounds; ++i) {
    const std::string t = gen.text(12), sub = gen.sub_text(t, 3), replacement = gen.text(2);
    const position start = gen.number(-2, static_cast<int>(t.size()) + 2);
    const bool case_sensitive = gen.coin();
    ASSERT_EQ(text_replace_all(t, sub, replacement, start, case_sensitive),
              reference::replace_all(t, sub, replacement, start, case_sensitive))
        << testing::PrintToString(t) << " sub " << testing::PrintToString(sub) << " start " << start
        << " case sensitive " << case_sensitive;
  }
}

TEST(PrimitivesDifferential, SplitAndRemoveSpacesMatchReference) {
  random_text::generator gen(3);
  for (int i = 0; i < rounds; ++i) {
    const std::string t = gen.text(14), delimiter = gen.coin() ? "\r\n" : gen.sub_text(t, 2);
    ASSERT_EQ(text_split(t, delimiter), reference::split(t, delimiter))
        << testing::PrintToString(t) << " at " << testing::PrintToString(delimiter);
    ASSERT_EQ(text_remove_spaces(t), reference::remove_spaces(t)) << testing::PrintToString(t);
  }
}

}  // namespace
}  // namespace mosuo
