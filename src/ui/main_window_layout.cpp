// The main window's widgets and their layout: a grid that follows the motto
// (the sections, each thing's pronoun, adjective and noun and its links), the
// Latin options and questions beside it, then the Latin, the English and the
// buttons. Nothing is placed by hand, so the window can be made smaller or
// larger and fits small and scaled screens.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "ui/explain_window.h"
#include "ui/fonts.h"
#include "ui/form_tables.h"
#include "ui/icons.h"
#include "ui/latin_preview.h"
#include "ui/main_window.h"
#include "ui/qtext.h"
#include "ui/slot_label.h"

namespace lexorra::ui {

namespace {

constexpr int kSlotMinimumWidth = 118;
constexpr int kSlotHeight = 28;
constexpr int kSpacing = 4;
constexpr int kLatinMinimumHeight = 56;
constexpr int kLatinMaximumHeight = 150;  // two lines of the face at its largest
constexpr int kEnglishMinimumHeight = 52;
constexpr int kEnglishMaximumHeight = 90;
// The size the window opens at when the screen has room for it.
constexpr QSize kPreferredSize(1100, 640);

// A hidden control keeps its place, so that ticking a section does not move
// the rest of the window about.
void keepPlaceWhenHidden(QWidget* widget) {
  QSizePolicy policy = widget->sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  widget->setSizePolicy(policy);
}

QFont boldFont(QFont font, int points) {
  font.setBold(true);
  font.setPointSize(points);
  return font;
}

// How light a colour looks, 0 to 1 (the luminance of the sRGB standard).
double luminance(const QColor& colour) {
  auto channel = [](double c) {
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
         0.0722 * channel(colour.blueF());
}

// What a word label is, for assistive technology ("First thing, noun"); a
// slot without a place in the grid is called by its name.
std::string_view roleOf(std::string_view slotName) {
  for (const SlotPlace& place : kSlotPlaces)
    if (place.name == slotName) return place.role;
  return slotName;
}

}  // namespace

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

void Form1::buildWidgets() {
  setAutoFillBackground(true);
  slotFont_ = windowFont("Century Gothic", 12, true);

  auto* page = new QVBoxLayout(this);
  page->setContentsMargins(9, 9, 9, 9);
  page->setSpacing(6);
  auto* upper = new QHBoxLayout;
  upper->setSpacing(10);
  page->addLayout(upper, 2);

  buildSections();
  buildOptionsColumn();
  buildOutputsAndButtons();

  auto* grid = new QGridLayout;
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(kSpacing);
  for (std::size_t i = 0; i < kTickBoxes.size(); ++i) {
    grid->addWidget(tickBoxes_[i], kTickBoxes[i].row, kPronounColumn);
    if (explanations_[i])
      grid->addWidget(explanations_[i], kTickBoxes[i].row, kAdjectiveColumn, 1, 3);
  }
  for (const SlotPlace& place : kSlotPlaces)
    grid->addWidget(slotLabel(place.name), place.row, place.column);
  grid->addWidget(checkBox("notButton"), kNotButtonRow, kAdjectiveColumn, Qt::AlignCenter);
  for (std::size_t f = 0; f < kFrames.size(); ++f)
    grid->addWidget(linkFrames_[f], kFrames[f].row, kLinkColumn, 2, 1, Qt::AlignTop);
  for (int column : {kPronounColumn, kAdjectiveColumn, kNounColumn})
    grid->setColumnStretch(column, 1);
  for (int row = 0; row < kGridRows; ++row) grid->setRowMinimumHeight(row, 22);
  grid->setRowStretch(kGridRows, 1);  // room to spare goes below the sections
  upper->addLayout(grid, 1);

  auto* column = new QVBoxLayout;
  column->setSpacing(kSpacing);
  column->addWidget(latinOptions_);
  column->addWidget(questionFrame_);
  column->addStretch(1);
  upper->addLayout(column, 0);

  auto* latinRow = new QHBoxLayout;
  latinRow->setSpacing(kSpacing);
  latinRow->addWidget(finalLatin_, 1);
  latinRow->addWidget(findChild<QToolButton*>("explainButton"), 0, Qt::AlignTop);
  page->addLayout(latinRow, 1);
  page->addWidget(finalEnglish_, 0);
  auto* buttons = new QHBoxLayout;
  for (QWidget* b : std::initializer_list<QWidget*>{Command3, printButton, Command2})
    buttons->addWidget(b);
  buttons->addStretch(1);
  buttons->addWidget(saveButton);
  buttons->addWidget(loadButton);
  buttons->addWidget(Command1);
  page->addLayout(buttons, 0);

  setTabOrderByReading();
  applyColours();
}

void Form1::buildSections() {
  for (std::size_t i = 0; i < kTickBoxes.size(); ++i) {
    const TickBoxInfo& info = kTickBoxes[i];
    auto* box = new QCheckBox(QString::fromLatin1(info.caption), this);
    box->setObjectName(latin1(info.name));
    box->setFont(boldFont(box->font(), 11));
    tickBoxes_[i] = box;
    if (info.explanation) {
      explanations_[i] = new QLabel(QString::fromLatin1(info.explanation), this);
      explanations_[i]->setObjectName(latin1(info.name) + "Explanation");
    }
  }

  for (std::size_t i = 0; i < kSlots.size(); ++i) {
    const SlotInfo& info = kSlots[i];
    auto* label = new SlotLabel(static_cast<int>(i), this);
    label->setObjectName(latin1(info.name));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(slotFont_);
    label->setAutoFillBackground(true);
    label->setMinimumWidth(kSlotMinimumWidth);
    label->setFixedHeight(kSlotHeight);
    label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    keepPlaceWhenHidden(label);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, slotColour(info.kind));
    colours.setColor(QPalette::WindowText, kSlotTextColour);
    label->setPalette(colours);
    if (!info.tooltip.empty()) {
      label->setToolTip(latin1(info.tooltip));
      label->setAccessibleDescription(latin1(info.tooltip));
    }
    slots_[i] = label;
    slotRoles_[i] = latin1(roleOf(info.name));
  }

  for (std::size_t f = 0; f < kFrames.size(); ++f) {
    const FrameInfo& info = kFrames[f];
    auto* frame = new QGroupBox(this);
    frame->setObjectName(latin1(info.name));
    frame->setAccessibleName(QString::fromLatin1(info.accessibleName));
    keepPlaceWhenHidden(frame);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(8, 2, 8, 2);
    for (int k = 0; k < 3; ++k) {
      const int number = info.firstOption + k;
      auto* option = new QRadioButton(QString::fromLatin1(kOptionCaptions[k]), frame);
      option->setObjectName(QString("Option%1").arg(number));
      option->setAccessibleName(QString("%1: %2").arg(info.accessibleName, kOptionCaptions[k]));
      // One of three, to the user and to assistive technology; the state
      // says which.
      option->setAutoExclusive(true);
      keepPlaceWhenHidden(option);
      row->addWidget(option);
      options_[number - 1] = option;
    }
    linkFrames_[f] = frame;
  }
}

void Form1::buildOptionsColumn() {
  latinOptions_ = new QGroupBox("Latin options", this);
  latinOptions_->setObjectName("Frame1");
  auto* options = new QVBoxLayout(latinOptions_);
  options->setSpacing(2);
  for (std::size_t i = 0; i < kCheckBoxes.size(); ++i) {
    const CheckBoxInfo& info = kCheckBoxes[i];
    // "not" belongs to the act and sits in its row.
    const bool inAct = info.name == "notButton";
    auto* box = new QCheckBox(QString::fromLatin1(info.caption),
                              inAct ? static_cast<QWidget*>(this) : latinOptions_);
    box->setObjectName(latin1(info.name));
    if (inAct) {
      box->setAccessibleName("The act, negated: not");
      keepPlaceWhenHidden(box);
    } else {
      options->addWidget(box);
    }
    if (info.tooltip) box->setToolTip(QString::fromLatin1(info.tooltip));
    checkBoxes_[i] = box;
  }

  questionFrame_ = new QGroupBox("Broad questions?", this);
  questionFrame_->setObjectName("Frame5");
  auto* questions = new QVBoxLayout(questionFrame_);
  questions->setSpacing(2);
  for (std::size_t i = 0; i < kQuestions.size(); ++i) {
    auto* option = new QRadioButton(QString::fromLatin1(kQuestions[i].caption), questionFrame_);
    option->setObjectName(latin1(kQuestions[i].name));
    option->setAccessibleName("Broad question: " + QString::fromLatin1(kQuestions[i].caption));
    option->setAutoExclusive(true);
    questions->addWidget(option);
    questions_[i] = option;
  }
}

void Form1::buildOutputsAndButtons() {
  finalLatin_ = new LatinPreview(this);
  finalLatin_->setObjectName("finalLatin");
  finalLatin_->setAutoFillBackground(true);
  finalLatin_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  finalLatin_->setMinimumHeight(kLatinMinimumHeight);
  finalLatin_->setMaximumHeight(kLatinMaximumHeight);
  finalLatin_->setToolTip("The Latin motto: click for its typeface, right-click to copy");
  // Beside the Latin: every word of it explained.
  auto* explainButton = new QToolButton(this);
  explainButton->setObjectName("explainButton");
  explainButton->setText("Why?");
  explainButton->setToolTip("Why this Latin? Every word explained");
  explainButton->setAccessibleName("Why this Latin?");
  connect(explainButton, &QToolButton::clicked, this,
          [this] { showExplainWindow(this, state_, lexicon_); });

  finalEnglish_ = new QTextEdit(this);
  finalEnglish_->setObjectName("finalEnglish");
  finalEnglish_->setReadOnly(true);
  finalEnglish_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  finalEnglish_->setFont(windowFont("Garamond", 12, true));
  finalEnglish_->setToolTip("Meaning in English");
  finalEnglish_->setAccessibleName("Meaning in English");
  finalEnglish_->setContextMenuPolicy(Qt::CustomContextMenu);
  finalEnglish_->setMinimumHeight(kEnglishMinimumHeight);
  finalEnglish_->setMaximumHeight(kEnglishMaximumHeight);
  finalEnglish_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  finalEnglish_->setTabChangesFocus(true);
  // Text selected in it, by mouse or keys, is copied by Ctrl+C.
  finalEnglish_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  finalEnglish_->installEventFilter(this);

  // The pictures are set by applyColours(), at the end of buildWidgets().
  auto makeButton = [this](const char* name, const char* tooltip) {
    auto* b = new QToolButton(this);
    b->setObjectName(name);
    b->setToolTip(tooltip);
    b->setAccessibleName(tooltip);
    b->setIconSize(QSize(32, 32));
    b->setFixedSize(48, 48);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
  };
  Command3 = makeButton("Command3", "Clear the entire form");
  Command3->setText("Reset all");
  Command3->setAccessibleName("Reset all");
  Command3->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  Command3->setFixedSize(130, 48);
  printButton = makeButton("printButton", "Print Latin");
  Command2 = makeButton("Command2", "Examples");
  Command1 = makeButton("Command1", "Main menu");

  saveButton = new QPushButton("save", this);
  saveButton->setObjectName("saveButton");
  saveButton->hide();
  loadButton = new QPushButton("load", this);
  loadButton->setObjectName("loadButton");
  loadButton->hide();
}

// Tab goes through the window as one reads the motto: each section's tick
// box, its word labels from left to right and its link options, then the
// Latin options, the questions, the Latin, the English and the buttons.
void Form1::setTabOrderByReading() {
  std::vector<QWidget*> chain;
  for (int row = 0; row < kGridRows; ++row) {
    for (std::size_t i = 0; i < kTickBoxes.size(); ++i)
      if (kTickBoxes[i].row == row) chain.push_back(tickBoxes_[i]);
    for (int column = kPronounColumn; column <= kNounColumn; ++column) {
      for (const SlotPlace& place : kSlotPlaces)
        if (place.row == row && place.column == column) chain.push_back(slotLabel(place.name));
      if (row == kNotButtonRow && column == kAdjectiveColumn)
        chain.push_back(checkBox("notButton"));
    }
    for (std::size_t f = 0; f < kFrames.size(); ++f)
      if (kFrames[f].row == row)
        for (int k = 0; k < 3; ++k) chain.push_back(options_[kFrames[f].firstOption - 1 + k]);
  }
  for (QCheckBox* box : checkBoxes_)
    if (box != checkBox("notButton")) chain.push_back(box);
  for (QRadioButton* question : questions_) chain.push_back(question);
  for (QWidget* w :
       std::initializer_list<QWidget*>{finalLatin_, findChild<QToolButton*>("explainButton"),
                                       finalEnglish_, Command3, printButton, Command2, Command1})
    chain.push_back(w);
  for (std::size_t k = 0; k + 1 < chain.size(); ++k) setTabOrder(chain[k], chain[k + 1]);
}

// Every colour that is set comes with its counterpart, so that each reads
// under a light and a dark desktop: the word labels set their ground and
// text, the Latin takes the tooltip pair, and the English is dark red on a
// light ground and light red on a dark one.
void Form1::applyColours() {
  const QPalette window = QGuiApplication::palette();
  QPalette tip = finalLatin_->palette();
  tip.setColor(QPalette::Window, window.color(QPalette::ToolTipBase));
  tip.setColor(QPalette::WindowText, window.color(QPalette::ToolTipText));
  finalLatin_->setPalette(tip);

  QPalette english = finalEnglish_->palette();
  const bool darkGround = luminance(window.color(QPalette::Base)) < 0.25;
  english.setColor(QPalette::Base, window.color(QPalette::Base));
  english.setColor(QPalette::Text, darkGround ? QColor(255, 150, 150) : QColor(128, 0, 0));
  finalEnglish_->setPalette(english);

  // Drawn button pictures take the buttons' text colour.
  const std::pair<QToolButton*, ButtonPicture> pictures[] = {{Command3, ButtonPicture::reset},
                                                             {printButton, ButtonPicture::print},
                                                             {Command2, ButtonPicture::examples},
                                                             {Command1, ButtonPicture::menu}};
  for (const auto& [button, picture] : pictures) button->setIcon(buttonIcon(picture));
}

// Opens at the preferred size where the screen has room for it, otherwise
// filling the screen's free area; never smaller than the layout needs.
void Form1::sizeToScreen() {
  QSize size = kPreferredSize.expandedTo(minimumSizeHint());
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size()).expandedTo(minimumSizeHint());
  resize(size);
}

}  // namespace lexorra::ui
