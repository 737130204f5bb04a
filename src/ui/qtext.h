// The window's side of the text boundary: the program's single-byte
// Windows-1252 text becomes Qt's Unicode text and back.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "text/codepage.h"

namespace lexorra::ui {

inline QString toQString(std::string_view cp1252) {
  return QString::fromStdString(text::cp1252ToUtf8(cp1252));
}

inline std::string fromQString(const QString& text) {
  return text::utf8ToCp1252(text.toStdString());
}

}  // namespace lexorra::ui
