// English past participles and plurals: rules for regular words, then the
// irregular tables override the result. The order of the steps and repairs is
// the behaviour: later repairs mend side effects of earlier rules.
#include "english/english.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

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

// The caption with its leading stem `stem` replaced by `form`; the rest of
// the caption stays, even where it holds the stem again ("be beaten" ->
// "been beaten", not "been beenaten").
std::string withStem(std::string_view caption, std::string_view stem, std::string_view form) {
  if (stem.empty() || !caption.starts_with(stem)) return std::string(caption);
  return std::string(form) + std::string(caption.substr(stem.size()));
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
  if (irregular) return withStem(caption, s, *irregular);

  // cry -> cried, made from the caption without the repairs below. The lone
  // stem "y" has no letter before it and is left to the rules below ("yed").
  if (n >= 2 && last == 'y' && !isPlainVowel(s[n - 2]))
    return withStem(caption, s, std::string(s.substr(0, n - 1)) + "ied");

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
  std::string result = withStem(caption, s, form);

  // Repairs of what the doubling breaks, in this order.
  static constexpr text::Replacement kRepairs[] = {
      {"yy", "y"}, {"hh", "h"}, {"xx", "x"}, {"enned", "ened"}};
  text::applyReplacements(result, kRepairs);
  if (!text::endsWith(s, "err")) text::replaceEveryInPlace(result, "erred", "ered");
  return result;
}

namespace {

// The head noun of a noun caption: the word before the first word that
// begins a qualifying phrase (a preposition, a relative word, or a
// participle: "system of gears", "one who loves", "ointment made with oil"),
// otherwise the last word ("young man", "sea dog"). The result is the head's
// position and length.
std::pair<std::size_t, std::size_t> headNounAt(std::string_view caption) {
  static constexpr std::array<std::string_view, 22> kPhraseWords = {
      "of",   "in",    "on",   "for",     "with",    "from",    "to",    "at",
      "by",   "under", "over", "without", "against", "between", "among", "about",
      "upon", "into",  "who",  "which",   "that",    "as"};
  std::size_t wordStart = 0, previousStart = 0;
  bool first = true;
  while (wordStart <= caption.size()) {
    std::size_t end = caption.find(' ', wordStart);
    if (end == std::string_view::npos) end = caption.size();
    const std::string_view word = caption.substr(wordStart, end - wordStart);
    const bool startsPhrase =
        std::find(kPhraseWords.begin(), kPhraseWords.end(), word) != kPhraseWords.end() ||
        (word.size() > 4 && (word.ends_with("ed") || word.ends_with("ing")));
    if (!first && startsPhrase) {
      const std::size_t previousEnd = caption.find(' ', previousStart);
      return {previousStart, previousEnd - previousStart};
    }
    if (end == caption.size()) return {wordStart, end - wordStart};
    first = false;
    previousStart = wordStart;
    wordStart = end + 1;
  }
  return {0, caption.size()};
}

// The plural of one word: the irregular table (the last matching line
// decides), else the suffix rules, of which "ey" is the only exception to
// the "y" rule (key -> keys, boy -> boies).
std::string wordPlural(const EnglishTables& tables, std::string_view word) {
  std::optional<std::string_view> irregular;
  for (const std::string& line : tables.irregularNouns) {
    if (!startsField0(line, word)) continue;
    if (auto plural = text::fieldAt(line, 1)) irregular = plural;
  }
  if (irregular) return std::string(*irregular);
  std::string result(word);
  if (text::endsWith(word, "ey")) {
    result += "s";
  } else if (text::endsWith(word, "y")) {
    result.back() = 'i';
    result += "es";
  } else if (text::endsWith(word, "s") || text::endsWith(word, "z") || text::endsWith(word, "x") ||
             text::endsWith(word, "ch") || text::endsWith(word, "sh")) {
    result += "es";
  } else {
    result += "s";
  }
  return result;
}

}  // namespace

std::string_view headNoun(std::string_view caption) {
  const auto [at, length] = headNounAt(caption);
  return caption.substr(at, length);
}

std::string nounPlural(const EnglishTables& tables, std::string_view caption) {
  if (caption.empty()) return {};
  const std::string_view trimmed = text::trimSpaces(caption);
  // A caption that begins with "one " becomes "ones ..."; one with a ")"
  // stays as it is. Both override every rule below.
  if (text::beginsWith(caption, "one ")) return text::replaceEvery(trimmed, "one ", "ones ");
  if (text::contains(trimmed, ")")) return std::string(trimmed);

  // The head noun takes the plural, the rest of the phrase stays: "systems
  // of gears", "young men".
  const auto [at, length] = headNounAt(caption);
  if (length == 0) return std::string(caption);
  std::string result(caption.substr(0, at));
  // Alternatives take the plural each: "man/woman" -> "men/women".
  std::string_view head = caption.substr(at, length);
  for (std::size_t slash = head.find('/'); slash != std::string_view::npos;
       slash = head.find('/')) {
    result += wordPlural(tables, head.substr(0, slash)) + "/";
    head.remove_prefix(slash + 1);
  }
  result += wordPlural(tables, head);
  result += caption.substr(at + length);
  return result;
}

}  // namespace lexorra
