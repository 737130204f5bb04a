// The main window: shows the one MottoState and forwards every act of the
// user to the editor's operations. showModel() is the only place that writes
// the widgets, and the widgets keep nothing the state lacks; the window's
// enabled flag is the state's `Enabled`.
//
// Its code is split by concern: main_window.cpp (display, clicks, the
// tick), main_window_layout.cpp (the widgets and their layout),
// main_window_menus.cpp (menus, shortcuts, the clipboard) and
// main_window_files.cpp (open, save, examples, undo).
#pragma once

#include <QFont>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "editor/clipboard.h"
#include "editor/history.h"
#include "editor/interaction.h"
#include "editor/motto_file.h"
#include "english/english.h"
#include "lexicon/lexicon.h"
#include "motto/motto_state.h"

class QAction;
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

class LatinPreview;
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
  // Where "Save as..." and "Open..." start: the "Lexorra" folder in the
  // user's documents folder unless set.
  void setMottoFolder(std::filesystem::path folder) { mottoFolder_ = std::move(folder); }
  const std::filesystem::path& mottoFolder() const { return mottoFolder_; }

  // The file the motto was last opened from or saved to, if any, and whether
  // the motto has changed since (the title shows the name and a mark).
  const std::optional<std::filesystem::path>& currentFile() const { return currentFile_; }
  bool hasUnsavedChanges() const;

  // A render failed (a tag outside the lexicon): the person is told once per
  // distinct problem, not on every tick, and the motto stays as it is.
  void reportRenderProblem(const QString& problem);

  // A picker was left without a choice: the slot it was opened for gets its
  // earlier tag back and the window is enabled again.
  void cancelSlotEdit();
  // A picker's visit ended, with a word, without one or left: the visit is
  // one step to undo when it changed the motto, and the window takes the
  // focus back.
  void pickerVisitEnded();

  // Copies the state into the widgets.
  void showModel();

  // One refresh of the model, then showModel(); Timer1 calls it every 250 ms.
  void Timer1_Timer();

  // Prints on `printer`; when the page has gone, hides the window for the
  // message box and shows it again. Any failure abandons silently.
  void printTo(QPrinter& printer);
  // The button "Print Latin" (Ctrl+P): printTo the default printer, if any.
  void printButton_Click();

  // The file commands. openMottoFile is "Open..." once a file is chosen, and
  // what `lexorra FILE` does at start: a file that cannot be used is refused
  // with its line and reason, and the motto stays as it was.
  bool openMottoFile(const std::filesystem::path& path);
  void openCommand();
  bool saveCommand();
  bool saveAsCommand();
  // Undo and redo (Ctrl+Z; Ctrl+Shift+Z, Ctrl+Y).
  void undoCommand();
  void redoCommand();
  const MottoHistory& history() const { return history_; }
  // "Reset all" (Ctrl+R), an example from the menu: each one step to undo.
  void resetCommand();
  void loadExampleCommand(const ExampleMotto& example);
  // Ctrl+C and the context menus of the Latin and the English.
  void copyCommand(CopiedText what);

  // The controls, for tests and screenshots.
  SlotLabel* slotLabel(std::string_view name) const;
  LatinPreview* finalLatinLabel() const { return finalLatin_; }
  QTextEdit* finalEnglishBox() const { return finalEnglish_; }
  QCheckBox* tickBox(std::string_view name) const;   // actorTickBox ... mannerTickBox
  QCheckBox* checkBox(std::string_view name) const;  // Check1 ... notButton
  QRadioButton* optionButton(int number) const;      // Option1 ... Option9
  QRadioButton* questionButton(std::string_view name) const;
  QGroupBox* frame(std::string_view name) const;     // Frame2, Frame4, Frame3
  QToolButton* button(std::string_view name) const;  // Command1..3, printButton
  QPushButton* saveLoadButton(std::string_view name) const;
  // A command of the main menu or a shortcut of the window, by object name
  // ("saveOption", "undoOption", "printAction", ...).
  QAction* action(std::string_view name) const;
  QTimer* timer() { return &Timer1; }

  // The menus; `exec` shows them at the mouse position.
  QMenu* pronounMenu(PronounMenu which) const;
  QMenu* examplesMenu() const { return examplesMenu_; }
  QMenu* fontMenu() const { return fontMenu_; }
  QMenu* mainMenu() const { return mainMenu_; }
  QMenu* copyMenu() const { return copyMenu_; }

 signals:
  void modelShown();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // main_window_layout.cpp
  void buildWidgets();
  void buildSections();
  void buildOptionsColumn();
  void buildOutputsAndButtons();
  void setTabOrderByReading();
  void applyColours();
  void sizeToScreen();
  // main_window_menus.cpp
  void buildMenus();
  void buildMainMenu();
  void buildCopyMenu();
  void connectControls();
  // main_window.cpp
  void slotClicked(int slotIndex, QPoint globalPos);
  void slotHovered(int slotIndex);
  void popUp(QMenu* menu, QPoint globalPos);
  void takeBackActivation();
  void showTitleAndCommands();
  // main_window_files.cpp
  // Runs one act of the user: one step to undo when it changed the motto.
  void userAct(const std::function<void()>& act);
  // Runs a load; a file that cannot be used is reported (`what` says what
  // was being done) and the motto stays. Returns true when it loaded.
  bool loadMotto(const std::function<void()>& load, const char* what);
  bool writeTo(const std::filesystem::path& path);
  void markSaved();

  MottoState& state_;
  const Lexicon& lexicon_;
  const EnglishTables& english_;
  MainWindowHooks hooks_;
  std::filesystem::path dataFolder_;
  std::filesystem::path mottoFolder_;
  std::optional<std::filesystem::path> currentFile_;
  std::vector<std::string> savedLines_;  // the motto as last saved or opened
  MottoHistory history_;
  std::optional<SlotEdit> pickerEdit_;    // the slot a picker is open for
  std::optional<MottoState> visitStart_;  // the motto before that visit
  QPointer<QWidget> focusBeforeVisit_;    // gets the keyboard back after it
  QString lastRenderProblem_;             // shown once, not on every tick
  QTimer Timer1;

  std::array<SlotLabel*, 22> slots_{};
  std::array<QString, 22> slotRoles_;  // each label's role, the start of its accessible name
  QFont slotFont_;                     // the face and size of the word labels
  LatinPreview* finalLatin_ = nullptr;
  QTextEdit* finalEnglish_ = nullptr;
  std::array<QCheckBox*, 4> tickBoxes_{};
  std::array<QLabel*, 4> explanations_{};
  std::array<QCheckBox*, 6> checkBoxes_{};
  std::array<QRadioButton*, 9> options_{};
  std::array<QRadioButton*, 4> questions_{};
  std::array<QGroupBox*, 3> linkFrames_{};
  QGroupBox* latinOptions_ = nullptr;
  QGroupBox* questionFrame_ = nullptr;
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
  QMenu* copyMenu_ = nullptr;
  std::vector<QAction*> commands_;  // the main menu's commands and the window's shortcuts
};

}  // namespace lexorra::ui
