#include "editor/options.h"

#include <algorithm>
#include <array>
#include <initializer_list>

#include "text/textops.h"

namespace lexorra {

namespace {

using M = MottoState;

// Pronoun captions (lower-cased, whole caption) after which a thing needs no
// noun or adjective when its section or link is switched on.
constexpr std::array<std::string_view, 8> kFirstThingAlone = {
    "i", "you (single)", "you (plural)", "they", "somebody", "he", "she", "it"};
constexpr std::array<std::string_view, 9> kSecondThingAlone = {
    "i", "you (single)", "you (plural)", "they", "somebody", "him", "her", "it", "me"};
constexpr std::array<std::string_view, 8> kLinkedSecondThingAlone = {
    "me", "you (single)", "you (plural)", "they", "somebody", "him", "her", "it"};

template <std::size_t N>
bool listed(const std::array<std::string_view, N>& list, std::string_view caption) {
  std::string lower = text::lowerCase(caption);
  return std::find(list.begin(), list.end(), lower) != list.end();
}

void show(MottoState& state, std::initializer_list<WordSlot M::*> slots, bool visible) {
  for (WordSlot M::*slot : slots) (state.*slot).Visible = visible;
}

// Shows a thing's pronoun slot and, unless its caption stands alone, its
// noun and adjective; hides those when it does.
void showThing(MottoState& state, const ThingInfo& t, bool (*standsAlone)(std::string_view)) {
  (state.*t.pronoun).Visible = true;
  show(state, {t.noun, t.adjective}, !standsAlone((state.*t.pronoun).Caption));
}

void showSlots(MottoState& state, const ThingInfo& t, bool visible) {
  for (WordSlot M::*slot : t.wordSlots()) (state.*slot).Visible = visible;
}

}  // namespace

bool standsAloneFirstThing(std::string_view caption) {
  return listed(kFirstThingAlone, caption);
}
bool standsAloneSecondThing(std::string_view caption) {
  return listed(kSecondThingAlone, caption);
}
bool standsAloneLinkedSecondThing(std::string_view caption) {
  return listed(kLinkedSecondThingAlone, caption);
}

void actorTickBox_Click(MottoState& state) {
  if (state.actorTickBox.Value == 1) {
    showThing(state, thing(ThingId::first), standsAloneFirstThing);
    state.Frame2.Visible = true;
    state.actionTickBoc.Enabled = true;
    return;
  }
  showSlots(state, thing(ThingId::first), false);
  state.Frame2.Visible = false;
  showSlots(state, thing(ThingId::linkedFirst), false);
  selectOption(state, 3);
  state.actionTickBoc.Enabled = false;
  show(state, {&M::verbTenseText, &M::verbText}, false);
  state.notButton.Visible = false;
  setTickBox(state, &M::actionTickBoc, 0);
}

void actionTickBoc_Click(MottoState& state) {
  if (state.actionTickBoc.Value == 1) {
    state.actedTickBox.Enabled = true;
    show(state, {&M::verbTenseText, &M::verbText}, true);
    state.notButton.Visible = true;
    return;
  }
  show(state, {&M::verbTenseText, &M::verbText}, false);
  state.actedTickBox.Enabled = false;
  setTickBox(state, &M::actedTickBox, 0);
  showSlots(state, thing(ThingId::second), false);
  showSlots(state, thing(ThingId::linkedSecond), false);
  state.Frame4.Visible = false;
  selectOption(state, 6);
  state.notButton.Visible = false;
}

void actedTickBox_Click(MottoState& state) {
  if (state.actedTickBox.Value == 1) {
    showThing(state, thing(ThingId::second), standsAloneSecondThing);
    state.Frame4.Visible = true;
    return;
  }
  showSlots(state, thing(ThingId::second), false);
  showSlots(state, thing(ThingId::linkedSecond), false);
  state.Frame4.Visible = false;
  selectOption(state, 6);
}

void mannerTickBox_Click(MottoState& state) {
  if (state.mannerTickBox.Value == 1) {
    show(state, {&M::adVerbText, &M::prepositionText}, true);
    state.Frame3.Visible = true;
    if (state.prepositionText.Tag != kBlank) showSlots(state, thing(ThingId::prepositional), true);
    // Only the linked noun: its pronoun and adjective stay as they are.
    if (!state.Option9.Value && !state.prepositionText.Tag.empty())
      state.secondPrepositionNounText.Visible = true;
    return;
  }
  show(state, {&M::adVerbText, &M::prepositionText}, false);
  showSlots(state, thing(ThingId::prepositional), false);
  showSlots(state, thing(ThingId::linkedPrepositional), false);
  selectOption(state, 9);
  state.Frame3.Visible = false;
}

void setTickBox(MottoState& state, TickBox M::*box, int value) {
  TickBox& target = state.*box;
  if (target.Value == value) return;
  target.Value = value;
  if (box == &M::actorTickBox) actorTickBox_Click(state);
  if (box == &M::actionTickBoc) actionTickBoc_Click(state);
  if (box == &M::actedTickBox) actedTickBox_Click(state);
  if (box == &M::mannerTickBox) mannerTickBox_Click(state);
}

OptionButton M::*linkOption(int n) {
  if (n < 1 || n > 9) return nullptr;
  const LinkGroup& group = kLinkGroups[static_cast<std::size_t>((n - 1) / 3)];
  switch ((n - 1) % 3) {
    case 0:
      return group.andOption;
    case 1:
      return group.ofOption;
    default:
      return group.blankOption;
  }
}

void Option_Click(MottoState& state, int n) {
  switch (n) {
    case 1:
    case 2:
      showThing(state, thing(ThingId::linkedFirst), standsAloneFirstThing);
      break;
    case 3: {
      const ThingInfo& t = thing(ThingId::linkedFirst);
      showSlots(state, t, false);
      for (WordSlot M::*slot : t.wordSlots()) (state.*slot).Tag = kBlank;
      break;
    }
    case 4:
    case 5:
      showThing(state, thing(ThingId::linkedSecond), standsAloneLinkedSecondThing);
      break;
    case 6:
      showSlots(state, thing(ThingId::linkedSecond), false);
      break;
    case 7:
    case 8:
      showSlots(state, thing(ThingId::linkedPrepositional), true);
      break;
    case 9:
      if (state.Option9.Value) showSlots(state, thing(ThingId::linkedPrepositional), false);
      break;
    default:
      break;
  }
}

void selectOption(MottoState& state, int n) {
  OptionButton M::*option = linkOption(n);
  if (!option || (state.*option).Value) return;
  int first = (n - 1) / 3 * 3 + 1;
  for (int k = first; k < first + 3; ++k) (state.*linkOption(k)).Value = k == n;
  Option_Click(state, n);
}

void selectQuestion(MottoState& state, bool M::*question) {
  for (bool M::*q : {&M::whenIsItOption, &M::whyOption, &M::isItThatOption, &M::notQuestionOption})
    state.*q = q == question;
}

void verbTenseText_Click(MottoState& state) {
  std::string& caption = state.verbTenseText.Caption;
  auto it = std::find(kTensePhrases.begin(), kTensePhrases.end(), caption);
  if (it == kTensePhrases.end()) return;
  ++it;
  caption = it == kTensePhrases.end() ? kTensePhrases.front() : *it;
}

}  // namespace lexorra
