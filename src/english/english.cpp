// English past participles and plurals: rules for regular words, then the
// irregular tables override the result. The order of the steps and repairs is
// the behaviour: later repairs mend side effects of earlier rules.
#include "english/english.h"

#include <optional>

#include "text/textops.h"

namespace lexorra {

namespace {

constexpr std::string_view kVerbFile = "engIrregVerbs.txt";
constexpr std::string_view kNounFile = "engIrregNouns.txt";

void fill(std::vector<std::string>& table, std::vector<std::string> lines) {
  std::vector<std::string> fresh(table.size());
  for (std::size_t i = 0; i < lines.size(); ++i) fresh[i] = std::move(lines[i]);
  table = std::move(fresh);
}

// The caption's text before its first space, then before "/", then before "(".
std::string_view stemOf(std::string_view caption) {
  std::string_view s = text::firstWord(caption);
  s = s.substr(0, s.find('/'));
  return s.substr(0, s.find('('));
}

// Vowel letters of the doubling test ("y" counts) and of the "y" test (it
// does not).
bool isDoublingVowel(char c) {
  return std::string_view("aeiouy").find(c) != std::string_view::npos;
}
bool isPlainVowel(char c) {
  return std::string_view("aeiou").find(c) != std::string_view::npos;
}

// Whether field 0 of a table line (its text before the first space) is exactly
// `stem`. An empty position matches nothing, not even an empty stem.
bool startsField0(std::string_view line, std::string_view stem) {
  if (line.empty() || (!stem.empty() && line[0] != stem[0]) || !line.starts_with(stem))
    return false;
  return line.size() == stem.size() || line[stem.size()] == ' ';
}

}  // namespace

void loadIrregularVerbs(EnglishTables& tables, std::istream& in) {
  fill(tables.irregularVerbs, readDataLines(in, kVerbFile, kIrregularVerbCapacity));
}
void loadIrregularVerbs(EnglishTables& tables, const std::filesystem::path& folder) {
  fill(tables.irregularVerbs, readDataLines(folder / kVerbFile, kVerbFile, kIrregularVerbCapacity));
}
void loadIrregularNouns(EnglishTables& tables, std::istream& in) {
  fill(tables.irregularNouns, readDataLines(in, kNounFile, kIrregularNounCapacity));
}
void loadIrregularNouns(EnglishTables& tables, const std::filesystem::path& folder) {
  fill(tables.irregularNouns, readDataLines(folder / kNounFile, kNounFile, kIrregularNounCapacity));
}

EnglishTables loadEnglishTables(const std::filesystem::path& folder) {
  EnglishTables tables;
  loadIrregularVerbs(tables, folder);
  loadIrregularNouns(tables, folder);
  return tables;
}

EnglishTables loadEnglishTables() {
  return loadEnglishTables(programFolder());
}

// The steps below are those of the rules in order, except that a step which
// starts again from the caption (the "y" rule, the table) is looked at before
// the steps it overrides, so that their discarded work is never done. The
// result is the same as running every step in turn.
std::string pastParticiple(const EnglishTables& tables, std::string_view caption) {
  if (caption.empty()) return {};
  const std::string_view s = stemOf(caption);
  const std::size_t n = s.size();
  const char last = n > 0 ? s[n - 1] : '\0';

  // Irregular verbs: field 0 is the base, field 2 the participle. Every line
  // is looked at, so the last matching line decides; a matching line without
  // a field 2 changes nothing.
  std::optional<std::string_view> irregular;
  for (const std::string& line : tables.irregularVerbs) {
    if (!startsField0(line, s)) continue;
    if (auto participle = text::fieldAt(line, 2)) irregular = participle;
  }
  if (irregular) return text::replaceEvery(caption, s, *irregular);

  // cry -> cried, made from the caption without the repairs below. The lone
  // stem "y" has no letter before it and is left to the rules below ("yed").
  if (n >= 2 && last == 'y' && !isPlainVowel(s[n - 2]))
    return text::replaceEvery(caption, s, std::string(s.substr(0, n - 1)) + "ied");

  // "d" after a final "e", otherwise "ed", with the last letter doubled after
  // a single vowel: stop -> stopped. The doubling test looks at the two letters
  // before the last one. Where the stem is too short to have them, nothing
  // before its start is read: a one-letter stem never doubles, and a
  // two-letter stem that begins with a vowel doubles as if a consonant stood
  // before it (up -> upped; ax -> axxed -> axed).
  std::string form(s);
  if (n >= 2 && last != 'e' && isDoublingVowel(s[n - 2]) && (n == 2 || !isDoublingVowel(s[n - 3])))
    form += last;
  form += last == 'e' ? "d" : "ed";
  // A caption that begins with a space, "/" or "(" has an empty stem: replacing
  // the empty text changes nothing, so only the repairs can touch it.
  std::string result = text::replaceEvery(caption, s, form);

  // Repairs of what the doubling breaks, in this order.
  static constexpr text::Replacement kRepairs[] = {
      {"yy", "y"}, {"hh", "h"}, {"xx", "x"}, {"enned", "ened"}};
  text::applyReplacements(result, kRepairs);
  if (!text::endsWith(s, "err")) text::replaceEveryInPlace(result, "erred", "ered");
  return result;
}

std::string nounPlural(const EnglishTables& tables, std::string_view caption) {
  if (caption.empty()) return {};
  const std::string_view trimmed = text::trimSpaces(caption);
  // A caption that begins with "one " becomes "ones ..."; one with a ")"
  // stays as it is. Both override every rule below.
  if (text::beginsWith(caption, "one ")) return text::replaceEvery(trimmed, "one ", "ones ");
  if (text::contains(trimmed, ")")) return std::string(trimmed);

  // Irregular nouns, looked up by the stem: field 0 the singular, field 1 the
  // plural; the last matching line decides and overrides the suffix rules.
  const std::string_view s = stemOf(caption);
  std::optional<std::string_view> irregular;
  for (const std::string& line : tables.irregularNouns) {
    if (!startsField0(line, s)) continue;
    if (auto plural = text::fieldAt(line, 1)) irregular = plural;
  }
  if (irregular) return text::replaceEvery(caption, s, *irregular);

  // The suffix rules look at the end of the whole caption and append to it;
  // "ey" is the only exception to the "y" rule (key -> keys, boy -> boies).
  std::string result(caption);
  if (text::endsWith(caption, "ey")) {
    result += "s";
  } else if (text::endsWith(caption, "y")) {
    result.back() = 'i';
    result += "es";
  } else if (text::endsWith(caption, "s") || text::endsWith(caption, "z") ||
             text::endsWith(caption, "x") || text::endsWith(caption, "ch") ||
             text::endsWith(caption, "sh")) {
    result += "es";
  } else {
    result += "s";
  }
  return result;
}

}  // namespace lexorra
