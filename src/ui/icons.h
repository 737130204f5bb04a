// Picture-button artwork: the desktop theme's icon when it has one, otherwise
// a small picture drawn here, so that every button shows something.
#pragma once

#include <QIcon>

namespace lexorra::ui {

enum class ButtonPicture { reset, print, menu, examples, useWord, noWord };

QIcon buttonIcon(ButtonPicture picture);

}  // namespace lexorra::ui
