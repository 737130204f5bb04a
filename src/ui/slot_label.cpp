#include "ui/slot_label.h"

#include <QMouseEvent>

namespace lexorra::ui {

SlotLabel::SlotLabel(int slotIndex, QWidget* parent) : QLabel(parent), slotIndex_(slotIndex) {
  setMouseTracking(true);
}

void SlotLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

// A click is a press and release over the label, as with a button.
void SlotLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked(slotIndex_, event->globalPosition().toPoint());
  event->accept();
}

void SlotLabel::mouseMoveEvent(QMouseEvent* event) {
  emit hovered(slotIndex_);
  event->accept();
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit clicked(event->globalPosition().toPoint());
  event->accept();
}

}  // namespace lexorra::ui
