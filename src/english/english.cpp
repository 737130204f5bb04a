// English past participles and plurals: rules for regular words, then the
// irregular tables override the result. The order of the steps and repairs is
// the behaviour: later repairs mend side effects of earlier rules.
#include "english/english.h"

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
  if (line.empty() || !line.starts_with(stem)) return false;
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

std::string pastParticiple(const EnglishTables& tables, std::string_view caption) {
  if (caption.empty()) return {};
  const std::string_view s = stemOf(caption);
  const std::size_t n = s.size();
  const char last = n > 0 ? s[n - 1] : '\0';

  // A caption that begins with a space, "/" or "(" has an empty stem: replacing
  // the empty text changes nothing, so the caption passes through the rules
  // unchanged and only the repairs below can touch it.
  std::string result = text::replaceEvery(caption, s, std::string(s) + (last == 'e' ? "d" : "ed"));

  // Doubling of the last letter after a single vowel: stop -> stopped. The
  // test looks at the two letters before the last one. Where the stem is too
  // short to have them, nothing before its start is read: a one-letter stem
  // never doubles, and a two-letter stem that begins with a vowel doubles as
  // if a consonant stood before it (up -> upped; ax -> axxed -> axed).
  if (n >= 2 && last != 'e' && isDoublingVowel(s[n - 2]) && (n == 2 || !isDoublingVowel(s[n - 3])))
    result = text::replaceEvery(caption, s, std::string(s) + last + "ed");

  // Repairs of what the doubling breaks, in this order.
  static constexpr text::Replacement kRepairs[] = {
      {"yy", "y"}, {"hh", "h"}, {"xx", "x"}, {"enned", "ened"}};
  text::applyReplacements(result, kRepairs);
  if (!text::endsWith(s, "err")) text::replaceEveryInPlace(result, "erred", "ered");

  // cry -> cried, starting again from the caption (no repairs). The lone stem
  // "y" has no letter before it and keeps the result above ("yed").
  if (n >= 2 && last == 'y' && !isPlainVowel(s[n - 2]))
    result = text::replaceEvery(caption, s, std::string(s.substr(0, n - 1)) + "ied");

  // Irregular verbs: field 0 is the base, field 2 the participle. Every line
  // is looked at, so the last matching line decides; a matching line without
  // a field 2 changes nothing.
  for (const std::string& line : tables.irregularVerbs) {
    if (!startsField0(line, s)) continue;
    if (auto participle = text::fieldAt(line, 2))
      result = text::replaceEvery(caption, s, *participle);
  }
  return result;
}

std::string nounPlural(const EnglishTables& tables, std::string_view caption) {
  if (caption.empty()) return {};
  const std::string_view s = stemOf(caption);
  const std::string c(caption);

  // The suffix rules look at the end of the whole caption and append to it.
  std::string result = c + "s";
  if (text::endsWith(c, "s") || text::endsWith(c, "z") || text::endsWith(c, "x") ||
      text::endsWith(c, "ch") || text::endsWith(c, "sh"))
    result = c + "es";
  if (text::endsWith(c, "y")) result = c.substr(0, c.size() - 1) + "ies";
  if (text::endsWith(c, "ey")) result = c + "s";

  // Irregular nouns, looked up by the stem: field 0 the singular, field 1 the
  // plural; the last matching line decides.
  for (const std::string& line : tables.irregularNouns) {
    if (!startsField0(line, s)) continue;
    if (auto plural = text::fieldAt(line, 1)) result = text::replaceEvery(caption, s, *plural);
  }

  const std::string_view trimmed = text::trimSpaces(caption);
  if (text::contains(trimmed, ")")) result = trimmed;
  if (text::beginsWith(caption, "one ")) result = text::replaceEvery(trimmed, "one ", "ones ");
  return result;
}

}  // namespace lexorra
