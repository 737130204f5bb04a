#include "lexicon/lexicon.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>

#include "grammar_codes.h"
#include "hand_lexicon.h"
#include "scratch_folder.h"

namespace lexorra {
namespace {

// A verb line of 160 fields where field k reads "f<k>", with some fields
// replaced, then the meaning.
std::string verbLine(const std::map<int, std::string>& fields = {},
                     const std::string& meaning = "do") {
  std::string line;
  for (int k = 0; k < 160; ++k) {
    if (k > 0) line += ' ';
    auto it = fields.find(k);
    line += it != fields.end() ? it->second : "f" + std::to_string(k);
  }
  return line + " ::" + meaning;
}

// A line of `count` fields "f0 f1 ..." then the meaning.
std::string numberedLine(int count, const std::string& meaning = "thing") {
  std::string line;
  for (int k = 0; k < count; ++k) line += "f" + std::to_string(k) + " ";
  return line + "::" + meaning;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) out += l + "\r\n";
  return out;
}

void load(Lexicon& lex, Table table, const std::vector<std::string>& lines) {
  std::istringstream in(joinLines(lines));
  lex.loadTable(table, in);
}

TEST(LexiconLoading, ExpandsTrimsAndKeepsIndexes) {
  Lexicon lex;
  const std::string forms = testing::numberedFields(1, 17);
  load(lex, Table::noun, {"%r@s " + forms + "::m@nd%", "  m%ns@ " + forms + "::love ", "", "   "});
  // "%" at either end becomes a space and is trimmed away.
  EXPECT_EQ(lex.line(Table::noun, 0), "ris " + forms + "::mind");
  EXPECT_EQ(lex.line(Table::noun, 1), "m nsi " + forms + "::love");
  EXPECT_EQ(lex.line(Table::noun, 2), "");  // CR LF CR LF: an empty last line
  EXPECT_EQ(lex.line(Table::noun, 3), "");  // spaces only: an empty entry, at the end
  EXPECT_EQ(lex.line(Table::noun, 4), "");  // past the file: empty

  load(lex, Table::adverb, {"b*n* ::well"});  // adverbs are not expanded
  EXPECT_EQ(lex.line(Table::adverb, 0), "b*n* ::well");
  EXPECT_EQ(expandLine("%\xE6*@\xA3$"), " aeiou");
}

TEST(LexiconLoading, CapacityIsExactAndOneMoreLineFails) {
  Lexicon lex;
  std::string full;
  const std::string forms = testing::numberedFields(1, 17);
  for (int i = 0; i < 19491; ++i) full += "n" + std::to_string(i) + " " + forms + "::x\r\n";
  std::istringstream exact(full);
  lex.loadTable(Table::noun, exact);
  EXPECT_EQ(lex.line(Table::noun, 19490), "n19490 " + forms + "::x");

  std::istringstream tooLong(full + "extra " + forms + "::x\r\n");
  try {
    lex.loadTable(Table::noun, tooLong);
    FAIL() << "a 19,492nd line must not load";
  } catch (const DataFileError& e) {
    EXPECT_EQ(e.file(), "nouns.dat");
    EXPECT_EQ(e.line(), 19492u);
    EXPECT_EQ(e.reason(), "the file has 19,492 lines; the table holds 19,491");
    EXPECT_STREQ(e.what(),
                 "nouns.dat, line 19492: the file has 19,492 lines; the table holds 19,491");
  }
  // The failed load left the table as it was.
  EXPECT_EQ(lex.line(Table::noun, 0), "n0 " + forms + "::x");

  std::istringstream empty("");
  EXPECT_THROW(lex.loadTable(Table::pronoun, empty), DataFileError);
}

class LexiconFolder : public testing::ScratchFolderTest {
 protected:
  void SetUp() override {
    ScratchFolderTest::SetUp();
    for (const TableInfo& info : kTables) write(info.fileName, testing::validLine(info.table));
  }
  // The file `name` holds the one line `line`.
  void write(std::string_view name, const std::string& line) { writeFile(name, line + "\r\n"); }
};

TEST_F(LexiconFolder, LoadsAllSevenFiles) {
  Lexicon lex = loadDictionaries(folder_);
  for (const TableInfo& info : kTables) EXPECT_EQ(lex.entryGloss(info.kind, 0), "word");
  // A copy keeps working after the original is gone.
  Lexicon copy = lex;
  lex = Lexicon();
  EXPECT_EQ(copy.nounForm(0, Case(1), Number(0)), "f5");
}

TEST_F(LexiconFolder, StopsAtTheFirstBadFileInLoadOrder) {
  std::filesystem::remove(folder_ / "verbs.dat");
  std::filesystem::remove(folder_ / "nouns.dat");
  try {
    loadDictionaries(folder_);
    FAIL() << "a missing file must stop loading";
  } catch (const DataFileError& e) {
    EXPECT_EQ(e.file(), "verbs.dat");
    EXPECT_NE(std::string(e.what()).find("cannot be found"), std::string::npos);
  }
  write("verbs.dat", "");
  std::ofstream(folder_ / "verbs.dat", std::ios::binary | std::ios::trunc);  // empty file
  EXPECT_THROW(loadDictionaries(folder_), DataFileError);
}

class LexiconLookups : public ::testing::Test {
 protected:
  void SetUp() override {
    load(lex, Table::noun,
         {
             "amor amoris 3 M x amor amoris amore amori amorem amor amores amorum amoribus "
             "amoribus amores amores ::love, affection; charity (Christian) ",  // 0
             "x x x M F a b c d e f g h i j k l ::both markers",                // 1
             "x x x C x a b c d e f g h i j k l ::common",                      // 2
             "x x x x x a b c d e f g h i j k l ::none",                        // 3
             "fas x x N x fas b c d e f g h i j k l ::right; undeclined",       // 4
             "x x x N C M a b c d e f g h i j k l ::all four",                  // 5
             "x x x N x a b c d e f g h i j k l ::(be) able",                   // 6
         });
    load(lex, Table::pronoun, {numberedLine(36, "I, me")});
    load(lex, Table::adjective, {numberedLine(108, "good, honest")});
    load(lex, Table::preposition, {"  cum x x x ABL ::with", "(dative) x x x DAT ::to, for"});
    load(lex, Table::adverb, {"bene ::well; rightly"});
  }
  Lexicon lex;
};

TEST_F(LexiconLookups, NounGender) {
  const std::pair<LexIndex, int> cases[] = {
      {0, 0}, {1, 1}, {2, 2}, {3, 0}, {4, 2}, {5, 2}, {"blank", 2}, {"1", 1},
  };
  for (const auto& [index, gender] : cases) EXPECT_EQ(code(lex.nounGender(index)), gender);
}

TEST_F(LexiconLookups, FormsByFieldArithmetic) {
  struct Row {
    std::string_view got, expected;
  };
  const Row cases[] = {
      {lex.nounForm(0, Case(1), Number(0)), "amor"},
      {lex.nounForm(0, Case(2), Number(0)), "amoris"},
      {lex.nounForm(0, Case(5), Number(1)), "amores"},  // field 15
      {lex.nounForm(0, Case(3), Number(1)), "amoribus"},
      {lex.nounForm(3, Case(0), Number(1)), "f"},    // no case asked: field 4 + 6 = 10
      {lex.nounForm(3, Case(7), Number(0)), "x"},    // a case outside 1..6: field 4
      {lex.nounForm(4, Case(5), Number(1)), "fas"},  // undeclined: always field 5
      {lex.pronounForm(0, Case(5), Number(1), Gender(1)), "f21"},
      {lex.pronounForm(0, Case(0), Number(0), Gender(0)), "f0"},
      {lex.pronounForm(0, Case(6), Number(0), Gender(2)), "f25"},
      {lex.adjectiveForm(0, Case(2), Number(0), Gender(2), Degree(1)), "f62"},
      {lex.adjectiveForm(0, Case(3), Number(1), Gender(2), Degree(2)), "f107"},
      {lex.adverbForm(0), "bene"},
      {lex.prepositionForm(0), "cum"},  // lines are trimmed when loaded
      {lex.prepositionForm(1), "(dative)"},
      {lex.prepositionCase(0), "ABL"},
      {lex.prepositionCase(1), "DAT"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.got, c.expected);
}

TEST_F(LexiconLookups, MeaningsAndHeadwords) {
  EXPECT_EQ(lex.entryGloss("noun", 0), "love, affection; charity (Christian)");
  EXPECT_EQ(lex.englishHeadword("noun", 0), "love");
  EXPECT_EQ(lex.englishHeadword("noun", 6), "");  // "(be) able"
  EXPECT_EQ(lex.englishHeadword("adverb", 0), "well");
  EXPECT_EQ(lex.englishHeadword("adjective", 0), "good");
  EXPECT_EQ(lex.englishHeadword("preposition", 1), "to");
  EXPECT_EQ(lex.entryGloss("conjunctive", "blank"), "");
  EXPECT_EQ(lex.entryGloss("interjection", 0), "");  // not a kind
}

TEST_F(LexiconLookups, BlankYieldsEmptyText) {
  EXPECT_EQ(lex.nounForm("blank", Case(1), Number(0)), "");
  EXPECT_EQ(lex.pronounForm("blank", Case(1), Number(0), Gender(0)), "");
  EXPECT_EQ(lex.adjectiveForm("blank", Case(1), Number(0), Gender(0), Degree(0)), "");
  EXPECT_EQ(lex.adverbForm("blank"), "");
  EXPECT_EQ(lex.prepositionForm("blank"), "");
  EXPECT_EQ(lex.prepositionCase("blank"), "");
  EXPECT_EQ(lex.englishHeadword("verb", "blank"), "");
  EXPECT_EQ(lex.verbForm("blank", verbCodes(0, 3, 0, 0, 0)), "");
  EXPECT_EQ(lex.perfectParticiple("blank", Number::singular, Gender::masculine), "");
}

TEST_F(LexiconLookups, OutOfRangeReachesTheCaller) {
  EXPECT_THROW(lex.nounForm(19491, Case(1), Number(0)), LookupOutOfRange);  // past the table
  EXPECT_THROW(lex.nounForm(-1, Case(1), Number(0)), LookupOutOfRange);
  EXPECT_THROW(lex.nounForm("influx", Case(1), Number(0)), LookupOutOfRange);  // not a number
  EXPECT_THROW(lex.nounForm("", Case(1), Number(0)), LookupOutOfRange);
  EXPECT_THROW(lex.nounForm("12x", Case(1), Number(0)), LookupOutOfRange);
  EXPECT_THROW(lex.nounForm(100, Case(1), Number(1)), LookupOutOfRange);  // an empty entry
  EXPECT_THROW(lex.entryGloss("noun", 100), LookupOutOfRange);
  EXPECT_THROW(lex.pronounForm(30, Case(1), Number(0), Gender(0)), LookupOutOfRange);
  EXPECT_THROW(lex.nounGender("abc"), LookupOutOfRange);
}

// A look-up that fails on a stored line names the file, the line (the index
// plus one) and the field.
TEST_F(LexiconLookups, FailuresNameTheirPlace) {
  struct Row {
    std::function<void()> lookUp;
    const char* message;
  };
  const Row rows[] = {
      {[&] { lex.pronounForm(3, Case(5), Number(0), Gender(0)); },
       "pronouns.dat, line 4: no field 3"},
      {[&] { lex.nounForm(100, Case(1), Number(1)); }, "nouns.dat, line 101: no field 11"},
      {[&] { lex.entryGloss("adverb", 1); }, "adverbs.dat, line 2: no meaning (no \"::\")"},
      {[&] { lex.prepositionCase(2); }, "prepositions.dat, line 3: no field 4"},
      {[&] { lex.adjectiveForm(1, Case(1), Number(0), Gender(0), Degree(2)); },
       "adjectives.dat, line 2: no field 72"},
      {[&] { lex.verbForm(7, verbCodes(0, 3, 0)); }, "verbs.dat, line 8: no field 9"},
      {[&] { lex.perfectParticiple(7, Number(0), Gender::masculine); }, "verbs.dat, line 8: no field 156"},
  };
  for (const Row& row : rows) {
    try {
      row.lookUp();
      ADD_FAILURE() << "no failure; expected " << row.message;
    } catch (const LookupOutOfRange& e) {
      EXPECT_STREQ(e.what(), row.message);
    }
  }
}

class Conjugation : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::string> verbs(6854);
    // Verb 0, "to be": field 9 "est", 10 "sunt", 151 "es", plural field 11 "estis".
    verbs[0] = verbLine({{0, "sum"},
                         {1, "esse"},
                         {7, "sum"},
                         {9, "est"},
                         {10, "sunt"},
                         {11, "estis"},
                         {12, "es"},
                         {15, "sit"},
                         {45, "erat"},
                         {58, "erunt"},
                         {151, "es"}},
                        "be");
    verbs[1] = verbLine({{1, "amare"}, {11, "amatis"}, {151, "ama"}, {156, "amatus"}}, "love");
    verbs[2] = verbLine({{1, "monere"}, {11, "monetis"}, {151, "mone"}}, "warn");
    verbs[3] = verbLine({{1, "regere"}, {11, "regitis"}, {151, "rege"}}, "rule");
    verbs[4] = verbLine({{1, "audire"}, {11, "auditis"}, {151, "audi"}}, "hear");
    verbs[5] = verbLine({{1, "facere"}, {11, "facitis"}, {151, "fac"}}, "make");
    verbs[6] = verbLine({{1, "ferre"}, {11, "fertis"}, {151, "ferte"}}, "carry");
    verbs[7] = verbLine({{1, "hortari"}, {11, "hortamini"}, {151, "hortare"}}, "urge");
    verbs[8] = verbLine({{21, "tbc"},
                         {22, "tbc"},
                         {33, "tbc"},
                         {70, "tbc"},
                         {15, "tbc"},
                         {7, "tbc"},
                         {156, "captus"}},
                        "take");
    for (std::size_t i = 9; i < verbs.size(); ++i) verbs[i] = verbLine({}, "other");
    load(lex, Table::verb, verbs);
    const std::string forms = testing::numberedFields(6, 17);
    load(lex, Table::noun,
         {"x x x F x rosa " + forms + "::rose", "x x x N x bellum " + forms + "::war"});
  }
  Lexicon lex;
};

TEST_F(Conjugation, FieldPositions) {
  struct Row {
    int tense, person, number, voice, mood;
    std::string expected;
  };
  const Row cases[] = {
      {0, 3, 0, 0, 0, "f9"},    // present active indicative 3sg
      {1, 1, 1, 0, 1, "f26"},   // perfect active subjunctive 1pl
      {5, 2, 0, 1, 1, "f150"},  // future perfect passive subjunctive 2sg
      {3, 2, 1, 0, 0, "f47"},   // imperfect 2pl
      {0, 0, 0, 0, 0, "f1"},    // infinitives
      {1, 0, 0, 0, 0, "f2"},   {0, 0, 0, 1, 0, "f3"},
      {2, 0, 0, 0, 0, "f0"},   // any other infinitive: the head field
      {6, 3, 1, 0, 0, "f16"},  // command 3pl: present active subjunctive
      {6, 1, 0, 1, 0, "f13"},  // command 1sg whatever the voice
  };
  for (const auto& c : cases)
    EXPECT_EQ(lex.verbForm(9, verbCodes(c.tense, c.person, c.number, c.voice, c.mood)), c.expected)
        << c.tense << c.person << c.number << c.voice << c.mood;
}

TEST_F(Conjugation, SecondPersonCommandsOfEveryConjugation) {
  struct Row {
    int verb;
    std::string singular, plural;
  };
  const Row cases[] = {
      {1, "ama", "amate"},   {2, "mone", "monete"},       {3, "rege", "regite"},
      {4, "audi", "audite"}, {5, "fac", "facite"},        {6, "fer", "ferte"},
      {0, "es", "este"},     {7, "hortare", "hortamini"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(lex.verbForm(c.verb, verbCodes(6, 2, 0, 0, 0)), c.singular) << c.verb;
    EXPECT_EQ(lex.verbForm(c.verb, verbCodes(6, 2, 1, 0, 0)), c.plural) << c.verb;
  }
}

TEST_F(Conjugation, CompoundFormsAgreeWithTheGivenGender) {
  // The participle agrees with the gender the caller gives and the number of
  // the form; the auxiliary "to be" takes the tense the compound needs.
  constexpr Gender M = Gender::masculine, F = Gender::feminine, N = Gender::neuter;
  struct Row {
    int tense, person, number;
    Gender gender;
    std::string expected;
  };
  const Row cases[] = {
      {1, 3, 0, F, "capta est"},   // perfect: present of "to be"
      {1, 3, 1, N, "capta sunt"},  // neuter plural
      {1, 3, 1, M, "capti sunt"},  {1, 3, 1, F, "captae sunt"},
      {1, 3, 0, N, "captum est"},  {2, 3, 0, M, "captus erat"},  // pluperfect: imperfect of "to be"
      {5, 3, 1, N, "capta erunt"},  // future perfect: future of "to be"
      {6, 3, 0, N, "captum sit"},   // command of a "tbc" subjunctive
      {0, 1, 0, M, "tbc"},          // a present "tbc" stays
  };
  for (const auto& c : cases) {
    VerbQuery q = verbCodes(c.tense, c.person, c.number, 0, 0);
    q.participleGender = c.gender;
    EXPECT_EQ(lex.verbForm(8, q), c.expected) << c.tense << " " << c.gender;
  }
  EXPECT_EQ(lex.perfectParticiple(1, Number::plural, N), "amata");
  EXPECT_EQ(lex.perfectParticiple(1, Number::plural, F), "amatae");
}

TEST_F(Conjugation, ObjectCaseFromTheMeaningsMarker) {
  Lexicon marked;
  std::istringstream in(verbLine({}, "trust (+DAT), believe") + "\r\n" +
                        verbLine({}, "use (+ABL), enjoy") + "\r\n" + verbLine({}, "pity (+GEN)") +
                        "\r\n" + verbLine({}, "love, like") + "\r\n");
  marked.loadTable(Table::verb, in);
  EXPECT_EQ(marked.verbObjectCase(0), Case::dative);
  EXPECT_EQ(marked.verbObjectCase(1), Case::ablative);
  EXPECT_EQ(marked.verbObjectCase(2), Case::genitive);
  EXPECT_EQ(marked.verbObjectCase(3), Case::accusative);
  EXPECT_EQ(marked.verbObjectCase("blank"), Case::accusative);
  EXPECT_EQ(marked.englishHeadword("verb", 0), "trust");  // the marker is no part of the word
}

}  // namespace
}  // namespace lexorra
