// The numbered stages of the English pipeline, one row per example text.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

#include "render/english_render.h"

namespace lexorra {
namespace {

struct StageCase {
  int stage;
  std::string_view before;
  std::string_view after;
  int verbPerson = 3;
  int verbNumber = 0;
  int actorNumber = 0;
  std::string_view actorPronoun = "He";
  std::string_view tense = "do/does/dost/doth";
  std::string_view verb = "love";
  int notValue = 0;
  bool MottoState::*question = nullptr;
  std::string_view thirdPersonForm = "";
};

// Failure messages show the row by its stage and text.
void PrintTo(const StageCase& c, std::ostream* os) {
  *os << "stage " << c.stage << " on \"" << c.before << "\"";
}

class EnglishStage : public ::testing::TestWithParam<StageCase> {};

TEST_P(EnglishStage, TurnsTheTextIntoTheExpectedOne) {
  const StageCase& c = GetParam();
  MottoState state;
  state.actionTickBoc.Value = 1;  // commands and negation need the act
  state.actorPronounText.Caption = c.actorPronoun;
  state.verbTenseText.Caption = c.tense;
  state.verbText.Caption = c.verb;
  state.notButton.Value = c.notValue;
  if (c.question) {
    state.notQuestionOption = false;
    state.*c.question = true;
  }
  EnglishWorking working;
  working.verbPerson = Person(c.verbPerson);
  working.verbNumber = Number(c.verbNumber);
  working.actorNumber = Number(c.actorNumber);
  working.thirdPersonForm = c.thirdPersonForm;
  EXPECT_EQ(englishStage(c.stage, std::string(c.before), state, working), c.after);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Repairs, EnglishStage, ::testing::Values(
    // Early repairs: markup, "the" before a possessive, pronouns after "of".
    StageCase{1, "the my dog  loves good)?", "my dog loves good"},
    StageCase{1, "i love the son of her ", "i love the son of her "},
    StageCase{1, "i love the son of he ", "i love the son of him "},
    StageCase{1, "the love of i ", "the love of me "},
    StageCase{1, "the love of we ", "the love of ours "},
    // Nouns that begin like a pronoun are left whole.
    StageCase{1, "the love of iron ", "the love of iron "},
    StageCase{1, "the love of heaven ", "the love of heaven "},
    StageCase{1, "the son of it ", "the son of it "},
    StageCase{1, "the love of wealth and sheep ", "the love of wealth and sheep "},
    StageCase{2, "  he goes  ", "he goes."},
    StageCase{2, "    ", "."},
    // Two passes of non-overlapping pairs: five spaces leave two.
    StageCase{3, "a     b.", "a  b."},
    StageCase{3, "a    b.", "a b."},
    StageCase{4, "more good and most bad and more happy", "better and worst and more happy"},
    StageCase{10, "a university.", "a university."},  // by sound, not by letter
    StageCase{10, "a hour of a eagle.", "an hour of an eagle."},
    StageCase{10, "an one-handed man.", "a one-handed man."},
    StageCase{10, "a eagle loves a apple.", "an eagle loves an apple."},
    StageCase{10, "A eagle.", "A eagle."},
    StageCase{16, "a  b  c", "a b c."},
    StageCase{16, "a  b!", "a b!"},
    StageCase{16, "a     b.", "a   b."},
    StageCase{17, "i be the son of met.", "i am the son of it.", 3, 0, 0, "He", "do/does/dost/doth", "love", 1},
    StageCase{17, "I am here.", "I am here."},
    StageCase{17, "I am here.", "I am not here.", 3, 0, 0, "He", "do/does/dost/doth", "love", 1},
    StageCase{17, "who is you.", "who are you."},
    StageCase{19, "  he goes.", "He goes."},
    StageCase{19, "", ""},
    StageCase{20, "he and i love it.", "he and I love it."}));

INSTANTIATE_TEST_SUITE_P(Tenses, EnglishStage, ::testing::Values(
    StageCase{5, "he do/does/dost/doth love you.", "he does love you.", 3, 0},
    StageCase{5, "he do/does/dost/doth love you.", "he do love you.", 1, 0},
    StageCase{5, "they do/does/dost/doth love you.", "they do love you.", 3, 1},
    StageCase{6, "he did/didst love you.", "he did love you."},
    StageCase{7, "he did be happy.", "he was happy.", 3, 0, 0},
    StageCase{7, "they did be happy.", "they were happy.", 3, 1, 1},
    StageCase{8, "he swear to love you.", "he swears to love you.", 3, 0},
    StageCase{8, "they swear to love you.", "they swear to love you.", 3, 1},
    StageCase{9, "he does be happy.", "he is happy."},
    StageCase{9, "i do be you.", "I am you.", 1},
    StageCase{9, "you and i do be free.", "you and i are free.", 1, 1},
    StageCase{9, "we do be happy.", "we are happy."},
    StageCase{9, "i do love you.", "i love you."},
    StageCase{9, "you do love me.", "you do love me."},
    // "i" and "we" are words, not the ends of nouns.
    StageCase{9, "the taxi does love you.", "the taxi does love you."},
    // "do" that begins a noun is not the auxiliary.
    StageCase{9, "i dog.", "i dog."},
    StageCase{9, "we doctors.", "we doctors."},
    StageCase{9, "i do.", "i."}));

INSTANTIATE_TEST_SUITE_P(Objects, EnglishStage, ::testing::Values(
    StageCase{11, "i know me.", "i know myself.", 1, 0, 0, "I"},
    StageCase{11, "you know you.", "you know yourself.", 2, 0, 0, "You (single)"},
    StageCase{11, "you know you and me.", "you know yourselves and me.", 2, 1, 1, "You (plural)"},
    StageCase{11, "we know us.", "we know ourselves.", 1, 1, 1, "We"},
    StageCase{11, "he knows me.", "he knows me.", 3, 0, 0, "He"}));

INSTANTIATE_TEST_SUITE_P(Commands, EnglishStage, ::testing::Values(
    StageCase{12, "he should love you.", "let him love you!", 3, 0, 0, "He", "should"},
    StageCase{12, "they should love you.", "let them love you!", 3, 1, 1, "They", "should"},
    StageCase{12, "i should love you.", "let me love you!", 1, 0, 0, "I", "should"},
    StageCase{12, "we should love you.", "let's love you!", 1, 1, 1, "We", "should"},
    // A verb that merely starts with "we" is not the speaker.
    StageCase{12, "weep.", "weep!", 1, 1, 1, "We", "should", "weep"},
    StageCase{12, "you should love me.", "love me!", 2, 0, 0, "You (single)", "should"},
    // Only the speaker becomes "let me"/"let's".
    StageCase{12, "i should love the taxi.", "let me love the taxi!", 1, 0, 0, "I", "should"},
    StageCase{12, "we should love the power.", "let's love the power!", 1, 1, 1, "We", "should"},
    StageCase{12, "you.", "", 0, 0, 0, "You (single)", "should"},
    StageCase{12, "he will love you.", "he will love you.", 3, 0, 0, "He", "will"}));

INSTANTIATE_TEST_SUITE_P(ThirdPerson, EnglishStage, ::testing::Values(
    StageCase{13, "he does love you.", "he loves  you."},
    StageCase{13, "he does carry it.", "he carries  it.", 3, 0, 0, "He", "do/does/dost/doth", "carry"},
    StageCase{13, "he does destroy it.", "he destroys  it.", 3, 0, 0, "He", "do/does/dost/doth", "destroy"},
    StageCase{13, "he does wash it.", "he washes  it.", 3, 0, 0, "He", "do/does/dost/doth", "wash"},
    StageCase{13, "he does go.", "he goes .", 3, 0, 0, "He", "do/does/dost/doth", "go"},
    StageCase{13, "he does have it.", "he haves  it.", 3, 0, 0, "He", "do/does/dost/doth", "have"},
    StageCase{13, "he does play it.", "he plays  it.", 3, 0, 0, "He", "do/does/dost/doth", "play"},
    StageCase{13, "he does fix it.", "he fixes  it.", 3, 0, 0, "He", "do/does/dost/doth", "fix"},
    // The text after a second " does " is kept.
    StageCase{13, "he does love what she does hate.", "he loves  what she does hate."},
    StageCase{13, "he does love you.", "he does love you.", 3, 0, 0, "He", "do/does/dost/doth", ""},
    StageCase{14, "he haves  it.", "he has  it."}));

INSTANTIATE_TEST_SUITE_P(Negation, EnglishStage, ::testing::Values(
    StageCase{15, "he will love you.", "he will not love you.", 3, 0, 0, "He", "will", "love", 1},
    StageCase{15, "i love you.", "i love not  you.", 1, 0, 0, "I", "do/does/dost/doth", "love", 1},
    StageCase{15, "he loves  you.", "he loves not   you.", 3, 0, 0, "He", "do/does/dost/doth", "love", 1, nullptr, "loves"},
    StageCase{15, "love me!", " don't love me!", 2, 0, 0, "You (single)", "should", "love", 1},
    StageCase{15, "let him love you!", "let him  not love you!", 3, 0, 0, "He", "should", "love", 1},
    StageCase{15, "he will love you.", "he will love you.", 3, 0, 0, "He", "will", "love", 0},
    // Only the verb itself is negated, not words that contain it.
    StageCase{15, "i love the glove.", "i love not  the glove.", 1, 0, 0, "I", "do/does/dost/doth", "love", 1},
    StageCase{15, "he loves  the gloves.", "he loves not   the gloves.", 3, 0, 0, "He", "do/does/dost/doth", "love", 1, nullptr, "loves"},
    StageCase{15, "let him love lovers!", "let him  not love lovers!", 3, 0, 0, "He", "should", "love", 1}));

INSTANTIATE_TEST_SUITE_P(Questions, EnglishStage, ::testing::Values(
    StageCase{18, "he loves you.", "why is it that he loves you?", 3, 0, 0, "He", "do/does/dost/doth", "love", 0, &MottoState::whyOption},
    StageCase{18, "he loves you.", "Is it the case that he loves you?", 3, 0, 0, "He", "do/does/dost/doth", "love", 0, &MottoState::isItThatOption},
    StageCase{18, "he loves you.", "When is it that he loves you?", 3, 0, 0, "He", "do/does/dost/doth", "love", 0, &MottoState::whenIsItOption},
    StageCase{18, "who loves what.", "who loves what?"},  // one closing mark
    StageCase{18, "the whole world loves you.", "the whole world loves you."},
    StageCase{18, "who loves you.", "who loves you?"},
    StageCase{18, "the whole world loves you.", "the whole world loves you."},
    StageCase{18, "he loves you.", "he loves you."}));
// clang-format on

TEST(EnglishNegation, ACommandToYouSkipsTheLateRepairs) {
  MottoState state;
  state.actionTickBoc.Value = 1;
  state.actorPronounText.Caption = "You (single)";
  state.verbTenseText.Caption = "should";
  state.verbText.Caption = "love";
  state.notButton.Value = 1;
  EnglishWorking working;
  working.verbPerson = Person(2);
  std::string text = englishStage(15, "love  me!", state, working);
  EXPECT_TRUE(working.skipRepairs);
  EXPECT_EQ(englishStage(16, text, state, working), text);
  EXPECT_EQ(englishStage(17, "the son of met!", state, working), "the son of met!");
}

TEST(EnglishPipeline, KeepsNoSpaceBeforeTheClosingMark) {
  MottoState state;
  state.actionTickBoc.Value = 1;
  EnglishWorking working;
  working.verbPerson = Person(3);
  state.verbText.Caption = "go";
  EXPECT_EQ(runEnglishPipeline("he do/does/dost/doth go", state, working), "He goes.");
  EnglishWorking first;
  first.verbPerson = Person(1);
  state.verbText.Caption = "love";
  state.notButton.Value = 1;
  EXPECT_EQ(runEnglishPipeline("i do/does/dost/doth love", state, first), "I love not.");
}

TEST(EnglishPipeline, StageFifteenStoresNothingWithoutThirdPerson) {
  // The third person form from stage 13 is what stage 15 negates.
  MottoState state;
  state.actionTickBoc.Value = 1;
  state.verbText.Caption = "love";
  state.notButton.Value = 1;
  EnglishWorking working;
  working.verbPerson = Person(3);
  EXPECT_EQ(runEnglishPipeline("he do/does/dost/doth love it", state, working), "He loves not it.");
  EXPECT_EQ(working.thirdPersonForm, "loves");
}

struct ThirdPersonCase {
  std::string_view word;
  std::string_view form;
};

TEST(ThirdPersonSingular, FollowsTheSpellingRules) {
  const ThirdPersonCase cases[] = {
      {"love", "loves"},    {"kiss", "kisses"},   {"go", "goes"},          {"wash", "washes"},
      {"teach", "teaches"}, {"carry", "carries"}, {"destroy", "destroys"}, {"obey", "obeys"},
      {"buy", "buys"},      {"pray", "prays"},    {"fix", "fixes"},        {"buzz", "buzzes"},
  };
  for (const auto& c : cases) EXPECT_EQ(thirdPersonSingular(c.word), c.form) << c.word;
}

struct ParenthesesCase {
  std::string_view text;
  std::string_view kept;
};

TEST(RemoveParentheses, DropsEveryBracketedStretch) {
  const ParenthesesCase cases[] = {
      {"a (b) c)", "a  c)"},
      {"a (b", "a "},
      {"", ""},
      {"the good) dog", "the good) dog"},
      {"(plural) dogs", " dogs"},
      {"() ( my) heart", "  heart"},
  };
  for (const auto& c : cases) EXPECT_EQ(removeParentheses(c.text), c.kept) << c.text;
}

}  // namespace
}  // namespace lexorra
