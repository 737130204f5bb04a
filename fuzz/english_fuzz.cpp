// The irregular English tables from any bytes, and the participles and
// plurals of any captions.
#include <sstream>
#include <string>

#include "fuzz_entries.h"
#include "fuzz_support.h"
#include "text/datafile.h"
#include "text/textops.h"

namespace lexorra::fuzz {

namespace {

// Loads a table; one that loading refuses stays empty.
template <typename Load>
void loadOrLeaveEmpty(EnglishTables& tables, std::string_view text, Load load) {
  std::istringstream in{std::string(text)};
  try {
    load(tables, in);
  } catch (const DataFileError&) {
  }
}

void inflect(const EnglishTables& tables, std::string_view caption) {
  static_cast<void>(pastParticiple(tables, caption));
  static_cast<void>(nounPlural(tables, caption));
}

}  // namespace

void englishTablesInput(std::string_view bytes) {
  const std::size_t firstCut = std::min(bytes.find('\0'), bytes.size());
  const std::string_view verbs = bytes.substr(0, firstCut);
  std::string_view rest = bytes.substr(std::min(firstCut + 1, bytes.size()));
  const std::size_t secondCut = std::min(rest.find('\0'), rest.size());
  const std::string_view nouns = rest.substr(0, secondCut);
  const std::string_view captions = rest.substr(std::min(secondCut + 1, rest.size()));

  EnglishTables tables;
  loadOrLeaveEmpty(tables, verbs,
                   [](EnglishTables& t, std::istream& in) { loadIrregularVerbs(t, in); });
  loadOrLeaveEmpty(tables, nouns,
                   [](EnglishTables& t, std::istream& in) { loadIrregularNouns(t, in); });
  for (std::string_view caption : splitLines(captions)) inflect(tables, caption);
  for (const auto* table : {&tables.irregularVerbs, &tables.irregularNouns}) {
    for (const std::string& line : *table) {
      inflect(tables, line);
      inflect(tables, text::firstWord(line));
    }
  }
}

}  // namespace lexorra::fuzz
