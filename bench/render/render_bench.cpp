// One refresh tick (render, caption adaptation, tidy) on a full motto: all
// four sections, both links of the things and of the preposition, and a
// broad question. Runs on the delivered data files when they lie beside the
// program, otherwise on the hand-made lexicon of the renderer tests.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <string_view>

#include "editor/refresh.h"
#include "test_motto.h"
#include "text/textops.h"

namespace {

using namespace lexorra;

struct Setup {
  Lexicon lexicon;
  EnglishTables english;
  bool delivered = false;
};

const Setup& setup() {
  static const Setup s = [] {
    Setup out;
    const std::filesystem::path bin = LEXORRA_BIN_DIR;
    if (std::filesystem::exists(bin / "nouns.dat")) {
      out.lexicon = loadDictionaries(bin);
      out.delivered = true;
    } else {
      out.lexicon = testing::smallLexicon();
    }
    out.english = std::filesystem::exists(bin / "engIrregVerbs.txt") &&
                          std::filesystem::exists(bin / "engIrregNouns.txt")
                      ? loadEnglishTables(bin)
                      : testing::smallEnglishTables();
    return out;
  }();
  return s;
}

// The first entry of the table whose field `field` reads `latin`, or -1.
int findLatin(const Lexicon& lexicon, Table table, std::size_t field, std::string_view latin) {
  for (std::size_t i = 0; i < lexicon.capacity(table); ++i) {
    auto f = text::fieldAt(lexicon.line(table, i), field);
    if (f && *f == latin) return static_cast<int>(i);
  }
  return -1;
}

MottoState fullMotto(const Setup& s) {
  const Lexicon& lex = s.lexicon;
  auto noun = [&](std::string_view nominative) {
    return findLatin(lex, Table::noun, 5, nominative);
  };
  auto adjective = [&](std::string_view m) { return findLatin(lex, Table::adjective, 0, m); };
  testing::MottoBuilder b;
  b.actor("The (single)", noun("canis"), adjective("bonus"), "( good)")
      .linkActor(true, "a", noun("aquila"))
      .act("do/does/dost/doth", findLatin(lex, Table::verb, 1, "amare"))
      .acted("the (plural)", noun("gladius"), adjective("magnus"), "( big)")
      .linkActed(false, "the (single)", noun("filius"))
      .manner(findLatin(lex, Table::adverb, 0, "semper"), "always")
      .preposition(findLatin(lex, Table::preposition, 0, "cum"), "with", "the (single)",
                   noun("gladius"), adjective("bonus"), "( good)")
      .linkPreposition(true, "the (plural)", noun("aquila"))
      .question(&MottoState::whyOption);
  // Two ticks: captions adapted, then rendered from them, as on screen.
  Timer1_Timer(b.s, lex, s.english);
  Timer1_Timer(b.s, lex, s.english);
  return b.s;
}

void BM_RefreshTickFullMotto(benchmark::State& state) {
  const Setup& s = setup();
  MottoState motto = fullMotto(s);
  for (auto _ : state) {
    Timer1_Timer(motto, s.lexicon, s.english);
    benchmark::DoNotOptimize(motto.finalLatin.data());
    benchmark::DoNotOptimize(motto.finalEnglish.data());
  }
  state.SetLabel((s.delivered ? "delivered data: " : "hand-made lexicon: ") + motto.finalLatin +
                 " / " + motto.finalEnglish);
}
BENCHMARK(BM_RefreshTickFullMotto);

void BM_RenderSentencesFullMotto(benchmark::State& state) {
  const Setup& s = setup();
  MottoState motto = fullMotto(s);
  for (auto _ : state) {
    renderSentences(motto, s.lexicon);
    benchmark::DoNotOptimize(motto.finalLatin.data());
  }
}
BENCHMARK(BM_RenderSentencesFullMotto);

}  // namespace
