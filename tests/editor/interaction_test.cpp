#include "editor/interaction.h"

#include <gtest/gtest.h>

#include "editor/menus.h"
#include "editor/options.h"
#include "motto_states.h"

namespace lexorra {
namespace {

using editortest::everythingShown;
using M = MottoState;

TEST(SlotClick, MarksTheSlotAndNamesItsTool) {
  struct Case {
    WordSlot M::*slot;
    SlotTool tool;
    bool windowEnabledAfter;
  };
  const Case cases[] = {
      {&M::actorNounText, SlotTool::nounPicker, false},
      {&M::secondPrepositionNounText, SlotTool::nounPicker, false},
      {&M::prepositionAdjText, SlotTool::adjPicker, false},
      {&M::verbText, SlotTool::verbPicker, false},
      {&M::adVerbText, SlotTool::adverbPicker, false},
      {&M::prepositionText, SlotTool::prepositionPicker, false},
      {&M::secondActorPronoun, SlotTool::actorPronounMenu, true},
      {&M::prepositionPronounText, SlotTool::actedPronounMenu, true},
  };
  for (const Case& c : cases) {
    MottoState state = everythingShown();
    (state.*c.slot).Tag = "7";
    auto click = clickSlot(state, c.slot);
    ASSERT_TRUE(click);
    EXPECT_EQ(click->tool, c.tool);
    EXPECT_EQ(click->edit.slot, c.slot);
    EXPECT_EQ(click->edit.previousTag, "7");
    EXPECT_EQ((state.*c.slot).Tag, kInflux);
    EXPECT_EQ(state.Enabled, c.windowEnabledAfter);
  }
}

TEST(SlotClick, ActedNounShowsTheSecondThingsLinks) {
  MottoState state = everythingShown();
  clickSlot(state, &M::actedNounText);
  EXPECT_TRUE(state.Frame4.Visible);
  EXPECT_TRUE(state.Option4.Visible && state.Option5.Visible && state.Option6.Visible);
  EXPECT_FALSE(state.Option1.Visible);
}

TEST(SlotClick, TenseLabelAdvancesWithoutMark) {
  MottoState state = everythingShown();
  auto click = clickSlot(state, &M::verbTenseText);
  ASSERT_TRUE(click);
  EXPECT_EQ(click->tool, SlotTool::tenseRing);
  EXPECT_EQ(state.verbTenseText.Caption, "did/didst");
  EXPECT_EQ(state.verbTenseText.Tag, "blank");
  EXPECT_TRUE(state.Enabled);
}

TEST(SlotClick, DisabledWindowOrHiddenLabelIgnoresClicks) {
  MottoState state = everythingShown();
  clickSlot(state, &M::actorNounText);  // a picker is open now
  EXPECT_FALSE(clickSlot(state, &M::verbText));
  EXPECT_EQ(state.verbText.Tag, "blank");

  MottoState hidden = editortest::enabledMotto();
  EXPECT_FALSE(clickSlot(hidden, &M::actorNounText));
  EXPECT_EQ(hidden.actorNounText.Tag, "blank");
}

TEST(SlotClick, CancelGivesTheTagBack) {
  MottoState state = everythingShown();
  state.actorNounText.Tag = "15";
  auto click = clickSlot(state, &M::actorNounText);
  cancelSlotEdit(state, click->edit);
  EXPECT_EQ(state.actorNounText.Tag, "15");
  EXPECT_TRUE(state.Enabled);

  // A dismissed pronoun menu leaves no mark behind, so the next choice from
  // that menu fills only the slot clicked then.
  click = clickSlot(state, &M::actorPronounText);
  cancelSlotEdit(state, click->edit);
  EXPECT_EQ(state.actorPronounText.Tag, "blank");
  clickSlot(state, &M::secondActorPronoun);
  choosePronoun(state, PronounMenu::actor, *findPronounMenuItem(PronounMenu::actor, "he_option"));
  EXPECT_EQ(state.actorPronounText.Caption, "()");
  EXPECT_EQ(state.secondActorPronoun.Caption, "he");

  // A slot that received a word in the meantime keeps it.
  click = clickSlot(state, &M::verbText);
  state.verbText.Tag = "3";
  cancelSlotEdit(state, click->edit);
  EXPECT_EQ(state.verbText.Tag, "3");
}

TEST(Hover, OnlyTheLabelUnderTheMouseHasABorder) {
  MottoState state;
  hoverSlot(state, &M::actorNounText);
  hoverSlot(state, &M::verbText);
  EXPECT_EQ(state.actorNounText.BorderStyle, 0);
  EXPECT_EQ(state.verbText.BorderStyle, 1);
  raiseAllButtons(state);
  EXPECT_EQ(state.verbText.BorderStyle, 0);
}

}  // namespace
}  // namespace lexorra
