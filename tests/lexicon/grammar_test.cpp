#include "lexicon/grammar.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "lexicon/lexicon.h"

namespace lexorra {
namespace {

template <typename Code>
std::string printed(Code value) {
  std::ostringstream out;
  out << value;
  return out.str();
}

TEST(GrammarNames, EachCodeInWordsAndAsTheParserAbbreviatesIt) {
  struct Row {
    std::string_view words, abbreviation, expectedWords, expectedAbbreviation;
  };
  const Row rows[] = {
      {codeWords(Case::none), codeAbbreviation(Case::none), "no case", ""},
      {codeWords(Case::ablative), codeAbbreviation(Case::ablative), "ablative", "ABL"},
      {codeWords(Case::sixth), codeAbbreviation(Case::sixth), "sixth case", "VOC"},
      {codeWords(Number::plural), codeAbbreviation(Number::plural), "plural", "P"},
      {codeWords(Gender::neuter), codeAbbreviation(Gender::neuter), "neuter", "N"},
      {codeWords(NounGender::common), codeAbbreviation(NounGender::common), "common", "C"},
      {codeWords(Degree::superlative), codeAbbreviation(Degree::superlative), "superlative",
       "SUPER"},
      {codeWords(Tense::imperfect), codeAbbreviation(Tense::imperfect), "imperfect", "IMPF"},
      {codeWords(Tense::futurePerfect), codeAbbreviation(Tense::futurePerfect), "future perfect",
       "FUTP"},
      {codeWords(Tense::command), codeAbbreviation(Tense::command), "command", ""},
      {codeWords(Mood::subjunctive), codeAbbreviation(Mood::subjunctive), "subjunctive", "SUB"},
      {codeWords(Voice::passive), codeAbbreviation(Voice::passive), "passive", "PASSIVE"},
      {codeWords(Person::none), codeAbbreviation(Person::none), "no person", ""},
      {codeWords(Person::third), codeAbbreviation(Person::third), "third person", "3"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.words, row.expectedWords);
    EXPECT_EQ(row.abbreviation, row.expectedAbbreviation) << row.expectedWords;
  }
}

TEST(GrammarNames, AnIntegerOutsideTheEnumerationHasNoNameAndPrintsAsItself) {
  EXPECT_EQ(codeWords(static_cast<Case>(7)), "");
  EXPECT_EQ(codeAbbreviation(static_cast<Tense>(-1)), "");
  EXPECT_EQ(codeWords(static_cast<Person>(4)), "");
  EXPECT_EQ(printed(static_cast<Number>(2)), "2");
  EXPECT_EQ(printed(static_cast<Case>(-3)), "-3");
  EXPECT_EQ(printed(Case::genitive), "genitive");
  EXPECT_EQ(printed(Tense::futurePerfect), "future perfect");
}

TEST(StemTenses, EachPresentStemTenseHasItsPerfectStemTenseAndBack) {
  const std::pair<Tense, Tense> pairs[] = {{Tense::present, Tense::perfect},
                                           {Tense::imperfect, Tense::pluperfect},
                                           {Tense::future, Tense::futurePerfect}};
  for (auto [present, perfect] : pairs) {
    EXPECT_EQ(perfectTenseOf(present), perfect) << present;
    EXPECT_EQ(presentTenseOf(perfect), present) << perfect;
    EXPECT_EQ(perfectTenseOf(perfect), std::nullopt) << perfect;
    EXPECT_EQ(presentTenseOf(present), std::nullopt) << present;
  }
  EXPECT_EQ(perfectTenseOf(Tense::command), std::nullopt);
  EXPECT_EQ(presentTenseOf(Tense::command), std::nullopt);
}

TEST(NounGenderOfLine, TheLastLetterOfTheListWins) {
  const std::pair<std::string_view, NounGender> lines[] = {
      {"rosa rosae 1 1 F ::rose", NounGender::feminine},
      {"dux ducis 3 1 C ::leader", NounGender::common},
      {"no letter at all ::x", NounGender::masculine},
      {"rosa F1 ::x", NounGender::masculine},    // "F1" is no letter
      {"x C y N z ::both", NounGender::common},  // C comes after N in the list
      {"x N y M z ::both", NounGender::neuter},
  };
  for (auto [line, gender] : lines) EXPECT_EQ(nounGenderOfLine(line), gender) << line;
}

}  // namespace
}  // namespace lexorra
