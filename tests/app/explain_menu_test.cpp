// "Why this Latin?" from the main menu and from the button beside the Latin
// of the real program.
#include <QTableWidget>
#include <QToolButton>

#include "program_fixture.h"
#include "ui/explain_window.h"

namespace lexorra::testing {
namespace {

using ExplainMenu = ExampleProgramTest;

TEST_F(ExplainMenu, TheButtonAndTheMenuOpenTheSheetOfTheMottoShown) {
  ASSERT_TRUE(exampleShownWithinOneTick("ExamM"));

  click(form().findChild<QToolButton*>("explainButton"));
  auto* window = form().findChild<ui::ExplainWindow*>();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Why this Latin?");
  EXPECT_EQ(window->table()->rowCount(), 3);  // amor caecus est
  EXPECT_EQ(window->table()->item(0, 0)->text(), "amor");
  form().grab().save(
      QString::fromStdString((screenshotFolder() / "main_window_why_button.png").string()));

  // The main menu opens the same window, which stays usable as the motto
  // changes behind it.
  window->hide();
  answerNextMenu("explainOption");
  click(form().button("Command1"));
  EXPECT_EQ(form().findChildren<ui::ExplainWindow*>().size(), 1);
  EXPECT_TRUE(window->isVisible());
  answerNextMenu("ExamA");
  click(form().button("Command2"));
  EXPECT_TRUE(QTest::qWaitFor([&] { return window->table()->item(0, 0)->text() == "ego"; }, 2000));
  EXPECT_TRUE(QTest::qWaitFor([&] { return !window->checking(); }, 10000));
}

}  // namespace
}  // namespace lexorra::testing
