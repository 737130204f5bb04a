// Turning the motto into its two outputs, and adapting the English captions
// of the noun and verb slots to the grammar.
#pragma once

#include "english/english.h"
#include "lexicon/lexicon.h"
#include "motto/motto_state.h"

namespace lexorra {

// Renders the Latin motto into `finalLatin` and its English meaning into
// `finalEnglish` (the English is written first). Reads the whole state afresh;
// keeps nothing between calls. A tag outside the lexicon throws
// LookupOutOfRange before either output is written.
void renderSentences(MottoState& state, const Lexicon& lexicon);

// Rewrites the captions of `verbText` and the six noun slots from their tags:
// the past participle after "had", "will have", "might have"; the plural
// after a plural article or pronoun. A tag outside the lexicon throws
// LookupOutOfRange before any caption is written.
void participaliseForm(MottoState& state, const Lexicon& lexicon, const EnglishTables& english);

}  // namespace lexorra
