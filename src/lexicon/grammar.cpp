#include "lexicon/grammar.h"

#include <array>

namespace lexorra {

namespace {

template <typename Code, std::size_t N>
std::string_view nameIn(const std::array<std::string_view, N>& names, Code value) {
  const int i = code(value);
  return i >= 0 && static_cast<std::size_t>(i) < N ? names[static_cast<std::size_t>(i)]
                                                   : std::string_view{};
}

template <typename Code>
std::ostream& printName(std::ostream& out, std::string_view name, Code value) {
  if (name.empty()) return out << code(value);
  return out << name;
}

}  // namespace

std::string_view caseName(Case value) {
  static constexpr std::array<std::string_view, 7> kNames = {
      "no case", "nominative", "genitive", "ablative", "dative", "accusative", "sixth case"};
  return nameIn(kNames, value);
}

std::string_view numberName(Number value) {
  static constexpr std::array<std::string_view, 2> kNames = {"singular", "plural"};
  return nameIn(kNames, value);
}

std::string_view genderName(Gender value) {
  static constexpr std::array<std::string_view, 3> kNames = {"masculine", "feminine", "neuter"};
  return nameIn(kNames, value);
}

std::string_view degreeName(Degree value) {
  static constexpr std::array<std::string_view, 3> kNames = {"positive", "comparative",
                                                             "superlative"};
  return nameIn(kNames, value);
}

std::string_view tenseName(Tense value) {
  static constexpr std::array<std::string_view, 7> kNames = {
      "present", "perfect", "pluperfect", "imperfect", "future", "future perfect", "command"};
  return nameIn(kNames, value);
}

std::string_view moodName(Mood value) {
  static constexpr std::array<std::string_view, 2> kNames = {"indicative", "subjunctive"};
  return nameIn(kNames, value);
}

std::string_view voiceName(Voice value) {
  static constexpr std::array<std::string_view, 2> kNames = {"active", "passive"};
  return nameIn(kNames, value);
}

std::string_view personName(Person value) {
  static constexpr std::array<std::string_view, 4> kNames = {"no person", "first person",
                                                             "second person", "third person"};
  return nameIn(kNames, value);
}

std::ostream& operator<<(std::ostream& out, Case v) {
  return printName(out, caseName(v), v);
}
std::ostream& operator<<(std::ostream& out, Number v) {
  return printName(out, numberName(v), v);
}
std::ostream& operator<<(std::ostream& out, Gender v) {
  return printName(out, genderName(v), v);
}
std::ostream& operator<<(std::ostream& out, Degree v) {
  return printName(out, degreeName(v), v);
}
std::ostream& operator<<(std::ostream& out, Tense v) {
  return printName(out, tenseName(v), v);
}
std::ostream& operator<<(std::ostream& out, Mood v) {
  return printName(out, moodName(v), v);
}
std::ostream& operator<<(std::ostream& out, Voice v) {
  return printName(out, voiceName(v), v);
}
std::ostream& operator<<(std::ostream& out, Person v) {
  return printName(out, personName(v), v);
}

}  // namespace lexorra
