#include "ui/explain_page.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>
#include <array>

#include "lettering/lettering.h"
#include "ui/fonts.h"
#include "ui/qtext.h"

namespace lexorra::ui {

namespace {

using explain::Verdict;

constexpr double kMarginMm = 15;
constexpr double kLetteringWidthMm = 150;
constexpr double kLetteringMaxHeightMm = 28;
constexpr double kCellPaddingMm = 1;
constexpr int kPdfDpi = 600;
// The share of the table's width each column takes: word, dictionary form,
// part of speech, form, part in the motto, check, meaning.
constexpr std::array<double, 7> kColumnShares = {0.11, 0.15, 0.10, 0.18, 0.15, 0.09, 0.22};
const QColor kNotConfirmed(150, 0, 0);
const QColor kConfirmed(0, 100, 0);
const QColor kRule(170, 170, 170);

std::array<std::string, 7> cellsOf(const SheetPage& page, std::size_t row) {
  const std::array<std::string, 6> cells = explain::rowCells(page.sheet.rows[row]);
  return {cells[0], cells[1], cells[2], cells[3], cells[4], verdictText(page, row), cells[5]};
}

std::array<std::string, 7> titles() {
  std::array<std::string, 7> out;
  for (std::size_t k = 0; k < 6; ++k) out[k < 5 ? k : 6] = explain::kSheetColumns[k];
  out[5] = kCheckColumn;
  return out;
}

// Paints the page top down; `y` is the top of what comes next, in device
// pixels.
class PagePainter {
 public:
  PagePainter(QPainter& painter, QPagedPaintDevice& device, const SheetPage& page)
      : painter_(painter), device_(device), page_(page) {
    const double dpi = device.logicalDpiX();
    dotsPerMm_ = dpi / lettering::kMillimetresPerInch;
    area_ = QRectF(QPointF(0, 0), QSizeF(device.width(), device.height()));
    y_ = area_.top();
  }

  void paint() {
    heading();
    letteringBlock();
    table();
    footer();
  }

 private:
  double mm(double millimetres) const { return millimetres * dotsPerMm_; }

  void text(const QString& line, const QFont& font, const QColor& colour = Qt::black) {
    painter_.setFont(font);
    painter_.setPen(colour);
    const QRectF box(area_.left(), y_, area_.width(), area_.bottom() - y_);
    const QRectF used = painter_.boundingRect(box, Qt::TextWordWrap, line);
    painter_.drawText(box, Qt::TextWordWrap, line);
    y_ += used.height();
  }

  void heading() {
    text("Why this Latin? Every word of the motto explained",
         windowFont("times new roman", 14, true));
    y_ += mm(4);
  }

  void letteringBlock() {
    const lettering::LetteringText latin{page_.sheet.latin, "", page_.face};
    lettering::LetteringOptions options;
    options.widthMm = kLetteringWidthMm;
    if (lettering::letteringProblem(latin, options)) return;
    lettering::LetteringLayout layout = lettering::layOutLettering(latin, options);
    if (layout.sizeMm.height() > kLetteringMaxHeightMm) {
      options.widthMm = kLetteringWidthMm * kLetteringMaxHeightMm / layout.sizeMm.height();
      layout = lettering::layOutLettering(latin, options);
    }
    painter_.save();
    painter_.translate(area_.left() + (area_.width() - mm(layout.sizeMm.width())) / 2, y_);
    painter_.scale(dotsPerMm_, dotsPerMm_);
    lettering::paintLettering(painter_, layout);
    painter_.restore();
    y_ += mm(layout.sizeMm.height() + 4);
    QFont english = windowFont("Garamond", 12, false);
    english.setItalic(true);
    painter_.setFont(english);
    painter_.setPen(QColor(128, 0, 0));
    const QRectF box(area_.left(), y_, area_.width(), mm(20));
    const QRectF used = painter_.boundingRect(box, Qt::AlignHCenter | Qt::TextWordWrap,
                                              toQString(page_.sheet.english));
    painter_.drawText(box, Qt::AlignHCenter | Qt::TextWordWrap, toQString(page_.sheet.english));
    y_ += used.height() + mm(6);
  }

  // The height a row of cells takes.
  double rowHeight(const std::array<std::string, 7>& cells, const QFont& font) {
    painter_.setFont(font);
    double height = 0;
    for (std::size_t k = 0; k < cells.size(); ++k) {
      const QRectF box(0, 0, columnWidth(k) - 2 * mm(kCellPaddingMm), 1e6);
      height = std::max(height,
                        painter_.boundingRect(box, Qt::TextWordWrap, toQString(cells[k])).height());
    }
    return height + 2 * mm(kCellPaddingMm);
  }

  double columnWidth(std::size_t k) const { return area_.width() * kColumnShares[k]; }

  void row(const std::array<std::string, 7>& cells, const QFont& font, const QColor& colour,
           const QColor& checkColour) {
    const double height = rowHeight(cells, font);
    if (y_ + height > area_.bottom() && y_ > area_.top()) {
      device_.newPage();
      y_ = area_.top();
    }
    painter_.setFont(font);
    double x = area_.left();
    for (std::size_t k = 0; k < cells.size(); ++k) {
      painter_.setPen(k == 5 ? checkColour : colour);
      const QRectF box(x + mm(kCellPaddingMm), y_ + mm(kCellPaddingMm),
                       columnWidth(k) - 2 * mm(kCellPaddingMm), height);
      painter_.drawText(box, Qt::TextWordWrap, toQString(cells[k]));
      x += columnWidth(k);
    }
    y_ += height;
    painter_.setPen(QPen(kRule, mm(0.2)));
    painter_.drawLine(QPointF(area_.left(), y_), QPointF(area_.right(), y_));
  }

  void table() {
    row(titles(), windowFont("times new roman", 8, true), Qt::black, Qt::black);
    const QFont body = windowFont("times new roman", 8, false);
    for (std::size_t r = 0; r < page_.sheet.rows.size(); ++r) {
      const bool bad = !page_.sheet.rows[r].traced || page_.sheet.rows[r].missingForm;
      const bool notConfirmed = page_.check && r < page_.check->rows.size() &&
                                page_.check->rows[r].verdict == Verdict::notConfirmed;
      row(cellsOf(page_, r), body, bad ? kNotConfirmed : Qt::black,
          notConfirmed ? kNotConfirmed : kConfirmed);
    }
    y_ += mm(4);
  }

  void footer() {
    const QFont small = windowFont("times new roman", 9, false);
    if (page_.check) text(toQString(page_.check->summary()), small);
    text(
        "Each word is traced to the lexicon entry and the form the motto's own choices "
        "selected in Lexorra; the independent check asks the Latin parser whitakers-words "
        "about every word.",
        small, QColor(90, 90, 90));
  }

  QPainter& painter_;
  QPagedPaintDevice& device_;
  const SheetPage& page_;
  double dotsPerMm_ = 1;
  QRectF area_;
  double y_ = 0;
};

}  // namespace

std::string verdictText(const SheetPage& page, std::size_t row) {
  if (!page.check) return "checking...";
  if (page.check->status != explain::SheetCheck::Status::checked) return "not checked";
  if (row >= page.check->rows.size()) return "";
  switch (page.check->rows[row].verdict) {
    case Verdict::confirmed:
      return "confirmed";
    case Verdict::notConfirmed:
      return "not confirmed: " + page.check->rows[row].why;
    case Verdict::notChecked:
      break;
  }
  return page.check->rows[row].why.empty() ? "-" : page.check->rows[row].why;
}

bool paintSheet(QPagedPaintDevice& device, const SheetPage& page) {
  device.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                        QPageLayout::Millimeter);
  QPainter painter;
  if (!painter.begin(&device)) return false;
  PagePainter(painter, device, page).paint();
  return painter.end();
}

std::optional<std::string> writeSheetPdf(const std::filesystem::path& path, const SheetPage& page) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setTitle(toQString("Why this Latin? " + page.sheet.latin));
    pdf.setCreator("Lexorra");
    pdf.setResolution(kPdfDpi);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    if (!paintSheet(pdf, page)) return "the PDF cannot be drawn";
  }
  QSaveFile file(QString::fromStdString(path.string()));
  if (!file.open(QIODevice::WriteOnly) || file.write(buffer.data()) != buffer.data().size() ||
      !file.commit())
    return file.errorString().toStdString();
  return std::nullopt;
}

}  // namespace lexorra::ui
