// The main window's menus (pronouns, examples, typefaces, the main menu and
// the copy menu), its keyboard shortcuts and the wiring of its controls.
#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QKeySequence>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>
#include <array>

#include "editor/menus.h"
#include "editor/options.h"
#include "ui/explain_window.h"
#include "ui/export_dialog.h"
#include "ui/fonts.h"
#include "ui/form_tables.h"
#include "ui/keyboard_menu.h"
#include "ui/latin_preview.h"
#include "ui/main_window.h"
#include "ui/messages.h"
#include "ui/qtext.h"
#include "ui/slot_label.h"

namespace lexorra::ui {

namespace {

// The key sequences of a command: the desktop's standard keys for it, and
// the ones named here whatever the desktop says.
QList<QKeySequence> keysFor(QKeySequence::StandardKey standard,
                            const std::array<const char*, 2>& named) {
  QList<QKeySequence> keys;
  if (standard != QKeySequence::UnknownKey) keys = QKeySequence::keyBindings(standard);
  for (const char* name : named) {
    if (!name) continue;
    const QKeySequence key(QString::fromLatin1(name));
    if (!keys.contains(key)) keys.push_back(key);
  }
  return keys;
}

// A pop-up menu of the window, and an item of one: each has the object name
// by which the keyboard help and the tests find it.
KeyboardMenu* namedMenu(const QString& title, const QString& name, QWidget* window) {
  auto* menu = new KeyboardMenu(title, window);
  menu->setObjectName(name);
  return menu;
}
QAction* namedItem(QMenu* menu, const QString& caption, const QString& name) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(name);
  return action;
}

}  // namespace

void Form1::buildMenus() {
  for (PronounMenu which : {PronounMenu::actor, PronounMenu::acted}) {
    KeyboardMenu* menu =
        namedMenu(latin1(pronounMenuCaption(which)), latin1(pronounMenuName(which)), this);
    for (const PronounMenuItem& item : pronounMenuItems(which)) {
      if (item.separatorBefore) menu->addSeparator();
      QAction* action = namedItem(menu, latin1(item.menuCaption), latin1(item.name));
      // The pronoun slot's click records the whole visit of the menu.
      connect(action, &QAction::triggered, this, [this, which, &item] {
        choosePronoun(state_, which, item);
        showModel();
      });
    }
    (which == PronounMenu::actor ? actorMenu_ : actedMenu_) = menu;
  }

  examplesMenu_ = namedMenu("Example", "examplesMenu", this);
  for (const ExampleMotto& example : kExamples) {
    QAction* action = namedItem(examplesMenu_, latin1(example.menuCaption), latin1(example.item));
    connect(action, &QAction::triggered, this, [this, &example] { loadExampleCommand(example); });
  }

  // The face in use is ticked.
  fontMenu_ = namedMenu("Fonts", "fontMenu", this);
  auto* faces = new QActionGroup(fontMenu_);
  faces->setExclusive(true);
  for (const FontItem& item : kFontItems) {
    QAction* action = namedItem(fontMenu_, QString::fromLatin1(item.caption), item.name);
    action->setCheckable(true);
    faces->addAction(action);
    // Each item shows its caption in the face it stands for.
    action->setFont(windowFont(item.face, 11));
    connect(action, &QAction::triggered, this, [this, &item] {
      state_.finalLatinFont = item.face;
      showModel();
    });
  }
  connect(fontMenu_, &QMenu::aboutToShow, this, [this] {
    for (std::size_t k = 0; k < kFontItems.size(); ++k)
      fontMenu_->actions()[static_cast<qsizetype>(k)]->setChecked(state_.finalLatinFont ==
                                                                  kFontItems[k].face);
  });

  buildMainMenu();
  buildCopyMenu();
}

// The main menu: the file commands, undo and redo, then the shell's items.
// Every command also works by its keys while the main window is active, and
// the window's own shortcuts (print, reset) are commands without an item.
void Form1::buildMainMenu() {
  mainMenu_ = namedMenu("mainMenu", "mainMenu", this);
  struct Command {
    const char* name;
    const char* caption;
    QKeySequence::StandardKey standard;
    std::array<const char*, 2> keys;  // beside the standard ones
    std::function<void()> run;
    bool inMenu;
    bool separatorAfter;
  };
  const auto hook = [this](std::function<void()> MainWindowHooks::*which) {
    return [this, which] {
      if (const auto& run = hooks_.*which) run();
    };
  };
  const Command commands[] = {
      {"openOption",
       "Open...",
       QKeySequence::Open,
       {"Ctrl+O", nullptr},
       [this] { openCommand(); },
       true,
       false},
      {"saveOption",
       "Save",
       QKeySequence::Save,
       {"Ctrl+S", nullptr},
       [this] { saveCommand(); },
       true,
       false},
      {"saveAsOption",
       "Save as...",
       QKeySequence::SaveAs,
       {"Ctrl+Shift+S", nullptr},
       [this] { saveAsCommand(); },
       true,
       false},
      {"exportLetteringOption",
       "Export lettering...",
       QKeySequence::UnknownKey,
       {"Ctrl+E", nullptr},
       [this] { showExportDialog(this, state_); },
       true,
       false},
      {"explainOption",
       "Why this Latin?...",
       QKeySequence::UnknownKey,
       {nullptr, nullptr},
       [this] { showExplainWindow(this, state_, lexicon_); },
       true,
       true},
      {"undoOption",
       "Undo",
       QKeySequence::Undo,
       {"Ctrl+Z", nullptr},
       [this] { undoCommand(); },
       true,
       false},
      {"redoOption",
       "Redo",
       QKeySequence::Redo,
       {"Ctrl+Shift+Z", "Ctrl+Y"},
       [this] { redoCommand(); },
       true,
       false},
      {"copyOption",
       "Copy Latin",
       QKeySequence::Copy,
       {"Ctrl+C", nullptr},
       [this] { copyCommand(CopiedText::latin); },
       true,
       true},
      {"websiteOption",
       "Website",
       QKeySequence::UnknownKey,
       {nullptr, nullptr},
       hook(&MainWindowHooks::openWebsite),
       true,
       false},
      {"aboutOption",
       "About",
       QKeySequence::UnknownKey,
       {nullptr, nullptr},
       hook(&MainWindowHooks::showAbout),
       true,
       false},
      {"helpMenu",
       "Help",
       QKeySequence::HelpContents,
       {"F1", nullptr},
       hook(&MainWindowHooks::openHelp),
       true,
       false},
      {"exitOption",
       "Exit",
       QKeySequence::Quit,
       {"Ctrl+Q", nullptr},
       hook(&MainWindowHooks::exitProgram),
       true,
       false},
      {"printAction",
       "Print Latin",
       QKeySequence::Print,
       {"Ctrl+P", nullptr},
       [this] { printButton_Click(); },
       false,
       false},
      {"resetAction",
       "Reset all",
       QKeySequence::UnknownKey,
       {"Ctrl+R", nullptr},
       [this] { resetCommand(); },
       false,
       false},
  };
  for (const Command& command : commands) {
    auto* action = new QAction(QString::fromLatin1(command.caption), this);
    action->setObjectName(command.name);
    action->setShortcuts(keysFor(command.standard, command.keys));
    action->setShortcutContext(Qt::WindowShortcut);
    connect(action, &QAction::triggered, this, command.run);
    addAction(action);  // the keys work while the menu is closed
    if (command.inMenu) mainMenu_->addAction(action);
    if (command.separatorAfter) mainMenu_->addSeparator();
    commands_.push_back(action);
  }
}

void Form1::buildCopyMenu() {
  copyMenu_ = namedMenu("Copy", "copyMenu", this);
  struct Item {
    const char* name;
    const char* caption;
    CopiedText what;
  };
  static constexpr Item kItems[] = {
      {"copyLatin", "Copy the Latin", CopiedText::latin},
      {"copyEnglish", "Copy the English", CopiedText::english},
      {"copyBoth", "Copy both", CopiedText::both},
  };
  for (const Item& item : kItems) {
    QAction* action = namedItem(copyMenu_, QString::fromLatin1(item.caption), item.name);
    connect(action, &QAction::triggered, this, [this, &item] { copyCommand(item.what); });
  }
  connect(finalLatin_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { popUp(copyMenu_, finalLatin_->mapToGlobal(at)); });
  connect(finalEnglish_, &QWidget::customContextMenuRequested, this,
          [this](QPoint at) { popUp(copyMenu_, finalEnglish_->mapToGlobal(at)); });
}

void Form1::copyCommand(CopiedText what) {
  QGuiApplication::clipboard()->setText(toQString(copiedText(state_, what)));
}

void Form1::connectControls() {
  for (SlotLabel* label : slots_) {
    connect(label, &ClickableLabel::clicked, this,
            [this, label](QPoint globalPos) { slotClicked(label->slotIndex(), globalPos); });
    connect(label, &SlotLabel::hovered, this, &Form1::slotHovered);
  }
  for (std::size_t i = 0; i < kTickBoxes.size(); ++i)
    connect(tickBoxes_[i], &QCheckBox::clicked, this, [this, i](bool checked) {
      userAct([&] { setTickBox(state_, kTickBoxes[i].field, checked ? 1 : 0); });
    });
  // The Latin options have no operations of their own: the renderer reads them.
  for (std::size_t i = 0; i < kCheckBoxes.size(); ++i)
    connect(checkBoxes_[i], &QCheckBox::clicked, this, [this, i](bool checked) {
      userAct([&] { (state_.*kCheckBoxes[i].field).Value = checked ? 1 : 0; });
    });
  for (int n = 1; n <= 9; ++n)
    connect(options_[n - 1], &QRadioButton::clicked, this,
            [this, n] { userAct([&] { selectOption(state_, n); }); });
  for (std::size_t i = 0; i < kQuestions.size(); ++i)
    connect(questions_[i], &QRadioButton::clicked, this,
            [this, i] { userAct([&] { selectQuestion(state_, kQuestions[i].field); }); });
  connect(finalLatin_, &ClickableLabel::clicked, this,
          [this](QPoint globalPos) { popUp(fontMenu_, globalPos); });
  connect(Command3, &QToolButton::clicked, this, &Form1::resetCommand);
  connect(printButton, &QToolButton::clicked, this, &Form1::printButton_Click);
  auto below = [](QWidget* w) { return w->mapToGlobal(QPoint(0, w->height())); };
  // A click opens a menu at the mouse; Space on the focused button below it.
  connect(Command1, &QToolButton::clicked, this, [this, below] {
    popUp(mainMenu_, Command1->underMouse() ? QCursor::pos() : below(Command1));
  });
  connect(Command2, &QToolButton::clicked, this, [this, below] {
    popUp(examplesMenu_, Command2->underMouse() ? QCursor::pos() : below(Command2));
  });
  connect(saveButton, &QPushButton::clicked, this, [this] {
    try {
      saveButton_Click(state_, dataFolder_);
    } catch (const MottoFileError& failure) {
      showMessage(this, MessageKind::critical, "Lexorra",
                  QString("The motto was not saved.\n\n%1").arg(failureText(failure)));
    }
  });
  connect(loadButton, &QPushButton::clicked, this, [this] {
    userAct([this] {
      loadMotto([this] { loadButton_Click(state_, lexicon_, dataFolder_); }, "loaded");
    });
  });
}

}  // namespace lexorra::ui
