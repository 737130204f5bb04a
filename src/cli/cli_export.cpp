// lexorra-cli export: a motto file's Latin as lettering at its real size, in
// SVG, PDF or PNG, for a tattoo artist. Runs without a window (on Qt's
// offscreen platform).
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/motto_input.h"
#include "lettering/lettering.h"
#include "lettering/typefaces.h"
#include "text/codepage.h"
#include "text/datafile.h"

namespace lexorra::cli {
namespace {

namespace fs = std::filesystem;
using lettering::LetteringFormat;

constexpr const char* kDefaultFace = "Old English Text MT";

constexpr const char* kUsage =
    "  lexorra-cli export [--format svg|pdf|png] [--width 12cm] [--mirror] [--outline]\n"
    "                     [--lines 1|2] [--english] [--dpi N] [--face NAME] [--data DIR]\n"
    "                     FILE OUT\n"
    "      Load the motto file as render does and write its Latin to OUT as\n"
    "      lettering at its real size: SVG or PDF with the letters as outlines\n"
    "      (no font needed to open it), or PNG with a transparent background.\n"
    "      Without --format, OUT's extension names the format. --width is the\n"
    "      width of the lettering in cm, mm or in (default 12cm; a bare number\n"
    "      is in cm); --dpi the PNG's resolution (default 300). --mirror mirrors\n"
    "      it for a stencil transfer, --outline draws only the letters' contours,\n"
    "      --lines 2 sets it on two lines of balanced width, --english adds the\n"
    "      English meaning in small type below. --face names the typeface as the\n"
    "      window's font menu does: \"Old English Text MT\" (the default),\n"
    "      \"informal roman\", \"times new roman\" or \"high tower text\".";

struct ExportArgs {
  std::optional<LetteringFormat> format;
  lettering::LetteringOptions options;
  std::string face = kDefaultFace;
  std::optional<fs::path> dataFolder;
  std::vector<std::string> files;  // FILE and OUT
};

// Reads one option's value into `out`; returns an error text for a bad one.
using ValueReader = std::optional<std::string> (*)(const std::string& value, ExportArgs& out);

struct ValueOption {
  const char* name;
  ValueReader read;
};

std::optional<int> wholeNumber(const std::string& value) {
  char* end = nullptr;
  const long number = std::strtol(value.c_str(), &end, 10);
  if (value.empty() || *end != '\0' || number < 0 || number > 100000) return std::nullopt;
  return static_cast<int>(number);
}

constexpr ValueOption kValueOptions[] = {
    {"--format",
     [](const std::string& value, ExportArgs& out) -> std::optional<std::string> {
       out.format = lettering::formatNamed(value);
       if (!out.format) return "--format is svg, pdf or png, not \"" + value + "\"";
       return std::nullopt;
     }},
    {"--width",
     [](const std::string& value, ExportArgs& out) -> std::optional<std::string> {
       const auto mm = lettering::widthInMillimetres(value);
       if (!mm) return "--width needs a width such as 12cm, 120mm or 4.5in, not \"" + value + "\"";
       out.options.widthMm = *mm;
       return std::nullopt;
     }},
    {"--dpi",
     [](const std::string& value, ExportArgs& out) -> std::optional<std::string> {
       const auto dpi = wholeNumber(value);
       if (!dpi) return "--dpi needs a whole number of dots per inch, not \"" + value + "\"";
       out.options.dpi = *dpi;
       return std::nullopt;
     }},
    {"--lines",
     [](const std::string& value, ExportArgs& out) -> std::optional<std::string> {
       if (value != "1" && value != "2") return "--lines is 1 or 2, not \"" + value + "\"";
       out.options.lines = value == "1" ? 1 : 2;
       return std::nullopt;
     }},
    {"--face",
     [](const std::string& value, ExportArgs& out) -> std::optional<std::string> {
       if (value.empty()) return "--face needs a face name";
       out.face = text::utf8ToCp1252(value);
       return std::nullopt;
     }},
    {"--data",
     [](const std::string& value, ExportArgs& out) -> std::optional<std::string> {
       out.dataFolder = value;
       return std::nullopt;
     }},
};

struct FlagOption {
  const char* name;
  bool lettering::LetteringOptions::*flag;
};

constexpr FlagOption kFlagOptions[] = {
    {"--mirror", &lettering::LetteringOptions::mirrored},
    {"--outline", &lettering::LetteringOptions::outlineOnly},
    {"--english", &lettering::LetteringOptions::withEnglish},
};

// Parses the arguments; returns an error text for a usage mistake.
std::optional<std::string> parseArgs(const std::vector<std::string>& args, ExportArgs& out) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      out.files.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    bool known = false;
    for (const FlagOption& option : kFlagOptions)
      if (arg == option.name) {
        out.options.*option.flag = true;
        known = true;
      }
    for (const ValueOption& option : kValueOptions) {
      const std::string name = option.name;
      std::optional<std::string> value;
      if (arg == name) {
        if (i + 1 == args.size()) return name + " needs a value";
        value = args[++i];
      } else if (arg.starts_with(name + "=")) {
        value = arg.substr(name.size() + 1);
      }
      if (!value) continue;
      if (auto problem = option.read(*value, out)) return problem;
      known = true;
    }
    if (!known) return "unknown option \"" + arg + "\"";
  }
  if (out.files.size() != 2) return "give one motto FILE and the OUT file to write";
  if (!out.format) out.format = lettering::formatOfPath(out.files[1]);
  if (!out.format)
    return "the format of \"" + out.files[1] +
           "\" is not known from its extension; name it with --format svg, pdf or png";
  return std::nullopt;
}

// Qt's notes on the desktop session ("XDG_RUNTIME_DIR not set" on a server)
// say nothing to someone exporting a file; its other warnings still show.
void qtMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtDebugMsg || type == QtInfoMsg || message.startsWith("QStandardPaths:")) return;
  std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The font system needs a GUI application. A command line shows no window,
// so Qt's offscreen platform serves unless the user names another: it needs
// no display, and a display that is named but cannot be reached does not
// end the program.
std::unique_ptr<QGuiApplication> startFontSystem() {
  if (QCoreApplication::instance()) return nullptr;
  qInstallMessageHandler(qtMessage);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "lexorra-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

std::string millimetres(double mm) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.1f", mm);
  return buffer;
}

int runExport(const ExportArgs& options, const fs::path& dataFolder, const MottoData& data,
              std::ostream& out, std::ostream& err) {
  const fs::path target = options.files[1];
  const std::optional<MottoState> state =
      settledMottoOrReport(options.files[0], dataFolder, data, "export", err);
  if (!state) return 1;

  const std::unique_ptr<QGuiApplication> application = startFontSystem();
  if (!lettering::typefaceInstalled(options.face))
    err << "lexorra-cli export: the face \"" << text::cp1252ToUtf8(options.face)
        << "\" is not installed; the font system's nearest face is used\n";
  try {
    const QSizeF size = lettering::writeLettering(
        target, *options.format, {state->finalLatin, state->finalEnglish, options.face},
        options.options);
    out << target.string() << ": " << lettering::formatName(*options.format) << ", "
        << millimetres(size.width()) << " x " << millimetres(size.height()) << " mm\n";
  } catch (const lettering::LetteringError& e) {
    err << "lexorra-cli export: " << e.what() << "\n";
    return 1;
  }
  return 0;
}

const CliCommandRegistration registration{mottoCommand("export", kUsage, parseArgs, runExport)};

}  // namespace
}  // namespace lexorra::cli
