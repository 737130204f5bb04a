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

bool isVowel(char c) {
  return std::string_view("aeiouy").find(c) != std::string_view::npos;
}
bool isVowelNoY(char c) {
  return std::string_view("aeiou").find(c) != std::string_view::npos;
}

// Field k of a table line, or nothing when the line is shorter.
std::optional<std::string_view> tableField(std::string_view line, std::size_t k) {
  return text::fieldAt(line, k);
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

std::string pastParticiple(const EnglishTables& tables, std::string_view caption) {
  if (caption.empty()) return {};
  const std::string_view s = stemOf(caption);
  const std::size_t n = s.size();
  const char last = n > 0 ? s[n - 1] : '\0';
  std::string result;

  if (n == 0) {
    // A caption that begins with a space, "/" or "(" has no word to inflect.
    result = caption;
  } else if (last != 'e') {
    result = text::replaceEvery(caption, s, std::string(s) + "ed");
  } else {
    result = text::replaceEvery(caption, s, std::string(s) + "d");
  }

  // Doubling of the last consonant (stop -> stopped). A stem needs three
  // letters for the test; a two-letter stem doubles when its first letter is
  // a vowel (as "up" would), and one-letter stems never double.
  if (n >= 2 && last != 'e') {
    const bool nextToLastVowel = isVowel(s[n - 2]);
    const bool thirdNotVowel = n >= 3 ? !isVowel(s[n - 3]) : isVowel(s[0]);
    if (nextToLastVowel && thirdNotVowel)
      result = text::replaceEvery(caption, s, std::string(s) + last + "ed");
  }

  static constexpr text::Replacement kRepairs[] = {
      {"yy", "y"}, {"hh", "h"}, {"xx", "x"}, {"enned", "ened"}};
  text::applyReplacements(result, kRepairs);
  if (!text::endsWith(s, "err")) text::replaceEveryInPlace(result, "erred", "ered");

  // cry -> cried; a lone "y" has no letter before it and keeps the rule above.
  if (n >= 2 && last == 'y' && !isVowelNoY(s[n - 2]))
    result = text::replaceEvery(caption, s, std::string(s.substr(0, n - 1)) + "ied");

  for (const std::string& line : tables.irregularVerbs) {
    if (n == 0 || line.empty()) continue;
    auto base = tableField(line, 0);
    if (!base || *base != s) continue;
    if (auto participle = tableField(line, 2)) result = text::replaceEvery(caption, s, *participle);
  }
  return result;
}

std::string nounPlural(const EnglishTables& tables, std::string_view caption) {
  if (caption.empty()) return {};
  const std::string_view s = stemOf(caption);
  std::string c(caption);
  std::string result = c + "s";
  if (text::endsWith(c, "s") || text::endsWith(c, "z") || text::endsWith(c, "x") ||
      text::endsWith(c, "ch") || text::endsWith(c, "sh"))
    result = c + "es";
  if (text::endsWith(c, "y")) result = c.substr(0, c.size() - 1) + "ies";
  if (text::endsWith(c, "ey")) result = c + "s";

  for (const std::string& line : tables.irregularNouns) {
    if (s.empty() || line.empty()) continue;
    auto singular = tableField(line, 0);
    if (!singular || *singular != s) continue;
    if (auto plural = tableField(line, 1)) result = text::replaceEvery(caption, s, *plural);
  }

  std::string_view trimmed = text::trimSpaces(caption);
  if (text::contains(trimmed, ")")) result = trimmed;
  if (text::beginsWith(caption, "one ")) result = text::replaceEvery(trimmed, "one ", "ones ");
  return result;
}

}  // namespace lexorra
