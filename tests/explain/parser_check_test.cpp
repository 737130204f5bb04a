// The check by the Latin parser: how its answers are read and judged, how
// it is run, and what it says of the examples and of random mottos.
#include "explain/parser_check.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iostream>

#include "editor/motto_file.h"
#include "editor/refresh.h"
#include "random_motto.h"
#include "render/delivered_motto.h"
#include "scratch_folder.h"

namespace lexorra::explain {
namespace {

namespace fs = std::filesystem;

TEST(ParserAnalysis, ReadsTheFieldsOfEachPartOfSpeech) {
  struct Case {
    std::string_view line;
    ParserForm form;
  };
  const Case cases[] = {
      {"amor                 N      3 1 NOM S M                 ",
       {.partOfSpeech = "N", .caseName = "NOM", .number = "S", .gender = "M"}},
      {"caec.us              ADJ    1 1 NOM S M POS             ",
       {.partOfSpeech = "ADJ", .caseName = "NOM", .number = "S", .gender = "M", .degree = "POS"}},
      {"m.ihi                PRON   5 1 DAT S C                 ",
       {.partOfSpeech = "PRON", .caseName = "DAT", .number = "S", .gender = "C"}},
      {"am.abo               V      1 1 FUT  ACTIVE  IND 1 S    ",
       {.partOfSpeech = "V",
        .number = "S",
        .tense = "FUT",
        .voice = "ACTIVE",
        .mood = "IND",
        .person = "1"}},
      // A deponent's forms have no voice; an age mark may follow.
      {"nasc.or              V      3 1 PRES         IND 1 S      Early",
       {.partOfSpeech = "V",
        .number = "S",
        .tense = "PRES",
        .voice = "DEP",
        .mood = "IND",
        .person = "1"}},
      {"iac.ere              V      3 1 PRES ACTIVE  INF 0 X    ",
       {.partOfSpeech = "V",
        .number = "X",
        .tense = "PRES",
        .voice = "ACTIVE",
        .mood = "INF",
        .person = "0"}},
      {"nat.us               VPAR   3 1 NOM S M PERF         PPL",
       {.partOfSpeech = "VPAR", .caseName = "NOM", .number = "S", .gender = "M", .tense = "PERF"}},
      {"ex                   PREP   ABL                         ",
       {.partOfSpeech = "PREP", .caseName = "ABL"}},
      {"cum                  TACKON                             ",
       {.partOfSpeech = "TACKON", .enclitic = "cum"}},
      {"cur                  ADV    POS                         ", {.partOfSpeech = "ADV"}},
  };
  for (const Case& c : cases) {
    const std::optional<ParserAnalysis> a = parseAnalysisLine(c.line);
    ASSERT_TRUE(a) << c.line;
    EXPECT_EQ(a->form, c.form) << c.line;
  }
  EXPECT_EQ(parseAnalysisLine("amor                 N      3 1 NOM S M")->line,
            "amor N 3 1 NOM S M");
}

TEST(ParserAnalysis, LeavesOutWhatIsNoAnalysis) {
  for (std::string_view line :
       {"amor, amoris  N (3rd) M   [XXXAO]  ", "cur  ADV   [XXXAO]  ",
        "love; affection; the beloved; Cupid;",
        "zzqqxx                           ========   UNKNOWN    ", "deus  X   [XEXCX]  ", "", "*"})
    EXPECT_FALSE(parseAnalysisLine(line)) << line;
}

TEST(ParserAnalysis, AFormConfirmsWhatItAgreesWith) {
  struct Case {
    ParserForm found;
    ParserForm wanted;
    bool confirms;
  };
  const ParserForm pron{.partOfSpeech = "PRON", .caseName = "ABL", .number = "S", .gender = "C"};
  const Case cases[] = {
      {pron, {.partOfSpeech = "PRON", .caseName = "ABL", .number = "S", .gender = "F"}, true},
      {pron, {.partOfSpeech = "PRON", .caseName = "ACC", .number = "S"}, false},
      {pron, {.partOfSpeech = "ADJ", .caseName = "ABL"}, false},
      // A common ending serves masculine and feminine, not the neuter.
      {{.partOfSpeech = "ADJ", .caseName = "NOM", .number = "S", .gender = "C", .degree = "POS"},
       {.partOfSpeech = "ADJ", .caseName = "NOM", .number = "S", .gender = "N", .degree = "POS"},
       false},
      {{.partOfSpeech = "N", .caseName = "NOM", .number = "S", .gender = "M"},
       {.partOfSpeech = "N", .caseName = "NOM", .number = "S", .gender = "C"},
       true},
      // A deponent's forms read as passive or voiceless.
      {{.partOfSpeech = "V", .tense = "PRES", .voice = "PASSIVE", .mood = "INF"},
       {.partOfSpeech = "V", .tense = "PRES", .voice = "DEP", .mood = "INF"},
       true},
      {{.partOfSpeech = "V", .tense = "PRES", .voice = "ACTIVE", .mood = "INF"},
       {.partOfSpeech = "V", .tense = "PRES", .voice = "DEP", .mood = "INF"},
       false},
      // An infinitive has no number.
      {{.partOfSpeech = "V", .number = "X", .tense = "PRES", .voice = "ACTIVE", .mood = "INF"},
       {.partOfSpeech = "V", .number = "S", .tense = "PRES", .voice = "ACTIVE", .mood = "INF"},
       true},
      {{.partOfSpeech = "TACKON", .enclitic = "ne"},
       {.partOfSpeech = "TACKON", .enclitic = "cum"},
       false},
  };
  for (const Case& c : cases) EXPECT_EQ(confirms(c.found, c.wanted), c.confirms);
}

TEST(ParserAnswers, EachWordEndsAtTheSeparator) {
  const std::string output =
      "amor                 N      3 1 NOM S M\n"
      "amor, amoris  N (3rd) M   [XXXAO]\n"
      "love;\n\n"
      "zzqqxx                           ========   UNKNOWN\n\n"
      "zzqqxx                           ========   UNKNOWN\n\n"
      "cum                  TACKON\n"
      "m.e                  PRON   5 1 ABL S C\n\n"
      "zzqqxx                           ========   UNKNOWN\n";
  const ParserAnswers answers = parseParserOutput(output, 3);
  ASSERT_EQ(answers.size(), 3u);
  EXPECT_EQ(answers[0].size(), 1u);
  EXPECT_TRUE(answers[1].empty());
  ASSERT_EQ(answers[2].size(), 2u);
  EXPECT_EQ(answers[2][0].form.partOfSpeech, "TACKON");
}

// A sheet of two rows: "mecum" as pronoun and enclitic.
Explanation mecumSheet() {
  Explanation sheet;
  WordRow me;
  me.word = "me";
  me.parserWord = "mecum";
  me.expected = {{.partOfSpeech = "PRON", .caseName = "ABL", .number = "S"}};
  WordRow cum = me;
  cum.word = "-cum";
  cum.expected = {{.partOfSpeech = "TACKON", .enclitic = "cum"}};
  sheet.rows = {me, cum};
  return sheet;
}

TEST(ParserJudge, ARowIsConfirmedByAnAnalysisOfItsWord) {
  const Explanation sheet = mecumSheet();
  EXPECT_EQ(parserWords(sheet), std::vector<std::string>{"mecum"});
  ParserAnswers answers(1);
  answers[0].push_back(*parseAnalysisLine("cum TACKON"));
  answers[0].push_back(*parseAnalysisLine("m.e PRON 5 1 ACC S C"));
  SheetCheck check = judgeSheet(sheet, {"mecum"}, answers);
  EXPECT_EQ(check.rows[0].verdict, Verdict::notConfirmed);
  EXPECT_EQ(check.rows[0].why, "the parser knows another form of it");
  EXPECT_EQ(check.rows[0].analyses,
            (std::vector<std::string>{"cum TACKON", "m.e PRON 5 1 ACC S C"}));
  EXPECT_EQ(check.rows[1].verdict, Verdict::confirmed);
  EXPECT_EQ(check.summary(),
            "Checked by the Latin parser whitakers-words: 1 of 2 words confirmed.");

  answers[0].push_back(*parseAnalysisLine("m.e PRON 5 1 ABL S C"));
  check = judgeSheet(sheet, {"mecum"}, answers);
  EXPECT_EQ(check.confirmed(), 2u);

  check = judgeSheet(sheet, {"mecum"}, ParserAnswers(1));
  EXPECT_EQ(check.rows[0].why, "the parser does not know the word");
}

TEST(ParserJudge, UntracedRowsAndMissingFormsAreNotConfirmed) {
  Explanation sheet = mecumSheet();
  sheet.rows[0].traced = false;
  sheet.rows[1].missingForm = true;
  const SheetCheck check = judgeSheet(sheet, {"mecum"}, ParserAnswers(1));
  EXPECT_EQ(check.rows[0].verdict, Verdict::notConfirmed);
  EXPECT_EQ(check.rows[0].why, "the word is not traced");
  EXPECT_EQ(check.rows[1].verdict, Verdict::notChecked);
  EXPECT_EQ(check.checkedRows(), 1u);
}

// A stand-in for the parser: a shell script in a folder of its own.
class FakeParser : public testing::ScratchFolderTest {
 protected:
  ParserOptions script(std::string_view body) {
    const fs::path path = folder_ / "parser";
    writeFile("parser", "#!/bin/sh\n" + std::string(body) + "\n");
    fs::permissions(path, fs::perms::owner_all);
    return {.program = path, .timeout = std::chrono::milliseconds(3000)};
  }
};

TEST_F(FakeParser, GetsEveryWordThenTheSeparatorInAFolderOfItsOwn) {
  // The script answers with its input and the folder it ran in.
  const ParserOptions options = script("cp \"$1\" \"$2\"; pwd >> \"$2\"");
  const std::string output = runParser({"amor", "a", "vincit"}, options);
  EXPECT_TRUE(output.starts_with("amor\nzzqqxx\na.\nzzqqxx\nvincit\nzzqqxx\n")) << output;
  // A one-letter word goes with a full stop, which the parser needs to see it.
  const std::string folder = output.substr(output.rfind("zzqqxx\n") + 7);
  EXPECT_FALSE(fs::exists(folder.substr(0, folder.size() - 1))) << "left behind: " << folder;
}

TEST_F(FakeParser, FailuresAreReportedNotHidden) {
  EXPECT_THROW(runParser({"amor"}, script("exit 3")), ParserError);
  EXPECT_THROW(runParser({"amor"}, script("true")), ParserError);  // no output file
  EXPECT_THROW(runParser({"two words"}, script("cp \"$1\" \"$2\"")), ParserError);
  ParserOptions slow = script("sleep 20");
  slow.timeout = std::chrono::milliseconds(200);
  const auto start = std::chrono::steady_clock::now();
  try {
    runParser({"amor"}, slow);
    ADD_FAILURE() << "a parser that does not answer is waited for";
  } catch (const ParserError& e) {
    EXPECT_NE(std::string(e.what()).find("did not answer within 200 ms"), std::string::npos);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  const SheetCheck check = checkSheet(mecumSheet(), script("exit 3"));
  EXPECT_EQ(check.status, SheetCheck::Status::failed);
  EXPECT_NE(check.summary().find("did not run"), std::string::npos);
}

TEST_F(FakeParser, WithoutTheParserTheSheetSaysHowToInstallIt) {
  const SheetCheck check = checkSheet(mecumSheet(), {.program = folder_ / "no-such-parser"});
  EXPECT_EQ(check.status, SheetCheck::Status::notInstalled);
  EXPECT_TRUE(check.rows.empty());
  EXPECT_NE(check.summary().find("sudo apt-get install whitakers-words"), std::string::npos);
}

// The real parser on the examples and on two hundred random mottos: at
// least 99 of 100 words confirmed. Every word it does not confirm is
// printed with the parser's analyses.
class RealParser : public testing::DeliveredMottos {
 protected:
  void SetUp() override {
    testing::DeliveredMottos::SetUp();
    if (!parserInstalled()) GTEST_SKIP() << "whitakers-words is not installed";
  }
};

TEST_F(RealParser, ConfirmsTheExamplesAndRandomMottos) {
  using testing::delivered;
  std::vector<MottoState> mottos;
  for (const ExampleMotto& example : kExamples) {
    MottoState state;
    state.Enabled = true;
    loadExample(state, delivered().lexicon, testing::kDataFolder, example.fileName);
    for (int tick = 0; tick < 4; ++tick)
      Timer1_Timer(state, delivered().lexicon, delivered().english);
    mottos.push_back(state);
  }
  const std::size_t examples = mottos.size();
  testing::RandomMottoMaker maker(delivered().lexicon, delivered().english, 200);
  for (int i = 0; i < 200; ++i) mottos.push_back(maker.next());

  std::size_t confirmed[2] = {0, 0}, checked[2] = {0, 0}, markers = 0;
  for (std::size_t m = 0; m < mottos.size(); ++m) {
    const Explanation sheet = explainMotto(mottos[m], delivered().lexicon);
    const SheetCheck check = checkSheet(sheet);
    ASSERT_EQ(check.status, SheetCheck::Status::checked) << check.problem;
    const int group = m < examples ? 0 : 1;
    confirmed[group] += check.confirmed();
    checked[group] += check.checkedRows();
    for (std::size_t r = 0; r < sheet.rows.size(); ++r) {
      if (sheet.rows[r].missingForm) ++markers;
      if (check.rows[r].verdict != Verdict::notConfirmed) continue;
      std::cout << "not confirmed: " << sheet.rows[r].word << " (" << sheet.rows[r].partOfSpeech
                << ", " << sheet.rows[r].form << ") in \"" << sheet.latin
                << "\": " << check.rows[r].why << "\n";
      for (const std::string& a : check.rows[r].analyses) std::cout << "    " << a << "\n";
    }
  }
  std::cout << "examples: " << confirmed[0] << " of " << checked[0] << " words confirmed\n"
            << "random mottos: " << confirmed[1] << " of " << checked[1] << " words confirmed; "
            << markers << " forms the lexicon lacks, not checked\n";
  EXPECT_EQ(confirmed[0], checked[0]);
  EXPECT_GE(100 * confirmed[1], 99 * checked[1]);
}

}  // namespace
}  // namespace lexorra::explain
