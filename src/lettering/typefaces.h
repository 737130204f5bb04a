// The typefaces the program asks for by name, and the free faces from
// Debian's font packages that stand in for them. The window, the printed page
// and the lettering export all go through this one table, so that they show
// the motto in the same face.
#pragma once

#include <QFont>
#include <QString>
#include <string_view>

namespace lexorra::lettering {

// The installed family that shows a requested face name. The match ignores
// letter case ("times new roman" and "Times New Roman" are one face); a name
// the table does not know is passed on unchanged.
QString fontFamily(std::string_view requestedName);

// A font of the requested face at the font system's default size, with the
// style hint the face needs (fixed pitch for "Lucida Sans Typewriter").
QFont typefaceFont(std::string_view requestedName);

// True when the font system really has the family that stands in for the
// requested face, not a fallback.
bool typefaceInstalled(std::string_view requestedName);

}  // namespace lexorra::lettering
