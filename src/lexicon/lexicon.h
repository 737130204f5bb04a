// The Latin lexicon: seven tables of stored lines, read once from the data
// files beside the program, and the look-ups that read one piece of a line.
//
// A line is a Latin part, "::", then the English meaning. Fields are cut at
// every single space of the whole line and counted from 0. Look-ups split the
// stored line afresh each time and return views into it; nothing is cached.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <istream>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/grammar.h"
#include "text/datafile.h"

namespace lexorra {

// A look-up whose index lies outside its table, whose index is neither "blank"
// nor a whole number, whose field lies past the end of the line, or whose line
// has no "::". The pickers catch it to find the end of a table. A failure on
// a line names its place: "pronouns.dat, line 4: no field 3".
class LookupOutOfRange : public std::out_of_range {
 public:
  using std::out_of_range::out_of_range;
};

enum class Table { conjunctive, preposition, adjective, adverb, verb, noun, pronoun };

struct TableInfo {
  Table table;
  std::string_view fileName;
  std::size_t capacity;
  bool expanded;          // stored with the one-character abbreviations of expandLine
  std::string_view kind;  // the word kind that selects it in entryGloss/englishHeadword
  std::size_t fields;     // fields before "::" that every line holds for its look-ups
};

// The seven tables in load order.
extern const std::array<TableInfo, 7> kTables;
const TableInfo& tableInfo(Table table);

// A lexicon index as slots carry it: "blank" (no word) or a whole number,
// given as decimal text or as an integer. Text is held as a view, so a
// temporary string is refused: the view would outlive it.
class LexIndex {
 public:
  explicit LexIndex(std::string_view text) : text_(text) {}
  LexIndex(const char* text) : text_(text) {}
  LexIndex(const std::string& text) : text_(text) {}
  LexIndex(std::string&& text) = delete;
  LexIndex(long number) : isNumber_(true), number_(number) {}
  LexIndex(int number) : isNumber_(true), number_(number) {}
  LexIndex(std::size_t number) : isNumber_(true), number_(static_cast<long>(number)) {}

  bool isBlank() const { return !isNumber_ && text_ == "blank"; }
  // The position in a table of `capacity` entries; throws LookupOutOfRange.
  std::size_t position(std::size_t capacity, std::string_view tableName) const;

 private:
  std::string_view text_;
  bool isNumber_ = false;
  long number_ = 0;
};

// How a verb form is made: one word, read from the verb line or built from
// its command stem, or a compound of the perfect participle and a form of
// verb 0, "to be".
struct VerbFormMaking {
  enum class Kind {
    none,         // "blank": no verb, no form
    stored,       // a finite form or infinitive read from the line
    headForm,     // a request without a person the line has no field for
    imperative,   // a command to the second person, built from the stem
    subjunctive,  // a command to the first or third person
    compound,     // participle + form of "to be"
  };
  Kind kind = Kind::none;
  std::string word;       // the one word; the participle of a compound
  VerbQuery auxiliary{};  // a compound: what verb 0 is asked for
  std::string auxiliaryForm;
  Kind auxiliaryKind = Kind::none;  // how verb 0 made it

  std::string text() const { return kind == Kind::compound ? word + " " + auxiliaryForm : word; }
};

// Replaces the six one-character abbreviations of the expanded files:
// "%" space, 0xE6 "a", "*" "e", "@" "i", 0xA3 "o", "$" "u".
std::string expandLine(std::string_view line);

struct StoredEntry;

// The gender a noun line's letter gives: of several of " M ", " F ", " N ",
// " C " the last in this list wins; masculine when there is none.
NounGender nounGenderOfLine(std::string_view nounLine);

class Lexicon {
 public:
  // An empty lexicon: every entry of every table is the empty string.
  Lexicon();

  // Replaces one table with the lines read from `in`; errors name the
  // table's file. Throws DataFileError, and leaves the table as it was, for
  // an empty stream, too many lines, or a line that the table's look-ups
  // cannot read (see checkEntries in lexicon/entries.h; for verbs also a
  // verb 0 that cannot carry the compound forms).
  void loadTable(Table table, std::istream& in);

  std::size_t capacity(Table table) const { return tableInfo(table).capacity; }
  // The stored entry (after expansion and trimming); "" past the file's end.
  std::string_view line(Table table, std::size_t position) const;

  // The noun's gender for agreement: a common noun counts as neuter.
  Gender nounGender(LexIndex index) const;
  std::string_view nounForm(LexIndex index, Case caseCode, Number number) const;
  std::string_view pronounForm(LexIndex index, Case caseCode, Number number, Gender gender) const;
  std::string_view adjectiveForm(LexIndex index, Case caseCode, Number number, Gender gender,
                                 Degree degree) const;
  std::string_view adverbForm(LexIndex index) const;
  std::string_view prepositionForm(LexIndex index) const;
  std::string_view prepositionCase(LexIndex index) const;
  // kind: "noun", "verb", "adverb", "pronoun", "conjunctive", "adjective",
  // "preposition"; any other kind gives "".
  std::string_view entryGloss(std::string_view kind, LexIndex index) const;
  std::string_view englishHeadword(std::string_view kind, LexIndex index) const;

  // The form for a tense, person, number, voice and mood; the command forms
  // and the compound ("tbc") forms are built here.
  std::string verbForm(LexIndex index, const VerbQuery& query) const;
  // How verbForm makes that form (its text is `text()`).
  VerbFormMaking makeVerbForm(LexIndex index, const VerbQuery& query) const;
  // The perfect passive participle in a gender and number ("amatus",
  // "amatae", "amata").
  std::string perfectParticiple(LexIndex index, Number number, Gender gender) const;
  // The case of the verb's object: the meaning part of the verb line marks a
  // verb whose object is not accusative with "(+DAT)", "(+ABL)" or "(+GEN)",
  // and a verb that links a predicate as "to be" does with "(+NOM)". "blank"
  // gives the accusative.
  Case verbObjectCase(LexIndex index) const;

 private:
  struct Lines {
    // The file's bytes, shared and never changed once stored, so that the
    // views stay valid when a Lexicon is moved or copied.
    std::shared_ptr<const std::string> buffer;
    std::vector<std::string_view> entries;  // capacity entries, views into buffer
  };
  void storeTable(Table table, std::string bytes);
  friend Lexicon loadDictionaries(const std::filesystem::path& folder);
  StoredEntry entry(Table table, LexIndex index) const;
  std::array<Lines, 7> tables_;
};

// Reads the seven files from `folder`, one at a time, in load order. Throws
// DataFileError naming the first file that is missing, not a regular file,
// larger than kMaxDataFileSize, unreadable, empty, too long or damaged (with
// its first bad line, as loadTable checks it); no partly loaded lexicon is
// ever returned.
Lexicon loadDictionaries(const std::filesystem::path& folder);
// The same from the folder that holds the program's executable.
Lexicon loadDictionaries();

}  // namespace lexorra
