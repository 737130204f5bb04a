#include "ui/explain_window.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>
#include <memory>

#include "text/textops.h"
#include "ui/fonts.h"
#include "ui/messages.h"
#include "ui/qtext.h"

namespace lexorra::ui {

namespace {

using explain::SheetCheck;
using explain::Verdict;

constexpr int kFollowMilliseconds = 500;
constexpr int kCheckColumnIndex = 5;
constexpr int kWidestColumn = 230;  // pixels; longer cells wrap
const QColor kNotConfirmed(150, 0, 0);
const QColor kConfirmed(0, 110, 0);

// The columns of the window's table: the sheet's six, the check before the
// meaning.
QStringList columnTitles() {
  QStringList titles;
  for (std::size_t k = 0; k < 5; ++k) titles << QString::fromLatin1(explain::kSheetColumns[k]);
  titles << QString::fromLatin1(kCheckColumn) << QString::fromLatin1(explain::kSheetColumns[5]);
  return titles;
}

QTableWidgetItem* cell(const std::string& text) {
  auto* item = new QTableWidgetItem(toQString(text));
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  return item;
}

}  // namespace

ExplainWindow::ExplainWindow(const MottoState& state, const Lexicon& lexicon, QWidget* parent)
    : QWidget(parent, Qt::Window), state_(state), lexicon_(lexicon) {
  setObjectName("explainWindow");
  setWindowTitle("Why this Latin?");
  chooseFile_ = [](QWidget* owner, const QString& suggested) {
    return QFileDialog::getSaveFileName(owner, "Export the sheet as PDF", suggested,
                                        "PDF files (*.pdf)");
  };
  buildWidgets();
  follow_.setInterval(kFollowMilliseconds);
  connect(&follow_, &QTimer::timeout, this, [this] {
    if (isVisible()) followMotto();
  });
  follow_.start();
}

ExplainWindow::~ExplainWindow() {
  // A check still running holds only its own copies; it ends within the
  // parser's timeout.
  for (QThread* thread : findChildren<QThread*>()) thread->wait();
}

void ExplainWindow::buildWidgets() {
  latin_ = new QLabel(this);
  latin_->setObjectName("explainLatin");
  latin_->setAlignment(Qt::AlignCenter);
  latin_->setWordWrap(true);
  english_ = new QLabel(this);
  english_->setObjectName("explainEnglish");
  english_->setAlignment(Qt::AlignCenter);
  english_->setWordWrap(true);
  QFont englishFont = windowFont("Garamond", 12, false);
  englishFont.setItalic(true);
  english_->setFont(englishFont);

  table_ = new QTableWidget(0, static_cast<int>(columnTitles().size()), this);
  table_->setObjectName("explainTable");
  table_->setHorizontalHeaderLabels(columnTitles());
  table_->verticalHeader()->setVisible(false);
  table_->setWordWrap(true);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  // The meaning takes the width the other columns leave, and wraps.
  table_->horizontalHeader()->setSectionResizeMode(static_cast<int>(columnTitles().size()) - 1,
                                                   QHeaderView::Stretch);
  connect(table_->horizontalHeader(), &QHeaderView::sectionResized, table_,
          [this] { table_->resizeRowsToContents(); });
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);

  status_ = new QLabel(this);
  status_->setObjectName("explainStatus");
  status_->setWordWrap(true);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  printButton_ = new QPushButton("Print...", this);
  printButton_->setObjectName("explainPrintButton");
  exportButton_ = new QPushButton("Export PDF...", this);
  exportButton_->setObjectName("explainExportButton");
  auto* closeButton = new QPushButton("Close", this);
  closeButton->setObjectName("explainCloseButton");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(status_, 1);
  buttons->addWidget(printButton_);
  buttons->addWidget(exportButton_);
  buttons->addWidget(closeButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(latin_);
  layout->addWidget(english_);
  layout->addWidget(table_, 1);
  layout->addLayout(buttons);
  resize(1100, 460);

  connect(printButton_, &QPushButton::clicked, this, [this] { printButton_Click(); });
  connect(exportButton_, &QPushButton::clicked, this, [this] { exportButton_Click(); });
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void ExplainWindow::explainMotto() {
  explainedLatin_ = state_.finalLatin;
  try {
    page_.sheet = explain::explainMotto(state_, lexicon_);
  } catch (const LookupOutOfRange& e) {
    // A motto the renderer cannot render either: the window says so and
    // keeps nothing of it.
    page_.sheet = {};
    page_.check.emplace();
    page_.check->status = SheetCheck::Status::failed;
    page_.check->problem = std::string("the motto cannot be rendered: ") + e.what();
    showPage();
    return;
  }
  page_.face = state_.finalLatinFont;
  page_.check.reset();
  showPage();
  startCheck();
}

void ExplainWindow::followMotto() {
  // While a picker or menu is open the motto is being changed; the refresh
  // renders only while the main window takes input.
  if (!state_.Enabled || state_.finalLatin == explainedLatin_) return;
  explainMotto();
}

void ExplainWindow::startCheck() {
  const int generation = ++generation_;
  auto result = std::make_shared<SheetCheck>();
  checkRunning_ = true;
  QThread* thread = QThread::create([result, sheet = page_.sheet, options = parserOptions_] {
    *result = explain::checkSheet(sheet, options);
  });
  thread->setParent(this);
  connect(thread, &QThread::finished, this, [this, thread, result, generation] {
    thread->deleteLater();
    if (generation != generation_) return;  // made for a sheet since replaced
    checkRunning_ = false;
    page_.check = *result;
    showPage();
    emit checkFinished();
  });
  thread->start();
}

void ExplainWindow::showPage() {
  latin_->setFont(windowFont(page_.face.empty() ? state_.finalLatinFont : page_.face, 22));
  latin_->setText(toQString(page_.sheet.latin));
  english_->setText(toQString(page_.sheet.english));

  table_->setRowCount(static_cast<int>(page_.sheet.rows.size()));
  for (std::size_t r = 0; r < page_.sheet.rows.size(); ++r) {
    const explain::WordRow& row = page_.sheet.rows[r];
    const std::array<std::string, 6> cells = explain::rowCells(row);
    const int y = static_cast<int>(r);
    for (int k = 0; k < 5; ++k) table_->setItem(y, k, cell(cells[static_cast<std::size_t>(k)]));
    table_->setItem(y, kCheckColumnIndex, cell(verdictText(page_, r)));
    table_->setItem(y, kCheckColumnIndex + 1, cell(cells[5]));
    if (!row.writtenIn.empty())
      table_->item(y, 0)->setToolTip(toQString("written as one word: " + row.writtenIn));
    QTableWidgetItem* check = table_->item(y, kCheckColumnIndex);
    if (page_.check && r < page_.check->rows.size()) {
      const explain::RowCheck& verdict = page_.check->rows[r];
      check->setForeground(verdict.verdict == Verdict::notConfirmed ? kNotConfirmed : kConfirmed);
      std::string analyses;
      for (const std::string& a : verdict.analyses) analyses += (analyses.empty() ? "" : "\n") + a;
      check->setToolTip(toQString(
          analyses.empty() ? "The parser gives no analysis of " + row.parserWord
                           : "The parser's analyses of " + row.parserWord + ":\n" + analyses));
    }
    if (!row.traced || row.missingForm)
      for (int k = 0; k < table_->columnCount(); ++k)
        table_->item(y, k)->setForeground(kNotConfirmed);
  }
  for (int k = 0; k + 1 < table_->columnCount(); ++k) {
    table_->resizeColumnToContents(k);
    table_->setColumnWidth(k, std::min(table_->columnWidth(k), kWidestColumn));
  }
  table_->resizeRowsToContents();

  if (!page_.check)
    status_->setText("Checking every word with the Latin parser...");
  else
    status_->setText(toQString(page_.check->summary()));
  printButton_->setEnabled(!page_.sheet.rows.empty());
  exportButton_->setEnabled(!page_.sheet.rows.empty());
}

bool ExplainWindow::printTo(QPrinter& printer) {
  return paintSheet(printer, page_);
}

void ExplainWindow::printButton_Click() {
  QPrinter printer;
  QPrintDialog dialog(&printer, this);
  dialog.setWindowTitle("Print the sheet");
  if (dialog.exec() != QDialog::Accepted) return;
  if (!printTo(printer))
    showMessage(this, MessageKind::critical, "Print the sheet", "The sheet could not be printed.");
}

void ExplainWindow::exportButton_Click() {
  QString name = toQString(text::replaceEvery(page_.sheet.latin, " ", "_"));
  const QString path = chooseFile_(this, name + "_why_this_latin.pdf");
  if (!path.isEmpty()) exportTo(path);
}

bool ExplainWindow::exportTo(const QString& path) {
  if (std::optional<std::string> problem = writeSheetPdf(path.toStdString(), page_)) {
    showMessage(this, MessageKind::critical, "Export the sheet",
                path + " cannot be written: " + QString::fromStdString(*problem));
    return false;
  }
  return true;
}

ExplainWindow* showExplainWindow(QWidget* parent, const MottoState& state, const Lexicon& lexicon) {
  auto* window = parent->findChild<ExplainWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (!window) window = new ExplainWindow(state, lexicon, parent);
  window->explainMotto();
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace lexorra::ui
