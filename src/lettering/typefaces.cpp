#include "lettering/typefaces.h"

#include <QFontInfo>
#include <array>

#include "lettering/qt_text.h"
#include "text/textops.h"

namespace lexorra::lettering {

namespace {

struct Typeface {
  std::string_view requested;
  std::string_view family;
  QFont::StyleHint hint;
};

// Requested face -> free face from Debian's font packages (see
// tools/install-deps.sh). The requested names stay as the program uses them.
constexpr std::array<Typeface, 7> kTypefaces = {{
    // blackletter, fonts-blankenburg
    {"Old English Text MT", "Blankenburg_UNZ1A", QFont::AnyStyle},
    // informal hand, fonts-comic-neue
    {"informal roman", "Comic Neue", QFont::AnyStyle},
    // fonts-liberation
    {"times new roman", "Liberation Serif", QFont::Serif},
    // old-style roman, fonts-goudybookletter
    {"high tower text", "Goudy Bookletter 1911", QFont::Serif},
    // fonts-urw-base35
    {"Century Gothic", "URW Gothic", QFont::SansSerif},
    // fonts-ebgaramond
    {"Garamond", "EB Garamond", QFont::Serif},
    // fixed pitch, fonts-dejavu-core
    {"Lucida Sans Typewriter", "DejaVu Sans Mono", QFont::TypeWriter},
}};

const Typeface* typeface(std::string_view requestedName) {
  const std::string wanted = text::lowerCase(requestedName);
  for (const Typeface& face : kTypefaces)
    if (text::lowerCase(face.requested) == wanted) return &face;
  return nullptr;
}

}  // namespace

QString fontFamily(std::string_view requestedName) {
  const Typeface* face = typeface(requestedName);
  return latin1(face ? face->family : requestedName);
}

QFont typefaceFont(std::string_view requestedName) {
  QFont font(fontFamily(requestedName));
  if (const Typeface* face = typeface(requestedName)) font.setStyleHint(face->hint);
  return font;
}

bool typefaceInstalled(std::string_view requestedName) {
  // The font system may add a foundry to the family ("URW Gothic [UKWN]").
  return QFontInfo(typefaceFont(requestedName))
      .family()
      .startsWith(fontFamily(requestedName), Qt::CaseInsensitive);
}

}  // namespace lexorra::lettering
