// The working values of one render: what the motto's slots, links and boxes
// mean grammatically (number, gender, pronoun entry, case, tense, person).
// Computed afresh from the state at every render and read by both the Latin
// and the English half.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lexicon/lexicon.h"
#include "motto/motto_state.h"

namespace lexorra {

// One "thing" of the motto: a pronoun or article, an adjective and a noun.
struct ThingValues {
  std::string nounIndex = "blank";  // the noun slot's Tag
  std::string adjIndex = "blank";   // the adjective slot's Tag
  std::string pronounWord;          // the pronoun slot's Caption, lower-cased
  Number number = Number::singular;
  std::string pronounIndex = "blank";  // pronoun lexicon entry, "blank" for none
  Gender gender = Gender::masculine;
  Degree adjDegree = Degree::positive;
  bool hasNoun = false;  // the noun slot is shown and holds a word
};

struct RenderValues {
  ThingValues actor;        // first thing
  ThingValues secondActor;  // the first thing's linked thing
  ThingValues acted;        // second thing
  ThingValues secondActed;  // the second thing's linked thing
  ThingValues prep;         // the preposition's thing
  ThingValues secondPrep;   // its linked thing

  // Nominative after "to be", else the case the verb governs (accusative
  // unless its lexicon entry marks another).
  Case actedCase = Case::none;
  // The first thing is joined by "and" to a linked thing that holds a word.
  bool actorJoined = false;
  // The first thing holds no word and its "and" link does: the linked thing
  // is the subject.
  bool linkedIsSubject = false;
  // The gender of the subject as a whole: the first thing's, or of two
  // joined things their common gender, else the masculine. Participles of
  // compound tenses and a predicate without a noun agree with it.
  Gender subjectGender = Gender::masculine;
  std::string verbIndex = "blank";
  Tense verbTense = Tense::present;
  Mood verbMood = Mood::indicative;
  Person verbPerson = Person::none;
  Number verbNumber = Number::singular;
  Case prepCaseCode = Case::none;  // the case the preposition line names; none if unknown

  const ThingValues& of(ThingId id) const;
  ThingValues& of(ThingId id);
};

// Which pronoun column of the caption table a thing reads: the first thing
// and its linked thing take subject words, the others object words.
enum class PronounColumn { firstThing, secondThing, object };

// Sets number, pronoun entry and gender from the thing's pronoun word. A word
// that the column does not offer leaves all three as they were.
void applyPronounWord(ThingValues& thing, PronounColumn column, const MottoState& state);

// Comparative for a caption beginning "(more", superlative for "(most",
// else positive.
Degree adjectiveDegree(std::string_view adjectiveCaption);

// The tense and mood that a tense phrase gives.
struct TenseAndMood {
  Tense tense = Tense::present;
  Mood mood = Mood::indicative;
};
TenseAndMood tenseOfPhrase(std::string_view tensePhrase);

// The verb entry of a tense phrase that Latin says with a second verb ("can":
// possum, "would like to": volo, "swear to": iuro), which follows the chosen
// verb's infinitive; nothing for the other phrases.
std::optional<int> helperVerbEntry(std::string_view tensePhrase);

// Person and number of the act from the first thing's pronoun caption.
struct PersonAndNumber {
  Person person = Person::none;
  Number number = Number::singular;
};
PersonAndNumber personOfPronoun(std::string_view actorPronounCaption);

// The person of two subjects joined by "and": the first if either is "I" or
// "we" ("you and I" are "we"), else the second if either is "you", else the
// third.
Person personOfJoinedSubjects(std::string_view actorPronounCaption,
                              std::string_view linkedPronounCaption);

// Whether a thing contributes a word to the Latin: a pronoun with an entry,
// or a shown noun or adjective that holds a word.
bool holdsAWord(const ThingValues& thing, const MottoState& state, ThingId id);

// Reads the whole state into the working values, section by section; a
// section that is not ticked keeps the start values. Throws LookupOutOfRange
// for a noun or preposition tag that is not "blank" or a lexicon index.
RenderValues readRenderValues(const MottoState& state, const Lexicon& lexicon);

}  // namespace lexorra
