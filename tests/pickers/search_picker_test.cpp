#include "pickers/search_picker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "picker_rows.h"

namespace lexorra {
namespace {

using testing::searchLexicon;
using testing::indexes;

TEST(SearchPickerSearch, MatchesWholeWordsAndSelectsTheLastExactGloss) {
  const Lexicon lexicon = searchLexicon();
  struct Case {
    std::string search;
    std::vector<std::uint32_t> found;
    int selected;  // row, -1 for none
  };
  const Case cases[] = {
      {"", {0, 1, 2, 3, 4, 5, 6, 7, 8}, -1},
      // "amor" (love;) and "dilectio" (love;) qualify too; the last one wins.
      // "abcdefghijklmnop" has only four filling spaces before its "love;".
      {"love", {0, 1, 2, 3, 7, 8}, 4},
      {"LoVe", {0, 1, 2, 3, 7, 8}, 4},
      {"affection", {0}, -1},
      {"passion", {0}, -1},
      {"love, affection", {0}, 0},
      {"love letter", {2}, -1},
      {"lov", {}, -1},
      {"love affection", {}, -1},
      {"peace", {6}, 0},
      {"lovely", {4}, 0},
      {"lover", {7}, -1},
      {"charity", {1}, 0},
      // A separator in the search text can only be met through the other
      // haystack; spaces count like any other character.
      {"affection;", {0}, -1},
      {"love,", {0, 7}, -1},
      {" love", {}, -1},
      {"   ", {}, -1},
  };
  for (const Case& c : cases) {
    SearchPicker picker(SearchPickerKind::noun, lexicon);
    picker.setSearchText(c.search);
    EXPECT_EQ(indexes(picker), c.found) << "search \"" << c.search << "\"";
    EXPECT_EQ(picker.selectedRow(), c.selected) << "search \"" << c.search << "\"";
  }
}

TEST(SearchPickerSearch, RowsLineUpTheGlossesAtEachPickersColumn) {
  const Lexicon lexicon = searchLexicon();
  struct Case {
    SearchPickerKind kind;
    std::size_t row;
    std::string text;
  };
  const Case cases[] = {
      {SearchPickerKind::noun, 0, "amor                love, affection; passion;"},
      {SearchPickerKind::noun, 2, "abcdefghijklmnopqrstuvlove letter;"},
      {SearchPickerKind::noun, 8, "abcdefghijklmnop    love;"},
      {SearchPickerKind::verb, 0, "amare               to love, like;"},
      {SearchPickerKind::adjective, 0, "bonus                         good, honest;"},
      {SearchPickerKind::adverb, 1, "semper              always;"},
  };
  for (const Case& c : cases) {
    SearchPicker picker(c.kind, lexicon);
    ASSERT_LT(c.row, picker.rows().size());
    EXPECT_EQ(picker.rows()[c.row].text, c.text);
    EXPECT_EQ(picker.rows()[c.row].index, c.row);
  }
  EXPECT_EQ(pickerRowText("exactlytwentyletters", 20, 20, "gloss"), "exactlytwentylettersgloss");
}

TEST(SearchPickerSearch, TheScanEndsAtTheFirstEntryWithoutAMeaning) {
  // A line without a meaning never reaches a picker: loading refuses it, so
  // the scan cannot end early and hide the words after it.
  Lexicon lexicon;
  EXPECT_THROW(
      testing::loadLines(lexicon, Table::adverb,
                         {"bene ::well;", "broken line without meaning", "semper ::always;"}),
      DataFileError);
  testing::loadLines(lexicon, Table::adverb, {"bene ::well;", "semper ::always;", ""});
  SearchPicker picker(SearchPickerKind::adverb, lexicon);
  EXPECT_EQ(indexes(picker), (std::vector<std::uint32_t>{0, 1}));
  // Entries past the file's end are empty and end the scan.
  SearchPicker verbs(SearchPickerKind::verb, searchLexicon());
  EXPECT_EQ(verbs.rows().size(), 2u);
  EXPECT_TRUE(SearchPicker(SearchPickerKind::adverb, Lexicon()).rows().empty());
}

TEST(SearchPickerVisit, LeavingClearsTheSearchAndSelectsThePickersRow) {
  const Lexicon lexicon = searchLexicon();
  struct Case {
    SearchPickerKind kind;
    std::string search;
    int selectedAfterLeaving;
  };
  const Case cases[] = {
      {SearchPickerKind::noun, "love", 1},     {SearchPickerKind::noun, "", 1},
      {SearchPickerKind::verb, "be", 0},       {SearchPickerKind::adjective, "great", 0},
      {SearchPickerKind::adverb, "always", 0},
  };
  for (const Case& c : cases) {
    SearchPicker picker(c.kind, lexicon);
    const std::size_t fullSize = picker.rows().size();
    EXPECT_EQ(picker.selectedRow(), -1) << "nothing is selected after loading";
    picker.show();
    picker.setSearchText(c.search);
    picker.Form_Deactivate();
    EXPECT_EQ(picker.searchText(), "");
    EXPECT_EQ(picker.rows().size(), fullSize);
    EXPECT_EQ(picker.selectedRow(), c.selectedAfterLeaving) << picker.config().name;
  }

  // A list too short for the picker's row selects none.
  Lexicon oneNoun;
  testing::loadLines(oneNoun, Table::noun, {testing::nounLine({"amor", "love;"})});
  SearchPicker nouns(SearchPickerKind::noun, oneNoun);
  nouns.hide();
  EXPECT_EQ(nouns.selectedRow(), -1);
}

TEST(SearchPickerVisit, HintPreviewFocusAndTyping) {
  const Lexicon lexicon = searchLexicon();

  SearchPicker nouns(SearchPickerKind::noun, lexicon);
  EXPECT_TRUE(nouns.hintVisible());
  nouns.show();
  EXPECT_TRUE(nouns.searchHasFocus());
  for (char c : std::string("LOVE")) nouns.keyTypedInList(c);
  EXPECT_EQ(nouns.searchText(), "LOVE");
  EXPECT_EQ(nouns.caretPosition(), 4u);
  EXPECT_TRUE(nouns.hintVisible()) << "the noun picker hides its hint on the tick";
  nouns.Timer1_Timer();
  EXPECT_FALSE(nouns.hintVisible());
  EXPECT_EQ(nouns.preview(), "amator");
  nouns.keyTypedInList('\b');
  EXPECT_EQ(nouns.searchText(), "LOV");
  EXPECT_EQ(nouns.preview(), "") << "refilling empties the noun preview";
  EXPECT_EQ(nouns.selectedRow(), -1);
  nouns.Timer1_Timer();
  EXPECT_EQ(nouns.preview(), "") << "no selection leaves the preview alone";
  nouns.keyTypedInList('\n');
  EXPECT_EQ(nouns.searchText(), "LOV");

  // The adjective picker hides its hint at once, keeps its preview on a
  // refill and previews the neuter form in the chosen degree.
  SearchPicker adjectives(SearchPickerKind::adjective, lexicon);
  adjectives.setSearchText("great");
  EXPECT_FALSE(adjectives.hintVisible());
  adjectives.Timer1_Timer();
  EXPECT_EQ(adjectives.preview(), "magnus-N0");
  adjectives.compareButton_Click();
  adjectives.Timer1_Timer();
  EXPECT_EQ(adjectives.preview(), "magnus-N1");
  adjectives.setSearchText("small");
  EXPECT_EQ(adjectives.preview(), "magnus-N1");
  adjectives.Timer1_Timer();
  EXPECT_EQ(adjectives.preview(), "-") << "no comparative recorded: the data's mark shows";
  EXPECT_EQ(adjectives.rows()[0].text.substr(0, 6), "parvus");
}

TEST(SearchPickerComparison, CyclesAndResetsWhenTheAdjectivePickerIsLeft) {
  const Lexicon lexicon = searchLexicon();
  SearchPicker picker(SearchPickerKind::adjective, lexicon);
  const char* captions[] = {"<no comparison>", "'more'", "'most'", "<no comparison>"};
  for (const char* caption : captions) {
    EXPECT_EQ(picker.compareCaption(), caption);
    picker.compareButton_Click();
  }
  EXPECT_EQ(picker.comparison(), Comparison::more);
  picker.Form_Deactivate();
  EXPECT_EQ(picker.comparison(), Comparison::none);

  EXPECT_EQ(adjectiveCaption(Comparison::none, "good"), "( good)");
  EXPECT_EQ(adjectiveCaption(Comparison::more, "good"), "(more good)");
  EXPECT_EQ(adjectiveCaption(Comparison::most, "good"), "(most good)");
}

}  // namespace
}  // namespace lexorra
