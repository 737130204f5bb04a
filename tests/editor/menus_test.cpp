#include "editor/menus.h"

#include <gtest/gtest.h>

namespace lexorra {
namespace {

using M = MottoState;

struct ChoiceCase {
  PronounMenu menu;
  std::string_view item;
  WordSlot M::*marked;
  std::string_view caption;
  WordSlot M::*noun;
  bool nounShown;
};

TEST(PronounMenus, ChoiceFillsMarkedSlot) {
  const ChoiceCase cases[] = {
      {PronounMenu::actor, "a_option", &M::actorPronounText, "A", &M::actorNounText, true},
      {PronounMenu::actor, "a_option", &M::secondActorPronoun, "a", &M::secondActorNounText, true},
      {PronounMenu::actor, "theyactorOption", &M::secondActorPronoun, "They",
       &M::secondActorNounText, false},
      {PronounMenu::actor, "weActorOption", &M::actorPronounText, "We", &M::actorNounText, false},
      {PronounMenu::actor, "blankPluralActor", &M::actorPronounText, "(plural)", &M::actorNounText,
       true},
      {PronounMenu::acted, "the_acted", &M::actedPronounText, "the (single)", &M::actedNounText,
       true},
      {PronounMenu::acted, "she_acted", &M::actedPronounText, "Her", &M::actedNounText, false},
      {PronounMenu::acted, "she_acted", &M::prepositionPronounText, "her", &M::prepositionNounText,
       false},
      {PronounMenu::acted, "actedWho", &M::secondPrepositionPronounText, "who",
       &M::secondPrepositionNounText, false},
      {PronounMenu::acted, "noActedPronoun", &M::secondActedPronoun, "()", &M::secondActedNounText,
       true},
  };
  for (const ChoiceCase& c : cases) {
    MottoState state;
    state.*c.noun = {"love", "0", !c.nounShown, 0};
    (state.*c.marked).Tag = kInflux;
    choosePronoun(state, c.menu, *findPronounMenuItem(c.menu, c.item));
    EXPECT_EQ((state.*c.marked).Caption, c.caption) << c.item;
    EXPECT_EQ((state.*c.marked).Tag, "") << c.item;
    EXPECT_EQ((state.*c.noun).Visible, c.nounShown) << c.item;
    // Hiding or showing never clears the noun's word.
    EXPECT_EQ((state.*c.noun).Caption, "love");
    EXPECT_EQ((state.*c.noun).Tag, "0");
  }
}

TEST(PronounMenus, EveryMarkedSlotOfTheMenuReceivesTheChoice) {
  // A menu dismissed without a choice left its mark on the first slot.
  MottoState state;
  state.actorPronounText.Tag = kInflux;
  state.secondActorPronoun.Tag = kInflux;
  state.actedPronounText.Tag = kInflux;  // another menu's slot: untouched
  choosePronoun(state, PronounMenu::actor, *findPronounMenuItem(PronounMenu::actor, "he_option"));
  EXPECT_EQ(state.actorPronounText.Caption, "He");
  EXPECT_EQ(state.secondActorPronoun.Caption, "he");
  EXPECT_EQ(state.actorPronounText.Tag, "");
  EXPECT_EQ(state.secondActorPronoun.Tag, "");
  EXPECT_EQ(state.actedPronounText.Tag, kInflux);
  EXPECT_EQ(state.actedPronounText.Caption, "()");
}

TEST(PronounMenus, ChoiceWithoutMarkChangesNothing) {
  MottoState state;
  state.actorNounText.Visible = true;
  choosePronoun(state, PronounMenu::actor, *findPronounMenuItem(PronounMenu::actor, "i_option"));
  EXPECT_EQ(state.actorPronounText.Caption, "()");
  EXPECT_EQ(state.actorPronounText.Tag, "blank");
  EXPECT_TRUE(state.actorNounText.Visible);
}

TEST(PronounMenus, CaptionAllowedPerSlot) {
  struct Case {
    WordSlot M::*slot;
    std::string_view caption;
    bool allowed;
  };
  const Case cases[] = {
      {&M::actorPronounText, "The (single)", true},
      {&M::actorPronounText, "the (single)", false},  // only the second slot writes it
      {&M::secondActorPronoun, "the (single)", true},
      {&M::secondActorPronoun, "They", true},
      {&M::actorPronounText, "him", false},  // an object form
      {&M::actedPronounText, "Her", true},
      {&M::prepositionPronounText, "Her", false},
      {&M::prepositionPronounText, "her", true},
      {&M::secondPrepositionPronounText, "()", true},
      {&M::actedPronounText, "(plural)", true},
      {&M::actedPronounText, "", false},
      {&M::actedPronounText, "what ", false},
      {&M::actorNounText, "()", false},  // not a pronoun slot
  };
  for (const Case& c : cases)
    EXPECT_EQ(pronounCaptionAllowed(c.slot, c.caption), c.allowed) << c.caption;
}

}  // namespace
}  // namespace lexorra
