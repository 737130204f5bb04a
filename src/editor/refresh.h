// The refresh tick of the main window, as a model operation: the window calls
// Timer1_Timer every 250 ms and then shows the state.
#pragma once

#include "english/english.h"
#include "lexicon/lexicon.h"
#include "motto/motto_state.h"

namespace lexorra {

// One refresh: render, adapt captions and tidy (each only while the window is
// enabled, the flag read afresh before each), then re-caption possessives,
// drop a broad question that cannot apply and show the visible nouns' links.
// A tag outside the lexicon makes the render throw LookupOutOfRange: the
// outputs and captions are then left as they were, the every-tick steps
// still run, and the exception reaches the caller to report.
void Timer1_Timer(MottoState& state, const Lexicon& lexicon, const EnglishTables& english);

// Turns slots without a word into Tag "blank" and clears hidden prepositional
// nouns and adjectives.
void neutraliseBlankWords(MottoState& state);

}  // namespace lexorra
