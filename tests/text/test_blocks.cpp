// The block masks against byte-by-byte stepping.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "random_text.hpp"
#include "text/blocks.hpp"

namespace mosuo {
namespace {

TEST(Blocks, MasksAndCharactersMatchByteByByteStepping) {
  random_text::generator gen(21);
  std::mt19937 rng(22);
  for (int round = 0; round < 20000; ++round) {
    std::string bytes;
    // runs of high and low bytes of every length, and plain random bytes
    while (bytes.size() < 64) {
      const std::string piece = gen.text(6);
      bytes += round % 3 == 0 ? std::string(gen.number(0, 9), '\xD6') + piece : piece;
    }
    bytes.resize(64);
    const bool first_is_second_byte = rng() & 1;
    const blocks::block b(bytes.data());
    const blocks::characters c = blocks::step(b.high, first_is_second_byte);

    std::uint64_t high = 0, spaces = 0, leads = 0, second_bytes = 0;
    bool second = first_is_second_byte;
    for (int i = 0; i < 64; ++i) {
      const auto byte = static_cast<unsigned char>(bytes[i]);
      high |= std::uint64_t{byte >= 0x80} << i;
      spaces |= std::uint64_t{byte == ' '} << i;
      second_bytes |= std::uint64_t{second} << i;
      const bool lead = !second && byte >= 0x80;
      leads |= std::uint64_t{lead} << i;
      second = lead;
    }
    ASSERT_EQ(b.high, high) << testing::PrintToString(bytes);
    ASSERT_EQ(b.equal(' '), spaces) << testing::PrintToString(bytes);
    ASSERT_EQ(c.leads, leads) << testing::PrintToString(bytes) << " " << first_is_second_byte;
    ASSERT_EQ(c.second_bytes, second_bytes) << testing::PrintToString(bytes);
    ASSERT_EQ(c.next_starts_with_second_byte, second);
  }
}

TEST(Blocks, SpreadBitsMakesOneByteABit) {
  EXPECT_EQ(blocks::spread_bits[0x00], 0u);
  EXPECT_EQ(blocks::spread_bits[0x01], 0x01u);
  EXPECT_EQ(blocks::spread_bits[0x81], 0x0100000000000001u);
  EXPECT_EQ(blocks::spread_bits[0xFF], 0x0101010101010101u);
}

}  // namespace
}  // namespace mosuo
