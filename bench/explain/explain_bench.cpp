// The word-by-word sheet of a typical motto ("amor pecuniae radix malorum
// omnium est", six words): the Latin render without and with its trace, the
// whole sheet (trace, match and rows), and the parser's check of it (one run
// of whitakers-words). Needs the delivered data beside the program.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "editor/motto_file.h"
#include "editor/refresh.h"
#include "explain/explain.h"
#include "explain/parser_check.h"
#include "render/latin_render.h"
#include "render/latin_trace.h"

namespace {

using namespace lexorra;

struct Setup {
  Lexicon lexicon;
  EnglishTables english;
  MottoState motto;
};

const Setup& setup() {
  static const Setup s = [] {
    const std::filesystem::path bin = LEXORRA_BIN_DIR;
    Setup out{loadDictionaries(bin), loadEnglishTables(bin), {}};
    out.motto.Enabled = true;
    loadExample(out.motto, out.lexicon, bin, "ex_love_of_money_is_the_root_of_allevery_evil");
    for (int tick = 0; tick < 4; ++tick) Timer1_Timer(out.motto, out.lexicon, out.english);
    return out;
  }();
  return s;
}

void BM_RenderLatin(benchmark::State& state) {
  const Setup& s = setup();
  for (auto _ : state)
    benchmark::DoNotOptimize(renderLatin(s.motto, readRenderValues(s.motto, s.lexicon), s.lexicon));
}
BENCHMARK(BM_RenderLatin);

void BM_TraceLatin(benchmark::State& state) {
  const Setup& s = setup();
  for (auto _ : state) benchmark::DoNotOptimize(traceLatin(s.motto, s.lexicon));
}
BENCHMARK(BM_TraceLatin);

void BM_ExplainMotto(benchmark::State& state) {
  const Setup& s = setup();
  for (auto _ : state) benchmark::DoNotOptimize(explain::explainMotto(s.motto, s.lexicon));
}
BENCHMARK(BM_ExplainMotto);

void BM_ParserCheck(benchmark::State& state) {
  const Setup& s = setup();
  if (!explain::parserInstalled()) {
    state.SkipWithError("whitakers-words is not installed");
    return;
  }
  const explain::Explanation sheet = explain::explainMotto(s.motto, s.lexicon);
  for (auto _ : state) {
    const explain::SheetCheck check = explain::checkSheet(sheet);
    if (check.confirmed() != sheet.rows.size()) state.SkipWithError("a word is not confirmed");
  }
}
BENCHMARK(BM_ParserCheck)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
