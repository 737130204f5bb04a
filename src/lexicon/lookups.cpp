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

#include "lexicon/lexicon.h"
#include "text/textops.h"

namespace lexorra {

namespace {

std::size_t caseOffset(int caseCode) {
  static constexpr std::array<std::size_t, 7> kOffsets = {0, 0, 2, 5, 4, 3, 1};
  return caseCode >= 1 && caseCode <= 6 ? kOffsets[static_cast<std::size_t>(caseCode)] : 0;
}

std::string_view field(std::string_view line, long k, std::string_view what) {
  if (k >= 0) {
    if (auto f = text::fieldAt(line, static_cast<std::size_t>(k))) return *f;
  }
  throw LookupOutOfRange(std::string(what) + " line has no field " + std::to_string(k));
}

// The text between the first "::" and the next "::" (or the line's end).
std::string_view meaningPart(std::string_view line, std::string_view kind) {
  std::size_t start = line.find("::");
  if (start == std::string_view::npos)
    throw LookupOutOfRange(std::string(kind) + " line has no meaning (no \"::\")");
  std::string_view rest = line.substr(start + 2);
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

int Lexicon::nounGender(LexIndex index) const {
  if (index.isBlank()) return 2;
  std::string_view line = entry(Table::noun, index);
  int gender = 0;
  if (text::contains(line, " M ")) gender = 0;
  if (text::contains(line, " F ")) gender = 1;
  if (text::contains(line, " N ")) gender = 2;
  if (text::contains(line, " C ")) gender = 2;
  return gender;
}

std::string_view Lexicon::nounForm(LexIndex index, int caseCode, int number) const {
  if (index.isBlank()) return {};
  std::string_view line = entry(Table::noun, index);
  if (text::contains(line, "undeclined")) return field(line, 5, "noun");
  long k = 4 + (caseCode >= 1 && caseCode <= 6 ? caseCode : 0) + 6L * number;
  return field(line, k, "noun");
}

std::string_view Lexicon::pronounForm(LexIndex index, int caseCode, int number, int gender) const {
  if (index.isBlank()) return {};
  std::string_view line = entry(Table::pronoun, index);
  long k = static_cast<long>(caseOffset(caseCode)) + 6L * number + 12L * gender;
  return field(line, k, "pronoun");
}

std::string_view Lexicon::adjectiveForm(LexIndex index, int caseCode, int number, int gender,
                                        int degree) const {
  if (index.isBlank()) return {};
  std::string_view line = entry(Table::adjective, index);
  long k = static_cast<long>(caseOffset(caseCode)) + 6L * number + 12L * gender + 36L * degree;
  return field(line, k, "adjective");
}

std::string_view Lexicon::adverbForm(LexIndex index) const {
  if (index.isBlank()) return {};
  return text::trimSpaces(field(entry(Table::adverb, index), 0, "adverb"));
}

std::string_view Lexicon::prepositionForm(LexIndex index) const {
  if (index.isBlank()) return {};
  return text::trimSpaces(field(entry(Table::preposition, index), 0, "preposition"));
}

std::string_view Lexicon::prepositionCase(LexIndex index) const {
  if (index.isBlank()) return {};
  return field(entry(Table::preposition, index), 4, "preposition");
}

std::string_view Lexicon::entryGloss(std::string_view kind, LexIndex index) const {
  if (index.isBlank()) return {};
  const TableInfo* info = tableOfKind(kind);
  if (!info) return {};
  return text::trimSpaces(meaningPart(entry(info->table, index), kind));
}

std::string_view Lexicon::englishHeadword(std::string_view kind, LexIndex index) const {
  std::string_view gloss = entryGloss(kind, index);
  return text::trimSpaces(cutAt(cutAt(cutAt(gloss, ';'), ','), '('));
}

}  // namespace lexorra
