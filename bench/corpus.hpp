// A deterministic corpus of GBK text for the benchmarks: ASCII words,
// Chinese characters, full-width punctuation and spaces, in CR LF lines of
// about 50 bytes. The same size always gives the same bytes.
#pragma once

#include <cstddef>
#include <string>

namespace mosuo::bench {

const std::string& corpus(std::size_t size);

// A sub-text the corpus never holds (its words have no digits or tilde).
inline constexpr const char* rare_sub_text = "qz~7";

inline constexpr std::size_t megabyte = 1 << 20;

}  // namespace mosuo::bench
