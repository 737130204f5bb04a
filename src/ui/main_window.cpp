#include "ui/main_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCursor>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTextEdit>
#include <QToolButton>

#include "editor/menus.h"
#include "editor/motto_file.h"
#include "editor/options.h"
#include "editor/refresh.h"
#include "ui/explain_window.h"
#include "ui/export_dialog.h"
#include "ui/fonts.h"
#include "ui/icons.h"
#include "ui/messages.h"
#include "ui/printing.h"
#include "ui/qtext.h"
#include "ui/slot_label.h"

namespace lexorra::ui {

namespace {

constexpr int kSlotWidth = 150;
constexpr int kSlotHeight = 28;

struct Place {
  std::string_view name;
  int x, y, width;
};

// Where each word label sits: one row per thing, the linked thing below it.
constexpr Place kSlotPlaces[] = {
    {"actorPronounText", 30, 38, kSlotWidth},
    {"actorAdjText", 190, 38, kSlotWidth},
    {"actorNounText", 350, 38, kSlotWidth},
    {"secondActorPronoun", 30, 72, kSlotWidth},
    {"secondActorAdjText", 190, 72, kSlotWidth},
    {"secondActorNounText", 350, 72, kSlotWidth},
    {"verbTenseText", 30, 146, 190},
    {"verbText", 300, 146, 200},
    {"actedPronounText", 30, 220, kSlotWidth},
    {"actedAdjText", 190, 220, kSlotWidth},
    {"actedNounText", 350, 220, kSlotWidth},
    {"secondActedPronoun", 30, 254, kSlotWidth},
    {"secondActedAdjText", 190, 254, kSlotWidth},
    {"secondActedNounText", 350, 254, kSlotWidth},
    {"adVerbText", 30, 328, kSlotWidth},
    {"prepositionText", 190, 328, kSlotWidth},
    {"prepositionPronounText", 350, 328, kSlotWidth},
    {"prepositionAdjText", 510, 328, kSlotWidth},
    {"prepositionNounText", 670, 328, kSlotWidth},
    {"secondPrepositionPronounText", 350, 362, kSlotWidth},
    {"secondPrepositionAdjText", 510, 362, kSlotWidth},
    {"secondPrepositionNounText", 670, 362, kSlotWidth},
};

QColor slotColour(SlotKind kind) {
  switch (kind) {
    case SlotKind::noun:
      return QColor(128, 128, 255);
    case SlotKind::pronoun:
    case SlotKind::adjective:
      return QColor(192, 192, 255);
    case SlotKind::tense:
    case SlotKind::preposition:
      return QColor(255, 192, 255);
    case SlotKind::verb:
    case SlotKind::adverb:
      return QColor(192, 0, 192);
  }
  return QColor(192, 192, 255);
}

struct TickBoxInfo {
  std::string_view name;
  const char* caption;
  TickBox MottoState::*field;
  int y;
  const char* explanation;
};

constexpr TickBoxInfo kTickBoxes[] = {
    {"actorTickBox", "The first thing(s)", &MottoState::actorTickBox, 8,
     "E.g. main thing(s), or the thing(s) which do something."},
    {"actionTickBoc", "The Act", &MottoState::actionTickBoc, 116,
     "The deed that is done or is happening."},
    {"actedTickBox", "The second thing(s)", &MottoState::actedTickBox, 190,
     "E.g. The thing(s) which it happens to."},
    {"mannerTickBox", "How it happens", &MottoState::mannerTickBox, 298, nullptr},
};

struct CheckBoxInfo {
  std::string_view name;
  const char* caption;
  CheckBox MottoState::*field;
  const char* tooltip;
};

constexpr CheckBoxInfo kCheckBoxes[] = {
    {"Check1", "Include pronouns (untick for short mottos)", &MottoState::Check1,
     "Untick this for shorter mottos"},
    {"isCheckBox", "Include all 'be/is' (untick for short mottos)", &MottoState::isCheckBox,
     nullptr},
    {"wordOrderBox", "Alternative word order", &MottoState::wordOrderBox, nullptr},
    {"femaleBox", "Speaker is female (affects 'I am' statements)", &MottoState::femaleBox, nullptr},
    {"youFemaleBox", "'You' is female (affects 'you are' statements)", &MottoState::youFemaleBox,
     nullptr},
    {"notButton", "not", &MottoState::notButton, nullptr},
};

struct QuestionInfo {
  std::string_view name;
  const char* caption;
  bool MottoState::*field;
};

constexpr QuestionInfo kQuestions[] = {
    {"whenIsItOption", "When is it that...?", &MottoState::whenIsItOption},
    {"whyOption", "Why is it that...?", &MottoState::whyOption},
    {"isItThatOption", "Is it the case that...?", &MottoState::isItThatOption},
    {"notQuestionOption", "None", &MottoState::notQuestionOption},
};

constexpr OptionButton MottoState::*kOptions[] = {
    &MottoState::Option1, &MottoState::Option2, &MottoState::Option3,
    &MottoState::Option4, &MottoState::Option5, &MottoState::Option6,
    &MottoState::Option7, &MottoState::Option8, &MottoState::Option9,
};

struct FrameInfo {
  std::string_view name;
  Frame MottoState::*field;
  int x, y;
  int firstOption;  // 1, 4 or 7
};

constexpr FrameInfo kFrames[] = {
    {"Frame2", &MottoState::Frame2, 512, 30, 1},
    {"Frame4", &MottoState::Frame4, 512, 212, 4},
    {"Frame3", &MottoState::Frame3, 832, 320, 7},
};

struct FontItem {
  const char* name;
  const char* caption;
  const char* face;
};

constexpr FontItem kFontItems[] = {
    {"oldEnglishFont",
     "Old English (default, most common for tattoos). Used in the British Isles in the first "
     "millenium A.D.",
     "Old English Text MT"},
    {"informalRomanFont",
     "Informal Roman (a loose, cartoony version of the Classical era Roman font)",
     "informal roman"},
    {"timesNewRomanfont",
     "Times New Roman (most common font in the world, but essentially a Classical era "
     "invention)",
     "times new roman"},
    {"highTowerFont", "High Tower Text (variant on Roman)", "high tower text"},
};

QString latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

Form1::Form1(MottoState& state, const Lexicon& lexicon, const EnglishTables& english,
             QWidget* parent)
    : QWidget(parent), state_(state), lexicon_(lexicon), english_(english) {
  setObjectName("Form1");
  setWindowTitle("Lexorra");
  setMouseTracking(true);
  buildWidgets();
  buildMenus();
  connectControls();
  Timer1.setInterval(250);
  connect(&Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
  Timer1.start();
  showModel();
}

Form1::~Form1() = default;

void Form1::buildWidgets() {
  setFixedSize(1100, 620);
  QPalette ground = palette();
  ground.setColor(QPalette::Window, QColor(236, 233, 216));
  setPalette(ground);
  setAutoFillBackground(true);

  slotFont_ = windowFont("Century Gothic", 12, true);
  const QFont& slotFont = slotFont_;
  for (std::size_t i = 0; i < kSlots.size(); ++i) {
    const SlotInfo& info = kSlots[i];
    auto* label = new SlotLabel(static_cast<int>(i), this);
    label->setObjectName(latin1(info.name));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(slotFont);
    label->setAutoFillBackground(true);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, slotColour(info.kind));
    colours.setColor(QPalette::WindowText, QColor(0, 0, 128));
    label->setPalette(colours);
    if (!info.tooltip.empty()) label->setToolTip(latin1(info.tooltip));
    for (const Place& place : kSlotPlaces)
      if (place.name == info.name) label->setGeometry(place.x, place.y, place.width, kSlotHeight);
    connect(label, &SlotLabel::clicked, this, &Form1::slotClicked);
    connect(label, &SlotLabel::hovered, this, &Form1::slotHovered);
    slots_[i] = label;
  }

  for (std::size_t i = 0; i < std::size(kTickBoxes); ++i) {
    const TickBoxInfo& info = kTickBoxes[i];
    auto* box = new QCheckBox(QString::fromLatin1(info.caption), this);
    box->setObjectName(latin1(info.name));
    QFont bold = box->font();
    bold.setBold(true);
    bold.setPointSize(11);
    box->setFont(bold);
    box->setGeometry(12, info.y, 200, 24);
    tickBoxes_[i] = box;
    if (info.explanation) {
      auto* explanation = new QLabel(QString::fromLatin1(info.explanation), this);
      explanation->setGeometry(220, info.y, 480, 24);
    }
  }

  for (std::size_t f = 0; f < std::size(kFrames); ++f) {
    const FrameInfo& info = kFrames[f];
    auto* frame = new QGroupBox(this);
    frame->setObjectName(latin1(info.name));
    frame->setGeometry(info.x, info.y, 250, 44);
    for (int k = 0; k < 3; ++k) {
      const int number = info.firstOption + k;
      auto* option = new QRadioButton(QString::fromLatin1(k == 0   ? "and"
                                                          : k == 1 ? "of"
                                                                   : "<blank>"),
                                      frame);
      option->setObjectName(QString("Option%1").arg(number));
      option->setAutoExclusive(false);  // the state says which one is selected
      option->setGeometry(10 + k * 70, 12, k == 2 ? 90 : 65, 24);
      options_[number - 1] = option;
    }
    linkFrames_[f] = frame;
  }

  auto* latinOptions = new QGroupBox("Latin options", this);
  latinOptions->setObjectName("Frame1");
  latinOptions->setGeometry(780, 8, 310, 160);
  for (std::size_t i = 0; i < std::size(kCheckBoxes); ++i) {
    const CheckBoxInfo& info = kCheckBoxes[i];
    QCheckBox* box;
    if (info.name == "notButton") {
      box = new QCheckBox(QString::fromLatin1(info.caption), this);
      box->setGeometry(230, 148, 60, 24);
    } else {
      box = new QCheckBox(QString::fromLatin1(info.caption), latinOptions);
      box->setGeometry(10, 22 + static_cast<int>(i) * 26, 295, 24);
    }
    box->setObjectName(latin1(info.name));
    if (info.tooltip) box->setToolTip(QString::fromLatin1(info.tooltip));
    checkBoxes_[i] = box;
  }

  auto* questions = new QGroupBox("Broad questions?", this);
  questions->setObjectName("Frame5");
  questions->setGeometry(780, 176, 310, 130);
  for (std::size_t i = 0; i < std::size(kQuestions); ++i) {
    auto* option = new QRadioButton(QString::fromLatin1(kQuestions[i].caption), questions);
    option->setObjectName(latin1(kQuestions[i].name));
    option->setAutoExclusive(false);
    option->setGeometry(10, 22 + static_cast<int>(i) * 26, 290, 24);
    questions_[i] = option;
  }

  finalLatin_ = new ClickLabel(this);
  finalLatin_->setObjectName("finalLatin");
  finalLatin_->setAlignment(Qt::AlignCenter);
  finalLatin_->setAutoFillBackground(true);
  QPalette tip = finalLatin_->palette();
  tip.setColor(QPalette::Window, tip.color(QPalette::ToolTipBase));
  tip.setColor(QPalette::WindowText, tip.color(QPalette::ToolTipText));
  finalLatin_->setPalette(tip);
  finalLatin_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  finalLatin_->setGeometry(10, 404, 1080, 80);
  finalLatin_->setCursor(Qt::PointingHandCursor);
  auto* explainButton = new QToolButton(this);
  explainButton->setObjectName("explainButton");
  explainButton->setText("Why?");
  explainButton->setToolTip("Why this Latin? Every word explained");
  explainButton->setGeometry(1034, 408, 52, 24);
  connect(explainButton, &QToolButton::clicked, this,
          [this] { showExplainWindow(this, state_, lexicon_); });

  finalEnglish_ = new QTextEdit(this);
  finalEnglish_->setObjectName("finalEnglish");
  finalEnglish_->setReadOnly(true);
  finalEnglish_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  finalEnglish_->setFont(windowFont("Garamond", 12, true));
  QPalette red = finalEnglish_->palette();
  red.setColor(QPalette::Text, QColor(128, 0, 0));
  finalEnglish_->setPalette(red);
  finalEnglish_->setToolTip("Meaning in English");
  finalEnglish_->setGeometry(10, 490, 1080, 64);

  auto makeButton = [this](const char* name, const char* tooltip, ButtonPicture picture, int x) {
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setToolTip(tooltip);
    b->setIcon(buttonIcon(picture));
    b->setIconSize(QSize(32, 32));
    b->setGeometry(x, 564, 48, 48);
    return b;
  };
  Command3 = makeButton("Command3", "Clear the entire form", ButtonPicture::reset, 10);
  Command3->setText("Reset all");
  Command3->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  Command3->setGeometry(10, 564, 130, 48);
  printButton = makeButton("printButton", "Print Latin", ButtonPicture::print, 150);
  Command2 = makeButton("Command2", "Examples", ButtonPicture::examples, 210);
  Command1 = makeButton("Command1", "Main menu", ButtonPicture::menu, 1042);

  saveButton = new QPushButton("save", this);
  saveButton->setObjectName("saveButton");
  saveButton->setGeometry(900, 570, 60, 30);
  saveButton->hide();
  loadButton = new QPushButton("load", this);
  loadButton->setObjectName("loadButton");
  loadButton->setGeometry(965, 570, 60, 30);
  loadButton->hide();
}

void Form1::showModel() {
  for (std::size_t i = 0; i < kSlots.size(); ++i) {
    const WordSlot& slot = state_.*kSlots[i].slot;
    SlotLabel* label = slots_[i];
    label->showCaption(toQString(slot.Caption), slotFont_);
    const int frameStyle = slot.BorderStyle == 1 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame;
    if (label->frameStyle() != frameStyle) label->setFrameStyle(frameStyle);
    label->setVisible(slot.Visible);
  }
  for (std::size_t i = 0; i < std::size(kTickBoxes); ++i) {
    const TickBox& box = state_.*kTickBoxes[i].field;
    tickBoxes_[i]->setChecked(box.Value != 0);
    tickBoxes_[i]->setEnabled(box.Enabled);
  }
  for (std::size_t i = 0; i < std::size(kCheckBoxes); ++i) {
    const CheckBox& box = state_.*kCheckBoxes[i].field;
    checkBoxes_[i]->setChecked(box.Value != 0);
    checkBoxes_[i]->setVisible(box.Visible);
  }
  for (std::size_t i = 0; i < std::size(kOptions); ++i) {
    const OptionButton& option = state_.*kOptions[i];
    options_[i]->setChecked(option.Value);
    options_[i]->setVisible(option.Visible);
  }
  for (std::size_t f = 0; f < std::size(kFrames); ++f)
    linkFrames_[f]->setVisible((state_.*kFrames[f].field).Visible);
  for (std::size_t i = 0; i < std::size(kQuestions); ++i)
    questions_[i]->setChecked(state_.*kQuestions[i].field);

  const QString latin = toQString(state_.finalLatin);
  if (finalLatin_->text() != latin) finalLatin_->setText(latin);
  const QFont latinFont = windowFont(state_.finalLatinFont, 24);
  if (finalLatin_->font() != latinFont) finalLatin_->setFont(latinFont);
  const QString english = toQString(state_.finalEnglish);
  if (finalEnglish_->toPlainText() != english) finalEnglish_->setPlainText(english);

  setEnabled(state_.Enabled);
  emit modelShown();
}

void Form1::Timer1_Timer() {
  try {
    lexorra::Timer1_Timer(state_, lexicon_, english_);
  } catch (const std::exception& failure) {
    reportRenderProblem(QString::fromLocal8Bit(failure.what()));
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
  showModel();
}

void Form1::buildMenus() {
  for (PronounMenu which : {PronounMenu::actor, PronounMenu::acted}) {
    auto* menu = new QMenu(latin1(pronounMenuCaption(which)), this);
    menu->setObjectName(latin1(pronounMenuName(which)));
    for (const PronounMenuItem& item : pronounMenuItems(which)) {
      if (item.separatorBefore) menu->addSeparator();
      QAction* action = menu->addAction(latin1(item.menuCaption));
      action->setObjectName(latin1(item.name));
      connect(action, &QAction::triggered, this, [this, which, &item] {
        choosePronoun(state_, which, item);
        showModel();
      });
    }
    (which == PronounMenu::actor ? actorMenu_ : actedMenu_) = menu;
  }

  examplesMenu_ = new QMenu("Example", this);
  examplesMenu_->setObjectName("examplesMenu");
  for (const ExampleMotto& example : kExamples) {
    QAction* action = examplesMenu_->addAction(latin1(example.menuCaption));
    action->setObjectName(latin1(example.item));
    connect(action, &QAction::triggered, this, [this, &example] {
      loadMotto([this, &example] { loadExample(state_, lexicon_, dataFolder_, example.fileName); });
    });
  }

  fontMenu_ = new QMenu("Fonts", this);
  fontMenu_->setObjectName("fontMenu");
  for (const FontItem& item : kFontItems) {
    QAction* action = fontMenu_->addAction(QString::fromLatin1(item.caption));
    action->setObjectName(item.name);
    // Each item shows its caption in the face it stands for.
    action->setFont(windowFont(item.face, 11));
    connect(action, &QAction::triggered, this, [this, &item] {
      state_.finalLatinFont = item.face;
      showModel();
    });
  }

  mainMenu_ = new QMenu("mainMenu", this);
  mainMenu_->setObjectName("mainMenu");
  QAction* exportAction = mainMenu_->addAction("Export lettering...");
  exportAction->setObjectName("exportLetteringOption");
  connect(exportAction, &QAction::triggered, this, [this] { showExportDialog(this, state_); });
  QAction* explainAction = mainMenu_->addAction("Why this Latin?...");
  explainAction->setObjectName("explainOption");
  connect(explainAction, &QAction::triggered, this,
          [this] { showExplainWindow(this, state_, lexicon_); });
  mainMenu_->addSeparator();
  struct MainItem {
    const char* name;
    const char* caption;
    std::function<void()> MainWindowHooks::*hook;
  };
  static constexpr MainItem kMainItems[] = {
      {"websiteOption", "Website", &MainWindowHooks::openWebsite},
      {"aboutOption", "About", &MainWindowHooks::showAbout},
      {"helpMenu", "Help", &MainWindowHooks::openHelp},
      {"exitOption", "Exit", &MainWindowHooks::exitProgram},
  };
  for (const MainItem& item : kMainItems) {
    QAction* action = mainMenu_->addAction(item.caption);
    action->setObjectName(item.name);
    connect(action, &QAction::triggered, this, [this, &item] {
      if (const auto& hook = hooks_.*item.hook) hook();
    });
  }
}

void Form1::connectControls() {
  for (std::size_t i = 0; i < std::size(kTickBoxes); ++i)
    connect(tickBoxes_[i], &QCheckBox::clicked, this, [this, i](bool checked) {
      setTickBox(state_, kTickBoxes[i].field, checked ? 1 : 0);
      showModel();
    });
  // The Latin options have no operations of their own: the renderer reads them.
  for (std::size_t i = 0; i < std::size(kCheckBoxes); ++i)
    connect(checkBoxes_[i], &QCheckBox::clicked, this, [this, i](bool checked) {
      (state_.*kCheckBoxes[i].field).Value = checked ? 1 : 0;
      showModel();
    });
  for (int n = 1; n <= 9; ++n)
    connect(options_[n - 1], &QRadioButton::clicked, this, [this, n] {
      selectOption(state_, n);
      showModel();
    });
  for (std::size_t i = 0; i < std::size(kQuestions); ++i)
    connect(questions_[i], &QRadioButton::clicked, this, [this, i] {
      selectQuestion(state_, kQuestions[i].field);
      showModel();
    });
  connect(finalLatin_, &ClickLabel::clicked, this,
          [this](QPoint globalPos) { popUp(fontMenu_, globalPos); });
  connect(Command3, &QToolButton::clicked, this, [this] {
    resetTheForm(state_);
    showModel();
  });
  connect(printButton, &QToolButton::clicked, this, &Form1::printButton_Click);
  connect(Command1, &QToolButton::clicked, this, [this] { popUp(mainMenu_, QCursor::pos()); });
  connect(Command2, &QToolButton::clicked, this, [this] { popUp(examplesMenu_, QCursor::pos()); });
  connect(saveButton, &QPushButton::clicked, this, [this] {
    try {
      saveButton_Click(state_, dataFolder_);
    } catch (const MottoFileError& failure) {
      showMessage(
          this, MessageKind::critical, "Lexorra",
          QString("The motto was not saved.\n\n%1").arg(QString::fromLocal8Bit(failure.what())));
    }
  });
  connect(loadButton, &QPushButton::clicked, this,
          [this] { loadMotto([this] { loadButton_Click(state_, lexicon_, dataFolder_); }); });
}

// A motto file that cannot be read leaves the motto as it was; the person is
// told which file and what is wrong with it.
void Form1::loadMotto(const std::function<void()>& load) {
  try {
    load();
  } catch (const MottoFileError& failure) {
    showMessage(this, MessageKind::critical, "Lexorra",
                QString("The motto could not be loaded.\n\n%1").arg(toQString(failure.what())));
  }
  showModel();
}

void Form1::slotClicked(int slotIndex, QPoint globalPos) {
  const SlotInfo& info = kSlots[static_cast<std::size_t>(slotIndex)];
  const std::optional<SlotClick> click = clickSlot(state_, info.slot);
  showModel();
  if (!click) return;
  switch (click->tool) {
    case SlotTool::actorPronounMenu:
    case SlotTool::actedPronounMenu: {
      QMenu* menu = click->tool == SlotTool::actorPronounMenu ? actorMenu_ : actedMenu_;
      // A menu closed without a choice gives the slot its earlier tag back,
      // so that a later choice from this menu cannot reach it.
      if (menu->exec(globalPos) == nullptr) lexorra::cancelSlotEdit(state_, click->edit);
      showModel();
      return;
    }
    case SlotTool::tenseRing:
      return;
    default:
      pickerEdit_ = click->edit;
      if (hooks_.openPicker) hooks_.openPicker(info.kind);
      return;
  }
}

void Form1::cancelSlotEdit() {
  if (pickerEdit_) lexorra::cancelSlotEdit(state_, *pickerEdit_);
  pickerEdit_.reset();
  showModel();
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

SlotLabel* Form1::slotLabel(std::string_view name) const {
  for (std::size_t i = 0; i < kSlots.size(); ++i)
    if (kSlots[i].name == name) return slots_[i];
  return nullptr;
}
QLabel* Form1::finalLatinLabel() const {
  return finalLatin_;
}
QTextEdit* Form1::finalEnglishBox() const {
  return finalEnglish_;
}
QCheckBox* Form1::tickBox(std::string_view name) const {
  for (std::size_t i = 0; i < std::size(kTickBoxes); ++i)
    if (kTickBoxes[i].name == name) return tickBoxes_[i];
  return nullptr;
}
QCheckBox* Form1::checkBox(std::string_view name) const {
  for (std::size_t i = 0; i < std::size(kCheckBoxes); ++i)
    if (kCheckBoxes[i].name == name) return checkBoxes_[i];
  return nullptr;
}
QRadioButton* Form1::optionButton(int number) const {
  return number >= 1 && number <= 9 ? options_[number - 1] : nullptr;
}
QRadioButton* Form1::questionButton(std::string_view name) const {
  for (std::size_t i = 0; i < std::size(kQuestions); ++i)
    if (kQuestions[i].name == name) return questions_[i];
  return nullptr;
}
QGroupBox* Form1::frame(std::string_view name) const {
  for (std::size_t f = 0; f < std::size(kFrames); ++f)
    if (kFrames[f].name == name) return linkFrames_[f];
  return nullptr;
}
QToolButton* Form1::button(std::string_view name) const {
  for (QToolButton* b : {Command1, Command2, Command3, printButton})
    if (b->objectName() == latin1(name)) return b;
  return nullptr;
}
QPushButton* Form1::saveLoadButton(std::string_view name) const {
  return name == "saveButton" ? saveButton : name == "loadButton" ? loadButton : nullptr;
}
QMenu* Form1::pronounMenu(PronounMenu which) const {
  return which == PronounMenu::actor   ? actorMenu_
         : which == PronounMenu::acted ? actedMenu_
                                       : nullptr;
}

}  // namespace lexorra::ui
