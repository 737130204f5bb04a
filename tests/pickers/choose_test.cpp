// What choosing a word and declining one do to the motto, picker by picker.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "picker_rows.h"
#include "pickers/pickers.h"

namespace lexorra {
namespace {

enum class Picker { noun, verb, adjective, adverb, preposition };

struct SlotWant {
  std::string_view slot;
  std::string caption;
  std::string tag;
  bool visible;
};

struct ChooseCase {
  std::string_view name;
  Picker picker;
  bool useWord;                          // "Use this word in motto", else "Use no word"
  std::string search;                    // typed before acting
  int row;                               // then selected (-2: keep the search's selection)
  int compareClicks;                     // adjective picker
  bool visibleBefore;                    // every slot and frame
  std::vector<std::string_view> marked;  // slots carrying "influx"
  std::vector<SlotWant> changed;         // every other slot keeps its fields
  std::vector<std::string_view> framesFlipped;
  std::optional<RenderStep> render;  // none: the act did nothing at all
};

Frame* frameNamed(MottoState& state, std::string_view name) {
  if (name == "Frame2") return &state.Frame2;
  if (name == "Frame3") return &state.Frame3;
  if (name == "Frame4") return &state.Frame4;
  return nullptr;
}

bool sameSlot(const WordSlot& a, const WordSlot& b) {
  return a.Caption == b.Caption && a.Tag == b.Tag && a.Visible == b.Visible;
}

TEST(PickerChoose, EachPickerWritesItsSlotsFramesAndRender) {
  const Lexicon lexicon = testing::searchLexicon();
  using enum Picker;
  const auto kS = RenderStep::sentences;
  // clang-format off
  const ChooseCase cases[] = {
      // nouns: index 6 "pax", headword "peace"
      {"noun for the first thing shows Frame2", noun, true, "peace", -2, 0, false,
       {"actorNounText"}, {{"actorNounText", "peace", "6", false}}, {"Frame2"}, kS},
      {"noun for two marked slots", noun, true, "peace", -2, 0, false,
       {"secondActedNounText", "prepositionNounText"},
       {{"secondActedNounText", "peace", "6", false}, {"prepositionNounText", "peace", "6", false}},
       {"Frame3"}, kS},
      {"noun for the second thing shows no frame", noun, true, "peace", -2, 0, false,
       {"actedNounText"}, {{"actedNounText", "peace", "6", false}}, {}, kS},
      {"noun without a selected row does nothing", noun, true, "lov", -2, 0, false,
       {"actorNounText"}, {}, {}, std::nullopt},
      {"no noun: marked slots emptied, frames shown", noun, false, "", -2, 0, false,
       {"actorNounText", "prepositionNounText"},
       {{"actorNounText", "", "blank", false}, {"prepositionNounText", "", "blank", false}},
       {"Frame2", "Frame3"}, kS},
      {"no noun with nothing marked writes no slot", noun, false, "", -2, 0, false,
       {}, {}, {}, kS},
      // verbs: index 1 "esse", headword "to be"
      {"verb renders, then adapts the captions", verb, true, "", 1, 0, false,
       {"verbText"}, {{"verbText", "to be", "1", false}}, {}, RenderStep::sentencesThenCaptions},
      {"no verb empties verbText even unmarked", verb, false, "", -2, 0, false,
       {}, {{"verbText", "", "blank", false}}, {}, RenderStep::none},
      // adjectives: index 0 "bonus", headword "good"
      {"adjective without comparison", adjective, true, "", 0, 0, false,
       {"actorAdjText"}, {{"actorAdjText", "( good)", "0", false}}, {"Frame2"}, RenderStep::none},
      {"adjective with 'more' for two slots", adjective, true, "", 0, 1, false,
       {"secondActorAdjText", "actedAdjText"},
       {{"secondActorAdjText", "(more good)", "0", false}, {"actedAdjText", "(more good)", "0", false}},
       {"Frame4"}, RenderStep::none},
      {"adjective with 'most'", adjective, true, "", 0, 2, false,
       {"prepositionAdjText"}, {{"prepositionAdjText", "(most good)", "0", false}}, {}, RenderStep::none},
      {"no adjective: marked slots only", adjective, false, "", -2, 0, true,
       {"prepositionAdjText"}, {{"prepositionAdjText", "()", "blank", true}}, {}, RenderStep::none},
      // adverbs: index 1 "semper", headword "always"
      {"adverb", adverb, true, "always", -2, 0, false,
       {"adVerbText"}, {{"adVerbText", "always", "1", false}}, {}, kS},
      {"no adverb empties adVerbText even unmarked", adverb, false, "", -2, 0, false,
       {}, {{"adVerbText", "()", "blank", false}}, {}, RenderStep::none},
      // prepositions: row 2 "sine", headword "without"
      {"preposition shows the prepositional thing", preposition, true, "", 2, 0, false,
       {"prepositionText"},
       {{"prepositionText", "without", "2", false}, {"prepositionNounText", "old", "9", true},
        {"prepositionPronounText", "old", "9", true}, {"prepositionAdjText", "old", "9", true}},
       {}, kS},
      {"preposition for an unmarked slot still shows the thing", preposition, true, "", 0, 0, false,
       {},
       {{"prepositionNounText", "old", "9", true}, {"prepositionPronounText", "old", "9", true},
        {"prepositionAdjText", "old", "9", true}},
       {}, kS},
      {"preposition without a selected row does nothing", preposition, true, "", -1, 0, false,
       {"prepositionText"}, {}, {}, std::nullopt},
      {"no preposition hides the whole phrase, tags kept", preposition, false, "", -2, 0, true,
       {"prepositionText"},
       {{"prepositionText", "()", "blank", true}, {"prepositionPronounText", "()", "9", false},
        {"prepositionNounText", "()", "9", false}, {"prepositionAdjText", "()", "9", false},
        {"secondPrepositionPronounText", "()", "9", false},
        {"secondPrepositionNounText", "()", "9", false},
        {"secondPrepositionAdjText", "()", "9", false}},
       {"Frame3"}, kS},
  };
  // clang-format on

  for (const ChooseCase& c : cases) {
    SCOPED_TRACE(std::string(c.name));
    WordPickers pickers(lexicon);
    MottoState state;
    for (const SlotInfo& info : kSlots) {
      WordSlot& slot = state.*info.slot;
      slot = {"old", "9", c.visibleBefore, 0};
    }
    for (std::string_view name : c.marked) (state.*findSlot(name)->slot).Tag = kInflux;
    for (Frame* f : {&state.Frame2, &state.Frame3, &state.Frame4}) f->Visible = c.visibleBefore;
    state.Enabled = false;
    const MottoState before = state;

    std::optional<RenderStep> rendered;
    bool pickerVisibleAfter;
    if (c.picker == preposition) {
      PrepositionPicker& picker = pickers.prepositionPicker;
      picker.show();
      if (c.row != -2) picker.selectRow(c.row);
      rendered = c.useWord ? picker.writeChoice(state) : picker.writeNoWord(state);
      pickerVisibleAfter = picker.Visible;
    } else {
      SearchPicker* all[] = {&pickers.nounPicker, &pickers.verbPicker, &pickers.adjPicker,
                             &pickers.adverbPicker};
      SearchPicker& picker = *all[static_cast<int>(c.picker)];
      picker.show();
      picker.setSearchText(c.search);
      if (c.row != -2) picker.selectRow(c.row);
      for (int k = 0; k < c.compareClicks; ++k) picker.compareButton_Click();
      rendered = c.useWord ? picker.writeChoice(state) : picker.writeNoWord(state);
      pickerVisibleAfter = picker.Visible;
    }

    EXPECT_EQ(rendered, c.render);
    const bool acted = c.render.has_value();
    EXPECT_EQ(state.Enabled, acted) << "the main window is enabled again after a visit";
    EXPECT_EQ(pickerVisibleAfter, !acted) << "the picker is hidden after a visit";
    for (const SlotInfo& info : kSlots) {
      const WordSlot& slot = state.*info.slot;
      WordSlot want = before.*info.slot;
      for (const SlotWant& w : c.changed)
        if (w.slot == info.name) want = {w.caption, w.tag, w.visible, 0};
      EXPECT_TRUE(sameSlot(slot, want))
          << info.name << ": \"" << slot.Caption << "\" tag " << slot.Tag << " visible "
          << slot.Visible << "; want \"" << want.Caption << "\" tag " << want.Tag;
    }
    for (std::string_view name : {"Frame2", "Frame3", "Frame4"}) {
      bool flipped =
          std::find(c.framesFlipped.begin(), c.framesFlipped.end(), name) != c.framesFlipped.end();
      EXPECT_EQ(frameNamed(state, name)->Visible, c.visibleBefore != flipped) << name;
    }
  }
}

TEST(PrepositionPicker, ListsEveryPrepositionAndKeepsItsSelectionBetweenVisits) {
  const Lexicon lexicon = testing::searchLexicon();
  PrepositionPicker picker(lexicon);
  ASSERT_EQ(picker.rows().size(), 3u);
  EXPECT_EQ(picker.rows()[0], "ad                  to, towards;");
  EXPECT_EQ(picker.selectedRow(), -1);
  picker.Timer1_Timer();
  EXPECT_EQ(picker.preview(), "");

  MottoState state;
  state.prepositionText.Tag = kInflux;
  picker.show();
  picker.selectRow(1);
  picker.Timer1_Timer();
  EXPECT_EQ(picker.preview(), "cum");
  ASSERT_TRUE(picker.writeChoice(state));
  picker.show();
  EXPECT_EQ(picker.selectedRow(), 1);
  EXPECT_EQ(picker.preview(), "cum");
}

}  // namespace
}  // namespace lexorra
