#include "ui/messages.h"

#include <QMessageBox>

#include "ui/qtext.h"

namespace lexorra::ui {

namespace {
MessageHook& hook() {
  static MessageHook current;
  return current;
}
}  // namespace

void setMessageHook(MessageHook newHook) {
  hook() = std::move(newHook);
}

void showMessage(QWidget* parent, MessageKind kind, const QString& title, const QString& text) {
  if (hook()) {
    hook()(kind, title, text);
    return;
  }
  if (kind == MessageKind::critical)
    QMessageBox::critical(parent, title, text);
  else
    QMessageBox::information(parent, title, text);
}

QString failureText(const std::exception& failure) {
  return toQString(failure.what());
}

}  // namespace lexorra::ui
