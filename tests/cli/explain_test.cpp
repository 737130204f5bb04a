// lexorra-cli explain, run as a program: the sheet as text and JSON, with
// and without the parser's check, and the mistakes it reports.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include "cli/cli_run.h"

namespace lexorra::testing {
namespace {

bool parserInstalled() {
  return access("/usr/bin/whitakers-words", X_OK) == 0;
}

TEST(CliExplain, HelpNamesTheCommandAndItsOptions) {
  expectHelp("explain", "lexorra-cli explain [--json] [--check] [--data DIR] FILE",
             {"whitakers-words"});
}

TEST(CliExplain, UsageMistakes) {
  expectUsageMistake({"explain"}, "no motto file given");
  expectUsageMistake({"explain", "--chek", "x"}, "unknown option \"--chek\"");
  expectUsageMistake({"explain", "x", "y"}, "one motto file at a time");
  expectUsageMistake({"explain", "x", "--data"}, "--data needs a folder");
  const CliRun missing = runCli({"explain", "no_such_motto_file"});
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("no_such_motto_file"), std::string::npos) << missing.err;
}

TEST(CliExplain, PrintsEveryWordOfTheMotto) {
  const CliRun run = runCli({"explain", "ex_god_is_with_me"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.out.starts_with("Latin:   Deus mihi adest\nEnglish: God is near to me.\n"));
  for (std::string_view row : {"\nDeus ", "\nmihi ", "\nadest "})
    EXPECT_NE(run.out.find(row), std::string::npos) << row;
  EXPECT_NE(run.out.find("dative singular"), std::string::npos);
  // Without --check the parser is not asked.
  EXPECT_EQ(run.out.find("confirmed"), std::string::npos);
}

TEST(CliExplain, JsonHoldsTheSameRows) {
  const CliRun run = runCli({"explain", "--json", "ex_i_love_you"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(run.out.starts_with("{\"file\": \"ex_i_love_you\", \"latin\": \"ego te amo\""))
      << run.out;
  EXPECT_NE(run.out.find("{\"word\": \"te\", \"dictionaryForm\": \"tu\", \"partOfSpeech\": "
                         "\"pronoun\", \"form\": \"accusative singular\""),
            std::string::npos)
      << run.out;
  EXPECT_EQ(run.out.find("\"check\""), std::string::npos);
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1);
}

TEST(CliExplain, CheckMarksEveryWord) {
  if (!parserInstalled()) GTEST_SKIP() << "whitakers-words is not installed";
  const CliRun text = runCli({"explain", "--check", "ex_god_is_with_me"});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("Checked by the Latin parser whitakers-words: 3 of 3 words confirmed."),
            std::string::npos)
      << text.out;
  const CliRun json = runCli({"explain", "--check", "--json", "ex_god_is_with_me"});
  ASSERT_EQ(json.status, 0) << json.err;
  EXPECT_NE(json.out.find("\"word\": \"mihi\""), std::string::npos);
  EXPECT_NE(json.out.find("\"check\": \"confirmed\", \"analyses\": [\"m.ihi PRON 5 1 DAT S C\"]"),
            std::string::npos)
      << json.out;
}

}  // namespace
}  // namespace lexorra::testing
