// The main window as a place to keep one's work: save and open, undo and
// redo, the title's mark, and copying the motto.
#include <sys/stat.h>

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>
#include <fstream>

#include "editor/motto_file.h"
#include "program_fixture.h"
#include "text/codepage.h"
#include "text/textops.h"

namespace lexorra::testing {
namespace {

namespace fs = std::filesystem;

class Workbench : public WithActiveWindow<ExampleProgramTest> {
 protected:
  // A key pressed once the window system's events are through (a closed
  // menu hands the keyboard back to the main window).
  void keys(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
    QCoreApplication::processEvents();
    QTest::keyClick(&form(), key, modifiers);
  }
  fs::path mottoFolder() { return home() / "Documents" / "Lexorra"; }
};

// The motto as a file holds it, with the visibility of every slot.
std::vector<std::string> whole(const MottoState& state) {
  return mottoFileLines(state);
}

TEST_F(Workbench, SaveThenOpenRestoresEverySlotOptionQuestionAndComparison) {
  example("ExamM");  // "Love is blind": "caecus" is the second thing's adjective
  // A comparison and a question that an 81-line file could not keep.
  clickSlot("actedAdjText");
  ui::SearchPickerWindow& adjectives = *program->adjPicker;
  search(adjectives, "blind");
  ASSERT_GE(adjectives.model().selectedRow(), 0);
  click(adjectives.comparisonButton());
  QTest::keyClick(adjectives.searchBox(), Qt::Key_Return);
  ASSERT_TRUE(text::beginsWith(state().actedAdjText.Caption, "(more "));
  click(form().questionButton("isItThatOption"));
  click(form().checkBox("wordOrderBox"));
  settle();
  ASSERT_TRUE(state().isItThatOption) << "the question applies to this motto";
  const std::vector<std::string> saved = whole(state());
  const std::string latin = state().finalLatin;
  const std::string english = state().finalEnglish;
  EXPECT_TRUE(form().isWindowModified());

  // Save asks for a name: the one built from the English, in the mottos'
  // folder, which the first save makes.
  const fs::path file = mottoFolder() / "my motto";
  dialogs.answers = {QString::fromStdString(file.string())};
  keys(Qt::Key_S);
  ASSERT_EQ(dialogs.asked.size(), 1u);
  EXPECT_EQ(dialogs.asked[0].kind, ui::FileDialogKind::save);
  EXPECT_EQ(dialogs.asked[0].proposed.toStdString(),
            (mottoFolder() / text::cp1252ToUtf8(savedFileName(english))).string());
  EXPECT_TRUE(fs::is_directory(mottoFolder()));
  ASSERT_TRUE(fs::exists(file)) << (messages.messages.empty()
                                        ? ""
                                        : messages.messages[0].text.toStdString());
  EXPECT_EQ(form().currentFile(), file);
  EXPECT_FALSE(form().isWindowModified());
  EXPECT_TRUE(form().windowTitle().startsWith("my motto")) << form().windowTitle().toStdString();

  // A second Save writes to the same file without asking.
  click(form().checkBox("femaleBox"));
  EXPECT_TRUE(form().isWindowModified());
  click(form().checkBox("femaleBox"));
  EXPECT_FALSE(form().isWindowModified()) << "back as saved";

  keys(Qt::Key_R);  // Reset all
  settle();
  EXPECT_NE(whole(state()), saved);
  EXPECT_TRUE(form().isWindowModified());

  dialogs.answers = {QString::fromStdString(file.string())};
  keys(Qt::Key_O);
  ASSERT_EQ(dialogs.asked.size(), 2u);
  EXPECT_EQ(dialogs.asked[1].kind, ui::FileDialogKind::open);
  EXPECT_EQ(dialogs.asked[1].proposed.toStdString(), mottoFolder().string());
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(whole(state()), saved);
  EXPECT_TRUE(state().isItThatOption);
  EXPECT_TRUE(text::beginsWith(state().actedAdjText.Caption, "(more "));
  settle();
  EXPECT_EQ(state().finalLatin, latin);
  EXPECT_EQ(state().finalEnglish, english);
  EXPECT_FALSE(form().isWindowModified());

  // lexorra-cli shows the same Latin from the file.
  QProcess cli;
  cli.start(QString(LEXORRA_BIN_DIR) + "/lexorra-cli",
            {"render", "--json", QString::fromStdString(file.string())});
  ASSERT_TRUE(cli.waitForFinished(20000));
  const QString out = QString::fromUtf8(cli.readAllStandardOutput());
  EXPECT_TRUE(
      out.contains("\"latin\": \"" + QString::fromStdString(text::cp1252ToUtf8(latin)) + "\""))
      << out.toStdString() << " / " << latin;
}

TEST_F(Workbench, AFileThatCannotBeUsedIsRefusedAndTheMottoStays) {
  example("ExamA");
  const std::vector<std::string> before = whole(state());
  fs::create_directories(mottoFolder());
  std::vector<std::string> lines = before;
  lines[1] = "nobody";  // not a pronoun of the menu
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  std::ofstream(mottoFolder() / "broken", std::ios::binary) << text;
  dialogs.answers = {QString::fromStdString((mottoFolder() / "broken").string())};
  keys(Qt::Key_O);
  ASSERT_EQ(messages.messages.size(), 1u);
  const QString message = messages.messages[0].text;
  EXPECT_TRUE(message.contains("could not be opened")) << message.toStdString();
  EXPECT_TRUE(message.contains("broken, line 2: \"nobody\" is not a choice"))
      << message.toStdString();
  EXPECT_EQ(whole(state()), before);
  EXPECT_FALSE(form().currentFile());
  EXPECT_FALSE(form().history().canRedo());
  // A cancelled dialog does nothing at all.
  keys(Qt::Key_O);
  EXPECT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(whole(state()), before);
}

// `lexorra FILE` opens the file at start as Open... does.
TEST_F(Workbench, AFileGivenAtStartIsOpened) {
  example("ExamM");
  const fs::path file = home() / "given";
  writeMottoFile(state(), file);
  const std::vector<std::string> lines = whole(state());
  for (QWidget* w : QApplication::topLevelWidgets()) w->hide();

  auto started = app::createProgram();
  ASSERT_TRUE(app::startUp(*started, LEXORRA_BIN_DIR, file));
  EXPECT_EQ(mottoFileLines(started->state), lines);
  EXPECT_EQ(started->form->currentFile(), file);
  EXPECT_TRUE(started->form->windowTitle().startsWith("given"));
  for (QWidget* w : QApplication::topLevelWidgets()) w->hide();

  auto refused = app::createProgram();
  ASSERT_TRUE(app::startUp(*refused, LEXORRA_BIN_DIR, home() / "no such motto"));
  EXPECT_TRUE(refused->form->isVisible());
  EXPECT_EQ(mottoFileLines(refused->state), mottoFileLines(MottoState{}));
  ASSERT_FALSE(messages.messages.empty());
  EXPECT_TRUE(messages.messages.back().text.contains("no such motto"));
  for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
}

TEST_F(Workbench, ASaveThatFailsSaysWhyAndLeavesTheOldFileWhole) {
  example("ExamA");
  fs::create_directories(mottoFolder());
  const fs::path file = mottoFolder() / "kept";
  std::ofstream(file, std::ios::binary) << "the user's own\r\n";
  ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
  dialogs.answers = {QString::fromStdString(file.string())};
  keys(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  expectOneMessageSaying("was not saved");
  EXPECT_TRUE(messages.messages[0].text.contains("read-only"));
  std::ifstream in(file, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "the user's own\r\n");
  EXPECT_FALSE(form().currentFile());
  EXPECT_TRUE(form().isWindowModified());
  ::chmod(file.c_str(), 0644);
}

TEST_F(Workbench, UndoBringsBackWhatResetAndAnExampleReplaced) {
  example("ExamM");
  const std::vector<std::string> blind = whole(state());
  const std::string blindLatin = state().finalLatin;

  click(form().button("Command3"));  // Reset all, without asking
  settle();
  EXPECT_FALSE(state().actorTickBox.Value);
  keys(Qt::Key_Z);
  EXPECT_EQ(whole(state()), blind);
  settle();
  EXPECT_EQ(state().finalLatin, blindLatin);

  example("ExamA");
  const std::vector<std::string> loveYou = whole(state());
  ASSERT_NE(loveYou, blind);
  keys(Qt::Key_Z);
  EXPECT_EQ(whole(state()), blind);
  keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // redo
  EXPECT_EQ(whole(state()), loveYou);
  keys(Qt::Key_Z);
  keys(Qt::Key_Y);  // redo too
  EXPECT_EQ(whole(state()), loveYou);
  EXPECT_TRUE(form().isEnabled());

  // Everything undone: the empty motto of the start, and no further.
  while (form().history().canUndo()) keys(Qt::Key_Z);
  EXPECT_EQ(whole(state()), mottoFileLines(MottoState{}));
  EXPECT_FALSE(form().action("undoOption")->isEnabled());
  EXPECT_TRUE(form().action("redoOption")->isEnabled());
}

// A picker's visit, a pronoun menu and a tense click are one step each.
TEST_F(Workbench, EachActIsOneStep) {
  tick("actorTickBox");
  tick("actionTickBoc");
  const std::size_t start = form().history().undoCount();
  clickPronoun("actorPronounText", "he_option");
  clickSlot("verbTenseText");
  clickSlot("verbText");
  search(*program->verbPicker, "love");
  QTest::keyClick(program->verbPicker->searchBox(), Qt::Key_Return);
  ASSERT_NE(state().verbText.Tag, "blank");
  EXPECT_EQ(form().history().undoCount(), start + 3);
  // A visit left without a choice and a dismissed menu change nothing.
  clickSlot("verbText");
  QTest::keyClick(program->verbPicker->searchBox(), Qt::Key_Escape);
  clickPronoun("actorPronounText", "");
  EXPECT_EQ(form().history().undoCount(), start + 3);

  keys(Qt::Key_Z);
  EXPECT_EQ(state().verbText.Tag, "blank");
  EXPECT_EQ(state().verbTenseText.Caption, "did/didst");
  keys(Qt::Key_Z);
  EXPECT_EQ(state().verbTenseText.Caption, "do/does/dost/doth");
  keys(Qt::Key_Z);
  EXPECT_EQ(state().actorPronounText.Caption, "()");
  // Undo is the main window's: while a picker is open it does nothing.
  clickSlot("actorNounText");
  form().undoCommand();
  EXPECT_EQ(state().actorNounText.Tag, "influx");
  program->nounPicker->noWordButton()->click();
}

TEST_F(Workbench, CtrlCAndTheContextMenusCopyTheMotto) {
  example("ExamJ");        // "nemo me impune lacessit"
  form().timer()->stop();  // the tick would render over the test's texts
  state().finalLatin = " sine metu ";
  state().finalEnglish = "Without fear.";
  form().showModel();
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  keys(Qt::Key_C);
  EXPECT_EQ(clipboard->text(), q("sine metu"));

  struct Case {
    QWidget* widget;
    const char* item;
    const char* copied;
  };
  const Case cases[] = {
      {form().finalLatinLabel(), "copyEnglish", "Without fear."},
      {form().finalLatinLabel(), "copyBoth", "sine metu\nWithout fear."},
      // A right click on a text box lands on its viewport.
      {form().finalEnglishBox()->viewport(), "copyLatin", "sine metu"},
  };
  for (const Case& c : cases) {
    clipboard->clear();
    answerNextMenu(q(c.item));
    QContextMenuEvent menu(QContextMenuEvent::Mouse, c.widget->rect().center(),
                           c.widget->mapToGlobal(c.widget->rect().center()));
    QApplication::sendEvent(c.widget, &menu);
    EXPECT_EQ(clipboard->text(), q(c.copied)) << c.item;
  }
  EXPECT_EQ(state().finalLatinFont, "Old English Text MT") << "no typeface menu on the way";
}

// The right button no longer opens the typeface menu; the left one does, and
// the menu ticks the face in use.
TEST_F(Workbench, OnlyALeftClickOpensTheTypefaceMenu) {
  QString opened;
  auto watch = [&opened] {
    QTimer::singleShot(0, [&opened] {
      if (QWidget* popup = QApplication::activePopupWidget()) {
        opened = popup->objectName();
        popup->close();
      }
    });
  };
  watch();
  QTest::mouseClick(form().finalLatinLabel(), Qt::RightButton);
  QTest::qWait(20);
  EXPECT_EQ(opened, QString());
  state().finalLatinFont = "informal roman";
  QString ticked;
  QTimer::singleShot(0, [&ticked] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    for (QAction* item : menu->actions())
      if (item->isChecked()) ticked += item->objectName();
    menu->close();
  });
  QTest::mouseClick(form().finalLatinLabel(), Qt::LeftButton);
  EXPECT_EQ(ticked, q("informalRomanFont"));
}

}  // namespace
}  // namespace lexorra::testing
