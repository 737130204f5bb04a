// The main window of the real program, driven with the mouse.
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>

#include "editor/motto_file.h"
#include "program_fixture.h"

namespace lexorra::testing {
namespace {

using MainWindow = ProgramTest;

TEST_F(MainWindow, ShowsTheStartValuesWithTheirLook) {
  EXPECT_TRUE(form().isVisible());
  EXPECT_TRUE(form().isEnabled());
  // No section is ticked, so no word label is shown.
  for (const SlotInfo& info : kSlots)
    EXPECT_FALSE(label(info.name.data())->isVisible()) << info.name;
  EXPECT_TRUE(form().checkBox("Check1")->isChecked());
  EXPECT_FALSE(form().checkBox("notButton")->isVisible());
  EXPECT_FALSE(form().tickBox("actionTickBoc")->isEnabled());
  EXPECT_TRUE(form().questionButton("notQuestionOption")->isChecked());
  EXPECT_EQ(label("actorNounText")->toolTip(), q("Noun: What is the thing?"));
  EXPECT_EQ(label("prepositionNounText")->toolTip(), q("Name a thing"));
  EXPECT_EQ(label("actorNounText")->palette().color(QPalette::Window), QColor(128, 128, 255));
  EXPECT_EQ(label("verbText")->palette().color(QPalette::Window), QColor(192, 0, 192));
  EXPECT_EQ(label("verbTenseText")->palette().color(QPalette::Window), QColor(255, 192, 255));
  EXPECT_EQ(label("actorAdjText")->palette().color(QPalette::WindowText), QColor(0, 0, 128));
  EXPECT_TRUE(label("actorNounText")->font().bold());
  EXPECT_EQ(label("actorNounText")->font().pointSize(), 12);
  EXPECT_EQ(form().finalLatinLabel()->font().pointSize(), 24);
  EXPECT_EQ(form().finalEnglishBox()->toolTip(), q("Meaning in English"));
  EXPECT_EQ(form().button("Command3")->text(), q("Reset all"));
  EXPECT_EQ(form().button("Command3")->toolTip(), q("Clear the entire form"));
  EXPECT_EQ(form().button("printButton")->toolTip(), q("Print Latin"));
  EXPECT_EQ(form().button("Command1")->toolTip(), q("Main menu"));
  EXPECT_EQ(form().button("Command2")->toolTip(), q("Examples"));
  EXPECT_FALSE(form().saveLoadButton("saveButton")->isVisible());
  EXPECT_FALSE(form().saveLoadButton("loadButton")->isVisible());
}

// Each row: the control clicked, then what the window shows afterwards.
TEST_F(MainWindow, TickBoxesAndLinkOptionsShowAndHideTheirSlots) {
  tick("actorTickBox");
  EXPECT_EQ(state().actorTickBox.Value, 1);
  EXPECT_TRUE(label("actorPronounText")->isVisible());
  EXPECT_TRUE(label("actorNounText")->isVisible());
  EXPECT_TRUE(form().frame("Frame2")->isVisible());
  EXPECT_TRUE(form().tickBox("actionTickBoc")->isEnabled());

  click(form().optionButton(1));  // "and"
  EXPECT_TRUE(state().Option1.Value);
  EXPECT_TRUE(form().optionButton(1)->isChecked());
  EXPECT_FALSE(form().optionButton(3)->isChecked());
  EXPECT_TRUE(label("secondActorPronoun")->isVisible());

  tick("actionTickBoc");
  EXPECT_TRUE(label("verbTenseText")->isVisible());
  EXPECT_TRUE(label("verbText")->isVisible());
  EXPECT_TRUE(form().checkBox("notButton")->isVisible());
  tick("actedTickBox");
  EXPECT_TRUE(label("actedPronounText")->isVisible());
  EXPECT_TRUE(form().frame("Frame4")->isVisible());
  tick("mannerTickBox");
  EXPECT_TRUE(label("adVerbText")->isVisible());
  EXPECT_TRUE(label("prepositionText")->isVisible());
  EXPECT_FALSE(label("prepositionNounText")->isVisible());  // no preposition yet

  // Unticking the first thing unticks the act and the second thing.
  tick("actorTickBox");
  EXPECT_FALSE(form().tickBox("actionTickBoc")->isChecked());
  EXPECT_FALSE(form().tickBox("actionTickBoc")->isEnabled());
  EXPECT_FALSE(form().tickBox("actedTickBox")->isChecked());
  EXPECT_FALSE(label("verbText")->isVisible());
  EXPECT_FALSE(label("secondActorPronoun")->isVisible());
  EXPECT_TRUE(form().optionButton(3)->isChecked());
  EXPECT_TRUE(form().tickBox("mannerTickBox")->isChecked());

  // A click on a disabled tick box does nothing.
  tick("actionTickBoc");
  EXPECT_EQ(state().actionTickBoc.Value, 0);
}

TEST_F(MainWindow, LatinOptionsAndQuestionsGoIntoTheMotto) {
  click(form().checkBox("Check1"));
  EXPECT_EQ(state().Check1.Value, 0);
  click(form().checkBox("wordOrderBox"));
  EXPECT_EQ(state().wordOrderBox.Value, 1);
  EXPECT_TRUE(form().checkBox("wordOrderBox")->isChecked());
  tick("actorTickBox");
  tick("actionTickBoc");
  click(form().questionButton("whyOption"));
  EXPECT_TRUE(state().whyOption);
  EXPECT_FALSE(state().notQuestionOption);
  EXPECT_TRUE(form().questionButton("whyOption")->isChecked());
  EXPECT_FALSE(form().questionButton("notQuestionOption")->isChecked());
  // Clicking the selected question again keeps it selected.
  click(form().questionButton("whyOption"));
  EXPECT_TRUE(form().questionButton("whyOption")->isChecked());
}

TEST_F(MainWindow, TheTenseLabelGoesRoundTheRingInElevenClicks) {
  tick("actorTickBox");
  tick("actionTickBoc");
  for (std::size_t i = 1; i <= kTensePhrases.size(); ++i) {
    clickSlot("verbTenseText");
    const auto expected = kTensePhrases[i % kTensePhrases.size()];
    EXPECT_EQ(label("verbTenseText")->text().toStdString(), expected) << "click " << i;
  }
  EXPECT_EQ(state().verbTenseText.Caption, "do/does/dost/doth");
  EXPECT_TRUE(form().isEnabled());  // no picker, no mark
  EXPECT_EQ(state().verbTenseText.Tag, "blank");
}

// A double-click is one click that is followed by a double-click event: the
// tense moves on once, not twice.
TEST_F(MainWindow, ADoubleClickOnTheTenseLabelMovesOneTense) {
  tick("actorTickBox");
  tick("actionTickBoc");
  ui::SlotLabel* tense = label("verbTenseText");
  const QPoint centre = tense->rect().center();
  QTest::mouseClick(tense, Qt::LeftButton, {}, centre);
  QTest::mouseDClick(tense, Qt::LeftButton, {}, centre);
  EXPECT_EQ(state().verbTenseText.Caption, "did/didst");
}

TEST_F(MainWindow, ALongCaptionIsShownSmallerRatherThanCut) {
  tick("actorTickBox");
  ui::SlotLabel* noun = label("actorNounText");
  const int normalSize = noun->font().pointSize();
  state().actorNounText.Caption = "(most magnificent)";
  form().showModel();
  EXPECT_LT(noun->font().pointSize(), normalSize);
  EXPECT_LE(QFontMetrics(noun->font()).horizontalAdvance(noun->text()), noun->width());
  state().actorNounText.Caption = "dog";
  form().showModel();
  EXPECT_EQ(noun->font().pointSize(), normalSize);
}

TEST_F(MainWindow, APronounChosenFromThePopUpFillsTheSlot) {
  tick("actorTickBox");
  clickPronoun("actorPronounText", "he_option");
  EXPECT_EQ(label("actorPronounText")->text(), q("He"));
  EXPECT_EQ(state().actorPronounText.Tag, "");
  EXPECT_FALSE(label("actorNounText")->isVisible());  // "He" stands alone
  EXPECT_TRUE(form().isEnabled());
  clickPronoun("actorPronounText", "the_option");
  EXPECT_EQ(label("actorPronounText")->text(), q("The (single)"));
  EXPECT_TRUE(label("actorNounText")->isVisible());

  tick("actionTickBoc");
  tick("actedTickBox");
  clickPronoun("actedPronounText", "UsActedOption");
  EXPECT_EQ(label("actedPronounText")->text(), q("us"));
}

// A pop-up closed without a choice gives the slot its earlier tag back, so a
// later choice for another slot of that menu cannot reach it.
TEST_F(MainWindow, ADismissedPopUpLeavesNoMark) {
  tick("actorTickBox");
  click(form().optionButton(1));
  clickPronoun("actorPronounText", "");
  EXPECT_EQ(state().actorPronounText.Tag, "blank");
  EXPECT_EQ(state().actorPronounText.Caption, "()");
  clickPronoun("secondActorPronoun", "he_option");
  EXPECT_EQ(state().secondActorPronoun.Caption, "he");
  EXPECT_EQ(state().actorPronounText.Caption, "()");
  EXPECT_EQ(state().actorPronounText.Tag, "blank");
}

// The mouse moving, without a button held, over `widget` at `where`.
void moveMouse(QWidget* widget, QPoint where) {
  QMouseEvent move(QEvent::MouseMove, where, widget->mapToGlobal(where), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(widget, &move);
}
void moveMouse(QWidget* widget) {
  moveMouse(widget, widget->rect().center());
}

TEST_F(MainWindow, TheMouseOverALabelDrawsItsBorder) {
  tick("actorTickBox");
  moveMouse(label("actorNounText"));
  EXPECT_EQ(state().actorNounText.BorderStyle, 1);
  EXPECT_EQ(label("actorNounText")->frameShape(), QFrame::Box);
  moveMouse(label("actorPronounText"));
  EXPECT_EQ(state().actorNounText.BorderStyle, 0);
  EXPECT_EQ(state().actorPronounText.BorderStyle, 1);
  EXPECT_EQ(label("actorNounText")->frameShape(), QFrame::NoFrame);
  // Over a tick box nothing changes; over the bare background the border goes.
  moveMouse(form().tickBox("mannerTickBox"));
  EXPECT_EQ(state().actorPronounText.BorderStyle, 1);
  moveMouse(&form(), QPoint(600, 140));
  EXPECT_EQ(state().actorPronounText.BorderStyle, 0);
}

TEST_F(MainWindow, TheFontMenuChangesTheMottoFace) {
  const QString before = QFontInfo(form().finalLatinLabel()->font()).family();
  answerNextMenu("highTowerFont");
  click(form().finalLatinLabel());
  EXPECT_EQ(state().finalLatinFont, "high tower text");
  const QString after = QFontInfo(form().finalLatinLabel()->font()).family();
  EXPECT_NE(before, after);
  EXPECT_TRUE(after.startsWith("Goudy Bookletter 1911")) << after.toStdString();
  EXPECT_EQ(form().finalLatinLabel()->font().pointSize(), 24);
}

TEST_F(MainWindow, AnExampleFromTheMenuIsShownWithinOneTickAndResetClearsIt) {
  if (!std::filesystem::exists(std::filesystem::path(LEXORRA_BIN_DIR) / "ex_i_love_you"))
    GTEST_SKIP() << "the example motto files have not been delivered yet";
  const std::string latinBefore = state().finalLatin;
  answerNextMenu("ExamA");
  click(form().button("Command2"));
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_TRUE(form().tickBox("actorTickBox")->isChecked());
  const std::string englishBefore = state().finalEnglish;
  ASSERT_TRUE(withinOneTick(
      [&] { return state().finalLatin != latinBefore && state().finalEnglish != englishBefore; }));
  EXPECT_EQ(form().finalLatinLabel()->text().toStdString(), state().finalLatin);
  EXPECT_EQ(form().finalEnglishBox()->toPlainText().toStdString(), state().finalEnglish);
  // The first tick gives the loaded verb and nouns their captions, which the
  // English of the next tick reads.
  EXPECT_TRUE(withinOneTick([&] {
    return form().finalEnglishBox()->toPlainText().contains("love", Qt::CaseInsensitive);
  })) << state().finalEnglish;
  EXPECT_EQ(form().finalLatinLabel()->text().toStdString(), state().finalLatin);
  form().grab().save(QString::fromStdString((screenshotFolder() / "main_window.png").string()));

  click(form().button("Command3"));
  EXPECT_FALSE(form().tickBox("actorTickBox")->isChecked());
  for (const SlotInfo& info : kSlots)
    EXPECT_FALSE(label(info.name.data())->isVisible()) << info.name;
  EXPECT_EQ(state().actorNounText.Tag, "blank");
}

TEST_F(MainWindow, AMissingExampleFileIsReportedAndChangesNothing) {
  QTemporaryDir emptyFolder;
  form().setDataFolder(emptyFolder.path().toStdString());
  tick("actorTickBox");
  answerNextMenu("ExamA");
  click(form().button("Command2"));
  expectOneMessageSaying("ex_i_love_you");
  EXPECT_EQ(state().actorTickBox.Value, 1);
  EXPECT_TRUE(label("actorPronounText")->isVisible());
}

TEST_F(MainWindow, PrintingSendsFourLinesAndTellsSoWhileTheWindowIsHidden) {
  MessageRecorder recorder([this] { return form().isVisible(); });
  QTemporaryDir dir;
  const QString pdf = dir.filePath("page.pdf");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  state().finalLatin = "Amor vincit omnia";
  state().finalEnglish = "Love conquers all things.";
  state().Enabled = false;  // keep the tick from rendering over the test's texts
  form().printTo(printer);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].text, q("You motto has been sent to the default printer."));
  EXPECT_FALSE(recorder.messages[0].mainWindowVisible);
  EXPECT_TRUE(form().isVisible());
  EXPECT_GT(QFileInfo(pdf).size(), 0);
  if (!QStandardPaths::findExecutable("pdftotext").isEmpty()) {
    QProcess p;
    p.start("pdftotext", {pdf, "-"});
    p.waitForFinished();
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()).count("Amor vincit omnia"), 3);
  }

  // A printer that cannot be opened: nothing shown, the window stays.
  QPrinter broken;
  broken.setOutputFormat(QPrinter::PdfFormat);
  broken.setOutputFileName("/nonexistent-folder/page.pdf");
  form().printTo(broken);
  EXPECT_EQ(recorder.messages.size(), 1u);
  EXPECT_TRUE(form().isVisible());
}

TEST_F(MainWindow, TheMainMenuOpensAboutAndTheWebSite) {
  answerNextMenu("aboutOption");
  click(form().button("Command1"));
  ASSERT_NE(program->about, nullptr);
  EXPECT_TRUE(program->about->isVisible());
  EXPECT_EQ(program->about->windowTitle(), q("About Lexorra"));
  EXPECT_FALSE(form().isEnabled());
  EXPECT_TRUE(program->about->text()->toPlainText().startsWith(
      "\n\n\nLexorra: Latin motto generator for tattooists.\nv1.5\n"));
  click(program->about->closeButton());
  EXPECT_FALSE(program->about->isVisible());
  EXPECT_TRUE(form().isEnabled());

  answerNextMenu("websiteOption");
  click(form().button("Command1"));
  EXPECT_EQ(websiteOpened, 1);
  answerNextMenu("helpMenu");
  click(form().button("Command1"));
  EXPECT_EQ(helpOpened, 1);
  answerNextMenu("exitOption");
  click(form().button("Command1"));
  EXPECT_EQ(exitRequested, 1);
}

// A tag the lexicon does not have (a damaged motto): the tick reports it once
// and the program goes on.
TEST_F(MainWindow, ATagOutsideTheLexiconIsReportedOnce) {
  tick("actorTickBox");
  giveUnknownTag(state().actorNounText, "thing");
  ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.messages.empty(); }, 400));
  QTest::qWait(600);
  expectOneMessageSaying("cannot be shown in Latin");
  EXPECT_EQ(state().actorNounText.Tag, kUnknownTag);
  EXPECT_TRUE(form().isVisible());
}

TEST_F(MainWindow, ResetAllClearsTheWholeForm) {
  tick("actorTickBox");
  clickPronoun("actorPronounText", "these_option");
  tick("actionTickBoc");
  clickSlot("verbTenseText");
  click(form().checkBox("femaleBox"));
  tick("mannerTickBox");
  click(form().button("Command3"));
  for (const char* box : {"actorTickBox", "actionTickBoc", "actedTickBox", "mannerTickBox"})
    EXPECT_FALSE(form().tickBox(box)->isChecked()) << box;
  for (const SlotInfo& info : kSlots)
    EXPECT_FALSE(label(info.name.data())->isVisible()) << info.name;
  EXPECT_EQ(label("actorPronounText")->text(), q("()"));
  EXPECT_EQ(label("verbTenseText")->text(), q("do/does/dost/doth"));
  EXPECT_FALSE(form().checkBox("femaleBox")->isChecked());
  EXPECT_TRUE(form().checkBox("Check1")->isChecked());
  EXPECT_TRUE(form().questionButton("notQuestionOption")->isChecked());
}

// Closing the main window ends the program, even while a picker is open.
TEST_F(MainWindow, ClosingTheMainWindowEndsTheProgram) {
  ASSERT_TRUE(openNounPicker().isVisible());
  form().close();
  EXPECT_EQ(exitRequested, 1);
}

}  // namespace
}  // namespace lexorra::testing
