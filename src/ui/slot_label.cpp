#include "ui/slot_label.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <utility>

namespace lexorra::ui {

SlotLabel::SlotLabel(int slotIndex, QWidget* parent) : QLabel(parent), slotIndex_(slotIndex) {
  setMouseTracking(true);
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

void SlotLabel::showCaption(const QString& caption, const QFont& face) {
  QFont font = face;
  const int room = width() - 6;
  while (font.pointSize() > 7 && QFontMetrics(font).horizontalAdvance(caption) > room)
    font.setPointSize(font.pointSize() - 1);
  if (this->font() != font) setFont(font);
  if (text() != caption) setText(caption);
}

void SlotLabel::mouseMoveEvent(QMouseEvent* event) {
  emit hovered(slotIndex_);
  event->accept();
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool second = std::exchange(secondClickOfDouble_, false);
  if (!second && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked(event->globalPosition().toPoint());
  event->accept();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  secondClickOfDouble_ = true;
  event->accept();
}

}  // namespace lexorra::ui
