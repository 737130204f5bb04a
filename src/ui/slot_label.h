// The main window's labels that work as buttons: a click, Enter or Space
// reports where a pop-up menu should open, and the focus, taken by Tab, is
// shown with a dotted frame. SlotLabel is a word label showing one WordSlot;
// it holds nothing the slot does not.
#pragma once

#include <QLabel>
#include <QPoint>

namespace lexorra::ui {

class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickableLabel(QWidget* parent);

 signals:
  // `globalPos` is where a pop-up menu opens: at the mouse for a click,
  // below the label for a key.
  void clicked(QPoint globalPos);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool secondClickOfDouble_ = false;
};

class SlotLabel : public ClickableLabel {
  Q_OBJECT
 public:
  SlotLabel(int slotIndex, QWidget* parent);
  int slotIndex() const { return slotIndex_; }

  // Shows `caption` in the label's own face, made smaller when the caption
  // would not fit the label's width (down to 7 points), so a long word can
  // still be read whole.
  void showCaption(const QString& caption, const QFont& face);

 signals:
  void hovered(int slotIndex);

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  int slotIndex_;
  // What was last fitted: the caption, its face and the width it was fitted
  // to (none yet at first).
  QString caption_;
  QFont face_;
  int fittedWidth_ = -1;
};

}  // namespace lexorra::ui
