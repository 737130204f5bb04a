// The lettering export dialog, driven as a person would: its settings, the
// preview, the save dialog's answer and what lands on disk.
#include "ui/export_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "ui/qt_test_support.h"

namespace lexorra {
namespace {

using lettering::LetteringFormat;
using testing::application;
using testing::MessageRecorder;
using testing::screenshotFolder;

const lettering::LetteringText kMotto{"amor vincit omnia", "Love conquers all.",
                                      "Old English Text MT"};

template <typename Widget>
Widget* control(const ui::ExportDialog& dialog, const char* name) {
  auto* widget = dialog.findChild<Widget*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

QImage previewOf(const ui::ExportDialog& dialog) {
  return control<QLabel>(dialog, "previewLabel")->pixmap().toImage();
}

// The horizontal centre of the preview's dark pixels.
double inkCentre(const QImage& image) {
  double sum = 0;
  long count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 64) {
        sum += x;
        ++count;
      }
  return count ? sum / static_cast<double>(count) : -1;
}

TEST(ExportDialog, TheSettingsAndTheirDefaults) {
  application();
  ui::ExportDialog dialog;
  dialog.setLettering(kMotto);
  EXPECT_EQ(dialog.format(), LetteringFormat::svg);
  const lettering::LetteringOptions options = dialog.options();
  EXPECT_DOUBLE_EQ(options.widthMm, 120);
  EXPECT_FALSE(options.mirrored || options.outlineOnly || options.withEnglish);
  EXPECT_EQ(options.lines, 1);
  EXPECT_EQ(options.dpi, 300);
  // The resolution is the PNG's alone.
  auto* dpi = control<QSpinBox>(dialog, "dpiBox");
  EXPECT_FALSE(dpi->isEnabled());
  control<QComboBox>(dialog, "formatBox")->setCurrentIndex(2);
  EXPECT_EQ(dialog.format(), LetteringFormat::png);
  EXPECT_TRUE(dpi->isEnabled());
  EXPECT_NE(control<QLabel>(dialog, "sizeLabel")->text().indexOf("1417 x"), -1)
      << control<QLabel>(dialog, "sizeLabel")->text().toStdString();

  control<QCheckBox>(dialog, "mirrorBox")->setChecked(true);
  control<QCheckBox>(dialog, "outlineBox")->setChecked(true);
  control<QCheckBox>(dialog, "englishBox")->setChecked(true);
  control<QComboBox>(dialog, "linesBox")->setCurrentIndex(1);
  dpi->setValue(600);
  const lettering::LetteringOptions chosen = dialog.options();
  EXPECT_TRUE(chosen.mirrored && chosen.outlineOnly && chosen.withEnglish);
  EXPECT_EQ(chosen.lines, 2);
  EXPECT_EQ(chosen.dpi, 600);
}

// Switching units shows the same length in the other unit, and back.
TEST(ExportDialog, TheWidthInCentimetresOrInches) {
  application();
  ui::ExportDialog dialog;
  dialog.setLettering(kMotto);
  auto* width = control<QDoubleSpinBox>(dialog, "widthBox");
  auto* unit = control<QComboBox>(dialog, "unitBox");
  unit->setCurrentIndex(1);
  EXPECT_NEAR(width->value(), 4.72, 0.005);
  EXPECT_DOUBLE_EQ(dialog.options().widthMm, 120);
  unit->setCurrentIndex(0);
  EXPECT_DOUBLE_EQ(width->value(), 12);
  EXPECT_DOUBLE_EQ(dialog.options().widthMm, 120);
  unit->setCurrentIndex(1);
  width->setValue(4);
  EXPECT_NEAR(dialog.options().widthMm, 101.6, 1e-9);
}

TEST(ExportDialog, ThePreviewShowsTheMirror) {
  application();
  ui::ExportDialog dialog;
  // Lettering heavy on its left: its mirror is heavy on the right.
  dialog.setLettering({"mmmmm il", "", "times new roman"});
  const QImage plain = previewOf(dialog);
  ASSERT_FALSE(plain.isNull());
  control<QCheckBox>(dialog, "mirrorBox")->setChecked(true);
  const QImage mirrored = previewOf(dialog);
  EXPECT_NE(plain, mirrored);
  const double centre = plain.width() / 2.0;
  EXPECT_GT(std::abs(inkCentre(plain) - centre), 2);
  EXPECT_NEAR(inkCentre(mirrored) - centre, centre - inkCentre(plain), 1.5);
}

TEST(ExportDialog, NoLatinNoExport) {
  application();
  ui::ExportDialog dialog;
  dialog.setLettering({"  ", "", "times new roman"});
  EXPECT_FALSE(control<QPushButton>(dialog, "exportButton")->isEnabled());
  EXPECT_EQ(control<QLabel>(dialog, "previewLabel")->text(), "There is no Latin motto to letter.");
  dialog.setLettering(kMotto);
  EXPECT_TRUE(control<QPushButton>(dialog, "exportButton")->isEnabled());
}

TEST(ExportDialog, ExportsToTheFileTheSaveDialogNames) {
  application();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ui::ExportDialog dialog;
  dialog.setLettering(kMotto);
  control<QComboBox>(dialog, "formatBox")->setCurrentIndex(2);
  control<QSpinBox>(dialog, "dpiBox")->setValue(600);
  QString offered, filter;
  dialog.setFileChooser([&](QWidget*, const QString& suggested, const QString& asked) {
    offered = suggested;
    filter = asked;
    return dir.filePath("for the studio");  // typed without an extension
  });
  dialog.show();
  QTest::mouseClick(control<QPushButton>(dialog, "exportButton"), Qt::LeftButton);
  EXPECT_TRUE(offered.endsWith("/amor_vincit_omnia.png")) << offered.toStdString();
  EXPECT_EQ(filter, "PNG images (*.png)");
  QImageReader reader(dir.filePath("for the studio.png"));
  const QImage image = reader.read();
  ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
  EXPECT_NEAR(image.width(), 120 / 25.4 * 600, 1);
  EXPECT_FALSE(dialog.isVisible());  // done
  // The next export starts in the folder of this one.
  dialog.show();
  QTest::mouseClick(control<QPushButton>(dialog, "exportButton"), Qt::LeftButton);
  EXPECT_EQ(offered, QDir(dir.path()).filePath("amor_vincit_omnia.png"));
}

TEST(ExportDialog, ACancelledSaveDialogWritesNothing) {
  application();
  MessageRecorder messages;
  ui::ExportDialog dialog;
  dialog.setLettering(kMotto);
  dialog.setFileChooser([](QWidget*, const QString&, const QString&) { return QString(); });
  dialog.show();
  QTest::mouseClick(control<QPushButton>(dialog, "exportButton"), Qt::LeftButton);
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_TRUE(messages.messages.empty());
}

TEST(ExportDialog, AFileThatCannotBeWrittenIsToldAndTheDialogStays) {
  application();
  MessageRecorder messages;
  ui::ExportDialog dialog;
  dialog.setLettering(kMotto);
  dialog.show();
  EXPECT_FALSE(dialog.exportTo("/nonexistent-folder/motto.svg"));
  EXPECT_TRUE(dialog.isVisible());
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].kind, ui::MessageKind::critical);
  EXPECT_NE(messages.messages[0].text.indexOf("/nonexistent-folder/motto.svg: cannot be written"),
            -1)
      << messages.messages[0].text.toStdString();
}

TEST(ExportDialog, OneDialogPerWindowTakesTheMottoAsItIsNow) {
  application();
  QWidget window;
  MottoState state;
  state.finalLatin = " nemo me impune lacessit ";
  state.finalEnglish = "No one provokes me with impunity.";
  state.finalLatinFont = "high tower text";
  ui::ExportDialog* first = ui::showExportDialog(&window, state);
  EXPECT_TRUE(first->isVisible());
  EXPECT_EQ(first->suggestedFileName(), "nemo_me_impune_lacessit.svg");
  control<QCheckBox>(*first, "mirrorBox")->setChecked(true);
  first->hide();
  state.finalLatin = "amor caecus est";
  ui::ExportDialog* again = ui::showExportDialog(&window, state);
  EXPECT_EQ(again, first);
  EXPECT_TRUE(again->options().mirrored);  // the settings stay
  EXPECT_EQ(again->suggestedFileName(), "amor_caecus_est.svg");
  again->hide();
}

// What a person sees: the dialog, and the PNG it writes.
TEST(ExportDialog, Screenshots) {
  application();
  ui::ExportDialog dialog;
  dialog.setLettering({"amor pecuniae radix malorum omnium est",
                       "Love of money is the root of all evils.", "Old English Text MT"});
  control<QComboBox>(dialog, "formatBox")->setCurrentIndex(2);
  control<QComboBox>(dialog, "linesBox")->setCurrentIndex(1);
  control<QCheckBox>(dialog, "englishBox")->setChecked(true);
  dialog.show();
  const auto folder = screenshotFolder();
  EXPECT_TRUE(dialog.grab().save(QString::fromStdString((folder / "export_dialog.png").string())));
  const QString exported = QString::fromStdString((folder / "exported_lettering.png").string());
  QFile::remove(exported);
  EXPECT_TRUE(dialog.exportTo(exported));
  EXPECT_FALSE(QImage(exported).isNull());
}

}  // namespace
}  // namespace lexorra
