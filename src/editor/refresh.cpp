// The refresh tick of the main window: keeps the two outputs and the slot
// captions in step with the motto, four times a second.
#include "editor/refresh.h"

#include <array>
#include <exception>

#include "render/render.h"
#include "text/textops.h"

namespace lexorra {

namespace {

// The sixteen slots that hold a word (not a pronoun), in the order they are
// tidied.
constexpr std::array<WordSlot MottoState::*, 16> kWordSlots = {
    &MottoState::actorNounText,
    &MottoState::secondActorNounText,
    &MottoState::actedNounText,
    &MottoState::secondActedNounText,
    &MottoState::actorAdjText,
    &MottoState::secondActorAdjText,
    &MottoState::actedAdjText,
    &MottoState::secondActedAdjText,
    &MottoState::verbText,
    &MottoState::verbTenseText,
    &MottoState::adVerbText,
    &MottoState::prepositionText,
    &MottoState::prepositionNounText,
    &MottoState::prepositionAdjText,
    &MottoState::secondPrepositionNounText,
    &MottoState::secondPrepositionAdjText,
};

// The adjective slots that can hold a possessive, with their noun slots.
struct AdjectiveWithNoun {
  WordSlot MottoState::*adjective;
  WordSlot MottoState::*noun;
};
constexpr std::array<AdjectiveWithNoun, 4> kPossessiveSlots = {{
    {&MottoState::actorAdjText, &MottoState::actorNounText},
    {&MottoState::secondActorAdjText, &MottoState::secondActorNounText},
    {&MottoState::actedAdjText, &MottoState::actedNounText},
    {&MottoState::secondActedAdjText, &MottoState::secondActedNounText},
}};

// Possessive adjective entries: "my dog", but "the dog is mine".
struct Possessive {
  std::string_view tag;
  std::string_view beforeNoun;
  std::string_view alone;
};
constexpr std::array<Possessive, 4> kPossessives = {{
    {"0", "( my)", "( mine)"},
    {"1", "( your)", "( yours)"},
    {"2", "( your)", "( yours)"},
    {"4", "( our)", "( ours)"},
}};

void recaptionPossessives(MottoState& state) {
  for (const AdjectiveWithNoun& pair : kPossessiveSlots) {
    WordSlot& adjective = state.*pair.adjective;
    const bool alone = (state.*pair.noun).Tag == kBlank;
    for (const Possessive& p : kPossessives)
      if (adjective.Tag == p.tag) adjective.Caption = alone ? p.alone : p.beforeNoun;
  }
}

// A broad question needs an act with a subject and cannot wrap a command or
// a sentence that already asks "who" or "what".
void resetImpossibleQuestion(MottoState& state) {
  const std::string english = text::lowerCase(state.finalEnglish);
  const bool impossible = text::contains(state.verbTenseText.Caption, "should") ||
                          state.actorTickBox.Value == 0 || state.actionTickBoc.Value == 0 ||
                          text::contains(english, "who ") || text::contains(english, "what ") ||
                          text::contains(english, " who?") || text::contains(english, " what");
  if (!impossible) return;
  state.whenIsItOption = false;
  state.whyOption = false;
  state.isItThatOption = false;
  state.notQuestionOption = true;
}

void showLinkOptions(MottoState& state) {
  if (state.prepositionNounText.Visible)
    state.Option7.Visible = state.Option8.Visible = state.Option9.Visible = true;
  if (state.actorNounText.Visible)
    state.Option1.Visible = state.Option2.Visible = state.Option3.Visible = true;
}

void tidyEveryTick(MottoState& state) {
  recaptionPossessives(state);
  resetImpossibleQuestion(state);
  showLinkOptions(state);
}

}  // namespace

void Timer1_Timer(MottoState& state, const Lexicon& lexicon, const EnglishTables& english) {
  try {
    if (state.Enabled) renderSentences(state, lexicon);
    if (state.Enabled) participaliseForm(state, lexicon, english);
    if (state.Enabled) neutraliseBlankWords(state);
  } catch (...) {
    // A look-up failed (a tag outside the lexicon). The tidying below runs
    // all the same; then the window gets the failure to report.
    tidyEveryTick(state);
    throw;
  }
  tidyEveryTick(state);
}

void neutraliseBlankWords(MottoState& state) {
  for (WordSlot MottoState::*member : kWordSlots) {
    WordSlot& slot = state.*member;
    if (slot.Caption.empty() || slot.Caption == kEmptyCaption) slot.Tag = kBlank;
  }
  // Hidden prepositional words are dropped; the things' words are kept for
  // when their section is ticked again.
  if (!state.prepositionNounText.Visible) state.prepositionNounText.Tag = kBlank;
  if (!state.prepositionAdjText.Visible) {
    state.prepositionAdjText.Tag = kBlank;
    state.prepositionAdjText.Caption = kEmptyCaption;
  }
  if (!state.secondPrepositionNounText.Visible) state.secondPrepositionNounText.Tag = kBlank;
  if (!state.secondPrepositionAdjText.Visible) {
    state.secondPrepositionAdjText.Tag = kBlank;
    state.secondPrepositionAdjText.Caption = kEmptyCaption;
  }
}

}  // namespace lexorra
