// The text boundary with Qt: the program's single-byte Windows-1252 text
// becomes Qt's Unicode text and back, and the ASCII names of the program's
// tables (object names, face names) become Qt text. The lettering is the
// lowest layer of the program that uses Qt; the window uses these too.
#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "text/codepage.h"

namespace lexorra::lettering {

inline QString toQString(std::string_view cp1252) {
  return QString::fromStdString(text::cp1252ToUtf8(cp1252));
}

inline std::string fromQString(const QString& text) {
  return text::utf8ToCp1252(text.toStdString());
}

inline QString latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace lexorra::lettering
