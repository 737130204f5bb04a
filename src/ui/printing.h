// The printed page: the Latin motto large in its chosen face, once more plain,
// and the English meaning.
#pragma once

#include <array>
#include <string>

#include "motto/motto_state.h"

class QPrinter;

namespace lexorra::ui {

struct PrintLine {
  std::string face;  // requested face name, resolved through the font table
  int pointSize;
  std::string text;  // Windows-1252
};

// The four lines from the top of the page: the motto in its face at 20 and
// 40 points, in "Times New Roman" at 12 points, and the English meaning.
std::array<PrintLine, 4> printLines(const MottoState& state);

// Prints the four lines on `printer` as one page. Returns false, having sent
// nothing, when the printer cannot be opened; any later failure is reported
// as false as well.
bool printMotto(QPrinter& printer, const MottoState& state);

// The message shown once the page has gone to the printer.
inline constexpr const char* kPrintedMessage = "You motto has been sent to the default printer.";

}  // namespace lexorra::ui
