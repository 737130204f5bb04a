// A small hand-made lexicon for the picker tests, with lines laid out as the
// data files lay them out.
#pragma once

#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/lexicon.h"
#include "pickers/search_picker.h"

namespace lexorra::testing {

struct Entry {
  std::string latin;  // the form the picker lists
  std::string gloss;
};

// Noun line: five head fields, six singular forms from field 5 (the
// nominative), six plural forms, then the meaning.
inline std::string nounLine(const Entry& e) {
  return "h h M N X " + e.latin + " s s s s s p p p p p p ::" + e.gloss;
}
// Verb line of 157 fields: field 1 is the present active infinitive.
inline std::string verbLine(const Entry& e) {
  std::string line = "h " + e.latin + " ";
  for (int k = 2; k < 157; ++k) line += "x ";
  return line + "::" + e.gloss;
}
// Adjective line: 108 forms; field 0 is the masculine nominative singular
// positive, fields 24, 60 and 96 the neuter nominative singular of the three
// degrees, here the Latin with "-N0", "-N1", "-N2" appended. The forms from
// field `recorded` on are "-", not recorded.
inline std::string adjectiveLine(const Entry& e, int recorded = 108) {
  std::string line;
  for (int k = 0; k < 108; ++k) {
    std::string form = "x";
    if (k == 0) form = e.latin;
    if (k % 36 == 24) form = e.latin + "-N" + std::to_string(k / 36);
    if (k >= recorded) form = "-";
    line += form + " ";
  }
  return line + "::" + e.gloss;
}
inline std::string adverbLine(const Entry& e) {
  return e.latin + " ::" + e.gloss;
}
inline std::string prepositionLine(const Entry& e) {
  return e.latin + " x x x ACC ::" + e.gloss;
}

inline void loadLines(Lexicon& lexicon, Table table, std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  std::istringstream in(text);
  lexicon.loadTable(table, in);
}

// Nouns for the search rules: whole words through either haystack, upper
// case, forms longer than the column, and the automatic selection.
inline const Entry kNouns[] = {
    {"amor", "love, affection; passion;"},       // 0
    {"caritas", "charity, love;"},               // 1
    {"abcdefghijklmnopqrstuv", "love letter;"},  // 2: 22 characters, longer than the column
    {"dilectio", "love; delight"},               // 3
    {"venustus", "lovely, charming;"},           // 4
    {"carus", "beloved one"},                    // 5
    {"pax", "peace; love"},                      // 6: last word without a separator
    {"amator", "Love, lover;"},                  // 7
    {"abcdefghijklmnop", "love;"},               // 8: only four filling spaces
};

inline Lexicon fixtureLexicon() {
  Lexicon lexicon;
  loadLines(lexicon, Table::noun,
            {nounLine(kNouns[0]), nounLine(kNouns[1]), nounLine(kNouns[2]), nounLine(kNouns[3]),
             nounLine(kNouns[4]), nounLine(kNouns[5]), nounLine(kNouns[6]), nounLine(kNouns[7]),
             nounLine(kNouns[8])});
  loadLines(lexicon, Table::verb,
            {verbLine({"amare", "to love, like;"}), verbLine({"esse", "to be; exist;"})});
  loadLines(lexicon, Table::adjective,
            {adjectiveLine({"bonus", "good, honest;"}), adjectiveLine({"magnus", "great, large;"}),
             // Only the positive degree is recorded.
             adjectiveLine({"parvus", "small, little;"}, 36)});
  loadLines(lexicon, Table::adverb,
            {adverbLine({"bene", "well, rightly;"}), adverbLine({"semper", "always;"})});
  loadLines(lexicon, Table::preposition,
            {prepositionLine({"ad", "to, towards;"}), prepositionLine({"cum", "with;"}),
             prepositionLine({"sine", "without;"})});
  return lexicon;
}

// The lexicon indexes of a picker's rows, in list order.
inline std::vector<std::uint32_t> indexes(const SearchPicker& picker) {
  std::vector<std::uint32_t> out;
  for (const PickerRow& row : picker.rows()) out.push_back(row.index);
  return out;
}

}  // namespace lexorra::testing
