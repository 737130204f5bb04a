// The window's fonts: a requested face name (resolved through the typeface
// table of the lettering library) at a size in points.
#pragma once

#include <QFont>
#include <string_view>

namespace lexorra::ui {

// A font of the requested face at `pointSize`, bold when asked.
QFont windowFont(std::string_view requestedName, double pointSize, bool bold = false);

}  // namespace lexorra::ui
