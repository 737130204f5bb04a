// Loading the irregular tables, and the tables delivered beside the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "english/english.h"
#include "lexicon/lexicon.h"
#include "scratch_folder.h"
#include "text/textops.h"

namespace lexorra {
namespace {

namespace fs = std::filesystem;

// A scratch folder of its own for every test, removed afterwards.
class TableFolder : public testing::ScratchFolderTest {
 protected:
  // `count` lines "w<i> p<i> q<i>", each ended by CR LF.
  static std::string numberedLines(std::size_t count) {
    std::string out;
    for (std::size_t i = 1; i <= count; ++i) {
      const std::string n = std::to_string(i);
      out += "w" + n + " p" + n + " q" + n + "\r\n";
    }
    return out;
  }
};

TEST_F(TableFolder, FilesFillingTheTablesExactlyLoadCompletely) {
  writeFile("engIrregVerbs.txt", numberedLines(456));
  writeFile("engIrregNouns.txt", numberedLines(104));
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

// Each row: the verb and noun files (nullptr: no such file) and the error.
TEST_F(TableFolder, UnusableFilesAreReportedByNameAndReason) {
  const std::string verbs = numberedLines(456), nouns = numberedLines(104);
  const std::string tooManyVerbs = numberedLines(457), tooManyNouns = numberedLines(105);
  struct Row {
    const std::string* verbFile;
    const std::string* nounFile;
    const char* file;
    std::size_t line;
    const char* reasonPart;
  };
  const std::string empty;
  const Row rows[] = {
      {nullptr, &nouns, "engIrregVerbs.txt", 0, "cannot be found"},
      {&verbs, nullptr, "engIrregNouns.txt", 0, "cannot be found"},
      {&empty, &nouns, "engIrregVerbs.txt", 0, "empty"},
      {&verbs, &empty, "engIrregNouns.txt", 0, "empty"},
      {&tooManyVerbs, &nouns, "engIrregVerbs.txt", 457, "457 lines; the table holds 456"},
      {&verbs, &tooManyNouns, "engIrregNouns.txt", 105, "105 lines; the table holds 104"},
  };
  for (const Row& row : rows) {
    fs::remove(folder_ / "engIrregVerbs.txt");
    fs::remove(folder_ / "engIrregNouns.txt");
    if (row.verbFile) writeFile("engIrregVerbs.txt", *row.verbFile);
    if (row.nounFile) writeFile("engIrregNouns.txt", *row.nounFile);
    try {
      loadEnglishTables(folder_);
      ADD_FAILURE() << "accepted; expected: " << row.file << " " << row.reasonPart;
    } catch (const DataFileError& e) {
      EXPECT_EQ(e.file(), row.file) << e.what();
      EXPECT_EQ(e.line(), row.line) << e.what();
      EXPECT_TRUE(text::contains(e.what(), row.file)) << e.what();
      EXPECT_TRUE(text::contains(e.reason(), row.reasonPart)) << e.what();
    }
  }
}

TEST(TableLoading, ARefusedFileLeavesTheTableAsItWas) {
  EnglishTables t;
  std::istringstream good("go went gone\r\n"), bad(std::string(105, '\n'));
  loadIrregularNouns(t, good);
  EXPECT_THROW(loadIrregularNouns(t, bad), DataFileError);
  EXPECT_EQ(t.irregularNouns[0], "go went gone");
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
// is wasted: either the rules get the word alone wrong, or the line mends a
// longer caption of the delivered lexicon ("kind kinds" mends "kind of beer").
struct Delivered {
  std::string_view kind;
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

  // Stems of the lexicon's headwords whose result the table changes.
  std::set<std::string> changed;
  const bool haveLexicon = fs::exists(fs::path(LEXORRA_BIN_DIR) / "nouns.dat");
  if (haveLexicon) {
    const Lexicon lexicon = loadDictionaries(LEXORRA_BIN_DIR);
    const Table lexTable = d.kind == "verb" ? Table::verb : Table::noun;
    for (std::size_t i = 0; i < lexicon.capacity(lexTable); ++i) {
      if (lexicon.line(lexTable, i).empty()) continue;
      const std::string_view h = lexicon.englishHeadword(d.kind, i);
      if (d.inflect(delivered, h) == d.inflect(none, h)) continue;
      // A verb's table line is looked up by the caption's first word, a
      // noun's by its head noun (each alternative of "man/woman").
      std::string_view base = d.kind == "verb" ? h.substr(0, h.find_first_of(" /(")) : headNoun(h);
      for (std::size_t slash = base.find('/'); slash != std::string_view::npos;
           slash = base.find('/')) {
        changed.emplace(base.substr(0, slash));
        base.remove_prefix(slash + 1);
      }
      changed.emplace(base);
    }
  }

  std::set<std::string_view> bases;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::string& line = table[i];
    const auto fields = text::splitFields(line);
    SCOPED_TRACE(std::string(d.file) + " line " + std::to_string(i + 1) + ": " + line);
    ASSERT_GT(fields.size(), d.resultField);
    for (std::size_t f = 0; f <= d.resultField; ++f) EXPECT_FALSE(fields[f].empty());
    EXPECT_TRUE(bases.insert(fields[0]).second) << "base form listed twice";
    const std::string base(fields[0]);
    if (d.inflect(none, base) == fields[d.resultField]) {
      EXPECT_TRUE(changed.count(base))
          << "the rules give this already" << (haveLexicon ? ", and no headword needs it" : "");
    }
    EXPECT_EQ(d.inflect(delivered, base), fields[d.resultField]);
  }
}

TEST(DeliveredTables, VerbTable) {
  checkDeliveredTable({"verb", "engIrregVerbs.txt", kIrregularVerbCapacity, 2, pastParticiple});
}

TEST(DeliveredTables, NounTable) {
  checkDeliveredTable({"noun", "engIrregNouns.txt", kIrregularNounCapacity, 1, nounPlural});
}

TEST(DeliveredTables, MendWhatTheRulesGetWrong) {
  if (!fs::exists(fs::path(LEXORRA_BIN_DIR) / "engIrregNouns.txt"))
    GTEST_SKIP() << "the tables are not in " << LEXORRA_BIN_DIR;
  const EnglishTables t = loadEnglishTables(LEXORRA_BIN_DIR);
  const std::pair<const char*, const char*> verbs[] = {
      {"visit", "visited"},     {"refer", "referred"},   {"begin", "begun"},
      {"be away", "been away"}, {"go", "gone"},          {"undergo", "undergone"},
      {"overcome", "overcome"}, {"foresee", "foreseen"}, {"withdraw", "withdrawn"},
      {"give up", "given up"},  {"allow", "allowed"},    {"follow", "followed"},
      {"love", "loved"},        {"stop", "stopped"},     {"marry", "married"}};
  for (auto [caption, expected] : verbs) EXPECT_EQ(pastParticiple(t, caption), expected);
  const std::pair<const char*, const char*> nouns[] = {{"boy", "boys"},
                                                       {"day", "days"},
                                                       {"wolf", "wolves"},
                                                       {"hero", "heroes"},
                                                       {"man of war", "men of war"},
                                                       {"woman", "women"},
                                                       {"child", "children"},
                                                       {"dog", "dogs"},
                                                       {"city", "cities"}};
  for (auto [caption, expected] : nouns) EXPECT_EQ(nounPlural(t, caption), expected);
}

}  // namespace
}  // namespace lexorra
