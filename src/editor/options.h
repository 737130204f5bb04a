// The four section tick boxes, the nine link options, the broad questions and
// the tense label.
//
// Each control has a click operation that runs after the control has taken
// its new value. Code that assigns a new value goes through the setters
// below, which run the same operation whenever the value changes; the reset
// and the motto loader rely on that to show and hide the right slots.
#pragma once

#include <string_view>

#include "motto/motto_state.h"

namespace lexorra {

// The section chain: "The Act" takes clicks only while "The first thing(s)"
// is ticked, "The second thing(s)" only while "The Act" is.
void actorTickBox_Click(MottoState& state);
void actionTickBoc_Click(MottoState& state);
void actedTickBox_Click(MottoState& state);
void mannerTickBox_Click(MottoState& state);

// Assigns 0 or 1 to one of the four section boxes (`&MottoState::actorTickBox`
// and so on) and runs its click operation when the value changes. Any other
// member is assigned without an operation.
void setTickBox(MottoState& state, TickBox MottoState::*box, int value);

// Link options, numbered 1 to 9 as `Option1` to `Option9`: groups 1-3 (first
// thing, "and", "of", "<blank>"), 4-6 (second thing), 7-9 (the preposition's
// noun).
OptionButton MottoState::*linkOption(int n);
void Option_Click(MottoState& state, int n);
// Selects option `n`, clears the other two of its group and runs the click
// operation when the option was not selected before.
void selectOption(MottoState& state, int n);

// Selects one of `whenIsItOption`, `whyOption`, `isItThatOption`,
// `notQuestionOption` and clears the other three.
void selectQuestion(MottoState& state, bool MottoState::*question);

// Advances the tense label to the next phrase of the ring; a caption that is
// not one of the phrases is left as it is.
void verbTenseText_Click(MottoState& state);

// Whether a lower-cased pronoun caption stands alone (needs no noun) for the
// first thing, the second thing and the linked second thing.
bool standsAloneFirstThing(std::string_view caption);
bool standsAloneSecondThing(std::string_view caption);
bool standsAloneLinkedSecondThing(std::string_view caption);

}  // namespace lexorra
