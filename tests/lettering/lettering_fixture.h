// What the lettering tests share: a GUI application on the offscreen
// platform (the font system needs one), a typical motto and a way to run the
// tools that read the files back.
#pragma once

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include "lettering/lettering.h"
#include "ui/qt_application.h"

namespace lexorra::testing {

inline QGuiApplication& guiApplication() {
  return offscreenApplication<QGuiApplication>("lexorra-lettering-test");
}

inline lettering::LetteringText typicalMotto() {
  return {"amor vincit omnia", "Love conquers all.", "Old English Text MT"};
}

struct ToolRun {
  bool ran = false;  // the tool is installed and finished
  int status = -1;
  QByteArray out;
};

inline ToolRun runTool(const QString& tool, const QStringList& arguments) {
  ToolRun run;
  if (QStandardPaths::findExecutable(tool).isEmpty()) return run;
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(30000)) return run;
  run.ran = true;
  run.status = process.exitCode();
  run.out = process.readAllStandardOutput();
  return run;
}

}  // namespace lexorra::testing
