// The typefaces the window asks for by name, and the free faces that stand in
// for them on a Debian desktop.
#pragma once

#include <QFont>
#include <QString>
#include <span>
#include <string_view>

namespace lexorra::ui {

// The installed family that shows a requested face name. The match ignores
// letter case ("times new roman" and "Times New Roman" are one face); a name
// the table does not know is passed on unchanged.
QString fontFamily(std::string_view requestedName);

// A font of the requested face at `pointSize`, bold when asked.
QFont windowFont(std::string_view requestedName, double pointSize, bool bold = false);

// The requested names the table knows, for the set-up check.
struct FaceMapping {
  std::string_view requested;
  std::string_view family;
};
std::span<const FaceMapping> faceMappings();

}  // namespace lexorra::ui
