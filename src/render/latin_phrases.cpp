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

// A word of a thing as its look-up made it.
TracedWord thingWord(std::string_view text, WordSource source, std::string_view entry, ThingId id,
                     ThingLink link, const ThingValues& t, Case caseCode) {
  TracedWord w;
  w.text = text;
  w.source = source;
  w.entry = entry;
  w.part = MottoPart::thing;
  w.thing = id;
  w.link = link;
  w.caseCode = caseCode;
  w.number = t.number;
  w.gender = t.gender;
  if (source == WordSource::adjective) w.degree = t.adjDegree;
  return w;
}

// Where a thing's words are recorded: nowhere in a normal render.
struct ThingRecorder {
  TracedWords* out;
  ThingId id;
  ThingLink link;
  const ThingValues& values;
  Case caseCode;

  void add(std::string_view text, WordSource source, std::string_view entry) const {
    if (out) out->push_back(thingWord(text, source, entry, id, link, values, caseCode));
  }

  // Appends the thing's noun (entry `noun`) or adjective in the recorder's
  // case, number and gender to `phrase`, and records it.
  void writeNoun(std::string& phrase, const Lexicon& lexicon, const std::string& noun) const {
    std::string_view form = lexicon.nounForm(noun, caseCode, values.number);
    phrase += form;
    add(form, WordSource::noun, noun);
  }
  void writeAdjective(std::string& phrase, const Lexicon& lexicon) const {
    std::string_view form = lexicon.adjectiveForm(values.adjIndex, caseCode, values.number,
                                                  values.gender, values.adjDegree);
    phrase += form;
    add(form, WordSource::adjective, values.adjIndex);
  }
};

// Noun then adjective of a thing, each when its slot is shown.
std::string nounAndAdjective(const WordSlot& noun, const WordSlot& adjective,
                             const Lexicon& lexicon, const ThingRecorder& record) {
  std::string p;
  if (shown(noun)) record.writeNoun(p, lexicon, record.values.nounIndex);
  if (shown(adjective)) {
    p += ' ';
    record.writeAdjective(p, lexicon);
  }
  return p;
}

std::string pronounIn(const ThingValues& t, Case caseCode, bool objectGenitive,
                      const Lexicon& lexicon, const ThingRecorder& record) {
  std::string_view form = lexicon.pronounForm(t.pronounIndex, caseCode, t.number, t.gender);
  std::string written(objectGenitive ? objectiveGenitive(form) : form);
  if (record.out) {
    record.add(written, WordSource::pronoun, t.pronounIndex);
    record.out->back().objectiveGenitive = written != form;
  }
  return written;
}

bool isEmptyPiece(const std::string& piece) {
  return text::trimSpaces(piece).empty();
}

void append(TracedWords* out, TracedWords&& words) {
  if (out) out->insert(out->end(), words.begin(), words.end());
}

// Joins an and-linked thing to `phrase` after "et", or alone when nothing
// stands before it; a linked thing without a word says nothing, so no "et"
// is ever left dangling.
void joinAndLinked(std::string& phrase, const std::string& linked, ThingId linkedId,
                   TracedWords* out, TracedWords&& linkedWords) {
  if (isEmptyPiece(linked)) return;
  if (isEmptyPiece(phrase)) {
    phrase += " " + linked;
  } else {
    phrase += " et " + linked;
    if (out) out->push_back(fixedWord(FixedWord::et, "et", MottoPart::link, linkedId));
  }
  append(out, std::move(linkedWords));
}

}  // namespace

std::string latinThingPhrase(const MottoState& state, ThingId id, const RenderValues& values,
                             Case caseCode, bool ownPronoun, const Lexicon& lexicon,
                             TracedWords* trace) {
  const ThingInfo& self = thing(id);
  const ThingInfo& linked = linkedThing(id);
  const LinkGroup& group = linkGroupOf(id);
  const ThingValues& first = values.of(id);
  const ThingValues& second = values.of(linked.id);
  // Only the second thing takes the case a verb governs, and a genitive
  // there is the objective one.
  const bool objectGenitive = id == ThingId::second && caseCode == Case::genitive;
  // The words recorded so far, in the order they stand in `p`.
  TracedWords words;
  TracedWords* out = trace ? &words : nullptr;
  const ThingRecorder own{out, id, ThingLink::none, first, caseCode};

  std::string p = nounAndAdjective(state.*self.noun, state.*self.adjective, lexicon, own);
  if ((state.*self.pronoun).Caption != kEmptyCaption && ownPronoun) {
    TracedWords nounWords;
    if (out) nounWords.swap(words);
    p = pronounIn(first, caseCode, objectGenitive, lexicon, own) + " " + p;
    if (out) words.insert(words.end(), nounWords.begin(), nounWords.end());
  }

  const WordSlot& linkedNoun = state.*linked.noun;
  const WordSlot& linkedAdjective = state.*linked.adjective;
  if ((state.*group.andOption).Value) {
    // Pronoun, noun and adjective of the linked thing in the same case; an
    // "and" with nothing after it says nothing.
    TracedWords joinedWords;
    TracedWords* joinedOut = trace ? &joinedWords : nullptr;
    const ThingRecorder joinedRecord{joinedOut, linked.id, ThingLink::andLink, second, caseCode};
    std::string joined = pronounIn(second, caseCode, objectGenitive, lexicon, joinedRecord);
    std::string rest = nounAndAdjective(linkedNoun, linkedAdjective, lexicon, joinedRecord);
    if (!rest.empty()) joined += " " + rest;
    joinAndLinked(p, joined, linked.id, out, std::move(joinedWords));
  }
  if ((state.*group.ofOption).Value) {
    const ThingRecorder ofRecord{out, linked.id, ThingLink::ofLink, second, Case::genitive};
    p += ' ';
    if ((state.*linked.pronoun).Caption != kEmptyCaption)
      p += pronounIn(second, Case::genitive, false, lexicon, ofRecord);
    if (shown(linkedNoun)) {
      p += ' ';
      ofRecord.writeNoun(p, lexicon, second.nounIndex);
    }
    if (shown(linkedAdjective)) {
      p += ' ';
      ofRecord.writeAdjective(p, lexicon);
    }
  }
  append(trace, std::move(words));
  return p;
}

std::string latinPrepPhrase(const MottoState& s, const RenderValues& v, const Lexicon& lexicon,
                            TracedWords* trace) {
  if (s.mannerTickBox.Value != 1 || s.prepositionText.Caption == kEmptyCaption) return {};
  std::string preposition(lexicon.prepositionForm(s.prepositionText.Tag));
  // A preposition line "(dative)" stands for the bare dative case: no word.
  if (preposition == "(dative)") preposition.clear();
  const bool cum = preposition == "cum";
  auto prepositionWord = [&](bool enclitic) {
    TracedWord w;
    w.text = preposition;
    w.source = WordSource::preposition;
    w.entry = s.prepositionText.Tag;
    w.part = MottoPart::preposition;
    w.thing = ThingId::prepositional;
    w.caseCode = v.prepCaseCode;
    w.enclitic = enclitic;
    return w;
  };

  // A thing of the phrase: its pronoun, then, when its noun slot is shown
  // (which governs the adjective too), its noun and adjective. "cum" joins a
  // personal pronoun as one word.
  auto thingText = [&](ThingId id, ThingLink link, Case caseCode, bool* joinsCum,
                       TracedWords* out) {
    const ThingValues& t = v.of(id);
    const WordSlot& noun = s.*thing(id).noun;
    const ThingRecorder record{out, id, link, t, caseCode};
    std::string written(lexicon.pronounForm(t.pronounIndex, caseCode, t.number, t.gender));
    record.add(written, WordSource::pronoun, t.pronounIndex);
    const bool personal = std::find(kCumJoinsPronoun.begin(), kCumJoinsPronoun.end(),
                                    t.pronounIndex) != kCumJoinsPronoun.end();
    if (joinsCum) *joinsCum = cum && personal && !written.empty();
    if (joinsCum && *joinsCum) {
      written += "cum";
      if (out) out->push_back(prepositionWord(true));
    }
    if (noun.Visible) {
      written += ' ';
      record.writeNoun(written, lexicon, noun.Tag);
      written += ' ';
      record.writeAdjective(written, lexicon);
    }
    return written;
  };

  TracedWords words;
  TracedWords* out = trace ? &words : nullptr;
  bool firstJoinsCum = false;
  std::string phrase =
      thingText(ThingId::prepositional, ThingLink::none, v.prepCaseCode, &firstJoinsCum, out);
  if (s.Option7.Value) {
    bool linkedJoinsCum = false;
    TracedWords linkedWords;
    TracedWords* linkedOut = trace ? &linkedWords : nullptr;
    std::string linked = thingText(ThingId::linkedPrepositional, ThingLink::andLink, v.prepCaseCode,
                                   &linkedJoinsCum, linkedOut);
    // "mecum et cum fratre": once "cum" is part of the first pronoun, a
    // linked noun takes its own.
    if (firstJoinsCum && !linkedJoinsCum) {
      linked = preposition + " " + linked;
      if (linkedOut) linkedWords.insert(linkedWords.begin(), prepositionWord(false));
    }
    joinAndLinked(phrase, linked, ThingId::linkedPrepositional, out, std::move(linkedWords));
  }
  if (s.Option8.Value)
    phrase += " " + thingText(ThingId::linkedPrepositional, ThingLink::ofLink, Case::genitive,
                              nullptr, out);

  std::string q;
  if (std::find(kPostpositive.begin(), kPostpositive.end(), preposition) != kPostpositive.end()) {
    q = phrase + " " + preposition;
    if (out) words.push_back(prepositionWord(false));
  } else if (firstJoinsCum) {
    q = phrase;  // "mecum": the preposition is part of the pronoun
  } else {
    q = preposition + " " + phrase;
    if (out) words.insert(words.begin(), prepositionWord(false));
  }
  append(trace, std::move(words));
  return q;
}

}  // namespace lexorra
