// The English noun pieces and the assembly of the English text.
//
// The captions are joined with generous single spaces; the pipeline
// (english_stages.cpp) then repairs the line.
#include <array>

#include "render/english_render.h"
#include "render/english_words.h"
#include "render/replacements.h"
#include "text/textops.h"

namespace lexorra {

namespace {

// Adjectives whose English reads as a phrase ("of gold", "full of wine",
// comparatives in parentheses) follow their noun. The headword test does not
// know two of the prefixes.
struct AfterNounPrefix {
  std::string_view prefix;
  bool captionTest;
  bool headwordTest;
};
constexpr std::array<AfterNounPrefix, 13> kAfterNounPrefixes = {{
    {"(", true, true},
    {"of", true, true},
    {"made ", true, true},
    {"pertaining", true, true},
    {"of/pertaining", true, false},
    {"suffering from", true, false},
    {"belonging", true, true},
    {"from", true, true},
    {"having", true, true},
    {"characterized", true, true},
    {"favoring", true, true},
    {"containing", true, true},
    {"full of", true, true},
}};

bool passesAfterNounTest(std::string_view testText, bool captionTest) {
  std::string lower = text::lowerCase(testText);
  for (const AfterNounPrefix& p : kAfterNounPrefixes) {
    if (!(captionTest ? p.captionTest : p.headwordTest)) continue;
    if (text::beginsWith(lower, p.prefix)) return true;
  }
  return false;
}

// The caption test reads the adjective caption with every "( " removed; a
// comparison ("more full of wine") stands where its positive would.
bool adjectiveFollowsByCaption(const WordSlot& adjective) {
  std::string testText = text::replaceEvery(adjective.Caption, "( ", "");
  for (std::string_view degree : {"more ", "most "})
    if (text::beginsWith(testText, degree)) testText.erase(0, degree.size());
  return passesAfterNounTest(testText, true);
}

bool adjectiveFollowsByHeadword(const WordSlot& adjective, const Lexicon& lexicon) {
  return passesAfterNounTest(lexicon.englishHeadword("adjective", adjective.Tag), false);
}

// Adjective and noun of one thing; `follows` puts the adjective behind.
std::string adjectiveAndNoun(const WordSlot& noun, const WordSlot& adjective,
                             std::string_view textInFront, bool follows) {
  if (follows) return noun.Caption + " " + text::replaceEvery(adjective.Caption, "(", "");
  return std::string(textInFront) + " " + noun.Caption;
}

std::string pronounWordOf(const WordSlot& pronoun) {
  return text::lowerCase(text::firstWord(pronoun.Caption));
}

// A thing with its linked thing: pronoun word, adjective and noun, then
// "and"/"of", the linked pronoun word, adjective and noun.
void joinThing(std::string& phrase, const std::string& linked, bool ticked, const WordSlot& pronoun,
               const WordSlot& linkedPronoun, bool andLink, bool ofLink, std::string& linkWord,
               bool firstHoldsAWord) {
  if (ticked) phrase = pronounWordOf(pronoun) + " " + phrase;
  if (andLink) linkWord = "and";
  if (ofLink) linkWord = "of";
  // "and" after nothing: the linked thing stands alone, as in the Latin.
  if (andLink && !firstHoldsAWord) {
    phrase = pronounWordOf(linkedPronoun) + " " + linked;
    return;
  }
  if (andLink || ofLink)
    phrase = phrase + " " + linkWord + " " + pronounWordOf(linkedPronoun) + " " + linked;
}

// Whether a thing says anything: a pronoun that is not an article or the
// bare "()"/"(plural)", or a noun or adjective with a word.
bool thingHoldsAWord(const MottoState& s, const ThingInfo& t) {
  auto holds = [](const WordSlot& slot) { return slot.Visible && slot.Tag != kBlank; };
  const std::string pronoun = text::lowerCase((s.*t.pronoun).Caption);
  const bool article = pronoun == "()" || pronoun == "(plural)" || pronoun == "a" ||
                       pronoun == "the (single)" || pronoun == "the (plural)";
  return ((s.*t.pronoun).Visible && !article) || holds(s.*t.noun) || holds(s.*t.adjective);
}

// Adjective and noun of a prepositional thing, whole captions.
std::string prepAdjectiveAndNoun(const WordSlot& noun, const WordSlot& adjective, bool follows) {
  if (follows) return noun.Caption + " " + adjective.Caption;
  return adjective.Caption + " " + noun.Caption;
}

// The tense phrases that Latin says with a verb of its own.
bool isHelperTense(std::string_view tense) {
  return helperVerbEntry(tense).has_value();
}

}  // namespace

EnglishNounPhrases buildEnglishNounPhrases(const MottoState& state, const Lexicon& lexicon) {
  // Adjectives in their English comparison: "(more great)" reads as the
  // positive-shaped "( greater)".
  // Only the six adjective slots are copied, in the order of kThings.
  std::array<WordSlot, kThings.size()> compared;
  for (std::size_t i = 0; i < kThings.size(); ++i) {
    compared[i] = state.*kThings[i].adjective;
    compared[i].Caption = comparedAdjectiveCaption(compared[i].Caption);
  }
  auto adjectiveOf = [&](ThingId id) -> const WordSlot& {
    return compared[static_cast<std::size_t>(id)];
  };
  const MottoState& s = state;
  EnglishNounPhrases out;
  std::string englishSecondActorPhrase, englishSecondActedPhrase;

  if (s.actorNounText.Visible) {
    const WordSlot& adjective = adjectiveOf(ThingId::first);
    out.englishActorPhrase = adjectiveAndNoun(s.actorNounText, adjective,
                                              text::replaceEvery(adjective.Caption, "( ", ""),
                                              adjectiveFollowsByCaption(adjective));
  }
  auto headwordThing = [&](const WordSlot& noun, const WordSlot& adjective) {
    return adjectiveAndNoun(noun, adjective, text::replaceEvery(adjective.Caption, "(", ""),
                            adjectiveFollowsByHeadword(adjective, lexicon));
  };
  if (s.secondActorNounText.Visible && (s.Option1.Value || s.Option2.Value))
    englishSecondActorPhrase =
        headwordThing(s.secondActorNounText, adjectiveOf(ThingId::linkedFirst));
  if (s.actedNounText.Visible)
    out.englishActedPhrase = headwordThing(s.actedNounText, adjectiveOf(ThingId::second));
  if (s.secondActedNounText.Visible && (s.Option4.Value || s.Option5.Value))
    englishSecondActedPhrase =
        headwordThing(s.secondActedNounText, adjectiveOf(ThingId::linkedSecond));

  std::string linkWord;
  joinThing(out.englishActorPhrase, englishSecondActorPhrase, s.actorTickBox.Value == 1,
            s.actorPronounText, s.secondActorPronoun, s.Option1.Value, s.Option2.Value, linkWord,
            thingHoldsAWord(s, thing(ThingId::first)));
  joinThing(out.englishActedPhrase, englishSecondActedPhrase, s.actedTickBox.Value == 1,
            s.actedPronounText, s.secondActedPronoun, s.Option4.Value, s.Option5.Value, linkWord,
            thingHoldsAWord(s, thing(ThingId::second)));

  if (s.mannerTickBox.Value == 1) {
    const bool prepFollows = adjectiveFollowsByCaption(adjectiveOf(ThingId::prepositional));
    const bool secondPrepFollows =
        adjectiveFollowsByCaption(adjectiveOf(ThingId::linkedPrepositional));
    std::string& p = out.englishPrepositionPhrase;
    if (s.prepositionText.Visible && s.prepositionText.Tag != kBlank) {
      p = s.prepositionText.Caption + " " + s.prepositionPronounText.Caption + " " +
          prepAdjectiveAndNoun(s.prepositionNounText, adjectiveOf(ThingId::prepositional),
                               prepFollows);
    }
    auto appendLinked = [&](std::string_view joint) {
      p += joint;
      p += s.secondPrepositionPronounText.Caption + " " +
           prepAdjectiveAndNoun(s.secondPrepositionNounText,
                                adjectiveOf(ThingId::linkedPrepositional), secondPrepFollows);
    };
    if (s.Option7.Value) appendLinked(" and ");
    if (s.Option8.Value) appendLinked(" of ");
    text::applyReplacements(p, kPrepositionMarkup);
  }
  return out;
}

std::string removeParentheses(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool keeping = true;
  for (char c : text) {
    if (c == '(') keeping = false;
    if (keeping) out += c;
    if (c == ')') keeping = true;
  }
  return out;
}

std::string assembleEnglish(const MottoState& s, const EnglishNounPhrases& phrases) {
  // A tense without a verb says nothing, but for the tenses Latin says with a
  // verb of its own ("He can.": "is potest").
  std::string verbPhrase;
  if (s.verbText.Visible && (!s.verbText.Caption.empty() || isHelperTense(s.verbTenseText.Caption)))
    verbPhrase = s.verbTenseText.Caption + " " + s.verbText.Caption;
  std::string adverb;
  if (s.mannerTickBox.Value == 1) adverb = s.adVerbText.Caption;
  return removeParentheses(phrases.englishActorPhrase) + " " + verbPhrase + " " +
         removeParentheses(phrases.englishActedPhrase) + " " +
         removeParentheses(phrases.englishPrepositionPhrase) + " " + removeParentheses(adverb);
}

bool englishHasWords(const MottoState& s) {
  auto thingHolds = [&](const ThingInfo& t) { return thingHoldsAWord(s, t); };
  if (s.actorTickBox.Value == 1 &&
      (thingHolds(thing(ThingId::first)) || thingHolds(thing(ThingId::linkedFirst))))
    return true;
  if (s.actionTickBoc.Value == 1 &&
      (s.verbText.Tag != kBlank || isHelperTense(s.verbTenseText.Caption)))
    return true;
  if (s.actedTickBox.Value == 1 &&
      (thingHolds(thing(ThingId::second)) || thingHolds(thing(ThingId::linkedSecond))))
    return true;
  return s.mannerTickBox.Value == 1 &&
         (s.adVerbText.Tag != kBlank || s.prepositionText.Tag != kBlank);
}

std::string renderEnglish(const MottoState& state, const Lexicon& lexicon,
                          const RenderValues& values) {
  if (!englishHasWords(state)) return {};
  EnglishWorking working = englishWorkingFrom(values);
  std::string text = assembleEnglish(state, buildEnglishNounPhrases(state, lexicon));
  return runEnglishPipeline(std::move(text), state, working);
}

}  // namespace lexorra
