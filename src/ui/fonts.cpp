#include "ui/fonts.h"

#include "lettering/typefaces.h"

namespace lexorra::ui {

QFont windowFont(std::string_view requestedName, double pointSize, bool bold) {
  QFont font = lettering::typefaceFont(requestedName);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

}  // namespace lexorra::ui
