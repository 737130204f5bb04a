// The face table, the printed page and the help page's look-up.
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "lettering/typefaces.h"
#include "ui/fonts.h"
#include "ui/printing.h"
#include "ui/qt_test_support.h"
#include "ui/shell.h"

namespace lexorra {
namespace {

using testing::application;

struct FaceCase {
  const char* requested;
  const char* family;
};

TEST(Fonts, EveryRequestedFaceHasAnInstalledStandIn) {
  application();
  const FaceCase cases[] = {
      {"Old English Text MT", "Blankenburg_UNZ1A"},
      {"informal roman", "Comic Neue"},
      {"times new roman", "Liberation Serif"},
      {"Times New Roman", "Liberation Serif"},
      {"high tower text", "Goudy Bookletter 1911"},
      {"Century Gothic", "URW Gothic"},
      {"Garamond", "EB Garamond"},
      {"Lucida Sans Typewriter", "DejaVu Sans Mono"},
  };
  for (const FaceCase& c : cases) {
    SCOPED_TRACE(c.requested);
    EXPECT_EQ(lettering::fontFamily(c.requested), QString(c.family));
    // The font system really gives that face, not a fallback (it may add a
    // foundry, "URW Gothic [UKWN]").
    EXPECT_TRUE(QFontInfo(ui::windowFont(c.requested, 12)).family().startsWith(c.family))
        << QFontInfo(ui::windowFont(c.requested, 12)).family().toStdString();
    EXPECT_TRUE(lettering::typefaceInstalled(c.requested));
  }
  EXPECT_EQ(lettering::fontFamily("Some Unknown Face"), QString("Some Unknown Face"));
  EXPECT_FALSE(lettering::typefaceInstalled("Some Unknown Face"));
  EXPECT_TRUE(QFontInfo(ui::windowFont("Lucida Sans Typewriter", 9.75)).fixedPitch());
}

QImage drawn(const char* face) {
  QImage image(400, 60, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setFont(ui::windowFont(face, 24));
  painter.drawText(image.rect(), Qt::AlignCenter, "Amor vincit omnia");
  return image;
}

// A person choosing another face in the font menu must see the motto change.
TEST(Fonts, TheFourMottoFacesLookDifferent) {
  application();
  const char* faces[] = {"Old English Text MT", "informal roman", "times new roman",
                         "high tower text"};
  for (std::size_t a = 0; a < 4; ++a)
    for (std::size_t b = a + 1; b < 4; ++b) {
      SCOPED_TRACE(std::string(faces[a]) + " / " + faces[b]);
      EXPECT_NE(drawn(faces[a]), drawn(faces[b]));
    }
}

TEST(Printing, FourLinesInTheirFacesAndSizes) {
  MottoState state;
  state.finalLatin = "Amor vincit omnia";
  state.finalEnglish = "Love conquers all things.";
  state.finalLatinFont = "high tower text";
  const auto lines = ui::printLines(state);
  const ui::PrintLine expected[] = {
      {"high tower text", 20, "Amor vincit omnia"},
      {"high tower text", 40, "Amor vincit omnia"},
      {"Times New Roman", 12, "Amor vincit omnia"},
      {"Times New Roman", 12, "Love conquers all things."},
  };
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(lines[i].face, expected[i].face) << i;
    EXPECT_EQ(lines[i].pointSize, expected[i].pointSize) << i;
    EXPECT_EQ(lines[i].text, expected[i].text) << i;
  }
}

QString runTool(const QString& tool, const QStringList& arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(20000)) return {};
  return QString::fromUtf8(process.readAllStandardOutput());
}

TEST(Printing, PrintsThePageToAPdfFile) {
  application();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString pdf = dir.filePath("motto.pdf");
  MottoState state;
  state.finalLatin = "Amor vincit omnia";
  state.finalEnglish = "Love conquers all things.";
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  ASSERT_TRUE(ui::printMotto(printer, state));
  ASSERT_TRUE(QFileInfo(pdf).size() > 0);

  if (QStandardPaths::findExecutable("pdftotext").isEmpty())
    GTEST_SKIP() << "pdftotext (poppler-utils) is not installed; the page's text is not checked";
  QStringList lines = runTool("pdftotext", {"-layout", pdf, "-"}).split('\n', Qt::SkipEmptyParts);
  for (QString& line : lines) line = line.trimmed();
  lines.removeAll(QString());
  ASSERT_EQ(lines.size(), 4) << lines.join('|').toStdString();
  EXPECT_EQ(lines[0], "Amor vincit omnia");
  EXPECT_EQ(lines[1], "Amor vincit omnia");
  EXPECT_EQ(lines[2], "Amor vincit omnia");
  EXPECT_EQ(lines[3], "Love conquers all things.");
  // The motto's face and the plain face are both on the page.
  const QString fonts = runTool("pdffonts", {pdf});
  EXPECT_TRUE(fonts.contains("Blankenburg")) << fonts.toStdString();
  EXPECT_TRUE(fonts.contains("LiberationSerif")) << fonts.toStdString();
}

TEST(Printing, AnUnopenablePrinterIsAbandonedQuietly) {
  application();
  MottoState state;
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName("/nonexistent-folder/motto.pdf");
  EXPECT_FALSE(ui::printMotto(printer, state));
}

// Help looks in the working folder first, then beside the program.
TEST(HelpPage, WorkingFolderFirstThenProgramFolder) {
  QTemporaryDir work, program;
  const auto workDir = std::filesystem::path(work.path().toStdString());
  const auto programDir = std::filesystem::path(program.path().toStdString());
  EXPECT_TRUE(ui::helpPageUrl(workDir, programDir).isEmpty());
  std::ofstream(programDir / "readme.htm") << "<p>help</p>";
  EXPECT_EQ(ui::helpPageUrl(workDir, programDir).toLocalFile().toStdString(),
            (programDir / "readme.htm").string());
  std::ofstream(workDir / "readme.htm") << "<p>help</p>";
  EXPECT_EQ(ui::helpPageUrl(workDir, programDir).toLocalFile().toStdString(),
            (workDir / "readme.htm").string());
}

}  // namespace
}  // namespace lexorra
