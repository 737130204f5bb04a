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

// The first entry of the table whose English headword is `headword`, or -1.
int findWord(const Lexicon& lexicon, Table table, std::string_view headword) {
  const TableInfo& info = tableInfo(table);
  for (std::size_t i = 0; i < info.capacity; ++i) {
    if (lexicon.line(table, i).empty()) continue;
    try {
      if (lexicon.englishHeadword(info.kind, i) == headword) return static_cast<int>(i);
    } catch (const LookupOutOfRange&) {
    }
  }
  return -1;
}

MottoState fullMotto(const Setup& s) {
  const Lexicon& lex = s.lexicon;
  auto noun = [&](std::string_view w) { return findWord(lex, Table::noun, w); };
  auto adjective = [&](std::string_view w) { return findWord(lex, Table::adjective, w); };
  testing::MottoBuilder b;
  b.actor("The (single)", noun("dog"), adjective("good"), "( good)")
      .linkActor(true, "a", noun("eagle"))
      .act("do/does/dost/doth", findWord(lex, Table::verb, "love"))
      .acted("the (plural)", noun("sword"), adjective("big"), "( big)")
      .linkActed(false, "the (single)", noun("son"))
      .manner(findWord(lex, Table::adverb, "always"), "always")
      .preposition(findWord(lex, Table::preposition, "with"), "with", "the (single)", noun("sword"),
                   adjective("good"), "( good)")
      .linkPreposition(true, "the (plural)", noun("eagle"))
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
