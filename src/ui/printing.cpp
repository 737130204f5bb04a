#include "ui/printing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include "ui/fonts.h"
#include "ui/qtext.h"

namespace lexorra::ui {

std::array<PrintLine, 4> printLines(const MottoState& state) {
  return {{
      {state.finalLatinFont, 20, state.finalLatin},
      {state.finalLatinFont, 40, state.finalLatin},
      {"Times New Roman", 12, state.finalLatin},
      {"Times New Roman", 12, state.finalEnglish},
  }};
}

bool printMotto(QPrinter& printer, const MottoState& state) {
  try {
    printer.setCopyCount(1);
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const QRectF page = painter.viewport();
    double top = 0;
    for (const PrintLine& line : printLines(state)) {
      const QFont font = windowFont(line.face, line.pointSize);
      painter.setFont(font);
      // A line wider than the page wraps instead of running off its edge.
      const QString text = toQString(line.text);
      const QRectF bounds = painter.boundingRect(QRectF(0, top, page.width(), page.height() - top),
                                                 Qt::TextWordWrap, text);
      painter.drawText(bounds, Qt::TextWordWrap, text);
      top += bounds.height() + QFontMetricsF(painter.font()).leading();
    }
    return painter.end();
  } catch (...) {
    return false;
  }
}

}  // namespace lexorra::ui
