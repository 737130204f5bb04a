// One call of pastParticiple / nounPlural on the delivered tables: each scans
// its whole table once, and must stay well under 5 microseconds.
#include <benchmark/benchmark.h>

#include <string_view>

#include "english/english.h"

namespace {

const lexorra::EnglishTables& deliveredTables() {
  static const lexorra::EnglishTables tables = lexorra::loadEnglishTables(LEXORRA_BIN_DIR);
  return tables;
}

// A regular word, a table word, a multi-word caption and a word the doubling
// and "y" rules both touch.
constexpr std::string_view kVerbs[] = {"love", "withstand", "give up", "marry", "visit"};
constexpr std::string_view kNouns[] = {"dog", "wolf", "man of war", "city", "one who loves"};

void pastParticipleCall(benchmark::State& state) {
  const auto& tables = deliveredTables();
  const std::string_view caption = kVerbs[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(lexorra::pastParticiple(tables, caption));
  state.SetLabel(std::string(caption));
}
BENCHMARK(pastParticipleCall)->DenseRange(0, std::size(kVerbs) - 1);

void nounPluralCall(benchmark::State& state) {
  const auto& tables = deliveredTables();
  const std::string_view caption = kNouns[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(lexorra::nounPlural(tables, caption));
  state.SetLabel(std::string(caption));
}
BENCHMARK(nounPluralCall)->DenseRange(0, std::size(kNouns) - 1);

}  // namespace
