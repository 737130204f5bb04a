// lexorra-cli render: shows what the window would show for motto files, one
// second after each is loaded (see settledMotto).
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "cli/motto_input.h"
#include "text/codepage.h"
#include "text/datafile.h"
#include "text/textops.h"

namespace lexorra::cli {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "  lexorra-cli render [--json] [--data DIR] FILE...\n"
    "      Load each motto file as the window's Examples menu does, refresh it\n"
    "      four times (what the window shows one second later) and print its\n"
    "      Latin motto and English meaning. A FILE without a folder that is not\n"
    "      in the current folder is looked for in the data folder, where the\n"
    "      examples lie. With --json, print one JSON object per line,\n"
    "      {\"file\": ..., \"latin\": ..., \"english\": ...}, with both texts\n"
    "      exactly as the window holds them. A file that cannot be loaded is\n"
    "      reported on standard error with its line and reason; the others are\n"
    "      still rendered, and the exit status is 1.";

// Parses the arguments; returns an error text for a usage mistake.
std::optional<std::string> parseArgs(const std::vector<std::string>& args, MottoArgs& out) {
  if (auto problem = parseMottoArgs(args, {"--json"}, out)) return problem;
  if (out.files.empty()) return "no motto file given";
  return std::nullopt;
}

int runRender(const MottoArgs& options, const fs::path& dataFolder, const MottoData& data,
              std::ostream& out, std::ostream& err) {
  int status = 0;
  for (const std::string& file : options.files) {
    const std::optional<MottoState> state =
        settledMottoOrReport(file, dataFolder, data, "render", err);
    if (!state) {
      status = 1;
      continue;
    }
    if (options.has("--json")) {
      out << "{\"file\": " << jsonFileName(file) << ", \"latin\": " << jsonString(state->finalLatin)
          << ", \"english\": " << jsonString(state->finalEnglish) << "}\n";
    } else {
      out << file << "\n"
          << "  Latin:   " << text::cp1252ToUtf8(text::trimSpaces(state->finalLatin)) << "\n"
          << "  English: " << text::cp1252ToUtf8(text::trimSpaces(state->finalEnglish)) << "\n";
    }
  }
  return status;
}

const CliCommandRegistration registration{mottoCommand("render", kUsage, parseArgs, runRender)};

}  // namespace
}  // namespace lexorra::cli
