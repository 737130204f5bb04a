// Loading a lexicon filled to every table's capacity with lines of realistic
// length, and a mix of look-ups on it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "lexicon/lexicon.h"

namespace {

using namespace lexorra;

// A line of `fields` forms of about `formLength` characters, then a meaning.
// A preposition line has the case it governs in field 4.
std::string syntheticLine(std::size_t i, int fields, int formLength, bool preposition = false) {
  std::string line;
  std::string form(static_cast<std::size_t>(formLength), 'a');
  for (int k = 0; k < fields; ++k) {
    form[0] = static_cast<char>('a' + (i + static_cast<std::size_t>(k)) % 26);
    line += preposition && k == 4 ? "ACC" : form;
    line += ' ';
  }
  return line +
         (fields > 100 ? "::to l%ve, to b* l@k*d; to s$ppose" : "::love, affection; charity");
}

const std::filesystem::path& syntheticFolder() {
  static const std::filesystem::path dir = [] {
    auto d = std::filesystem::temp_directory_path() / "lexorra_bench_lexicon";
    std::filesystem::create_directories(d);
    for (const auto& info : lexorra::kTables) {
      std::ofstream out(d / info.fileName, std::ios::binary);
      int fields = 20, len = 8;                                   // nouns: about 200 bytes
      if (info.table == Table::adjective) fields = 110, len = 8;  // about 1 KB
      if (info.table == Table::verb) fields = 160, len = 8;       // about 1.5 KB
      if (info.table == Table::pronoun) fields = 36, len = 5;
      for (std::size_t i = 0; i < info.capacity; ++i)
        out << syntheticLine(i, fields, len, info.table == Table::preposition) << "\r\n";
    }
    return d;
  }();
  return dir;
}

void BM_LoadDictionariesFull(benchmark::State& state) {
  const auto& dir = syntheticFolder();
  for (auto _ : state) {
    Lexicon lex = lexorra::loadDictionaries(dir);
    benchmark::DoNotOptimize(lex);
  }
}
BENCHMARK(BM_LoadDictionariesFull)->Unit(benchmark::kMillisecond);

// The delivered data files copied beside the programs: what start-up reads.
void BM_LoadDictionariesDelivered(benchmark::State& state) {
  const std::filesystem::path bin = LEXORRA_BIN_DIR;
  if (!std::filesystem::exists(bin / "verbs.dat")) {
    state.SkipWithError("the delivered data files are not in " LEXORRA_BIN_DIR);
    return;
  }
  for (auto _ : state) {
    Lexicon lex = lexorra::loadDictionaries(bin);
    benchmark::DoNotOptimize(lex);
  }
}
BENCHMARK(BM_LoadDictionariesDelivered)->Unit(benchmark::kMillisecond);

// One look-up of each kind the renderer and the pickers make, per iteration
// of the inner loop; reported per look-up.
void BM_LookupMix(benchmark::State& state) {
  static const Lexicon lex = lexorra::loadDictionaries(syntheticFolder());
  std::size_t i = 0;
  constexpr int kLookupsPerRound = 8;
  for (auto _ : state) {
    i = (i * 7919 + 13) % 7547;
    benchmark::DoNotOptimize(lex.nounForm(i, Case::accusative, Number::plural));
    benchmark::DoNotOptimize(lex.nounGender(i));
    benchmark::DoNotOptimize(
        lex.adjectiveForm(i, Case::genitive, Number::plural, Gender::neuter, Degree::superlative));
    benchmark::DoNotOptimize(
        lex.pronounForm(i % 30, Case::ablative, Number::plural, Gender::feminine));
    benchmark::DoNotOptimize(lex.verbForm(
        i, {.tense = Tense::future, .person = Person::third, .number = Number::plural}));
    benchmark::DoNotOptimize(lex.entryGloss("noun", i));
    benchmark::DoNotOptimize(lex.englishHeadword("verb", i));
    benchmark::DoNotOptimize(lex.prepositionCase(i % 93));
  }
  state.SetItemsProcessed(state.iterations() * kLookupsPerRound);
}
BENCHMARK(BM_LookupMix);

void BM_VerbFormLastField(benchmark::State& state) {
  static const Lexicon lex = lexorra::loadDictionaries(syntheticFolder());
  for (auto _ : state)
    benchmark::DoNotOptimize(lex.verbForm(7000, {.tense = Tense::futurePerfect,
                                                 .person = Person::second,
                                                 .voice = Voice::passive,
                                                 .mood = Mood::subjunctive}));
}
BENCHMARK(BM_VerbFormLastField);

}  // namespace
