// lexorra-cli render, run as a program over the examples and broken files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "cli/cli_run.h"
#include "text/datafile.h"

namespace lexorra::testing {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

bool deliveredDataPresent() {
  for (const char* name : {"nouns.dat", "verbs.dat", "engIrregVerbs.txt", "ex_i_love_you"})
    if (!fs::exists(kBin / name)) return false;
  return true;
}

TEST(CliRender, HelpExplainsTheCommand) {
  expectHelp("render", "lexorra-cli render [--json] [--data DIR] FILE...", {"--json"});
}

TEST(CliRender, UsageMistakes) {
  expectUsageMistake({"render"}, "no motto file given");
  expectUsageMistake({"render", "--jsn", "x"}, "unknown option \"--jsn\"");
  expectUsageMistake({"render", "x", "--data"}, "--data needs a folder");
  CliRun noData = runCli({"render", "--data", "/nonexistent-folder", "x"});
  EXPECT_EQ(noData.status, 1);
  EXPECT_NE(noData.err.find("/nonexistent-folder"), std::string::npos) << noData.err;
}

TEST(CliRender, RendersTheExamples) {
  if (!deliveredDataPresent()) GTEST_SKIP() << "the delivered data is not in " << kBin;
  const std::vector<std::string> names = {"ex_i_love_you", "Ex_Love_conquers_everythings",
                                          "ex_without_fear"};
  std::vector<std::string> args = {"render", "--json", "--data", kBin.string()};
  args.insert(args.end(), names.begin(), names.end());
  CliRun run = runCli(args);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.err.empty()) << run.err;
  EXPECT_EQ(
      linesOf(run.out),
      (std::vector<std::string>{
          R"({"file": "ex_i_love_you", "latin": "ego te amo", "english": "I love you."})",
          R"({"file": "Ex_Love_conquers_everythings", "latin": "amor omnia vincit", )"
          R"("english": "Love conquers all."})",
          R"({"file": "ex_without_fear", "latin": " sine metu ", "english": "Without fear."})",
      }));

  CliRun plain = runCli({"render", (kBin / "ex_love_is_blind").string()});
  EXPECT_EQ(plain.status, 0) << plain.err;
  EXPECT_NE(plain.out.find("  Latin:   amor caecus est\n  English: Love is blind.\n"),
            std::string::npos)
      << plain.out;
}

// Lines 82 to 88 carry the broad question and the adjectives' comparison.
TEST(CliRender, ShowsTheQuestionAndComparisonOfAFile) {
  if (!deliveredDataPresent()) GTEST_SKIP() << "the delivered data is not in " << kBin;
  fs::path folder = fs::temp_directory_path() / ("lexorra-cli-88-" + std::to_string(getpid()));
  fs::create_directories(folder);
  const std::string blind = slurp(kBin / "ex_love_is_blind");  // "caecus" is actedAdjText
  struct Case {
    const char* name;
    const char* extraLines;
    const char* english;  // part of the meaning
  };
  const Case cases[] = {
      {"plain", "notQuestionOption\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n",
       "English: Love is blind."},
      {"asked", "isItThatOption\r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n",
       "English: Is it the case that "},
      {"more", "notQuestionOption\r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n", "is blinder."},
  };
  std::vector<std::string> latin;
  for (const Case& c : cases) {
    std::ofstream(folder / c.name, std::ios::binary) << blind << c.extraLines;
    CliRun run = runCli({"render", (folder / c.name).string()});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(c.english), std::string::npos) << run.out;
    latin.push_back(linesOf(run.out).at(1));
  }
  fs::remove_all(folder);
  EXPECT_EQ(latin[0], "  Latin:   amor caecus est");  // as the example shows
  EXPECT_NE(latin[1], latin[0]);
  EXPECT_NE(latin[2], latin[0]);
}

TEST(CliRender, BadFilesAreReportedAndTheOthersStillRendered) {
  if (!deliveredDataPresent()) GTEST_SKIP() << "the delivered data is not in " << kBin;
  fs::path folder = fs::temp_directory_path() / ("lexorra-cli-bad-" + std::to_string(getpid()));
  fs::create_directories(folder);
  std::string good = slurp(kBin / "ex_i_love_you");
  std::string broken = good;
  broken.replace(0, broken.find('\r'), "99999999");  // line 1: no such noun
  std::ofstream(folder / "broken", std::ios::binary) << broken;
  std::ofstream(folder / "short", std::ios::binary) << good.substr(0, 100);

  CliRun run = runCli({"render", "--json", (folder / "broken").string(), "ex_i_love_you",
                       (folder / "short").string(), (folder / "missing").string()});
  fs::remove_all(folder);
  EXPECT_EQ(run.status, 1);
  std::vector<std::string> out = linesOf(run.out);
  ASSERT_EQ(out.size(), 1u) << run.out;
  EXPECT_NE(out[0].find("\"ego te amo\""), std::string::npos);
  std::vector<std::string> err = linesOf(run.err);
  ASSERT_EQ(err.size(), 3u) << run.err;
  EXPECT_NE(err[0].find("broken, line 1: actorNounText"), std::string::npos) << err[0];
  EXPECT_NE(err[1].find("short, line "), std::string::npos) << err[1];
  EXPECT_NE(err[2].find("missing: cannot be found"), std::string::npos) << err[2];
}

}  // namespace
}  // namespace lexorra::testing
