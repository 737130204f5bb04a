// What clicking and hovering over the word labels does to the motto. The
// window calls these and then opens the tool they name: a word picker, one of
// the two pronoun menus, or nothing (the tense label advances by itself).
#pragma once

#include <optional>
#include <string>

#include "motto/motto_state.h"

namespace lexorra {

enum class SlotTool {
  nounPicker,
  adjPicker,
  verbPicker,
  adverbPicker,
  prepositionPicker,
  actorPronounMenu,  // PronounMenu_Actor
  actedPronounMenu,  // actedPronounMenu
  tenseRing,         // the tense label advanced; nothing to open
};

// A slot being edited and the tag it had before the click, so that an edit
// that ends without a choice can give it back.
struct SlotEdit {
  WordSlot MottoState::*slot = nullptr;
  std::string previousTag;
};

struct SlotClick {
  SlotTool tool;
  SlotEdit edit;  // slot is nullptr for the tense label
};

// The tool that fills a slot.
SlotTool slotTool(WordSlot MottoState::*slot);

// A click on a word label. Nothing happens (nullopt) while the window is
// disabled or when the label is hidden. Otherwise the slot is marked
// "influx" and, for a picker, the window is disabled; a click on
// `actedNounText` also shows `Frame4` and `Option4` to `Option6`. A click on
// `verbTenseText` advances the tense ring instead of marking the slot.
std::optional<SlotClick> clickSlot(MottoState& state, WordSlot MottoState::*slot);

// Ends an edit that brought no choice (a pop-up menu closed without an item,
// a picker closed by its title bar or Escape): a slot that still carries the
// mark gets its earlier tag back, and the window is enabled again.
void cancelSlotEdit(MottoState& state, const SlotEdit& edit);

// Clears the hover border of all twenty-two labels, visible or not. Also what
// moving the mouse over the window's background does.
void raiseAllButtons(MottoState& state);

// The mouse moves over a label: it alone shows the border.
void hoverSlot(MottoState& state, WordSlot MottoState::*slot);

}  // namespace lexorra
