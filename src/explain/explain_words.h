// The vocabulary of the sheet: the lexicon's codes in words and in the Latin
// parser's abbreviations, the forms of verbs, and the words the renderer
// writes itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "explain/explain.h"
#include "render/latin_trace.h"

namespace lexorra::explain {

// The parser's abbreviation of a code ("ABL", "P", "F", "C" for a common
// noun, "COMP", "FUTP", "SUB"); "" for a code it does not write.
template <NamedCode Code>
std::string parserName(Code value) {
  return std::string(codeAbbreviation(value));
}

// What a verb line says about all its forms (field 4).
struct VerbLine {
  bool deponent = false;       // "DEP": passive in form, active in meaning
  bool perfectInForm = false;  // "PERFDEF": perfect forms with present force (odi)
};
VerbLine verbLineOf(std::string_view line);

// A verb word's form in words and what the parser must find for it.
struct VerbFormWords {
  std::string form;
  std::vector<ParserForm> expected;
};
VerbFormWords verbFormWords(const TracedWord& word, const VerbLine& line);

// What the parser must find for a preposition: "gratia" is the ablative of
// the noun to it.
std::vector<ParserForm> prepositionExpectation(std::string_view preposition, Case governed);

// The row of a word the renderer writes itself.
WordRow fixedWordRow(FixedWord word);

// " (written e before a consonant)" when the sentence spells a preposition
// otherwise than its lexicon entry; "" when it does not.
std::string spellingNote(const TracedWord& word, std::string_view written);

// The row of "numquam" as the sentence writes it after "noli": "umquam".
WordRow umquamAfterNoli(WordRow row);

}  // namespace lexorra::explain
