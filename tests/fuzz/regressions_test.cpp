// Replays fuzz/regressions/<target>/* and fuzz/seeds/<target>/* through the
// fuzz entries: each input once made its target fail (or starts its corpus)
// and must now pass. An entry aborts on a broken promise, which fails the
// test binary.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz_entries.h"

namespace lexorra::fuzz {
namespace {

namespace fs = std::filesystem;

struct Target {
  const char* name;
  void (*entry)(std::string_view);
};

const Target kTargets[] = {
    {"motto_file", mottoFileInput},
    {"lexicon", lexiconTableInput},
    {"english", englishTablesInput},
    {"editor", editorInput},
};

// The files of fuzz/<folder>/<target>, in name order.
std::vector<fs::path> inputs(const char* folder, const char* target) {
  std::vector<fs::path> files;
  const fs::path dir = fs::path(LEXORRA_FUZZ_DIR) / folder / target;
  if (fs::is_directory(dir))
    for (const fs::directory_entry& e : fs::directory_iterator(dir))
      if (e.is_regular_file()) files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

class Replay : public ::testing::TestWithParam<Target> {};

TEST_P(Replay, EveryKeptInputPasses) {
  const Target& target = GetParam();
  std::size_t replayed = 0;
  for (const char* folder : {"regressions", "seeds"}) {
    for (const fs::path& file : inputs(folder, target.name)) {
      SCOPED_TRACE(file.string());
      std::ifstream in(file, std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      target.entry(bytes);
      ++replayed;
    }
  }
  RecordProperty("inputs", static_cast<int>(replayed));
}

INSTANTIATE_TEST_SUITE_P(Fuzz, Replay, ::testing::ValuesIn(kTargets),
                         [](const ::testing::TestParamInfo<Target>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace lexorra::fuzz
