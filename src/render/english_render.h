// The English half of a render: the English meaning is assembled from the
// slot captions (not translated from the Latin) and then repaired by a fixed
// pipeline of numbered stages, each a plain text operation on the whole line.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "lexicon/lexicon.h"
#include "motto/motto_state.h"
#include "render/render_values.h"

namespace lexorra {

struct EnglishNounPhrases {
  std::string englishActorPhrase;        // the first thing with its linked thing
  std::string englishActedPhrase;        // the second thing with its linked thing
  std::string englishPrepositionPhrase;  // the prepositional phrase
};

// Builds the three noun pieces from the captions; changes nothing in the
// state. The lexicon gives the adjective headwords that decide whether an
// adjective follows its noun.
EnglishNounPhrases buildEnglishNounPhrases(const MottoState& state, const Lexicon& lexicon);

// Removes every bracketed stretch with its brackets. A ")" without "(" stays;
// an unclosed "(" drops the rest of the text.
std::string removeParentheses(std::string_view text);

// Joins the pieces with the verb phrase and the adverb into one line.
std::string assembleEnglish(const MottoState& state, const EnglishNounPhrases& phrases);

// What the stages share within one render.
struct EnglishWorking {
  Person verbPerson = Person::none;
  Number verbNumber = Number::singular;
  Number actorNumber = Number::singular;  // the subject's: plural when two are joined
  bool subjectJoined = false;             // "and" joins the first thing to another
  std::string thirdPersonForm;            // written by stage 13, read by stage 15
  bool skipRepairs = false;               // set by stage 15: stages 16 and 17 do nothing
};

EnglishWorking englishWorkingFrom(const RenderValues& values);

// Whether the English says a command: the tense phrase "should" of a ticked
// act.
bool isCommand(const MottoState& state);

// The third person singular of a verb word ("love" -> "loves").
std::string thirdPersonSingular(std::string_view word);

// One stage of the English pipeline: a text operation on the whole line.
// The twenty numbered stages keep their numbers; the stages that move
// adverbs to their English places have none (0).
struct EnglishStage {
  int number;
  std::string_view name;
  std::string (*run)(std::string text, const MottoState& state, EnglishWorking& working);
};

constexpr int kEnglishStageCount = 20;

// The stages in the order they run. The grammar stages (5 to 9, 11 to 15,
// 18) carry auxiliaries, "be", reflexive objects, commands, the third
// person, negation and questions; the others repair the caption markup,
// spacing and what earlier stages leave. Stages 16 and 17 change nothing
// once stage 15 has set `skipRepairs`.
extern const std::array<EnglishStage, kEnglishStageCount + 2> kEnglishStages;

// A question adverb ("where", "when", "why", "how"...) of a statement asks
// its question: it stands first and the subject and the auxiliary change
// places ("where do you go?", "when will you come?").
std::string askWithQuestionAdverb(std::string text, const MottoState& state,
                                  EnglishWorking& working);
// An adverb of frequency stands where English puts it: before the verb of a
// command ("never go!", "let him always remember!"), after the first
// auxiliary or "be" of a statement, else before its verb ("I will always
// love you", "I am always free", "he never fears"). "Never" takes the place
// of a "not" ("never go!", "he will never go").
std::string placeFrequencyAdverb(std::string text, const MottoState& state,
                                 EnglishWorking& working);

// The numbered stage `stage` (1 to 20) applied to `text`; any other number
// changes nothing.
std::string englishStage(int stage, std::string text, const MottoState& state,
                         EnglishWorking& working);

// Stages 1 to 20 in order, then doubled spaces and the space in front of
// the closing mark removed: the finished English meaning.
std::string runEnglishPipeline(std::string text, const MottoState& state, EnglishWorking& working);

// Whether any section holds a word the meaning could say: a pronoun, noun or
// adjective of a thing, a verb (or a tense that Latin says with a verb of
// its own), an adverb or a preposition. Articles and a bare tense say
// nothing.
bool englishHasWords(const MottoState& state);

// The whole English half: what `finalEnglish` receives; empty when the
// motto holds no word.
std::string renderEnglish(const MottoState& state, const Lexicon& lexicon,
                          const RenderValues& values);

}  // namespace lexorra
