// One render, and the adaptation of the English captions to the grammar.
#include "render/render.h"

#include <array>

#include "render/english_render.h"
#include "render/latin_render.h"
#include "render/render_values.h"
#include "text/textops.h"

namespace lexorra {

namespace {

// Tenses after which English uses the past participle.
constexpr std::array<std::string_view, 3> kPerfectTenses = {"had", "will have", "might have"};

bool isPluralPronoun(std::string_view caption) {
  std::string lower = text::lowerCase(caption);
  return text::contains(lower, "these") || text::contains(lower, "those") ||
         text::contains(lower, "plural");
}

}  // namespace

void renderSentences(MottoState& state, const Lexicon& lexicon) {
  // Both halves are computed before either output is written, so a failing
  // look-up leaves the previous outputs in place.
  const RenderValues values = readRenderValues(state, lexicon);
  std::string latin = renderLatin(state, values, lexicon);
  std::string english = renderEnglish(state, lexicon, values);
  state.finalEnglish = std::move(english);
  state.finalLatin = std::move(latin);
}

void participaliseForm(MottoState& state, const Lexicon& lexicon, const EnglishTables& english) {
  // Computed in full before anything is written, so that a failing look-up
  // changes no caption.
  std::string verb(lexicon.englishHeadword("verb", state.verbText.Tag));
  for (std::string_view tense : kPerfectTenses)
    if (state.verbTenseText.Caption == tense) verb = pastParticiple(english, verb);

  std::array<std::string, kThings.size()> nouns;
  for (std::size_t i = 0; i < kThings.size(); ++i) {
    const ThingInfo& t = kThings[i];
    std::string_view headword = lexicon.englishHeadword("noun", (state.*t.noun).Tag);
    // Made from the headword each time, so the plural is never applied twice.
    nouns[i] = isPluralPronoun((state.*t.pronoun).Caption) ? nounPlural(english, headword)
                                                           : std::string(headword);
  }

  state.verbText.Caption = std::move(verb);
  for (std::size_t i = 0; i < kThings.size(); ++i)
    (state.*kThings[i].noun).Caption = std::move(nouns[i]);
}

}  // namespace lexorra
