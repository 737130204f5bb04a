#include "random_motto.h"

#include <array>

#include "editor/interaction.h"
#include "editor/menus.h"
#include "editor/motto_file.h"
#include "editor/options.h"
#include "editor/refresh.h"

namespace lexorra::testing {

namespace {

using M = MottoState;

const SlotInfo& infoOf(WordSlot M::*slot) {
  for (const SlotInfo& info : kSlots)
    if (info.slot == slot) return info;
  return kSlots.front();
}

// Words the renderer treats in a way of their own, chosen more often than a
// uniform pick would: "to be", "never", and the prepositions that join a
// pronoun, shorten, follow their noun or stand for the bare dative.
constexpr std::size_t kToBe = 0;
constexpr std::array<std::string_view, 13> kSpecialPrepositions = {
    "cum",  "ex",    "e",      "ab",    "a",      "ad",      "in",
    "sine", "causa", "gratia", "tenus", "versus", "(dative)"};

}  // namespace

RandomMottoMaker::RandomMottoMaker(const Lexicon& lexicon, const EnglishTables& english,
                                   std::uint32_t seed)
    : lexicon_(lexicon), english_(english), pickers_(lexicon), random_(seed) {
  for (std::size_t k = 0; k < lexicon.capacity(Table::adverb); ++k)
    if (!lexicon.line(Table::adverb, k).empty() && lexicon.adverbForm(k) == "numquam") numquam_ = k;
}

void RandomMottoMaker::tick() {
  Timer1_Timer(state_, lexicon_, english_);
}

bool RandomMottoMaker::tickSection(TickBox M::*box, double p) {
  if ((state_.*box).Enabled && chance(p)) {
    setTickBox(state_, box, 1);
    tick();
  }
  return (state_.*box).Value == 1;
}

void RandomMottoMaker::choosePronoun(WordSlot M::*slot) {
  const std::optional<SlotClick> click = clickSlot(state_, slot);
  if (!click) return;
  const auto items = pronounMenuItems(infoOf(slot).menu);
  if (chance(0.05)) {
    cancelSlotEdit(state_, click->edit);  // the menu closed without a choice
  } else {
    const PronounMenuItem* item = &items[below(items.size())];
    // Commands and forbiddings speak to "you": chosen more often.
    if (slot == &M::actorPronounText && chance(0.15))
      item = findPronounMenuItem(PronounMenu::actor,
                                 chance(0.5) ? "yousing_option" : "you_option_plural");
    lexorra::choosePronoun(state_, infoOf(slot).menu, *item);
  }
  tick();
}

int RandomMottoMaker::rowOf(const SearchPicker& picker, std::size_t index) {
  const auto& rows = picker.rows();
  for (std::size_t r = 0; r < rows.size(); ++r)
    if (rows[r].index == index) return static_cast<int>(r);
  return static_cast<int>(below(rows.size()));
}

void RandomMottoMaker::chooseWord(WordSlot M::*slot, SearchPicker& picker, double p) {
  if (!(state_.*slot).Visible || !chance(p)) return;
  const std::optional<SlotClick> click = clickSlot(state_, slot);
  if (!click) return;
  picker.show();
  if (chance(0.08)) {
    picker.chooseNoWord(state_, english_);
  } else {
    int row = static_cast<int>(below(picker.rows().size()));
    if (slot == &M::verbText && chance(0.2)) row = rowOf(picker, kToBe);
    if (slot == &M::adVerbText && numquam_ && chance(0.15)) row = rowOf(picker, *numquam_);
    if (picker.config().hasComparison)
      for (std::size_t clicks = below(3); clicks > 0; --clicks) picker.compareButton_Click();
    picker.selectRow(row);
    picker.choose(state_, english_);
  }
  tick();
}

void RandomMottoMaker::choosePreposition() {
  if (!state_.prepositionText.Visible || !chance(0.6)) return;
  const std::optional<SlotClick> click = clickSlot(state_, &M::prepositionText);
  if (!click) return;
  PrepositionPicker& picker = pickers_.prepositionPicker;
  picker.show();
  if (chance(0.05)) {
    picker.chooseNoWord(state_);
  } else {
    int row = static_cast<int>(below(picker.rows().size()));
    if (chance(0.5)) {
      const std::string_view wanted = kSpecialPrepositions[below(kSpecialPrepositions.size())];
      for (std::size_t k = 0; k < picker.rows().size(); ++k)
        if (lexicon_.prepositionForm(k) == wanted) row = static_cast<int>(k);
    }
    picker.selectRow(row);
    picker.choose(state_);
  }
  tick();
}

void RandomMottoMaker::fillThing(ThingId id) {
  const ThingInfo& t = thing(id);
  choosePronoun(t.pronoun);
  chooseWord(t.noun, pickers_.nounPicker, 0.85);
  chooseWord(t.adjective, pickers_.adjPicker, 0.4);
}

void RandomMottoMaker::link(ThingId id) {
  const LinkGroup& group = linkGroupOf(id);
  const double roll = std::uniform_real_distribution<double>(0, 1)(random_);
  const int n = group.firstOption + (roll < 0.2 ? 0 : roll < 0.35 ? 1 : 2);
  if (!(state_.*linkOption(n)).Visible) return;
  selectOption(state_, n);
  tick();
  if (n != group.firstOption + 2) fillThing(linkedThing(id).id);
}

void RandomMottoMaker::fillAndLink(ThingId id) {
  fillThing(id);
  link(id);
}

MottoState RandomMottoMaker::next() {
  state_ = MottoState{};
  state_.Enabled = true;
  resetTheForm(state_);
  tick();

  if (tickSection(&M::actorTickBox, 0.95)) fillAndLink(ThingId::first);
  if (tickSection(&M::actionTickBoc, 0.85)) {
    chooseWord(&M::verbText, pickers_.verbPicker, 0.9);
    for (std::size_t clicks = below(kTensePhrases.size()); clicks > 0; --clicks)
      clickSlot(state_, &M::verbTenseText);
    if (chance(0.15))
      while (state_.verbTenseText.Caption != "should") clickSlot(state_, &M::verbTenseText);
    if (state_.notButton.Visible) state_.notButton.Value = chance(0.3) ? 1 : 0;
    tick();
  }
  if (tickSection(&M::actedTickBox, 0.7)) fillAndLink(ThingId::second);
  if (tickSection(&M::mannerTickBox, 0.6)) {
    chooseWord(&M::adVerbText, pickers_.adverbPicker, 0.5);
    choosePreposition();
    if (state_.prepositionNounText.Visible || state_.prepositionPronounText.Visible)
      fillAndLink(ThingId::prepositional);
  }

  state_.Check1.Value = chance(0.7) ? 1 : 0;
  state_.isCheckBox.Value = chance(0.2) ? 1 : 0;
  state_.wordOrderBox.Value = chance(0.2) ? 1 : 0;
  state_.femaleBox.Value = chance(0.3) ? 1 : 0;
  state_.youFemaleBox.Value = chance(0.3) ? 1 : 0;
  const double question = std::uniform_real_distribution<double>(0, 1)(random_);
  if (question < 0.1)
    selectQuestion(state_, &M::whyOption);
  else if (question < 0.2)
    selectQuestion(state_, &M::whenIsItOption);
  else if (question < 0.3)
    selectQuestion(state_, &M::isItThatOption);
  for (int i = 0; i < 4; ++i) tick();
  return state_;
}

}  // namespace lexorra::testing
