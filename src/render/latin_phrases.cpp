// The Latin noun phrases: the first and second things with their links, and
// the prepositional phrase.
//
// Latin stores every form whole in the lexicon, so the work here is choosing
// the right form for case, number, gender and degree and joining the words
// with generous spaces, which the sentence clean-up folds.
#include <algorithm>
#include <array>

#include "render/latin_render.h"

namespace lexorra {

namespace {

bool shown(const WordSlot& slot) {
  return slot.Caption != kEmptyCaption && slot.Visible;
}

// The personal pronouns that "cum" joins as one word: "mecum", "tecum",
// "nobiscum", "vobiscum" (entries "I", "you", "we", "you" several).
constexpr std::array<std::string_view, 4> kCumJoinsPronoun = {"0", "25", "16", "29"};

// Prepositions that stand after their noun phrase: "honoris causa",
// "exempli gratia", "pectore tenus", "Romam versus".
constexpr std::array<std::string_view, 8> kPostpositive = {"causa",  "caussa", "gratia", "tenus",
                                                           "versus", "versum", "vorsus", "vorsum"};

// After a verb of remembering, forgetting or pitying, "us" and "you" are the
// objective genitives "nostri", "vestri", not the partitive "nostrum".
std::string_view objectiveGenitive(std::string_view form) {
  if (form == "nostrum") return "nostri";
  if (form == "vestrum") return "vestri";
  return form;
}

// Noun then adjective of a thing, each when its slot is shown.
std::string nounAndAdjective(const WordSlot& noun, const WordSlot& adjective, const ThingValues& t,
                             Case caseCode, const Lexicon& lexicon) {
  std::string p;
  if (shown(noun)) p = lexicon.nounForm(t.nounIndex, caseCode, t.number);
  if (shown(adjective)) {
    p += ' ';
    p += lexicon.adjectiveForm(t.adjIndex, caseCode, t.number, t.gender, t.adjDegree);
  }
  return p;
}

std::string pronounIn(const ThingValues& t, Case caseCode, bool objectGenitive,
                      const Lexicon& lexicon) {
  std::string_view form = lexicon.pronounForm(t.pronounIndex, caseCode, t.number, t.gender);
  return std::string(objectGenitive ? objectiveGenitive(form) : form);
}

bool isEmptyPiece(const std::string& piece) {
  return text::trimSpaces(piece).empty();
}

}  // namespace

std::string latinThingPhrase(const MottoState& state, ThingId id, const RenderValues& values,
                             Case caseCode, bool ownPronoun, const Lexicon& lexicon) {
  const ThingInfo& self = thing(id);
  const ThingInfo& linked = linkedThing(id);
  const LinkGroup& group = linkGroupOf(id);
  const ThingValues& first = values.of(id);
  const ThingValues& second = values.of(linked.id);
  // Only the second thing takes the case a verb governs, and a genitive
  // there is the objective one.
  const bool objectGenitive = id == ThingId::second && caseCode == Case::genitive;

  std::string p =
      nounAndAdjective(state.*self.noun, state.*self.adjective, first, caseCode, lexicon);
  if ((state.*self.pronoun).Caption != kEmptyCaption && ownPronoun)
    p = pronounIn(first, caseCode, objectGenitive, lexicon) + " " + p;

  const WordSlot& linkedNoun = state.*linked.noun;
  const WordSlot& linkedAdjective = state.*linked.adjective;
  if ((state.*group.andOption).Value) {
    // Pronoun, noun and adjective of the linked thing in the same case; an
    // "and" with nothing after it says nothing.
    std::string joined = pronounIn(second, caseCode, objectGenitive, lexicon);
    std::string rest = nounAndAdjective(linkedNoun, linkedAdjective, second, caseCode, lexicon);
    if (!rest.empty()) joined += " " + rest;
    if (!isEmptyPiece(joined)) p += " et " + joined;
  }
  // "and" with nothing on either side says nothing.
  if (text::trimSpaces(p) == "et") p.clear();
  if ((state.*group.ofOption).Value) {
    p += ' ';
    if ((state.*linked.pronoun).Caption != kEmptyCaption)
      p += pronounIn(second, Case::genitive, false, lexicon);
    if (shown(linkedNoun)) {
      p += ' ';
      p += lexicon.nounForm(second.nounIndex, Case::genitive, second.number);
    }
    if (shown(linkedAdjective)) {
      p += ' ';
      p += lexicon.adjectiveForm(second.adjIndex, Case::genitive, second.number, second.gender,
                                 second.adjDegree);
    }
  }
  return p;
}

std::string latinPrepPhrase(const MottoState& s, const RenderValues& v, const Lexicon& lexicon) {
  if (s.mannerTickBox.Value != 1 || s.prepositionText.Caption == kEmptyCaption) return {};
  const std::string preposition(lexicon.prepositionForm(s.prepositionText.Tag));
  const bool cum = preposition == "cum";

  // A thing of the phrase: its pronoun, then, when its noun slot is shown
  // (which governs the adjective too), its noun and adjective. "cum" joins a
  // personal pronoun as one word.
  auto thingText = [&](const ThingValues& t, const WordSlot& noun, Case caseCode, bool* joinsCum) {
    std::string out(lexicon.pronounForm(t.pronounIndex, caseCode, t.number, t.gender));
    const bool personal = std::find(kCumJoinsPronoun.begin(), kCumJoinsPronoun.end(),
                                    t.pronounIndex) != kCumJoinsPronoun.end();
    if (joinsCum) *joinsCum = cum && personal && !out.empty();
    if (joinsCum && *joinsCum) out += "cum";
    if (noun.Visible) {
      out += ' ';
      out += lexicon.nounForm(noun.Tag, caseCode, t.number);
      out += ' ';
      out += lexicon.adjectiveForm(t.adjIndex, caseCode, t.number, t.gender, t.adjDegree);
    }
    return out;
  };

  bool firstJoinsCum = false;
  std::string phrase = thingText(v.prep, s.prepositionNounText, v.prepCaseCode, &firstJoinsCum);
  if (s.Option7.Value) {
    bool linkedJoinsCum = false;
    std::string linked =
        thingText(v.secondPrep, s.secondPrepositionNounText, v.prepCaseCode, &linkedJoinsCum);
    // "mecum et cum fratre": once "cum" is part of the first pronoun, a
    // linked noun takes its own.
    if (firstJoinsCum && !linkedJoinsCum) linked = preposition + " " + linked;
    if (!isEmptyPiece(linked)) phrase += " et " + linked;
  }
  if (s.Option8.Value)
    phrase += " " + thingText(v.secondPrep, s.secondPrepositionNounText, Case::genitive, nullptr);

  std::string q;
  if (std::find(kPostpositive.begin(), kPostpositive.end(), preposition) != kPostpositive.end())
    q = phrase + " " + preposition;
  else if (firstJoinsCum)
    q = phrase;  // "mecum": the preposition is part of the pronoun
  else
    q = preposition + " " + phrase;
  // A preposition line "(dative)" stands for the bare dative case.
  text::replaceEveryInPlace(q, "(dative)", "");
  return q;
}

}  // namespace lexorra
