// The refresh tick: render, adapt captions and tidy while the window is
// enabled; re-caption possessives, drop impossible questions and show the
// link options on every tick.
#include "editor/refresh.h"

#include <gtest/gtest.h>

#include <string_view>

#include "../render/test_motto.h"

namespace lexorra {
namespace {

using namespace lexorra::testing;

void tick(MottoState& s) {
  Timer1_Timer(s, lexicon(), englishTables());
}

MottoState settled(MottoBuilder b) {
  tick(b.s);
  tick(b.s);
  return b.s;
}

TEST(Refresh, TwoTicksRenderFromAdaptedCaptions) {
  MottoState s = settled(MottoBuilder().actor("These", kCanis).act("had", kAmo).acted("It"));
  EXPECT_EQ(s.actorNounText.Caption, "dogs");
  EXPECT_EQ(s.verbText.Caption, "loved");
  EXPECT_EQ(s.finalEnglish, "These dogs had loved it.");
  EXPECT_EQ(s.finalLatin, "hi canes id amaverant");
}

TEST(Refresh, DisabledWindowKeepsOutputsButStillTidiesCaptions) {
  MottoBuilder b = MottoBuilder()
                       .actor("()", kCanis, kMeus, "my")
                       .act("should", kAmo)
                       .question(&MottoState::whyOption);
  b.s.Enabled = false;
  b.s.actorNounText.Visible = true;
  tick(b.s);
  EXPECT_EQ(b.s.finalLatin, "Aliquid aliquid facit");
  EXPECT_EQ(b.s.finalEnglish, "\" There is nothing new under the sun\"");
  EXPECT_EQ(b.s.actorNounText.Caption, "()");  // not adapted
  EXPECT_EQ(b.s.actorAdjText.Caption, "( my)");
  EXPECT_TRUE(b.s.notQuestionOption);
  EXPECT_FALSE(b.s.whyOption);
  EXPECT_TRUE(b.s.Option1.Visible);
}

TEST(Refresh, PossessiveCaptions) {
  struct Case {
    std::string_view tag;
    bool withNoun;
    std::string_view caption;
  };
  const Case cases[] = {
      {"0", true, "( my)"},     {"0", false, "( mine)"}, {"1", true, "( your)"},
      {"1", false, "( yours)"}, {"2", true, "( your)"},  {"2", false, "( yours)"},
      {"4", true, "( our)"},    {"4", false, "( ours)"}, {"5", true, "good"},
  };
  for (const Case& c : cases) {
    MottoState s;
    for (auto [adjective, noun] :
         {std::pair{&MottoState::actorAdjText, &MottoState::actorNounText},
          std::pair{&MottoState::secondActorAdjText, &MottoState::secondActorNounText},
          std::pair{&MottoState::actedAdjText, &MottoState::actedNounText},
          std::pair{&MottoState::secondActedAdjText, &MottoState::secondActedNounText}}) {
      (s.*adjective).Tag = c.tag;
      (s.*adjective).Caption = "good";
      (s.*noun).Tag = c.withNoun ? tag(kCanis) : "blank";
    }
    s.prepositionAdjText.Tag = c.tag;
    s.prepositionAdjText.Caption = "good";
    tick(s);  // disabled: only the every-tick steps run
    EXPECT_EQ(s.actorAdjText.Caption, c.caption) << c.tag;
    EXPECT_EQ(s.secondActorAdjText.Caption, c.caption) << c.tag;
    EXPECT_EQ(s.actedAdjText.Caption, c.caption) << c.tag;
    EXPECT_EQ(s.secondActedAdjText.Caption, c.caption) << c.tag;
    EXPECT_EQ(s.prepositionAdjText.Caption, "good") << c.tag;
  }
}

TEST(Refresh, APossessiveFollowsItsNounWithinOneTick) {
  MottoBuilder b = MottoBuilder().actor("()", -1, kMeus, "( mine)");
  tick(b.s);
  EXPECT_EQ(b.s.actorAdjText.Caption, "( mine)");
  b.s.actorNounText.Tag = tag(kCor);
  tick(b.s);
  EXPECT_EQ(b.s.actorAdjText.Caption, "( my)");
  tick(b.s);
  EXPECT_EQ(b.s.finalEnglish, "My heart.");
}

TEST(Refresh, BroadQuestionReset) {
  struct Case {
    std::string_view name;
    MottoBuilder motto;
    bool kept;
  };
  auto why = [](MottoBuilder b) { return b.question(&MottoState::whyOption); };
  // "He will love", asked why, with one of its sections unticked afterwards.
  auto withoutSection = [&](TickBox MottoState::*section) {
    MottoBuilder b = why(MottoBuilder().actor("He").act("will", kAmo));
    (b.s.*section).Value = 0;
    return b;
  };
  const Case cases[] = {
      {"a plain statement keeps it",
       why(MottoBuilder().actor("He").act("do/does/dost/doth", kAmo).acted("It")), true},
      {"a command", why(MottoBuilder().actor("He").act("should", kAmo).acted("It")), false},
      {"no first thing", withoutSection(&MottoState::actorTickBox), false},
      {"no act", withoutSection(&MottoState::actionTickBoc), false},
      {"who asks already", why(MottoBuilder().actor("Who").act("will", kAmo).acted("It")), false},
      {"what asks already", why(MottoBuilder().actor("He").act("will", kAmo).acted("what")), false},
  };
  for (const Case& c : cases) {
    MottoState s = settled(c.motto);
    EXPECT_EQ(s.whyOption, c.kept) << c.name;
    EXPECT_EQ(s.notQuestionOption, !c.kept) << c.name;
  }

  // The test reads the English meaning in any letter case.
  MottoState s = settled(why(MottoBuilder().actor("He").act("will", kAmo).acted("It")));
  s.Enabled = false;
  s.finalEnglish = "WHAT IS THIS";
  tick(s);
  EXPECT_TRUE(s.notQuestionOption);
}

TEST(Refresh, TidyingSlotsWithoutAWord) {
  MottoBuilder b = MottoBuilder()
                       .actor("The (single)", kCanis, kBonus, "( good)")
                       .act("will", kAmo)
                       .preposition(kCum, "with", "the (single)", kGladius, kBonus, "( good)")
                       .linkPreposition(true, "the (single)", kAquila, kBonus, "( good)");
  b.s.verbText.Caption = "";  // as after a reset
  b.s.verbText.Tag = tag(kAmo);
  b.s.actorAdjText.Caption = "()";
  b.s.adVerbText.Caption = "()";
  b.s.adVerbText.Tag = tag(kSemper);
  b.s.prepositionAdjText.Visible = false;
  b.s.secondPrepositionNounText.Visible = false;
  b.s.actorAdjText.Visible = false;
  b.s.actorNounText.Visible = false;
  b.s.actorNounText.Caption = "dog";
  b.s.prepositionNounText.Caption = "sword";
  neutraliseBlankWords(b.s);
  EXPECT_EQ(b.s.verbText.Tag, "blank");
  EXPECT_EQ(b.s.actorAdjText.Tag, "blank");
  EXPECT_EQ(b.s.adVerbText.Tag, "blank");
  // Hidden prepositional words go; the first thing's keep theirs.
  EXPECT_EQ(b.s.prepositionAdjText.Tag, "blank");
  EXPECT_EQ(b.s.prepositionAdjText.Caption, "()");
  EXPECT_EQ(b.s.secondPrepositionNounText.Tag, "blank");
  EXPECT_EQ(b.s.secondPrepositionAdjText.Tag, tag(kBonus));
  EXPECT_EQ(b.s.actorNounText.Tag, tag(kCanis));
  EXPECT_EQ(b.s.prepositionNounText.Tag, tag(kGladius));
  // Pronoun slots are never tidied.
  b.s.actedPronounText.Caption = "()";
  b.s.actedPronounText.Tag = "";
  neutraliseBlankWords(b.s);
  EXPECT_EQ(b.s.actedPronounText.Tag, "");
}

TEST(Refresh, AFreshlyLoadedNounIsCaptionedBeforeTheTidy) {
  // A loaded motto carries tags with captions "()": the adaptation writes
  // the caption first, so the word survives.
  MottoBuilder b = MottoBuilder().actor("The (single)", kCanis).act("will", kAmo);
  ASSERT_EQ(b.s.actorNounText.Caption, "()");
  tick(b.s);
  EXPECT_EQ(b.s.actorNounText.Tag, tag(kCanis));
  EXPECT_EQ(b.s.actorNounText.Caption, "dog");
}

TEST(Refresh, LinkOptionsOfVisibleNouns) {
  MottoState s;
  s.prepositionNounText.Visible = true;
  tick(s);
  EXPECT_TRUE(s.Option7.Visible && s.Option8.Visible && s.Option9.Visible);
  EXPECT_FALSE(s.Option1.Visible || s.Option4.Visible);
  s.actorNounText.Visible = true;
  s.prepositionNounText.Visible = false;
  tick(s);
  EXPECT_TRUE(s.Option1.Visible && s.Option2.Visible && s.Option3.Visible);
  EXPECT_TRUE(s.Option7.Visible);  // never hidden by the tick
}

// The reported crash: "You (single)", the act, "should", "not", then the act
// unticked. Every tick now runs through; both outputs are defined.
TEST(Refresh, ForbiddingCommandWithTheActUnticked) {
  MottoBuilder b = MottoBuilder().actor("You (single)").act("should", kAmo).negated();
  b.s.actionTickBoc.Value = 0;
  b.s.notButton.Visible = false;
  b.s.verbText.Visible = b.s.verbTenseText.Visible = false;
  ASSERT_NO_THROW(tick(b.s));
  ASSERT_NO_THROW(tick(b.s));
  EXPECT_EQ(b.s.finalEnglish, "You.");
  EXPECT_EQ(b.s.finalLatin, "tu ");  // no act: no command, nothing forbidden
}

TEST(Refresh, AFailedLookUpKeepsTheOutputsAndStillTidies) {
  MottoBuilder b = MottoBuilder().actor("()", kCanis, kMeus, "my").act("will", kAmo);
  b.s.actorNounText.Visible = true;
  tick(b.s);
  const std::string latin = b.s.finalLatin, english = b.s.finalEnglish;
  b.s.verbText.Tag = "7546";  // inside the table, but past the file's lines
  b.s.actorAdjText.Tag = "1";
  EXPECT_THROW(tick(b.s), LookupOutOfRange);
  EXPECT_EQ(b.s.finalLatin, latin);
  EXPECT_EQ(b.s.finalEnglish, english);
  EXPECT_EQ(b.s.actorAdjText.Caption, "( your)");
}

}  // namespace
}  // namespace lexorra
