// The window "Why this Latin?": its table for a motto, the parser's check
// beside it, following the motto, and the sheet written as a PDF page.
#include "ui/explain_window.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cstdlib>

#include "editor/motto_file.h"
#include "editor/refresh.h"
#include "render/delivered_motto.h"
#include "ui/qt_test_support.h"

namespace lexorra {
namespace {

namespace fs = std::filesystem;
using testing::application;
using testing::delivered;
using testing::MessageRecorder;
using testing::screenshotFolder;

MottoState example(std::string_view file) {
  MottoState state;
  state.Enabled = true;
  loadExample(state, delivered().lexicon, testing::kDataFolder, file);
  for (int tick = 0; tick < 4; ++tick)
    Timer1_Timer(state, delivered().lexicon, delivered().english);
  return state;
}

bool waitForCheck(ui::ExplainWindow& window) {
  QSignalSpy finished(&window, &ui::ExplainWindow::checkFinished);
  return !window.checking() || finished.wait(10000);
}

QString text(const QTableWidget& table, int row, int column) {
  return table.item(row, column) ? table.item(row, column)->text() : QString();
}

std::string run(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

class ExplainWindowTest : public testing::DeliveredMottos {
 protected:
  void SetUp() override {
    testing::DeliveredMottos::SetUp();
    application();
  }
};

TEST_F(ExplainWindowTest, ListsEveryWordAndChecksItBeside) {
  MottoState state = example("ex_love_of_money_is_the_root_of_allevery_evil");
  ui::ExplainWindow window(state, delivered().lexicon);
  window.explainMotto();
  window.show();
  QTableWidget& table = *window.table();
  ASSERT_EQ(table.rowCount(), 6);
  EXPECT_EQ(text(table, 1, 0), "pecuniae");
  EXPECT_EQ(text(table, 1, 3), "genitive singular");
  EXPECT_EQ(text(table, 1, 4), "of the first thing");
  EXPECT_EQ(table.horizontalHeaderItem(5)->text(), "Check");
  ASSERT_TRUE(waitForCheck(window));
  const QString status = window.statusLabel()->text();
  if (explain::parserInstalled()) {
    EXPECT_EQ(status, "Checked by the Latin parser whitakers-words: 6 of 6 words confirmed.");
    EXPECT_EQ(text(table, 1, 5), "confirmed");
    EXPECT_TRUE(table.item(1, 5)->toolTip().contains("GEN S F"))
        << table.item(1, 5)->toolTip().toStdString();
  } else {
    EXPECT_TRUE(status.contains("sudo apt-get install whitakers-words"));
  }
  QApplication::processEvents();
  window.grab().save(QString::fromStdString((screenshotFolder() / "explain_window.png").string()));
}

TEST_F(ExplainWindowTest, WithoutTheParserTheWindowSaysHowToInstallIt) {
  MottoState state = example("ex_i_love_you");
  ui::ExplainWindow window(state, delivered().lexicon);
  window.setParserOptions({.program = "/nonexistent/whitakers-words"});
  window.explainMotto();
  ASSERT_TRUE(waitForCheck(window));
  EXPECT_TRUE(window.statusLabel()->text().contains("sudo apt-get install whitakers-words"))
      << window.statusLabel()->text().toStdString();
  EXPECT_EQ(text(*window.table(), 0, 5), "not checked");
}

TEST_F(ExplainWindowTest, FollowsTheMottoWhileOpen) {
  MottoState state = example("ex_i_love_you");
  ui::ExplainWindow window(state, delivered().lexicon);
  window.explainMotto();
  ASSERT_TRUE(waitForCheck(window));
  state = example("ex_without_fear");
  // Nothing is explained while the motto is being edited.
  state.Enabled = false;
  window.followMotto();
  EXPECT_EQ(text(*window.table(), 0, 0), "ego");
  state.Enabled = true;
  window.followMotto();
  EXPECT_EQ(window.table()->rowCount(), 2);
  EXPECT_EQ(text(*window.table(), 0, 0), "sine");
  EXPECT_TRUE(waitForCheck(window));
}

TEST_F(ExplainWindowTest, ExportsOnePageWithTheLetteringAndEveryWord) {
  MottoState state = example("ex_god_is_with_me");
  ui::ExplainWindow window(state, delivered().lexicon);
  window.explainMotto();
  ASSERT_TRUE(waitForCheck(window));
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string pdf = dir.filePath("sheet.pdf").toStdString();
  window.setFileChooser([&](QWidget*, const QString& suggested) {
    EXPECT_EQ(suggested, "Deus_mihi_adest_why_this_latin.pdf");
    return QString::fromStdString(pdf);
  });
  MessageRecorder messages;
  window.exportButton_Click();
  EXPECT_TRUE(messages.messages.empty());
  ASSERT_TRUE(fs::exists(pdf));
  const std::string info = run("pdfinfo '" + pdf + "'");
  EXPECT_NE(info.find("Pages:           1"), std::string::npos) << info;
  EXPECT_NE(info.find("pts (A4)"), std::string::npos) << info;
  const std::string words = run("pdftotext -layout '" + pdf + "' -");
  for (std::string_view word :
       {"Why this Latin?", "near to me.", "mihi", "adest", "dative singular", "Dictionary form"})
    EXPECT_NE(words.find(word), std::string::npos) << word << " in\n" << words;
  const fs::path png = screenshotFolder() / "explain_page";
  run("pdftoppm -png -r 100 -singlefile '" + pdf + "' '" + png.string() + "'");
  EXPECT_TRUE(fs::exists(png.string() + ".png"));

  // Printing paints the same page on the printer.
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("printed.pdf"));
  ASSERT_TRUE(window.printTo(printer));
  EXPECT_NE(run("pdftotext -layout '" + dir.filePath("printed.pdf").toStdString() + "' -")
                .find("adsum, adesse"),
            std::string::npos);

  // A file that cannot be written is told, naming it.
  EXPECT_FALSE(window.exportTo(dir.filePath("no-such-folder/sheet.pdf")));
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_TRUE(messages.messages[0].text.contains("no-such-folder/sheet.pdf"));
}

}  // namespace
}  // namespace lexorra
