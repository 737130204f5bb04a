// The Latin sentence: the act, the negation, the word order and the
// clean-ups of the whole sentence.
#include <algorithm>
#include <array>

#include "render/english_words.h"
#include "render/latin_render.h"
#include "render/replacements.h"

namespace lexorra {

namespace {

// Tense phrases that Latin says with a second verb: the chosen verb's
// infinitive, then this verb in the act's person.
struct HelperVerb {
  std::string_view tensePhrase;
  int entry;
};
constexpr std::array<HelperVerb, 3> kHelperVerbs = {{
    {"can", 6852},            // possum
    {"would like to", 6853},  // volo
    {"swear to", 4532},       // iuro
}};

// The personal pronouns a verb's ending carries ("amo" is "I love").
constexpr std::array<std::string_view, 8> kCarriedByTheEnding = {
    "i", "we", "you (single)", "you (plural)", "he", "she", "it", "they"};

// Letters after which "ex" and "ab" keep their full form (and "e", "a"
// take it): the vowels and "h", in either case.
bool keepsFullForm(char c) {
  return std::string_view("aeiouyhAEIOUYH").find(c) != std::string_view::npos;
}

std::string_view trimmed(const std::string& s) {
  return text::trimSpaces(s);
}

// The tense phrase "should" of a ticked act.
bool isCommand(const MottoState& s) {
  return s.actionTickBoc.Value == 1 && text::contains(s.verbTenseText.Caption, "should");
}

bool isNegated(const MottoState& s) {
  return s.notButton.Visible && s.notButton.Value == 1;
}

// A negated command to "you" forbids with "noli"/"nolite" and the infinitive.
bool forbids(const MottoState& s, const RenderValues& v) {
  return isCommand(s) && s.notButton.Value == 1 && v.verbPerson == Person::second;
}

}  // namespace

std::string latinVerbPhrase(const MottoState& s, const RenderValues& v, const Lexicon& lexicon) {
  std::string verb;
  if (s.actionTickBoc.Value == 1) {
    verb = lexicon.verbForm(v.verbIndex, {.tense = v.verbTense,
                                          .person = v.verbPerson,
                                          .number = v.verbNumber,
                                          .mood = v.verbMood,
                                          .participleGender = v.subjectGender});
    for (const HelperVerb& helper : kHelperVerbs) {
      if (s.verbTenseText.Caption != helper.tensePhrase) continue;
      verb = lexicon.verbForm(v.verbIndex, {}) + " " +
             lexicon.verbForm(helper.entry, {.person = v.verbPerson, .number = v.verbNumber});
      break;
    }
    // Short mottos leave out a plain "is"/"are"; "Is it the case that...?"
    // keeps it, since it carries the question's "-ne".
    if (s.isCheckBox.Value == 0 && s.notButton.Value == 0 && !s.isItThatOption &&
        (trimmed(verb) == "est" || trimmed(verb) == "sunt"))
      verb.clear();
  }
  // "Is it the case that...?" puts the question ending on the verb.
  if (s.isItThatOption) {
    verb += "ne";
    if (verb == "ne") verb.clear();
  }
  return verb;
}

bool dropsSubjectPronoun(const MottoState& s, const RenderValues& v,
                         const std::string& verbPhrase) {
  const std::string& word = v.actor.pronounWord;
  const bool personal = std::find(kCarriedByTheEnding.begin(), kCarriedByTheEnding.end(), word) !=
                        kCarriedByTheEnding.end();
  if (!personal || v.actorJoined || v.actor.hasNoun) return false;
  // A command to "you" alone says "ama", not "tu ama".
  if (isCommand(s) && (word == "you (single)" || word == "you (plural)")) return true;
  // A short motto leaves the subject to the verb's ending, when there is a
  // verb to carry it.
  return s.Check1.Value == 0 && !trimmed(verbPhrase).empty();
}

LatinPieces buildLatinPieces(const MottoState& s, const RenderValues& v, const Lexicon& lexicon) {
  LatinPieces pieces;
  pieces.latinVerbPhrase = latinVerbPhrase(s, v, lexicon);
  if (s.actorTickBox.Value == 1) {
    const bool ownPronoun = !dropsSubjectPronoun(s, v, pieces.latinVerbPhrase);
    pieces.latinActorPhrase =
        latinThingPhrase(s, ThingId::first, v, Case::nominative, ownPronoun, lexicon);
    pieces.commandDroppedSubject = !ownPronoun && isCommand(s) && s.Check1.Value == 1;
  }
  if (s.actedTickBox.Value == 1)
    pieces.latinActedPhrase = latinThingPhrase(s, ThingId::second, v, v.actedCase, true, lexicon);
  if (s.mannerTickBox.Value == 1 && s.adVerbText.Caption != kEmptyCaption)
    pieces.latinAdverb = lexicon.adverbForm(s.adVerbText.Tag);
  pieces.latinPrepPhrase = latinPrepPhrase(s, v, lexicon);

  if (isNegated(s)) {
    const bool never = trimmed(pieces.latinAdverb) == "numquam";
    if (isCommand(s) && !forbids(s, v)) {
      // A negative wish or exhortation takes "ne" with the subjunctive;
      // "never" becomes "ne umquam", next to it.
      pieces.latinNegation = never ? "ne umquam" : "ne";
      if (never) pieces.latinAdverb.clear();
    } else if (never && !isCommand(s)) {
      // "numquam non" would say "always": "never" is negation enough.
      pieces.latinNegation.clear();
    } else {
      pieces.latinNegation = "non";
    }
    // "Not always": the negation stands before an adverb of frequency, as
    // the English puts it ("non semper", not "semper non", which says
    // "always not").
    const bool frequency = !never && !pieces.latinAdverb.empty() &&
                           isFrequencyAdverb(lexicon.englishHeadword("adverb", s.adVerbText.Tag));
    if (frequency && !forbids(s, v)) {
      pieces.latinAdverb = pieces.latinNegation + " " + pieces.latinAdverb;
      pieces.latinNegation.clear();
    }
  }
  return pieces;
}

std::string orderLatinPieces(const LatinPieces& p, const MottoState& s) {
  // Latin puts the verb last by default; the alternative order puts it after
  // the first thing; a broad question puts it first.
  const std::string& actor = p.latinActorPhrase;
  const std::string& acted = p.latinActedPhrase;
  const std::string& adverb = p.latinAdverb;
  const std::string& prep = p.latinPrepPhrase;
  const std::string& negation = p.latinNegation;
  const std::string& verb = p.latinVerbPhrase;
  std::string sentence;
  if (s.wordOrderBox.Value == 0)
    sentence = actor + " " + acted + " " + adverb + " " + prep + " " + negation + " " + verb;
  if (s.wordOrderBox.Value == 1)
    sentence = actor + " " + " " + negation + " " + verb + " " + acted + " " + adverb + " " + prep;
  if (s.whyOption || s.whenIsItOption || s.isItThatOption)
    sentence = verb + " " + negation + " " + actor + " " + acted + " " + adverb + " " + prep;
  return sentence;
}

std::string adjustExAb(std::string sentence) {
  std::string padded = " " + sentence + " ";
  auto before = [&](std::string_view word, std::size_t at) {
    // `at` is where " word " starts; the letter after it decides.
    const std::size_t next = at + word.size() + 2;
    return next < padded.size() && keepsFullForm(padded[next]);
  };
  auto anyBeforeVowel = [&](std::string_view word) {
    const std::string needle = " " + std::string(word) + " ";
    for (std::size_t at = padded.find(needle); at != std::string::npos;
         at = padded.find(needle, at + 1))
      if (before(word, at)) return true;
    return false;
  };
  // One "ex"/"ab" before a vowel anywhere keeps every one whole.
  if (!anyBeforeVowel("ex") && !anyBeforeVowel("ab"))
    text::applyReplacements(padded, kExAbShortForms);
  // "e" and "a" before a vowel or "h" take their full form: "ex aqua",
  // "ab hoste".
  for (auto [shortForm, fullForm] : {std::pair{"e", " ex "}, std::pair{"a", " ab "}}) {
    const std::string needle = " " + std::string(shortForm) + " ";
    for (std::size_t at = padded.find(needle); at != std::string::npos;
         at = padded.find(needle, at + 1)) {
      if (!before(shortForm, at)) continue;
      padded.replace(at, needle.size(), fullForm);
    }
  }
  return padded.substr(1, padded.size() - 2);
}

std::string tidyLatinSentence(std::string s, const LatinPieces& pieces, const MottoState& state,
                              const RenderValues& v, const Lexicon& lexicon) {
  const std::string& verbPhrase = pieces.latinVerbPhrase;
  text::applyReplacements(s, kLatinSpacing);
  text::applyReplacements(s, kNoliUmquam);
  s = adjustExAb(std::move(s));
  // The command's subject went with the space after it: "me ama".
  if (pieces.commandDroppedSubject && text::beginsWith(s, " ")) s.erase(0, 1);

  // Latin forbids with "noli"/"nolite" and the infinitive.
  if (forbids(state, v)) {
    const std::string_view forbid = v.verbNumber == Number::singular ? "noli " : "nolite ";
    const std::string infinitive = lexicon.verbForm(v.verbIndex, {});
    // "non" and the imperative are replaced where they stand as words: a
    // short imperative ("ama", "i") also occurs inside other words
    // ("flammam", "in"). A second pass takes an imperative that shared its
    // space with one replaced by the first.
    std::string padded = " " + s + " ";
    text::replaceEveryInPlace(padded, " non ", " ");
    if (!verbPhrase.empty()) {
      const int passes = infinitive == verbPhrase ? 1 : 2;
      for (int pass = 0; pass < passes; ++pass)
        text::replaceEveryInPlace(padded, " " + verbPhrase + " ", " " + infinitive + "  ");
    }
    s = padded.substr(1, padded.size() - 2);
    s = std::string(forbid) + s + " ";
  }
  // "noli" comes in only with the forbidding above, after the sentence
  // repairs: repeat the repair so that "noli numquam" (a double negative)
  // reads "noli umquam".
  text::applyReplacements(s, kNoliUmquam);

  if (state.whyOption) s = "cur " + s;
  if (state.whenIsItOption) s = "quando " + s;
  return s;
}

std::string renderLatin(const MottoState& state, const RenderValues& values,
                        const Lexicon& lexicon) {
  LatinPieces pieces = buildLatinPieces(state, values, lexicon);
  return tidyLatinSentence(orderLatinPieces(pieces, state), pieces, state, values, lexicon);
}

}  // namespace lexorra
