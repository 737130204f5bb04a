// Everything one run of the program holds: the one motto, the read-only
// lexicon and English tables, and the windows, created once and then only
// shown and hidden.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>

#include "english/english.h"
#include "lexicon/lexicon.h"
#include "motto/motto_state.h"
#include "ui/about.h"
#include "ui/main_window.h"
#include "ui/picker_window.h"
#include "ui/splash.h"

namespace lexorra::app {

struct Program {
  MottoState state;
  Lexicon lexicon;
  EnglishTables english;

  std::unique_ptr<ui::Form1> form;
  std::unique_ptr<ui::SplashScreen> splash;
  std::unique_ptr<ui::AboutBox> about;  // created on first use
  std::unique_ptr<ui::SearchPickerWindow> nounPicker;
  std::unique_ptr<ui::SearchPickerWindow> verbPicker;
  std::unique_ptr<ui::SearchPickerWindow> adjPicker;
  std::unique_ptr<ui::SearchPickerWindow> adverbPicker;
  std::unique_ptr<ui::PrepositionPickerWindow> prepositionPicker;
};

// How one run starts: the folder of the data files and the motto file named
// on the command line, if any.
struct StartOptions {
  std::filesystem::path dataFolder;
  std::optional<std::filesystem::path> mottoFile;
};

// Creates the program with its main window (not yet shown) and the splash
// window, and wires the main window's menu and slot clicks.
std::unique_ptr<Program> createProgram();

// The main window's load step: splash window with its progress captions,
// lexicon and English tables read from `dataFolder`, the five pickers created
// with their full lists, then the main window enabled, shown and raised.
// Throws DataFileError (or another std::exception) when a step fails; the
// main window is not shown then.
void Form_Load(Program& program, const std::filesystem::path& dataFolder);

// Form_Load, reporting a failure on standard error ("lexorra: cannot start:
// verbs.dat: cannot be found (looked for ...)") and in a message box that
// names the file and the problem. Returns false, once the box is closed,
// after a failure. Then opens `mottoFile`, when given, as "Open..." does: a
// file that cannot be used is reported with its line and reason, and the
// program goes on with the empty motto.
bool startUp(Program& program, const std::filesystem::path& dataFolder,
             const std::optional<std::filesystem::path>& mottoFile = std::nullopt);

// The whole run: creates the program, starts it up from the data folder,
// opens the motto file of the command line and runs the event loop. Returns
// the program's exit status: 1 when the start-up failed (after the message
// box), otherwise what the event loop returns.
int runProgram(const StartOptions& options);
int runProgram(const std::filesystem::path& dataFolder);

// The about window: disables the main window until it is closed or left.
void showAbout(Program& program);

}  // namespace lexorra::app
