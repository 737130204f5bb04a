// A pop-up menu that also answers to the first letter of its items, as a
// list does: each press of a letter moves to the next item whose caption
// starts with it ("t" steps through "The (sing.)...", "The (plural.)...",
// "They", ...). The captions need no "&" marks for this, so they stay as the
// menus name them. Arrow keys, Enter and Escape work as in every menu.
#pragma once

#include <QMenu>

namespace lexorra::ui {

class KeyboardMenu : public QMenu {
  Q_OBJECT
 public:
  using QMenu::QMenu;

  // The first letter or digit of a caption ("<other single>" -> 'o').
  static QChar initialOf(const QString& caption);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace lexorra::ui
