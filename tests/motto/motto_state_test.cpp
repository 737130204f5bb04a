#include "motto/motto_state.h"

#include <gtest/gtest.h>

#include <set>

namespace lexorra {
namespace {

TEST(MottoState, SlotTableNamesEverySlotOnceInFileOrder) {
  MottoState state;
  std::set<const WordSlot*> seen;
  for (const SlotInfo& info : kSlots) {
    EXPECT_TRUE(seen.insert(&(state.*info.slot)).second) << info.name;
    EXPECT_EQ(findSlot(info.name), &info);
    EXPECT_EQ(info.kind == SlotKind::pronoun, info.menu != PronounMenu::none) << info.name;
  }
  EXPECT_EQ(seen.size(), 22u);
  EXPECT_EQ(kSlots.front().name, "actorNounText");
  EXPECT_EQ(kSlots[12].name, "verbText");
  EXPECT_EQ(kSlots.back().name, "secondPrepositionAdjText");
  EXPECT_EQ(findSlot("nonsense"), nullptr);
}

TEST(MottoState, StartsAsTheWindowDoesBeforeStartUp) {
  MottoState s;
  EXPECT_EQ(s.finalLatin, "Aliquid aliquid facit");
  EXPECT_EQ(s.finalEnglish, "\" There is nothing new under the sun\"");
  EXPECT_FALSE(s.Enabled);
  for (const SlotInfo& info : kSlots) {
    const WordSlot& slot = s.*info.slot;
    EXPECT_FALSE(slot.Visible) << info.name;
    EXPECT_EQ(slot.Tag, "blank") << info.name;
    EXPECT_EQ(slot.Caption, info.kind == SlotKind::tense ? "do/does/dost/doth" : "()");
  }
  EXPECT_TRUE(s.Option3.Value && s.Option6.Value && s.Option9.Value);
  EXPECT_FALSE(s.actionTickBoc.Enabled || s.actedTickBox.Enabled);
  EXPECT_TRUE(s.actorTickBox.Enabled && s.mannerTickBox.Enabled);
  EXPECT_EQ(s.Check1.Value, 1);
  EXPECT_FALSE(s.notButton.Visible);
  EXPECT_TRUE(s.notQuestionOption);
  EXPECT_EQ(kTensePhrases.front(), "do/does/dost/doth");
  EXPECT_EQ(kTensePhrases.back(), "swear to");
}

}  // namespace
}  // namespace lexorra
