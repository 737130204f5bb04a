// The render that ends a picker visit. The model half of each act
// (writeChoice, writeNoWord) only changes the motto and says which render
// follows, so tests can check the two apart; the acts here add that render.
#include "pickers/preposition_picker.h"
#include "pickers/search_picker.h"
#include "render/render.h"

namespace lexorra {

void renderAfterChoice(RenderStep step, MottoState& state, const Lexicon& lexicon,
                       const EnglishTables& english) {
  if (step == RenderStep::none) return;
  renderSentences(state, lexicon);
  if (step == RenderStep::sentencesThenCaptions) participaliseForm(state, lexicon, english);
}

bool SearchPicker::choose(MottoState& state, const EnglishTables& english) {
  std::optional<RenderStep> step = writeChoice(state);
  if (!step) return false;
  renderAfterChoice(*step, state, *lexicon_, english);
  return true;
}

void SearchPicker::chooseNoWord(MottoState& state, const EnglishTables& english) {
  renderAfterChoice(writeNoWord(state), state, *lexicon_, english);
}

bool PrepositionPicker::choose(MottoState& state) {
  std::optional<RenderStep> step = writeChoice(state);
  if (!step) return false;
  renderSentences(state, *lexicon_);
  return true;
}

void PrepositionPicker::chooseNoWord(MottoState& state) {
  writeNoWord(state);
  renderSentences(state, *lexicon_);
}

}  // namespace lexorra
