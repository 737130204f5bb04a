// The pickers on the delivered lexicon beside the test executable.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "editor/interaction.h"
#include "english/english.h"
#include "pickers/pickers.h"
#include "text/textops.h"

namespace lexorra {
namespace {

class DeliveredData : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    try {
      english_ = std::make_unique<EnglishTables>(loadEnglishTables(LEXORRA_BIN_DIR));
      lexicon_ = std::make_unique<Lexicon>(loadDictionaries(LEXORRA_BIN_DIR));
    } catch (const DataFileError& e) {
      reason_ = e.what();
    }
  }
  void SetUp() override {
    if (!lexicon_) GTEST_SKIP() << "the delivered lexicon is not there: " << reason_;
  }
  static std::unique_ptr<Lexicon> lexicon_;
  static std::unique_ptr<EnglishTables> english_;
  static std::string reason_;
};
std::unique_ptr<Lexicon> DeliveredData::lexicon_;
std::unique_ptr<EnglishTables> DeliveredData::english_;
std::string DeliveredData::reason_;

TEST_F(DeliveredData, EveryPickerListsItsTableInOrder) {
  WordPickers pickers(*lexicon_);
  for (const SearchPicker* picker :
       {&pickers.nounPicker, &pickers.verbPicker, &pickers.adjPicker, &pickers.adverbPicker}) {
    SCOPED_TRACE(std::string(picker->config().name));
    ASSERT_GT(picker->rows().size(), 50u);
    for (std::size_t k = 0; k < picker->rows().size(); ++k)
      ASSERT_EQ(picker->rows()[k].index, k) << "the full list skips no entry";
  }
  EXPECT_GT(pickers.prepositionPicker.rows().size(), 20u);
  EXPECT_GT(pickers.nounPicker.rows().size(), 15000u);
}

TEST_F(DeliveredData, SearchingLoveFindsWholeWordsAndSelectsALoveRow) {
  SearchPicker nouns(SearchPickerKind::noun, *lexicon_);
  nouns.show();
  nouns.setSearchText("love");
  ASSERT_FALSE(nouns.rows().empty());
  for (const PickerRow& row : nouns.rows()) {
    std::string gloss = text::lowerCase(lexicon_->entryGloss("noun", std::size_t{row.index}));
    std::string a = " " + text::replaceEvery(gloss, ";", " ");
    std::string b = " " + text::replaceEvery(gloss, ",", " ");
    EXPECT_TRUE(text::contains(a, " love ") || text::contains(b, " love ")) << row.text;
  }
  ASSERT_GE(nouns.selectedRow(), 0);
  const std::string& selected = nouns.rows()[static_cast<std::size_t>(nouns.selectedRow())].text;
  std::string lowered = text::lowerCase(selected);
  EXPECT_TRUE(text::contains(lowered, "     love;") || text::contains(lowered, "     love,"))
      << selected;
  nouns.Timer1_Timer();
  EXPECT_EQ(nouns.preview(), text::firstWord(selected));
}

// A whole visit: the click on the slot, the search, the choice, and the
// render that the picker runs (or leaves to the refresh).
TEST_F(DeliveredData, ChoosingRendersAsEachPickerSays) {
  WordPickers pickers(*lexicon_);
  MottoState state;
  state.Enabled = true;
  state.verbTenseText.Caption = "had";
  auto visit = [&](WordSlot MottoState::*slot, SearchPicker& picker, std::string_view search) {
    (state.*slot).Visible = true;
    ASSERT_TRUE(clickSlot(state, slot));
    picker.show();
    picker.setSearchText(search);
    state.finalLatin = "unrendered";
    ASSERT_TRUE(picker.choose(state, *english_));
    EXPECT_TRUE(state.Enabled);
    EXPECT_FALSE(picker.Visible);
  };

  visit(&MottoState::actorNounText, pickers.nounPicker, "love");
  EXPECT_EQ(state.actorNounText.Caption, "love");
  EXPECT_NE(state.finalLatin, "unrendered");

  visit(&MottoState::verbText, pickers.verbPicker, "love");
  EXPECT_EQ(state.verbText.Caption, "loved") << "captions adapted after the render";
  EXPECT_NE(state.finalLatin, "unrendered");

  visit(&MottoState::actorAdjText, pickers.adjPicker, "good");
  EXPECT_EQ(state.actorAdjText.Caption, "( good)");
  EXPECT_EQ(state.finalLatin, "unrendered") << "the refresh renders adjectives";

  state.prepositionText.Visible = true;
  ASSERT_TRUE(clickSlot(state, &MottoState::prepositionText));
  pickers.prepositionPicker.selectRow(5);
  pickers.prepositionPicker.chooseNoWord(state);
  EXPECT_NE(state.finalLatin, "unrendered");
  EXPECT_EQ(state.prepositionText.Tag, "blank");
}

}  // namespace
}  // namespace lexorra
