// Loading the irregular tables, and the tables delivered beside the program.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "english/english.h"
#include "text/textops.h"

namespace lexorra {
namespace {

namespace fs = std::filesystem;

// A scratch folder of its own for every test, removed afterwards.
class TableFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::temp_directory_path() /
              (std::string("lexorra_english_") + info->name() + "_" + std::to_string(::getpid()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  void write(const std::string& name, const std::string& content) {
    std::ofstream(folder_ / name, std::ios::binary) << content;
  }
  // `count` lines "w<i> p<i> q<i>", each ended by CR LF.
  static std::string numberedLines(std::size_t count) {
    std::string out;
    for (std::size_t i = 1; i <= count; ++i) {
      const std::string n = std::to_string(i);
      out += "w" + n + " p" + n + " q" + n + "\r\n";
    }
    return out;
  }

  fs::path folder_;
};

TEST_F(TableFolder, FilesFillingTheTablesExactlyLoadCompletely) {
  write("engIrregVerbs.txt", numberedLines(456));
  write("engIrregNouns.txt", numberedLines(104));
  const EnglishTables t = loadEnglishTables(folder_);
  ASSERT_EQ(t.irregularVerbs.size(), 456u);
  ASSERT_EQ(t.irregularNouns.size(), 104u);
  EXPECT_EQ(t.irregularVerbs.front(), "w1 p1 q1");
  EXPECT_EQ(t.irregularVerbs.back(), "w456 p456 q456");
  EXPECT_EQ(t.irregularNouns.back(), "w104 p104 q104");
  // The last line of each is found by a look-up.
  EXPECT_EQ(pastParticiple(t, "w456 up"), "q456 up");
  EXPECT_EQ(nounPlural(t, "w104"), "p104");
}

TEST_F(TableFolder, OneLinePastTheCapacityIsRefused) {
  struct Row {
    const char* file;
    std::size_t lines;
    void (*load)(EnglishTables&, const fs::path&);
  };
  const Row rows[] = {{"engIrregVerbs.txt", 457, loadIrregularVerbs},
                      {"engIrregNouns.txt", 105, loadIrregularNouns}};
  for (const Row& row : rows) {
    write(row.file, numberedLines(row.lines));
    EnglishTables t;
    try {
      row.load(t, folder_);
      ADD_FAILURE() << row.file << " with " << row.lines << " lines was accepted";
    } catch (const DataFileError& e) {
      EXPECT_EQ(e.file(), row.file);
      EXPECT_EQ(e.line(), row.lines);
      EXPECT_TRUE(text::contains(e.reason(), std::to_string(row.lines) + " lines")) << e.what();
      EXPECT_TRUE(text::contains(e.what(), row.file)) << e.what();
    }
    // Nothing of the refused file is kept.
    EXPECT_EQ(t.irregularVerbs, std::vector<std::string>(456));
    EXPECT_EQ(t.irregularNouns, std::vector<std::string>(104));
  }
}

TEST_F(TableFolder, MissingAndEmptyFilesAreReportedByName) {
  try {
    loadEnglishTables(folder_);
    ADD_FAILURE() << "a folder without tables was accepted";
  } catch (const DataFileError& e) {
    EXPECT_EQ(e.file(), "engIrregVerbs.txt");
    EXPECT_TRUE(text::contains(e.reason(), "cannot be found")) << e.what();
  }
  write("engIrregVerbs.txt", "go went gone\r\n");
  try {
    loadEnglishTables(folder_);
    ADD_FAILURE() << "a missing noun table was accepted";
  } catch (const DataFileError& e) {
    EXPECT_EQ(e.file(), "engIrregNouns.txt");
  }
  write("engIrregNouns.txt", "");
  try {
    loadEnglishTables(folder_);
    ADD_FAILURE() << "an empty noun table was accepted";
  } catch (const DataFileError& e) {
    EXPECT_EQ(e.file(), "engIrregNouns.txt");
    EXPECT_TRUE(text::contains(e.reason(), "empty")) << e.what();
  }
}

TEST(TableLoading, LinesAreStoredAsReadWithoutTheirEnds) {
  struct Row {
    const char* content;
    std::vector<std::string> firstLines;
  };
  const Row rows[] = {
      {"go went gone\r\nsee saw seen\r\n", {"go went gone", "see saw seen", ""}},
      {"go went gone\r\nsee saw seen", {"go went gone", "see saw seen", ""}},  // no final end
      {"go went gone\nsee saw seen\n", {"go went gone", "see saw seen", ""}},  // lone LF
      {"go  went gone \r\n\r\nx\r\n", {"go  went gone ", "", "x", ""}},        // nothing trimmed
  };
  for (const Row& row : rows) {
    EnglishTables t;
    std::istringstream in(row.content);
    loadIrregularVerbs(t, in);
    ASSERT_EQ(t.irregularVerbs.size(), 456u);
    for (std::size_t i = 0; i < row.firstLines.size(); ++i)
      EXPECT_EQ(t.irregularVerbs[i], row.firstLines[i]) << row.content << " position " << i;
  }
}

TEST(TableLoading, TwoSpacesMakeAnEmptyField) {
  EnglishTables t;
  std::istringstream in("go  went gone\r\n");
  loadIrregularVerbs(t, in);
  const auto fields = text::splitFields(t.irregularVerbs[0]);
  ASSERT_EQ(fields.size(), 4u);
  EXPECT_EQ(fields[0], "go");
  EXPECT_EQ(fields[1], "");
  EXPECT_EQ(fields[2], "went");
  EXPECT_EQ(fields[3], "gone");
  EXPECT_EQ(pastParticiple(t, "go"), "went");
}

// The delivered tables: each fills its table exactly, every line is CR LF
// ended and has the fields it needs, no base form appears twice, and no line
// repeats what the rules already give (such a line would waste a position).
struct Delivered {
  const char* file;
  std::size_t capacity;
  std::size_t resultField;
  std::string (*inflect)(const EnglishTables&, std::string_view);
};

void checkDeliveredTable(const Delivered& d) {
  const fs::path path = fs::path(LEXORRA_BIN_DIR) / d.file;
  if (!fs::exists(path)) GTEST_SKIP() << d.file << " is not in " << LEXORRA_BIN_DIR;
  std::ifstream in(path, std::ios::binary);
  const std::string raw{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const EnglishTables delivered = loadEnglishTables(LEXORRA_BIN_DIR);
  const EnglishTables none;
  const auto& table =
      d.capacity == kIrregularVerbCapacity ? delivered.irregularVerbs : delivered.irregularNouns;

  std::size_t crlf = 0;
  for (std::size_t i = 0; i + 1 < raw.size(); ++i)
    if (raw[i] == '\r' && raw[i + 1] == '\n') ++crlf;
  EXPECT_EQ(crlf, d.capacity) << d.file;
  EXPECT_TRUE(text::endsWith(raw, "\r\n")) << d.file;
  EXPECT_EQ(std::count(raw.begin(), raw.end(), '\n'), static_cast<long>(d.capacity)) << d.file;

  std::set<std::string_view> bases;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::string& line = table[i];
    const auto fields = text::splitFields(line);
    SCOPED_TRACE(std::string(d.file) + " line " + std::to_string(i + 1) + ": " + line);
    ASSERT_GT(fields.size(), d.resultField);
    for (std::size_t f = 0; f <= d.resultField; ++f) EXPECT_FALSE(fields[f].empty());
    EXPECT_TRUE(bases.insert(fields[0]).second) << "base form listed twice";
    const std::string base(fields[0]);
    EXPECT_NE(d.inflect(none, base), fields[d.resultField]) << "the rules give this already";
    EXPECT_EQ(d.inflect(delivered, base), fields[d.resultField]);
  }
}

TEST(DeliveredTables, VerbTable) {
  checkDeliveredTable({"engIrregVerbs.txt", kIrregularVerbCapacity, 2, pastParticiple});
}

TEST(DeliveredTables, NounTable) {
  checkDeliveredTable({"engIrregNouns.txt", kIrregularNounCapacity, 1, nounPlural});
}

}  // namespace
}  // namespace lexorra
