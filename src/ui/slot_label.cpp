#include "ui/slot_label.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <utility>

namespace lexorra::ui {

void drawFocusFrame(QWidget& widget) {
  QPainter painter(&widget);
  painter.setPen(QPen(widget.palette().color(widget.foregroundRole()), 2, Qt::DotLine));
  painter.drawRect(widget.rect().adjusted(3, 3, -4, -4));
}

bool isActivationKey(int key) {
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

SlotLabel::SlotLabel(int slotIndex, QWidget* parent) : QLabel(parent), slotIndex_(slotIndex) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void SlotLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

// A click is a press and release over the label, as with a button. A
// double-click counts once: the release that ends it is not a second click
// (the tense label would otherwise move two tenses on).
void SlotLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool second = std::exchange(secondClickOfDouble_, false);
  if (!second && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked(slotIndex_, event->globalPosition().toPoint());
  event->accept();
}

void SlotLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  secondClickOfDouble_ = true;
  event->accept();
}

void SlotLabel::keyPressEvent(QKeyEvent* event) {
  if (!isActivationKey(event->key()) || event->isAutoRepeat()) {
    QLabel::keyPressEvent(event);
    return;
  }
  event->accept();
  emit clicked(slotIndex_, mapToGlobal(QPoint(0, height())));
}

void SlotLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (hasFocus()) drawFocusFrame(*this);
}

void SlotLabel::showCaption(const QString& caption, const QFont& face) {
  caption_ = caption;
  face_ = face;
  QFont font = face;
  const int room = width() - 6;
  while (font.pointSize() > 7 && QFontMetrics(font).horizontalAdvance(caption) > room)
    font.setPointSize(font.pointSize() - 1);
  if (this->font() != font) setFont(font);
  if (text() != caption) setText(caption);
}

// A label made narrower or wider fits its caption again.
void SlotLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  if (face_ != QFont()) showCaption(caption_, face_);
}

void SlotLabel::mouseMoveEvent(QMouseEvent* event) {
  emit hovered(slotIndex_);
  event->accept();
}

}  // namespace lexorra::ui
