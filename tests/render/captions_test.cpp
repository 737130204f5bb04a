// Adapting the verb and noun captions to the tense and to plural articles.
#include <gtest/gtest.h>

#include <string_view>

#include "render/render.h"
#include "test_motto.h"

namespace lexorra {
namespace {

using namespace lexorra::testing;

TEST(ParticipaliseForm, VerbCaptionFollowsTheTense) {
  struct Case {
    std::string_view tense;
    int verb;
    std::string_view caption;
  };
  const Case cases[] = {
      {"had", kAmo, "loved"},           {"will have", kAmo, "loved"},
      {"might have", kEo, "gone"},      {"will", kAmo, "love"},
      {"might", kAmo, "love"},          {"did/didst", kAmo, "love"},
      {"do/does/dost/doth", kEo, "go"}, {"had", -1, ""},
  };
  for (const Case& c : cases) {
    MottoBuilder b = MottoBuilder().actor("He").act(c.tense, c.verb);
    participaliseForm(b.s, lexicon(), englishTables());
    EXPECT_EQ(b.s.verbText.Caption, c.caption) << c.tense;
  }
}

TEST(ParticipaliseForm, ChangingTheTenseBringsBackTheHeadword) {
  MottoBuilder b = MottoBuilder().actor("He").act("had", kAmo);
  participaliseForm(b.s, lexicon(), englishTables());
  participaliseForm(b.s, lexicon(), englishTables());
  EXPECT_EQ(b.s.verbText.Caption, "loved");
  b.s.verbTenseText.Caption = "will";
  participaliseForm(b.s, lexicon(), englishTables());
  EXPECT_EQ(b.s.verbText.Caption, "love");
}

TEST(ParticipaliseForm, NounCaptionFollowsThePronoun) {
  struct Case {
    std::string_view pronoun;
    int noun;
    std::string_view caption;
  };
  const Case cases[] = {
      {"These", kCanis, "dogs"},        {"this", kCanis, "dog"},      {"(plural)", kBox, "boxes"},
      {"the (plural)", kMan, "men"},    {"Those", kAquila, "eagles"}, {"()", kCanis, "dog"},
      {"You (plural)", kCanis, "dogs"}, {"The (single)", -1, ""},
  };
  for (const Case& c : cases) {
    // Every noun slot with its own pronoun slot, hidden or not.
    MottoBuilder b = MottoBuilder()
                         .actor(c.pronoun, c.noun)
                         .linkActor(true, c.pronoun, c.noun)
                         .act("will", kAmo)
                         .acted(c.pronoun, c.noun)
                         .linkActed(true, c.pronoun, c.noun)
                         .preposition(kCum, "with", c.pronoun, c.noun)
                         .linkPreposition(true, c.pronoun, c.noun);
    participaliseForm(b.s, lexicon(), englishTables());
    participaliseForm(b.s, lexicon(), englishTables());  // never applied twice
    for (const WordSlot* slot :
         {&b.s.actorNounText, &b.s.secondActorNounText, &b.s.actedNounText,
          &b.s.secondActedNounText, &b.s.prepositionNounText, &b.s.secondPrepositionNounText})
      EXPECT_EQ(slot->Caption, c.caption) << c.pronoun;
  }
}

TEST(ParticipaliseForm, WritesOnlyVerbAndNounCaptions) {
  MottoBuilder b = MottoBuilder()
                       .actor("These", kCanis, kBonus, "( good)")
                       .act("had", kAmo)
                       .acted("()", kAquila);
  MottoState before = b.s;
  participaliseForm(b.s, lexicon(), englishTables());
  EXPECT_EQ(b.s.actorNounText.Caption, "dogs");
  EXPECT_EQ(b.s.actedNounText.Caption, "eagle");
  EXPECT_EQ(b.s.secondActedNounText.Caption, "");
  EXPECT_EQ(b.s.verbText.Caption, "loved");
  // Every other field is as it was.
  for (const SlotInfo& info : kSlots) {
    if (info.kind != SlotKind::noun && info.kind != SlotKind::verb) {
      EXPECT_EQ((b.s.*info.slot).Caption, (before.*info.slot).Caption) << info.name;
    }
    EXPECT_EQ((b.s.*info.slot).Tag, (before.*info.slot).Tag) << info.name;
    EXPECT_EQ((b.s.*info.slot).Visible, (before.*info.slot).Visible) << info.name;
  }
}

TEST(ParticipaliseForm, ABadTagChangesNoCaption) {
  MottoBuilder b = MottoBuilder().actor("These", kCanis).act("had", kAmo);
  b.s.actedNounText.Tag = "99999";
  MottoState before = b.s;
  EXPECT_THROW(participaliseForm(b.s, lexicon(), englishTables()), LookupOutOfRange);
  EXPECT_EQ(b.s.verbText.Caption, before.verbText.Caption);
  EXPECT_EQ(b.s.actorNounText.Caption, before.actorNounText.Caption);
}

}  // namespace
}  // namespace lexorra
