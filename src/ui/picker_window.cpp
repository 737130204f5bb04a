#include "ui/picker_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "ui/fonts.h"
#include "ui/icons.h"
#include "ui/qtext.h"

namespace lexorra::ui {

namespace {

QString qs(std::string_view text) {
  return toQString(text);
}

}  // namespace

PickerRowsModel::PickerRowsModel(std::function<int()> count,
                                 std::function<std::string_view(int)> text, QObject* parent)
    : QAbstractListModel(parent), count_(std::move(count)), text_(std::move(text)) {}

int PickerRowsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : count_();
}

QVariant PickerRowsModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count_()) return {};
  return toQString(text_(index.row()));
}

void PickerRowsModel::refresh() {
  beginResetModel();
  endResetModel();
}

// ---------------------------------------------------------------------------

void PickerWindowBase::buildCommon(const char* useTooltip) {
  setSizeGripEnabled(false);
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
  Command1->setDefault(true);  // Enter chooses
  Command1->setAutoDefault(false);
  Command2 = new QPushButton(this);
  Command2->setObjectName("Command2");
  Command2->setIcon(buttonIcon(ButtonPicture::noWord));
  Command2->setIconSize(QSize(32, 32));
  Command2->setToolTip(qs(kUseNoWordTooltip));
  Command2->setAutoDefault(false);

  Timer1.setInterval(kPickerTickMilliseconds);
  Timer1.start();
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
    failure = QString::fromLocal8Bit(problem.what());
  }
  showPicker();
  if (hooks_.changed) hooks_.changed();
  if (!failure.isEmpty() && hooks_.failed) hooks_.failed(failure);
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
    : state_(state), lexicon_(lexicon), english_(english), picker_(kind, lexicon) {
  const SearchPickerConfig& config = picker_.config();
  setObjectName(qs(config.name));
  setWindowTitle(qs(config.caption));
  setModal(false);
  const int width = config.latinColumn > 20 ? 760 : 680;
  setFixedSize(width, 440);

  Text1 = new QLineEdit(this);
  Text1->setObjectName("Text1");
  Text1->setToolTip(qs(kSearchTooltip));
  Text1->setGeometry(10, 10, width - 20, 28);
  QFont searchFont = Text1->font();
  searchFont.setPointSize(11);
  Text1->setFont(searchFont);

  // The hint lies over the empty search box, in grey; clicks go through it.
  fbText = new QLabel(qs(config.hint), this);
  fbText->setObjectName("fbText");
  fbText->setAttribute(Qt::WA_TransparentForMouseEvents);
  QPalette grey = fbText->palette();
  grey.setColor(QPalette::WindowText, QColor(128, 128, 128));
  fbText->setPalette(grey);
  fbText->setGeometry(16, 10, width - 32, 28);

  buildCommon(kUseWordTooltip.data());
  rowsModel_ = new PickerRowsModel([this] { return static_cast<int>(picker_.rows().size()); },
                                   [this](int row) -> std::string_view {
                                     return picker_.rows()[static_cast<std::size_t>(row)].text;
                                   },
                                   this);
  List1->setModel(rowsModel_);
  List1->setGeometry(10, 46, width - 20, 280);
  List1->installEventFilter(this);
  wordDisplay->setGeometry(10, 334, width - 20, 44);
  Command1->setGeometry(width - 130, 386, 56, 44);
  Command2->setGeometry(width - 66, 386, 56, 44);

  if (config.hasComparison) {
    compareButton = new QPushButton(this);
    compareButton->setObjectName("compareButton");
    compareButton->setAutoDefault(false);
    QFont condensed = compareButton->font();
    condensed.setStretch(QFont::Condensed);
    compareButton->setFont(condensed);
    compareButton->setGeometry(10, 392, 160, 32);
    connect(compareButton, &QPushButton::clicked, this, [this] {
      picker_.compareButton_Click();
      showPicker();
    });
  }

  connect(Text1, &QLineEdit::textEdited, this, &SearchPickerWindow::searchEdited);
  connectCommon();
  showPicker();
}

void SearchPickerWindow::showPicker() {
  syncing_ = true;
  if (picker_.searchText() != listedSearch_ ||
      rowsModel_->rowCount() != static_cast<int>(picker_.rows().size())) {
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
  const QString preview = toQString(picker_.preview());
  if (wordDisplay->text() != preview) wordDisplay->setText(preview);
  if (compareButton) compareButton->setText(toQString(picker_.compareCaption()));
  if (!picker_.Visible && isVisible()) QDialog::hide();
  syncing_ = false;
}

void SearchPickerWindow::openPicker() {
  picker_.show();
  showPicker();
  show();
  raise();
  activateWindow();
  Text1->setFocus();
}

void SearchPickerWindow::searchEdited(const QString& text) {
  picker_.setSearchText(fromQString(text));
  showPicker();
}

void SearchPickerWindow::Command1_Click() {
  runAct([this] { return picker_.choose(state_, english_); });
}

void SearchPickerWindow::Command2_Click() {
  runAct([this] {
    picker_.chooseNoWord(state_, english_);
    return true;
  });
}

bool SearchPickerWindow::leaveModel() {
  if (!picker_.Visible) return false;
  picker_.hide();
  showPicker();
  return true;
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
    : state_(state), picker_(lexicon) {
  setObjectName("prepositionPicker");
  setWindowTitle(qs(kPrepositionCaption));
  setModal(false);
  setFixedSize(560, 420);

  auto* prompt = new QLabel(qs(kPrepositionPrompt), this);
  prompt->setObjectName("Label1");
  QFont bold = prompt->font();
  bold.setBold(true);
  bold.setPointSize(11);
  prompt->setFont(bold);
  prompt->setGeometry(10, 8, 540, 26);

  buildCommon(kUsePrepositionTooltip.data());
  rowsModel_ = new PickerRowsModel(
      [this] { return static_cast<int>(picker_.rows().size()); },
      [this](int row) -> std::string_view { return picker_.rows()[static_cast<std::size_t>(row)]; },
      this);
  List1->setModel(rowsModel_);
  List1->setGeometry(10, 40, 540, 270);
  wordDisplay->setGeometry(10, 316, 540, 44);
  Command1->setGeometry(430, 366, 56, 44);
  Command2->setGeometry(494, 366, 56, 44);

  connectCommon();
  showPicker();
}

void PrepositionPickerWindow::showPicker() {
  syncing_ = true;
  selectRowInView(picker_.selectedRow());
  const QString preview = toQString(picker_.preview());
  if (wordDisplay->text() != preview) wordDisplay->setText(preview);
  if (!picker_.Visible && isVisible()) QDialog::hide();
  syncing_ = false;
}

void PrepositionPickerWindow::openPicker() {
  picker_.show();
  showPicker();
  show();
  raise();
  activateWindow();
  List1->setFocus();
}

void PrepositionPickerWindow::Command1_Click() {
  runAct([this] { return picker_.choose(state_); });
}

void PrepositionPickerWindow::Command2_Click() {
  runAct([this] {
    picker_.chooseNoWord(state_);
    return true;
  });
}

bool PrepositionPickerWindow::leaveModel() {
  if (!picker_.Visible) return false;
  picker_.hide();
  showPicker();
  return true;
}

}  // namespace lexorra::ui
