#include "ui/slot_label.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace lexorra::ui {

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {
  setFocusPolicy(Qt::StrongFocus);
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

// A click is a left press and release over the label, as with a button (the
// right button is for a context menu). A double-click counts once: the
// release that ends it is not a second click (the tense label would
// otherwise move two tenses on).
void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool second = std::exchange(secondClickOfDouble_, false);
  if (!second && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked(event->globalPosition().toPoint());
  event->accept();
}

void ClickableLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  secondClickOfDouble_ = true;
  event->accept();
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool activates = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
  if (!activates || event->isAutoRepeat()) {
    QLabel::keyPressEvent(event);
    return;
  }
  event->accept();
  emit clicked(mapToGlobal(QPoint(0, height())));
}

void ClickableLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  painter.setPen(QPen(palette().color(foregroundRole()), 2, Qt::DotLine));
  painter.drawRect(rect().adjusted(3, 3, -4, -4));
}

SlotLabel::SlotLabel(int slotIndex, QWidget* parent)
    : ClickableLabel(parent), slotIndex_(slotIndex) {
  setMouseTracking(true);
}

void SlotLabel::showCaption(const QString& caption, const QFont& face) {
  // The window shows every label on each tick: the caption is measured again
  // only when it, the face or the label's width changed since the last fit.
  if (caption == caption_ && face == face_ && width() == fittedWidth_) return;
  caption_ = caption;
  face_ = face;
  fittedWidth_ = width();
  QFont font = face;
  const int room = width() - 6;
  while (font.pointSize() > 7 && QFontMetrics(font).horizontalAdvance(caption) > room)
    font.setPointSize(font.pointSize() - 1);
  if (this->font() != font) setFont(font);
  if (text() != caption) setText(caption);
}

// A label made narrower or wider fits its caption again.
void SlotLabel::resizeEvent(QResizeEvent* event) {
  ClickableLabel::resizeEvent(event);
  if (face_ != QFont()) showCaption(caption_, face_);
}

void SlotLabel::mouseMoveEvent(QMouseEvent* event) {
  emit hovered(slotIndex_);
  event->accept();
}

}  // namespace lexorra::ui
