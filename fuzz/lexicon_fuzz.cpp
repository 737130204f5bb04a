// A lexicon table from any bytes: a line that loading accepts answers every
// look-up, and the picker of its table lists every line of the file.
#include <sstream>
#include <string>

#include "fuzz_entries.h"
#include "fuzz_support.h"
#include "pickers/preposition_picker.h"
#include "pickers/search_picker.h"

namespace lexorra::fuzz {

namespace {

constexpr Case kCases[] = {Case::none,   Case::nominative, Case::genitive, Case::ablative,
                           Case::dative, Case::accusative, Case::sixth,    Case{7}};
constexpr Number kNumbers[] = {Number::singular, Number::plural};
constexpr Gender kGenders[] = {Gender::masculine, Gender::feminine, Gender::neuter};
constexpr Degree kDegrees[] = {Degree::positive, Degree::comparative, Degree::superlative};

// Every look-up of the table for entry i, with every code. A failure escapes.
void lookUpEverything(const Lexicon& lexicon, Table table, std::size_t i) {
  const TableInfo& info = tableInfo(table);
  require(!lexicon.entryGloss(info.kind, i).empty(), "an accepted entry has a meaning");
  static_cast<void>(lexicon.englishHeadword(info.kind, i));
  switch (table) {
    case Table::noun:
      static_cast<void>(lexicon.nounGender(i));
      for (Case c : kCases)
        for (Number n : kNumbers) static_cast<void>(lexicon.nounForm(i, c, n));
      break;
    case Table::pronoun:
      for (Case c : kCases)
        for (Number n : kNumbers)
          for (Gender g : kGenders) static_cast<void>(lexicon.pronounForm(i, c, n, g));
      break;
    case Table::adjective:
      for (Case c : kCases)
        for (Number n : kNumbers)
          for (Gender g : kGenders)
            for (Degree d : kDegrees) static_cast<void>(lexicon.adjectiveForm(i, c, n, g, d));
      break;
    case Table::adverb:
      static_cast<void>(lexicon.adverbForm(i));
      break;
    case Table::preposition:
      static_cast<void>(lexicon.prepositionForm(i));
      static_cast<void>(lexicon.prepositionCase(i));
      break;
    case Table::verb:
      for (int tense = 0; tense <= 6; ++tense)
        for (int person = 0; person <= 3; ++person)
          for (Number n : kNumbers)
            for (Voice v : {Voice::active, Voice::passive})
              for (Mood m : {Mood::indicative, Mood::subjunctive})
                static_cast<void>(lexicon.verbForm(
                    i, {static_cast<Tense>(tense), static_cast<Person>(person), n, v, m,
                        person == 3 ? Gender::feminine : Gender::neuter}));
      for (Number n : kNumbers)
        for (Gender g : {Gender::masculine, Gender::feminine, Gender::neuter})
          static_cast<void>(lexicon.perfectParticiple(i, n, g));
      static_cast<void>(lexicon.verbObjectCase(i));
      break;
    case Table::conjunctive:
      break;
  }
}

// The number of rows the table's picker lists, or the count itself for the
// tables that have no picker.
std::size_t pickerRows(const Lexicon& lexicon, Table table, std::size_t entries) {
  switch (table) {
    case Table::noun:
      return SearchPicker(SearchPickerKind::noun, lexicon).rows().size();
    case Table::verb:
      return SearchPicker(SearchPickerKind::verb, lexicon).rows().size();
    case Table::adjective:
      return SearchPicker(SearchPickerKind::adjective, lexicon).rows().size();
    case Table::adverb:
      return SearchPicker(SearchPickerKind::adverb, lexicon).rows().size();
    case Table::preposition:
      return PrepositionPicker(lexicon).rows().size();
    default:
      return entries;
  }
}

}  // namespace

void lexiconTableInput(std::string_view bytes) {
  if (bytes.empty()) return;
  const Table table = static_cast<Table>(static_cast<unsigned char>(bytes[0]) % kTables.size());
  Lexicon lexicon;
  std::istringstream in{std::string(bytes.substr(1))};
  try {
    lexicon.loadTable(table, in);
  } catch (const DataFileError&) {
    return;
  }
  std::size_t entries = 0;
  while (entries < lexicon.capacity(table) && !lexicon.line(table, entries).empty()) {
    lookUpEverything(lexicon, table, entries);
    ++entries;
  }
  for (std::size_t i = entries; i < lexicon.capacity(table); ++i)
    require(lexicon.line(table, i).empty(), "no word after the first empty entry");
  require(pickerRows(lexicon, table, entries) == entries, "the picker lists every word");
}

}  // namespace lexorra::fuzz
