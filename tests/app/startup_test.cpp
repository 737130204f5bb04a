// Starting the program: the splash window's captions, the windows afterwards,
// and a start-up that fails on a data file.
#include <QTemporaryDir>
#include <fstream>

#include "program_fixture.h"

namespace lexorra::testing {
namespace {

using StartUp = ProgramTest;

std::vector<std::string> texts(const std::vector<QString>& captions) {
  std::vector<std::string> out;
  for (const QString& caption : captions) out.push_back(caption.toStdString());
  return out;
}

TEST_F(StartUp, CaptionsComeInOrderAndOnlyTheRepaintedOnesAreSeen) {
  const std::vector<std::string> set = {
      "Loading principle parts...", "Building from principle parts...",
      "Loading nouns...",           "Loading meanings...",
      "Conjugating verbs...",       "Decompressing Latin from parts...",
      "Medieval vocab...",          "Prepositions..."};
  EXPECT_EQ(texts(program->splash->captionsSet()), set);
  // "Conjugating verbs..." stays up while the adverb picker is built, and
  // "Prepositions..." is set after the last repaint and so never seen.
  const std::vector<std::string> painted(set.begin(), set.end() - 1);
  EXPECT_EQ(texts(program->splash->captionsPainted()), painted);
}

TEST_F(StartUp, EndsWithOnlyTheMainWindowShownAndEveryListFull) {
  EXPECT_FALSE(program->splash->isVisible());
  EXPECT_EQ(program->splash->windowTitle(), q("Lexorra"));
  EXPECT_TRUE(form().isVisible());
  EXPECT_TRUE(form().isEnabled());
  EXPECT_TRUE(state().Enabled);
  ui::SearchPickerWindow* pickers[] = {program->nounPicker.get(), program->verbPicker.get(),
                                       program->adjPicker.get(), program->adverbPicker.get()};
  const char* captions[] = {"Nouns", "Verbs", "Adjectives", "Adverbs"};
  for (std::size_t i = 0; i < 4; ++i) {
    SCOPED_TRACE(captions[i]);
    EXPECT_FALSE(pickers[i]->isVisible());
    EXPECT_EQ(pickers[i]->windowTitle(), q(captions[i]));
    // Every entry of the table is listed before any search.
    EXPECT_GT(pickers[i]->model().rows().size(), 10u);
    EXPECT_EQ(pickers[i]->list()->model()->rowCount(),
              static_cast<int>(pickers[i]->model().rows().size()));
  }
  EXPECT_GT(program->nounPicker->model().rows().size(), 10000u);
  EXPECT_FALSE(program->prepositionPicker->isVisible());
  EXPECT_EQ(program->prepositionPicker->windowTitle(), q("Prepositions"));
  EXPECT_EQ(program->prepositionPicker->list()->model()->rowCount(),
            static_cast<int>(program->prepositionPicker->model().rows().size()));
}

// A copy of the delivered data in a folder of its own, with one file spoiled.
class DamagedData : public DeliveredDataTest {
 protected:
  void SetUp() override {
    DeliveredDataTest::SetUp();
    if (IsSkipped()) return;
    for (const char* name : kDeliveredData)
      std::filesystem::copy_file(std::filesystem::path(LEXORRA_BIN_DIR) / name, folder() / name);
  }
  std::filesystem::path folder() { return dir.path().toStdString(); }

  QTemporaryDir dir;
  MessageRecorder recorder;
};

TEST_F(DamagedData, AMissingFileIsNamedAndTheProgramEndsWithStatusOne) {
  std::filesystem::remove(folder() / "verbs.dat");
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(app::runProgram(folder()), 1);
  // The terminal gets the file and the reason too, on one line.
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "lexorra: cannot start: verbs.dat: cannot be found (looked for " +
                (folder() / "verbs.dat").string() + ")\n");
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_EQ(recorder.messages[0].kind, ui::MessageKind::critical);
  EXPECT_TRUE(recorder.messages[0].text.contains("verbs.dat"))
      << recorder.messages[0].text.toStdString();
  EXPECT_TRUE(recorder.messages[0].text.contains("cannot be found"));
  for (QWidget* window : QApplication::topLevelWidgets())
    EXPECT_FALSE(window->isVisible()) << window->objectName().toStdString();
}

TEST_F(DamagedData, AnEmptyEnglishTableIsNamedToo) {
  std::ofstream(folder() / "engIrregNouns.txt", std::ios::trunc).close();
  EXPECT_EQ(app::runProgram(folder()), 1);
  ASSERT_EQ(recorder.messages.size(), 1u);
  EXPECT_TRUE(recorder.messages[0].text.contains("engIrregNouns.txt"))
      << recorder.messages[0].text.toStdString();
}

}  // namespace
}  // namespace lexorra::testing
