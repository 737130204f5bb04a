#include "ui/fonts.h"

#include <array>

#include "text/textops.h"

namespace lexorra::ui {

namespace {

// Requested face -> free face from Debian's font packages (see
// tools/install-deps.sh). The requested names stay as the program uses them.
constexpr std::array<FaceMapping, 7> kFaces = {{
    {"Old English Text MT", "Blankenburg_UNZ1A"},    // blackletter, fonts-blankenburg
    {"informal roman", "Comic Neue"},                // informal hand, fonts-comic-neue
    {"times new roman", "Liberation Serif"},         // fonts-liberation
    {"high tower text", "Goudy Bookletter 1911"},    // old-style roman, fonts-goudybookletter
    {"Century Gothic", "URW Gothic"},                // fonts-urw-base35
    {"Garamond", "EB Garamond"},                     // fonts-ebgaramond
    {"Lucida Sans Typewriter", "DejaVu Sans Mono"},  // fixed pitch, fonts-dejavu-core
}};

}  // namespace

std::span<const FaceMapping> faceMappings() {
  return kFaces;
}

QString fontFamily(std::string_view requestedName) {
  const std::string wanted = text::lowerCase(requestedName);
  for (const FaceMapping& face : kFaces)
    if (text::lowerCase(face.requested) == wanted)
      return QString::fromLatin1(face.family.data(), static_cast<qsizetype>(face.family.size()));
  return QString::fromLatin1(requestedName.data(), static_cast<qsizetype>(requestedName.size()));
}

QFont windowFont(std::string_view requestedName, double pointSize, bool bold) {
  QFont font(fontFamily(requestedName));
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  if (requestedName == "Lucida Sans Typewriter") font.setStyleHint(QFont::TypeWriter);
  return font;
}

}  // namespace lexorra::ui
