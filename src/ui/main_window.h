// The main window: shows the one MottoState and forwards every click to the
// editor's operations. showModel() is the only place that writes the widgets,
// and the widgets keep nothing the state lacks; the window's enabled flag is
// the state's `Enabled`.
#pragma once

#include <QFont>
#include <QTimer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "editor/interaction.h"
#include "motto/motto_state.h"
#include "english/english.h"
#include "lexicon/lexicon.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPrinter;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QToolButton;

namespace lexorra::ui {

class ClickLabel;
class SlotLabel;

// What the window needs from the rest of the program.
struct MainWindowHooks {
  std::function<void(SlotKind)> openPicker;  // show the picker that fills a slot of this kind
  std::function<void()> openWebsite;
  std::function<void()> showAbout;
  std::function<void()> openHelp;
  std::function<void()> exitProgram;
};

class Form1 : public QWidget {
  Q_OBJECT
 public:
  Form1(MottoState& state, const Lexicon& lexicon, const EnglishTables& english,
        QWidget* parent = nullptr);
  ~Form1() override;

  void setHooks(MainWindowHooks hooks) { hooks_ = std::move(hooks); }
  const MainWindowHooks& hooks() const { return hooks_; }
  // The folder of the example mottos and of "save.txt".
  void setDataFolder(std::filesystem::path folder) { dataFolder_ = std::move(folder); }

  // A render failed (a tag outside the lexicon): the person is told once per
  // distinct problem, not on every tick, and the motto stays as it is.
  void reportRenderProblem(const QString& problem);

  // A picker was left without a choice: the slot it was opened for gets its
  // earlier tag back and the window is enabled again.
  void cancelSlotEdit();

  // Copies the state into the widgets.
  void showModel();

  // One refresh of the model, then showModel(); Timer1 calls it every 250 ms.
  void Timer1_Timer();

  // Prints on `printer`; when the page has gone, hides the window for the
  // message box and shows it again. Any failure abandons silently.
  void printTo(QPrinter& printer);
  // The button "Print Latin": printTo the default printer, if there is one.
  void printButton_Click();

  // The controls, for tests and screenshots.
  SlotLabel* slotLabel(std::string_view name) const;
  QLabel* finalLatinLabel() const;
  QTextEdit* finalEnglishBox() const;
  QCheckBox* tickBox(std::string_view name) const;   // actorTickBox ... mannerTickBox
  QCheckBox* checkBox(std::string_view name) const;  // Check1 ... notButton
  QRadioButton* optionButton(int number) const;      // Option1 ... Option9
  QRadioButton* questionButton(std::string_view name) const;
  QGroupBox* frame(std::string_view name) const;     // Frame2, Frame4, Frame3
  QToolButton* button(std::string_view name) const;  // Command1..3, printButton
  QPushButton* saveLoadButton(std::string_view name) const;
  QTimer* timer() { return &Timer1; }

  // Builds the menus; `exec` shows them at the mouse position.
  QMenu* pronounMenu(PronounMenu which) const;
  QMenu* examplesMenu() const { return examplesMenu_; }
  QMenu* fontMenu() const { return fontMenu_; }
  QMenu* mainMenu() const { return mainMenu_; }

 signals:
  void modelShown();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildWidgets();
  void buildMenus();
  void connectControls();
  void slotClicked(int slotIndex, QPoint globalPos);
  void slotHovered(int slotIndex);
  void popUp(QMenu* menu, QPoint globalPos);
  void loadMotto(const std::function<void()>& load);

  MottoState& state_;
  const Lexicon& lexicon_;
  const EnglishTables& english_;
  MainWindowHooks hooks_;
  std::filesystem::path dataFolder_;
  std::optional<SlotEdit> pickerEdit_;  // the slot a picker is open for
  QString lastRenderProblem_;           // shown once, not on every tick
  QTimer Timer1;

  std::array<SlotLabel*, 22> slots_{};
  QFont slotFont_;  // the face and size of the word labels
  ClickLabel* finalLatin_ = nullptr;
  QTextEdit* finalEnglish_ = nullptr;
  std::array<QCheckBox*, 4> tickBoxes_{};
  std::array<QCheckBox*, 6> checkBoxes_{};
  std::array<QRadioButton*, 9> options_{};
  std::array<QRadioButton*, 4> questions_{};
  std::array<QGroupBox*, 3> linkFrames_{};
  QToolButton* Command3 = nullptr;
  QToolButton* printButton = nullptr;
  QToolButton* Command1 = nullptr;
  QToolButton* Command2 = nullptr;
  QPushButton* saveButton = nullptr;
  QPushButton* loadButton = nullptr;
  QMenu* actorMenu_ = nullptr;
  QMenu* actedMenu_ = nullptr;
  QMenu* examplesMenu_ = nullptr;
  QMenu* fontMenu_ = nullptr;
  QMenu* mainMenu_ = nullptr;
};

}  // namespace lexorra::ui
