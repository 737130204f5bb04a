// The window program's command line and what it says on the terminal before
// any window exists: --help, --version, usage mistakes and a missing display.
// Nothing here needs Qt, so all of it works without a display.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace lexorra::app {

// What the command line asks for.
struct CommandLine {
  enum class Action { run, help, version, usageError };
  Action action = Action::run;
  // The motto file named on the command line (the one positional argument).
  std::optional<std::filesystem::path> mottoFile;
  // For usageError: what is wrong, e.g. "unknown option --frobnicate".
  std::string problem;
};

// Reads the arguments after the program's name: -h/--help, -V/--version,
// "--" (everything after it is a file name) and at most one FILE. The
// arguments are read from the left and the first that decides wins: help or
// version, or a usage error (an unknown option, a second or empty FILE).
// A lone "-" is a file name.
CommandLine parseCommandLine(std::span<const std::string_view> args);

// The one-line summary of the options, for usage errors.
std::string usageLine();

// The text of --help: what the program does, its options and the folder it
// reads its data from.
std::string helpText(const std::filesystem::path& dataFolder);

// The text of --version: "lexorra 1.5".
std::string versionText();

// Looks up an environment variable; nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// Whether the platform named by QT_QPA_PLATFORM (a ';'-separated list of
// names, each optionally followed by ":options") draws without a display
// server: offscreen, minimal, vnc and the framebuffer platforms.
bool needsNoDisplay(std::string_view qpaPlatform);

// The one line to print when no window can be opened because no display is
// named: neither DISPLAY nor WAYLAND_DISPLAY is set (or both are empty) and
// QT_QPA_PLATFORM does not choose a platform of its own. Empty when a window
// may be tried; then a display that does not answer is Qt's to find.
std::optional<std::string> missingDisplay(const EnvironmentLookup& getenv);

// The one line to print when Qt could not open the display that was named
// (it would otherwise abort): `qtReason` is Qt's own last words.
std::string unreachableDisplay(const EnvironmentLookup& getenv, std::string_view qtReason);

}  // namespace lexorra::app
