// Running Qt windows inside GoogleTest: one QApplication on the offscreen
// platform, message boxes recorded instead of shown, and helpers that answer
// a pop-up menu the way a person would.
#pragma once

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "ui/messages.h"
#include "ui/qt_application.h"

// Readable QStrings in GoogleTest's messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace lexorra::testing {

inline QApplication& application() {
  return offscreenApplication<QApplication>("lexorra-test");
}

struct RecordedMessage {
  ui::MessageKind kind;
  QString title;
  QString text;
  bool mainWindowVisible;  // filled by the caller's probe
};

// Records every message box while it lives; `probe` runs when a box would
// show (for instance to see which windows are visible then).
class MessageRecorder {
 public:
  explicit MessageRecorder(std::function<bool()> probe = [] { return false; }) {
    ui::setMessageHook(
        [this, probe](ui::MessageKind kind, const QString& title, const QString& text) {
          messages.push_back({kind, title, text, probe()});
        });
  }
  ~MessageRecorder() { ui::setMessageHook({}); }
  std::vector<RecordedMessage> messages;
};

// Arranges for the next pop-up menu to be answered: the item with the given
// object name is clicked, or, with an empty name, the menu is dismissed with
// Escape. Call before the click that opens the menu.
inline void answerNextMenu(const QString& itemName) {
  QTimer::singleShot(0, [itemName] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    if (itemName.isEmpty()) {
      QTest::keyClick(menu, Qt::Key_Escape);
      return;
    }
    for (QAction* action : menu->actions())
      if (action->objectName() == itemName) {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        return;
      }
    menu->close();  // an unknown item: close the menu, the test will fail on its checks
  });
}

// build/screenshots/, where window tests leave what they show.
inline std::filesystem::path screenshotFolder() {
  std::filesystem::path folder =
      std::filesystem::path(LEXORRA_BIN_DIR).parent_path() / "screenshots";
  std::filesystem::create_directories(folder);
  return folder;
}

inline QString q(const char* text) {
  return QString::fromLatin1(text);
}

}  // namespace lexorra::testing
