// One call of pastParticiple / nounPlural on the delivered tables: each scans
// its whole table once, and must stay well under 5 microseconds.
#include <benchmark/benchmark.h>

#include <span>
#include <string>
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

using Inflection = std::string (*)(const lexorra::EnglishTables&, std::string_view);

// One call of `inflect` on the caption numbered by the benchmark's argument.
void inflectionCall(benchmark::State& state, Inflection inflect,
                    std::span<const std::string_view> captions) {
  const auto& tables = deliveredTables();
  const std::string_view caption = captions[state.range(0)];
  for (auto _ : state) benchmark::DoNotOptimize(inflect(tables, caption));
  state.SetLabel(std::string(caption));
}
BENCHMARK_CAPTURE(inflectionCall, pastParticiple, lexorra::pastParticiple, kVerbs)
    ->DenseRange(0, std::size(kVerbs) - 1);
BENCHMARK_CAPTURE(inflectionCall, nounPlural, lexorra::nounPlural, kNouns)
    ->DenseRange(0, std::size(kNouns) - 1);

}  // namespace
