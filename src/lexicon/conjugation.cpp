// Verb conjugation.
//
// Verb line: field 0 head form, 1 present active infinitive, 2 perfect active
// infinitive, 3 present passive infinitive, 7-150 the finite forms at
// 6 + 72 * voice + 12 * tense + 6 * mood + personSlot, 151 the singular
// command (the plural one in the "ferre" family), 156 the perfect passive
// participle in "-us". A finite form "tbc" is built from the participle and a
// form of verb 0, "to be".
#include <array>
#include <utility>

#include "lexicon/lexicon.h"
#include "text/textops.h"

namespace lexorra {

namespace {

// Place of a person and number inside a block of six finite forms:
// 1sg 1pl 3sg 3pl 2pl 2sg.
long personSlot(Person person, Number number) {
  const bool singular = number == Number::singular;
  const bool plural = number == Number::plural;
  switch (person) {
    case Person::first:
      return singular ? 1 : plural ? 2 : 0;
    case Person::third:
      return singular ? 3 : plural ? 4 : 0;
    case Person::second:
      return plural ? 5 : singular ? 6 : 0;
    case Person::none:
      break;
  }
  return 0;
}

std::string_view verbField(std::string_view line, long k) {
  if (k >= 0) {
    if (auto f = text::fieldAt(line, static_cast<std::size_t>(k))) return *f;
  }
  throw LookupOutOfRange("verb line has no field " + std::to_string(k));
}

// Tense of verb 0 that carries a compound ("tbc") form of the given tense.
Tense auxiliaryTense(Tense tense) {
  switch (tense) {
    case Tense::perfect:
      return Tense::present;
    case Tense::pluperfect:
      return Tense::imperfect;
    case Tense::futurePerfect:
      return Tense::future;
    default:
      return Tense::command;
  }
}

// The tenses whose "tbc" forms are compounds.
bool hasCompoundForms(Tense tense) {
  return tense == Tense::perfect || tense == Tense::pluperfect || tense == Tense::futurePerfect ||
         tense == Tense::command;
}

constexpr long kPresentActiveIndicative2ndPlural = 6 + 0 + 0 + 0 + 5;
constexpr long kCommandStem = 151;
constexpr long kPerfectParticiple = 156;

}  // namespace

std::string Lexicon::verbForm(LexIndex index, const VerbQuery& q) const {
  return makeVerbForm(index, q).text();
}

VerbFormMaking Lexicon::makeVerbForm(LexIndex index, const VerbQuery& q) const {
  using Kind = VerbFormMaking::Kind;
  VerbFormMaking made;
  if (index.isBlank()) return made;
  std::string_view line = entry(Table::verb, index);

  if (q.tense == Tense::command) {
    // Commands: the present active subjunctive, and for the second person an
    // imperative built below.
    made.kind = Kind::subjunctive;
    made.word = verbForm(index, {.tense = Tense::present,
                                 .person = q.person,
                                 .number = q.number,
                                 .mood = Mood::subjunctive,
                                 .participleGender = q.participleGender});
    if (q.person == Person::second) {
      made.kind = Kind::imperative;
      std::string_view stem = verbField(line, kCommandStem);
      if (q.number == Number::singular) {
        made.word = stem;
        if (text::contains(line, "ferre "))
          made.word = stem.substr(0, stem.size() >= 2 ? stem.size() - 2 : 0);
        if (text::contains(line, " esse ")) made.word = "es";
      } else {
        // The plural command is the present indicative's second plural with
        // "-tis" turned into "-te" (amatis amate, regitis regite, fertis
        // ferte, estis este); a deponent's "-mini" form stands as it is.
        std::string_view plural = verbField(line, kPresentActiveIndicative2ndPlural);
        if (text::endsWith(plural, "tis")) {
          made.word = std::string(plural.substr(0, plural.size() - 3)) + "te";
        } else {
          made.word = plural;
        }
      }
    }
  } else {
    const bool active = q.voice == Voice::active;
    long position = 0;
    if (q.person == Person::none) {
      // The three infinitives; anything else asked without a person gets
      // the head form.
      if (q.tense == Tense::present && active)
        position = 1;
      else if (q.tense == Tense::perfect && active)
        position = 2;
      else if (q.tense == Tense::present && q.voice == Voice::passive)
        position = 3;
    } else {
      position = 6 + 72L * code(q.voice) + 12L * code(q.tense) + 6L * code(q.mood) +
                 personSlot(q.person, q.number);
    }
    made.kind = position == 0 ? Kind::headForm : Kind::stored;
    made.word = verbField(line, position);
  }

  const bool compound = (made.word == "tbc" && hasCompoundForms(q.tense)) ||
                        (made.word == "tbcte" && q.tense == Tense::command);
  if (compound) {
    made.kind = Kind::compound;
    made.word = perfectParticiple(index, q.number, q.participleGender);
    made.auxiliary = {
        .tense = auxiliaryTense(q.tense), .person = q.person, .number = q.number, .mood = q.mood};
    const VerbFormMaking auxiliary = makeVerbForm(0, made.auxiliary);
    made.auxiliaryForm = auxiliary.text();
    made.auxiliaryKind = auxiliary.kind;
  }
  return made;
}

std::string Lexicon::perfectParticiple(LexIndex index, Number number, Gender gender) const {
  if (index.isBlank()) return {};
  std::string form = std::string(verbField(entry(Table::verb, index), kPerfectParticiple)) + "*";
  if (gender == Gender::feminine) text::replaceEveryInPlace(form, "us*", "a*");
  if (gender == Gender::neuter) text::replaceEveryInPlace(form, "us*", "um*");
  if (number == Number::plural) {
    text::replaceEveryInPlace(form, "us*", "i");
    text::replaceEveryInPlace(form, "a*", "ae");
    text::replaceEveryInPlace(form, "um*", "a");
  }
  text::replaceEveryInPlace(form, "*", "");
  return form;
}

Case Lexicon::verbObjectCase(LexIndex index) const {
  if (index.isBlank()) return Case::accusative;
  static constexpr std::array<std::pair<std::string_view, Case>, 4> kMarkers = {{
      {"(+DAT)", Case::dative},
      {"(+ABL)", Case::ablative},
      {"(+GEN)", Case::genitive},
      {"(+NOM)", Case::nominative},  // a linking verb, as "to be"
  }};
  const std::string_view meaning = entryGloss("verb", index);
  for (const auto& [marker, objectCase] : kMarkers)
    if (text::contains(meaning, marker)) return objectCase;
  return Case::accusative;
}

}  // namespace lexorra
