#include "cli/motto_input.h"

#include <algorithm>

#include "editor/motto_file.h"
#include "editor/refresh.h"
#include "text/datafile.h"

namespace lexorra::cli {

namespace fs = std::filesystem;

namespace {
constexpr int kRefreshTicks = 4;
}  // namespace

bool MottoArgs::has(std::string_view flag) const {
  return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

std::optional<std::string> parseMottoArgs(const std::vector<std::string>& args,
                                          std::initializer_list<std::string_view> knownFlags,
                                          MottoArgs& out) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      out.files.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (std::find(knownFlags.begin(), knownFlags.end(), arg) != knownFlags.end()) {
      out.flags.push_back(arg);
    } else if (arg == "--data") {
      if (i + 1 == args.size()) return "--data needs a folder";
      out.dataFolder = args[++i];
    } else if (arg.starts_with("--data=")) {
      out.dataFolder = arg.substr(7);
    } else {
      return "unknown option \"" + arg + "\"";
    }
  }
  return std::nullopt;
}

MottoData loadMottoData(const fs::path& dataFolder) {
  MottoData data;
  data.lexicon = loadDictionaries(dataFolder);
  data.english = loadEnglishTables(dataFolder);
  return data;
}

fs::path mottoPath(const std::string& file, const fs::path& dataFolder) {
  fs::path path(file);
  std::error_code ec;
  if (path.has_parent_path() || fs::exists(path, ec)) return path;
  fs::path beside = dataFolder / path;
  return fs::exists(beside, ec) ? beside : path;
}

MottoState settledMotto(const std::string& file, const fs::path& dataFolder,
                        const MottoData& data) {
  MottoState state;
  state.Enabled = true;  // as after start-up
  loadMottoFile(state, data.lexicon, mottoPath(file, dataFolder));
  for (int tick = 0; tick < kRefreshTicks; ++tick) Timer1_Timer(state, data.lexicon, data.english);
  return state;
}

std::optional<MottoData> mottoDataOrReport(const fs::path& dataFolder, std::string_view command,
                                           std::ostream& err) {
  try {
    return loadMottoData(dataFolder);
  } catch (const DataFileError& e) {
    err << "lexorra-cli " << command << ": the data in " << dataFolder.string()
        << " cannot be used: " << e.what() << "\n";
    return std::nullopt;
  }
}

std::optional<MottoState> settledMottoOrReport(const std::string& file, const fs::path& dataFolder,
                                               const MottoData& data, std::string_view command,
                                               std::ostream& err) {
  try {
    return settledMotto(file, dataFolder, data);
  } catch (const DataFileError& e) {
    err << "lexorra-cli " << command << ": " << e.what() << "\n";
  } catch (const std::exception& e) {
    err << "lexorra-cli " << command << ": " << file << ": cannot be rendered: " << e.what()
        << "\n";
  }
  return std::nullopt;
}

}  // namespace lexorra::cli
