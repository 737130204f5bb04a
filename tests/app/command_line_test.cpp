// The window program's command line and its answers without a display.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace lexorra::app {
namespace {

using Action = CommandLine::Action;

CommandLine parse(std::vector<std::string_view> args) {
  return parseCommandLine(args);
}

TEST(CommandLineTest, ReadsOptionsAndOneFileFromTheLeft) {
  struct Case {
    std::vector<std::string_view> args;
    Action action;
    std::optional<std::string> file;
  };
  const Case cases[] = {
      {{}, Action::run, std::nullopt},
      {{"ex_love_is_blind"}, Action::run, "ex_love_is_blind"},
      {{"--help"}, Action::help, std::nullopt},
      {{"-h"}, Action::help, std::nullopt},
      {{"--version"}, Action::version, std::nullopt},
      {{"-V"}, Action::version, std::nullopt},
      {{"-v"}, Action::version, std::nullopt},
      // Help wins over a file before or after it.
      {{"motto", "--help"}, Action::help, std::nullopt},
      {{"--version", "motto"}, Action::version, std::nullopt},
      // After "--" everything is a file name, and a lone "-" always is.
      {{"--", "--help"}, Action::run, "--help"},
      {{"--", "-motto"}, Action::run, "-motto"},
      {{"-"}, Action::run, "-"},
      {{"--", "a b"}, Action::run, "a b"},
      // The first that decides wins.
      {{"--frobnicate", "--help"}, Action::usageError, std::nullopt},
      {{"--help", "--frobnicate"}, Action::help, std::nullopt},
      {{"-x"}, Action::usageError, std::nullopt},
      {{"--help=yes"}, Action::usageError, std::nullopt},
      {{"one", "two"}, Action::usageError, std::nullopt},
      {{"--", "one", "two"}, Action::usageError, std::nullopt},
      {{""}, Action::usageError, std::nullopt},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (std::string_view arg : c.args) shown += "[" + std::string(arg) + "]";
    SCOPED_TRACE(shown);
    const CommandLine line = parse(c.args);
    EXPECT_EQ(line.action, c.action);
    ASSERT_EQ(line.mottoFile.has_value(), c.file.has_value());
    if (c.file) {
      EXPECT_EQ(line.mottoFile->string(), *c.file);
    }
    EXPECT_EQ(line.problem.empty(), c.action != Action::usageError) << line.problem;
  }
}

TEST(CommandLineTest, AUsageErrorNamesWhatIsWrong) {
  EXPECT_EQ(parse({"--frobnicate"}).problem, "unknown option --frobnicate");
  EXPECT_NE(parse({"one", "two"}).problem.find("two"), std::string::npos);
}

TEST(CommandLineTest, HelpNamesTheOptionsAndTheDataFolder) {
  const std::string help = helpText("/usr/lib/lexorra");
  for (const char* part : {"Usage: lexorra", "--help", "--version", "FILE", "Latin",
                           "  /usr/lib/lexorra\n", "lexorra-cli", "DISPLAY"})
    EXPECT_NE(help.find(part), std::string::npos) << part;
  EXPECT_EQ(help.rfind(usageLine(), 0), 0u);
}

TEST(CommandLineTest, VersionIsTheProjectVersion) {
  EXPECT_EQ(versionText(), "lexorra 1.5\n");
}

TEST(DisplayTest, PlatformsThatDrawWithoutADisplay) {
  const std::pair<const char*, bool> cases[] = {
      {"offscreen", true},
      {"minimal", true},
      {"vnc", true},
      {"vnc:size=800x600", true},
      {"offscreen:fontengine=freetype", true},
      {"xcb;offscreen", true},
      {"wayland;minimal:x", true},
      {"linuxfb", true},
      {"xcb", false},
      {"wayland", false},
      {"", false},
      {"off", false},
      {"offscreenx", false},
      {";", false},
      {"xcb:offscreen", false},  // an option of xcb, not a platform
  };
  for (const auto& [platform, displayless] : cases)
    EXPECT_EQ(needsNoDisplay(platform), displayless) << platform;
}

// An environment made of the given variables only.
EnvironmentLookup environment(std::map<std::string, std::string> variables) {
  return [variables = std::move(variables)](const char* name) -> const char* {
    auto found = variables.find(name);
    return found == variables.end() ? nullptr : found->second.c_str();
  };
}

TEST(DisplayTest, MissingOnlyWhenNothingNamesOne) {
  struct Case {
    std::map<std::string, std::string> variables;
    bool missing;
  };
  const Case cases[] = {
      {{}, true},
      {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", ""}}, true},
      {{{"QT_QPA_PLATFORM", "xcb"}}, true},
      {{{"QT_QPA_PLATFORM", ""}}, true},
      {{{"DISPLAY", ":0"}}, false},
      {{{"WAYLAND_DISPLAY", "wayland-0"}}, false},
      {{{"DISPLAY", ""}, {"WAYLAND_DISPLAY", "wayland-0"}}, false},
      {{{"QT_QPA_PLATFORM", "offscreen"}}, false},
      {{{"QT_QPA_PLATFORM", "xcb;minimal"}}, false},
  };
  for (const Case& c : cases) {
    std::string shown;
    for (const auto& [name, value] : c.variables) shown += name + "=" + value + " ";
    SCOPED_TRACE(shown);
    const std::optional<std::string> line = missingDisplay(environment(c.variables));
    ASSERT_EQ(line.has_value(), c.missing);
    if (!line) continue;
    // One line that says what to set and what works without a window.
    EXPECT_EQ(line->find('\n'), std::string::npos);
    for (const char* part : {"lexorra: ", "DISPLAY", "WAYLAND_DISPLAY", "lexorra-cli"})
      EXPECT_NE(line->find(part), std::string::npos) << part;
  }
}

TEST(DisplayTest, AnUnreachableDisplayIsNamedWithQtsReason) {
  const std::string line = unreachableDisplay(
      environment({{"DISPLAY", ":5"}, {"QT_QPA_PLATFORM", "xcb"}}), "could not connect");
  EXPECT_NE(line.find("DISPLAY=:5, QT_QPA_PLATFORM=xcb: could not connect"), std::string::npos)
      << line;
  EXPECT_NE(line.find("lexorra-cli"), std::string::npos);
  EXPECT_EQ(line.find('\n'), std::string::npos);
  EXPECT_NE(unreachableDisplay(environment({}), "").find("no display is named"), std::string::npos);
}

}  // namespace
}  // namespace lexorra::app
