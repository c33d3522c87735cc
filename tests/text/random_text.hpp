// Short random texts drawn from the bytes that trip up character stepping and
// case folding, for the differential tests against the references.
#pragma once

#include <random>
#include <string>

namespace random_text {

inline constexpr char tricky[] = {'a',    'A',    'b',    'B',    ' ',    '\t',   '\r',
                                  '\n',   ',',    '{',    '}',    '0',    '5',    '\x41',
                                  '\x61', '\x81', '\xA1', '\xA3', '\xD6', '\xD0', '\xFF',
                                  '\xAC', '\xFB', '\xC1', '\xE1'};

class generator {
 public:
  explicit generator(unsigned start_value) : rng_(start_value) {}

  std::string text(int max_length) {
    std::string t(std::uniform_int_distribution<int>(0, max_length)(rng_), ' ');
    for (char& c : t) c = tricky[std::uniform_int_distribution<int>(0, sizeof tricky - 1)(rng_)];
    return t;
  }
  // A text of 64 bytes or more, so that whole blocks of 64 are read, with
  // long runs of lead bytes among the tricky bytes.
  std::string long_text(int max_length) {
    std::string t;
    const int length = number(64, max_length);
    while (static_cast<int>(t.size()) < length) {
      t += coin() ? std::string(number(0, 9), '\xD6') + text(8) : text(8);
    }
    return t.substr(0, length);
  }
  // Often a piece of `t` itself, so that matches are common.
  std::string sub_text(const std::string& t, int max_length) {
    if (!t.empty() && coin()) {
      const int from = number(0, static_cast<int>(t.size()) - 1);
      return t.substr(from, number(0, max_length));
    }
    return text(max_length);
  }
  int number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  bool coin() { return number(0, 1) == 1; }

 private:
  std::mt19937 rng_;
};

}  // namespace random_text
