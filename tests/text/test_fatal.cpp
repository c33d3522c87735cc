#include <gtest/gtest.h>

#include <cstdio>
#include <new>

#include "text/fatal.hpp"

namespace mosuo {
namespace {

TEST(FatalDeathTest, NamesTheErrorAndEndsWithMinusOne) {
  EXPECT_EXIT(fatal(fatal_reason::element_index, index_below_one), testing::ExitedWithCode(255),
              "element index out of range \\(code 4\\)");
}

TEST(FatalDeathTest, AnInstalledHandlerRunsBeforeTheEnd) {
  EXPECT_EXIT(
      {
        set_fatal_handler([](fatal_reason, int code) { std::fprintf(stderr, "shown %d", code); });
        fatal(fatal_reason::element_index, index_past_end);
      },
      testing::ExitedWithCode(255), "shown 1");
}

TEST(FatalDeathTest, RefusedMemoryIsFatal) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer's allocator does not call the new handler";
#endif
  EXPECT_EXIT(
      {
        install_out_of_memory_handler();
        void* volatile p = ::operator new (std::size_t{1} << 62);
        ::operator delete(p);
      },
      testing::ExitedWithCode(255), "memory for a new value was refused");
}

}  // namespace
}  // namespace mosuo
