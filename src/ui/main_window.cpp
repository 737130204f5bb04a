#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>
#include <QToolButton>

#include "editor/refresh.h"
#include "ui/file_dialogs.h"
#include "ui/fonts.h"
#include "ui/form_tables.h"
#include "ui/latin_preview.h"
#include "ui/messages.h"
#include "ui/printing.h"
#include "ui/qtext.h"
#include "ui/slot_label.h"

namespace lexorra::ui {

namespace {

// What a slot holds, in words: its caption without the parentheses that
// adjective captions and the empty caption wear.
QString holding(const QString& caption) {
  QString text = caption.trimmed();
  if (text.startsWith('(') && text.endsWith(')')) text = text.mid(1, text.size() - 2).trimmed();
  return text.isEmpty() ? QString("none") : text;
}

// The widget of the row called `name` in a table of named rows, whose
// widgets are built in the table's order; null for a name not in the table.
template <class Table, class Widget, std::size_t N>
Widget* namedWidget(const Table& table, const std::array<Widget*, N>& widgets,
                    std::string_view name) {
  static_assert(std::tuple_size_v<Table> == N, "one widget for each row of the table");
  for (std::size_t i = 0; i < N; ++i)
    if (table[i].name == name) return widgets[i];
  return nullptr;
}

}  // namespace

Form1::Form1(MottoState& state, const Lexicon& lexicon, const EnglishTables& english,
             QWidget* parent)
    : QWidget(parent),
      state_(state),
      lexicon_(lexicon),
      english_(english),
      mottoFolder_(defaultMottoFolder()) {
  setObjectName("Form1");
  setMouseTracking(true);
  buildWidgets();
  buildMenus();
  connectControls();
  markSaved();
  Timer1.setInterval(250);
  connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
  Timer1.start();
  showModel();
  sizeToScreen();
}

Form1::~Form1() = default;

void Form1::showModel() {
  for (std::size_t i = 0; i < kSlots.size(); ++i) {
    const WordSlot& slot = state_.*kSlots[i].slot;
    SlotLabel* label = slots_[i];
    const QString caption = toQString(slot.Caption);
    label->showCaption(caption, slotFont_);
    const int frameStyle = slot.BorderStyle == 1 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame;
    if (label->frameStyle() != frameStyle) label->setFrameStyle(frameStyle);
    label->setVisible(slot.Visible);
    const QString name = slotRoles_[i] + ": " + holding(caption);
    if (label->accessibleName() != name) label->setAccessibleName(name);
  }
  for (std::size_t i = 0; i < kTickBoxes.size(); ++i) {
    const TickBox& box = state_.*kTickBoxes[i].field;
    tickBoxes_[i]->setChecked(box.Value != 0);
    tickBoxes_[i]->setEnabled(box.Enabled);
  }
  for (std::size_t i = 0; i < kCheckBoxes.size(); ++i) {
    const CheckBox& box = state_.*kCheckBoxes[i].field;
    checkBoxes_[i]->setChecked(box.Value != 0);
    checkBoxes_[i]->setVisible(box.Visible);
  }
  for (std::size_t i = 0; i < kOptions.size(); ++i) {
    const OptionButton& option = state_.*kOptions[i];
    options_[i]->setChecked(option.Value);
    options_[i]->setVisible(option.Visible);
  }
  for (std::size_t f = 0; f < kFrames.size(); ++f)
    linkFrames_[f]->setVisible((state_.*kFrames[f].field).Visible);
  for (std::size_t i = 0; i < kQuestions.size(); ++i)
    questions_[i]->setChecked(state_.*kQuestions[i].field);

  const QString latin = toQString(state_.finalLatin);
  finalLatin_->showMotto(latin, windowFont(state_.finalLatinFont, 24));
  const QString latinName = "Latin motto: " + latin.trimmed();
  if (finalLatin_->accessibleName() != latinName) finalLatin_->setAccessibleName(latinName);
  const QString english = toQString(state_.finalEnglish);
  if (finalEnglish_->toPlainText() != english) finalEnglish_->setPlainText(english);

  setEnabled(state_.Enabled);
  showTitleAndCommands();
  emit modelShown();
}

// The title names the file and marks changes not yet saved; undo and redo
// are offered when there is something to undo or redo.
void Form1::showTitleAndCommands() {
  // While a picker is open a slot carries the "influx" mark: that is no
  // change yet.
  if (state_.Enabled) setWindowModified(hasUnsavedChanges());
  const QString name =
      currentFile_ ? pathText(currentFile_->filename()) : QString("Untitled motto");
  const QString title = name + "[*] - Lexorra";
  if (windowTitle() != title) setWindowTitle(title);
  if (QAction* undo = action("undoOption")) undo->setEnabled(history_.canUndo());
  if (QAction* redo = action("redoOption")) redo->setEnabled(history_.canRedo());
}

bool Form1::hasUnsavedChanges() const {
  return mottoFileLines(state_) != savedLines_;
}

void Form1::Timer1_Timer() {
  try {
    lexorra::Timer1_Timer(state_, lexicon_, english_);
  } catch (const std::exception& failure) {
    reportRenderProblem(failureText(failure));
  }
  showModel();
}

void Form1::reportRenderProblem(const QString& problem) {
  if (problem == lastRenderProblem_) return;
  lastRenderProblem_ = problem;
  showMessage(this, MessageKind::critical, "Lexorra",
              QString("The motto cannot be shown in Latin.\n\n%1").arg(problem));
}

void Form1::printTo(QPrinter& printer) {
  if (!printMotto(printer, state_)) return;
  hide();
  showMessage(this, MessageKind::information, "Lexorra", QString::fromLatin1(kPrintedMessage));
  show();
}

void Form1::printButton_Click() {
  // Without a default printer there is nothing to send the page to.
  if (QPrinterInfo::defaultPrinter().isNull()) return;
  QPrinter printer(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
  printTo(printer);
}

void Form1::popUp(QMenu* menu, QPoint globalPos) {
  menu->exec(globalPos);
  takeBackActivation();
  showModel();
}

// A closed pop-up menu or picker leaves the keyboard with the main window,
// where the shortcuts work; some window systems leave it nowhere.
void Form1::takeBackActivation() {
  if (!isVisible() || !isEnabled() || QApplication::activeWindow() == this) return;
  raise();
  activateWindow();
}

// A click on a word label (or Enter or Space on it). A pop-up menu is one
// step to undo, whatever it chose; a picker's visit is recorded when it ends.
void Form1::slotClicked(int slotIndex, QPoint globalPos) {
  const SlotInfo& info = kSlots[static_cast<std::size_t>(slotIndex)];
  const MottoState before = state_;
  QWidget* focused = focusWidget();  // before a picker disables the window
  const std::optional<SlotClick> click = clickSlot(state_, info.slot);
  if (!click) return;
  switch (click->tool) {
    case SlotTool::actorPronounMenu:
    case SlotTool::actedPronounMenu: {
      showModel();
      QMenu* menu = click->tool == SlotTool::actorPronounMenu ? actorMenu_ : actedMenu_;
      // A menu closed without a choice gives the slot its earlier tag back,
      // so that a later choice from this menu cannot reach it.
      if (menu->exec(globalPos) == nullptr) lexorra::cancelSlotEdit(state_, click->edit);
      history_.record(before, state_);
      takeBackActivation();
      showModel();
      return;
    }
    case SlotTool::tenseRing:
      history_.record(before, state_);
      showModel();
      return;
    default:
      showModel();
      pickerEdit_ = click->edit;
      visitStart_ = before;
      focusBeforeVisit_ = focused;
      if (hooks_.openPicker) hooks_.openPicker(info.kind);
      return;
  }
}

void Form1::cancelSlotEdit() {
  if (pickerEdit_) lexorra::cancelSlotEdit(state_, *pickerEdit_);
  pickerEdit_.reset();
  showModel();
}

void Form1::pickerVisitEnded() {
  if (visitStart_ && state_.Enabled) {
    history_.record(*visitStart_, state_);
    visitStart_.reset();
    pickerEdit_.reset();
  }
  showModel();
  takeBackActivation();
  if (state_.Enabled && focusBeforeVisit_ && focusBeforeVisit_->isVisible())
    focusBeforeVisit_->setFocus(Qt::OtherFocusReason);
  focusBeforeVisit_.clear();
}

void Form1::slotHovered(int slotIndex) {
  WordSlot& slot = state_.*kSlots[static_cast<std::size_t>(slotIndex)].slot;
  if (slot.BorderStyle == 1) return;
  hoverSlot(state_, kSlots[static_cast<std::size_t>(slotIndex)].slot);
  showModel();
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
  // Only the bare background clears the border; moving over buttons, tick
  // boxes and frames changes nothing.
  if (childAt(event->position().toPoint()) == nullptr) {
    raiseAllButtons(state_);
    showModel();
  }
  QWidget::mouseMoveEvent(event);
}

void Form1::closeEvent(QCloseEvent* event) {
  event->accept();
  if (hooks_.exitProgram) hooks_.exitProgram();
}

// A desktop switched between light and dark: the colours set by hand follow.
void Form1::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::PaletteChange && finalEnglish_) applyColours();
}

// The English box copies its own selection; without one, Ctrl+C there is
// the window's copy of the Latin, as everywhere else.
bool Form1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == finalEnglish_ && event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy)) {
      event->setAccepted(finalEnglish_->textCursor().hasSelection());
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

SlotLabel* Form1::slotLabel(std::string_view name) const {
  return namedWidget(kSlots, slots_, name);
}
QCheckBox* Form1::tickBox(std::string_view name) const {
  return namedWidget(kTickBoxes, tickBoxes_, name);
}
QCheckBox* Form1::checkBox(std::string_view name) const {
  return namedWidget(kCheckBoxes, checkBoxes_, name);
}
QRadioButton* Form1::optionButton(int number) const {
  return number >= 1 && number <= 9 ? options_[static_cast<std::size_t>(number - 1)] : nullptr;
}
QRadioButton* Form1::questionButton(std::string_view name) const {
  return namedWidget(kQuestions, questions_, name);
}
QGroupBox* Form1::frame(std::string_view name) const {
  return namedWidget(kFrames, linkFrames_, name);
}
QToolButton* Form1::button(std::string_view name) const {
  const QString wanted = latin1(name);
  for (QToolButton* b : {Command1, Command2, Command3, printButton})
    if (b->objectName() == wanted) return b;
  return nullptr;
}
QPushButton* Form1::saveLoadButton(std::string_view name) const {
  return name == "saveButton" ? saveButton : name == "loadButton" ? loadButton : nullptr;
}
QAction* Form1::action(std::string_view name) const {
  const QString wanted = latin1(name);
  for (QAction* command : commands_)
    if (command->objectName() == wanted) return command;
  return nullptr;
}
QMenu* Form1::pronounMenu(PronounMenu which) const {
  return which == PronounMenu::actor   ? actorMenu_
         : which == PronounMenu::acted ? actedMenu_
                                       : nullptr;
}

}  // namespace lexorra::ui
