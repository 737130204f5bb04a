// The refresh tick of the main window: keeps the two outputs and the slot
// captions in step with the motto, four times a second.
#include "editor/refresh.h"

#include <array>
#include <exception>

#include "render/render.h"
#include "text/textops.h"

namespace lexorra {

namespace {

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

// The adjectives of the first and second things can be possessives; the
// prepositional ones are left as they are.
void recaptionPossessives(MottoState& state) {
  for (ThingId id :
       {ThingId::first, ThingId::linkedFirst, ThingId::second, ThingId::linkedSecond}) {
    WordSlot& adjective = state.*thing(id).adjective;
    const bool alone = (state.*thing(id).noun).Tag == kBlank;
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
  // Every slot that holds a word (not a pronoun slot) and shows none holds
  // none.
  for (const SlotInfo& info : kSlots) {
    if (info.kind == SlotKind::pronoun) continue;
    WordSlot& slot = state.*info.slot;
    if (slot.Caption.empty() || slot.Caption == kEmptyCaption) slot.Tag = kBlank;
  }
  // Hidden prepositional words are dropped; the things' words are kept for
  // when their section is ticked again.
  for (ThingId id : {ThingId::prepositional, ThingId::linkedPrepositional}) {
    WordSlot& noun = state.*thing(id).noun;
    WordSlot& adjective = state.*thing(id).adjective;
    if (!noun.Visible) noun.Tag = kBlank;
    if (!adjective.Visible) {
      adjective.Tag = kBlank;
      adjective.Caption = kEmptyCaption;
    }
  }
}

}  // namespace lexorra
