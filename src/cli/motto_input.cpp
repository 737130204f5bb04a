#include "cli/motto_input.h"

#include "editor/motto_file.h"
#include "editor/refresh.h"
#include "text/datafile.h"

namespace lexorra::cli {

namespace fs = std::filesystem;

namespace {
constexpr int kRefreshTicks = 4;
}  // namespace

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
