// The seven lines after line 81: the broad question and the adjectives'
// comparison, and files of 81 lines that load as they always did.
#include <gtest/gtest.h>

#include "editor/motto_file.h"
#include "motto_file_fixture.h"

namespace lexorra::editortest {
namespace {

// A motto whose first thing and act allow a question, with an adjective in
// every degree.
MottoState comparedMotto(MottoState s, bool M::*question) {
  selectQuestion(s, question);
  s.actorAdjText = {"(most good)", tag(kBonus), true, 0};
  s.secondActorAdjText = {"(more good)", tag(kBonus), true, 0};
  s.actedAdjText = {"( good)", tag(kBonus), true, 0};
  s.secondPrepositionAdjText = {"(more my)", tag(kMeus), true, 0};
  return s;
}

MottoState loadedFrom(const std::string& text, const Lexicon& lexicon) {
  MottoState s = enabledMotto();
  applyMottoFile(s, lexicon, parseMottoFile(text, lexicon, "f"));
  return s;
}

TEST_F(MottoFileTest, QuestionsAndComparisonsComeBack) {
  struct Case {
    bool M::*question;
    std::string_view line82;
  };
  const Case cases[] = {
      {&M::notQuestionOption, "notQuestionOption"},
      {&M::whyOption, "whyOption"},
      {&M::whenIsItOption, "whenIsItOption"},
      {&M::isItThatOption, "isItThatOption"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line82);
    const MottoState saved = comparedMotto(richMotto(), c.question);
    const std::vector<std::string> lines = mottoFileLines(saved);
    ASSERT_EQ(lines.size(), 88u);
    EXPECT_EQ(lines[81], c.line82);
    const std::vector<std::string> degrees(lines.begin() + 82, lines.end());
    EXPECT_EQ(degrees, (std::vector<std::string>{" 2 ", " 1 ", " 0 ", " 0 ", " 0 ", " 1 "}));

    writeMottoFile(saved, folder_ / "motto");
    MottoState loaded;
    loadMottoFile(loaded, lexicon_, folder_ / "motto");
    EXPECT_TRUE(loaded.*c.question);
    EXPECT_EQ(
        loaded.whyOption + loaded.whenIsItOption + loaded.isItThatOption + loaded.notQuestionOption,
        1);
    // The captions the adjective picker writes for degrees 1 and 2; the
    // positive degree loads as the bare headword, as it always did.
    EXPECT_EQ(loaded.actorAdjText.Caption, "(most good)");
    EXPECT_EQ(loaded.secondActorAdjText.Caption, "(more good)");
    EXPECT_EQ(loaded.actedAdjText.Caption, "good");
    EXPECT_EQ(loaded.secondPrepositionAdjText.Caption, "(more my)");
    EXPECT_EQ(mottoFileLines(loaded), lines);
  }
}

// A degree on an adjective slot without a word changes no caption.
TEST_F(MottoFileTest, ADegreeWithoutAWordIsIgnored) {
  std::vector<std::string> lines = mottoFileLines(MottoState{});
  lines[82] = " 2 ";  // actorAdjText, whose line 3 is "blank"
  const MottoState s = loadedFrom(joinLines(lines), lexicon_);
  EXPECT_EQ(s.actorAdjText.Caption, "()");
  EXPECT_EQ(s.actorAdjText.Tag, "blank");
}

TEST_F(MottoFileTest, AWrongQuestionOrDegreeLineIsRefusedByNumber) {
  const Refusal cases[] = {
      {82, "why", "the question must be \"notQuestionOption\", \"whyOption\""},
      {82, "None", "not \"None\""},
      {82, "", "the question must be"},
      {82, "WhyOption", "the question must be"},
      {83, "3", "the degree of actorAdjText must be 0, 1 or 2, not \"3\""},
      {84, "-1", "the degree of secondActorAdjText"},
      {85, "True", "the degree of actedAdjText"},
      {86, "", "the degree of secondActedAdjText"},
      {87, "1.5", "the degree of prepositionAdjText"},
      {88, "two", "the degree of secondPrepositionAdjText"},
  };
  for (const Refusal& c : cases) expectRefused(c);
  // Spaces around the values are allowed, as around every number.
  std::vector<std::string> lines = mottoFileLines(MottoState{});
  lines[81] = " whyOption ";
  lines[87] = "2";
  EXPECT_NO_THROW(parseMottoFile(joinLines(lines), lexicon_, "f"));
}

// Between 81 and 88 lines a file is cut short.
TEST_F(MottoFileTest, AFileBetween81And88LinesIsRefused) {
  const std::vector<std::string> lines = mottoFileLines(MottoState{});
  for (std::size_t count = 82; count < 88; ++count) {
    SCOPED_TRACE(count);
    try {
      parseMottoFile(joinLines({lines.begin(), lines.begin() + static_cast<long>(count)}), lexicon_,
                     "f");
      ADD_FAILURE() << count << " lines accepted";
    } catch (const MottoFileError& e) {
      EXPECT_EQ(e.line(), count + 1) << e.what();
      EXPECT_NE(e.reason().find("a motto file has 81 or 88 lines"), std::string::npos);
    }
  }
}

// Files of 81 lines keep no question and no comparison: they load exactly as
// before, with "None" and bare adjective headwords.
TEST_F(MottoFileTest, EightyOneLinesLoadAsBefore) {
  const MottoState motto = comparedMotto(richMotto(), &M::whyOption);
  const std::vector<std::string> lines81 = mottoFileLines(motto, MottoFileFormat::lines81);
  ASSERT_EQ(lines81.size(), 81u);
  writeMottoFile(motto, folder_ / "old", MottoFileFormat::lines81);
  MottoState loaded;
  loadMottoFile(loaded, lexicon_, folder_ / "old");
  EXPECT_TRUE(loaded.notQuestionOption);
  EXPECT_FALSE(loaded.whyOption);
  EXPECT_EQ(loaded.actorAdjText.Caption, "good");
  EXPECT_EQ(loaded.secondActorAdjText.Caption, "good");
  EXPECT_EQ(mottoFileLines(loaded, MottoFileFormat::lines81), lines81);

  // The same motto from 88 lines differs only in its question and captions.
  MottoState full = loadedFrom(joinLines(mottoFileLines(motto)), lexicon_);
  selectQuestion(full, &M::notQuestionOption);
  for (WordSlot M::*slot : {&M::actorAdjText, &M::secondActorAdjText, &M::secondPrepositionAdjText})
    (full.*slot).Caption = (loaded.*slot).Caption;
  EXPECT_EQ(everything(full), everything(loaded));
}

}  // namespace
}  // namespace lexorra::editortest
