// The Latin motto end to end, from the slots to finalLatin, on the hand-made
// lexicon: noun phrases, the act, word order and the sentence clean-ups.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "render/latin_render.h"
#include "test_motto.h"

namespace lexorra {
namespace {

using namespace lexorra::testing;

struct LatinCase {
  std::string_view name;
  MottoBuilder motto;
  std::string_view latin;  // finalLatin exactly, spaces included
};

void expectLatin(const LatinCase* begin, const LatinCase* end) {
  for (const LatinCase* c = begin; c != end; ++c) EXPECT_EQ(latin(c->motto), c->latin) << c->name;
}

MottoBuilder dogLovesEagle() {
  return MottoBuilder()
      .actor("The (single)", kCanis)
      .act("do/does/dost/doth", kAmo)
      .acted("A", kAquila);
}

template <typename F>
MottoBuilder with(MottoBuilder b, F change) {
  change(b.s);
  return b;
}

TEST(LatinOrder, ThreeWordOrdersAndTheQuestions) {
  const LatinCase cases[] = {
      {"nothing ticked: five spaces collapse to one", MottoBuilder(), " "},
      {"verb last", dogLovesEagle(), " canis aquilam amat"},
      {"alternative order", with(dogLovesEagle(), [](MottoState& s) { s.wordOrderBox.Value = 1; }),
       " canis amat aquilam "},
      {"why: verb first", dogLovesEagle().question(&MottoState::whyOption),
       "cur amat canis aquilam "},
      {"when", dogLovesEagle().question(&MottoState::whenIsItOption), "quando amat canis aquilam "},
      {"is it the case: the verb takes -ne", dogLovesEagle().question(&MottoState::isItThatOption),
       "amatne canis aquilam "},
      {"is it the case without the act: no -ne",
       with(dogLovesEagle().question(&MottoState::isItThatOption),
            [](MottoState& s) { s.actionTickBoc.Value = 0; }),
       " canis aquilam "},
      {"why without the act keeps the verb's space",
       with(MottoBuilder().actor("The (single)", kCanis).question(&MottoState::whyOption),
            [](MottoState& s) { s.actionTickBoc.Value = 0; }),
       "cur  canis "},
      {"negation before the verb",
       MottoBuilder().actor("He").act("do/does/dost/doth", kAmo).negated().acted("It"),
       "is id non amat"},
      {"adverb and prepositional phrase after the object",
       MottoBuilder()
           .actor("He")
           .act("do/does/dost/doth", kAmo)
           .acted("It")
           .manner(kSemper, "always")
           .preposition(kCum, "with", "the (single)", kGladius),
       "is id semper cum gladio amat"},
  };
  expectLatin(std::begin(cases), std::end(cases));
}

TEST(LatinAct, TensesHelperVerbsAndBe) {
  const LatinCase cases[] = {
      {"future", MottoBuilder().actor("He").act("will", kAmo), "is amabit"},
      {"perfect subjunctive", MottoBuilder().actor("We").act("might have", kAmo), "nos amaverimus"},
      // "They" without a noun are persons: masculine.
      {"command to them", MottoBuilder().actor("They").act("should", kAmo), "ei ament"},
      {"can", MottoBuilder().actor("He").act("can", kAmo), "is amare potest"},
      {"can without a verb", MottoBuilder().actor("He").act("can", -1), "is potest"},
      {"would like to", MottoBuilder().actor("I").act("would like to", kAmo), "ego amare volo"},
      {"swear to", MottoBuilder().actor("They").act("swear to", kAmo), "ei amare iurant"},
      {"compound perfect agrees with the speaker",
       MottoBuilder().actor("She").act("did/didst", kEo), "ea ita est"},
      {"est is left out",
       MottoBuilder()
           .actor("The (single)", kCanis)
           .act("do/does/dost/doth", kSum)
           .acted("()", -1, kBonus, "( good)"),
       " canis bonus "},
      {"est kept with all be/is",
       with(MottoBuilder()
                .actor("The (single)", kCanis)
                .act("do/does/dost/doth", kSum)
                .acted("()", -1, kBonus, "( good)"),
            [](MottoState& s) { s.isCheckBox.Value = 1; }),
       " canis bonus est"},
      {"est kept in another tense",
       MottoBuilder()
           .actor("The (single)", kCanis)
           .act("will", kSum)
           .acted("()", -1, kBonus, "( good)"),
       " canis bonus erit"},
      {"the second thing without a noun agrees with the first",
       MottoBuilder().actor("We").act("do/does/dost/doth", kSum).acted("()", -1, kBonus, "( good)"),
       "nos boni sumus"},
      {"sunt is left out",
       MottoBuilder()
           .actor("The (plural)", kAquila)
           .act("do/does/dost/doth", kSum)
           .acted("()", -1, kBonus, "( good)"),
       " aquilae bonae "},
  };
  expectLatin(std::begin(cases), std::end(cases));
}

TEST(LatinNounPhrases, PronounsLinksAndCases) {
  const LatinCase cases[] = {
      {"lone pronoun", MottoBuilder().actor("He"), "is "},
      // Without a verb nothing carries the subject: the pronoun stays.
      {"short motto keeps a pronoun without a verb",
       with(MottoBuilder().actor("He"), [](MottoState& s) { s.Check1.Value = 0; }), "is "},
      {"article, noun, adjective", MottoBuilder().actor("The (single)", kCanis, kBonus, "( good)"),
       " canis bonus "},
      {"demonstrative agrees with the noun",
       MottoBuilder().actor("These", kAquila, kBonus, "( good)"), "hae aquilae bonae "},
      {"comparative", MottoBuilder().actor("A", kCanis, kBonus, "(more good)"), " canis bonior "},
      {"and with nothing on either side is cleared",
       MottoBuilder().actor("()").linkActor(true, "()"), " "},
      {"an empty and-link adds nothing", MottoBuilder().actor("()", kCanis).linkActor(true, "()"),
       "canis "},
      {"and-linked second noun in the same case",
       MottoBuilder().actor("()", kCanis).linkActor(true, "()", kAquila), "canis et aquila "},
      {"of-link in the genitive plural",
       MottoBuilder().actor("The (single)", kAmor).linkActor(false, "(plural)", kCanis),
       " amor canum "},
      {"second thing after to be: and-link nominative",
       MottoBuilder()
           .actor("He")
           .act("do/does/dost/doth", kSum)
           .acted("A", kCanis)
           .linkActed(true, "a", kAquila),
       "is canis et aquila "},
      {"of-link of the second thing keeps its own plural pronoun",
       MottoBuilder()
           .actor("He")
           .act("do/does/dost/doth", kAmo)
           .acted("the (single)", kFilius)
           .linkActed(false, "these", kCanis),
       "is filium horum canum amat"},
      {"missing form is flagged",
       MottoBuilder().actor("The (single)", kAmor).linkActor(false, "()", kLacuna),
       " amor (word form not in historical record!) "},
  };
  expectLatin(std::begin(cases), std::end(cases));
}

TEST(LatinPrepositions, PhraseCaseAndShortMottos) {
  const LatinCase cases[] = {
      {"pronoun without noun in the governed case",
       MottoBuilder().actor("He").act("do/does/dost/doth", kEo).preposition(kCum, "with", "me"),
       "is mecum it"},
      {"ex before a consonant becomes e",
       MottoBuilder()
           .actor("He")
           .act("do/does/dost/doth", kEo)
           .preposition(kEx, "out of", "the (single)", kGladius),
       "is e gladio it"},
      {"ex before a vowel stays",
       MottoBuilder()
           .actor("He")
           .act("do/does/dost/doth", kEo)
           .preposition(kEx, "out of", "the (single)", kAquila),
       "is ex aquila it"},
      {"accusative after ad, adjective after the noun",
       MottoBuilder()
           .actor("He")
           .act("do/does/dost/doth", kEo)
           .preposition(kAd, "to", "the (single)", kAquila, kMagnus, "( big)"),
       "is ad aquilam magnam it"},
      {"short motto keeps cum",
       with(MottoBuilder()
                .actor("He")
                .act("do/does/dost/doth", kEo)
                .preposition(kCum, "with", "the (single)", kCanis),
            [](MottoState& s) { s.Check1.Value = 0; }),
       " cum cane it"},
      {"bare dative",
       MottoBuilder()
           .actor("He")
           .act("do/does/dost/doth", kEo)
           .preposition(kDative, "to/for", "the (single)", kCanis),
       "is cani it"},
      {"hidden noun slot: no adjective either",
       with(MottoBuilder()
                .actor("He")
                .act("do/does/dost/doth", kEo)
                .preposition(kCum, "with", "the (single)", kCanis, kBonus, "( good)"),
            [](MottoState& s) { s.prepositionNounText.Visible = false; }),
       "is cum it"},
      {"linked by and, same case",
       MottoBuilder()
           .actor("He")
           .act("do/does/dost/doth", kEo)
           .preposition(kCum, "with", "the (single)", kCanis)
           .linkPreposition(true, "the (plural)", kAquila),
       "is cum cane et aquilis it"},
      {"linked by of, genitive",
       MottoBuilder()
           .actor("He")
           .act("do/does/dost/doth", kEo)
           .preposition(kCum, "with", "the (single)", kFilius)
           .linkPreposition(false, "the (single)", kAquila),
       "is cum filio aquilae it"},
  };
  expectLatin(std::begin(cases), std::end(cases));
}

TEST(LatinCommands, ForbiddingAndTheDroppedTu) {
  const LatinCase cases[] = {
      {"command to you", MottoBuilder().actor("You (single)").act("should", kAmo).acted("me"),
       "me ama"},
      {"forbidding one person",
       MottoBuilder().actor("You (single)").act("should", kAmo).negated().acted("me"),
       "noli me amare  "},
      // "vos" goes as "tu" does.
      {"forbidding several", MottoBuilder().actor("You (plural)").act("should", kAmo).negated(),
       "nolite amare  "},
      {"noli umquam, not numquam",
       MottoBuilder().actor("You (single)").act("should", kAmo).negated().manner(kNumquam, "never"),
       "noli umquam amare  "},
      // Only the word "tu" goes: "metu" keeps its ending.
      {"sine metu",
       MottoBuilder()
           .actor("You (single)")
           .act("should", kAmo)
           .preposition(kSine, "without", "()", kMetus),
       "sine metu ama"},
      // Only the imperative as a word becomes the infinitive: the "i" of
      // "gladio" and "in" stays.
      {"short imperative inside other words",
       MottoBuilder()
           .actor("You (single)")
           .act("should", kEo)
           .negated()
           .preposition(kIn, "in", "the (single)", kGladius),
       "noli in gladio ire  "},
  };
  expectLatin(std::begin(cases), std::end(cases));
}

TEST(LatinCleanUp, ExAndAbBeforeVowelsAndH) {
  struct Case {
    std::string_view in, out;
  };
  const Case cases[] = {
      {"is ex gladio it", "is e gladio it"},
      {"is ab gladio it", "is a gladio it"},
      // A vowel or "h" in either case keeps (or gives) the full form.
      {"is ab homine it", "is ab homine it"},
      {"is ex Aquila it", "is ex Aquila it"},
      {"is e aqua it", "is ex aqua it"},
      {"is a eo it", "is ab eo it"},
      {"a hoste", "ab hoste"},
      {"is a Italia it", "is ab Italia it"},
      {"is e Hispania it", "is ex Hispania it"},
      {"is a Roma it", "is a Roma it"},
      // One "ex"/"ab" before a vowel keeps every one whole.
      {"is ex aquila et ab gladio it", "is ex aquila et ab gladio it"},
      {"ab urbe ex gladio", "ab urbe ex gladio"},
      // Only the prepositions as words.
      {"mea ea aquila", "mea ea aquila"},
  };
  for (const Case& c : cases) EXPECT_EQ(adjustExAb(std::string(c.in)), c.out) << c.in;
}

// A forbidding command to "You (single)" with the act then unticked: no act,
// no command, so neither "noli" nor a dropped "tu".
TEST(LatinCommands, ForbiddingWithoutTheActForbidsNothing) {
  MottoBuilder b = MottoBuilder().actor("You (single)").act("should", kAmo).negated();
  b.s.actionTickBoc.Value = 0;
  b.s.notButton.Visible = false;
  b.s.verbText.Visible = b.s.verbTenseText.Visible = false;
  MottoState s;
  ASSERT_NO_THROW(s = rendered(b));
  EXPECT_EQ(s.finalLatin, "tu ");
}

}  // namespace
}  // namespace lexorra
