#include "ui/latin_preview.h"

#include <QFontMetrics>

namespace lexorra::ui {

namespace {

constexpr int kOverhangMargin = 8;  // pixels each side
constexpr double kSmallestPoints = 8;

}  // namespace

LatinPreview::LatinPreview(QWidget* parent) : ClickableLabel(parent) {
  setAlignment(Qt::AlignCenter);
  setCursor(Qt::PointingHandCursor);
  setContextMenuPolicy(Qt::CustomContextMenu);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void LatinPreview::showMotto(const QString& motto, const QFont& face) {
  if (motto == motto_ && face == face_) return;
  motto_ = motto;
  face_ = face;
  fit();
}

QRect LatinPreview::room() const {
  return contentsRect().adjusted(kOverhangMargin, 2, -kOverhangMargin, -2);
}

bool LatinPreview::fitsOnOneLine(const QFont& font) const {
  const QFontMetrics metrics(font);
  const QRect space = room();
  const int ink = metrics.boundingRect(motto_).width();
  return std::max(ink, metrics.horizontalAdvance(motto_)) <= space.width() &&
         metrics.height() <= space.height();
}

bool LatinPreview::fitsWrapped(const QFont& font) const {
  const QFontMetrics metrics(font);
  const QRect space = room();
  const QRect needed = metrics.boundingRect(space, Qt::AlignCenter | Qt::TextWordWrap, motto_);
  return needed.width() <= space.width() && needed.height() <= space.height();
}

void LatinPreview::fit() {
  QFont font = face_;
  bool wrap = false;
  for (double points = face_.pointSizeF(); points >= kSmallestPoints; points -= 1) {
    font.setPointSizeF(points);
    if (fitsOnOneLine(font)) {
      wrap = false;
      break;
    }
    if (fitsWrapped(font)) {
      wrap = true;
      break;
    }
    wrap = true;  // the smallest size wraps in any case
  }
  setWordWrap(wrap);
  if (this->font() != font) setFont(font);
  if (text() != motto_) setText(motto_);
}

bool LatinPreview::showsWhole() const {
  return wordWrap() ? fitsWrapped(font()) : fitsOnOneLine(font());
}

void LatinPreview::resizeEvent(QResizeEvent* event) {
  ClickableLabel::resizeEvent(event);
  fit();
}

}  // namespace lexorra::ui
