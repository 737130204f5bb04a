// Past participles and plurals from the rules and small hand-made tables.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "english/english.h"

namespace lexorra {
namespace {

struct Case {
  const char* input;
  const char* expected;
};

EnglishTables tablesOf(const std::string& verbLines, const std::string& nounLines) {
  EnglishTables t;
  if (!verbLines.empty()) {
    std::istringstream in(verbLines);
    loadIrregularVerbs(t, in);
  }
  if (!nounLines.empty()) {
    std::istringstream in(nounLines);
    loadIrregularNouns(t, in);
  }
  return t;
}

// Tables that list none of the words below.
const EnglishTables& unrelatedTables() {
  static const EnglishTables t =
      tablesOf("swim swam swum\r\nsing sang sung\r\n", "mouse mice\r\ngoose geese\r\n");
  return t;
}

TEST(PastParticiple, RegularRulesAndRepairs) {
  const Case cases[] = {
      {"love", "loved"},       {"walk", "walked"},
      {"wish", "wished"},      {"rain", "rained"},
      {"agree", "agreed"},     {"stop", "stopped"},
      {"travel", "travelled"}, {"visit", "visitted"},
      {"open", "opened"},      {"happen", "happened"},
      {"begin", "beginned"},   {"enter", "entered"},
      {"offer", "offered"},    {"refer", "refered"},
      {"err", "erred"},        {"play", "played"},
      {"obey", "obeyed"},      {"cry", "cried"},
      {"marry", "married"},    {"fix", "fixed"},
      {"go", "goed"},          {"", ""},
      {"show", "showwed"},     {"withhold", "witholded"},
      {"Stop", "Stopped"},     {"prefer", "prefered"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(pastParticiple(unrelatedTables(), c.input), c.expected) << c.input;
}

TEST(PastParticiple, ShortStemsNeverReadBeforeTheirStart) {
  const Case cases[] = {
      {"up", "upped"},  // two letters from a vowel double as after a consonant
      {"ax", "axed"},   // ... and the doubled "xx" is repaired
      {"do", "doed"},   // consonant first: no doubling
      {"x", "xed"},     // one letter never doubles
      {"y", "yed"},     // the lone "y" has no letter before it for the "y" rule
      {"e", "ed"},
      {"by", "bied"},
      {"(x)", "(x)"},  // an empty stem leaves the caption as it is
      {" walk", " walk"},
      {"/run", "/run"},
      {"(withhold)", "(withold)"},  // ... but the repairs still run over it
  };
  for (const Case& c : cases)
    EXPECT_EQ(pastParticiple(unrelatedTables(), c.input), c.expected) << c.input;
}

TEST(PastParticiple, StemIsCutAtSpaceSlashAndBracket) {
  const Case cases[] = {
      {"give up", "gived up"},       {"be away", "bed away"},  // no "be" line in these tables
      {"walk/run", "walked/run"},    {"walk(ing)", "walked(ing)"},
      {"stop stop", "stopped stop"},  // only the leading stem changes:
      {"eat meat", "eated meat"},     // a later word keeps its letters
      {"be beaten", "bed beaten"},   {"cry out", "cried out"},
      {"stop hh", "stopped h"},  // the repairs run over the whole caption
      {"cry hh", "cried hh"},    // ... but not after the "y" rule
  };
  for (const Case& c : cases)
    EXPECT_EQ(pastParticiple(unrelatedTables(), c.input), c.expected) << c.input;
}

TEST(PastParticiple, TableOverridesTheRules) {
  const EnglishTables t = tablesOf(
      "go went gone\r\n"
      "give gave given\r\n"
      "Run ran run\r\n"
      "be was been\r\n"
      "see  saw seen\r\n"        // two spaces: field 2 is "saw"
      "begin began\r\n"          // no field 2: changes nothing
      "hush hushed hushhed\r\n"  // nor after the table
      "visit visited visited\r\n"
      "visit visited visitedLast\r\n",
      "");
  const Case cases[] = {
      {"go", "gone"},           {"go away", "gone away"},
      {"give up", "given up"},  {"giver", "givered"},  // field 0 must equal the whole stem
      {"gi", "gied"},           {"run", "runned"},     // "Run" does not match "run"
      {"be away", "been away"}, {"see", "saw"},
      {"begin", "beginned"},    {"visit", "visitedLast"},  // the last matching line decides
      {"go/walk", "gone/walk"}, {"hush", "hushhed"},
  };
  for (const Case& c : cases) EXPECT_EQ(pastParticiple(t, c.input), c.expected) << c.input;
}

TEST(NounPlural, RegularRules) {
  const Case cases[] = {
      {"dog", "dogs"},
      {"box", "boxes"},
      {"church", "churches"},
      {"bush", "bushes"},
      {"bus", "buses"},
      {"quiz", "quizes"},
      {"hero", "heros"},
      {"city", "cities"},
      {"key", "keys"},
      {"boy", "boies"},
      {"day", "daies"},
      {"glass of water", "glasses of water"},  // the head noun takes the plural
      {"system of gears", "systems of gears"},
      {"letter of recommendation", "letters of recommendation"},
      {"sea dog", "sea dogs"},
      {"house in the city", "houses in the city"},
      {"one who loves", "ones who loves"},
      {"one who loves someone dear", "ones who loves someones dear"},
      {"one", "ones"},
      {"only one", "only ones"},
      {"(plural)", "(plural)"},
      {"  king (of kings)  ", "king (of kings)"},
      {"", ""},
      {"y", "ies"},
      {"s", "ses"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(nounPlural(unrelatedTables(), c.input), c.expected) << c.input;
}

TEST(NounPlural, TableLooksUpTheHeadNoun) {
  const EnglishTables t = tablesOf("",
                                   "man men\r\n"
                                   "Child Children\r\n"
                                   "deer\r\n"  // no field 1: changes nothing
                                   "wolf wolfs\r\n"
                                   "wolf wolves\r\n"
                                   "ox  oxen\r\n");  // two spaces: field 1 is empty
  const Case cases[] = {
      {"man", "men"},
      {"man of war", "men of war"},
      {"young man", "young men"},  // the head noun is looked up
      {"woman", "womans"},
      {"child", "childs"},  // "Child" does not match "child"
      {"Child", "Children"},
      {"deer", "deers"},
      {"wolf", "wolves"},  // the last matching line decides
      {"ox", ""},
      {"man (of war)", "man (of war)"},  // a ")" wins over the table
      {"man/woman", "men/womans"},       // each alternative takes the plural
  };
  for (const Case& c : cases) EXPECT_EQ(nounPlural(t, c.input), c.expected) << c.input;
}

}  // namespace
}  // namespace lexorra
