// "Export lettering..." in the main menu of the real program.
#include <QTemporaryDir>
#include <QToolButton>

#include "program_fixture.h"
#include "text/textops.h"
#include "ui/export_dialog.h"

namespace lexorra::testing {
namespace {

using ExportMenu = ExampleProgramTest;

TEST_F(ExportMenu, OpensTheExportDialogWithTheMottoShown) {
  ASSERT_TRUE(exampleShownWithinOneTick("ExamM"));
  answerNextMenu("highTowerFont");
  click(form().finalLatinLabel());

  answerNextMenu("exportLetteringOption");
  click(form().button("Command1"));
  auto* dialog = form().findChild<ui::ExportDialog*>();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(dialog->isModal());
  std::string name;
  for (char c : std::string(text::trimSpaces(state().finalLatin))) name += c == ' ' ? '_' : c;
  EXPECT_EQ(dialog->suggestedFileName().toStdString(), name + ".svg");

  // What is written is the motto in the face the window shows.
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(dialog->exportTo(dir.filePath("motto.svg")));
  EXPECT_FALSE(dialog->isVisible());
  QFile svg(dir.filePath("motto.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  const QByteArray written = svg.readAll();
  const lettering::LetteringText shown{std::string(text::trimSpaces(state().finalLatin)),
                                       state().finalEnglish, "high tower text"};
  EXPECT_EQ(written, lettering::letteringFile(lettering::LetteringFormat::svg, shown, {}));
  EXPECT_TRUE(messages.messages.empty());
}

}  // namespace
}  // namespace lexorra::testing
