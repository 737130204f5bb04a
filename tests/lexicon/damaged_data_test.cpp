// Damaged lexicon files are refused at loading, naming the file, the first
// bad line and the reason, instead of hiding words or failing in a render.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>

#include "english/english.h"
#include "grammar_codes.h"
#include "lexicon/lexicon.h"
#include "hand_lexicon.h"
#include "scratch_folder.h"
#include "text/textops.h"

namespace lexorra {
namespace {

namespace fs = std::filesystem;

std::optional<DataFileError> loadError(Table table, const std::string& content) {
  Lexicon lexicon;
  std::istringstream in(content);
  try {
    lexicon.loadTable(table, in);
  } catch (const DataFileError& e) {
    return e;
  }
  return std::nullopt;
}

// The lines, each ended by CR LF.
std::string crlf(std::initializer_list<std::string> lines) {
  std::string out;
  for (const std::string& line : lines) out += line + "\r\n";
  return out;
}

// Verb 0 as a "to be" whose every field k reads "f<k>", with some replaced.
std::string verb0(const std::map<int, std::string>& fields) {
  std::string line;
  for (int k = 0; k < 157; ++k) {
    auto it = fields.find(k);
    line += (it != fields.end() ? it->second : "f" + std::to_string(k)) + " ";
  }
  return line + "::be";
}

const std::string kNoun = testing::validLine(Table::noun, "love");
const std::string kAdverb = "bene ::well";

struct DamagedFile {
  const char* name;
  Table table;
  std::string content;
  std::size_t line;    // 1-based; 0: accepted
  const char* reason;  // a part of the reason
};

TEST(DamagedLexiconFile, IsRefusedAtItsFirstBadLine) {
  const std::string forms = testing::numberedFields(0, 17);
  const std::string cut = crlf({kNoun, kNoun}) + kNoun.substr(0, 40);
  const DamagedFile rows[] = {
      {"no meaning marker", Table::noun, crlf({kNoun, forms + "love", kNoun}), 2, "no \"::\""},
      {"empty meaning", Table::adverb, crlf({kAdverb, "bene ::  ", kAdverb}), 2, "empty meaning"},
      {"empty first meaning", Table::adverb, crlf({"bene :: ::well"}), 1, "empty meaning"},
      {"too few fields", Table::noun, crlf({kNoun, kNoun, forms.substr(0, 30) + "::x"}), 3,
       "has 10 fields before \"::\"; a noun line needs 17 fields"},
      {"a form glued to the marker", Table::adverb, crlf({kAdverb, "bene::well"}), 2,
       "has 0 fields before \"::\"; an adverb line needs 1 field, each followed by a space"},
      {"cut in the middle of a line", Table::noun, cut, 3, "ends in the middle of this line"},
      {"cut in the middle, no marker", Table::adverb, crlf({kAdverb}) + "sem", 2,
       "no \"::\" before its meaning (the file ends in the middle"},
      {"an empty field", Table::pronoun, crlf({"a  " + testing::numberedFields(2, 36) + "::I"}), 1,
       "field 1 is empty (two spaces in a row)"},
      {"a doubled % in an expanded file", Table::noun, crlf({"x%%" + kNoun}), 1,
       "field 1 is empty"},
      {"gap", Table::adverb, crlf({kAdverb, "", kAdverb}), 2,
       "is empty, but line 3 is not; the lists of words would end here"},
      {"spaces only in the middle", Table::adverb, crlf({kAdverb, "   ", "", kAdverb}), 2,
       "is empty, but line 4 is not"},
      {"empty first line", Table::noun, crlf({"", ""}), 1, "table starts with its first word"},
      {"lines end with CR only", Table::adverb, kAdverb + "\r" + kAdverb + "\r", 1,
       "lines end with CR only"},
      {"byte-order mark", Table::adverb, "\xEF\xBB\xBF" + crlf({kAdverb}), 1, "byte-order mark"},
      {"UTF-16 byte-order mark", Table::adverb, "\xFF\xFE" + crlf({kAdverb}), 1, "byte-order mark"},
      {"undefined byte", Table::adverb, crlf({kAdverb, "b\x81ne ::well"}), 2,
       "the byte 0x81, which Windows-1252 leaves undefined (column 2)"},
      {"undefined byte 0x9D", Table::noun, crlf({kNoun + "\x9D"}), 1, "0x9D"},
      {"control character", Table::adverb, crlf({kAdverb, kAdverb, "bene ::we\x01ll"}), 3,
       "the control character 0x01 (column 10)"},
      {"a zero byte", Table::adverb, crlf({std::string("bene ::w\0ll", 11)}), 1,
       "control character 0x00"},
      {"a lone CR", Table::adverb, crlf({"bene ::well\rsemper ::always"}), 1,
       "a CR that is not followed by LF"},
      {"cut between CR and LF", Table::adverb, crlf({kAdverb}) + kAdverb + "\r", 2,
       "a CR that is not followed by LF"},
      {"no case", Table::preposition, crlf({"cum x x x ABL ::with", "apud x x x LOC ::at"}), 2,
       "field 4 reads \"LOC\""},
      {"ferre without its command", Table::verb,
       crlf({verb0({}), verb0({{1, "ferre"}, {151, "f"}})}), 2, "field 151 must hold"},
      {"one line too many", Table::pronoun,
       [] {
         std::string lines;
         for (int i = 0; i < 31; ++i) lines += testing::validLine(Table::pronoun) + "\r\n";
         return lines;
       }(),
       31, "the file has 31 lines; the table holds 30"},

      {"empty lines at the end", Table::adverb, crlf({kAdverb, "", "  "}), 0, ""},
      {"lone LF line ends", Table::adverb, kAdverb + "\n" + kAdverb + "\n", 0, ""},
      {"no line end after the last line", Table::adverb, crlf({kAdverb}) + kAdverb, 0, ""},
      {"tabs and accented letters", Table::adverb, crlf({"b\xE9ne ::w\tell \x80"}), 0, ""},
      {"a further \"::\"", Table::adverb, crlf({"bene ::well ::note"}), 0, ""},
      {"more fields than read", Table::noun, crlf({"extra " + kNoun}), 0, ""},
      {"empty fields after those read", Table::noun, crlf({forms + "  ::x"}), 0, ""},
      {"every case", Table::preposition,
       crlf({"a x x x ACC ::a", "b x x x ABL ::b", "c x x x GEN ::c", "d x x x NOM ::d",
             "(dative) x x x DAT ::e"}),
       0, ""},
  };
  for (const DamagedFile& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<DataFileError> error = loadError(row.table, row.content);
    if (row.line == 0) {
      EXPECT_FALSE(error) << error->what();
      continue;
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->file(), tableInfo(row.table).fileName);
    EXPECT_EQ(error->line(), row.line) << error->what();
    EXPECT_TRUE(text::contains(error->reason(), row.reason)) << error->what();
  }
}

TEST(DamagedLexiconFile, ARefusedFileLeavesTheTableAsItWas) {
  Lexicon lexicon;
  std::istringstream good(crlf({kAdverb}));
  lexicon.loadTable(Table::adverb, good);
  std::istringstream bad(crlf({"semper ::always", "", kAdverb}));
  EXPECT_THROW(lexicon.loadTable(Table::adverb, bad), DataFileError);
  EXPECT_EQ(lexicon.adverbForm(0), "bene");
}

// Verb 0, "to be", carries every compound form: a form it lacks, or one
// that is itself compound, would end in a flagged motto or, through the
// commands, in a look-up that asks verb 0 again without end.
TEST(DamagedLexiconFile, VerbZeroMustCarryTheCompoundForms) {
  struct Row {
    const char* name;
    std::map<int, std::string> fields;
    const char* reason;  // nullptr: accepted
  };
  const Row rows[] = {
      {"present subjunctive",
       {{13, "tbc"}, {14, "tbc"}, {15, "tbc"}, {16, "tbc"}, {17, "tbc"}, {18, "tbc"}},
       "field 13 reads \"tbc\""},
      {"present indicative", {{9, "-"}}, "field 9 reads \"-\""},
      {"imperfect subjunctive", {{49, "tbc"}}, "field 49 reads \"tbc\""},
      {"future indicative", {{55, "-"}}, "field 55 reads \"-\""},
      {"future subjunctive", {{61, "tbc"}}, "field 61 reads \"tbc\""},
      {"present infinitive", {{1, "tbc"}}, "field 1 reads \"tbc\""},
      {"command stem", {{151, "tbc"}}, "field 151 reads \"tbc\""},
      {"plural command", {{11, "tbctis"}}, "field 11 reads \"tbcte\""},
      {"perfect, not asked", {{19, "tbc"}, {156, "-"}}, nullptr},
      {"no future subjunctive in Latin",
       {{61, "-"}, {62, "-"}, {63, "-"}, {64, "-"}, {65, "-"}, {66, "-"}},
       nullptr},
      {"commands of \"esse\"", {{1, "esse"}, {151, "tbc"}}, nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    const std::optional<DataFileError> error =
        loadError(Table::verb, crlf({verb0(row.fields), verb0({})}));
    if (!row.reason) {
      EXPECT_FALSE(error) << error->what();
      continue;
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->file(), "verbs.dat");
    EXPECT_EQ(error->line(), 1u);
    EXPECT_TRUE(text::contains(error->reason(), row.reason)) << error->what();
  }
}

// A deponent's command asks verb 0 for its command, which asks for the
// present subjunctive: with verb 0 whole, the form is built once.
TEST(DamagedLexiconFile, CompoundCommandsAskVerbZeroOnce) {
  Lexicon lexicon;
  std::istringstream verbs(crlf({verb0({{15, "sit"}}), verb0({{15, "tbc"}, {156, "hortatus"}})}));
  lexicon.loadTable(Table::verb, verbs);
  EXPECT_EQ(lexicon.verbForm(1, verbCodes(6, 3, 0)), "hortatus sit");
}

// A scratch folder holding a loadable lexicon and English tables.
class DataFolder : public testing::ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    for (const TableInfo& info : kTables)
      std::ofstream(folder_ / info.fileName, std::ios::binary)
          << testing::validLine(info.table) << "\r\n";
    for (const char* name : {"engIrregVerbs.txt", "engIrregNouns.txt"})
      std::ofstream(folder_ / name, std::ios::binary) << "go went gone\r\n";
    ::alarm(20);  // a read that blocks ends the test instead of hanging it
  }
  void TearDown() override {
    ::alarm(0);
    ScratchFolderTest::TearDown();
  }

  // The error of loading the whole folder, the lexicon then the English tables.
  std::optional<DataFileError> folderError() {
    try {
      loadDictionaries(folder_);
      loadEnglishTables(folder_);
    } catch (const DataFileError& e) {
      return e;
    }
    return std::nullopt;
  }
};

TEST_F(DataFolder, OnlyRegularFilesOfAtMost64MiBAreRead) {
  ASSERT_FALSE(folderError());
  struct Row {
    const char* file;
    std::function<void(const fs::path&)> make;
    const char* reason;
  };
  const Row rows[] = {
      {"nouns.dat", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
       "is a pipe, not a regular file"},
      {"engIrregNouns.txt", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
       "is a pipe, not a regular file"},
      {"verbs.dat", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); },
       "is a device, not a regular file"},
      {"engIrregVerbs.txt", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); },
       "is a device, not a regular file"},
      {"pronouns.dat", [](const fs::path& p) { fs::create_directory(p); },
       "is a folder, not a file"},
      {"adjectives.dat", [](const fs::path& p) { fs::create_symlink("missing.dat", p); },
       "cannot be found"},
      // A sparse file: as large as the limit allows and one byte more.
      {"adverbs.dat",
       [](const fs::path& p) {
         std::ofstream(p, std::ios::binary).close();
         fs::resize_file(p, kMaxDataFileSize + 1);
       },
       "is too large: 67,108,865 bytes, at most 67,108,864 are read"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.file);
    const fs::path path = folder_ / row.file;
    const fs::path kept = folder_ / "kept";
    fs::rename(path, kept);
    row.make(path);
    const std::optional<DataFileError> error = folderError();
    ASSERT_TRUE(error);
    EXPECT_EQ(error->file(), row.file);
    EXPECT_EQ(error->line(), 0u);
    EXPECT_TRUE(text::contains(error->reason(), row.reason)) << error->what();
    fs::remove_all(path);
    fs::rename(kept, path);
  }
  EXPECT_FALSE(folderError());
}

TEST_F(DataFolder, EnglishTablesAreWindows1252Lines) {
  struct Row {
    std::string content;
    std::size_t line;  // 0: accepted
    const char* reason;
  };
  const Row rows[] = {
      {"\xEF\xBB\xBFgo went gone\r\n", 1, "byte-order mark"},
      {"go went gone\rsee saw seen\r", 1, "lines end with CR only"},
      {"go went gone\r\nsee saw \x90seen\r\n", 2, "0x90"},
      {"go went gone\r\nsee\x1Bsaw seen\r\n", 2, "control character 0x1B"},
      {"go went gone\r\n\r\nsee\r\n", 0, ""},  // a line without its fields changes nothing
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.content);
    std::ofstream(folder_ / "engIrregVerbs.txt", std::ios::binary | std::ios::trunc) << row.content;
    const std::optional<DataFileError> error = folderError();
    if (row.line == 0) {
      EXPECT_FALSE(error) << error->what();
      continue;
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->file(), "engIrregVerbs.txt");
    EXPECT_EQ(error->line(), row.line);
    EXPECT_TRUE(text::contains(error->reason(), row.reason)) << error->what();
  }
}

}  // namespace
}  // namespace lexorra
