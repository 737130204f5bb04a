// The window's side of the text boundary: the program's single-byte
// Windows-1252 text becomes Qt's Unicode text and back (see
// lettering/qt_text.h, which the window shares with the lettering).
#pragma once

#include "lettering/qt_text.h"

namespace lexorra::ui {

using lettering::fromQString;
using lettering::latin1;
using lettering::toQString;

}  // namespace lexorra::ui
