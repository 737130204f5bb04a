// Writing the lettering as SVG, PDF or PNG. Each file is made whole in
// memory and then saved in one step, so that a failure leaves no half-written
// file behind.
#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "lettering/lettering.h"
#include "lettering/qt_text.h"
#include "text/codepage.h"
#include "text/textops.h"

namespace lexorra::lettering {

namespace {

struct FormatName {
  LetteringFormat format;
  std::string_view name;
};
constexpr std::array<FormatName, 3> kFormats = {{
    {LetteringFormat::svg, "svg"},
    {LetteringFormat::pdf, "pdf"},
    {LetteringFormat::png, "png"},
}};

struct WidthUnit {
  std::string_view name;
  double millimetres;
};
constexpr std::array<WidthUnit, 3> kWidthUnits = {{
    {"mm", 1},
    {"cm", 10},
    {"in", kMillimetresPerInch},
}};

// SVG coordinates in hundredths of a millimetre: the size the file states
// (width="120mm") comes out exact for any width given to 0.01 mm.
constexpr int kSvgUnitsPerMm = 100;
// The PDF page: the lettering and a small margin around it.
constexpr double kPdfMarginMm = 5;
constexpr int kPdfDpi = 1200;
// A PNG larger than this (about 400 MB while drawn) is refused.
constexpr double kMaxPngPixels = 100e6;

std::string centimetres(double mm) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%g cm", mm / 10);
  return buffer;
}

QByteArray svgFile(const LetteringLayout& layout, const QString& title) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  const QSize units(static_cast<int>(std::lround(layout.sizeMm.width() * kSvgUnitsPerMm)),
                    static_cast<int>(std::lround(layout.sizeMm.height() * kSvgUnitsPerMm)));
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(static_cast<int>(kSvgUnitsPerMm * kMillimetresPerInch));
  svg.setSize(units);
  // The drawing's unit is the millimetre.
  svg.setViewBox(QRectF(0, 0, static_cast<double>(units.width()) / kSvgUnitsPerMm,
                        static_cast<double>(units.height()) / kSvgUnitsPerMm));
  svg.setTitle(title);
  svg.setDescription("Lettering made by Lexorra");
  QPainter painter;
  if (!painter.begin(&svg)) throw LetteringError({}, "the SVG cannot be drawn");
  paintLettering(painter, layout);
  painter.end();
  return buffer.data();
}

QByteArray pdfFile(const LetteringLayout& layout, const QString& title) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setTitle(title);
  pdf.setCreator("Lexorra");
  pdf.setResolution(kPdfDpi);
  // The PDF page is a whole number of points: the lettering in the middle,
  // with at least the margin around it.
  constexpr double kPointsPerMm = 72 / kMillimetresPerInch;
  const QSize pagePoints(
      static_cast<int>(std::ceil((layout.sizeMm.width() + 2 * kPdfMarginMm) * kPointsPerMm)),
      static_cast<int>(std::ceil((layout.sizeMm.height() + 2 * kPdfMarginMm) * kPointsPerMm)));
  // A custom size is taken as it stands: "portrait" does not turn a wide page.
  pdf.setPageLayout(QPageLayout(QPageSize(pagePoints, QString(), QPageSize::ExactMatch),
                                QPageLayout::Portrait, QMarginsF()));
  QPainter painter;
  if (!painter.begin(&pdf)) throw LetteringError({}, "the PDF cannot be drawn");
  const double dotsPerMm = kPdfDpi / kMillimetresPerInch;
  painter.scale(dotsPerMm, dotsPerMm);
  painter.translate((pagePoints.width() / kPointsPerMm - layout.sizeMm.width()) / 2,
                    (pagePoints.height() / kPointsPerMm - layout.sizeMm.height()) / 2);
  paintLettering(painter, layout);
  painter.end();
  return buffer.data();
}

QByteArray pngFile(const LetteringLayout& layout, int dpi, const QString& title) {
  const double dotsPerMm = dpi / kMillimetresPerInch;
  const double pixels = layout.sizeMm.width() * dotsPerMm * layout.sizeMm.height() * dotsPerMm;
  if (pixels > kMaxPngPixels)
    throw LetteringError({}, "a PNG of " + centimetres(layout.sizeMm.width()) + " at " +
                                 std::to_string(dpi) +
                                 " dpi is too large; choose a smaller width or resolution");
  QImage image = letteringImage(layout, dpi);
  image.setText("Title", title);
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  if (!writer.write(image)) throw LetteringError({}, writer.errorString().toStdString());
  return buffer.data();
}

}  // namespace

std::optional<LetteringFormat> formatNamed(std::string_view name) {
  const std::string wanted = text::lowerCase(name);
  for (const FormatName& format : kFormats)
    if (format.name == wanted) return format.format;
  return std::nullopt;
}

std::optional<LetteringFormat> formatOfPath(const std::filesystem::path& path) {
  const std::string extension = path.extension().string();
  if (extension.size() < 2) return std::nullopt;
  return formatNamed(std::string_view(extension).substr(1));
}

std::string_view formatName(LetteringFormat format) {
  for (const FormatName& known : kFormats)
    if (known.format == format) return known.name;
  return "?";
}

std::optional<double> widthInMillimetres(std::string_view text) {
  text = text::trimSpaces(text);
  double number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end == text.data()) return std::nullopt;
  const std::string unit = text::lowerCase(text::trimSpaces(std::string_view(end, text.end())));
  double factor = unit.empty() ? 10.0 : 0.0;
  for (const WidthUnit& known : kWidthUnits)
    if (known.name == unit) factor = known.millimetres;
  const double mm = number * factor;
  if (factor == 0 || !std::isfinite(mm) || mm <= 0) return std::nullopt;
  return mm;
}

std::optional<std::string> letteringProblem(const LetteringText& text,
                                            const LetteringOptions& options,
                                            std::optional<LetteringFormat> format) {
  if (text::trimSpaces(text.latin).empty()) return "there is no Latin motto to letter";
  if (!(options.widthMm >= kMinWidthMm && options.widthMm <= kMaxWidthMm))
    return "the width must lie between " + centimetres(kMinWidthMm) + " and " +
           centimetres(kMaxWidthMm);
  if (options.lines != 1 && options.lines != 2) return "the lettering has one line or two";
  if (format == LetteringFormat::png && (options.dpi < kMinDpi || options.dpi > kMaxDpi))
    return "the resolution must lie between " + std::to_string(kMinDpi) + " and " +
           std::to_string(kMaxDpi) + " dpi";
  return std::nullopt;
}

namespace {

// The laid-out lettering, or LetteringError (with an empty path) for
// lettering that cannot be made.
LetteringLayout checkedLayout(LetteringFormat format, const LetteringText& text,
                              const LetteringOptions& options) {
  if (auto problem = letteringProblem(text, options, format)) throw LetteringError({}, *problem);
  LetteringLayout layout = layOutLettering(text, options);
  if (layout.sizeMm.isEmpty())
    throw LetteringError({}, "the typeface has no letters for \"" +
                                 text::cp1252ToUtf8(text::trimSpaces(text.latin)) + "\"");
  return layout;
}

QByteArray fileContents(LetteringFormat format, const LetteringLayout& layout,
                        const LetteringText& text, const LetteringOptions& options) {
  const QString title = toQString(text::trimSpaces(text.latin));
  switch (format) {
    case LetteringFormat::svg:
      return svgFile(layout, title);
    case LetteringFormat::pdf:
      return pdfFile(layout, title);
    case LetteringFormat::png:
      return pngFile(layout, options.dpi, title);
  }
  throw LetteringError({}, "unknown format");
}

}  // namespace

QByteArray letteringFile(LetteringFormat format, const LetteringText& text,
                         const LetteringOptions& options) {
  return fileContents(format, checkedLayout(format, text, options), text, options);
}

LetteringError::LetteringError(std::filesystem::path path, std::string reason)
    : std::runtime_error(path.empty() ? reason : path.string() + ": " + reason),
      path_(std::move(path)),
      reason_(std::move(reason)) {}

QSizeF writeLettering(const std::filesystem::path& path, LetteringFormat format,
                      const LetteringText& text, const LetteringOptions& options) {
  if (path.empty()) throw LetteringError(path, "no file is named");
  QByteArray contents;
  QSizeF size;
  try {
    const LetteringLayout layout = checkedLayout(format, text, options);
    size = layout.sizeMm;
    contents = fileContents(format, layout, text, options);
  } catch (const LetteringError& e) {
    throw LetteringError(path, e.reason());
  }
  QSaveFile file(QFile::decodeName(path.c_str()));
  if (!file.open(QIODevice::WriteOnly))
    throw LetteringError(path, "cannot be written: " + file.errorString().toStdString());
  if (file.write(contents) != contents.size() || !file.commit())
    throw LetteringError(path, "cannot be written: " + file.errorString().toStdString());
  return size;
}

}  // namespace lexorra::lettering
