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

#include "english/english.h"
#include "lexicon/lexicon.h"
#include "motto/motto_state.h"

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

}  // namespace lexorra::cli
