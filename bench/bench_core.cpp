// The primitives and the panel's commands over the generated corpus, beside
// memchr and memcpy over the same buffer as yardsticks.
#include <benchmark/benchmark.h>

#include <cstring>  // memchr, memcpy
#include <string>

#include "corpus.hpp"
#include "text/commands.hpp"
#include "text/primitives.hpp"

namespace mosuo::bench {
namespace {

const std::string& input(const benchmark::State& state) {
  return corpus(static_cast<std::size_t>(state.range(0)) * megabyte);
}

template <typename Run>
void measure(benchmark::State& state, Run run) {
  const std::string& t = input(state);
  for (auto _ : state) benchmark::DoNotOptimize(run(t));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * t.size()));
}

void yardstick_memchr(benchmark::State& state) {
  measure(state, [](const std::string& t) { return std::memchr(t.data(), '~', t.size()); });
}
void yardstick_memcpy(benchmark::State& state) {
  std::string copy(input(state).size(), '\0');
  measure(state, [&](const std::string& t) {
    std::memcpy(copy.data(), t.data(), t.size());
    return copy.data();
  });
}

void find_rare(benchmark::State& state) {
  measure(state, [](const std::string& t) { return text_find(t, rare_sub_text, 1, false); });
}
void find_rare_ignoring_case(benchmark::State& state) {
  measure(state, [](const std::string& t) { return text_find(t, "QZ~7", 1, true); });
}
void replace_all(benchmark::State& state) {  // the full-width comma, as the normalisation does
  measure(state,
          [](const std::string& t) { return text_replace_all(t, "\xA3\xAC", ",", 1, true); });
}
void remove_spaces(benchmark::State& state) {
  measure(state, text_remove_spaces);
}
void split_lines(benchmark::State& state) {
  measure(state, [](const std::string& t) { return text_split(t, "\r\n"); });
}

void command_spaces(benchmark::State& state) {
  measure(state, delete_spaces);
}
void command_line_breaks(benchmark::State& state) {
  measure(state, delete_line_breaks);
}
void command_tab_line_breaks(benchmark::State& state) {
  measure(state, delete_tab_line_breaks);
}
void command_delete_1k(benchmark::State& state) {
  const std::string content = input(state).substr(1000, 1024);
  measure(state, [&](const std::string& t) { return delete_content(t, content, false); });
}
void command_delete_1m(benchmark::State& state) {
  const std::string content = input(state).substr(1000, megabyte);
  measure(state, [&](const std::string& t) { return delete_content(t, content, false); });
}
void command_repeated_characters(benchmark::State& state) {
  measure(state, [](const std::string& t) { return delete_repeated_characters(t, false); });
}
void command_repeated_lines(benchmark::State& state) {
  measure(state, [](const std::string& t) { return delete_repeated_lines(t, false); });
}
void command_repeated_lines_case_sensitive(benchmark::State& state) {
  measure(state, [](const std::string& t) { return delete_repeated_lines(t, true); });
}
void command_byte_list(benchmark::State& state) {
  measure(state, to_byte_list);
}
void command_from_byte_list(benchmark::State& state) {
  // measured per byte of the byte list it reads
  const std::string list = to_byte_list(input(state)).substr(0, input(state).size());
  for (auto _ : state) benchmark::DoNotOptimize(from_byte_list(list));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * list.size()));
}
void command_hex(benchmark::State& state) {
  measure(state, to_hex_dump);
}
void command_upper(benchmark::State& state) {
  measure(state, to_upper_case);
}
void command_lower(benchmark::State& state) {
  measure(state, to_lower_case);
}
void command_full_width(benchmark::State& state) {
  measure(state, normalise_full_width);
}

// Sizes in megabytes.
#define CORPUS_SIZES ->Arg(1)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)
BENCHMARK(yardstick_memchr) CORPUS_SIZES;
BENCHMARK(yardstick_memcpy) CORPUS_SIZES;
BENCHMARK(find_rare) CORPUS_SIZES;
BENCHMARK(find_rare_ignoring_case) CORPUS_SIZES;
BENCHMARK(replace_all) CORPUS_SIZES;
BENCHMARK(remove_spaces) CORPUS_SIZES;
BENCHMARK(split_lines) CORPUS_SIZES;
BENCHMARK(command_spaces) CORPUS_SIZES;
BENCHMARK(command_line_breaks) CORPUS_SIZES;
BENCHMARK(command_tab_line_breaks) CORPUS_SIZES;
BENCHMARK(command_delete_1k) CORPUS_SIZES;
BENCHMARK(command_delete_1m)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(command_repeated_characters) CORPUS_SIZES;
BENCHMARK(command_repeated_lines) CORPUS_SIZES;
BENCHMARK(command_repeated_lines_case_sensitive) CORPUS_SIZES;
BENCHMARK(command_byte_list) CORPUS_SIZES;
BENCHMARK(command_from_byte_list) CORPUS_SIZES;
BENCHMARK(command_hex) CORPUS_SIZES;
BENCHMARK(command_upper) CORPUS_SIZES;
BENCHMARK(command_lower) CORPUS_SIZES;
BENCHMARK(command_full_width) CORPUS_SIZES;

}  // namespace
}  // namespace mosuo::bench

BENCHMARK_MAIN();
