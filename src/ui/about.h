// The about window: who made the program and how to reach them.
#pragma once

#include <QWidget>
#include <functional>

class QPlainTextEdit;
class QPushButton;

namespace lexorra::ui {

class AboutBox : public QWidget {
  Q_OBJECT
 public:
  // `closed` runs whenever the window goes away: by "Close", by the title
  // bar, by Escape, or because another window became active.
  explicit AboutBox(std::function<void()> closed, QWidget* parent = nullptr);

  QPlainTextEdit* text() const { return Text1; }
  QPushButton* closeButton() const { return Command1; }

  // "Close": hides the window and tells the opener.
  void Command1_Click();

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  std::function<void()> closed_;
  QPlainTextEdit* Text1;
  QPushButton* Command1;
};

}  // namespace lexorra::ui
