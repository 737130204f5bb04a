#include "ui/picker_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include "ui/fonts.h"
#include "ui/icons.h"
#include "ui/messages.h"
#include "ui/qtext.h"

namespace lexorra::ui {

PickerRowsModel::PickerRowsModel(Source source, QObject* parent)
    : QAbstractListModel(parent), source_(std::move(source)) {}

bool PickerRowsModel::showsNotice() const {
  return source_.count() == 0 && source_.notice && !source_.notice().empty();
}

int PickerRowsModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  return showsNotice() ? 1 : source_.count();
}

QVariant PickerRowsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (showsNotice()) return role == Qt::DisplayRole ? toQString(source_.notice()) : QVariant();
  if (index.row() >= source_.count()) return {};
  if (role == Qt::DisplayRole) return toQString(source_.text(index.row()));
  // The whole gloss, which the list may cut off, wrapped for the tooltip.
  if (role == Qt::ToolTipRole)
    return Qt::convertFromPlainText(toQString(source_.gloss(index.row())), Qt::WhiteSpaceNormal);
  return {};
}

Qt::ItemFlags PickerRowsModel::flags(const QModelIndex& index) const {
  if (showsNotice()) return Qt::NoItemFlags;
  return QAbstractListModel::flags(index);
}

void PickerRowsModel::refresh() {
  beginResetModel();
  endResetModel();
}

// ---------------------------------------------------------------------------

void PickerWindowBase::buildCommon(const char* useTooltip) {
  setSizeGripEnabled(true);
  List1 = new QListView(this);
  List1->setObjectName("List1");
  List1->setUniformItemSizes(true);  // rows are measured once, not one by one
  List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  List1->setSelectionMode(QAbstractItemView::SingleSelection);
  List1->setFont(windowFont(kListFont, kListFontPoints));

  wordDisplay = new QLabel(this);
  wordDisplay->setObjectName("wordDisplay");
  wordDisplay->setAlignment(Qt::AlignCenter);
  wordDisplay->setFont(windowFont(kPreviewFont, kPreviewFontPoints));

  Command1 = new QPushButton(this);
  Command1->setObjectName("Command1");
  Command1->setIcon(buttonIcon(ButtonPicture::useWord));
  Command1->setIconSize(QSize(32, 32));
  Command1->setToolTip(QString::fromLatin1(useTooltip));
  Command1->setAccessibleName(QString::fromLatin1(useTooltip));
  Command1->setDefault(true);  // Enter chooses
  Command1->setAutoDefault(false);
  Command2 = new QPushButton(this);
  Command2->setObjectName("Command2");
  Command2->setIcon(buttonIcon(ButtonPicture::noWord));
  Command2->setIconSize(QSize(32, 32));
  Command2->setToolTip(toQString(kUseNoWordTooltip));
  Command2->setAccessibleName(toQString(kUseNoWordTooltip));
  Command2->setAutoDefault(false);

  for (QPushButton* button : {Command1, Command2}) button->setFixedSize(56, 44);

  Timer1.setInterval(kPickerTickMilliseconds);
  Timer1.start();
}

void PickerWindowBase::layOut(QWidget* top, QWidget* extra) {
  auto* page = new QVBoxLayout(this);
  page->addWidget(top);
  page->addWidget(List1, 1);
  page->addWidget(wordDisplay);
  auto* buttons = new QHBoxLayout;
  if (extra) buttons->addWidget(extra);
  buttons->addStretch(1);
  buttons->addWidget(Command1);
  buttons->addWidget(Command2);
  page->addLayout(buttons);
  setMinimumSize(420, 320);
}

void PickerWindowBase::showPreview(const QString& latin) {
  if (wordDisplay->text() == latin) return;
  wordDisplay->setText(latin);
  wordDisplay->setAccessibleName("Latin word: " + latin);
}

void PickerWindowBase::selectRowInView(int row) {
  QItemSelectionModel* selection = List1->selectionModel();
  const QModelIndex index = rowsModel_->index(row, 0);
  if (row < 0 || !index.isValid()) {
    if (selection->hasSelection() || selection->currentIndex().isValid()) selection->clear();
    return;
  }
  if (selection->currentIndex() != index || !selection->isSelected(index)) {
    selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    List1->scrollTo(index);
  }
}

void PickerWindowBase::connectCommon() {
  connect(List1->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!syncing_) selectModelRow(current.isValid() ? current.row() : -1);
          });
  connect(List1, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
    selectModelRow(index.row());
    Command1_Click();
  });
  connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
  connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
  // The tick keeps the hint and preview current and the picker in front.
  connect(&Timer1, &QTimer::timeout, this, [this] {
    tickModel();
    // The main window is disabled while a picker is open: a minimised picker
    // comes back so that the user is never left without one.
    if (isVisible() && isMinimized()) showNormal();
    if (isVisible()) raise();
    showPicker();
  });
}

void PickerWindowBase::runAct(const std::function<bool()>& act) {
  QString failure;
  try {
    if (!act()) return;  // no row selected: the visit goes on
  } catch (const std::exception& problem) {
    failure = failureText(problem);
  }
  showPicker();
  if (hooks_.changed) hooks_.changed();
  if (!failure.isEmpty() && hooks_.failed) hooks_.failed(failure);
}

void PickerWindowBase::runNoWordAct(const std::function<void()>& act) {
  runAct([&act] {
    act();
    return true;
  });
}

void PickerWindowBase::reject() {
  if (leaveModel()) {
    if (hooks_.cancelled) hooks_.cancelled();
    if (hooks_.changed) hooks_.changed();
  }
  QDialog::hide();
}

void PickerWindowBase::closeEvent(QCloseEvent* event) {
  event->accept();
  reject();
}

// ---------------------------------------------------------------------------

SearchPickerWindow::SearchPickerWindow(MottoState& state, const Lexicon& lexicon,
                                       const EnglishTables& english, SearchPickerKind kind)
    : PickerWindow(kind, lexicon), state_(state), english_(english) {
  const SearchPickerConfig& config = picker_.config();
  setObjectName(toQString(config.name));
  setWindowTitle(toQString(config.caption));
  setModal(false);

  Text1 = new QLineEdit(this);
  Text1->setObjectName("Text1");
  Text1->setToolTip(toQString(kSearchTooltip));
  Text1->setAccessibleName("Search for an English word");
  QFont searchFont = Text1->font();
  searchFont.setPointSize(11);
  Text1->setFont(searchFont);
  Text1->setMinimumHeight(28);

  // The hint lies over the empty search box, in the box's placeholder colour;
  // clicks go through it.
  fbText = new QLabel(toQString(config.hint), Text1);
  fbText->setObjectName("fbText");
  fbText->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette grey = fbText->palette();
  grey.setColor(QPalette::WindowText, Text1->palette().color(QPalette::PlaceholderText));
  fbText->setPalette(grey);
  auto* inside = new QHBoxLayout(Text1);
  inside->setContentsMargins(6, 0, 6, 0);
  inside->addWidget(fbText);

  buildCommon(kUseWordTooltip.data());
  rowsModel_ =
      new PickerRowsModel({.count = [this] { return static_cast<int>(picker_.rows().size()); },
                           .text = [this](int row) -> std::string_view {
                             return picker_.rows()[static_cast<std::size_t>(row)].text;
                           },
                           .gloss = [this](int row) { return picker_.rowGloss(row); },
                           .notice = [this]() -> std::string_view { return picker_.notice(); }},
                          this);
  List1->setModel(rowsModel_);
  List1->setAccessibleName(toQString(config.caption) + " found");
  List1->installEventFilter(this);

  if (config.hasComparison) {
    compareButton = new QPushButton(this);
    compareButton->setObjectName("compareButton");
    compareButton->setAutoDefault(false);
    QFont condensed = compareButton->font();
    condensed.setStretch(QFont::Condensed);
    compareButton->setFont(condensed);
    compareButton->setMinimumWidth(160);
    connect(compareButton, &QPushButton::clicked, this, [this] {
      picker_.compareButton_Click();
      showPicker();
    });
  }
  layOut(Text1, compareButton);
  resize(config.latinColumn > 20 ? 760 : 680, 440);

  connect(Text1, &QLineEdit::textEdited, this, &SearchPickerWindow::searchEdited);
  connectCommon();
  showPicker();
}

void SearchPickerWindow::showPicker() {
  syncing_ = true;
  // The picker refills its rows only when its search text changes.
  if (picker_.searchText() != listedSearch_) {
    rowsModel_->refresh();
    listedSearch_ = picker_.searchText();
  }
  const QString search = toQString(picker_.searchText());
  if (Text1->text() != search) {
    Text1->setText(search);
    Text1->setCursorPosition(static_cast<int>(picker_.caretPosition()));
  }
  fbText->setVisible(picker_.hintVisible());
  selectRowInView(picker_.selectedRow());
  showPreview(toQString(picker_.preview()));
  if (compareButton) {
    const QString caption = toQString(picker_.compareCaption());
    compareButton->setText(caption);
    compareButton->setAccessibleName("Comparison: " + caption);
  }
  if (!picker_.Visible && isVisible()) QDialog::hide();
  syncing_ = false;
}

QWidget* SearchPickerWindow::typingWidget() const {
  return Text1;
}

void SearchPickerWindow::searchEdited(const QString& text) {
  picker_.setSearchText(fromQString(text));
  showPicker();
}

void SearchPickerWindow::Command1_Click() {
  runAct([this] { return picker_.choose(state_, english_); });
}

void SearchPickerWindow::Command2_Click() {
  runNoWordAct([this] { picker_.chooseNoWord(state_, english_); });
}

void SearchPickerWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() != QEvent::ActivationChange) return;
  if (isActiveWindow()) {
    picker_.Form_Activate();
    if (picker_.searchHasFocus()) Text1->setFocus();
  } else if (picker_.Visible && QApplication::activeWindow() != nullptr) {
    // Another window of the program became active. Switching to another
    // application (to copy a word, say) keeps the search.
    picker_.Form_Deactivate();
  }
  showPicker();
}

// A key typed in the result list goes on with the search in the search box;
// the keys that move through the list (and Enter, for the default button)
// keep their meaning.
bool SearchPickerWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched != List1 || event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  char typed = 0;
  if (key->key() == Qt::Key_Backspace) {
    typed = '\b';
  } else {
    const std::string text = fromQString(key->text());
    if (text.size() != 1 || static_cast<unsigned char>(text[0]) < 0x20 || text[0] == 0x7f)
      return false;
    typed = text[0];
  }
  picker_.keyTypedInList(typed);
  Text1->setFocus();
  showPicker();
  Text1->setCursorPosition(static_cast<int>(picker_.caretPosition()));
  Text1->deselect();
  return true;
}

// ---------------------------------------------------------------------------

PrepositionPickerWindow::PrepositionPickerWindow(MottoState& state, const Lexicon& lexicon)
    : PickerWindow(lexicon), state_(state) {
  setObjectName("prepositionPicker");
  setWindowTitle(toQString(kPrepositionCaption));
  setModal(false);

  auto* prompt = new QLabel(toQString(kPrepositionPrompt), this);
  prompt->setObjectName("Label1");
  QFont bold = prompt->font();
  bold.setBold(true);
  bold.setPointSize(11);
  prompt->setFont(bold);

  buildCommon(kUsePrepositionTooltip.data());
  rowsModel_ =
      new PickerRowsModel({.count = [this] { return static_cast<int>(picker_.rows().size()); },
                           .text = [this](int row) -> std::string_view {
                             return picker_.rows()[static_cast<std::size_t>(row)];
                           },
                           .gloss = [this](int row) { return picker_.rowGloss(row); },
                           .notice = {}},
                          this);
  List1->setModel(rowsModel_);
  List1->setAccessibleName("Prepositions");
  prompt->setBuddy(List1);
  layOut(prompt, nullptr);
  resize(560, 420);

  connectCommon();
  showPicker();
}

void PrepositionPickerWindow::showPicker() {
  syncing_ = true;
  selectRowInView(picker_.selectedRow());
  showPreview(toQString(picker_.preview()));
  if (!picker_.Visible && isVisible()) QDialog::hide();
  syncing_ = false;
}

QWidget* PrepositionPickerWindow::typingWidget() const {
  return List1;
}

void PrepositionPickerWindow::Command1_Click() {
  runAct([this] { return picker_.choose(state_); });
}

void PrepositionPickerWindow::Command2_Click() {
  runNoWordAct([this] { picker_.chooseNoWord(state_); });
}

}  // namespace lexorra::ui
