#include "ui/file_dialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

namespace lexorra::ui {

namespace {

FileDialogHook& hook() {
  static FileDialogHook current;
  return current;
}

// Motto files have no extension.
constexpr const char* kMottoFilter = "Motto files (*)";

}  // namespace

void setFileDialogHook(FileDialogHook newHook) {
  hook() = std::move(newHook);
}

QString askForMottoFile(QWidget* parent, FileDialogKind kind, const QString& proposed) {
  if (hook()) return hook()(kind, proposed);
  if (kind == FileDialogKind::open)
    return QFileDialog::getOpenFileName(parent, "Open motto", proposed, kMottoFilter);
  return QFileDialog::getSaveFileName(parent, "Save motto", proposed, kMottoFilter);
}

std::filesystem::path defaultMottoFolder() {
  QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (documents.isEmpty()) documents = QDir::homePath();
  return pathOf(documents) / "Lexorra";
}

QString pathText(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

std::filesystem::path pathOf(const QString& text) {
  return std::filesystem::path(text.toStdString());
}

}  // namespace lexorra::ui
