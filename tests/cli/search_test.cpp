// Runs `lexorra-cli search` on a small lexicon written to a temporary folder.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct CliRun {
  int status;
  std::string out;
  std::string err;
};

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  return buffer.str();
}

class CliSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("lexorra-cli-search-" + std::to_string(getpid()));
    fs::create_directories(folder_);
    // Each file needs at least one line; only the searched tables matter.
    write("conjunctives.dat", "et ::and;\r\n");
    write("pronouns.dat", repeated("ego ", 36) + "::I;\r\n");
    write("verbs.dat", "amo amare " + repeated("x ", 155) + "::to love, like;\r\n");
    write("adverbs.dat", "bene ::well, rightly;\r\n");
    write("prepositions.dat", "ad x x x ACC ::to, towards;\r\ncum x x x ABL ::with;\r\n");
    std::string adjective;
    for (int k = 0; k < 108; ++k) adjective += k == 0 ? "bonus " : "x ";
    write("adjectives.dat", adjective + "::good, honest;\r\n");
    write("nouns.dat",
          "h h M N X amor s s s s s p p p p p p ::love, affection;\r\n"
          "h h N N X caf\xe9 s s s s s p p p p p p ::caf\xe9, coffee house;\r\n"
          "h h F N X caritas s s s s s p p p p p p ::charity, love;\r\n");
  }
  void TearDown() override { fs::remove_all(folder_); }

  static std::string repeated(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += text;
    return out;
  }
  void write(const std::string& name, const std::string& bytes) {
    std::ofstream(folder_ / name, std::ios::binary) << bytes;
  }

  CliRun run(const std::string& arguments) {
    fs::path errFile = folder_ / "stderr.txt";
    std::string command =
        "'" LEXORRA_BIN_DIR "/lexorra-cli' search " + arguments + " 2>'" + errFile.string() + "'";
    CliRun result{-1, "", ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.out.append(buffer, n);
    int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = readFile(errFile);
    return result;
  }

  std::string data() const { return "--data '" + folder_.string() + "' "; }

  fs::path folder_;
};

TEST_F(CliSearch, ListsRowsAndTheSelectedRow) {
  struct Case {
    std::string arguments;
    std::string out;
  };
  const Case cases[] = {
      {"noun love",
       "0\tamor                love, affection;\n"
       "2\tcaritas             charity, love;\n"
       "selected: 0\n"},
      {"noun",
       "0\tamor                love, affection;\n"
       "1\tcaf\xc3\xa9                caf\xc3\xa9, coffee house;\n"
       "2\tcaritas             charity, love;\n"
       "selected: none\n"},
      {"noun 'CAF\xc3\x89'",
       "1\tcaf\xc3\xa9                caf\xc3\xa9, coffee house;\nselected: 0\n"},
      {"noun love affection", "selected: none\n"},
      {"preposition with",
       "0\tad                  to, towards;\n1\tcum                 with;\nselected: none\n"},
      {"--json adjective good",
       "{\"kind\":\"adjective\",\"search\":\"good\",\"rows\":[{\"index\":0,\"text\":\"bonus      "
       "                   good, honest;\"}],\"selected\":0}\n"},
      {"verb hate --json",
       "{\"kind\":\"verb\",\"search\":\"hate\",\"rows\":[],\"selected\":null}\n"},
  };
  for (const Case& c : cases) {
    CliRun r = run(data() + c.arguments);
    EXPECT_EQ(r.status, 0) << c.arguments << "\n" << r.err;
    EXPECT_EQ(r.out, c.out) << c.arguments;
  }
}

TEST_F(CliSearch, ReportsBadArgumentsAndMissingData) {
  CliRun unknownKind = run(data() + "pronoun I");
  EXPECT_EQ(unknownKind.status, 2);
  EXPECT_NE(unknownKind.err.find("unknown KIND \"pronoun\""), std::string::npos);
  EXPECT_EQ(run(data()).status, 2);
  EXPECT_EQ(run(data() + "--fast noun").status, 2);

  fs::remove(folder_ / "nouns.dat");
  CliRun missing = run(data() + "noun love");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
  EXPECT_NE(missing.err.find("nouns.dat: cannot be found"), std::string::npos) << missing.err;
}

}  // namespace
