// Modal message boxes with an OK button. Tests replace the box by a recorder,
// so that no run blocks on a dialog nobody can answer.
#pragma once

#include <QString>
#include <exception>
#include <functional>

class QWidget;

namespace lexorra::ui {

enum class MessageKind { information, critical };

using MessageHook =
    std::function<void(MessageKind kind, const QString& title, const QString& text)>;

// Shows the message and returns when the user has closed it (or at once when
// a hook is set).
void showMessage(QWidget* parent, MessageKind kind, const QString& title, const QString& text);

// Replaces the message box; an empty hook restores it.
void setMessageHook(MessageHook hook);

// The text of a failure the model reports, for a message. The model's
// messages are Windows-1252, as all of its text (file names included, which
// it converts from the file system's UTF-8); this is the one place where they
// become the window's text.
QString failureText(const std::exception& failure);

}  // namespace lexorra::ui
