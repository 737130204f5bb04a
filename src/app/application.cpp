#include "app/application.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "app/command_line.h"

namespace lexorra::app {

namespace {

struct HeldMessage {
  QtMsgType type;
  std::string category;
  QString text;
};

// The messages of one openApplication call; the handler is a plain function,
// so they live here.
std::vector<HeldMessage>& heldMessages() {
  static std::vector<HeldMessage> messages;
  return messages;
}

const char* environment(const char* name) {
  return std::getenv(name);
}

void holdBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    heldMessages().push_back({type, context.category ? context.category : "", text});
    return;
  }
  // The first thing the platform plugin said ("could not connect to display
  // :5") explains more than the fatal message that follows it.
  QString reason = text.section(QLatin1Char('\n'), 0, 0);
  for (const HeldMessage& held : heldMessages())
    if (held.type != QtDebugMsg && held.category.starts_with("qt.qpa")) {
      reason = held.text;
      break;
    }
  std::cerr << unreachableDisplay(&environment, reason.toStdString()) << std::endl;
  std::_Exit(1);
}

}  // namespace

std::unique_ptr<QApplication> openApplication(int& argc, char** argv) {
  heldMessages().clear();
  const QtMessageHandler previous = qInstallMessageHandler(&holdBack);
  auto application = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(previous);
  for (const HeldMessage& held : heldMessages()) {
    const QMessageLogContext context(nullptr, 0, nullptr,
                                     held.category.empty() ? nullptr : held.category.c_str());
    previous(held.type, context, held.text);
  }
  heldMessages().clear();
  return application;
}

}  // namespace lexorra::app
