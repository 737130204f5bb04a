// The Latin half of a render.
//
// Latin stores every form whole in the lexicon, so the work here is choosing
// the right form for case, number, gender and degree, joining the words with
// generous spaces and repairing the sentence by ordered replacements.
#include "render/latin_render.h"

#include <array>
#include <span>

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

// "ex" and "ab" keep their full form before a vowel.
constexpr std::array<std::string_view, 10> kExAbBeforeVowel = {
    " ex a", " ex e", " ex i", " ex o", " ex u", " ab a", " ab e", " ab i", " ab o", " ab u"};

bool shown(const WordSlot& slot) {
  return slot.Caption != kEmptyCaption && slot.Visible;
}

std::string_view trimmed(const std::string& s) {
  return text::trimSpaces(s);
}

}  // namespace

std::string latinThingPhrase(const MottoState& state, ThingId id, const RenderValues& values,
                             Case caseCode, const Lexicon& lexicon) {
  const ThingInfo& thisThing = thing(id);
  const ThingInfo& linked = linkedThing(id);
  const LinkGroup& group = linkGroupOf(id);
  struct {
    const WordSlot &noun, &adjective, &pronoun, &secondNoun, &secondAdjective, &secondPronoun;
  } slots{state.*thisThing.noun, state.*thisThing.adjective, state.*thisThing.pronoun,
          state.*linked.noun,    state.*linked.adjective,    state.*linked.pronoun};
  const ThingValues& first = values.of(id);
  const ThingValues& second = values.of(linked.id);
  const bool andLink = (state.*group.andOption).Value;
  const bool ofLink = (state.*group.ofOption).Value;
  const bool includePronouns = state.Check1.Value == 1;
  std::string p;
  if (shown(slots.noun)) p = lexicon.nounForm(first.nounIndex, caseCode, first.number);
  if (shown(slots.adjective)) {
    p += ' ';
    p += lexicon.adjectiveForm(first.adjIndex, caseCode, first.number, first.gender,
                               first.adjDegree);
  }
  if (slots.pronoun.Caption != kEmptyCaption && includePronouns) {
    std::string withPronoun(
        lexicon.pronounForm(first.pronounIndex, caseCode, first.number, first.gender));
    p = withPronoun + " " + p;
  }
  if (andLink) {
    p += " et ";
    if (includePronouns)
      p += lexicon.pronounForm(second.pronounIndex, caseCode, second.number, second.gender);
    if (shown(slots.secondNoun)) {
      p += ' ';
      p += lexicon.nounForm(second.nounIndex, caseCode, second.number);
    }
    if (shown(slots.secondAdjective)) {
      p += ' ';
      p += lexicon.adjectiveForm(second.adjIndex, caseCode, second.number, second.gender,
                                 second.adjDegree);
    }
  }
  // "and" with nothing on either side says nothing.
  if (trimmed(p) == "et") p.clear();
  if (ofLink) {
    constexpr Case kGenitive = Case::genitive;
    p += ' ';
    if (slots.secondPronoun.Caption != kEmptyCaption && includePronouns)
      p += lexicon.pronounForm(second.pronounIndex, kGenitive, second.number, second.gender);
    if (shown(slots.secondNoun)) {
      p += ' ';
      p += lexicon.nounForm(second.nounIndex, kGenitive, second.number);
    }
    if (shown(slots.secondAdjective)) {
      p += ' ';
      p += lexicon.adjectiveForm(second.adjIndex, kGenitive, second.number, second.gender,
                                 second.adjDegree);
    }
  }
  return p;
}

std::string latinPrepPhrase(const MottoState& s, const RenderValues& v, const Lexicon& lexicon) {
  if (s.mannerTickBox.Value != 1 || s.prepositionText.Caption == kEmptyCaption) return {};
  std::string q(lexicon.prepositionForm(s.prepositionText.Tag));
  q += ' ';
  q += lexicon.pronounForm(v.prep.pronounIndex, v.prepCaseCode, v.prep.number, v.prep.gender);
  // The noun slot's visibility governs its adjective too.
  if (s.prepositionNounText.Visible) {
    q += ' ';
    q += lexicon.nounForm(s.prepositionNounText.Tag, v.prepCaseCode, v.prep.number);
    q += ' ';
    q += lexicon.adjectiveForm(v.prep.adjIndex, v.prepCaseCode, v.prep.number, v.prep.gender,
                               v.prep.adjDegree);
  }
  auto appendLinked = [&](std::string_view joint, Case caseCode) {
    const ThingValues& t = v.secondPrep;
    q += joint;
    q += lexicon.pronounForm(t.pronounIndex, caseCode, t.number, t.gender);
    if (s.secondPrepositionNounText.Visible) {
      q += ' ';
      q += lexicon.nounForm(s.secondPrepositionNounText.Tag, caseCode, t.number);
      q += ' ';
      q += lexicon.adjectiveForm(t.adjIndex, caseCode, t.number, t.gender, t.adjDegree);
    }
  };
  if (s.Option7.Value) appendLinked(" et ", v.prepCaseCode);
  if (s.Option8.Value) appendLinked(" ", Case::genitive);
  // A preposition line "(dative)" stands for the bare dative case.
  text::replaceEveryInPlace(q, "(dative)", "");
  return q;
}

std::string latinVerbPhrase(const MottoState& s, const RenderValues& v, const Lexicon& lexicon) {
  std::string verb;
  if (s.actionTickBoc.Value == 1) {
    const ActorAgreement agreement{s.actorNounText.Tag, s.actorPronounText.Caption};
    verb = lexicon.verbForm(
        v.verbIndex,
        {.tense = v.verbTense, .person = v.verbPerson, .number = v.verbNumber, .mood = v.verbMood},
        agreement);
    for (const HelperVerb& helper : kHelperVerbs) {
      if (s.verbTenseText.Caption != helper.tensePhrase) continue;
      verb = lexicon.verbForm(v.verbIndex, {}, agreement) + " " +
             lexicon.verbForm(helper.entry, {.person = v.verbPerson, .number = v.verbNumber},
                              agreement);
      break;
    }
    // Short mottos leave out a plain "is"/"are".
    if (s.isCheckBox.Value == 0 && s.notButton.Value == 0 &&
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

LatinPieces buildLatinPieces(const MottoState& s, const RenderValues& v, const Lexicon& lexicon) {
  LatinPieces pieces;
  if (s.actorTickBox.Value == 1)
    pieces.latinActorPhrase = latinThingPhrase(s, ThingId::first, v, Case::nominative, lexicon);
  if (s.actedTickBox.Value == 1)
    pieces.latinActedPhrase = latinThingPhrase(s, ThingId::second, v, v.actedCase, lexicon);
  if (s.mannerTickBox.Value == 1 && s.adVerbText.Caption != kEmptyCaption)
    pieces.latinAdverb = lexicon.adverbForm(s.adVerbText.Tag);
  pieces.latinPrepPhrase = latinPrepPhrase(s, v, lexicon);
  pieces.latinVerbPhrase = latinVerbPhrase(s, v, lexicon);
  if (s.notButton.Visible && s.notButton.Value == 1) pieces.latinNegation = "non";
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

std::string shortenExAb(std::string sentence) {
  const std::string padded = " " + sentence + " ";
  for (std::string_view beforeVowel : kExAbBeforeVowel)
    if (text::contains(padded, beforeVowel)) return sentence;
  text::applyReplacements(sentence, kExAbShortForms);
  return sentence;
}

std::string tidyLatinSentence(std::string s, const std::string& verbPhrase, const MottoState& state,
                              const RenderValues& v, const Lexicon& lexicon) {
  text::applyReplacements(s, kLatinSpacing);
  text::applyReplacements(s, kNoliUmquam);
  s = shortenExAb(std::move(s));
  if (state.Check1.Value == 0) text::applyReplacements(s, kShortMottoDrops);

  // Latin forbids with "noli"/"nolite" and the infinitive.
  const std::string& tense = state.verbTenseText.Caption;
  const std::string& actorPronoun = state.actorPronounText.Caption;
  if (text::contains(tense, "should") && state.notButton.Value == 1) {
    std::string_view forbid;
    if (text::contains(actorPronoun, "(single)")) forbid = "noli ";
    if (text::contains(actorPronoun, "(plural)")) forbid = "nolite ";
    if (!forbid.empty()) {
      text::replaceEveryInPlace(s, " non ", " ");
      const ActorAgreement agreement{state.actorNounText.Tag, actorPronoun};
      std::string infinitive = lexicon.verbForm(v.verbIndex, {.number = v.verbNumber}, agreement);
      // The imperative is replaced where it stands as a word: a short one
      // ("ama", "i") also occurs inside other words ("flammam", "in").
      // A second pass takes an imperative that shared its space with one
      // replaced by the first.
      if (!verbPhrase.empty()) {
        std::string padded = " " + s + " ";
        const int passes = infinitive == verbPhrase ? 1 : 2;
        for (int pass = 0; pass < passes; ++pass)
          text::replaceEveryInPlace(padded, " " + verbPhrase + " ", " " + infinitive + "  ");
        s = padded.substr(1, padded.size() - 2);
      }
      s = std::string(forbid) + s + " ";
    }
  }
  if (text::contains(tense, "should") && text::contains(actorPronoun, "single")) {
    s = " " + s;
    text::applyReplacements(s, kCommandDropsTu);
    s.erase(0, 1);
  }
  // "noli" comes in only with the forbidding above, after the sentence
  // repairs, and "tu" stood between it and an adverb until now: repeat the
  // repair so that "noli numquam" (a double negative) reads "noli umquam".
  text::applyReplacements(s, kNoliUmquam);

  if (state.whyOption) s = "cur " + s;
  if (state.whenIsItOption) s = "quando " + s;
  return s;
}

std::string renderLatin(const MottoState& state, const RenderValues& values,
                        const Lexicon& lexicon) {
  LatinPieces pieces = buildLatinPieces(state, values, lexicon);
  return tidyLatinSentence(orderLatinPieces(pieces, state), pieces.latinVerbPhrase, state, values,
                           lexicon);
}

}  // namespace lexorra
