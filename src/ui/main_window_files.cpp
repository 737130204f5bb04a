// The main window's file commands (Open..., Save, Save as..., the examples)
// and its undo and redo: every act of the user on the motto is one step.
#include <QAction>
#include <system_error>

#include "text/codepage.h"
#include "ui/file_dialogs.h"
#include "ui/main_window.h"
#include "ui/messages.h"

namespace lexorra::ui {

namespace fs = std::filesystem;

void Form1::userAct(const std::function<void()>& act) {
  const MottoState before = state_;
  act();
  history_.record(before, state_);
  showModel();
}

bool Form1::loadMotto(const std::function<void()>& load, const char* what) {
  try {
    load();
    return true;
  } catch (const std::exception& failure) {
    showMessage(this, MessageKind::critical, "Lexorra",
                QString("The motto could not be %1.\n\n%2").arg(what, failureText(failure)));
    return false;
  }
}

void Form1::markSaved() {
  savedLines_ = mottoFileLines(state_);
}

void Form1::resetCommand() {
  userAct([this] { resetTheForm(state_); });
}

// An example is a new motto that no file holds yet.
void Form1::loadExampleCommand(const ExampleMotto& example) {
  bool loaded = false;
  userAct([&] {
    loaded =
        loadMotto([&] { loadExample(state_, lexicon_, dataFolder_, example.fileName); }, "loaded");
  });
  if (!loaded) return;
  currentFile_.reset();
  showModel();
}

bool Form1::openMottoFile(const fs::path& path) {
  bool opened = false;
  userAct([&] { opened = loadMotto([&] { loadMottoFile(state_, lexicon_, path); }, "opened"); });
  if (!opened) return false;
  currentFile_ = path;
  markSaved();
  showModel();
  return true;
}

void Form1::openCommand() {
  fs::path folder = currentFile_ ? currentFile_->parent_path() : mottoFolder_;
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) folder = folder.parent_path();
  const QString chosen = askForMottoFile(this, FileDialogKind::open, pathText(folder));
  if (!chosen.isEmpty()) openMottoFile(pathOf(chosen));
}

bool Form1::saveCommand() {
  if (!currentFile_) return saveAsCommand();
  return writeTo(*currentFile_);
}

// The suggested name is the one the save button builds from the English
// meaning, in the folder of the motto's file or else the mottos' folder,
// which the first save makes.
bool Form1::saveAsCommand() {
  fs::path folder = currentFile_ ? currentFile_->parent_path() : mottoFolder_;
  std::error_code ec;
  fs::create_directories(folder, ec);
  const fs::path proposed = folder / text::cp1252ToUtf8(savedFileName(state_.finalEnglish));
  const QString chosen = askForMottoFile(this, FileDialogKind::save, pathText(proposed));
  if (chosen.isEmpty()) return false;
  return writeTo(pathOf(chosen));
}

bool Form1::writeTo(const fs::path& path) {
  try {
    writeMottoFile(state_, path);
  } catch (const std::exception& failure) {
    showMessage(this, MessageKind::critical, "Lexorra",
                QString("The motto was not saved.\n\n%1").arg(failureText(failure)));
    return false;
  }
  currentFile_ = path;
  markSaved();
  showModel();
  return true;
}

void Form1::undoCommand() {
  if (history_.undo(state_)) showModel();
}

void Form1::redoCommand() {
  if (history_.redo(state_)) showModel();
}

}  // namespace lexorra::ui
