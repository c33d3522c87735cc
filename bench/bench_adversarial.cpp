// Inputs that make a restart-from-the-beginning algorithm quadratic; each
// must stay linear.
#include <benchmark/benchmark.h>

#include <string>

#include "text/commands.hpp"

namespace mosuo::bench {
namespace {

template <typename Make, typename Run>
void measure(benchmark::State& state, Make make, Run run) {
  const std::string t = make();
  for (auto _ : state) benchmark::DoNotOptimize(run(t));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * t.size()));
}

void nested_pairs(benchmark::State& state) {  // a^5M b^5M less ab: one cascade
  measure(
      state, [] { return std::string(5'000'000, 'a') + std::string(5'000'000, 'b'); },
      [](const std::string& t) { return delete_content(t, "ab", true); });
}
void nested_line_breaks(benchmark::State& state) {  // CR ... CR LF ... LF, 10 MB
  measure(
      state, [] { return std::string(5'000'000, '\r') + std::string(5'000'000, '\n'); },
      delete_line_breaks);
}
void distinct_lines(benchmark::State& state) {
  measure(
      state,
      [] {
        std::string t;
        for (int i = 0; i < 1'000'000; ++i) t += "line " + std::to_string(i) + "\r\n";
        return t;
      },
      [](const std::string& t) { return delete_repeated_lines(t, false); });
}
void one_line_repeated(benchmark::State& state) {
  measure(
      state,
      [] {
        std::string t;
        for (int i = 0; i < 1'000'000; ++i) t += "the same line\r\n";
        return t;
      },
      [](const std::string& t) { return delete_repeated_lines(t, false); });
}
void periodic_content(benchmark::State& state) {  // a long periodic text ② over a long run
  const std::string content(100'000, 'a');
  measure(
      state, [] { return std::string(10'000'000, 'a') + "b"; },
      [&](const std::string& t) { return delete_content(t, content + "b", true); });
}

BENCHMARK(nested_pairs)->Unit(benchmark::kMillisecond);
BENCHMARK(nested_line_breaks)->Unit(benchmark::kMillisecond);
BENCHMARK(distinct_lines)->Unit(benchmark::kMillisecond);
BENCHMARK(one_line_repeated)->Unit(benchmark::kMillisecond);
BENCHMARK(periodic_content)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mosuo::bench

BENCHMARK_MAIN();
