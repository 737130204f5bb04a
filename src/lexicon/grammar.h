// The grammatical codes shared by the lexicon and both renderers. Each value
// is the integer the data files and the look-up arithmetic use, so a code
// turns into a field position by `code()` and back by a cast.
#pragma once

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

// English names of the codes ("ablative", "plural", "future perfect"); an
// integer outside the enumeration gives "".
std::string_view caseName(Case value);
std::string_view numberName(Number value);
std::string_view genderName(Gender value);
std::string_view degreeName(Degree value);
std::string_view tenseName(Tense value);
std::string_view moodName(Mood value);
std::string_view voiceName(Voice value);
std::string_view personName(Person value);

// For test and error messages.
std::ostream& operator<<(std::ostream& out, Case value);
std::ostream& operator<<(std::ostream& out, Number value);
std::ostream& operator<<(std::ostream& out, Gender value);
std::ostream& operator<<(std::ostream& out, Degree value);
std::ostream& operator<<(std::ostream& out, Tense value);
std::ostream& operator<<(std::ostream& out, Mood value);
std::ostream& operator<<(std::ostream& out, Voice value);
std::ostream& operator<<(std::ostream& out, Person value);

}  // namespace lexorra
