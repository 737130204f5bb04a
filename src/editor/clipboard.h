// What the window puts on the clipboard: the Latin motto, its English
// meaning, or both.
#pragma once

#include <string>

#include "motto/motto_state.h"

namespace lexorra {

enum class CopiedText { latin, english, both };

// The Latin and the English without their leading and trailing spaces; both
// are the Latin on one line and the English on the next.
std::string copiedText(const MottoState& state, CopiedText what);

}  // namespace lexorra
