// Verb conjugation.
//
// Verb line: field 0 head form, 1 present active infinitive, 2 perfect active
// infinitive, 3 present passive infinitive, 7-150 the finite forms at
// 6 + 72 * voice + 12 * tense + 6 * mood + personSlot, 151 the singular
// command (the plural one in the "ferre" family), 156 the perfect passive
// participle in "-us". A finite form "tbc" is built from the participle and a
// form of verb 0, "to be".
#include "lexicon/lexicon.h"
#include "text/textops.h"

namespace lexorra {

namespace {

// Place of a person and number inside a block of six finite forms:
// 1sg 1pl 3sg 3pl 2pl 2sg.
long personSlot(int person, int number) {
  if (person == 1) return number == 0 ? 1 : number == 1 ? 2 : 0;
  if (person == 3) return number == 0 ? 3 : number == 1 ? 4 : 0;
  if (person == 2) return number == 1 ? 5 : number == 0 ? 6 : 0;
  return 0;
}

std::string_view verbField(std::string_view line, long k) {
  if (k >= 0) {
    if (auto f = text::fieldAt(line, static_cast<std::size_t>(k))) return *f;
  }
  throw LookupOutOfRange("verb line has no field " + std::to_string(k));
}

// Tense of verb 0 that carries a compound ("tbc") form of the given tense.
int auxiliaryTense(int tense) {
  switch (tense) {
    case 1:
      return 0;
    case 2:
      return 3;
    case 5:
      return 4;
    default:
      return 6;
  }
}

constexpr long kPresentActiveIndicative2ndPlural = 6 + 0 + 0 + 0 + 5;
constexpr long kCommandStem = 151;
constexpr long kPerfectParticiple = 156;

}  // namespace

std::string Lexicon::verbForm(LexIndex index, int tense, int person, int number, int voice,
                              int mood, const ActorAgreement& actor) const {
  if (index.isBlank()) return {};
  std::string_view line = entry(Table::verb, index);
  std::string result;

  if (tense == 6) {
    // Commands: the present active subjunctive, and for the second person an
    // imperative built below.
    result = verbForm(index, 0, person, number, 0, 1, actor);
    if (person == 2) {
      std::string_view stem = verbField(line, kCommandStem);
      if (number == 0) {
        result = stem;
        if (text::contains(line, "ferre "))
          result = stem.substr(0, stem.size() >= 2 ? stem.size() - 2 : 0);
        if (text::contains(line, " esse ")) result = "es";
      } else {
        // The plural command is the present indicative's second plural with
        // "-tis" turned into "-te" (amatis amate, regitis regite, fertis
        // ferte, estis este); a deponent's "-mini" form stands as it is.
        std::string_view plural = verbField(line, kPresentActiveIndicative2ndPlural);
        if (text::endsWith(plural, "tis")) {
          result = std::string(plural.substr(0, plural.size() - 3)) + "te";
        } else {
          result = plural;
        }
      }
    }
  } else {
    long position = 0;
    if (person == 0) {
      if (tense == 0 && voice == 0)
        position = 1;
      else if (tense == 1 && voice == 0)
        position = 2;
      else if (tense == 0 && voice == 1)
        position = 3;
    } else {
      position = 6 + 72L * voice + 12L * tense + 6L * mood + personSlot(person, number);
    }
    result = verbField(line, position);
  }

  const bool compound =
      (result == "tbc" && (tense == 1 || tense == 2 || tense == 5 || tense == 6)) ||
      (result == "tbcte" && tense == 6);
  if (compound) {
    result = perfectParticiple(index, number, actor) + " " +
             verbForm(0, auxiliaryTense(tense), person, number, 0, mood, actor);
  }
  return result;
}

std::string Lexicon::perfectParticiple(LexIndex index, int number,
                                       const ActorAgreement& actor) const {
  if (index.isBlank()) return {};
  int gender = nounGender(actor.actorNounTag);
  std::string pronoun = text::lowerCase(actor.actorPronounCaption);
  if (text::contains(pronoun, "he") || text::contains(pronoun, "him") ||
      text::contains(pronoun, "you"))
    gender = 0;
  if (text::contains(pronoun, "she") || text::contains(pronoun, "her")) gender = 1;
  if (text::contains(pronoun, "it") || text::contains(pronoun, "they")) gender = 2;

  std::string form = std::string(verbField(entry(Table::verb, index), kPerfectParticiple)) + "*";
  if (gender == 1) text::replaceEveryInPlace(form, "us*", "a*");
  if (gender == 2) text::replaceEveryInPlace(form, "us*", "um*");
  if (number == 1) {
    text::replaceEveryInPlace(form, "us*", "i");
    text::replaceEveryInPlace(form, "a*", "ae");
    text::replaceEveryInPlace(form, "um*", "a");
  }
  text::replaceEveryInPlace(form, "*", "");
  return form;
}

}  // namespace lexorra
