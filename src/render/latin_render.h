// The Latin half of a render: the noun phrases, the act, the negation, the
// word order and the clean-ups of the whole sentence.
#pragma once

#include <span>
#include <string>

#include "lexicon/lexicon.h"
#include "motto/motto_state.h"
#include "render/latin_trace.h"
#include "render/render_values.h"
#include "text/textops.h"

namespace lexorra {

// The six pieces of the Latin sentence. Each may start or end with a space or
// hold doubled spaces; the sentence clean-up removes them.
struct LatinPieces {
  std::string latinActorPhrase;  // first thing, nominative
  std::string latinActedPhrase;  // second thing, in actedCase
  std::string latinAdverb;
  std::string latinPrepPhrase;  // prepositional phrase
  std::string latinNegation;    // "non", "ne", "ne umquam" or empty
  std::string latinVerbPhrase;  // the act
  // A command to "you" left out the subject's "tu"/"vos", and the space
  // that followed it.
  bool commandDroppedSubject = false;
  // A forbidding with "never": "noli umquam" leads the sentence, wherever
  // the adverb would stand ("noli umquam lapides iacere").
  bool forbidsNever = false;

  const std::string& of(LatinPiece piece) const;
};

// Pronoun, noun and adjective of the thing `id` (the first or the second
// thing) in `caseCode`, then the thing its group links to it by "and" (same
// case, after "et"; nothing when the link holds no word) or by "of"
// (genitive). `ownPronoun` false leaves out the thing's own pronoun.
// `trace`, when given, receives the words in the order they stand.
std::string latinThingPhrase(const MottoState& state, ThingId id, const RenderValues& values,
                             Case caseCode, bool ownPronoun, const Lexicon& lexicon,
                             TracedWords* trace = nullptr);

// The preposition with its thing and linked thing. "cum" joins a personal
// pronoun as one word ("mecum"); "causa", "gratia", "tenus" and "versus"
// follow their noun phrase ("honoris causa").
std::string latinPrepPhrase(const MottoState& state, const RenderValues& values,
                            const Lexicon& lexicon, TracedWords* trace = nullptr);

// The act (with the second verb of "can", "would like to", "swear to", the
// dropped "est"/"sunt" and the question ending "ne").
std::string latinVerbPhrase(const MottoState& state, const RenderValues& values,
                            const Lexicon& lexicon, TracedWords* trace = nullptr);

// Whether the first thing's pronoun is left out: in a short motto where it
// alone is the subject and the verb's ending says it, and in a command to
// "you" alone.
bool dropsSubjectPronoun(const MottoState& state, const RenderValues& values,
                         const std::string& verbPhrase);

// The six pieces; `trace`, when given, receives the words of each.
LatinPieces buildLatinPieces(const MottoState& state, const RenderValues& values,
                             const Lexicon& lexicon, LatinTrace* trace = nullptr);

// The pieces in the order the sentence puts them: verb last by default,
// after the first thing in the alternative order, first in a broad question.
// Empty for a word-order box that holds neither 0 nor 1 (no sentence).
std::span<const LatinPiece> latinPieceOrder(const MottoState& state);

// The pieces in the chosen word order, not yet cleaned.
std::string orderLatinPieces(const LatinPieces& pieces, const MottoState& state);

// "ex"/"ab" before a consonant become "e"/"a", unless the sentence has one of
// them before a vowel or "h" anywhere; "e"/"a" before a vowel or "h" become
// "ex"/"ab".
std::string adjustExAb(std::string sentence);

// Spacing, missing forms, "ex"/"ab", forbidding with "noli"/"nolite" and the
// question words, in that order.
// `trace`, when given, receives the words the clean-ups add.
std::string tidyLatinSentence(std::string sentence, const LatinPieces& pieces,
                              const MottoState& state, const RenderValues& values,
                              const Lexicon& lexicon, LatinTrace* trace = nullptr);

// The whole Latin half: what `finalLatin` receives, untrimmed.
std::string renderLatin(const MottoState& state, const RenderValues& values,
                        const Lexicon& lexicon);

}  // namespace lexorra
