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

  // Shows `caption` in the label's own face, made smaller when the caption
  // would not fit the label's width (down to 7 points), so a long word can
  // still be read whole.
  void showCaption(const QString& caption, const QFont& face);

 signals:
  void clicked(int slotIndex, QPoint globalPos);
  void hovered(int slotIndex);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  int slotIndex_;
  bool secondClickOfDouble_ = false;
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
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  bool secondClickOfDouble_ = false;
};

}  // namespace lexorra::ui
