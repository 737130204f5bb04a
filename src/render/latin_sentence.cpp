// The Latin sentence: the act, the negation, the word order and the
// clean-ups of the whole sentence.
#include <algorithm>
#include <array>

#include "render/english_words.h"
#include "render/latin_render.h"
#include "render/replacements.h"

namespace lexorra {

namespace {

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

std::string latinVerbPhrase(const MottoState& s, const RenderValues& v, const Lexicon& lexicon,
                            TracedWords* trace) {
  std::string verb;
  TracedWords words;
  if (s.actionTickBoc.Value == 1) {
    const VerbQuery query{.tense = v.verbTense,
                          .person = v.verbPerson,
                          .number = v.verbNumber,
                          .mood = v.verbMood,
                          .participleGender = v.subjectGender};
    const VerbFormMaking made = lexicon.makeVerbForm(v.verbIndex, query);
    verb = made.text();
    if (trace) addVerbWords(words, made, v.verbIndex, query, MottoPart::act);
    // A tense Latin says with a second verb: the chosen verb's infinitive,
    // then that verb in the act's person.
    if (const std::optional<int> helper = helperVerbEntry(s.verbTenseText.Caption)) {
      const VerbQuery helperQuery{.person = v.verbPerson, .number = v.verbNumber};
      const VerbFormMaking infinitive = lexicon.makeVerbForm(v.verbIndex, {});
      const VerbFormMaking helperForm = lexicon.makeVerbForm(*helper, helperQuery);
      verb = infinitive.text() + " " + helperForm.text();
      if (trace) {
        words.clear();
        addVerbWords(words, infinitive, v.verbIndex, {}, MottoPart::helperInfinitive);
        addVerbWords(words, helperForm, std::to_string(*helper), helperQuery,
                     MottoPart::helperVerb);
      }
    }
    // Short mottos leave out a plain "is"/"are"; "Is it the case that...?"
    // keeps it, since it carries the question's "-ne".
    if (s.isCheckBox.Value == 0 && s.notButton.Value == 0 && !s.isItThatOption &&
        (trimmed(verb) == "est" || trimmed(verb) == "sunt")) {
      verb.clear();
      words.clear();
    }
  }
  // "Is it the case that...?" puts the question ending on the verb; a form
  // the lexicon lacks ("-") keeps its marker instead.
  if (s.isItThatOption && !text::endsWith(text::trimSpaces(verb), "-")) {
    verb += "ne";
    if (trace) {
      TracedWord ne = fixedWord(FixedWord::questionNe, "ne", MottoPart::question);
      ne.enclitic = true;
      words.push_back(ne);
    }
    if (verb == "ne") {
      verb.clear();
      words.clear();
    }
  }
  if (trace) trace->insert(trace->end(), words.begin(), words.end());
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

LatinPieces buildLatinPieces(const MottoState& s, const RenderValues& v, const Lexicon& lexicon,
                             LatinTrace* trace) {
  auto traceOf = [trace](LatinPiece piece) { return trace ? &trace->of(piece) : nullptr; };
  LatinPieces pieces;
  pieces.latinVerbPhrase = latinVerbPhrase(s, v, lexicon, traceOf(LatinPiece::verb));
  if (s.actorTickBox.Value == 1) {
    const bool ownPronoun = !dropsSubjectPronoun(s, v, pieces.latinVerbPhrase);
    pieces.latinActorPhrase = latinThingPhrase(s, ThingId::first, v, Case::nominative, ownPronoun,
                                               lexicon, traceOf(LatinPiece::actor));
    pieces.commandDroppedSubject = !ownPronoun && isCommand(s) && s.Check1.Value == 1;
  }
  if (s.actedTickBox.Value == 1)
    pieces.latinActedPhrase = latinThingPhrase(s, ThingId::second, v, v.actedCase, true, lexicon,
                                               traceOf(LatinPiece::acted));
  TracedWords* adverbTrace = traceOf(LatinPiece::adverb);
  if (s.mannerTickBox.Value == 1 && s.adVerbText.Caption != kEmptyCaption) {
    pieces.latinAdverb = lexicon.adverbForm(s.adVerbText.Tag);
    if (adverbTrace) adverbTrace->push_back(adverbWord(pieces.latinAdverb, s.adVerbText.Tag));
  }
  pieces.latinPrepPhrase = latinPrepPhrase(s, v, lexicon, traceOf(LatinPiece::preposition));

  TracedWords* negationTrace = traceOf(LatinPiece::negation);
  if (isNegated(s)) {
    const bool never = trimmed(pieces.latinAdverb) == "numquam";
    if (isCommand(s) && !forbids(s, v)) {
      // A negative wish or exhortation takes "ne" with the subjunctive;
      // "never" becomes "ne umquam", next to it.
      pieces.latinNegation = never ? "ne umquam" : "ne";
      if (negationTrace) {
        negationTrace->push_back(fixedWord(FixedWord::ne, "ne", MottoPart::negation));
        if (never) {
          TracedWord umquam = adverbTrace->front();
          umquam.text = "umquam";
          umquam.fixed = FixedWord::umquam;
          negationTrace->push_back(umquam);
        }
      }
      if (never) {
        pieces.latinAdverb.clear();
        if (adverbTrace) adverbTrace->clear();
      }
    } else if (never && !isCommand(s)) {
      // "numquam non" would say "always": "never" is negation enough.
      pieces.latinNegation.clear();
    } else if (never && forbids(s, v)) {
      // "noli umquam" comes first as one phrase; see tidyLatinSentence.
      pieces.forbidsNever = true;
      pieces.latinAdverb.clear();
      if (adverbTrace) adverbTrace->clear();
      pieces.latinNegation = "non";
      if (negationTrace)
        negationTrace->push_back(fixedWord(FixedWord::non, "non", MottoPart::negation));
    } else {
      pieces.latinNegation = "non";
      if (negationTrace)
        negationTrace->push_back(fixedWord(FixedWord::non, "non", MottoPart::negation));
    }
    // "Not always": the negation stands before an adverb of frequency, as
    // the English puts it ("non semper", not "semper non", which says
    // "always not").
    const bool frequency = !never && !pieces.latinAdverb.empty() &&
                           isFrequencyAdverb(lexicon.englishHeadword("adverb", s.adVerbText.Tag));
    if (frequency && !forbids(s, v)) {
      pieces.latinAdverb = pieces.latinNegation + " " + pieces.latinAdverb;
      pieces.latinNegation.clear();
      if (negationTrace && adverbTrace) {
        adverbTrace->insert(adverbTrace->begin(), negationTrace->begin(), negationTrace->end());
        negationTrace->clear();
      }
    }
  }
  return pieces;
}

const std::string& LatinPieces::of(LatinPiece piece) const {
  // In the order of LatinPiece.
  static constexpr std::array<std::string LatinPieces::*, 6> kMembers = {
      &LatinPieces::latinActorPhrase, &LatinPieces::latinActedPhrase,
      &LatinPieces::latinAdverb,      &LatinPieces::latinPrepPhrase,
      &LatinPieces::latinNegation,    &LatinPieces::latinVerbPhrase};
  return this->*kMembers[static_cast<std::size_t>(piece)];
}

std::span<const LatinPiece> latinPieceOrder(const MottoState& s) {
  // Latin puts the verb last by default; the alternative order puts it after
  // the first thing; a broad question puts it first.
  using P = LatinPiece;
  static constexpr std::array<P, 6> kVerbLast = {P::actor,       P::acted,    P::adverb,
                                                 P::preposition, P::negation, P::verb};
  static constexpr std::array<P, 6> kVerbSecond = {P::actor, P::negation, P::verb,
                                                   P::acted, P::adverb,   P::preposition};
  static constexpr std::array<P, 6> kVerbFirst = {P::verb,  P::negation, P::actor,
                                                  P::acted, P::adverb,   P::preposition};
  if (s.whyOption || s.whenIsItOption || s.isItThatOption) return kVerbFirst;
  if (s.wordOrderBox.Value == 1) return kVerbSecond;
  if (s.wordOrderBox.Value == 0) return kVerbLast;
  return {};
}

std::string orderLatinPieces(const LatinPieces& p, const MottoState& s) {
  const std::span<const LatinPiece> order = latinPieceOrder(s);
  // The alternative order leaves one more space after the first thing.
  const bool alternative =
      !order.empty() && order[1] == LatinPiece::negation && order[0] == LatinPiece::actor;
  std::string sentence;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (i > 0) sentence += ' ';
    sentence += p.of(order[i]);
    if (i == 0 && alternative) sentence += ' ';
  }
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
                              const RenderValues& v, const Lexicon& lexicon, LatinTrace* trace) {
  const std::string& verbPhrase = pieces.latinVerbPhrase;
  text::applyReplacements(s, kLatinSpacing);
  text::applyReplacements(s, kNoliUmquam);
  s = adjustExAb(std::move(s));
  // The command's subject went with the space after it: "me ama".
  if (pieces.commandDroppedSubject && text::beginsWith(s, " ")) s.erase(0, 1);

  // Latin forbids with "noli"/"nolite" and the infinitive.
  if (forbids(state, v)) {
    const std::string forbid = std::string(v.verbNumber == Number::singular ? "noli " : "nolite ") +
                               (pieces.forbidsNever ? "umquam " : "");
    const VerbFormMaking infinitiveForm = lexicon.makeVerbForm(v.verbIndex, {});
    const std::string infinitive = infinitiveForm.text();
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
    if (trace) {
      TracedWords infinitiveWords;
      addVerbWords(infinitiveWords, infinitiveForm, v.verbIndex, {},
                   MottoPart::forbiddenInfinitive);
      // Without a verb there is no infinitive, but "non" is gone all the same.
      trace->forbiddingInfinitive =
          infinitiveWords.empty() ? TracedWord{} : infinitiveWords.front();
      const bool one = v.verbNumber == Number::singular;
      trace->leading.push_back(fixedWord(one ? FixedWord::noli : FixedWord::nolite,
                                         one ? "noli" : "nolite", MottoPart::negation));
      if (pieces.forbidsNever) {
        // The adverb "numquam", which the sentence writes "umquam" after
        // "noli".
        trace->leading.push_back(adverbWord("numquam", state.adVerbText.Tag));
      }
    }
  }
  // "noli" comes in only with the forbidding above, after the sentence
  // repairs: repeat the repair so that "noli numquam" (a double negative)
  // reads "noli umquam".
  text::applyReplacements(s, kNoliUmquam);

  auto question = [trace](FixedWord which, std::string_view word) {
    if (trace)
      trace->leading.insert(trace->leading.begin(), fixedWord(which, word, MottoPart::question));
  };
  if (state.whyOption) {
    s = "cur " + s;
    question(FixedWord::cur, "cur");
  }
  if (state.whenIsItOption) {
    s = "quando " + s;
    question(FixedWord::quando, "quando");
  }
  return s;
}

std::string renderLatin(const MottoState& state, const RenderValues& values,
                        const Lexicon& lexicon) {
  LatinPieces pieces = buildLatinPieces(state, values, lexicon);
  return tidyLatinSentence(orderLatinPieces(pieces, state), pieces, state, values, lexicon);
}

}  // namespace lexorra
