// What the sub-commands that read motto files share: the data they need and
// a motto file loaded as the window's Examples menu loads it.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "english/english.h"
#include "lexicon/lexicon.h"
#include "motto/motto_state.h"
#include "text/datafile.h"

namespace lexorra::cli {

// The command line of a sub-command that reads motto files: its flags
// ("--json"), "--data DIR" or "--data=DIR", and the files; "--" ends the
// options.
struct MottoArgs {
  std::vector<std::string> flags;  // the flags given
  std::optional<std::filesystem::path> dataFolder;
  std::vector<std::string> files;
  bool has(std::string_view flag) const;
};

// Reads `args` with the flags a sub-command knows; returns the usage mistake
// (an unknown option, "--data" without a folder), or nothing.
std::optional<std::string> parseMottoArgs(const std::vector<std::string>& args,
                                          std::initializer_list<std::string_view> knownFlags,
                                          MottoArgs& out);

struct MottoData {
  Lexicon lexicon;
  EnglishTables english;
};

// The lexicon and the English tables from `dataFolder`. Throws DataFileError.
MottoData loadMottoData(const std::filesystem::path& dataFolder);

// A FILE without a folder that is not in the current folder is looked for in
// the data folder, where the examples lie.
std::filesystem::path mottoPath(const std::string& file, const std::filesystem::path& dataFolder);

// The motto of `file`, loaded into a fresh motto as the window holds it right
// after start-up and refreshed four times: what the window shows one second
// after loading (the first ticks give nouns and the verb their captions,
// which the later renders use). Throws DataFileError for a file that cannot
// be loaded, and std::exception for one that cannot be rendered.
MottoState settledMotto(const std::string& file, const std::filesystem::path& dataFolder,
                        const MottoData& data);

// The two above for a sub-command: a failure is reported on `err` as
// "lexorra-cli COMMAND: ..." and gives nothing.
std::optional<MottoData> mottoDataOrReport(const std::filesystem::path& dataFolder,
                                           std::string_view command, std::ostream& err);
std::optional<MottoState> settledMottoOrReport(const std::string& file,
                                               const std::filesystem::path& dataFolder,
                                               const MottoData& data, std::string_view command,
                                               std::ostream& err);

// A sub-command that reads motto files. `parse` reads its arguments into an
// Options (which holds the optional dataFolder) and returns a usage mistake;
// `run` does the work once the data is loaded. The command answers "--help"
// with its usage (status 0), reports a usage mistake as
// "lexorra-cli NAME: ..." followed by the usage (status 2), and data that
// cannot be loaded as mottoDataOrReport does (status 1).
template <class Options>
CliCommand mottoCommand(std::string name, std::string usage,
                        std::optional<std::string> (*parse)(const std::vector<std::string>& args,
                                                            Options& out),
                        int (*run)(const Options& options, const std::filesystem::path& dataFolder,
                                   const MottoData& data, std::ostream& out, std::ostream& err)) {
  auto start = [name, usage, parse, run](const std::vector<std::string>& args, std::ostream& out,
                                         std::ostream& err) {
    if (asksForHelp(args)) {
      out << usage << "\n";
      return 0;
    }
    Options options;
    if (auto problem = parse(args, options)) {
      err << "lexorra-cli " << name << ": " << *problem << "\nUsage:\n" << usage << "\n";
      return 2;
    }
    const std::filesystem::path dataFolder =
        options.dataFolder ? *options.dataFolder : programFolder();
    const std::optional<MottoData> data = mottoDataOrReport(dataFolder, name, err);
    if (!data) return 1;
    return run(options, dataFolder, *data, out, err);
  };
  return {std::move(name), std::move(usage), std::move(start)};
}

}  // namespace lexorra::cli
