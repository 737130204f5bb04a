// A word label of the main window: shows one WordSlot and reports clicks,
// Enter and Space (which open the slot's tool, as a click does) and mouse
// movement; it holds nothing the slot does not. It takes the focus by Tab and
// shows it with a dotted frame.
#pragma once

#include <QLabel>
#include <QPoint>

namespace lexorra::ui {

// Draws the dotted frame that shows a label has the focus.
void drawFocusFrame(QWidget& widget);

// True for the keys that work a focused label as a click does.
bool isActivationKey(int key);

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
  // `globalPos` is where a pop-up menu opens: at the mouse for a click,
  // below the label for a key.
  void clicked(int slotIndex, QPoint globalPos);
  void hovered(int slotIndex);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int slotIndex_;
  bool secondClickOfDouble_ = false;
  QString caption_;
  QFont face_;
};

}  // namespace lexorra::ui
