#include "app/command_line.h"

#include <array>

namespace lexorra::app {

namespace {

constexpr std::string_view kWithoutWindow =
    "or use lexorra-cli, which renders motto files without a window";

// Qt platforms that draw into memory or straight onto the hardware.
constexpr std::array<std::string_view, 7> kDisplaylessPlatforms = {
    "offscreen", "minimal", "minimalegl", "vnc", "linuxfb", "eglfs", "vkkhrdisplay"};

bool isSet(const EnvironmentLookup& getenv, const char* name) {
  const char* value = getenv(name);
  return value && *value;
}

// "DISPLAY=:0, QT_QPA_PLATFORM=xcb" for the variables that are set.
std::string namedDisplays(const EnvironmentLookup& getenv) {
  std::string out;
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    if (!isSet(getenv, name)) continue;
    if (!out.empty()) out += ", ";
    out += std::string(name) + "=" + getenv(name);
  }
  return out.empty() ? "no display is named" : out;
}

}  // namespace

CommandLine parseCommandLine(std::span<const std::string_view> args) {
  CommandLine line;
  bool optionsEnded = false;
  // An argument that decides what the program does; a file named before it
  // is not opened then.
  auto decided = [](CommandLine::Action action, std::string problem) {
    CommandLine out;
    out.action = action;
    out.problem = std::move(problem);
    return out;
  };
  constexpr auto usageError = CommandLine::Action::usageError;
  for (std::string_view arg : args) {
    const bool option = !optionsEnded && arg.size() > 1 && arg.front() == '-';
    if (option && arg == "--") {
      optionsEnded = true;
    } else if (option && (arg == "-h" || arg == "--help")) {
      return decided(CommandLine::Action::help, {});
    } else if (option && (arg == "-V" || arg == "-v" || arg == "--version")) {
      return decided(CommandLine::Action::version, {});
    } else if (option) {
      return decided(usageError, "unknown option " + std::string(arg));
    } else if (line.mottoFile) {
      return decided(usageError, "one motto file at most (also given: " + std::string(arg) + ")");
    } else if (arg.empty()) {
      return decided(usageError, "the motto file's name is empty");
    } else {
      line.mottoFile = std::filesystem::path(arg);
    }
  }
  return line;
}

std::string usageLine() {
  return "Usage: lexorra [--help] [--version] [FILE]";
}

std::string helpText(const std::filesystem::path& dataFolder) {
  return usageLine() +
         "\n"
         "Lexorra builds grammatically correct Latin mottos (for a tattoo, a ring,\n"
         "a crest) from English words that you pick into a sentence pattern, and\n"
         "shows the Latin in tattoo typefaces beside its English meaning.\n"
         "\n"
         "Options:\n"
         "  -h, --help     show this text and exit\n"
         "  -V, --version  show the version and exit\n"
         "  FILE           a motto file to open once the window is up\n"
         "\n"
         "Lexorra reads its Latin lexicon, its English tables, the example mottos\n"
         "and its help page (readme.htm) from the folder of its own executable:\n"
         "  " +
         dataFolder.string() +
         "\n"
         "\n"
         "The window needs a display (DISPLAY or WAYLAND_DISPLAY). lexorra-cli\n"
         "renders and searches without a window; see lexorra-cli --help.\n";
}

std::string versionText() {
  return "lexorra " LEXORRA_VERSION "\n";
}

bool needsNoDisplay(std::string_view qpaPlatform) {
  while (!qpaPlatform.empty()) {
    const std::size_t end = qpaPlatform.find(';');
    std::string_view entry = qpaPlatform.substr(0, end);
    entry = entry.substr(0, entry.find(':'));
    for (std::string_view name : kDisplaylessPlatforms)
      if (entry == name) return true;
    if (end == std::string_view::npos) break;
    qpaPlatform.remove_prefix(end + 1);
  }
  return false;
}

std::optional<std::string> missingDisplay(const EnvironmentLookup& getenv) {
  const char* platform = getenv("QT_QPA_PLATFORM");
  if (platform && needsNoDisplay(platform)) return std::nullopt;
  if (isSet(getenv, "DISPLAY") || isSet(getenv, "WAYLAND_DISPLAY")) return std::nullopt;
  return "lexorra: no display to open a window on: set DISPLAY (X11) or WAYLAND_DISPLAY "
         "(Wayland), " +
         std::string(kWithoutWindow);
}

std::string unreachableDisplay(const EnvironmentLookup& getenv, std::string_view qtReason) {
  std::string line = "lexorra: cannot open a window (" + namedDisplays(getenv);
  if (!qtReason.empty()) line += ": " + std::string(qtReason);
  return line +
         "); start it inside a desktop session or point DISPLAY or WAYLAND_DISPLAY at a "
         "running display, " +
         std::string(kWithoutWindow);
}

}  // namespace lexorra::app
