// The working values of one render: what the motto's slots, links and boxes
// mean grammatically (number, gender, pronoun entry, case, tense, person).
// Computed afresh from the state at every render and read by both the Latin
// and the English half.
#pragma once

#include <string>
#include <string_view>

#include "motto/motto_state.h"
#include "lexicon/lexicon.h"

namespace lexorra {

// One "thing" of the motto: a pronoun or article, an adjective and a noun.
struct ThingValues {
  std::string nounIndex = "blank";     // the noun slot's Tag
  std::string adjIndex = "blank";      // the adjective slot's Tag
  std::string pronounWord;             // the pronoun slot's Caption, lower-cased
  int number = 0;                      // 0 singular, 1 plural
  std::string pronounIndex = "blank";  // pronoun lexicon entry, "blank" for none
  int gender = 0;                      // 0 masculine, 1 feminine, 2 neuter
  int adjDegree = 0;                   // 0 positive, 1 comparative, 2 superlative
};

struct RenderValues {
  ThingValues actor;        // first thing
  ThingValues secondActor;  // the first thing's linked thing
  ThingValues acted;        // second thing
  ThingValues secondActed;  // the second thing's linked thing
  ThingValues prep;         // the preposition's thing
  ThingValues secondPrep;   // its linked thing

  int actedCase = 0;  // 1 nominative after "to be", else 5 accusative
  std::string verbIndex = "blank";
  int verbTense = 0;   // 0 present ... 6 command
  int verbMood = 0;    // 0 indicative, 1 subjunctive
  int verbPerson = 0;  // 0 (none) to 3
  int verbNumber = 0;
  std::string prepCaseText;  // the case the preposition line names
  int prepCaseCode = 0;      // its case code, 0 when the name is unknown
};

// Which pronoun column of the caption table a thing reads: the first thing
// and its linked thing take subject words, the others object words.
enum class PronounColumn { firstThing, secondThing, object };

// Sets number, pronoun entry and gender from the thing's pronoun word. A word
// that the column does not offer leaves all three as they were.
void applyPronounWord(ThingValues& thing, PronounColumn column, const MottoState& state);

// 1 for a caption beginning "(more", 2 for "(most", else 0.
int adjectiveDegree(std::string_view adjectiveCaption);

// The tense and mood that a tense phrase gives.
struct TenseAndMood {
  int tense = 0;
  int mood = 0;
};
TenseAndMood tenseOfPhrase(std::string_view tensePhrase);

// Person and number of the act from the first thing's pronoun caption.
struct PersonAndNumber {
  int person = 0;
  int number = 0;
};
PersonAndNumber personOfPronoun(std::string_view actorPronounCaption);

// Reads the whole state into the working values, section by section; a
// section that is not ticked keeps the start values. Throws LookupOutOfRange
// for a noun or preposition tag that is not "blank" or a lexicon index.
RenderValues readRenderValues(const MottoState& state, const Lexicon& lexicon);

}  // namespace lexorra
