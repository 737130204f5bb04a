// The English meaning end to end, from the slots to finalEnglish, on the
// hand-made lexicon.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "render/english_render.h"
#include "render/render.h"
#include "test_motto.h"

namespace lexorra {
namespace {

using namespace lexorra::testing;

struct VerbFormsRow {
  std::string_view tense;
  std::array<std::string_view, 5> sentences;  // He, I, We, You (single), They
};

constexpr std::array<std::string_view, 5> kActors = {"He", "I", "We", "You (single)", "They"};

// clang-format off
constexpr std::array<VerbFormsRow, 11> kLoveIt = {{
    {"do/does/dost/doth", {"He loves it.", "I love it.", "We love it.", "You do love it.", "They do love it."}},
    {"did/didst", {"He did love it.", "I did love it.", "We did love it.", "You did love it.", "They did love it."}},
    {"had", {"He had loved it.", "I had loved it.", "We had loved it.", "You had loved it.", "They had loved it."}},
    {"will", {"He will love it.", "I will love it.", "We will love it.", "You will love it.", "They will love it."}},
    {"might", {"He might love it.", "I might love it.", "We might love it.", "You might love it.", "They might love it."}},
    {"will have", {"He will have loved it.", "I will have loved it.", "We will have loved it.", "You will have loved it.", "They will have loved it."}},
    {"might have", {"He might have loved it.", "I might have loved it.", "We might have loved it.", "You might have loved it.", "They might have loved it."}},
    {"should", {"Let him love it!", "Let me love it!", "Let's love it!", "Love it!", "Let them love it!"}},
    {"can", {"He can love it.", "I can love it.", "We can love it.", "You can love it.", "They can love it."}},
    {"would like to", {"He would like to love it.", "I would like to love it.", "We would like to love it.", "You would like to love it.", "They would like to love it."}},
    {"swear to", {"He swears to love it.", "I swear to love it.", "We swear to love it.", "You swear to love it.", "They swear to love it."}},
}};

constexpr std::array<VerbFormsRow, 3> kBeIt = {{
    {"do/does/dost/doth", {"He is it.", "I am it.", "We are it.", "You are it.", "They are it."}},
    {"did/didst", {"He was it.", "I was it.", "We were it.", "You were it.", "They were it."}},
    {"will", {"He will be it.", "I will be it.", "We will be it.", "You will be it.", "They will be it."}},
}};
// clang-format on

TEST(ResultingVerbForms, LoveItInEveryTenseAndPerson) {
  for (const VerbFormsRow& row : kLoveIt)
    for (std::size_t i = 0; i < kActors.size(); ++i)
      EXPECT_EQ(english(MottoBuilder().actor(kActors[i]).act(row.tense, kAmo).acted("It")),
                row.sentences[i])
          << kActors[i] << " / " << row.tense;
}

TEST(ResultingVerbForms, BeIt) {
  for (const VerbFormsRow& row : kBeIt)
    for (std::size_t i = 0; i < kActors.size(); ++i)
      EXPECT_EQ(english(MottoBuilder().actor(kActors[i]).act(row.tense, kSum).acted("It")),
                row.sentences[i])
          << kActors[i] << " / " << row.tense;
}

struct EndToEndCase {
  std::string_view name;
  MottoBuilder motto;
  std::string_view english;
};

TEST(EnglishEndToEnd, ExamplesFromSlotsToMeaning) {
  const EndToEndCase cases[] = {
      {"adjective before the noun",
       MottoBuilder()
           .actor("The (single)", kCanis, kBonus, "( good)")
           .act("do/does/dost/doth", kAmo)
           .acted("A", kAquila),
       "The good dog loves an eagle."},
      {"comparative of the first thing stands where the positive would",
       MottoBuilder()
           .actor("The (single)", kCanis, kBonus, "(more good)")
           .act("do/does/dost/doth", kAmo)
           .acted("A", kAquila),
       "The better dog loves an eagle."},
      {"comparative of the second thing goes first",
       MottoBuilder()
           .actor("A", kCanis)
           .act("do/does/dost/doth", kAmo)
           .acted("A", kCanis, kBonus, "(more good)"),
       "A dog loves a better dog."},
      {"I love you", MottoBuilder().actor("I").act("do/does/dost/doth", kAmo).acted("You (single)"),
       "I love you."},
      {"possessive without article",
       MottoBuilder()
           .actor("()", kCor, kMeus, "( my)")
           .act("do/does/dost/doth", kAmo)
           .acted("You (single)"),
       "My heart loves you."},
      {"article before possessive", MottoBuilder().actor("The (single)", kCanis, kMeus, "( my)"),
       "My dog."},
      {"of-link and to be",
       MottoBuilder()
           .actor("The (single)", kAmor)
           .linkActor(false, "()", kPecunia)
           .act("do/does/dost/doth", kSum)
           .acted("the (single)", kRadix),
       "The love of money is the root."},
      {"of her",
       MottoBuilder()
           .actor("I")
           .act("do/does/dost/doth", kAmo)
           .acted("the (single)", kFilius)
           .linkActed(false, "her"),
       "I love the son of her."},
      {"of it",
       MottoBuilder()
           .actor("The (single)", kCanis)
           .act("do/does/dost/doth", kAmo)
           .acted("the (single)", kFilius)
           .linkActed(false, "it"),
       "The dog loves the son of it."},
      {"of it in a command",
       MottoBuilder()
           .actor("The (single)", kCanis)
           .act("should", kAmo)
           .acted("the (single)", kFilius)
           .linkActed(false, "it"),
       "Let the dog love the son of it!"},
      {"of iron", MottoBuilder().actor("The (single)", kAmor).linkActor(false, "()", kFerrum),
       "The love of iron."},
      {"who asks", MottoBuilder().actor("Who").act("do/does/dost/doth", kAmo).acted("You (single)"),
       "Who loves you?"},
      {"reflexive", MottoBuilder().actor("I").act("do/does/dost/doth", kScio).acted("me"),
       "I know myself."},
      {"prepositional phrase",
       MottoBuilder()
           .actor("We")
           .act("will", kSum)
           .preposition(kCum, "with", "the (single)", kGladius, kBonus, "( good)"),
       "We will be with the good sword."},
      {"participle", MottoBuilder().actor("I").act("had", kAmo).acted("You (single)"),
       "I had loved you."},
      {"irregular participle", MottoBuilder().actor("He").act("might have", kEo),
       "He might have gone."},
      {"nothing ticked says nothing", MottoBuilder(), ""},
      {"an article alone says nothing", MottoBuilder().actor("The (single)"), ""},
      {"a ticked act without a verb says nothing",
       MottoBuilder().actor("()").act("do/does/dost/doth", -1), ""},
      {"a pronoun with a ticked act but no verb",
       MottoBuilder().actor("He").act("do/does/dost/doth", -1), "He."},
      {"can without a verb says what the Latin says", MottoBuilder().actor("He").act("can", -1),
       "He can."},
      {"first thing alone", MottoBuilder().actor("The (single)", kCanis), "The dog."},
      {"plural article",
       MottoBuilder().actor("The (plural)", kCanis).act("do/does/dost/doth", kAmo).acted("It"),
       "The dogs do love it."},
      {"and-linked subjects act in the plural",
       MottoBuilder()
           .actor("A", kCanis)
           .linkActor(true, "a", kAquila)
           .act("do/does/dost/doth", kAmo)
           .acted("It"),
       "A dog and an eagle do love it."},
      {"negated third person",
       MottoBuilder().actor("He").act("do/does/dost/doth", kAmo).negated().acted("You (single)"),
       "He loves not you."},
      {"negated first person", MottoBuilder().actor("I").act("do/does/dost/doth", kAmo).negated(),
       "I love not."},
      {"negated future", MottoBuilder().actor("He").act("will", kAmo).negated().acted("It"),
       "He will not love it."},
      {"forbidding you",
       MottoBuilder().actor("You (single)").act("should", kAmo).negated().acted("me"),
       "Don't love me!"},
      {"why",
       MottoBuilder()
           .actor("He")
           .act("do/does/dost/doth", kAmo)
           .acted("You (single)")
           .question(&MottoState::whyOption),
       "Why is it that he loves you?"},
      {"an adverb of frequency stands before the verb",
       MottoBuilder()
           .actor("He")
           .act("do/does/dost/doth", kAmo)
           .acted("It")
           .manner(kSemper, "always"),
       "He always loves it."},
      {"other adverbs come last",
       MottoBuilder().actor("He").act("do/does/dost/doth", kAmo).acted("It").manner(kBene, "well"),
       "He loves it well."},
      {"verb ends the sentence", MottoBuilder().actor("He").act("do/does/dost/doth", kEo),
       "He goes."},
      {"two things linked in the preposition",
       MottoBuilder()
           .actor("I")
           .act("do/does/dost/doth", kEo)
           .preposition(kCum, "with", "the (single)", kCanis)
           .linkPreposition(true, "the (plural)", kAquila),
       "I go with the dog and the eagles."},
  };
  for (const EndToEndCase& c : cases) EXPECT_EQ(english(c.motto), c.english) << c.name;
}

// "You (single)" with "should" and "not", then the act unticked: no act, no
// command; the meaning is the pronoun, as the Latin is "tu".
TEST(EnglishEndToEnd, ACommandToYouWithoutTheActIsThePronoun) {
  MottoBuilder b = MottoBuilder().actor("You (single)").act("should", kAmo).negated();
  b.s.actionTickBoc.Value = 0;
  b.s.verbText.Visible = b.s.verbTenseText.Visible = false;
  b.s.verbText.Tag = "blank";
  MottoState s = rendered(b);
  EXPECT_EQ(s.finalEnglish, "You.");
}

TEST(EnglishNounPhrases, PiecesBeforeCleanUp) {
  struct Case {
    std::string_view name;
    MottoBuilder motto;
    std::string_view actor, acted, preposition;
  };
  auto withCaptions = [](MottoBuilder b) {
    participaliseForm(b.s, lexicon(), englishTables());
    return b;
  };
  const Case cases[] = {
      {"article, adjective, noun",
       withCaptions(MottoBuilder().actor("The (single)", kCanis, kBonus, "( good)")),
       "the good) dog", "", ""},
      {"plural marker", withCaptions(MottoBuilder().actor("(plural)", kCanis)), "(plural) dogs )",
       "", ""},
      {"second thing keeps the space",
       withCaptions(
           MottoBuilder().actor("He").act("will", kAmo).acted("A", kCanis, kBonus, "( good)")),
       "he ", "a  good) dog", ""},
      {"comparative in the second thing goes first",
       withCaptions(
           MottoBuilder().actor("He").act("will", kAmo).acted("A", kCanis, kBonus, "(more good)")),
       "he ", "a  better) dog", ""},
      {"adjective of the first thing after the noun",
       withCaptions(MottoBuilder().actor("A", kCanis, kMolestus, "( offensive)")),
       "a dog  offensive)", "", ""},
      {"headword test on the second thing",
       withCaptions(MottoBuilder()
                        .actor("He")
                        .act("will", kAmo)
                        .acted("A", kCanis, kMolestus, "( offensive)")),
       "he ", "a dog  offensive)", ""},
      {"suffering from: only the caption test knows it",
       withCaptions(MottoBuilder()
                        .actor("He")
                        .act("will", kAmo)
                        .acted("A", kCanis, kFebricosus, "( suffering from fever)")),
       "he ", "a  suffering from fever) dog", ""},
      {"I and he", withCaptions(MottoBuilder().actor("I").linkActor(true, "he")), "i  and he ", "",
       ""},
      {"prepositional phrase",
       withCaptions(
           MottoBuilder().preposition(kCum, "with", "the (single)", kGladius, kBonus, "( good)")),
       "", "", "with the   good sword"},
      {"no manner, no phrase",
       [] {
         MottoBuilder b = MottoBuilder().preposition(kCum, "with", "the (single)", kGladius);
         b.s.mannerTickBox.Value = 0;
         return b;
       }(),
       "", "", ""},
  };
  for (const Case& c : cases) {
    EnglishNounPhrases p = buildEnglishNounPhrases(c.motto.s, lexicon());
    EXPECT_EQ(p.englishActorPhrase, c.actor) << c.name;
    EXPECT_EQ(p.englishActedPhrase, c.acted) << c.name;
    EXPECT_EQ(p.englishPrepositionPhrase, c.preposition) << c.name;
  }
}

}  // namespace
}  // namespace lexorra
