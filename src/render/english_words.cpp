#include "render/english_words.h"

#include <algorithm>
#include <array>

#include "text/textops.h"

namespace lexorra {

namespace {

// Words that begin with a vowel letter but sound a consonant ("a
// university", "a European", "a one-handed man"), by their beginning; and
// the beginnings of those "u-" words that sound a vowel after all ("an
// unimportant man").
constexpr std::array<std::string_view, 19> kConsonantSoundBeginnings = {
    "uni", "use", "usa", "usu", "uti",    "ute", "uto", "ure", "uri", "ura",
    "uku", "ufo", "uvu", "ubi", "unanim", "eu",  "ewe", "one", "once"};
constexpr std::array<std::string_view, 4> kVowelSoundExceptions = {"unim", "unin", "unid",
                                                                   "oneness"};
// Words whose "h" is silent ("an hour", "an honest man", "an heir").
constexpr std::array<std::string_view, 5> kSilentH = {"hour", "honest", "honor", "honour", "heir"};

// Comparisons English does not make by rule.
struct IrregularComparison {
  std::string_view positive, comparative, superlative;
};
constexpr std::array<IrregularComparison, 9> kIrregularComparisons = {{
    {"good", "better", "best"},
    {"well", "better", "best"},
    {"bad", "worse", "worst"},
    {"ill", "worse", "worst"},
    {"many", "more", "most"},
    {"much", "more", "most"},
    {"many/much", "more", "most"},
    {"much/many", "more", "most"},
    {"little", "less", "least"},
}};

constexpr std::array<std::string_view, 9> kFrequencyAdverbs = {
    "always", "never",   "often",      "sometimes",   "seldom",
    "rarely", "usually", "frequently", "occasionally"};
constexpr std::array<std::string_view, 6> kQuestionAdverbs = {"where", "when",    "why",
                                                              "how",   "whither", "whence"};

template <std::size_t N>
bool beginsWithAny(std::string_view word, const std::array<std::string_view, N>& beginnings) {
  return std::any_of(beginnings.begin(), beginnings.end(),
                     [&](std::string_view b) { return word.starts_with(b); });
}

template <std::size_t N>
bool isOneOf(std::string_view word, const std::array<std::string_view, N>& list) {
  return std::find(list.begin(), list.end(), text::lowerCase(word)) != list.end();
}

bool isVowel(char c) {
  return std::string_view("aeiou").find(c) != std::string_view::npos;
}
bool isVowelOrY(char c) {
  return isVowel(c) || c == 'y';
}

// Spoken syllables, counted as groups of vowel letters less a silent final
// "e" ("large" has one, "noble" two, "free" one).
int syllables(std::string_view word) {
  int groups = 0;
  for (std::size_t i = 0; i < word.size(); ++i)
    if (isVowelOrY(word[i]) && (i == 0 || !isVowelOrY(word[i - 1]))) ++groups;
  if (groups > 1 && word.ends_with("e") && !word.ends_with("le") && !word.ends_with("ee")) --groups;
  return groups;
}

bool isPlainWord(std::string_view word) {
  return !word.empty() &&
         std::all_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// "-er"/"-est" with the spelling changes, or "" when English says "more".
std::string suffixed(std::string_view word, std::string_view suffix) {
  const int count = syllables(word);
  if (!isPlainWord(word) || !(count == 1 || (count == 2 && word.ends_with("y")))) return {};
  const std::size_t n = word.size();
  std::string stem(word);
  if (word.ends_with("e")) {
    stem.pop_back();  // large -> larger, free -> freer
  } else if (n >= 2 && word.back() == 'y' && !isVowel(word[n - 2])) {
    stem.back() = 'i';  // happy -> happier
  } else if (count == 1 && n >= 3 && !isVowelOrY(word[n - 1]) &&
             std::string_view("wxy").find(word[n - 1]) == std::string_view::npos &&
             isVowel(word[n - 2]) && !isVowel(word[n - 3])) {
    stem += word.back();  // big -> bigger
  }
  return stem + std::string(suffix);
}

std::string compared(std::string_view headword, bool most) {
  for (const IrregularComparison& c : kIrregularComparisons)
    if (c.positive == headword) return std::string(most ? c.superlative : c.comparative);
  std::string form = suffixed(headword, most ? "est" : "er");
  if (!form.empty()) return form;
  return std::string(most ? "most " : "more ") + std::string(headword);
}

}  // namespace

std::string_view articleBefore(std::string_view word) {
  const std::string w = text::lowerCase(word);
  if (w.empty()) return "a";
  if (beginsWithAny(w, kSilentH)) return "an";
  if (!isVowel(w[0])) return "a";
  if (beginsWithAny(w, kConsonantSoundBeginnings) && !beginsWithAny(w, kVowelSoundExceptions))
    return "a";
  return "an";
}

std::string comparative(std::string_view headword) {
  return compared(headword, false);
}
std::string superlative(std::string_view headword) {
  return compared(headword, true);
}

std::string comparedAdjectiveCaption(std::string_view caption) {
  for (auto [marker, most] : {std::pair{std::string_view("(more "), false},
                              std::pair{std::string_view("(most "), true}}) {
    if (!caption.starts_with(marker) || !caption.ends_with(")")) continue;
    const std::string_view headword =
        caption.substr(marker.size(), caption.size() - marker.size() - 1);
    return "( " + compared(headword, most) + ")";
  }
  return std::string(caption);
}

bool isFrequencyAdverb(std::string_view word) {
  return isOneOf(word, kFrequencyAdverbs);
}
bool isQuestionAdverb(std::string_view word) {
  return isOneOf(word, kQuestionAdverbs);
}

std::vector<std::string> wordsOf(std::string_view text) {
  std::vector<std::string> words;
  for (std::string_view field : text::splitFields(text))
    if (!field.empty()) words.emplace_back(field);
  return words;
}

std::string joinWords(const std::vector<std::string>& words) {
  std::string line;
  for (const std::string& w : words) {
    if (!line.empty()) line += ' ';
    line += w;
  }
  return line;
}

}  // namespace lexorra
