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

#include "lexicon/entries.h"
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

// Tense of verb 0 that carries a compound ("tbc") form of the given tense:
// the present-stem tense a perfect-stem one pairs with, else the command.
Tense auxiliaryTense(Tense tense) {
  return presentTenseOf(tense).value_or(Tense::command);
}

// The tenses whose "tbc" forms are compounds.
bool hasCompoundForms(Tense tense) {
  return presentTenseOf(tense).has_value() || tense == Tense::command;
}

constexpr long kPresentActiveIndicative2ndPlural = 6 + 0 + 0 + 0 + 5;
constexpr long kCommandStem = 151;
constexpr long kPerfectParticiple = 156;

// How a form that a line gives (storedVerbForm) was made.
VerbFormMaking::Kind kindOf(const VerbQuery& q, long field) {
  using Kind = VerbFormMaking::Kind;
  if (q.tense == Tense::command)
    return q.person == Person::second ? Kind::imperative : Kind::subjunctive;
  return field == 0 ? Kind::headForm : Kind::stored;
}

}  // namespace

bool isCompoundMarker(std::string_view form) {
  return form == "tbc" || form == "tbcte";
}

StoredVerbForm storedVerbForm(const StoredEntry& verb, const VerbQuery& q) {
  const std::string_view line = verb.line;
  std::string result;
  long field = -1;

  if (q.tense == Tense::command) {
    // Commands: the present active subjunctive, and for the second person an
    // imperative built below.
    StoredVerbForm subjunctive = storedVerbForm(verb, {.tense = Tense::present,
                                                       .person = q.person,
                                                       .number = q.number,
                                                       .mood = Mood::subjunctive});
    result = std::move(subjunctive.text);
    field = subjunctive.field;
    if (q.person == Person::second) {
      std::string_view stem = entryField(verb, kCommandStem);
      field = kCommandStem;
      if (q.number == Number::singular) {
        result = stem;
        if (text::contains(line, "ferre "))
          result = stem.substr(0, stem.size() >= 2 ? stem.size() - 2 : 0);
        if (text::contains(line, " esse ")) {
          result = "es";
          field = -1;
        }
      } else {
        // The plural command is the present indicative's second plural with
        // "-tis" turned into "-te" (amatis amate, regitis regite, fertis
        // ferte, estis este); a deponent's "-mini" form stands as it is.
        std::string_view plural = entryField(verb, kPresentActiveIndicative2ndPlural);
        field = kPresentActiveIndicative2ndPlural;
        if (text::endsWith(plural, "tis")) {
          result = std::string(plural.substr(0, plural.size() - 3)) + "te";
        } else {
          result = plural;
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
    result = entryField(verb, position);
    field = position;
  }
  return {std::move(result), field};
}

std::string Lexicon::verbForm(LexIndex index, const VerbQuery& q) const {
  return makeVerbForm(index, q).text();
}

VerbFormMaking Lexicon::makeVerbForm(LexIndex index, const VerbQuery& q) const {
  VerbFormMaking made;
  if (index.isBlank()) return made;
  StoredVerbForm stored = storedVerbForm(entry(Table::verb, index), q);
  made.kind = kindOf(q, stored.field);
  made.word = std::move(stored.text);

  const bool compound = (made.word == "tbc" && hasCompoundForms(q.tense)) ||
                        (made.word == "tbcte" && q.tense == Tense::command);
  if (compound) {
    made.kind = VerbFormMaking::Kind::compound;
    made.word = perfectParticiple(index, q.number, q.participleGender);
    made.auxiliary = {
        .tense = auxiliaryTense(q.tense), .person = q.person, .number = q.number, .mood = q.mood};
    // The auxiliary is verb 0's own form, never built in turn: a "tbc" there
    // would ask verb 0 again, without end. Loading refuses such a verb 0.
    const StoredVerbForm auxiliary = storedVerbForm(entry(Table::verb, 0), made.auxiliary);
    if (isCompoundMarker(auxiliary.text))
      throw LookupOutOfRange(
          entryPlace(Table::verb, 0) + ": field " + std::to_string(auxiliary.field) + " reads \"" +
          auxiliary.text + "\", but the compound forms need a form of \"to be\" of its own there");
    made.auxiliaryForm = auxiliary.text;
    made.auxiliaryKind = kindOf(made.auxiliary, auxiliary.field);
  }
  return made;
}

std::string Lexicon::perfectParticiple(LexIndex index, Number number, Gender gender) const {
  if (index.isBlank()) return {};
  std::string form = std::string(entryField(entry(Table::verb, index), kPerfectParticiple)) + "*";
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
