// Laying out the lettering: the motto's words on one or two lines as glyph
// outlines, scaled so that the widest line's ink is the width asked.
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "lettering/lettering.h"
#include "lettering/qt_text.h"
#include "lettering/typefaces.h"
#include "text/textops.h"

namespace lexorra::lettering {

namespace {

// The outlines are taken at a large size, where no hinting bends them, and
// scaled to millimetres afterwards.
constexpr int kReferencePixels = 200;
// The English meaning: its type against the Latin's, and the gap above it.
constexpr double kEnglishShare = 0.3;
constexpr double kEnglishGapShare = 0.3;
constexpr const char* kEnglishFace = "Garamond";
// Outlined letters: a fine line, thinner still for very small lettering.
constexpr double kOutlinePenMm = 0.3;
constexpr double kOutlinePenShare = 0.02;

QFont referenceFont(std::string_view face) {
  QFont font = typefaceFont(face);
  font.setPixelSize(kReferencePixels);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

QPainterPath outlines(const QString& line, const QFont& font, double baseline) {
  QPainterPath path;
  path.addText(0, baseline, font, line);
  // Glyph contours overlap in many faces (blackletter above all): filled by
  // winding, an overlap is ink, not a hole.
  path.setFillRule(Qt::WindingFill);
  return path;
}

std::vector<std::string> wordsOf(std::string_view latin) {
  std::vector<std::string> words;
  std::string_view rest = text::trimSpaces(latin);
  while (!rest.empty()) {
    const std::size_t end = std::min(rest.find(' '), rest.size());
    words.emplace_back(rest.substr(0, end));
    rest = text::trimSpaces(rest.substr(end));
  }
  return words;
}

std::string joined(const std::vector<std::string>& words, std::size_t from, std::size_t to) {
  std::string line;
  for (std::size_t i = from; i < to; ++i) line += (i == from ? "" : " ") + words[i];
  return line;
}

}  // namespace

std::vector<std::string> letteringLines(std::string_view latin, std::string_view face, int lines) {
  const std::vector<std::string> words = wordsOf(latin);
  if (words.empty()) return {};
  if (lines < 2 || words.size() < 2) return {joined(words, 0, words.size())};
  const QFontMetricsF metrics(referenceFont(face));
  std::size_t bestSplit = 1;
  double bestWidth = 0;
  for (std::size_t split = 1; split < words.size(); ++split) {
    const double width =
        std::max(metrics.horizontalAdvance(toQString(joined(words, 0, split))),
                 metrics.horizontalAdvance(toQString(joined(words, split, words.size()))));
    if (split == 1 || width < bestWidth) {
      bestSplit = split;
      bestWidth = width;
    }
  }
  return {joined(words, 0, bestSplit), joined(words, bestSplit, words.size())};
}

LetteringLayout layOutLettering(const LetteringText& text, const LetteringOptions& options) {
  LetteringLayout layout;
  const std::vector<std::string> lines = letteringLines(text.latin, text.face, options.lines);
  const QFont font = referenceFont(text.face);
  const double lineSpacing = QFontMetricsF(font).lineSpacing();

  // Each line centred on the widest one.
  std::vector<QPainterPath> linePaths;
  double inkWidth = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    linePaths.push_back(outlines(toQString(lines[i]), font, static_cast<double>(i) * lineSpacing));
    inkWidth = std::max(inkWidth, linePaths.back().boundingRect().width());
  }
  if (inkWidth <= 0 || options.widthMm <= 0) return layout;
  QPainterPath latin;
  latin.setFillRule(Qt::WindingFill);
  for (const QPainterPath& path : linePaths) {
    const QRectF ink = path.boundingRect();
    latin.addPath(path.translated((inkWidth - ink.width()) / 2 - ink.left(), 0));
  }

  // An outline's stroke lies half outside the contour: the contours shrink
  // by one stroke so that the ink keeps to the width.
  const double width = options.widthMm;
  const double pen =
      options.outlineOnly
          ? std::min(kOutlinePenMm, kOutlinePenShare * kReferencePixels * width / inkWidth)
          : 0.0;
  const double scale = (width - pen) / inkWidth;
  const QRectF latinInk = latin.boundingRect();
  QTransform toMm;
  toMm.translate(pen / 2, pen / 2);
  toMm.scale(scale, scale);
  toMm.translate(-latinInk.left(), -latinInk.top());
  layout.latin = toMm.map(latin);
  double height = latinInk.height() * scale + pen;

  const std::string_view english = text::trimSpaces(text.english);
  if (options.withEnglish && !english.empty()) {
    const QPainterPath englishPath = outlines(toQString(english), referenceFont(kEnglishFace), 0);
    const QRectF ink = englishPath.boundingRect();
    if (ink.width() > 0) {
      const double englishScale = std::min(scale * kEnglishShare, width / ink.width());
      const double top = height + kEnglishGapShare * kReferencePixels * scale;
      QTransform place;
      place.translate((width - ink.width() * englishScale) / 2, top);
      place.scale(englishScale, englishScale);
      place.translate(-ink.left(), -ink.top());
      layout.english = place.map(englishPath);
      height = top + ink.height() * englishScale;
    }
  }

  if (options.mirrored) {
    const QTransform mirror(-1, 0, 0, 1, width, 0);
    layout.latin = mirror.map(layout.latin);
    layout.english = mirror.map(layout.english);
  }
  layout.sizeMm = QSizeF(width, height);
  layout.outlinePenMm = pen;
  return layout;
}

void paintLettering(QPainter& painter, const LetteringLayout& layout) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  if (layout.outlinePenMm > 0) {
    painter.setPen(
        QPen(Qt::black, layout.outlinePenMm, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
  } else {
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
  }
  painter.drawPath(layout.latin);
  // The English meaning is a note in small type: always filled.
  painter.setPen(Qt::NoPen);
  painter.setBrush(Qt::black);
  painter.drawPath(layout.english);
  painter.restore();
}

QImage letteringImage(const LetteringLayout& layout, double dotsPerInch) {
  const double dotsPerMm = dotsPerInch / kMillimetresPerInch;
  const int width = std::max(1, static_cast<int>(std::lround(layout.sizeMm.width() * dotsPerMm)));
  const int height = std::max(1, static_cast<int>(std::lround(layout.sizeMm.height() * dotsPerMm)));
  QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  const int dotsPerMetre = static_cast<int>(std::lround(dotsPerMm * 1000));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  QPainter painter(&image);
  painter.scale(dotsPerMm, dotsPerMm);
  paintLettering(painter, layout);
  return image;
}

}  // namespace lexorra::lettering
