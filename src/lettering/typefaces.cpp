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

// Equal but for letter case, compared in place.
bool sameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (text::lowerChar(a[i]) != text::lowerChar(b[i])) return false;
  return true;
}

const Typeface* typeface(std::string_view requestedName) {
  for (const Typeface& face : kTypefaces)
    if (sameIgnoringCase(face.requested, requestedName)) return &face;
  return nullptr;
}

// The table's stand-in for a known face; an unknown name passes unchanged.
QString familyOf(const Typeface* face, std::string_view requestedName) {
  return latin1(face ? face->family : requestedName);
}

}  // namespace

QString fontFamily(std::string_view requestedName) {
  return familyOf(typeface(requestedName), requestedName);
}

QFont typefaceFont(std::string_view requestedName) {
  const Typeface* face = typeface(requestedName);
  QFont font(familyOf(face, requestedName));
  if (face) font.setStyleHint(face->hint);
  return font;
}

bool typefaceInstalled(std::string_view requestedName) {
  // The font system may add a foundry to the family ("URW Gothic [UKWN]").
  return QFontInfo(typefaceFont(requestedName))
      .family()
      .startsWith(fontFamily(requestedName), Qt::CaseInsensitive);
}

}  // namespace lexorra::lettering
