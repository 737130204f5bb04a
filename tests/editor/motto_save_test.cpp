// Saving over files: protected targets, the permissions a replaced file
// keeps, and the hidden files a killed save leaves behind.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

#include "editor/motto_file.h"
#include "motto_file_fixture.h"

namespace lexorra {
namespace {

using editortest::joinLines;
using editortest::MottoFileTest;
namespace fs = std::filesystem;

std::string contentOf(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

mode_t modeOf(const fs::path& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0);
  return st.st_mode & 07777;
}

std::size_t filesIn(const fs::path& folder) {
  return static_cast<std::size_t>(
      std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST_F(MottoFileTest, AReadOnlyFileIsNotReplaced) {
  writeFile("motto", "the user's own\r\n");
  ASSERT_EQ(::chmod((folder_ / "motto").c_str(), 0444), 0);
  try {
    writeMottoFile(richMotto(), folder_ / "motto");
    ADD_FAILURE() << "a read-only file was replaced";
  } catch (const MottoFileError& e) {
    EXPECT_NE(e.reason().find("read-only"), std::string::npos) << e.what();
    EXPECT_NE(e.file().find("motto"), std::string::npos) << e.what();
  }
  EXPECT_EQ(contentOf(folder_ / "motto"), "the user's own\r\n");
  EXPECT_EQ(modeOf(folder_ / "motto"), 0444u);
  EXPECT_EQ(filesIn(folder_), 1u);
  ::chmod((folder_ / "motto").c_str(), 0644);
}

TEST_F(MottoFileTest, AReplacedFileKeepsItsPermissions) {
  for (mode_t mode : {0600u, 0640u, 0664u, 0604u}) {
    SCOPED_TRACE(mode);
    writeFile("motto", "older\r\n");
    ASSERT_EQ(::chmod((folder_ / "motto").c_str(), mode), 0);
    writeMottoFile(richMotto(), folder_ / "motto");
    EXPECT_EQ(modeOf(folder_ / "motto"), mode);
    EXPECT_EQ(contentOf(folder_ / "motto"), joinLines(mottoFileLines(richMotto())));
  }
}

TEST_F(MottoFileTest, AFolderInTheWayIsNotAMottoFile) {
  fs::create_directory(folder_ / "motto");
  EXPECT_THROW(writeMottoFile(richMotto(), folder_ / "motto"), MottoFileError);
  EXPECT_TRUE(fs::is_directory(folder_ / "motto"));
  EXPECT_EQ(filesIn(folder_), 1u);
}

// A save killed while writing leaves a hidden temporary file; the next save
// into that folder removes those of our naming that no save is writing.
TEST_F(MottoFileTest, StaleTemporaryFilesAreRemoved) {
  const std::string self = std::to_string(::getpid());
  struct Case {
    std::string name;
    bool old;   // last written two minutes ago
    bool gone;  // removed by the save
  };
  const Case cases[] = {
      {".motto-save-" + self + "-7.tmp", true, true},
      {".motto-save-" + self + "-8.tmp", false, false},  // perhaps still being written
      {".motto-save-999999999-0.tmp", false, true},      // its process has ended
      {".motto-save-notes.tmp", true, false},            // not a name we give
      {".motto-save-" + self + "-x.tmp", true, false},
      {"motto-save-" + self + "-1.tmp", true, false},
      {"Ex_Love", true, false},
  };
  const auto twoMinutesAgo = fs::file_time_type::clock::now() - std::chrono::minutes(2);
  for (const Case& c : cases) {
    writeFile(c.name, "partial");
    if (c.old) fs::last_write_time(folder_ / c.name, twoMinutesAgo);
  }
  writeMottoFile(richMotto(), folder_ / "motto");
  for (const Case& c : cases) EXPECT_EQ(fs::exists(folder_ / c.name), !c.gone) << c.name;
  EXPECT_TRUE(fs::exists(folder_ / "motto"));
}

}  // namespace
}  // namespace lexorra
