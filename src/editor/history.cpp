#include "editor/history.h"

namespace lexorra {

void restoreMotto(MottoState& state, const MottoState& snapshot) {
  MottoState restored = snapshot;
  restored.Enabled = state.Enabled;
  restored.finalLatinFont = state.finalLatinFont;
  for (const SlotInfo& info : kSlots)
    (restored.*info.slot).BorderStyle = (state.*info.slot).BorderStyle;
  state = std::move(restored);
}

void MottoHistory::record(const MottoState& before, const MottoState& after) {
  if (sameMotto(before, after) || limit_ == 0) return;
  undo_.push_back(before);
  while (undo_.size() > limit_) undo_.pop_front();
  redo_.clear();
}

bool MottoHistory::undo(MottoState& state) {
  if (!state.Enabled || undo_.empty()) return false;
  redo_.push_back(state);
  restoreMotto(state, undo_.back());
  undo_.pop_back();
  return true;
}

bool MottoHistory::redo(MottoState& state) {
  if (!state.Enabled || redo_.empty()) return false;
  undo_.push_back(state);
  restoreMotto(state, redo_.back());
  redo_.pop_back();
  return true;
}

void MottoHistory::clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace lexorra
