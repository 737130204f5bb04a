#include "editor/interaction.h"

#include "editor/options.h"

namespace lexorra {

namespace {

const SlotInfo* infoOf(WordSlot MottoState::*slot) {
  for (const SlotInfo& info : kSlots)
    if (info.slot == slot) return &info;
  return nullptr;
}

bool opensPicker(SlotTool tool) {
  return tool != SlotTool::actorPronounMenu && tool != SlotTool::actedPronounMenu &&
         tool != SlotTool::tenseRing;
}

}  // namespace

SlotTool slotTool(WordSlot MottoState::*slot) {
  const SlotInfo* info = infoOf(slot);
  switch (info ? info->kind : SlotKind::tense) {
    case SlotKind::noun:
      return SlotTool::nounPicker;
    case SlotKind::adjective:
      return SlotTool::adjPicker;
    case SlotKind::verb:
      return SlotTool::verbPicker;
    case SlotKind::adverb:
      return SlotTool::adverbPicker;
    case SlotKind::preposition:
      return SlotTool::prepositionPicker;
    case SlotKind::pronoun:
      return info->menu == PronounMenu::actor ? SlotTool::actorPronounMenu
                                              : SlotTool::actedPronounMenu;
    case SlotKind::tense:
      break;
  }
  return SlotTool::tenseRing;
}

std::optional<SlotClick> clickSlot(MottoState& state, WordSlot MottoState::*slot) {
  if (!state.Enabled || !infoOf(slot) || !(state.*slot).Visible) return std::nullopt;
  SlotTool tool = slotTool(slot);
  if (tool == SlotTool::tenseRing) {
    verbTenseText_Click(state);
    return SlotClick{tool, {}};
  }
  WordSlot& target = state.*slot;
  SlotClick click{tool, {slot, target.Tag}};
  target.Tag = kInflux;
  if (opensPicker(tool)) state.Enabled = false;
  if (slot == &MottoState::actedNounText) {
    state.Frame4.Visible = true;
    for (int n = 4; n <= 6; ++n) (state.*linkOption(n)).Visible = true;
  }
  return click;
}

void cancelSlotEdit(MottoState& state, const SlotEdit& edit) {
  if (edit.slot && (state.*edit.slot).Tag == kInflux) (state.*edit.slot).Tag = edit.previousTag;
  state.Enabled = true;
}

void raiseAllButtons(MottoState& state) {
  for (const SlotInfo& info : kSlots) (state.*info.slot).BorderStyle = 0;
}

void hoverSlot(MottoState& state, WordSlot MottoState::*slot) {
  raiseAllButtons(state);
  if (infoOf(slot)) (state.*slot).BorderStyle = 1;
}

}  // namespace lexorra
