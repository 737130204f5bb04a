// Reading the motto into the working values of one render.
#include "render/render_values.h"

#include <array>
#include <optional>
#include <utility>

#include "text/textops.h"

namespace lexorra {

namespace {

// Where a pronoun word takes its gender from. The "noun..." sources take the
// noun's gender when the thing shows a noun; without one, a bare "()" or
// "this" means a thing (neuter: "omnia", "hoc"), while an article with only
// an adjective means persons ("the brave", masculine), and a plural personal
// pronoun means persons of the speaker's or the listener's sex.
enum class GenderFrom {
  noun,           // without a noun: neuter
  nounOrPerson,   // without a noun: masculine
  nounOrSpeaker,  // without a noun: the speaker's sex ("Speaker is female")
  nounOrYou,      // without a noun: the listener's sex ("'You' is female")
  masculine,
  feminine,
  neuter,
  femaleBox,
  youFemaleBox,
};

// One cell of the pronoun-caption table: number, pronoun entry (-1 for none)
// and gender. A cell that is not offered is a word the column's menu never
// writes.
struct PronounCell {
  bool offered = false;
  Number number = Number::singular;
  int entry = -1;
  GenderFrom gender = GenderFrom::noun;
};

constexpr PronounCell cell(int number, int entry, GenderFrom gender) {
  return {true, static_cast<Number>(number), entry, gender};
}
constexpr PronounCell kNotOffered{};
constexpr int kNoEntry = -1;

struct PronounRow {
  std::string_view word;             // the lower-cased caption
  std::array<PronounCell, 3> cells;  // first thing, second thing, object
};

using G = GenderFrom;

// clang-format off
constexpr std::array<PronounRow, 25> kPronounWords = {{
    {"()",           {cell(0, kNoEntry, G::noun),  cell(0, kNoEntry, G::noun),  cell(0, kNoEntry, G::noun)}},
    {"(plural)",     {cell(1, kNoEntry, G::noun),  cell(1, kNoEntry, G::noun),  cell(1, kNoEntry, G::noun)}},
    {"a",            {cell(0, kNoEntry, G::nounOrPerson), cell(0, kNoEntry, G::nounOrPerson), cell(0, kNoEntry, G::nounOrPerson)}},
    {"the (single)", {cell(0, kNoEntry, G::nounOrPerson), cell(0, kNoEntry, G::nounOrPerson), cell(0, kNoEntry, G::nounOrPerson)}},
    {"the (plural)", {cell(1, kNoEntry, G::nounOrPerson), cell(1, kNoEntry, G::nounOrPerson), cell(1, kNoEntry, G::nounOrPerson)}},
    {"i",            {cell(0, 0, G::femaleBox),    kNotOffered,                 kNotOffered}},
    {"me",           {kNotOffered,                 cell(0, 0, G::femaleBox),    cell(0, 0, G::femaleBox)}},
    {"he",           {cell(0, 14, G::masculine),   kNotOffered,                 kNotOffered}},
    {"him",          {kNotOffered,                 cell(0, 14, G::masculine),   cell(0, 14, G::masculine)}},
    {"she",          {cell(0, 14, G::feminine),    kNotOffered,                 kNotOffered}},
    {"her",          {kNotOffered,                 cell(0, 14, G::feminine),    cell(0, 14, G::feminine)}},
    {"it",           {cell(0, 14, G::neuter),      cell(0, 14, G::neuter),      cell(0, 14, G::neuter)}},
    {"they",         {cell(1, 14, G::nounOrPerson), kNotOffered,                kNotOffered}},
    {"them",         {kNotOffered,                 cell(1, 14, G::nounOrPerson), cell(1, 14, G::nounOrPerson)}},
    {"what",         {cell(0, 15, G::neuter),      cell(0, 15, G::neuter),      cell(0, 15, G::neuter)}},
    {"who",          {cell(0, 23, G::masculine),   cell(0, 23, G::masculine),   cell(0, 23, G::masculine)}},
    {"we",           {cell(1, 16, G::nounOrSpeaker), kNotOffered,               kNotOffered}},
    {"us",           {kNotOffered,                 cell(1, 16, G::nounOrSpeaker), cell(1, 16, G::nounOrSpeaker)}},
    {"somebody",     {cell(0, 2, G::masculine),    cell(0, 2, G::masculine),    cell(0, 2, G::masculine)}},
    {"this",         {cell(0, 3, G::noun),         cell(0, 3, G::noun),         cell(0, 3, G::noun)}},
    {"these",        {cell(1, 3, G::noun),         cell(1, 3, G::noun),         cell(1, 3, G::noun)}},
    {"that",         {cell(0, 5, G::noun),         cell(0, 5, G::noun),         cell(0, 5, G::noun)}},
    {"those",        {cell(1, 5, G::noun),         cell(1, 5, G::noun),         cell(1, 5, G::noun)}},
    {"you (single)", {cell(0, 25, G::youFemaleBox), cell(0, 25, G::youFemaleBox), cell(0, 25, G::youFemaleBox)}},
    {"you (plural)", {cell(1, 29, G::nounOrYou),   cell(1, 29, G::nounOrYou),   cell(1, 29, G::nounOrYou)}},
}};
// clang-format on

// Person and number of the act by the first thing's lower-cased pronoun.
struct PersonRow {
  std::string_view word;
  Person person;
  Number number;
};

constexpr Person P1 = Person::first, P2 = Person::second, P3 = Person::third;
constexpr Number Sg = Number::singular, Pl = Number::plural;

constexpr std::array<PersonRow, 20> kPersonOfPronoun = {{
    {"i", P1, Sg},
    {"we", P1, Pl},
    {"you (single)", P2, Sg},
    {"you (plural)", P2, Pl},
    {"()", P3, Sg},
    {"a", P3, Sg},
    {"the (single)", P3, Sg},
    {"he", P3, Sg},
    {"she", P3, Sg},
    {"it", P3, Sg},
    {"what", P3, Sg},
    {"who", P3, Sg},
    {"somebody", P3, Sg},
    {"this", P3, Sg},
    {"that", P3, Sg},
    {"(plural)", P3, Pl},
    {"the (plural)", P3, Pl},
    {"they", P3, Pl},
    {"these", P3, Pl},
    {"those", P3, Pl},
}};

// The tense-phrase tests, in order; each test that holds overrides the
// earlier ones. "will" and "will have" must match the whole phrase.
struct TenseTest {
  bool wholePhrase;
  std::string_view text;
  std::optional<Tense> tense;
  std::optional<Mood> mood;
};

const std::array<TenseTest, 8> kTenseTests = {{
    {false, "does", Tense::present, std::nullopt},
    {false, "did", Tense::perfect, std::nullopt},
    {false, "might have", Tense::perfect, std::nullopt},
    {false, "had", Tense::pluperfect, std::nullopt},
    {true, "will", Tense::future, std::nullopt},
    {true, "will have", Tense::futurePerfect, std::nullopt},
    {false, "might", std::nullopt, Mood::subjunctive},
    {false, "should", Tense::command, std::nullopt},
}};

bool isEmptyCaption(const WordSlot& slot) {
  return slot.Caption == kEmptyCaption;
}

// Noun, adjective and pronoun of one thing, with its gender from the noun,
// and its adjective's degree.
void readThing(RenderValues& values, ThingId id, PronounColumn column, const MottoState& state,
               const Lexicon& lexicon) {
  ThingValues& thing = values.of(id);
  const ThingInfo& slots = lexorra::thing(id);
  const WordSlot& noun = state.*slots.noun;
  thing.nounIndex = noun.Tag;
  thing.adjIndex = (state.*slots.adjective).Tag;
  thing.hasNoun = noun.Visible && noun.Tag != kBlank;
  // A thing without a shown noun is neuter unless its pronoun says more.
  thing.gender = thing.hasNoun ? lexicon.nounGender(thing.nounIndex) : Gender::neuter;
  thing.pronounWord = text::lowerCase((state.*slots.pronoun).Caption);
  applyPronounWord(thing, column, state);
  thing.adjDegree = adjectiveDegree((state.*slots.adjective).Caption);
}

// After the verb "to be" a second thing without a noun agrees with the
// subject ("nos liberi sumus"). A personal pronoun keeps its own gender and
// number: "I am her" is "ego ea sum", "what am I?" "quid sum".
void agreeWithActor(RenderValues& values, ThingId id, const MottoState& state) {
  ThingValues& thing = values.of(id);
  if ((state.*lexorra::thing(id).noun).Tag != kBlank) return;
  const bool demonstrative = thing.pronounIndex == "3" || thing.pronounIndex == "5";
  if (thing.pronounIndex != kBlank && !demonstrative) return;
  thing.gender = values.subjectGender;
  thing.number = values.actorJoined       ? Number::plural
                 : values.linkedIsSubject ? values.secondActor.number
                                          : values.actor.number;
}

// Reads the first thing and its link: the subject as a whole.
void readSubject(RenderValues& v, const MottoState& s, const Lexicon& lexicon) {
  readThing(v, ThingId::first, PronounColumn::firstThing, s, lexicon);
  readThing(v, ThingId::linkedFirst, PronounColumn::firstThing, s, lexicon);
  v.actorJoined = s.Option1.Value && holdsAWord(v.secondActor, s, ThingId::linkedFirst) &&
                  holdsAWord(v.actor, s, ThingId::first);
  v.linkedIsSubject = s.Option1.Value && !holdsAWord(v.actor, s, ThingId::first) &&
                      holdsAWord(v.secondActor, s, ThingId::linkedFirst);
  v.subjectGender = v.linkedIsSubject ? v.secondActor.gender : v.actor.gender;
  if (v.actorJoined && v.secondActor.gender != v.actor.gender) v.subjectGender = Gender::masculine;
}

}  // namespace

void applyPronounWord(ThingValues& thing, PronounColumn column, const MottoState& state) {
  for (const PronounRow& row : kPronounWords) {
    if (row.word != thing.pronounWord) continue;
    const PronounCell& c = row.cells[static_cast<std::size_t>(column)];
    if (!c.offered) return;
    thing.number = c.number;
    thing.pronounIndex = c.entry == kNoEntry ? std::string(kBlank) : std::to_string(c.entry);
    const Gender masculineOr =
        c.gender == GenderFrom::nounOrSpeaker
            ? (state.femaleBox.Value == 1 ? Gender::feminine : Gender::masculine)
        : c.gender == GenderFrom::nounOrYou
            ? (state.youFemaleBox.Value == 1 ? Gender::feminine : Gender::masculine)
            : Gender::masculine;
    switch (c.gender) {
      case GenderFrom::noun:
        // Without a noun the noun's look-up gave the neuter.
        break;
      case GenderFrom::nounOrPerson:
      case GenderFrom::nounOrSpeaker:
      case GenderFrom::nounOrYou:
        if (!thing.hasNoun) thing.gender = masculineOr;
        break;
      case GenderFrom::masculine:
        thing.gender = Gender::masculine;
        break;
      case GenderFrom::feminine:
        thing.gender = Gender::feminine;
        break;
      case GenderFrom::neuter:
        thing.gender = Gender::neuter;
        break;
      case GenderFrom::femaleBox:
        thing.gender = state.femaleBox.Value == 1 ? Gender::feminine : Gender::masculine;
        break;
      case GenderFrom::youFemaleBox:
        thing.gender = state.youFemaleBox.Value == 1 ? Gender::feminine : Gender::masculine;
        break;
    }
    return;
  }
}

Degree adjectiveDegree(std::string_view adjectiveCaption) {
  std::string_view head = adjectiveCaption.substr(0, 5);
  if (head == "(more") return Degree::comparative;
  if (head == "(most") return Degree::superlative;
  return Degree::positive;
}

std::optional<int> helperVerbEntry(std::string_view tensePhrase) {
  struct HelperVerb {
    std::string_view tensePhrase;
    int entry;
  };
  static constexpr std::array<HelperVerb, 3> kHelperVerbs = {{
      {"can", 6852},            // possum
      {"would like to", 6853},  // volo
      {"swear to", 4532},       // iuro
  }};
  for (const HelperVerb& helper : kHelperVerbs)
    if (helper.tensePhrase == tensePhrase) return helper.entry;
  return std::nullopt;
}

TenseAndMood tenseOfPhrase(std::string_view tensePhrase) {
  TenseAndMood result;
  for (const TenseTest& test : kTenseTests) {
    bool holds =
        test.wholePhrase ? tensePhrase == test.text : text::contains(tensePhrase, test.text);
    if (!holds) continue;
    if (test.tense) result.tense = *test.tense;
    if (test.mood) result.mood = *test.mood;
  }
  return result;
}

PersonAndNumber personOfPronoun(std::string_view actorPronounCaption) {
  std::string word = text::lowerCase(actorPronounCaption);
  for (const PersonRow& row : kPersonOfPronoun)
    if (row.word == word) return {row.person, row.number};
  return {};
}

Person personOfJoinedSubjects(std::string_view actorPronounCaption,
                              std::string_view linkedPronounCaption) {
  const std::string a = text::lowerCase(actorPronounCaption);
  const std::string b = text::lowerCase(linkedPronounCaption);
  auto either = [&](std::string_view x, std::string_view y) {
    return a == x || a == y || b == x || b == y;
  };
  if (either("i", "we")) return Person::first;
  if (either("you (single)", "you (plural)")) return Person::second;
  return Person::third;
}

bool holdsAWord(const ThingValues& thing, const MottoState& state, ThingId id) {
  const ThingInfo& slots = lexorra::thing(id);
  const WordSlot& adjective = state.*slots.adjective;
  return thing.pronounIndex != kBlank || thing.hasNoun ||
         (adjective.Visible && adjective.Tag != kBlank);
}

const ThingValues& RenderValues::of(ThingId id) const {
  // In the order of ThingId.
  static constexpr std::array<ThingValues RenderValues::*, 6> kMembers = {
      &RenderValues::actor,       &RenderValues::secondActor, &RenderValues::acted,
      &RenderValues::secondActed, &RenderValues::prep,        &RenderValues::secondPrep};
  return this->*kMembers[static_cast<std::size_t>(id)];
}

ThingValues& RenderValues::of(ThingId id) {
  return const_cast<ThingValues&>(std::as_const(*this).of(id));
}

RenderValues readRenderValues(const MottoState& s, const Lexicon& lexicon) {
  RenderValues v;

  if (s.actorTickBox.Value == 1) readSubject(v, s, lexicon);

  if (s.actedTickBox.Value == 1) {
    readThing(v, ThingId::second, PronounColumn::secondThing, s, lexicon);
    readThing(v, ThingId::linkedSecond, PronounColumn::object, s, lexicon);
    v.verbIndex = s.verbText.Tag;
    // The verb "to be", and the verbs that link as it does ("born",
    // "remain": marked with the nominative), link two names of one thing:
    // nominative, and a second thing without its own noun takes the
    // subject's gender and number ("ego libera nata sum").
    v.actedCase = v.verbIndex == "0" ? Case::nominative : lexicon.verbObjectCase(v.verbIndex);
    if (v.actedCase == Case::nominative) {
      agreeWithActor(v, ThingId::second, s);
      agreeWithActor(v, ThingId::linkedSecond, s);
    }
  }

  if (s.actionTickBoc.Value == 1) {
    v.verbIndex = s.verbText.Tag;
    TenseAndMood tm = tenseOfPhrase(s.verbTenseText.Caption);
    v.verbTense = tm.tense;
    v.verbMood = tm.mood;
    PersonAndNumber pn = personOfPronoun(v.linkedIsSubject ? s.secondActorPronoun.Caption
                                                           : s.actorPronounText.Caption);
    v.verbPerson = pn.person;
    v.verbNumber = pn.number;
    // Two things joined by "and" act together, in the plural of the first
    // person among them ("you and I" are "we"). A link that holds no word
    // joins nothing.
    const bool bothNouns =
        !isEmptyCaption(s.actorNounText) && !isEmptyCaption(s.secondActorNounText);
    const bool bothPronouns =
        !isEmptyCaption(s.actorPronounText) && !isEmptyCaption(s.secondActorPronoun);
    if (v.actorJoined && (bothNouns || bothPronouns)) {
      v.verbPerson =
          personOfJoinedSubjects(s.actorPronounText.Caption, s.secondActorPronoun.Caption);
      v.verbNumber = Number::plural;
    }
  }

  if (s.mannerTickBox.Value == 1 && !isEmptyCaption(s.prepositionText)) {
    v.prepCaseCode =
        governedCase(lexicon.prepositionCase(s.prepositionText.Tag)).value_or(v.prepCaseCode);
    readThing(v, ThingId::prepositional, PronounColumn::object, s, lexicon);
    readThing(v, ThingId::linkedPrepositional, PronounColumn::object, s, lexicon);
  }
  return v;
}

}  // namespace lexorra
