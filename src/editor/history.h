// Undo and redo of the user's changes to the motto. The motto is a plain
// record, so a step is simply the whole motto as it was before one act of the
// user (a menu choice, a picker visit, a click on a tense, a link, an option
// or a section, "Reset all", an example, a file opened).
#pragma once

#include <cstddef>
#include <deque>

#include "motto/motto_state.h"

namespace lexorra {

// How many acts can be undone; older ones are forgotten.
inline constexpr std::size_t kUndoSteps = 200;

// Puts `snapshot`'s motto into `state`: every slot, option, section, Latin
// option, question and the outputs shown for them. What belongs to the window
// stays as it is: `Enabled`, the typeface and the hover borders.
void restoreMotto(MottoState& state, const MottoState& snapshot);

class MottoHistory {
 public:
  explicit MottoHistory(std::size_t limit = kUndoSteps) : limit_(limit) {}

  // One act of the user changed the motto from `before` to `after`. An act
  // that left the motto as it was is not a step. A new step forgets what
  // could be redone. `before` must hold no slot marked "influx": it is taken
  // before the act marks one.
  void record(const MottoState& before, const MottoState& after);

  bool canUndo() const { return !undo_.empty(); }
  bool canRedo() const { return !redo_.empty(); }
  std::size_t undoCount() const { return undo_.size(); }
  std::size_t redoCount() const { return redo_.size(); }

  // Puts the motto back as it was before the last recorded act (undo) or
  // after the last undone one (redo). Refused, returning false, while the
  // window is disabled: a picker visit in progress is never undone halfway.
  bool undo(MottoState& state);
  bool redo(MottoState& state);

  void clear();

 private:
  std::size_t limit_;
  std::deque<MottoState> undo_;
  std::deque<MottoState> redo_;
};

}  // namespace lexorra
