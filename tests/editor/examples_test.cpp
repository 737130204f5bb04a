// The example files in data/ against their descriptions and what they render.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "editor/motto_file.h"
#include "example_builder.h"
#include "text/datafile.h"

namespace lexorra {
namespace {

namespace fs = std::filesystem;

const fs::path kBin = LEXORRA_BIN_DIR;
const fs::path kSourceData = fs::path(LEXORRA_SOURCE_DIR) / "data";

// The delivered lexicon beside the test, or nothing when it is not there.
const Lexicon* deliveredLexicon() {
  static const std::optional<Lexicon> lexicon = []() -> std::optional<Lexicon> {
    try {
      return loadDictionaries(kBin);
    } catch (const DataFileError&) {
      return std::nullopt;
    }
  }();
  return lexicon ? &*lexicon : nullptr;
}

TEST(Examples, EveryMenuItemHasADescription) {
  std::set<std::string_view> menu, described;
  for (const ExampleMotto& example : kExamples) menu.insert(example.fileName);
  for (const auto& description : examples::exampleDescriptions())
    described.insert(description.fileName);
  EXPECT_EQ(menu.size(), 17u);
  EXPECT_EQ(menu, described);
}

TEST(Examples, FilesFollowTheirDescriptions) {
  const Lexicon* lexicon = deliveredLexicon();
  if (!lexicon) GTEST_SKIP() << "the delivered lexicon is not in " << kBin;
  for (const auto& description : examples::exampleDescriptions()) {
    std::string name(description.fileName);
    std::vector<std::string> expected =
        mottoFileLines(examples::buildExample(*lexicon, description), MottoFileFormat::lines81);
    std::string text = readWholeFile(kSourceData / name, name);
    std::vector<std::string_view> lines = splitLines(text);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), expected)
        << name << " is out of date: run build/bin/write-examples data";
    // And the loader takes it as it is.
    MottoState state;
    EXPECT_NO_THROW(loadExample(state, *lexicon, kBin, name));
  }
}

// The examples keep the original 81 lines: no question, no comparison, and
// what they load writes back to the same 81 lines.
TEST(Examples, LoadAsFilesOf81LinesAlwaysDid) {
  const Lexicon* lexicon = deliveredLexicon();
  if (!lexicon) GTEST_SKIP() << "the delivered lexicon is not in " << kBin;
  for (const ExampleMotto& example : kExamples) {
    std::string name(example.fileName);
    const std::string text = readWholeFile(kBin / name, name);
    std::vector<std::string_view> lines = splitLines(text);
    EXPECT_EQ(lines.size(), 81u) << name;
    MottoState state;
    loadExample(state, *lexicon, kBin, name);
    EXPECT_TRUE(state.notQuestionOption) << name;
    EXPECT_EQ(mottoFileLines(state, MottoFileFormat::lines81),
              std::vector<std::string>(lines.begin(), lines.end()))
        << name;
    for (const SlotInfo& info : kSlots) {
      const std::string& caption = (state.*info.slot).Caption;
      if (info.kind == SlotKind::adjective) {
        EXPECT_FALSE(caption.starts_with("(more") || caption.starts_with("(most")) << caption;
      }
    }
  }
}

TEST(Examples, UnknownWordsAreNamed) {
  const Lexicon* lexicon = deliveredLexicon();
  if (!lexicon) GTEST_SKIP() << "the delivered lexicon is not in " << kBin;
  try {
    examples::findWord(*lexicon, examples::noun("malum, mali", "no such meaning"));
    ADD_FAILURE();
  } catch (const examples::ExampleError& e) {
    EXPECT_STREQ(e.what(), "no noun \"malum, mali\" meaning \"no such meaning\" in nouns.dat");
  }
  EXPECT_NE(examples::findWord(*lexicon, examples::noun("malum, mali", "evil")),
            examples::findWord(*lexicon, examples::noun("malum, mali", "apple")));
}

}  // namespace
}  // namespace lexorra
