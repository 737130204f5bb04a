// The trace of the Latin render: what each recorded word says about its
// look-up, and how the matcher pairs the finished sentence with the record.
#include "render/latin_trace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "render/latin_render.h"
#include "test_motto.h"

namespace lexorra {
namespace {

using namespace lexorra::testing;

// The motto with its captions as a refresh leaves them.
MottoState prepared(MottoBuilder b) {
  participaliseForm(b.s, lexicon(), englishTables());
  return b.s;
}

std::vector<std::string> writtenWords(const TracedLatin& traced) {
  std::vector<std::string> words;
  for (const MatchedWord& w : traced.words) words.push_back(w.text);
  return words;
}

TEST(LatinTrace, TracingChangesNothingAndTracesEveryWord) {
  const std::vector<MottoBuilder> mottos = {
      MottoBuilder().actor("I").act("do/does/dost/doth", kAmo).acted("You (single)"),
      MottoBuilder()
          .actor("()", kAmor, kBonus, "( good)")
          .act("will", kVinco)
          .acted("(plural)", kCanis),
      MottoBuilder().actor("You (single)").act("should", kAmo).negated().acted("me"),
      MottoBuilder().actor("He").act("did/didst", kEo),
      MottoBuilder().actor("()", kLacuna).linkActor(false, "()", kLacuna),
      MottoBuilder().actor("()", kAmor).act("can", kAmo).preposition(kCum, "with", "me"),
      MottoBuilder().preposition(kEx, "out of", "()", kAquila).linkPreposition(true, "()", kCanis),
      MottoBuilder().preposition(kDative, "to", "him"),
      MottoBuilder()
          .actor("()", kAmor)
          .act("do/does/dost/doth", kVinco)
          .question(&MottoState::isItThatOption),
      MottoBuilder()
          .actor("()", kAmor)
          .act("do/does/dost/doth", kVinco)
          .question(&MottoState::whyOption),
  };
  for (const MottoBuilder& b : mottos) {
    const MottoState state = prepared(b);
    const TracedLatin traced = traceLatin(state, lexicon());
    EXPECT_EQ(traced.latin, renderLatin(state, readRenderValues(state, lexicon()), lexicon()));
    EXPECT_TRUE(traced.allTraced()) << traced.latin;
    EXPECT_EQ(traced.unmatched, 0u) << traced.latin;
  }
}

TEST(LatinTrace, EachWordCarriesItsLookUp) {
  const MottoState state = prepared(MottoBuilder()
                                        .actor("()", kAquila, kBonus, "( good)")
                                        .act("will", kVinco)
                                        .acted("the (plural)", kCanis));
  const TracedLatin traced = traceLatin(state, lexicon());
  ASSERT_EQ(writtenWords(traced), (std::vector<std::string>{"aquila", "bona", "canes", "v0403"}));
  const TracedWord& adjective = traced.words[1].words.front();
  EXPECT_EQ(adjective.source, WordSource::adjective);
  EXPECT_EQ(adjective.entry, std::to_string(kBonus));
  EXPECT_EQ(adjective.thing, ThingId::first);
  EXPECT_EQ(adjective.caseCode, Case::nominative);
  EXPECT_EQ(adjective.gender, Gender::feminine);
  const TracedWord& object = traced.words[2].words.front();
  EXPECT_EQ(object.source, WordSource::noun);
  EXPECT_EQ(object.thing, ThingId::second);
  EXPECT_EQ(object.caseCode, Case::accusative);
  EXPECT_EQ(object.number, Number::plural);
  const TracedWord& verb = traced.words[3].words.front();
  EXPECT_EQ(verb.source, WordSource::verb);
  EXPECT_EQ(verb.verb.tense, Tense::future);
  EXPECT_EQ(verb.verb.person, Person::third);
  EXPECT_EQ(verb.verbKind, VerbFormMaking::Kind::stored);
}

TEST(LatinTrace, CompoundFormsAreParticipleAndAuxiliary) {
  const TracedLatin traced =
      traceLatin(prepared(MottoBuilder().actor("She").act("did/didst", kEo)), lexicon());
  ASSERT_EQ(writtenWords(traced), (std::vector<std::string>{"ea", "ita", "est"}));
  const TracedWord& participle = traced.words[1].words.front();
  EXPECT_EQ(participle.verbWord, VerbWord::participle);
  EXPECT_EQ(participle.gender, Gender::feminine);
  EXPECT_EQ(participle.compoundTense, Tense::perfect);
  const TracedWord& auxiliary = traced.words[2].words.front();
  EXPECT_EQ(auxiliary.verbWord, VerbWord::auxiliary);
  EXPECT_EQ(auxiliary.entry, "0");
  EXPECT_EQ(auxiliary.verb.tense, Tense::present);
}

// The words the clean-ups change after the pieces are built, each paired
// with the word recorded for its place.
TEST(LatinTrace, CleanUpsKeepEveryWordTraced) {
  struct Case {
    std::string_view name;
    MottoBuilder motto;
    std::vector<std::string> words;
    std::size_t joined;  // the word made of a pronoun or verb and an enclitic, or npos
  };
  const std::size_t none = std::string::npos;
  const std::vector<Case> cases = {
      {"mecum", MottoBuilder().preposition(kCum, "with", "me"), {"mecum"}, 0},
      {"-ne on the verb",
       MottoBuilder()
           .actor("()", kAmor)
           .act("do/does/dost/doth", kVinco)
           .question(&MottoState::isItThatOption),
       {"vincitne", "amor"},
       0},
      {"cur first",
       MottoBuilder()
           .actor("()", kAmor)
           .act("do/does/dost/doth", kVinco)
           .question(&MottoState::whyOption),
       {"cur", "vincit", "amor"},
       none},
      {"noli and the infinitive",
       MottoBuilder().actor("You (single)").act("should", kAmo).negated().acted("me"),
       {"noli", "me", "amare"},
       none},
      {"noli without a verb: non goes all the same",
       MottoBuilder().actor("You (single)").act("should", -1).negated().acted("me"),
       {"noli", "me"},
       none},
      {"ex before a consonant",
       MottoBuilder().preposition(kEx, "out of", "()", kCanis),
       {"e", "cane"},
       none},
      {"the missing form",
       MottoBuilder()
           .actor("()", kAmor)
           .linkActor(false, "()", kLacuna)
           .act("do/does/dost/doth", kVinco),
       {"amor", std::string(kMissingFormMarker), "vincit"},
       none},
  };
  for (const Case& c : cases) {
    const TracedLatin traced = traceLatin(prepared(c.motto), lexicon());
    EXPECT_EQ(writtenWords(traced), c.words) << c.name;
    EXPECT_TRUE(traced.allTraced()) << c.name;
    EXPECT_EQ(traced.unmatched, 0u) << c.name;
    for (std::size_t i = 0; i < traced.words.size(); ++i)
      EXPECT_EQ(traced.words[i].words.size(), i == c.joined ? 2u : 1u) << c.name << " word " << i;
  }
}

TEST(LatinTrace, AWordTheRecordDoesNotHoldIsNotTraced) {
  const MottoState state =
      prepared(MottoBuilder().actor("I").act("do/does/dost/doth", kAmo).acted("You (single)"));
  const RenderValues values = readRenderValues(state, lexicon());
  LatinTrace trace;
  const LatinPieces pieces = buildLatinPieces(state, values, lexicon(), &trace);
  // A word slipped in, and one left out: neither is paired with another.
  const TracedLatin extra = matchLatinWords("ego te semper amo", trace, pieces, state);
  EXPECT_EQ(writtenWords(extra), (std::vector<std::string>{"ego", "te", "semper", "amo"}));
  EXPECT_TRUE(extra.words[1].traced());
  EXPECT_FALSE(extra.words[2].traced());
  EXPECT_TRUE(extra.words[3].traced());
  const TracedLatin missing = matchLatinWords("ego amo", trace, pieces, state);
  EXPECT_TRUE(missing.allTraced());
  EXPECT_EQ(missing.unmatched, 1u);
  // A word spelt otherwise than its record is not traced by its spelling.
  const TracedLatin changed = matchLatinWords("ego tu amo", trace, pieces, state);
  EXPECT_FALSE(changed.words[1].traced());
}

}  // namespace
}  // namespace lexorra
