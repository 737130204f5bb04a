// The desktop's file dialogs for opening and saving mottos, and the folder
// they start in. Tests replace the dialogs by a hook, so that no run blocks
// on a dialog nobody can answer.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>

class QWidget;

namespace lexorra::ui {

enum class FileDialogKind { open, save };

// Answers a file dialog: the path chosen, or an empty text when cancelled.
using FileDialogHook = std::function<QString(FileDialogKind kind, const QString& proposed)>;

// Asks for a motto file to open (starting in the folder `proposed`) or a
// name to save under (`proposed` is the suggested path). A save dialog asks
// before an existing file is replaced.
QString askForMottoFile(QWidget* parent, FileDialogKind kind, const QString& proposed);

// Replaces the dialogs; an empty hook restores them.
void setFileDialogHook(FileDialogHook hook);

// Where the user's mottos go: the "Lexorra" folder in the documents folder
// (the home folder when the desktop names no documents folder).
std::filesystem::path defaultMottoFolder();

// A file name of the file system as text of the window, and back.
QString pathText(const std::filesystem::path& path);
std::filesystem::path pathOf(const QString& text);

}  // namespace lexorra::ui
