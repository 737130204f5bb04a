// What each word of the Latin motto was made from. The Latin renderer can
// record, while it builds the pieces of the sentence, every word it writes
// with the look-up that gave it (table, entry, case, number, gender, degree,
// or the verb query) and its part in the motto; the matcher then pairs the
// words of the finished sentence with the recorded words, knowing the
// sentence clean-ups that change words after they are built ("ex"/"e",
// "noli" with the infinitive, the question words, the missing-form marker).
//
// Nothing is guessed from the spelling: a word is traced only to the word the
// renderer recorded for that place. Normal renders record nothing.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/lexicon.h"
#include "motto/motto_state.h"
#include "render/render_values.h"

namespace lexorra {

struct LatinPieces;

// The lexicon table a word was read from; fixed words are the renderer's own.
enum class WordSource { noun, pronoun, adjective, verb, adverb, preposition, fixed };

// The words the renderer writes itself.
enum class FixedWord {
  none,
  et,          // "and" between two things
  non,         // negation of a statement
  ne,          // negation of a wish or an exhortation
  umquam,      // "never" after "ne": the adverb "numquam" as "ne umquam"
  noli,        // forbidding one person: "noli" + infinitive
  nolite,      // forbidding several
  cur,         // "Why is it that...?"
  quando,      // "When is it that...?"
  questionNe,  // "-ne" of "Is it the case that...?" on the verb
};

// The word's part in the motto.
enum class MottoPart {
  thing,                // a word of one of the six things (TracedWord::thing)
  link,                 // "et" joining a linked thing (TracedWord::thing is the linked thing)
  act,                  // the verb
  helperVerb,           // "possum", "volo", "iuro" of "can", "would like to", "swear to"
  helperInfinitive,     // the verb's infinitive that the helper verb takes
  forbiddenInfinitive,  // the verb's infinitive after "noli"/"nolite"
  manner,               // the adverb: how it happens
  preposition,          // the preposition of how it happens
  negation,
  question,
};

// How a thing hangs on its group's first thing.
enum class ThingLink { none, andLink, ofLink };

// Which word of a verb form: the whole form, or one of the two words of a
// compound (perfect participle and a form of "to be").
enum class VerbWord { whole, participle, auxiliary };

struct TracedWord {
  std::string text;  // as the renderer wrote it
  WordSource source = WordSource::fixed;
  std::string entry;  // the lexicon index; empty for a fixed word
  MottoPart part = MottoPart::thing;
  ThingId thing = ThingId::first;
  ThingLink link = ThingLink::none;
  // Noun, pronoun and adjective look-ups.
  Case caseCode = Case::none;
  Number number = Number::singular;
  Gender gender = Gender::masculine;
  Degree degree = Degree::positive;
  bool objectiveGenitive = false;  // "nostri"/"vestri" for "nostrum"/"vestrum"
  // Verb look-ups: what was asked, how the form was made, which of its words.
  VerbQuery verb{};
  VerbFormMaking::Kind verbKind = VerbFormMaking::Kind::none;
  VerbWord verbWord = VerbWord::whole;
  // A word of a compound: the tense and mood of the whole form ("perfect").
  Tense compoundTense = Tense::present;
  Mood compoundMood = Mood::indicative;
  FixedWord fixed = FixedWord::none;
  // Written onto the word before it, without a space: the "-ne" of a
  // question, the "cum" of "mecum".
  bool enclitic = false;
};

using TracedWords = std::vector<TracedWord>;

// The six pieces of the sentence (LatinPieces).
enum class LatinPiece { actor, acted, adverb, preposition, negation, verb };

struct LatinTrace {
  std::array<TracedWords, 6> pieces;
  // What the sentence clean-ups wrote: the infinitive that replaced the
  // command of a forbidding (with an empty text when there is no verb), and
  // the words put before the sentence in the order they stand
  // ("cur"/"quando", then "noli"/"nolite").
  std::optional<TracedWord> forbiddingInfinitive;
  TracedWords leading;

  TracedWords& of(LatinPiece piece) { return pieces[static_cast<std::size_t>(piece)]; }
  const TracedWords& of(LatinPiece piece) const { return pieces[static_cast<std::size_t>(piece)]; }
};

// A word the renderer writes itself ("et", "non", "noli", "cur"...).
TracedWord fixedWord(FixedWord which, std::string_view text, MottoPart part,
                     ThingId thing = ThingId::first);

// The motto's adverb, entry `entry`, as written.
TracedWord adverbWord(std::string_view text, std::string_view entry);

// The words of a verb form as `made` makes them: one, or participle and
// auxiliary. `entry` is the verb's lexicon index.
void addVerbWords(TracedWords& out, const VerbFormMaking& made, std::string_view entry,
                  const VerbQuery& query, MottoPart part);

// One word of the finished sentence: its text, and the recorded words it is
// made of (two for "mecum" and "amatne"; none when it cannot be traced).
struct MatchedWord {
  std::string text;  // as the sentence has it
  std::vector<TracedWord> words;
  bool missingForm = false;  // the marker of a form the lexicon lacks
  bool traced() const { return !words.empty(); }
};

// The Latin sentence (`finalLatin`) and its words, each traced.
struct TracedLatin {
  std::string latin;
  std::vector<MatchedWord> words;
  // Recorded words the sentence does not have (none when the record and the
  // clean-ups agree).
  std::size_t unmatched = 0;
  bool allTraced() const;
};

// Pairs the words of `sentence` with the words `trace` recorded for the
// pieces `pieces` in the order the state's word order gives.
TracedLatin matchLatinWords(std::string sentence, const LatinTrace& trace,
                            const LatinPieces& pieces, const MottoState& state);

// Renders the Latin half with a trace and matches its words.
TracedLatin traceLatin(const MottoState& state, const Lexicon& lexicon);
// The same with the values the render reads from the motto already read.
TracedLatin traceLatin(const MottoState& state, const RenderValues& values, const Lexicon& lexicon);

// The text of the marker that stands for a form the lexicon lacks, and its
// words.
inline constexpr std::string_view kMissingFormMarker = "(word form not in historical record!)";

}  // namespace lexorra
