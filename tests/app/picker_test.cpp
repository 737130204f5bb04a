// The word pickers in the real program: the road of one change, a choice and
// a refusal in each picker, the comparison, Enter, double-click and Escape.
#include <QLabel>

#include "program_fixture.h"
#include "text/textops.h"

namespace lexorra::testing {
namespace {

using Pickers = ProgramTest;

QModelIndex selectedIndex(ui::PickerWindowBase& picker) {
  return picker.list()->selectionModel()->currentIndex();
}

std::string lower(const std::string& text) {
  return text::lowerCase(text);
}

// The Overview's road: click the first thing's noun, type "love", choose.
TEST_F(Pickers, TheRoadOfOneChange) {
  ui::SearchPickerWindow& picker = openNounPicker();
  EXPECT_TRUE(picker.isVisible());
  EXPECT_FALSE(form().isEnabled());
  EXPECT_EQ(state().actorNounText.Tag, "influx");
  EXPECT_TRUE(picker.isEnabled());  // usable while the main window is disabled
  tick("mannerTickBox");            // the disabled main window takes no clicks
  EXPECT_EQ(state().mannerTickBox.Value, 0);
  EXPECT_TRUE(picker.hintLabel()->isVisible());

  search(picker, "love");
  EXPECT_EQ(picker.searchBox()->text(), q("love"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !picker.hintLabel()->isVisible(); }, 300));
  ASSERT_GT(picker.list()->model()->rowCount(), 0);
  EXPECT_EQ(picker.list()->model()->rowCount(), static_cast<int>(picker.model().rows().size()));
  ASSERT_TRUE(selectedIndex(picker).isValid());
  const std::string row = picker.model().rows()[selectedIndex(picker).row()].text;
  EXPECT_TRUE(text::contains(row, "love")) << row;
  ASSERT_TRUE(QTest::qWaitFor([&] { return !picker.preview()->text().isEmpty(); }, 300));
  EXPECT_EQ(picker.preview()->text().toStdString(), std::string(text::firstWord(row)));
  picker.grab().save(
      QString::fromStdString((screenshotFolder() / "noun_picker_love.png").string()));

  const std::string latinNoun = std::string(text::firstWord(row));
  QTest::keyClick(picker.searchBox(), Qt::Key_Return);  // the default button
  EXPECT_FALSE(picker.isVisible());
  EXPECT_TRUE(form().isEnabled());
  EXPECT_NE(state().actorNounText.Tag, "influx");
  EXPECT_EQ(label("actorNounText")->text(), q("love"));
  EXPECT_TRUE(form().frame("Frame2")->isVisible());
  ASSERT_TRUE(withinOneTick([&] {
    return text::contains(lower(state().finalLatin), lower(latinNoun)) &&
           text::contains(lower(state().finalEnglish), "love");
  })) << state().finalLatin
      << " / " << state().finalEnglish;
  EXPECT_EQ(form().finalLatinLabel()->text().toStdString(), state().finalLatin);
}

// Leaving means another window of the program becomes active; switching to
// another application (no window of the program active) keeps the search.
TEST_F(Pickers, SwitchingToAnotherApplicationKeepsTheSearch) {
  ui::SearchPickerWindow& picker = openNounPicker();
  picker.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
  search(picker, "love");
  QApplication::setActiveWindow(nullptr);
  ASSERT_FALSE(picker.isActiveWindow());
  EXPECT_TRUE(picker.isVisible());
  EXPECT_EQ(picker.searchBox()->text(), q("love"));
}

TEST_F(Pickers, TypingInTheListContinuesTheSearch) {
  ui::SearchPickerWindow& picker = openNounPicker();
  search(picker, "lo");
  picker.list()->setFocus();
  QTest::keyClick(picker.list(), Qt::Key_V);
  QTest::keyClick(picker.list(), Qt::Key_E);
  EXPECT_EQ(picker.searchBox()->text(), q("love"));
  EXPECT_EQ(picker.focusWidget(), picker.searchBox());
  EXPECT_EQ(picker.searchBox()->cursorPosition(), 4);
  EXPECT_FALSE(picker.searchBox()->hasSelectedText());
  // Arrow keys still move through the list.
  picker.list()->setFocus();
  const int before = selectedIndex(picker).row();
  QTest::keyClick(picker.list(), Qt::Key_Down);
  EXPECT_EQ(picker.model().selectedRow(), before + 1);
  EXPECT_EQ(picker.searchBox()->text(), q("love"));
}

TEST_F(Pickers, DoubleClickChoosesAndLeavingResetsTheSearch) {
  ui::SearchPickerWindow& picker = openNounPicker();
  search(picker, "wolf");
  ASSERT_GT(picker.list()->model()->rowCount(), 0);
  const QModelIndex first = picker.list()->model()->index(0, 0);
  const std::string expectedTag = std::to_string(picker.model().rows()[0].index);
  const QPoint centre = picker.list()->visualRect(first).center();
  QTest::mouseClick(picker.list()->viewport(), Qt::LeftButton, {}, centre);
  QTest::mouseDClick(picker.list()->viewport(), Qt::LeftButton, {}, centre);
  EXPECT_FALSE(picker.isVisible());
  EXPECT_EQ(state().actorNounText.Tag, expectedTag);
  // The next visit starts with the full list and the second row selected.
  EXPECT_EQ(picker.searchBox()->text(), QString());
  EXPECT_EQ(picker.model().selectedRow(), 1);
  EXPECT_EQ(picker.list()->model()->rowCount(), static_cast<int>(picker.model().rows().size()));
  EXPECT_GT(picker.list()->model()->rowCount(), 10000);
}

// Closing a picker with Escape or the title bar's X leaves without a choice.
TEST_F(Pickers, EscapeAndCloseLeaveTheSlotAsItWas) {
  ui::SearchPickerWindow& picker = openNounPicker();
  search(picker, "love");
  QTest::keyClick(picker.searchBox(), Qt::Key_Escape);
  EXPECT_FALSE(picker.isVisible());
  EXPECT_TRUE(form().isEnabled());
  EXPECT_EQ(state().actorNounText.Tag, "blank");
  EXPECT_EQ(state().actorNounText.Caption, "()");
  EXPECT_EQ(picker.searchBox()->text(), QString());

  // A noun chosen before stays when a later visit is closed by its X.
  clickSlot("actorNounText");
  search(picker, "love");
  picker.useWordButton()->click();
  const std::string chosen = state().actorNounText.Tag;
  clickSlot("actorNounText");
  EXPECT_EQ(state().actorNounText.Tag, "influx");
  picker.close();
  EXPECT_FALSE(picker.isVisible());
  EXPECT_TRUE(form().isEnabled());
  EXPECT_EQ(state().actorNounText.Tag, chosen);
}

TEST_F(Pickers, UseNoWordInTheNounPicker) {
  ui::SearchPickerWindow& picker = openNounPicker();
  picker.noWordButton()->click();
  EXPECT_FALSE(picker.isVisible());
  EXPECT_TRUE(form().isEnabled());
  EXPECT_EQ(state().actorNounText.Tag, "blank");
  EXPECT_EQ(state().actorNounText.Caption, "");
  EXPECT_EQ(picker.noWordButton()->toolTip(), q("Use no word"));
  EXPECT_EQ(picker.useWordButton()->toolTip(), q("Use this word in motto"));
}

TEST_F(Pickers, AdjectiveWithComparisonAndRefused) {
  tick("actorTickBox");
  clickSlot("actorAdjText");
  ui::SearchPickerWindow& picker = *program->adjPicker;
  ASSERT_TRUE(picker.isVisible());
  ASSERT_NE(picker.comparisonButton(), nullptr);
  EXPECT_EQ(picker.comparisonButton()->text(), q("<no comparison>"));
  search(picker, "good");
  ASSERT_GE(picker.model().selectedRow(), 0);
  click(picker.comparisonButton());
  EXPECT_EQ(picker.comparisonButton()->text(), q("'more'"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !picker.preview()->text().isEmpty(); }, 300));
  picker.useWordButton()->click();
  EXPECT_FALSE(picker.isVisible());
  EXPECT_TRUE(label("actorAdjText")->text().startsWith("(more "))
      << label("actorAdjText")->text().toStdString();
  EXPECT_EQ(state().actorAdjText.Caption.substr(0, 5), "(more");

  // Each visit starts without comparison.
  clickSlot("actorAdjText");
  EXPECT_EQ(picker.comparisonButton()->text(), q("<no comparison>"));
  picker.noWordButton()->click();
  EXPECT_EQ(state().actorAdjText.Tag, "blank");
  EXPECT_EQ(label("actorAdjText")->text(), q("()"));
}

// A word chosen in the verb and the adverb pickers, then taken away again
// with "Use no word".
TEST_F(Pickers, AVerbAndAnAdverbChosenAndRefused) {
  struct Case {
    std::vector<const char*> tickBoxes;
    const char* slot;
    WordSlot MottoState::*word;
    std::unique_ptr<ui::SearchPickerWindow> app::Program::*picker;
    const char* search;
    bool searchSelectsARow;    // else the first row is selected by hand
    const char* chosenLabel;   // part of the slot's label once chosen
    const char* refusedLabel;  // the slot's label after "Use no word"
    const char* refusedCaption;
  };
  const Case cases[] = {
      {{"actorTickBox", "actionTickBoc"},
       "verbText",
       &MottoState::verbText,
       &app::Program::verbPicker,
       "love",
       true,
       "love",
       "",
       ""},
      {{"mannerTickBox"},
       "adVerbText",
       &MottoState::adVerbText,
       &app::Program::adverbPicker,
       "always",
       false,
       "always",
       "()",
       "()"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.slot);
    for (const char* box : c.tickBoxes) tick(box);
    clickSlot(c.slot);
    ui::SearchPickerWindow& picker = *(program.get()->*c.picker);
    ASSERT_TRUE(picker.isVisible());
    search(picker, c.search);
    ASSERT_GT(picker.list()->model()->rowCount(), 0);
    if (c.searchSelectsARow)
      ASSERT_GE(picker.model().selectedRow(), 0);
    else if (picker.model().selectedRow() < 0)
      picker.list()->setCurrentIndex(picker.list()->model()->index(0, 0));
    picker.useWordButton()->click();
    EXPECT_FALSE(picker.isVisible());
    EXPECT_NE((state().*c.word).Tag, "blank");
    EXPECT_TRUE(label(c.slot)->text().contains(q(c.chosenLabel)))
        << label(c.slot)->text().toStdString();
    EXPECT_NE(label(c.slot)->text(), q("()"));

    clickSlot(c.slot);
    picker.noWordButton()->click();
    EXPECT_EQ((state().*c.word).Tag, "blank");
    EXPECT_EQ((state().*c.word).Caption, c.refusedCaption);
    EXPECT_EQ(label(c.slot)->text(), q(c.refusedLabel));
    EXPECT_TRUE(form().isEnabled());
  }
}

TEST_F(Pickers, PrepositionChosenByDoubleClickAndRefused) {
  tick("mannerTickBox");
  clickSlot("prepositionText");
  ui::PrepositionPickerWindow& picker = *program->prepositionPicker;
  ASSERT_TRUE(picker.isVisible());
  EXPECT_FALSE(form().isEnabled());
  // Choosing before any row is selected does nothing.
  picker.useWordButton()->click();
  EXPECT_TRUE(picker.isVisible());
  EXPECT_EQ(picker.useWordButton()->toolTip(), q("Use word in motto"));

  const QModelIndex third = picker.list()->model()->index(2, 0);
  const QPoint centre = picker.list()->visualRect(third).center();
  QTest::mouseClick(picker.list()->viewport(), Qt::LeftButton, {}, centre);
  QTest::mouseDClick(picker.list()->viewport(), Qt::LeftButton, {}, centre);
  EXPECT_FALSE(picker.isVisible());
  EXPECT_EQ(state().prepositionText.Tag, "2");
  EXPECT_TRUE(label("prepositionNounText")->isVisible());
  EXPECT_TRUE(label("prepositionPronounText")->isVisible());

  // The next visit keeps the row; "Use no word" takes the phrase away.
  clickSlot("prepositionText");
  EXPECT_EQ(picker.model().selectedRow(), 2);
  picker.noWordButton()->click();
  EXPECT_EQ(state().prepositionText.Tag, "blank");
  EXPECT_FALSE(label("prepositionNounText")->isVisible());
  EXPECT_FALSE(form().frame("Frame3")->isVisible());
  EXPECT_TRUE(form().isEnabled());

  // Escape leaves the preposition as it was.
  clickSlot("prepositionText");
  QTest::keyClick(picker.list(), Qt::Key_Escape);
  EXPECT_FALSE(picker.isVisible());
  EXPECT_EQ(state().prepositionText.Tag, "blank");
  EXPECT_TRUE(form().isEnabled());
}

// A choice whose render fails (another slot holds a tag the lexicon does not
// have): the word is written, the visit ends, and the failure is reported.
TEST_F(Pickers, ARenderFailingAfterAChoiceIsReported) {
  form().timer()->stop();
  tick("actorTickBox");
  tick("actionTickBoc");
  giveUnknownTag(state().verbText, "do");
  clickSlot("actorNounText");
  search(*program->nounPicker, "love");
  QTest::keyClick(program->nounPicker->searchBox(), Qt::Key_Return);
  EXPECT_FALSE(program->nounPicker->isVisible());
  EXPECT_TRUE(form().isEnabled());
  EXPECT_EQ(label("actorNounText")->text(), q("love"));
  expectOneMessageSaying("cannot be shown in Latin");
}

// British spelling finds the American gloss; a search that finds nothing
// says so in a row that cannot be chosen.
TEST_F(Pickers, ASearchForgivesSpellingAndSaysWhenNothingIsFound) {
  ui::SearchPickerWindow& picker = openNounPicker();
  search(picker, "honour");
  EXPECT_GT(picker.model().rows().size(), 0u);
  EXPECT_TRUE(picker.model().notice().empty());

  picker.searchBox()->clear();
  search(picker, "xqzzyv");
  QAbstractItemModel* rows = picker.list()->model();
  ASSERT_EQ(rows->rowCount(), 1);
  const QModelIndex notice = rows->index(0, 0);
  EXPECT_EQ(notice.data().toString(), q("No word found for \"xqzzyv\""));
  EXPECT_FALSE(rows->flags(notice) & Qt::ItemIsSelectable);
  // Clicking it, double-clicking it and Enter choose nothing: the visit goes on.
  const QPoint centre = picker.list()->visualRect(notice).center();
  QTest::mouseClick(picker.list()->viewport(), Qt::LeftButton, {}, centre);
  QTest::mouseDClick(picker.list()->viewport(), Qt::LeftButton, {}, centre);
  QTest::keyClick(picker.searchBox(), Qt::Key_Return);
  picker.useWordButton()->click();
  EXPECT_TRUE(picker.isVisible());
  EXPECT_EQ(state().actorNounText.Tag, "influx");
  picker.noWordButton()->click();
  EXPECT_EQ(state().actorNounText.Tag, "blank");
}

// A row too long for the list shows its whole gloss as a tooltip.
TEST_F(Pickers, ARowsWholeGlossIsItsTooltip) {
  ui::SearchPickerWindow& picker = *program->nounPicker;
  QAbstractItemModel* rows = picker.list()->model();
  ASSERT_GT(rows->rowCount(), 0);
  const QString tip = rows->index(0, 0).data(Qt::ToolTipRole).toString();
  const std::string gloss(picker.model().rowGloss(0));
  EXPECT_FALSE(gloss.empty());
  EXPECT_TRUE(tip.contains(QString::fromStdString(gloss).toHtmlEscaped().left(20)))
      << tip.toStdString();
  const QString prepositionTip =
      program->prepositionPicker->list()->model()->index(0, 0).data(Qt::ToolTipRole).toString();
  EXPECT_FALSE(prepositionTip.isEmpty());
  // The pickers can be made smaller than they open.
  EXPECT_LT(picker.minimumSizeHint().width(), picker.width());
}

}  // namespace
}  // namespace lexorra::testing
