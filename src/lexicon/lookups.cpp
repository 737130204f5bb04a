// The look-ups of the noun, pronoun, adjective, adverb and preposition lines
// and the English meaning of any entry.
//
// Noun line:       fields 0-4 head data, 5-10 singular, 11-16 plural
//                  (NOM GEN ABL DAT ACC sixth), then "::meaning".
// Pronoun line:    36 forms, caseOffset + 6 * number + 12 * gender.
// Adjective line:  108 forms, caseOffset + 6 * number + 12 * gender + 36 * degree.
// Preposition:     field 0 the Latin, field 4 the case it governs.
// caseOffset of caseCode 1..6 (NOM GEN ABL DAT ACC sixth) is 0 2 5 4 3 1:
// a block of six pronoun or adjective forms runs NOM sixth GEN ACC DAT ABL.
#include <array>
#include <utility>

#include "lexicon/entries.h"
#include "lexicon/lexicon.h"
#include "text/textops.h"

namespace lexorra {

namespace {

// Where a case stands inside a block of six pronoun or adjective forms.
long caseOffset(Case caseCode) {
  static constexpr std::array<long, 7> kOffsets = {0, 0, 2, 5, 4, 3, 1};
  const int c = code(caseCode);
  return c >= 1 && c <= 6 ? kOffsets[static_cast<std::size_t>(c)] : 0;
}

// Noun lines run NOM GEN ABL DAT ACC sixth from field 5; no case (or one
// outside the six) gives the head field 4.
long nounCaseField(Case caseCode) {
  const int c = code(caseCode);
  return 4 + (c >= 1 && c <= 6 ? c : 0);
}

// The text between the first "::" and the next "::" (or the line's end).
std::string_view meaningPart(const StoredEntry& entry) {
  std::size_t start = entry.line.find("::");
  if (start == std::string_view::npos)
    throw LookupOutOfRange(entryPlace(entry.table, entry.position) + ": no meaning (no \"::\")");
  std::string_view rest = entry.line.substr(start + 2);
  return rest.substr(0, rest.find("::"));
}

std::string_view cutAt(std::string_view text, char c) {
  return text.substr(0, text.find(c));
}

const TableInfo* tableOfKind(std::string_view kind) {
  for (const TableInfo& info : kTables)
    if (info.kind == kind) return &info;
  return nullptr;
}

}  // namespace

NounGender nounGenderOfLine(std::string_view nounLine) {
  static constexpr std::pair<std::string_view, NounGender> kLetters[] = {
      {" M ", NounGender::masculine},
      {" F ", NounGender::feminine},
      {" N ", NounGender::neuter},
      {" C ", NounGender::common},
  };
  NounGender gender = NounGender::masculine;
  for (auto [letter, given] : kLetters)
    if (text::contains(nounLine, letter)) gender = given;
  return gender;
}

Gender Lexicon::nounGender(LexIndex index) const {
  if (index.isBlank()) return Gender::neuter;
  const NounGender gender = nounGenderOfLine(entry(Table::noun, index).line);
  if (gender == NounGender::masculine) return Gender::masculine;
  if (gender == NounGender::feminine) return Gender::feminine;
  return Gender::neuter;
}

std::string_view Lexicon::nounForm(LexIndex index, Case caseCode, Number number) const {
  if (index.isBlank()) return {};
  const StoredEntry noun = entry(Table::noun, index);
  if (text::contains(noun.line, "undeclined")) return entryField(noun, 5);
  return entryField(noun, nounCaseField(caseCode) + 6L * code(number));
}

std::string_view Lexicon::pronounForm(LexIndex index, Case caseCode, Number number,
                                      Gender gender) const {
  if (index.isBlank()) return {};
  long k = caseOffset(caseCode) + 6L * code(number) + 12L * code(gender);
  return entryField(entry(Table::pronoun, index), k);
}

std::string_view Lexicon::adjectiveForm(LexIndex index, Case caseCode, Number number, Gender gender,
                                        Degree degree) const {
  if (index.isBlank()) return {};
  long k = caseOffset(caseCode) + 6L * code(number) + 12L * code(gender) + 36L * code(degree);
  return entryField(entry(Table::adjective, index), k);
}

std::string_view Lexicon::adverbForm(LexIndex index) const {
  if (index.isBlank()) return {};
  return text::trimSpaces(entryField(entry(Table::adverb, index), 0));
}

std::string_view Lexicon::prepositionForm(LexIndex index) const {
  if (index.isBlank()) return {};
  return text::trimSpaces(entryField(entry(Table::preposition, index), 0));
}

std::string_view Lexicon::prepositionCase(LexIndex index) const {
  if (index.isBlank()) return {};
  return entryField(entry(Table::preposition, index), 4);
}

std::string_view Lexicon::entryGloss(std::string_view kind, LexIndex index) const {
  if (index.isBlank()) return {};
  const TableInfo* info = tableOfKind(kind);
  if (!info) return {};
  return text::trimSpaces(meaningPart(entry(info->table, index)));
}

std::string_view Lexicon::englishHeadword(std::string_view kind, LexIndex index) const {
  std::string_view gloss = entryGloss(kind, index);
  return text::trimSpaces(cutAt(cutAt(cutAt(gloss, ';'), ','), '('));
}

}  // namespace lexorra
