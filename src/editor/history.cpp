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

namespace {

// Takes the motto back from `from`'s last step; the present motto becomes
// the last step of `to`.
bool stepBack(std::deque<MottoState>& from, std::deque<MottoState>& to, MottoState& state) {
  if (!state.Enabled || from.empty()) return false;
  to.push_back(state);
  restoreMotto(state, from.back());
  from.pop_back();
  return true;
}

}  // namespace

bool MottoHistory::undo(MottoState& state) {
  return stepBack(undo_, redo_, state);
}

bool MottoHistory::redo(MottoState& state) {
  return stepBack(redo_, undo_, state);
}

void MottoHistory::clear() {
  undo_.clear();
  redo_.clear();
}

}  // namespace lexorra
