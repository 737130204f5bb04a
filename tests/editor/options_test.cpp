#include "editor/options.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string_view>

#include "editor/menus.h"
#include "motto_states.h"

namespace lexorra {
namespace {

using editortest::allSectionsTicked;
using M = MottoState;

std::string_view slotName(WordSlot M::*slot) {
  const auto info = std::find_if(kSlots.begin(), kSlots.end(),
                                 [slot](const SlotInfo& i) { return i.slot == slot; });
  return info == kSlots.end() ? "?" : info->name;
}

// The slots in `shown` are shown and those in `hidden` hidden, each failure
// naming its slot.
void expectShown(const MottoState& state, std::initializer_list<WordSlot M::*> shown,
                 std::initializer_list<WordSlot M::*> hidden = {}) {
  for (WordSlot M::*slot : shown) EXPECT_TRUE((state.*slot).Visible) << slotName(slot);
  for (WordSlot M::*slot : hidden) EXPECT_FALSE((state.*slot).Visible) << slotName(slot);
}

TEST(SectionChain, TickingFollowsTheChain) {
  MottoState state;
  EXPECT_FALSE(state.actionTickBoc.Enabled);
  setTickBox(state, &M::actorTickBox, 1);
  EXPECT_TRUE(state.actionTickBoc.Enabled);
  EXPECT_FALSE(state.actedTickBox.Enabled);
  expectShown(state, {&M::actorPronounText, &M::actorNounText});
  EXPECT_TRUE(state.Frame2.Visible);
  setTickBox(state, &M::actionTickBoc, 1);
  EXPECT_TRUE(state.actedTickBox.Enabled);
  expectShown(state, {&M::verbText, &M::verbTenseText});
  EXPECT_TRUE(state.notButton.Visible);
  setTickBox(state, &M::actedTickBox, 1);
  expectShown(state, {&M::actedPronounText, &M::actedNounText});
  EXPECT_TRUE(state.Frame4.Visible);
}

TEST(SectionChain, UntickingTheFirstThingUnticksTheRest) {
  MottoState state = allSectionsTicked();
  selectOption(state, 1);
  selectOption(state, 5);
  selectOption(state, 7);
  state.actedNounText.Tag = "12";
  state.actedNounText.Caption = "sword";

  setTickBox(state, &M::actorTickBox, 0);

  EXPECT_EQ(state.actionTickBoc.Value, 0);
  EXPECT_EQ(state.actedTickBox.Value, 0);
  EXPECT_EQ(state.mannerTickBox.Value, 1);
  EXPECT_FALSE(state.actionTickBoc.Enabled);
  EXPECT_FALSE(state.actedTickBox.Enabled);
  EXPECT_TRUE(state.Option3.Value);
  EXPECT_TRUE(state.Option6.Value);
  EXPECT_TRUE(state.Option7.Value);  // the preposition's link stays
  EXPECT_FALSE(state.notButton.Visible);
  EXPECT_FALSE(state.Frame2.Visible);
  EXPECT_FALSE(state.Frame4.Visible);
  expectShown(state, {},
              {&M::actorPronounText, &M::actorNounText, &M::verbText, &M::verbTenseText,
               &M::actedNounText, &M::secondActedPronoun});
  // Unticking hides but never clears.
  EXPECT_EQ(state.actedNounText.Tag, "12");
  EXPECT_EQ(state.actedNounText.Caption, "sword");
}

TEST(SectionChain, SettingAnUnchangedValueRunsNothing) {
  MottoState state;
  state.actorPronounText.Visible = true;  // as a loaded file may leave it
  setTickBox(state, &M::actorTickBox, 0);
  EXPECT_TRUE(state.actorPronounText.Visible);
}

TEST(SectionChain, StandAlonePronounsHideTheNoun) {
  struct Case {
    std::string_view caption;
    bool nounShown;
  };
  // "We" hides the noun when chosen from the menu, not when ticked again.
  const Case cases[] = {{"He", false}, {"I", false},           {"You (plural)", false},
                        {"We", true},  {"The (single)", true}, {"Who", true}};
  for (const Case& c : cases) {
    MottoState state;
    state.actorPronounText.Caption = c.caption;
    setTickBox(state, &M::actorTickBox, 1);
    EXPECT_EQ(state.actorNounText.Visible, c.nounShown) << c.caption;
    EXPECT_EQ(state.actorAdjText.Visible, c.nounShown) << c.caption;
  }
  const Case acted[] = {{"me", false}, {"Her", false}, {"us", true}, {"the (plural)", true}};
  for (const Case& c : acted) {
    MottoState state = allSectionsTicked();
    setTickBox(state, &M::actedTickBox, 0);
    state.actedPronounText.Caption = c.caption;
    setTickBox(state, &M::actedTickBox, 1);
    EXPECT_EQ(state.actedNounText.Visible, c.nounShown) << c.caption;
  }
}

TEST(MannerSection, PrepositionalSlotsFollowThePreposition) {
  MottoState state;
  setTickBox(state, &M::mannerTickBox, 1);
  expectShown(state, {&M::adVerbText, &M::prepositionText},
              {&M::prepositionNounText, &M::prepositionPronounText});
  EXPECT_TRUE(state.Frame3.Visible);

  setTickBox(state, &M::mannerTickBox, 0);
  state.prepositionText.Tag = "3";
  state.Option7.Value = true;  // as a loaded file sets it before the box
  state.Option9.Value = false;
  setTickBox(state, &M::mannerTickBox, 1);
  expectShown(state,
              {&M::prepositionPronounText, &M::prepositionNounText, &M::prepositionAdjText,
               &M::secondPrepositionNounText},
              {&M::secondPrepositionPronounText});

  setTickBox(state, &M::mannerTickBox, 0);
  EXPECT_TRUE(state.Option9.Value);
  EXPECT_FALSE(state.Frame3.Visible);
  expectShown(state, {}, {&M::secondPrepositionNounText});
  EXPECT_EQ(state.prepositionText.Tag, "3");
}

TEST(LinkOptions, GroupsAreExclusiveAndRunTheirOperation) {
  MottoState state = allSectionsTicked();
  state.secondActorNounText = {"fear", "1", false, 0};
  selectOption(state, 2);
  EXPECT_FALSE(state.Option1.Value);
  EXPECT_TRUE(state.Option2.Value);
  EXPECT_FALSE(state.Option3.Value);
  EXPECT_TRUE(state.secondActorPronoun.Visible);
  EXPECT_TRUE(state.secondActorNounText.Visible);

  // "<blank>" for the first thing drops the linked words' tags only.
  selectOption(state, 3);
  EXPECT_FALSE(state.secondActorNounText.Visible);
  EXPECT_EQ(state.secondActorNounText.Tag, "blank");
  EXPECT_EQ(state.secondActorNounText.Caption, "fear");
  selectOption(state, 1);
  EXPECT_TRUE(state.secondActorNounText.Visible);
  EXPECT_EQ(state.secondActorNounText.Caption, "fear");

  // "<blank>" for the second thing keeps the tags.
  state.secondActedNounText = {"love", "0", false, 0};
  state.secondActedPronoun.Caption = "him";
  selectOption(state, 4);
  EXPECT_TRUE(state.secondActedPronoun.Visible);
  EXPECT_FALSE(state.secondActedNounText.Visible);  // "him" stands alone
  selectOption(state, 6);
  EXPECT_FALSE(state.secondActedPronoun.Visible);
  EXPECT_EQ(state.secondActedNounText.Tag, "0");

  selectOption(state, 8);
  EXPECT_TRUE(state.secondPrepositionPronounText.Visible);
  EXPECT_TRUE(state.secondPrepositionAdjText.Visible);
  selectOption(state, 9);
  EXPECT_FALSE(state.secondPrepositionNounText.Visible);

  selectOption(state, 0);  // no such option: nothing happens
  selectOption(state, 10);
  EXPECT_TRUE(state.Option9.Value);
}

TEST(TenseRing, ElevenClicksComeBack) {
  MottoState state;
  std::vector<std::string> seen;
  for (int i = 0; i < 11; ++i) {
    verbTenseText_Click(state);
    seen.push_back(state.verbTenseText.Caption);
  }
  EXPECT_EQ(seen.front(), "did/didst");
  EXPECT_EQ(seen[5], "might have");
  EXPECT_EQ(seen[9], "swear to");
  EXPECT_EQ(seen.back(), "do/does/dost/doth");
  state.verbTenseText.Caption = "shall";  // not a ring phrase: left alone
  verbTenseText_Click(state);
  EXPECT_EQ(state.verbTenseText.Caption, "shall");
}

}  // namespace
}  // namespace lexorra
