// The exported files, read back as the artist's programs read them: the size
// each states, the mirror, outlines instead of text, the PNG's resolution.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>

#include "lettering/lettering.h"
#include "lettering/lettering_fixture.h"

namespace lexorra {
namespace {

using lettering::LetteringError;
using lettering::LetteringFormat;
using lettering::LetteringOptions;
using testing::guiApplication;
using testing::runTool;
using testing::typicalMotto;

constexpr double kPointsPerMm = 72 / 25.4;

QByteArray file(LetteringFormat format, const LetteringOptions& options) {
  return lettering::letteringFile(format, typicalMotto(), options);
}

// The number before "mm" in the svg element's attribute, or -1.
double svgMillimetres(const QByteArray& svg, const QString& attribute) {
  const QRegularExpression pattern("<svg[^>]*\\s" + attribute + "=\"([0-9.]+)mm\"");
  const auto match = pattern.match(QString::fromUtf8(svg));
  return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

QImage drawnSvg(const QByteArray& svg, double pixelsPerMm) {
  QSvgRenderer renderer(svg);
  const QSizeF mm(svgMillimetres(svg, "width"), svgMillimetres(svg, "height"));
  QImage image((mm * pixelsPerMm).toSize(), QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

// Columns and pixels with ink (more than half opaque).
struct Ink {
  int firstColumn = -1;
  int lastColumn = -1;
  long pixels = 0;
};

Ink inkOf(const QImage& image) {
  Ink ink;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) > 128) {
        ++ink.pixels;
        if (ink.firstColumn < 0 || x < ink.firstColumn) ink.firstColumn = x;
        ink.lastColumn = std::max(ink.lastColumn, x);
      }
  return ink;
}

TEST(ExportedSvg, StatesTheSizeAskedAndHoldsOnlyOutlines) {
  guiApplication();
  for (double width : {120.0, 101.6, 35.0, 250.0})
    for (bool outline : {false, true}) {
      SCOPED_TRACE(std::to_string(width) + (outline ? " outline" : " filled"));
      const LetteringOptions options{.widthMm = width, .outlineOnly = outline};
      const QByteArray svg = file(LetteringFormat::svg, options);
      EXPECT_NEAR(svgMillimetres(svg, "width"), width, 0.5);
      const auto layout = lettering::layOutLettering(typicalMotto(), options);
      EXPECT_NEAR(svgMillimetres(svg, "height"), layout.sizeMm.height(), 0.5);
      EXPECT_TRUE(svg.contains("<path"));
      EXPECT_FALSE(svg.contains("<text"));
      // Outlined letters are stroked at the pen's width in millimetres.
      const QByteArray stroke = "stroke-width=\"" + QByteArray::number(layout.outlinePenMm) + "\"";
      EXPECT_EQ(svg.contains(stroke), outline) << stroke.data();
    }
  EXPECT_TRUE(file(LetteringFormat::svg, {}).contains("width=\"120mm\""));
}

// The lettering, not just the canvas, is the width asked.
TEST(ExportedSvg, TheInkReachesBothEdges) {
  guiApplication();
  for (int lines : {1, 2}) {
    const QImage image = drawnSvg(file(LetteringFormat::svg, {.lines = lines}), 10);
    ASSERT_EQ(image.width(), 1200);
    const Ink ink = inkOf(image);
    EXPECT_LE(ink.firstColumn, 1);
    EXPECT_GE(ink.lastColumn, image.width() - 2);
  }
}

TEST(ExportedSvg, MirroredIsTheHorizontalMirrorOfThePlainOne) {
  guiApplication();
  for (bool english : {false, true}) {
    SCOPED_TRACE(english ? "with English" : "Latin only");
    const QImage plain = drawnSvg(file(LetteringFormat::svg, {.withEnglish = english}), 8);
    const QImage mirrored =
        drawnSvg(file(LetteringFormat::svg, {.mirrored = true, .withEnglish = english}), 8);
    ASSERT_EQ(plain.size(), mirrored.size());
    const QImage flipped = plain.mirrored(true, false);
    long differing = 0, differingUnflipped = 0;
    for (int y = 0; y < plain.height(); ++y)
      for (int x = 0; x < plain.width(); ++x) {
        const int alpha = qAlpha(mirrored.pixel(x, y));
        differing += std::abs(alpha - qAlpha(flipped.pixel(x, y))) > 64;
        differingUnflipped += std::abs(alpha - qAlpha(plain.pixel(x, y))) > 64;
      }
    const long pixels = static_cast<long>(plain.width()) * plain.height();
    EXPECT_LT(differing, pixels / 500) << differing << " of " << pixels;
    EXPECT_GT(differingUnflipped, pixels / 20);
  }
}

TEST(ExportedSvg, AnotherRendererDrawsItAtItsRealSize) {
  guiApplication();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString svg = dir.filePath("motto.svg");
  const QString png = dir.filePath("motto.png");
  lettering::writeLettering(svg.toStdString(), LetteringFormat::svg, typicalMotto(), {});
  const auto run = runTool("rsvg-convert", {"-o", png, svg});
  if (!run.ran) GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
  ASSERT_EQ(run.status, 0);
  const QImage image(png);
  ASSERT_FALSE(image.isNull());
  // rsvg-convert draws at 96 pixels to the inch.
  EXPECT_NEAR(image.width(), 120 / 25.4 * 96, 1);
  EXPECT_GT(inkOf(image).pixels, image.width() * image.height() / 20);
}

// The streams of a PDF, inflated (Qt compresses them with Flate).
QList<QByteArray> pdfStreams(const QByteArray& pdf) {
  QList<QByteArray> streams;
  const QRegularExpression start("(?<!end)stream\\r?\\n");
  const QString latin1 = QString::fromLatin1(pdf);
  for (auto match = start.globalMatch(latin1); match.hasNext();) {
    const auto found = match.next();
    const qsizetype from = found.capturedEnd();
    const qsizetype to = pdf.indexOf("endstream", from);
    QByteArray data(4, '\0');
    qToBigEndian<quint32>(16u << 20, data.data());  // room for the inflated stream
    data += pdf.mid(from, to - from);
    const QByteArray inflated = qUncompress(data);
    streams.push_back(inflated.isEmpty() ? pdf.mid(from, to - from) : inflated);
  }
  return streams;
}

TEST(ExportedPdf, OnePageOfTheRightSizeWithOutlinesOnly) {
  guiApplication();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  for (double width : {120.0, 60.0})
    for (bool english : {false, true}) {
      SCOPED_TRACE(std::to_string(width) + (english ? " with English" : ""));
      const LetteringOptions options{.widthMm = width, .withEnglish = english};
      const QString pdf = dir.filePath("motto.pdf");
      const QSizeF size = lettering::writeLettering(pdf.toStdString(), LetteringFormat::pdf,
                                                    typicalMotto(), options);
      QFile read(pdf);
      ASSERT_TRUE(read.open(QIODevice::ReadOnly));
      const QByteArray bytes = read.readAll();

      // No text objects anywhere: every stream is free of BT ... ET.
      const QList<QByteArray> streams = pdfStreams(bytes);
      ASSERT_FALSE(streams.isEmpty());
      bool paths = false;
      for (const QByteArray& stream : streams) {
        EXPECT_FALSE(QRegularExpression("\\bBT\\b").match(QString::fromLatin1(stream)).hasMatch());
        paths = paths || stream.contains(" m\n");
      }
      EXPECT_TRUE(paths);

      const auto info = runTool("pdfinfo", {pdf});
      if (!info.ran) GTEST_SKIP() << "pdfinfo (poppler-utils) is not installed";
      const QString text = QString::fromUtf8(info.out);
      EXPECT_TRUE(QRegularExpression("Pages:\\s+1\\n").match(text).hasMatch()) << info.out.data();
      const auto page = QRegularExpression("Page size:\\s+([0-9.]+) x ([0-9.]+) pts").match(text);
      ASSERT_TRUE(page.hasMatch()) << info.out.data();
      // The lettering and a margin of 5 mm on each side.
      EXPECT_NEAR(page.captured(1).toDouble() / kPointsPerMm, size.width() + 10, 0.5);
      EXPECT_NEAR(page.captured(2).toDouble() / kPointsPerMm, size.height() + 10, 0.5);
      EXPECT_NEAR(size.width(), width, 1e-9);

      // No font is needed to open it.
      const auto fonts = runTool("pdffonts", {pdf});
      ASSERT_TRUE(fonts.ran);
      EXPECT_EQ(fonts.out.count('\n'), 2) << fonts.out.data();  // the heading only
      const auto words = runTool("pdftotext", {pdf, "-"});
      ASSERT_TRUE(words.ran);
      EXPECT_TRUE(words.out.trimmed().isEmpty()) << words.out.data();
    }
}

TEST(ExportedPng, TheWidthAtTheResolutionAskedAndTransparent) {
  guiApplication();
  struct Case {
    double widthMm;
    int dpi;
  };
  const Case cases[] = {{120, 300}, {101.6, 600}, {50, 72}, {300, 150}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.widthMm) + " mm at " + std::to_string(c.dpi));
    const QImage image =
        QImage::fromData(file(LetteringFormat::png, {.widthMm = c.widthMm, .dpi = c.dpi}), "png");
    ASSERT_FALSE(image.isNull());
    EXPECT_NEAR(image.width(), c.widthMm / 25.4 * c.dpi, 1);
    EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, c.dpi, 0.5);
    EXPECT_NEAR(image.dotsPerMeterY() * 0.0254, c.dpi, 0.5);
    ASSERT_TRUE(image.hasAlphaChannel());
    const long pixels = static_cast<long>(image.width()) * image.height();
    const Ink ink = inkOf(image);
    EXPECT_GT(ink.pixels, pixels / 10);
    EXPECT_LT(ink.pixels, pixels * 8 / 10);  // the ground between letters is transparent
    EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, 0)) == 0 ||
                  qAlpha(image.pixel(image.width() / 2, image.height() - 1)) == 0,
              true);
    // Black ink.
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, image.height() / 2);
      if (qAlpha(pixel) == 255) {
        EXPECT_EQ(qGray(pixel), 0);
      }
    }
  }
}

TEST(ExportedPng, OutlinesHoldLessInkThanFilledLetters) {
  guiApplication();
  const QImage filled = QImage::fromData(file(LetteringFormat::png, {}), "png");
  const QImage outline = QImage::fromData(file(LetteringFormat::png, {.outlineOnly = true}), "png");
  ASSERT_EQ(filled.width(), outline.width());
  const long filledInk = inkOf(filled).pixels;
  const long outlineInk = inkOf(outline).pixels;
  EXPECT_GT(outlineInk, 0);
  EXPECT_LT(outlineInk, filledInk * 8 / 10);
}

TEST(ExportedPng, TooLargeToHoldIsRefused) {
  guiApplication();
  try {
    file(LetteringFormat::png, {.widthMm = 5000, .dpi = 2400});
    FAIL() << "no error";
  } catch (const LetteringError& e) {
    EXPECT_NE(e.reason().find("too large"), std::string::npos) << e.what();
  }
}

std::string readAll(const QString& path) {
  QFile in(path);
  return in.open(QIODevice::ReadOnly) ? in.readAll().toStdString() : "(missing)";
}

TEST(WriteLettering, FailuresNameTheFileAndTheReason) {
  guiApplication();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  struct Case {
    const char* name;
    std::string path;
    lettering::LetteringText text;
    const char* reason;
  };
  const Case cases[] = {
      {"missing folder", "/nonexistent-folder/motto.svg", typicalMotto(), "cannot be written"},
      {"a folder", dir.path().toStdString(), typicalMotto(), "cannot be written"},
      {"no Latin",
       dir.filePath("kept.svg").toStdString(),
       {" ", "x", "times new roman"},
       "no Latin"},
      {"no file", "", typicalMotto(), "no file"},
  };
  {
    QFile kept(dir.filePath("kept.svg"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
    kept.write("earlier lettering");
  }
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      lettering::writeLettering(c.path, LetteringFormat::svg, c.text, {});
      ADD_FAILURE() << "no error";
    } catch (const LetteringError& e) {
      EXPECT_EQ(e.path().string(), c.path);
      EXPECT_NE(e.reason().find(c.reason), std::string::npos) << e.reason();
      EXPECT_EQ(std::string(e.what()).find(c.path), 0u) << e.what();
    }
  }
  // A failed export leaves the file that was there.
  EXPECT_EQ(readAll(dir.filePath("kept.svg")), "earlier lettering");
}

TEST(WriteLettering, TheFileIsTheLetteringAndItsSizeIsTold) {
  guiApplication();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("motto.svg");
  const LetteringOptions options{.widthMm = 90, .lines = 2};
  const QSizeF size =
      lettering::writeLettering(path.toStdString(), LetteringFormat::svg, typicalMotto(), options);
  EXPECT_EQ(size, lettering::layOutLettering(typicalMotto(), options).sizeMm);
  EXPECT_EQ(readAll(path), file(LetteringFormat::svg, options).toStdString());
}

}  // namespace
}  // namespace lexorra
