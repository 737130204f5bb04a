// The English meaning of real mottos on the delivered data, as a client who
// reads no Latin checks it: one closing mark, nothing for an empty motto,
// "a"/"an" by sound, English comparison, adverbs where English puts them,
// questions asked by their adverb, plurals of phrases, joined subjects.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

#include "delivered_motto.h"

namespace lexorra {
namespace {

using namespace lexorra::testing;

using EnglishMends = DeliveredMottos;

void expectEnglish(std::initializer_list<MottoCase> cases) {
  expectSettled(cases, [](const MottoState& s) { return s.finalEnglish; });
}

constexpr int kBe = 0;

MottoBuilder withAdverb(MottoBuilder b, std::string_view latin) {
  const int a = adverb(latin);
  return b.manner(a, headword("adverb", a));
}

MottoBuilder withPredicate(MottoBuilder b, std::string_view adjectiveLatin) {
  const int a = adjective(adjectiveLatin);
  return b.acted("()", -1, a, adjectiveCaption(a));
}

int venire() {
  return findLatin(Table::verb, 1, "venire", "come");
}

TEST_F(EnglishMends, NothingToSayAndOneClosingMark) {
  expectEnglish({
      {"the empty motto", [] { return MottoBuilder(); }, ""},
      {"an act without a verb", [] { return MottoBuilder().actor("()").act("did/didst", -1); }, ""},
      {"who and what ask once",
       [] {
         return MottoBuilder().actor("Who").act("do/does/dost/doth", verb("amare")).acted("what");
       },
       "Who loves what?"},
      {"a why-question that already asks",
       [] {
         return MottoBuilder()
             .actor("I")
             .act("do/does/dost/doth", verb("amare"))
             .acted("what")
             .question(&MottoState::whyOption);
       },
       "Why is it that I love what?"},
  });
}

TEST_F(EnglishMends, ArticlesBySound) {
  expectEnglish({
      {"a universe", [] { return MottoBuilder().actor("A", noun("universitas")); }, "A universe."},
      {"an hour", [] { return MottoBuilder().actor("A", noun("hora")); }, "An hour."},
      {"an heir", [] { return MottoBuilder().actor("A", noun("heres")); }, "An heir."},
      {"an eagle",
       [] { return MottoBuilder().actor("A", findLatin(Table::noun, 5, "aquila", "eagle")); },
       "An eagle."},
  });
}

TEST_F(EnglishMends, ComparisonReadsAsEnglish) {
  expectEnglish({
      {"to the greater glory",
       [] {
         const int magnus = adjective("magnus");
         return MottoBuilder().preposition(preposition("ad"), "to", "the (single)", noun("gloria"),
                                           magnus, "(more " + headword("adjective", magnus) + ")");
       },
       "To the greater glory."},
      {"the wisest man",
       [] {
         const int sapiens = adjective("sapiens");
         return MottoBuilder().actor("The (single)", noun("vir"), sapiens,
                                     "(most " + headword("adjective", sapiens) + ")");
       },
       "The wisest man."},
      {"the most beautiful eagle: an eagle is feminine",
       [] {
         const int pulcher = adjective("pulcher");
         return MottoBuilder().actor("The (single)", findLatin(Table::noun, 5, "aquila", "eagle"),
                                     pulcher, "(most " + headword("adjective", pulcher) + ")");
       },
       "The most beautiful eagle."},
      {"the better man: the irregular rows stay",
       [] {
         const int bonus = adjective("bonus");
         return MottoBuilder().actor("The (single)", noun("vir"), bonus,
                                     "(more " + headword("adjective", bonus) + ")");
       },
       "The better man."},
  });
}

TEST_F(EnglishMends, AdverbsOfFrequencyStandByTheVerb) {
  const int cedere = verb("cedere");
  expectEnglish({
      {"I will always love you",
       [] {
         return withAdverb(
             MottoBuilder().actor("I").act("will", verb("amare")).acted("You (single)"), "semper");
       },
       "I will always love you."},
      {"I am always free",
       [] {
         return withAdverb(
             withPredicate(MottoBuilder().actor("I").act("do/does/dost/doth", kBe), "liber"),
             "semper");
       },
       "I am always free."},
      {"he never fears",
       [] {
         return withAdverb(MottoBuilder().actor("He").act("do/does/dost/doth", verb("timere")),
                           "numquam");
       },
       "He never fears."},
      {"he will never go: never takes the place of not",
       [] {
         return withAdverb(MottoBuilder().actor("He").act("will", verb("ire")).negated(),
                           "numquam");
       },
       "He will never go."},
      {"never yield",
       [=] {
         return withAdverb(MottoBuilder().actor("You (single)").act("should", cedere), "numquam");
       },
       "Never yield!"},
      {"never yield, negated: the same meaning",
       [=] {
         return withAdverb(MottoBuilder().actor("You (single)").act("should", cedere).negated(),
                           "numquam");
       },
       "Never yield!"},
      {"let him always remember",
       [] {
         return withAdverb(MottoBuilder().actor("He").act("should", verb("meminisse")), "semper");
       },
       "Let him always remember!"},
      {"don't always love me",
       [] {
         return withAdverb(MottoBuilder()
                               .actor("You (single)")
                               .act("should", verb("amare"))
                               .negated()
                               .acted("me"),
                           "semper");
       },
       "Don't always love me!"},
  });
}

TEST_F(EnglishMends, QuestionAdverbsAsk) {
  expectEnglish({
      {"where do you go",
       [] {
         return withAdverb(
             MottoBuilder().actor("You (single)").act("do/does/dost/doth", verb("ire")), "quo");
       },
       "Where do you go?"},
      {"where does he go",
       [] {
         return withAdverb(MottoBuilder().actor("He").act("do/does/dost/doth", verb("ire")), "quo");
       },
       "Where does he go?"},
      {"where are you",
       [] {
         return withAdverb(MottoBuilder().actor("You (single)").act("do/does/dost/doth", kBe),
                           "ubi");
       },
       "Where are you?"},
      {"when will you come",
       [] {
         return withAdverb(MottoBuilder().actor("You (single)").act("will", venire()), "quando");
       },
       "When will you come?"},
  });
}

TEST_F(EnglishMends, JoinedSubjectsAgree) {
  expectEnglish({
      {"you and I are free",
       [] {
         return withPredicate(MottoBuilder()
                                  .actor("You (single)")
                                  .linkActor(true, "I")
                                  .act("do/does/dost/doth", kBe),
                              "liber");
       },
       "You and I are free."},
      {"you and I were free",
       [] {
         return withPredicate(
             MottoBuilder().actor("You (single)").linkActor(true, "I").act("did/didst", kBe),
             "liber");
       },
       "You and I were free."},
      {"sister and brother were born",
       [] {
         return MottoBuilder()
             .actor("()", noun("soror"))
             .linkActor(true, "()", noun("frater"))
             .act("did/didst", verb("nasci"));
       },
       "Sister and brother were born."},
      {"and after nothing says nothing",
       [] {
         return MottoBuilder()
             .actor("()")
             .linkActor(true, "we")
             .act("do/does/dost/doth", verb("amare"))
             .acted("You (single)");
       },
       "We love you."},
      {"truth and I",
       [] { return MottoBuilder().actor("()", noun("veritas")).linkActor(true, "I"); },
       "Truth and I."},
      {"you and I should not fear: let us",
       [] {
         return MottoBuilder()
             .actor("You (single)")
             .linkActor(true, "I")
             .act("should", verb("timere"))
             .negated();
       },
       "Let you and me not fear!"},
  });
}

TEST_F(EnglishMends, PluralsOfPhrasesOnTheDeliveredTables) {
  const EnglishTables& tables = delivered().english;
  EXPECT_EQ(nounPlural(tables, "system of gears"), "systems of gears");
  EXPECT_EQ(nounPlural(tables, "young man"), "young men");
  EXPECT_EQ(nounPlural(tables, "sea dog"), "sea dogs");
  EXPECT_EQ(nounPlural(tables, "man of war"), "men of war");
}

}  // namespace
}  // namespace lexorra
