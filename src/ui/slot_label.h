// A word label of the main window: shows one WordSlot and reports clicks and
// mouse movement; it holds nothing the slot does not.
#pragma once

#include <QLabel>
#include <QPoint>

namespace lexorra::ui {

class SlotLabel : public QLabel {
  Q_OBJECT
 public:
  SlotLabel(int slotIndex, QWidget* parent);
  int slotIndex() const { return slotIndex_; }

 signals:
  void clicked(int slotIndex, QPoint globalPos);
  void hovered(int slotIndex);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  int slotIndex_;
};

// A label that reports clicks (the Latin motto: a click opens the font menu).
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
 signals:
  void clicked(QPoint globalPos);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace lexorra::ui
