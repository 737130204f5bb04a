#include "ui/icons.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <cmath>

namespace lexorra::ui {

namespace {

struct Picture {
  ButtonPicture picture;
  const char* themeName;
};

constexpr Picture kThemeNames[] = {
    {ButtonPicture::reset, "edit-clear"},        {ButtonPicture::print, "document-print"},
    {ButtonPicture::menu, "open-menu"},          {ButtonPicture::examples, "document-open"},
    {ButtonPicture::useWord, "dialog-ok-apply"}, {ButtonPicture::noWord, "edit-delete"},
};

// Simple line drawings in the buttons' text colour, so that they show on a
// light and a dark desktop alike.
QIcon drawnIcon(ButtonPicture picture) {
  QPixmap pixmap(32, 32);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink = QGuiApplication::palette().color(QPalette::ButtonText);
  const bool darkGround = ink.lightness() > 128;
  p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  switch (picture) {
    case ButtonPicture::reset:  // a sheet swept clean
      p.drawRect(8, 5, 16, 22);
      p.drawLine(4, 28, 28, 4);
      break;
    case ButtonPicture::print:  // a printer with its page
      p.drawRect(5, 13, 22, 10);
      p.drawRect(10, 5, 12, 8);
      p.drawRect(10, 20, 12, 8);
      break;
    case ButtonPicture::menu:  // three bars
      for (int y : {8, 16, 24}) p.drawLine(6, y, 26, y);
      break;
    case ButtonPicture::examples: {  // an open book
      QPainterPath book;
      book.moveTo(16, 9);
      book.cubicTo(11, 5, 6, 6, 3, 8);
      book.lineTo(3, 26);
      book.cubicTo(6, 24, 11, 24, 16, 27);
      book.cubicTo(21, 24, 26, 24, 29, 26);
      book.lineTo(29, 8);
      book.cubicTo(26, 6, 21, 5, 16, 9);
      book.lineTo(16, 27);
      p.drawPath(book);
      break;
    }
    case ButtonPicture::useWord:  // a tick
      p.setPen(QPen(darkGround ? QColor(90, 210, 90) : QColor(0, 110, 0), 4, Qt::SolidLine,
                    Qt::RoundCap, Qt::RoundJoin));
      p.drawPolyline(QPolygon({QPoint(6, 17), QPoint(13, 25), QPoint(27, 7)}));
      break;
    case ButtonPicture::noWord:  // a cross
      p.setPen(QPen(darkGround ? QColor(240, 100, 100) : QColor(160, 0, 0), 4, Qt::SolidLine,
                    Qt::RoundCap));
      p.drawLine(8, 8, 24, 24);
      p.drawLine(24, 8, 8, 24);
      break;
  }
  return QIcon(pixmap);
}

// Whether a picture's ink stands out from the buttons' ground: a theme's
// single-colour pictures are drawn dark, which vanishes on a dark desktop.
bool standsOut(const QIcon& icon) {
  const QImage image = icon.pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
  double red = 0, green = 0, blue = 0, count = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel.alpha() < 128) continue;
      red += pixel.redF();
      green += pixel.greenF();
      blue += pixel.blueF();
      ++count;
    }
  if (count == 0) return false;
  const QColor ink =
      QColor::fromRgbF(static_cast<float>(red / count), static_cast<float>(green / count),
                       static_cast<float>(blue / count));
  const QColor ground = QGuiApplication::palette().color(QPalette::Button);
  return std::abs(ink.lightness() - ground.lightness()) >= 60;
}

}  // namespace

QIcon buttonIcon(ButtonPicture picture) {
  for (const Picture& entry : kThemeNames) {
    if (entry.picture != picture) continue;
    const QIcon themed = QIcon::fromTheme(QString::fromLatin1(entry.themeName));
    if (!themed.isNull() && standsOut(themed)) return themed;
  }
  return drawnIcon(picture);
}

}  // namespace lexorra::ui
