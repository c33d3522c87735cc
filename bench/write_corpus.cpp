// Writes the benchmark corpus of the given size in megabytes to standard
// output, for the whole-process comparisons.
#include <cstdio>
#include <cstdlib>

#include "corpus.hpp"

int main(int argc, char** argv) {
  const long megabytes = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100;
  const std::string& t =
      mosuo::bench::corpus(static_cast<std::size_t>(megabytes) * mosuo::bench::megabyte);
  return std::fwrite(t.data(), 1, t.size(), stdout) == t.size() ? 0 : 1;
}
