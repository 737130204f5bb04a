#include "ui/keyboard_menu.h"

#include <QKeyEvent>

namespace lexorra::ui {

QChar KeyboardMenu::initialOf(const QString& caption) {
  for (QChar c : caption)
    if (c.isLetterOrNumber()) return c.toLower();
  return {};
}

void KeyboardMenu::keyPressEvent(QKeyEvent* event) {
  const QString typed = event->text();
  const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
  if (!plain || typed.size() != 1 || !typed[0].isLetterOrNumber()) {
    QMenu::keyPressEvent(event);
    return;
  }
  const QChar wanted = typed[0].toLower();
  const QList<QAction*> items = actions();
  const qsizetype start = items.indexOf(activeAction());
  for (qsizetype step = 1; step <= items.size(); ++step) {
    QAction* item = items[(start + step + items.size()) % items.size()];
    if (item->isSeparator() || !item->isEnabled() || !item->isVisible()) continue;
    if (initialOf(item->text()) == wanted) {
      setActiveAction(item);
      break;
    }
  }
  event->accept();
}

}  // namespace lexorra::ui
