#include "corpus.hpp"

#include <cstdint>
#include <map>

namespace mosuo::bench {
namespace {

// splitmix64: fast, and the same on every machine.
class random_bytes {
 public:
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EB;
    return z ^ (z >> 31);
  }
  unsigned below(unsigned n) { return static_cast<unsigned>(next() % n); }

 private:
  std::uint64_t state_ = 20261211;
};

std::string generate(std::size_t size) {
  random_bytes rng;
  std::string t;
  t.reserve(size + 64);
  std::size_t line_start = 0;
  while (t.size() < size) {
    switch (rng.below(10)) {
      case 0:
      case 1:
      case 2:
      case 3: {  // an ASCII word and a space
        for (unsigned n = 2 + rng.below(8); n > 0; --n) {
          const unsigned letter = rng.below(52);
          t.push_back(static_cast<char>(letter < 26 ? 'a' + letter : 'A' + letter - 26));
        }
        t.push_back(' ');
        break;
      }
      case 4:
      case 5:
      case 6:
      case 7: {  // a run of GB2312 hanzi
        for (unsigned n = 1 + rng.below(6); n > 0; --n) {
          t.push_back(static_cast<char>(0xB0 + rng.below(0xF7 - 0xB0 + 1)));
          t.push_back(static_cast<char>(0xA1 + rng.below(0xFE - 0xA1 + 1)));
        }
        break;
      }
      case 8: {  // full-width punctuation: ， 。 、 ｛ ｝ or the ideographic space
        static constexpr const char* marks[] = {"\xA3\xAC", "\xA1\xA3", "\xA1\xA2",
                                                "\xA3\xFB", "\xA3\xFD", "\xA1\xA1"};
        t.append(marks[rng.below(6)]);
        break;
      }
      default:
        t.append(rng.below(2) ? ", " : ". ");
    }
    if (t.size() - line_start >= 44 + rng.below(12)) {
      t.append("\r\n");
      line_start = t.size();
    }
  }
  // cut at a character boundary, so the corpus holds whole characters only
  std::size_t boundary = 0;
  while (boundary < size) {
    const std::size_t width = static_cast<unsigned char>(t[boundary]) >= 0x80 ? 2 : 1;
    if (boundary + width > size) break;
    boundary += width;
  }
  t.resize(boundary);
  t.resize(size, '.');
  return t;
}

}  // namespace

const std::string& corpus(std::size_t size) {
  static std::map<std::size_t, std::string> made;
  auto [it, fresh] = made.try_emplace(size);
  if (fresh) it->second = generate(size);
  return it->second;
}

}  // namespace mosuo::bench
