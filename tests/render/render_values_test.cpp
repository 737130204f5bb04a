// Reading the motto into the working values of a render.
#include "render/render_values.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "test_motto.h"

namespace lexorra {
namespace {

using namespace lexorra::testing;

struct ThingExpectation {
  int number;
  std::string_view pronounIndex;
  int gender;
};

void expectThing(const ThingValues& t, const ThingExpectation& e, std::string_view name) {
  EXPECT_EQ(code(t.number), e.number) << name;
  EXPECT_EQ(t.pronounIndex, e.pronounIndex) << name;
  EXPECT_EQ(code(t.gender), e.gender) << name;
}

TEST(RenderValues, PronounCaptionsByColumn) {
  struct Case {
    std::string_view name;
    MottoBuilder motto;
    ThingValues RenderValues::*thing;
    ThingExpectation expected;
  };
  auto femaleSpeaker = [](MottoBuilder b) {
    b.s.femaleBox.Value = 1;
    return b;
  };
  auto femaleYou = [](MottoBuilder b) {
    b.s.youFemaleBox.Value = 1;
    return b;
  };
  const Case cases[] = {
      {"she keeps her own gender over the noun's",
       MottoBuilder().actor("She", kCanis),
       &RenderValues::actor,
       {0, "14", 1}},
      {"the (plural) takes the noun's gender",
       MottoBuilder().actor("The (plural)", kAquila),
       &RenderValues::actor,
       {1, "blank", 1}},
      // Without a shown noun, plural personal pronouns are persons.
      {"they without a shown noun is masculine",
       MottoBuilder().actor("They", kAquila),
       &RenderValues::actor,
       {1, "14", 0}},
      {"we is masculine", MottoBuilder().actor("We"), &RenderValues::actor, {1, "16", 0}},
      {"we follows the speaker box",
       femaleSpeaker(MottoBuilder().actor("We")),
       &RenderValues::actor,
       {1, "16", 1}},
      {"you (plural) follows its box",
       femaleYou(MottoBuilder().actor("You (plural)")),
       &RenderValues::actor,
       {1, "29", 1}},
      {"an article with only an adjective means persons",
       MottoBuilder().actor("The (plural)", -1, kBonus, "( good)"),
       &RenderValues::actor,
       {1, "blank", 0}},
      {"<other plural> with only an adjective means things",
       MottoBuilder().actor("(plural)", -1, kOmnis, "( all)"),
       &RenderValues::actor,
       {1, "blank", 2}},
      {"I follows the speaker box",
       femaleSpeaker(MottoBuilder().actor("I")),
       &RenderValues::actor,
       {0, "0", 1}},
      {"you follows its box",
       femaleYou(MottoBuilder().actor("You (single)")),
       &RenderValues::actor,
       {0, "25", 1}},
      {"somebody as the second thing is masculine",
       MottoBuilder().actor("He").act("will", kAmo).acted("Somebody"),
       &RenderValues::acted,
       {0, "2", 0}},
      {"somebody as a preposition's object is masculine",
       MottoBuilder().preposition(kCum, "with", "somebody"),
       &RenderValues::prep,
       {0, "2", 0}},
      {"us without a shown noun is masculine",
       MottoBuilder().actor("He").act("will", kAmo).acted("us", kAquila),
       &RenderValues::acted,
       {1, "16", 0}},
      {"us as the linked second thing is masculine",
       MottoBuilder()
           .actor("He")
           .act("will", kAmo)
           .acted("A", kCanis)
           .linkActed(true, "us", kAquila),
       &RenderValues::secondActed,
       {1, "16", 0}},
      {"linked first thing reads the first-thing column",
       MottoBuilder().actor("I").linkActor(true, "he"),
       &RenderValues::secondActor,
       {0, "14", 0}},
      // The noun is hidden behind "he", so the thing has none: neuter.
      {"a word the column does not offer changes nothing",
       MottoBuilder().actor("He").act("will", kAmo).acted("he", kAquila),
       &RenderValues::acted,
       {0, "blank", 2}},
      {"a caption outside every menu changes nothing",
       MottoBuilder().actor("Zorro", kAquila),
       &RenderValues::actor,
       {0, "blank", 1}},
  };
  for (const Case& c : cases)
    expectThing(readRenderValues(c.motto.s, lexicon()).*c.thing, c.expected, c.name);
}

TEST(RenderValues, UntickedSectionsKeepTheStartValues) {
  MottoBuilder b = MottoBuilder().actor("We", kAquila, kBonus, "(most good)").act("will", kAmo);
  b.s.actorTickBox.Value = 0;
  RenderValues v = readRenderValues(b.s, lexicon());
  expectThing(v.actor, {0, "blank", 0}, "first thing unticked");
  EXPECT_EQ(v.actor.nounIndex, "blank");
  EXPECT_EQ(code(v.actor.adjDegree), 0);
  // The person still follows the first thing's pronoun caption.
  EXPECT_EQ(code(v.verbPerson), 1);
  EXPECT_EQ(code(v.verbNumber), 1);
}

TEST(RenderValues, StartValuesAreNoWord) {
  RenderValues v = readRenderValues(MottoState{}, lexicon());
  for (const ThingValues* t :
       {&v.actor, &v.secondActor, &v.acted, &v.secondActed, &v.prep, &v.secondPrep}) {
    EXPECT_EQ(t->nounIndex, "blank");
    EXPECT_EQ(t->adjIndex, "blank");
    EXPECT_EQ(t->pronounIndex, "blank");
  }
  EXPECT_EQ(v.verbIndex, "blank");
}

TEST(RenderValues, TensePhrases) {
  struct Case {
    std::string_view phrase;
    int tense, mood;
  };
  const Case cases[] = {
      {"do/does/dost/doth", 0, 0},
      {"did/didst", 1, 0},
      {"had", 2, 0},
      {"will", 4, 0},
      {"will have", 5, 0},
      {"might", 0, 1},
      {"might have", 1, 1},
      {"should", 6, 0},
      {"can", 0, 0},
      {"would like to", 0, 0},
      {"swear to", 0, 0},
  };
  for (const Case& c : cases) {
    TenseAndMood tm = tenseOfPhrase(c.phrase);
    EXPECT_EQ(code(tm.tense), c.tense) << c.phrase;
    EXPECT_EQ(code(tm.mood), c.mood) << c.phrase;
  }
}

TEST(RenderValues, PersonOfTheAct) {
  struct Case {
    std::string_view name;
    MottoBuilder motto;
    int person, number;
  };
  const Case cases[] = {
      {"I", MottoBuilder().actor("I").act("will", kAmo), 1, 0},
      {"You (plural)", MottoBuilder().actor("You (plural)").act("will", kAmo), 2, 1},
      {"Those", MottoBuilder().actor("Those", kCanis).act("will", kAmo), 3, 1},
      {"a noun and a noun",
       MottoBuilder().actor("A", kCanis).linkActor(true, "a", kAquila).act("will", kAmo), 3, 1},
      {"a noun and nothing",
       [] {
         MottoBuilder b = MottoBuilder().actor("A", kCanis).linkActor(true, "()").act("will", kAmo);
         b.s.secondActorNounText.Caption = "()";
         return b;
       }(),
       3, 0},
      {"of does not make a plural",
       MottoBuilder().actor("A", kCanis).linkActor(false, "a", kAquila).act("will", kAmo), 3, 0},
  };
  for (const Case& c : cases) {
    MottoState s = c.motto.s;
    // Captions as the editor shows them once a word is placed.
    if (s.actorNounText.Tag != "blank") s.actorNounText.Caption = "word";
    if (s.secondActorNounText.Tag != "blank") s.secondActorNounText.Caption = "word";
    RenderValues v = readRenderValues(s, lexicon());
    EXPECT_EQ(code(v.verbPerson), c.person) << c.name;
    EXPECT_EQ(code(v.verbNumber), c.number) << c.name;
  }
}

TEST(RenderValues, ToBeMakesTheSecondThingAgree) {
  RenderValues v = readRenderValues(MottoBuilder()
                                        .actor("We")
                                        .act("do/does/dost/doth", kSum)
                                        .acted("()", -1, kBonus, "( good)")
                                        .s,
                                    lexicon());
  EXPECT_EQ(code(v.actedCase), 1);
  EXPECT_EQ(code(v.acted.number), 1);
  EXPECT_EQ(code(v.acted.gender), 0);  // "we" are persons: "nos boni"

  // A personal pronoun keeps its own gender: "the eagle is him" says "is".
  v = readRenderValues(
      MottoBuilder().actor("The (single)", kAquila).act("do/does/dost/doth", kSum).acted("him").s,
      lexicon());
  EXPECT_EQ(v.acted.gender, Gender::masculine);
  EXPECT_EQ(v.acted.pronounIndex, "14");
  // A demonstrative without a noun agrees: "aquila haec".
  v = readRenderValues(
      MottoBuilder().actor("The (single)", kAquila).act("do/does/dost/doth", kSum).acted("This").s,
      lexicon());
  EXPECT_EQ(v.acted.gender, Gender::feminine);

  // "and" in the first thing makes it plural, in the two things' common
  // gender, else the masculine.
  v = readRenderValues(MottoBuilder()
                           .actor("A", kAquila)
                           .linkActor(true, "a", kCanis)
                           .act("do/does/dost/doth", kSum)
                           .acted("()", -1, kBonus, "( good)")
                           .s,
                       lexicon());
  EXPECT_EQ(code(v.acted.number), 1);
  EXPECT_EQ(v.acted.gender, Gender::masculine);
  v = readRenderValues(MottoBuilder()
                           .actor("A", kAquila)
                           .linkActor(true, "a", kRadix)
                           .act("do/does/dost/doth", kSum)
                           .acted("()", -1, kBonus, "( good)")
                           .s,
                       lexicon());
  EXPECT_EQ(v.acted.gender, Gender::feminine);
  // An "and" that holds no word joins nothing.
  v = readRenderValues(MottoBuilder()
                           .actor("A", kAquila)
                           .linkActor(true, "a")
                           .act("do/does/dost/doth", kSum)
                           .acted("()", -1, kBonus, "( good)")
                           .s,
                       lexicon());
  EXPECT_EQ(v.acted.number, Number::singular);
  EXPECT_EQ(v.acted.gender, Gender::feminine);

  v = readRenderValues(MottoBuilder().actor("We").act("do/does/dost/doth", kAmo).acted("us").s,
                       lexicon());
  EXPECT_EQ(code(v.actedCase), 5);
}

TEST(RenderValues, DegreesAndPrepositionCase) {
  EXPECT_EQ(code(adjectiveDegree("( good)")), 0);
  EXPECT_EQ(code(adjectiveDegree("(more good)")), 1);
  EXPECT_EQ(code(adjectiveDegree("(most good)")), 2);
  EXPECT_EQ(code(adjectiveDegree("(mor")), 0);

  struct Case {
    int preposition;
    int code;
  };
  for (Case c : {Case{kCum, 3}, Case{kAd, 5}, Case{kDative, 4}, Case{kApud, 5}}) {
    RenderValues v = readRenderValues(
        MottoBuilder().preposition(c.preposition, "p", "the (single)", kCanis).s, lexicon());
    EXPECT_EQ(code(v.prepCaseCode), c.code) << c.preposition;
  }
}

}  // namespace
}  // namespace lexorra
