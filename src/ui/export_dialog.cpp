#include "ui/export_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <array>
#include <cmath>

#include "text/textops.h"
#include "ui/messages.h"

namespace lexorra::ui {

namespace {

using lettering::LetteringFormat;

struct FormatItem {
  LetteringFormat format;
  const char* caption;
  const char* filter;
};
constexpr std::array<FormatItem, 3> kFormatItems = {{
    {LetteringFormat::svg, "SVG: letters as outlines, for drawing programs", "SVG files (*.svg)"},
    {LetteringFormat::pdf, "PDF: letters as outlines, one page", "PDF files (*.pdf)"},
    {LetteringFormat::png, "PNG: an image with a transparent background", "PNG images (*.png)"},
}};

struct UnitItem {
  const char* caption;
  double millimetres;
};
constexpr std::array<UnitItem, 2> kUnitItems = {{
    {"cm", 10},
    {"in", lettering::kMillimetresPerInch},
}};

constexpr double kDefaultWidthCm = 12;
constexpr QSize kPreviewSize(560, 190);
constexpr int kPreviewMargin = 12;

QString number(double value) {
  return QString::number(value, 'f', 2);
}

}  // namespace

ExportDialog::ExportDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("exportDialog");
  setWindowTitle("Export lettering");
  chooseFile_ = [](QWidget* owner, const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(owner, "Export lettering", suggested, filter);
  };
  lastFolder_ = QDir::homePath();
  buildWidgets();
  updatePreview();
}

void ExportDialog::buildWidgets() {
  formatBox_ = new QComboBox(this);
  formatBox_->setObjectName("formatBox");
  for (const FormatItem& item : kFormatItems) formatBox_->addItem(item.caption);

  widthBox_ = new QDoubleSpinBox(this);
  widthBox_->setObjectName("widthBox");
  widthBox_->setDecimals(2);
  widthBox_->setRange(lettering::kMinWidthMm / kUnitItems[0].millimetres,
                      lettering::kMaxWidthMm / kUnitItems[0].millimetres);
  widthBox_->setValue(kDefaultWidthCm);
  widthMm_ = kDefaultWidthCm * kUnitItems[0].millimetres;
  unitBox_ = new QComboBox(this);
  unitBox_->setObjectName("unitBox");
  for (const UnitItem& unit : kUnitItems) unitBox_->addItem(unit.caption);
  auto* widthRow = new QHBoxLayout;
  widthRow->addWidget(widthBox_, 1);
  widthRow->addWidget(unitBox_);

  linesBox_ = new QComboBox(this);
  linesBox_->setObjectName("linesBox");
  linesBox_->addItems({"One line", "Two lines of balanced width"});
  mirrorBox_ = new QCheckBox("Mirrored (for a stencil transfer)", this);
  mirrorBox_->setObjectName("mirrorBox");
  outlineBox_ = new QCheckBox("Outline only", this);
  outlineBox_->setObjectName("outlineBox");
  englishBox_ = new QCheckBox("The English meaning in small type below", this);
  englishBox_->setObjectName("englishBox");
  dpiBox_ = new QSpinBox(this);
  dpiBox_->setObjectName("dpiBox");
  dpiBox_->setRange(lettering::kMinDpi, lettering::kMaxDpi);
  dpiBox_->setSingleStep(50);
  dpiBox_->setValue(lettering::LetteringOptions{}.dpi);
  dpiBox_->setSuffix(" dpi");

  auto* form = new QFormLayout;
  form->addRow("Format:", formatBox_);
  form->addRow("Width of the lettering:", widthRow);
  form->addRow("Lines:", linesBox_);
  form->addRow("", mirrorBox_);
  form->addRow("", outlineBox_);
  form->addRow("", englishBox_);
  form->addRow("PNG resolution:", dpiBox_);

  preview_ = new QLabel(this);
  preview_->setObjectName("previewLabel");
  preview_->setFixedSize(kPreviewSize);
  preview_->setAlignment(Qt::AlignCenter);
  preview_->setToolTip("What will be written");
  sizeLabel_ = new QLabel(this);
  sizeLabel_->setObjectName("sizeLabel");

  exportButton_ = new QPushButton("Export...", this);
  exportButton_->setObjectName("exportButton");
  exportButton_->setDefault(true);
  auto* closeButton = new QPushButton("Close", this);
  closeButton->setObjectName("closeButton");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(exportButton_);
  buttons->addWidget(closeButton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(preview_);
  layout->addWidget(sizeLabel_);
  layout->addLayout(buttons);

  const auto refresh = [this] { updatePreview(); };
  connect(formatBox_, &QComboBox::currentIndexChanged, this, refresh);
  connect(widthBox_, &QDoubleSpinBox::valueChanged, this, [this](double value) {
    widthMm_ = value * kUnitItems[static_cast<std::size_t>(unitIndex_)].millimetres;
    updatePreview();
  });
  connect(unitBox_, &QComboBox::currentIndexChanged, this, [this] { unitChanged(); });
  connect(linesBox_, &QComboBox::currentIndexChanged, this, refresh);
  for (QCheckBox* box : {mirrorBox_, outlineBox_, englishBox_})
    connect(box, &QCheckBox::toggled, this, refresh);
  connect(dpiBox_, &QSpinBox::valueChanged, this, refresh);
  connect(exportButton_, &QPushButton::clicked, this, [this] { exportButton_Click(); });
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
}

void ExportDialog::setLettering(lettering::LetteringText text) {
  text_ = std::move(text);
  updatePreview();
}

LetteringFormat ExportDialog::format() const {
  return kFormatItems[static_cast<std::size_t>(std::max(0, formatBox_->currentIndex()))].format;
}

lettering::LetteringOptions ExportDialog::options() const {
  lettering::LetteringOptions options;
  options.widthMm = widthMm_;
  options.mirrored = mirrorBox_->isChecked();
  options.outlineOnly = outlineBox_->isChecked();
  options.lines = linesBox_->currentIndex() == 1 ? 2 : 1;
  options.withEnglish = englishBox_->isChecked();
  options.dpi = dpiBox_->value();
  return options;
}

// The width keeps its length in the other unit: 12 cm shows as 4.72 in.
void ExportDialog::unitChanged() {
  unitIndex_ = std::max(0, unitBox_->currentIndex());
  const double perUnit = kUnitItems[static_cast<std::size_t>(unitIndex_)].millimetres;
  const QSignalBlocker quiet(widthBox_);
  widthBox_->setRange(lettering::kMinWidthMm / perUnit, lettering::kMaxWidthMm / perUnit);
  widthBox_->setValue(widthMm_ / perUnit);
  updatePreview();
}

void ExportDialog::updatePreview() {
  dpiBox_->setEnabled(format() == LetteringFormat::png);
  const lettering::LetteringOptions chosen = options();
  if (auto problem = lettering::letteringProblem(text_, chosen, format())) {
    preview_->setPixmap({});
    QString told = QString::fromStdString(*problem);
    told[0] = told[0].toUpper();
    preview_->setText(told + '.');
    sizeLabel_->clear();
    exportButton_->setEnabled(false);
    return;
  }
  const lettering::LetteringLayout layout = lettering::layOutLettering(text_, chosen);
  exportButton_->setEnabled(!layout.sizeMm.isEmpty());
  if (layout.sizeMm.isEmpty()) {
    preview_->setPixmap({});
    preview_->setText("The typeface has no letters for this motto.");
    sizeLabel_->clear();
    return;
  }

  // The file's whole extent, scaled to fit, on white paper with a thin frame.
  const QSizeF room = QSizeF(kPreviewSize) - QSizeF(2 * kPreviewMargin, 2 * kPreviewMargin);
  const double dpi =
      lettering::kMillimetresPerInch *
      std::min(room.width() / layout.sizeMm.width(), room.height() / layout.sizeMm.height());
  const QImage lettering = lettering::letteringImage(layout, dpi);
  QPixmap page(kPreviewSize);
  page.fill(Qt::white);
  QPainter painter(&page);
  const QPoint corner((kPreviewSize.width() - lettering.width()) / 2,
                      (kPreviewSize.height() - lettering.height()) / 2);
  painter.setPen(QPen(Qt::lightGray, 1, Qt::DashLine));
  painter.drawRect(QRect(corner, lettering.size()).adjusted(-3, -3, 2, 2));
  painter.drawImage(corner, lettering);
  painter.end();
  preview_->setPixmap(page);

  const UnitItem& unit = kUnitItems[static_cast<std::size_t>(unitIndex_)];
  QString size = QString("%1 %3 wide, %2 %3 high")
                     .arg(number(layout.sizeMm.width() / unit.millimetres),
                          number(layout.sizeMm.height() / unit.millimetres), unit.caption);
  if (format() == LetteringFormat::png) {
    const double dotsPerMm = chosen.dpi / lettering::kMillimetresPerInch;
    size += QString("; %1 x %2 pixels")
                .arg(std::lround(layout.sizeMm.width() * dotsPerMm))
                .arg(std::lround(layout.sizeMm.height() * dotsPerMm));
  }
  sizeLabel_->setText(size);
}

QString ExportDialog::suggestedFileName() const {
  QString name;
  for (char c : text::lowerCase(text::trimSpaces(text_.latin))) {
    if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
      name += QChar(c);
    else if (c == ' ' && !name.endsWith('_'))
      name += '_';
  }
  if (name.isEmpty()) name = "lettering";
  return name + '.' + QString::fromLatin1(lettering::formatName(format()).data());
}

void ExportDialog::exportButton_Click() {
  const FormatItem& item = kFormatItems[static_cast<std::size_t>(formatBox_->currentIndex())];
  QString path = chooseFile_(this, QDir(lastFolder_).filePath(suggestedFileName()), item.filter);
  if (path.isEmpty()) return;
  // The file's name says what it holds.
  const QString extension = QString::fromLatin1(lettering::formatName(item.format).data());
  if (QFileInfo(path).suffix().compare(extension, Qt::CaseInsensitive) != 0)
    path += '.' + extension;
  exportTo(path);
}

bool ExportDialog::exportTo(const QString& path) {
  try {
    lettering::writeLettering(std::filesystem::path(QFile::encodeName(path).toStdString()),
                              format(), text_, options());
  } catch (const lettering::LetteringError& failure) {
    showMessage(this, MessageKind::critical, "Lexorra",
                QString("The lettering was not written.\n\n%1")
                    .arg(QString::fromLocal8Bit(failure.what())));
    return false;
  }
  lastFolder_ = QFileInfo(path).absolutePath();
  accept();
  return true;
}

ExportDialog* showExportDialog(QWidget* parent, const MottoState& state) {
  auto* dialog = parent->findChild<ExportDialog*>(QString(), Qt::FindDirectChildrenOnly);
  if (!dialog) dialog = new ExportDialog(parent);
  dialog->setLettering({std::string(text::trimSpaces(state.finalLatin)),
                        std::string(text::trimSpaces(state.finalEnglish)), state.finalLatinFont});
  dialog->open();
  return dialog;
}

}  // namespace lexorra::ui
