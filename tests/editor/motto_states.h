// The mottos the editor tests start from: the record of a window that is
// ready for the client, with its four sections ticked, or with every slot
// shown.
#pragma once

#include "editor/options.h"
#include "motto/motto_state.h"

namespace lexorra::editortest {

// A window that takes clicks, with nothing chosen yet.
inline MottoState enabledMotto() {
  MottoState state;
  state.Enabled = true;
  return state;
}

// The four sections ticked, as the client ticks them, one after the other.
inline MottoState allSectionsTicked() {
  MottoState state = enabledMotto();
  for (TickBox MottoState::*box : {&MottoState::actorTickBox, &MottoState::actionTickBoc,
                                   &MottoState::actedTickBox, &MottoState::mannerTickBox})
    setTickBox(state, box, 1);
  return state;
}

// Every word slot shown, whatever the sections would show.
inline MottoState everythingShown() {
  MottoState state = enabledMotto();
  for (const SlotInfo& info : kSlots) (state.*info.slot).Visible = true;
  return state;
}

}  // namespace lexorra::editortest
