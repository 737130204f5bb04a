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

// Shows a pronoun slot and, unless its caption stands alone, its noun and
// adjective; hides those when it does.
void showThing(MottoState& state, WordSlot M::*pronoun, WordSlot M::*noun, WordSlot M::*adj,
               bool standsAlone) {
  (state.*pronoun).Visible = true;
  show(state, {noun, adj}, !standsAlone);
}

constexpr std::array<OptionButton M::*, 9> kLinkOptions = {&M::Option1, &M::Option2, &M::Option3,
                                                           &M::Option4, &M::Option5, &M::Option6,
                                                           &M::Option7, &M::Option8, &M::Option9};

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
    showThing(state, &M::actorPronounText, &M::actorNounText, &M::actorAdjText,
              standsAloneFirstThing(state.actorPronounText.Caption));
    state.Frame2.Visible = true;
    state.actionTickBoc.Enabled = true;
    return;
  }
  show(state, {&M::actorPronounText, &M::actorNounText, &M::actorAdjText}, false);
  state.Frame2.Visible = false;
  show(state, {&M::secondActorNounText, &M::secondActorAdjText, &M::secondActorPronoun}, false);
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
  show(state,
       {&M::actedPronounText, &M::actedNounText, &M::actedAdjText, &M::secondActedPronoun,
        &M::secondActedNounText, &M::secondActedAdjText},
       false);
  state.Frame4.Visible = false;
  selectOption(state, 6);
  state.notButton.Visible = false;
}

void actedTickBox_Click(MottoState& state) {
  if (state.actedTickBox.Value == 1) {
    showThing(state, &M::actedPronounText, &M::actedNounText, &M::actedAdjText,
              standsAloneSecondThing(state.actedPronounText.Caption));
    state.Frame4.Visible = true;
    return;
  }
  show(state,
       {&M::actedPronounText, &M::actedNounText, &M::actedAdjText, &M::secondActedNounText,
        &M::secondActedPronoun, &M::secondActedAdjText},
       false);
  state.Frame4.Visible = false;
  selectOption(state, 6);
}

void mannerTickBox_Click(MottoState& state) {
  if (state.mannerTickBox.Value == 1) {
    show(state, {&M::adVerbText, &M::prepositionText}, true);
    state.Frame3.Visible = true;
    if (state.prepositionText.Tag != kBlank)
      show(state, {&M::prepositionPronounText, &M::prepositionNounText, &M::prepositionAdjText},
           true);
    // Only the linked noun: its pronoun and adjective stay as they are.
    if (!state.Option9.Value && !state.prepositionText.Tag.empty())
      state.secondPrepositionNounText.Visible = true;
    return;
  }
  show(state,
       {&M::adVerbText, &M::prepositionText, &M::prepositionNounText, &M::prepositionPronounText,
        &M::prepositionAdjText, &M::secondPrepositionPronounText, &M::secondPrepositionNounText,
        &M::secondPrepositionAdjText},
       false);
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
  return n >= 1 && n <= 9 ? kLinkOptions[static_cast<std::size_t>(n - 1)] : nullptr;
}

void Option_Click(MottoState& state, int n) {
  switch (n) {
    case 1:
    case 2:
      showThing(state, &M::secondActorPronoun, &M::secondActorNounText, &M::secondActorAdjText,
                standsAloneFirstThing(state.secondActorPronoun.Caption));
      break;
    case 3:
      show(state, {&M::secondActorNounText, &M::secondActorAdjText, &M::secondActorPronoun}, false);
      for (WordSlot M::*slot :
           {&M::secondActorNounText, &M::secondActorAdjText, &M::secondActorPronoun})
        (state.*slot).Tag = kBlank;
      break;
    case 4:
    case 5:
      showThing(state, &M::secondActedPronoun, &M::secondActedNounText, &M::secondActedAdjText,
                standsAloneLinkedSecondThing(state.secondActedPronoun.Caption));
      break;
    case 6:
      show(state, {&M::secondActedNounText, &M::secondActedAdjText, &M::secondActedPronoun}, false);
      break;
    case 7:
    case 8:
      show(state,
           {&M::secondPrepositionNounText, &M::secondPrepositionPronounText,
            &M::secondPrepositionAdjText},
           true);
      break;
    case 9:
      if (state.Option9.Value)
        show(state,
             {&M::secondPrepositionNounText, &M::secondPrepositionPronounText,
              &M::secondPrepositionAdjText},
             false);
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
