// The real program, started from the delivered data, for tests that drive it
// the way a person would.
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <deque>
#include <filesystem>
#include <memory>

#include "app/program.h"
#include "ui/file_dialogs.h"
#include "ui/latin_preview.h"
#include "ui/qt_test_support.h"
#include "ui/slot_label.h"

namespace lexorra::testing {

inline const char* const kDeliveredData[] = {
    "conjunctives.dat", "prepositions.dat", "adjectives.dat",    "adverbs.dat",      "verbs.dat",
    "nouns.dat",        "pronouns.dat",     "engIrregVerbs.txt", "engIrregNouns.txt"};

// The name of the first delivered data file that is not beside the tests, or
// empty when all are there.
inline std::string missingDataFile() {
  for (const char* name : kDeliveredData)
    if (!std::filesystem::exists(std::filesystem::path(LEXORRA_BIN_DIR) / name)) return name;
  return {};
}

// Whether the example motto files have been delivered beside the tests.
inline bool examplesDelivered() {
  return std::filesystem::exists(std::filesystem::path(LEXORRA_BIN_DIR) / "ex_love_is_blind");
}
inline constexpr const char* kNoExamples = "the example motto files have not been delivered yet";

// A tag that no lexicon entry has, as a damaged motto file may hold.
inline constexpr const char* kUnknownTag = "99999999";

// Answers the file dialogs while it lives: each dialog takes the next answer
// (an empty text cancels) and is recorded with what it proposed.
class FileDialogAnswers {
 public:
  FileDialogAnswers() {
    ui::setFileDialogHook([this](ui::FileDialogKind kind, const QString& proposed) {
      asked.push_back({kind, proposed});
      if (answers.empty()) return QString();
      QString answer = answers.front();
      answers.pop_front();
      return answer;
    });
  }
  ~FileDialogAnswers() { ui::setFileDialogHook({}); }
  struct Asked {
    ui::FileDialogKind kind;
    QString proposed;
  };
  std::deque<QString> answers;
  std::vector<Asked> asked;
};

// The application of the window tests, with every delivered data file
// beside the tests; without one, the test is skipped.
class DeliveredDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    application();
    if (std::string missing = missingDataFile(); !missing.empty())
      GTEST_SKIP() << missing << " has not been delivered yet";
  }
};

class ProgramTest : public DeliveredDataTest {
 protected:
  void SetUp() override {
    DeliveredDataTest::SetUp();
    if (IsSkipped()) return;
    program = app::createProgram();
    // Saved mottos go to a folder of the test's own, not the documents folder.
    program->form->setMottoFolder(home() / "Documents" / "Lexorra");
    // No browser and no quitting from inside a test.
    ui::MainWindowHooks hooks = program->form->hooks();
    hooks.openWebsite = [this] { ++websiteOpened; };
    hooks.openHelp = [this] { ++helpOpened; };
    hooks.exitProgram = [this] { ++exitRequested; };
    program->form->setHooks(hooks);
    ASSERT_TRUE(app::startUp(*program, LEXORRA_BIN_DIR));
  }

  void TearDown() override {
    if (program) {
      for (QWidget* w : QApplication::topLevelWidgets()) w->hide();
      program.reset();
    }
  }

  ui::Form1& form() { return *program->form; }
  std::filesystem::path home() const { return homeFolder.path().toStdString(); }
  MottoState& state() { return program->state; }
  ui::SlotLabel* label(const char* name) { return form().slotLabel(name); }

  void click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    // Tick boxes and option buttons take clicks on their box and caption only.
    const bool boxed = qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget);
    const QPoint where = boxed ? QPoint(8, widget->height() / 2) : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, {}, where);
  }
  void clickSlot(const char* name) { click(label(name)); }
  // Clicks a pronoun slot and answers its menu (an empty item dismisses it).
  void clickPronoun(const char* name, const char* item) {
    answerNextMenu(QString::fromLatin1(item));
    clickSlot(name);
  }
  void tick(const char* tickBox) { click(form().tickBox(tickBox)); }
  // Ticks the first thing and clicks its noun: the noun picker opens.
  ui::SearchPickerWindow& openNounPicker() {
    tick("actorTickBox");
    clickSlot("actorNounText");
    return *program->nounPicker;
  }

  // What the window shows a second after a change: four refreshes, run at
  // once rather than waited for.
  void settle() {
    for (int k = 0; k < 4; ++k) form().Timer1_Timer();
  }

  // Waits at most one refresh tick (with a little slack) for `condition`.
  template <typename Condition>
  bool withinOneTick(Condition condition) {
    return QTest::qWaitFor(condition, 250 + 150);
  }

  // Loads an example from the Examples menu ("ExamM" is "Love is blind"),
  // settled as a second later.
  void example(const char* item) {
    answerNextMenu(q(item));
    click(form().button("Command2"));
    settle();
  }
  // Loads an example from the Examples menu; true when its Latin shows
  // within one refresh tick.
  bool exampleShownWithinOneTick(const char* item) {
    answerNextMenu(q(item));
    click(form().button("Command2"));
    const std::string before = state().finalLatin;
    return withinOneTick([&] { return state().finalLatin != before; });
  }

  // The slot holds a tag that the lexicon does not have, under `caption`.
  void giveUnknownTag(WordSlot& slot, const char* caption) {
    slot.Tag = kUnknownTag;
    slot.Caption = caption;
  }

  // Exactly one message box was shown, and it says `words`.
  void expectOneMessageSaying(const char* words) {
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_TRUE(messages.messages[0].text.contains(q(words)))
        << messages.messages[0].text.toStdString();
  }

  // Types into the picker's search box and waits for nothing: the list is
  // refilled on every keystroke.
  void search(ui::SearchPickerWindow& picker, const char* text) {
    QTest::keyClicks(picker.searchBox(), QString::fromLatin1(text));
  }

  QTemporaryDir homeFolder;
  std::unique_ptr<app::Program> program;
  MessageRecorder messages;
  FileDialogAnswers dialogs;
  int websiteOpened = 0;
  int helpOpened = 0;
  int exitRequested = 0;
};

// The program with the example motto files; without them, the test is
// skipped.
class ExampleProgramTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    if (IsSkipped()) return;
    if (!examplesDelivered()) GTEST_SKIP() << kNoExamples;
  }
};

// A program fixture whose main window is the active window once started,
// as after a person's click on it: the keyboard goes to the window.
template <class Fixture>
class WithActiveWindow : public Fixture {
 protected:
  void SetUp() override {
    Fixture::SetUp();
    if (this->IsSkipped()) return;
    QApplication::setActiveWindow(&this->form());
    QCoreApplication::processEvents();
  }
};

}  // namespace lexorra::testing
