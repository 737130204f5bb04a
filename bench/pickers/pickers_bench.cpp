// Filling the pickers' result lists: the full noun list, a one-word search,
// and creating all five pickers as start-up does. Runs on the delivered data
// files beside the executables; where they are missing, on a generated
// lexicon of the same size and line layout (the label says "synthetic").
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "lexicon/lexicon.h"
#include "pickers/pickers.h"

namespace lexorra {
namespace {

// Deterministic English-looking glosses and Latin-looking forms.
struct Words {
  unsigned state = 12345;
  unsigned next() { return state = state * 1103515245u + 12345u; }
  std::string word(std::size_t minLength) {
    static const char* syllables[] = {"am", "or", "te", "lu", "ca", "ri", "tas", "ne", "mi", "us"};
    std::string w;
    while (w.size() < minLength || next() % 3 != 0) w += syllables[next() % 10];
    return w;
  }
  std::string gloss(std::size_t i) {
    std::string g;
    const int meanings = 1 + static_cast<int>(next() % 4);
    for (int m = 0; m < meanings; ++m) {
      // About one entry in 600 means "love" somewhere.
      g += (i % 600 == 7 && m == 0) ? "love" : word(3);
      g += (next() % 2) ? ", " : "; ";
      if (next() % 3 == 0) g += word(4) + " " + word(2) + "; ";
    }
    return g;
  }
};

std::string syntheticTable(Table table, Words& words) {
  const std::size_t fields = table == Table::noun          ? 17
                             : table == Table::adjective   ? 108
                             : table == Table::verb        ? 157
                             : table == Table::preposition ? 5
                                                           : 1;
  // The delivered files leave a few entries of each table empty at the end.
  const std::size_t lines = tableInfo(table).capacity - 3;
  std::string text;
  for (std::size_t i = 0; i < lines; ++i) {
    for (std::size_t k = 0; k < fields; ++k)
      text += (table == Table::noun && k < 5 ? "N" : words.word(5)) + " ";
    text += "::" + words.gloss(i) + "\r\n";
  }
  return text;
}

const Lexicon& benchLexicon(benchmark::State& state) {
  static bool synthetic = false;
  static const Lexicon lexicon = [] {
    try {
      return loadDictionaries(LEXORRA_BIN_DIR);
    } catch (const DataFileError&) {
      synthetic = true;
      Lexicon generated;
      Words words;
      for (const TableInfo& info : kTables) {
        std::istringstream in(syntheticTable(info.table, words));
        generated.loadTable(info.table, in);
      }
      return generated;
    }
  }();
  state.SetLabel(synthetic ? "synthetic" : "delivered data");
  return lexicon;
}

// Bytes a result list takes: the rows themselves and the text they own
// outside the string objects (allocator overhead not counted).
std::size_t stringHeapBytes(const std::string& s) {
  return s.capacity() > std::string().capacity() ? s.capacity() + 1 : 0;
}
std::size_t listBytes(const SearchPicker& picker) {
  std::size_t bytes = picker.rows().capacity() * sizeof(PickerRow);
  for (const PickerRow& row : picker.rows()) bytes += stringHeapBytes(row.text);
  return bytes;
}
std::size_t listBytes(const PrepositionPicker& picker) {
  std::size_t bytes = picker.rows().capacity() * sizeof(std::string);
  for (const std::string& row : picker.rows()) bytes += stringHeapBytes(row);
  return bytes;
}

// The noun picker's list refilled for `search`, typed in first as a person
// does (an empty search is the list the picker opens with).
void BM_NounPickerSearch(benchmark::State& state, const char* search) {
  const Lexicon& lexicon = benchLexicon(state);
  SearchPicker picker(SearchPickerKind::noun, lexicon);
  picker.setSearchText(search);
  for (auto _ : state) {
    picker.populateList(search);
    benchmark::DoNotOptimize(picker.rows().data());
  }
  state.counters["rows"] = static_cast<double>(picker.rows().size());
}
BENCHMARK_CAPTURE(BM_NounPickerSearch, Empty, "")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_NounPickerSearch, Love, "love")->Unit(benchmark::kMillisecond);

void BM_CreateAllPickers(benchmark::State& state) {
  const Lexicon& lexicon = benchLexicon(state);
  std::size_t bytes = 0;
  std::size_t rows = 0;
  std::size_t heap = 0;
  for (auto _ : state) {
    const std::size_t heapBefore = mallinfo2().uordblks;
    WordPickers pickers(lexicon);
    benchmark::DoNotOptimize(&pickers);
    state.PauseTiming();
    heap = mallinfo2().uordblks - heapBefore;
    bytes = listBytes(pickers.nounPicker) + listBytes(pickers.verbPicker) +
            listBytes(pickers.adjPicker) + listBytes(pickers.adverbPicker) +
            listBytes(pickers.prepositionPicker);
    rows = pickers.nounPicker.rows().size() + pickers.verbPicker.rows().size() +
           pickers.adjPicker.rows().size() + pickers.adverbPicker.rows().size() +
           pickers.prepositionPicker.rows().size();
    state.ResumeTiming();
  }
  state.counters["rows"] = static_cast<double>(rows);
  // What the rows hold, and what the allocator hands out for them.
  state.counters["list_MiB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
  state.counters["heap_MiB"] = static_cast<double>(heap) / (1024.0 * 1024.0);
}
BENCHMARK(BM_CreateAllPickers)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace lexorra
