// "Why this Latin?": the word-by-word sheet of a motto. For every word of the
// Latin motto, in order: the word, its dictionary form, its part of speech,
// its form in words, the English meaning of its lexicon entry and its part in
// the motto. Each row comes from the renderer's own trace of the word (the
// slot's entry and the look-up the motto's choices made), never from the
// spelling; a word the trace cannot account for is shown as not traced.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/lexicon.h"
#include "motto/motto_state.h"

namespace lexorra::explain {

// A form as the Latin parser writes it ("N", "NOM", "S", "M"...); an empty
// field asks nothing of the parser's analysis.
struct ParserForm {
  std::string partOfSpeech{};  // N ADJ PRON V VPAR ADV PREP CONJ TACKON ...
  std::string caseName{};      // NOM GEN DAT ACC ABL
  std::string number{};        // S P
  std::string gender{};        // M F N
  std::string degree{};        // POS COMP SUPER
  std::string tense{};         // PRES PERF PLUP IMPF FUT FUTP
  std::string voice{};         // ACTIVE PASSIVE, DEP for a deponent verb
  std::string mood{};          // IND SUB IMP INF
  std::string person{};        // 1 2 3
  std::string enclitic{};      // TACKON: the enclitic itself ("ne", "cum")

  bool operator==(const ParserForm&) const = default;
};

struct WordRow {
  std::string word;  // as the motto writes it; "-ne" for an enclitic
  // The word of the motto the row stands in, when it is written together
  // with the row before or after ("mecum" for "me" and "-cum").
  std::string writtenIn;
  std::string dictionaryForm;
  std::string partOfSpeech;
  std::string form;
  std::string meaning;  // the entry's English meaning, or what a fixed word does
  std::string part;     // its part in the motto
  bool traced = true;
  bool fixed = false;        // a word the renderer writes itself (et, non, cur...)
  bool missingForm = false;  // the lexicon records no such form
  // What the Latin parser must find for the word given to it (`parserWord`):
  // any one of these analyses confirms the row. Empty: nothing to check.
  std::vector<ParserForm> expected;
  std::string parserWord;
};

struct Explanation {
  std::string latin;    // the Latin motto's words, one space apart, in Windows-1252
  std::string english;  // its English meaning
  std::vector<WordRow> rows;
  bool allTraced() const;
};

// The sheet of the motto as the state holds it: the Latin is rendered afresh
// with a trace (the same text as `finalLatin` after a refresh). Throws
// LookupOutOfRange for a tag outside the lexicon, as a render does.
Explanation explainMotto(const MottoState& state, const Lexicon& lexicon);

struct SheetCheck;

// The sheet as a text table: the Latin and its English meaning, then one
// line per row with the columns aligned and the meaning last. With a check,
// a column of verdicts, the parser's analyses of each word it does not
// confirm and the check's summary.
std::string sheetText(const Explanation& sheet, const SheetCheck* check = nullptr);

// The column titles of the table, in order.
inline constexpr std::array<std::string_view, 6> kSheetColumns = {
    "Word", "Dictionary form", "Part of speech", "Form", "Part in the motto", "Meaning"};
// The cells of a row under those titles.
std::array<std::string, 6> rowCells(const WordRow& row);

}  // namespace lexorra::explain
