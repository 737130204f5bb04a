// A folder of the running test's own under the system's temporary folder,
// for the tests that read and write files: made empty before each test and
// removed after it. The process number and the test's name keep the tests
// that run side by side apart.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace lexorra::testing {

class ScratchFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ =
        std::filesystem::temp_directory_path() / ("lexorra-" + std::to_string(::getpid()) + "-" +
                                                  test->test_suite_name() + "-" + test->name());
    std::filesystem::remove_all(folder_);
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  // The file `name` of the folder holds exactly `bytes`.
  void writeFile(const std::filesystem::path& name, const std::string& bytes) const {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }

  std::filesystem::path folder_;
};

}  // namespace lexorra::testing
