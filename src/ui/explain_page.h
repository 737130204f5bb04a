// The printed sheet of "Why this Latin?": one page a client can take to the
// studio, with the Latin as lettering in the motto's typeface (outlines), the
// English meaning, every word with its explanation and the parser's check.
#pragma once

#include <QRectF>
#include <filesystem>
#include <optional>
#include <string>

#include "explain/explain.h"
#include "explain/parser_check.h"

class QPagedPaintDevice;
class QPainter;

namespace lexorra::ui {

struct SheetPage {
  explain::Explanation sheet;
  std::optional<explain::SheetCheck> check;  // nothing while the parser runs
  std::string face;                          // the motto's typeface
};

// The columns of the printed and shown table: the sheet's six and the check.
inline constexpr std::string_view kCheckColumn = "Check";

// What the check column says of a row, and what the table says when the
// check has not run.
std::string verdictText(const SheetPage& page, std::size_t row);

// Paints the sheet on `device`, starting new pages when the table runs
// long. Returns false when the device cannot be painted on.
bool paintSheet(QPagedPaintDevice& device, const SheetPage& page);

// Writes the sheet as a PDF on A4 to `path`, whole or not at all. Returns
// the reason when it cannot be written.
std::optional<std::string> writeSheetPdf(const std::filesystem::path& path, const SheetPage& page);

}  // namespace lexorra::ui
