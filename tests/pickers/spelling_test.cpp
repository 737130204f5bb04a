// The search that forgives British spelling, and the list that says when
// nothing was found.
#include "pickers/spelling.h"

#include <gtest/gtest.h>

#include "picker_rows.h"
#include "pickers/search_picker.h"

namespace lexorra {
namespace {

using testing::Entry;
using testing::indexes;
using testing::loadLines;
using testing::nounLine;

TEST(AmericanSpelling, EachRowAndTheirOrder) {
  struct Case {
    const char* british;
    const char* american;
  };
  const Case cases[] = {
      {"favour", "favor"},
      {"Honour", "honor"},
      {"colour", "color"},
      {"armour", "armor"},
      {"defence", "defense"},
      {"grey", "gray"},
      {"realise", "realize"},
      {"civilisation", "civilization"},
      {"analyse", "analyze"},
      {"centre", "center"},
      {"plough", "plow"},
      {"mould", "mold"},
      {"jewellery", "jewelry"},
      {"travelled", "traveled"},
      {"mediaeval", "medieval"},
      // Several words at once; a word already American stays.
      {"grey armour", "gray armor"},
      {"honor", "honor"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(americanSpelling(c.british), c.american) << c.british;
}

Lexicon americanNouns() {
  Lexicon lexicon;
  loadLines(lexicon, Table::noun,
            {nounLine({"honor", "honor, esteem;"}), nounLine({"color", "color, hue;"}),
             nounLine({"tutela", "defense, protection;"}), nounLine({"canities", "gray hair;"}),
             nounLine({"favor", "favour, goodwill;"})});
  return lexicon;
}

TEST(ForgivingSearch, TriesTheAmericanSpellingWhenNothingIsFound) {
  const Lexicon lexicon = americanNouns();
  struct Case {
    const char* search;
    std::vector<std::uint32_t> found;
    int selected;
    const char* notice;
  };
  const Case cases[] = {
      {"honour", {0}, 0, ""},  // and the best row is chosen as for "honor"
      {"Colour", {1}, 0, ""},
      {"defence", {2}, 0, ""},
      {"grey hair", {3}, 0, ""},
      {"favour", {4}, 0, ""},  // found as typed: no second search
      {"honor", {0}, 0, ""},
      {"glamour", {}, -1, "No word found for \"glamour\""},
      {"xyzzy", {}, -1, "No word found for \"xyzzy\""},
      {"", {0, 1, 2, 3, 4}, -1, ""},
  };
  for (const Case& c : cases) {
    SearchPicker picker(SearchPickerKind::noun, lexicon);
    picker.setSearchText(c.search);
    EXPECT_EQ(indexes(picker), c.found) << c.search;
    EXPECT_EQ(picker.selectedRow(), c.selected) << c.search;
    EXPECT_EQ(picker.notice(), c.notice) << c.search;
    EXPECT_EQ(picker.searchText(), c.search) << "the search box keeps what was typed";
  }
}

// The "No word found" row is no entry: choosing with it shown writes nothing
// and the visit goes on.
TEST(ForgivingSearch, TheNoticeCannotBeChosen) {
  const Lexicon lexicon = americanNouns();
  SearchPicker picker(SearchPickerKind::noun, lexicon);
  MottoState state;
  state.actorNounText.Tag = kInflux;
  picker.show();
  picker.setSearchText("nothing of the kind");
  ASSERT_FALSE(picker.notice().empty());
  picker.selectRow(0);
  EXPECT_EQ(picker.selectedRow(), -1);
  EXPECT_FALSE(picker.selectedIndex());
  EXPECT_FALSE(picker.writeChoice(state));
  EXPECT_EQ(state.actorNounText.Tag, kInflux);
  EXPECT_TRUE(picker.Visible);
  // A new search takes the notice away.
  picker.setSearchText("color");
  EXPECT_EQ(picker.notice(), "");
}

TEST(ForgivingSearch, ARowsWholeGloss) {
  const Lexicon lexicon = americanNouns();
  SearchPicker picker(SearchPickerKind::noun, lexicon);
  EXPECT_EQ(picker.rowGloss(2), "defense, protection;");
  EXPECT_EQ(picker.rowGloss(-1), "");
  EXPECT_EQ(picker.rowGloss(5), "");
  picker.setSearchText("gray");
  EXPECT_EQ(picker.rowGloss(0), "gray hair;");
}

}  // namespace
}  // namespace lexorra
