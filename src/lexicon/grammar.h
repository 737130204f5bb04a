// The grammatical codes shared by the lexicon and both renderers. Each value
// is the integer the data files and the look-up arithmetic use, so a code
// turns into a field position by `code()` and back by a cast.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <ostream>
#include <string_view>
#include <type_traits>

namespace lexorra {

// The cases in the order of the noun line's blocks of six forms.
enum class Case {
  none = 0,  // no case asked: the noun's head field
  nominative = 1,
  genitive = 2,
  ablative = 3,
  dative = 4,
  accusative = 5,
  sixth = 6,  // stored but asked for by no caller
};

enum class Number { singular = 0, plural = 1 };
enum class Gender { masculine = 0, feminine = 1, neuter = 2 };
// The gender letter of a noun line, which may also say "common" (C).
enum class NounGender { masculine = 0, feminine = 1, neuter = 2, common = 3 };
enum class Degree { positive = 0, comparative = 1, superlative = 2 };

enum class Tense {
  present = 0,
  perfect = 1,
  pluperfect = 2,
  imperfect = 3,
  future = 4,
  futurePerfect = 5,
  command = 6,
};

enum class Mood { indicative = 0, subjunctive = 1 };
enum class Voice { active = 0, passive = 1 };
enum class Person { none = 0, first = 1, second = 2, third = 3 };  // none: the infinitive

template <typename Code>
requires std::is_enum_v<Code>
constexpr int code(Code value) {
  return static_cast<int>(value);
}

// The tenses of the perfect stem paired with the present-stem tenses they
// mirror: present and perfect, imperfect and pluperfect, future and future
// perfect. Nothing for a tense outside the pairs.
std::optional<Tense> perfectTenseOf(Tense presentStemTense);
std::optional<Tense> presentTenseOf(Tense perfectStemTense);

// The case a preposition line names in its field 4 ("ACC", "ABL", "GEN",
// "NOM", "DAT"); nothing for any other text.
std::optional<Case> governedCase(std::string_view name);

// What a verb form is asked for; `{}` is the present active infinitive.
// A compound form (perfect participle and "to be") makes its participle
// agree with `participleGender` and `number`.
struct VerbQuery {
  Tense tense = Tense::present;
  Person person = Person::none;
  Number number = Number::singular;
  Voice voice = Voice::active;
  Mood mood = Mood::indicative;
  Gender participleGender = Gender::masculine;
};

// The names of the values of an enumeration, in the order of their codes:
// in words ("ablative", "plural", "future perfect") and as the Latin parser
// abbreviates them ("ABL", "P", "FUTP"; "" where it writes none).
template <std::size_t N>
struct CodeNames {
  std::array<std::string_view, N> words;
  std::array<std::string_view, N> abbreviations;
};

template <typename Code>
inline constexpr CodeNames<0> kCodeNames{};

// The parser reads the sixth case as the vocative.
template <>
inline constexpr CodeNames<7> kCodeNames<Case> = {
    .words = {"no case", "nominative", "genitive", "ablative", "dative", "accusative",
              "sixth case"},
    .abbreviations = {"", "NOM", "GEN", "ABL", "DAT", "ACC", "VOC"}};
template <>
inline constexpr CodeNames<2> kCodeNames<Number> = {.words = {"singular", "plural"},
                                                    .abbreviations = {"S", "P"}};
template <>
inline constexpr CodeNames<3> kCodeNames<Gender> = {.words = {"masculine", "feminine", "neuter"},
                                                    .abbreviations = {"M", "F", "N"}};
template <>
inline constexpr CodeNames<4> kCodeNames<NounGender> = {
    .words = {"masculine", "feminine", "neuter", "common"}, .abbreviations = {"M", "F", "N", "C"}};
template <>
inline constexpr CodeNames<3> kCodeNames<Degree> = {
    .words = {"positive", "comparative", "superlative"}, .abbreviations = {"POS", "COMP", "SUPER"}};
template <>
inline constexpr CodeNames<7> kCodeNames<Tense> = {
    .words = {"present", "perfect", "pluperfect", "imperfect", "future", "future perfect",
              "command"},
    .abbreviations = {"PRES", "PERF", "PLUP", "IMPF", "FUT", "FUTP", ""}};
template <>
inline constexpr CodeNames<2> kCodeNames<Mood> = {.words = {"indicative", "subjunctive"},
                                                  .abbreviations = {"IND", "SUB"}};
template <>
inline constexpr CodeNames<2> kCodeNames<Voice> = {.words = {"active", "passive"},
                                                   .abbreviations = {"ACTIVE", "PASSIVE"}};
template <>
inline constexpr CodeNames<4> kCodeNames<Person> = {
    .words = {"no person", "first person", "second person", "third person"},
    .abbreviations = {"", "1", "2", "3"}};

// An enumeration whose values have names.
template <typename Code>
concept NamedCode = std::is_enum_v<Code> && !kCodeNames<Code>.words.empty();

// The name of `value` in one of its enumeration's lists; "" for an integer
// outside the enumeration.
template <typename Code, std::size_t N>
constexpr std::string_view nameIn(const std::array<std::string_view, N>& names, Code value) {
  const int i = code(value);
  return i >= 0 && static_cast<std::size_t>(i) < N ? names[static_cast<std::size_t>(i)]
                                                   : std::string_view{};
}

// The code in words: "ablative", "plural", "future perfect".
template <NamedCode Code>
constexpr std::string_view codeWords(Code value) {
  return nameIn(kCodeNames<Code>.words, value);
}

// The code as the Latin parser abbreviates it: "ABL", "P", "FUTP".
template <NamedCode Code>
constexpr std::string_view codeAbbreviation(Code value) {
  return nameIn(kCodeNames<Code>.abbreviations, value);
}

// For test and error messages: the name in words, or the integer of a code
// outside the enumeration.
template <NamedCode Code>
std::ostream& operator<<(std::ostream& out, Code value) {
  const std::string_view words = codeWords(value);
  if (words.empty()) return out << code(value);
  return out << words;
}

}  // namespace lexorra
