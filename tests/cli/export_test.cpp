// lexorra-cli export, run as a program without a display over the examples.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "cli/cli_run.h"

namespace lexorra::testing {
namespace {

namespace fs = std::filesystem;

// As on a server: no display, and no platform chosen by the caller.
const std::string kNoDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";

class CliExport : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"nouns.dat", "verbs.dat", "engIrregVerbs.txt", "ex_love_is_blind"})
      if (!fs::exists(kBin / name)) GTEST_SKIP() << name << " is not in " << kBin;
    folder_ = fs::temp_directory_path() / ("lexorra-cli-export-" + std::to_string(getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string out(const std::string& name) const { return (folder_ / name).string(); }

  // Exports with the arguments before FILE OUT; expects success.
  std::string exported(std::vector<std::string> args, const std::string& motto,
                       const std::string& name) {
    args.insert(args.begin(), "export");
    args.push_back(motto);
    args.push_back(out(name));
    const CliRun run = runCli(args, kNoDisplay);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(out(name) + ": "), std::string::npos) << run.out;
    return slurp(out(name));
  }

  fs::path folder_;
};

// The number before "mm" in the svg element's attribute, or -1.
double svgMillimetres(const std::string& svg, const std::string& attribute) {
  std::smatch match;
  if (!std::regex_search(svg, match, std::regex("<svg[^>]*\\s" + attribute + "=\"([0-9.]+)mm\"")))
    return -1;
  return std::stod(match[1]);
}

std::uint32_t bigEndian(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i)
    value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

TEST(CliExportHelp, ExplainsTheCommand) {
  expectHelp("export", "lexorra-cli export [--format svg|pdf|png] [--width 12cm]",
             {"--mirror", "--outline", "--lines", "--english", "--dpi", "--face"});
}

TEST(CliExportHelp, UsageMistakes) {
  struct Case {
    std::vector<std::string> args;
    const char* told;
  };
  const Case cases[] = {
      {{"export"}, "give one motto FILE"},
      {{"export", "ex_love_is_blind"}, "give one motto FILE"},
      {{"export", "a", "b.svg", "c"}, "give one motto FILE"},
      {{"export", "ex_love_is_blind", "out.txt"}, "the format of \"out.txt\" is not known"},
      {{"export", "ex_love_is_blind", "out"}, "the format of \"out\" is not known"},
      {{"export", "--format", "gif", "x", "out.svg"}, "--format is svg, pdf or png"},
      {{"export", "--width", "12km", "x", "out.svg"}, "--width needs a width"},
      {{"export", "--width=", "x", "out.svg"}, "--width needs a width"},
      {{"export", "--lines", "3", "x", "out.svg"}, "--lines is 1 or 2"},
      {{"export", "--dpi", "many", "x", "out.png"}, "--dpi needs a whole number"},
      {{"export", "x", "out.svg", "--width"}, "--width needs a value"},
      {{"export", "--face", "", "x", "out.svg"}, "--face needs a face name"},
      {{"export", "--mirrored", "x", "out.svg"}, "unknown option \"--mirrored\""},
  };
  for (const Case& c : cases) expectUsageMistake(c.args, c.told);
}

TEST_F(CliExport, EachFormatFromTheExtensionWithoutADisplay) {
  const std::string svg = exported({}, "ex_love_is_blind", "motto.svg");
  EXPECT_NE(svg.find("width=\"120mm\""), std::string::npos);
  // The motto's own Latin, trimmed.
  EXPECT_NE(svg.find("<title>amor caecus est</title>"), std::string::npos);
  EXPECT_EQ(svg.find("<text"), std::string::npos);
  EXPECT_EQ(exported({}, "ex_love_is_blind", "motto.pdf").substr(0, 5), "%PDF-");
  EXPECT_EQ(exported({}, "ex_love_is_blind", "motto.PNG").substr(1, 3), "PNG");
  // --format wins over the name.
  EXPECT_EQ(exported({"--format", "png"}, "ex_love_is_blind", "motto.svg").substr(1, 3), "PNG");
  EXPECT_NE(exported({}, "ex_without_fear", "fear.svg").find("<title>sine metu</title>"),
            std::string::npos);
}

TEST_F(CliExport, TheOptionsShapeTheLettering) {
  const std::string motto = "ex_love_of_money_is_the_root_of_allevery_evil";
  const std::string plain = exported({}, motto, "plain.svg");
  const double height = svgMillimetres(plain, "height");
  ASSERT_GT(height, 0);
  EXPECT_NEAR(svgMillimetres(exported({"--width", "4in"}, motto, "in.svg"), "width"), 101.6, 0.01);
  EXPECT_NEAR(svgMillimetres(exported({"--width=50mm"}, motto, "mm.svg"), "width"), 50, 0.01);
  EXPECT_NEAR(svgMillimetres(exported({"--width", "30"}, motto, "cm.svg"), "width"), 300, 0.01);
  const std::string mirrored = exported({"--mirror"}, motto, "mirror.svg");
  EXPECT_NE(mirrored, plain);
  EXPECT_DOUBLE_EQ(svgMillimetres(mirrored, "height"), height);
  EXPECT_GT(svgMillimetres(exported({"--lines", "2"}, motto, "two.svg"), "height"), 1.5 * height);
  EXPECT_GT(svgMillimetres(exported({"--english"}, motto, "english.svg"), "height"), height);
  // Outlines are stroked with round ends; filled letters have no stroke.
  EXPECT_NE(exported({"--outline"}, motto, "outline.svg").find("stroke-linecap=\"round\""),
            std::string::npos);
  EXPECT_EQ(plain.find("stroke-linecap=\"round\""), std::string::npos);
  EXPECT_NE(exported({"--face", "TIMES NEW ROMAN"}, motto, "face.svg"), plain);

  // A PNG 5 cm wide at 600 dpi: 1181 pixels, 23622 pixels to the metre.
  const std::string png = exported({"--width", "5cm", "--dpi", "600"}, motto, "fine.png");
  ASSERT_GT(png.size(), 24u);
  EXPECT_NEAR(bigEndian(png, 16), 5 / 2.54 * 600, 1);
  const std::size_t physical = png.find("pHYs");
  ASSERT_NE(physical, std::string::npos);
  EXPECT_EQ(bigEndian(png, physical + 4), 23622u);
}

TEST_F(CliExport, FailuresNameTheFileAndLeaveNothingHalfWritten) {
  struct Case {
    std::vector<std::string> args;
    std::string told;
  };
  const Case cases[] = {
      {{"export", "ex_love_is_blind", "/nonexistent-folder/motto.svg"},
       "/nonexistent-folder/motto.svg: cannot be written"},
      {{"export", "ex_love_is_blind", folder_.string() + "/"}, "the format of"},
      {{"export", "--format", "svg", "ex_love_is_blind", folder_.string()},
       folder_.string() + ": cannot be written"},
      {{"export", "--width", "2mm", "ex_love_is_blind", out("narrow.svg")},
       out("narrow.svg") + ": the width must lie between 0.5 cm and 500 cm"},
      {{"export", "--dpi", "5000", "ex_love_is_blind", out("fine.png")},
       out("fine.png") + ": the resolution must lie between 30 and 2400 dpi"},
      {{"export", "no_such_motto", out("none.svg")}, "no_such_motto: cannot be found"},
      {{"export", "--data", "/nonexistent-folder", "x", out("none.svg")},
       "the data in /nonexistent-folder cannot be used"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.told);
    const CliRun run = runCli(c.args, kNoDisplay);
    EXPECT_NE(run.status, 0);
    EXPECT_NE(run.err.find("lexorra-cli export: " + c.told), std::string::npos) << run.err;
  }
  EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(CliExport, AFaceThatIsNotInstalledIsToldAndStandsIn) {
  const CliRun run = runCli(
      {"export", "--face", "No Such Face", "ex_love_is_blind", out("motto.svg")}, kNoDisplay);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.err.find("the face \"No Such Face\" is not installed"), std::string::npos)
      << run.err;
  EXPECT_TRUE(fs::exists(out("motto.svg")));
  // Nothing else on standard error: Qt's notes on the desktop session are not shown.
  const CliRun quiet = runCli({"export", "ex_love_is_blind", out("quiet.svg")}, kNoDisplay);
  EXPECT_EQ(quiet.err, "");
}

}  // namespace
}  // namespace lexorra::testing
