// Real mottos on the delivered data files, each checked by hand for correct
// Latin. Words are found by their Latin form, not by index, so the tests
// survive a regenerated lexicon.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "render/render.h"
#include "test_motto.h"
#include "text/textops.h"

namespace lexorra {
namespace {

using namespace lexorra::testing;

const std::filesystem::path kDataFolder = LEXORRA_BIN_DIR;

// The first delivered file that is not beside the program, if any.
std::optional<std::string> missingDataFile() {
  for (const TableInfo& info : kTables)
    if (!std::filesystem::exists(kDataFolder / info.fileName)) return std::string(info.fileName);
  for (std::string_view name : {"engIrregVerbs.txt", "engIrregNouns.txt"})
    if (!std::filesystem::exists(kDataFolder / name)) return std::string(name);
  return std::nullopt;
}

struct DeliveredData {
  Lexicon lexicon;
  EnglishTables english;
};

const DeliveredData& delivered() {
  static const DeliveredData data{loadDictionaries(kDataFolder), loadEnglishTables(kDataFolder)};
  return data;
}

// The first entry whose field `field` reads `latin`, or -1.
int findLatin(Table table, std::size_t field, std::string_view latin) {
  const Lexicon& lex = delivered().lexicon;
  for (std::size_t i = 0; i < lex.capacity(table); ++i) {
    auto f = text::fieldAt(lex.line(table, i), field);
    if (f && *f == latin) return static_cast<int>(i);
  }
  return -1;
}
int noun(std::string_view nominative) {
  return findLatin(Table::noun, 5, nominative);
}
int verb(std::string_view infinitive) {
  return findLatin(Table::verb, 1, infinitive);
}
int adjective(std::string_view masculine) {
  return findLatin(Table::adjective, 0, masculine);
}
int adverb(std::string_view latin) {
  return findLatin(Table::adverb, 0, latin);
}
int preposition(std::string_view latin) {
  return findLatin(Table::preposition, 0, latin);
}

std::string headword(std::string_view kind, int index) {
  return std::string(delivered().lexicon.englishHeadword(kind, index));
}

// An adjective caption as the picker writes it for the positive degree.
std::string adjectiveCaption(int index) {
  return "( " + std::string(delivered().lexicon.englishHeadword("adjective", index)) + ")";
}

// Four refresh-equivalent passes, as the window shows a motto one second
// after it was set.
MottoState settle(MottoBuilder b) {
  for (int i = 0; i < 4; ++i) {
    renderSentences(b.s, delivered().lexicon);
    participaliseForm(b.s, delivered().lexicon, delivered().english);
  }
  renderSentences(b.s, delivered().lexicon);
  return b.s;
}

class DeliveredMottos : public ::testing::Test {
 protected:
  void SetUp() override {
    if (auto missing = missingDataFile())
      GTEST_SKIP() << "the delivered data file \"" << *missing
                   << "\" is not beside the program yet";
  }
};

struct MottoCase {
  std::string_view name;
  MottoBuilder motto;
  std::string_view latin;
  std::string_view english;
};

void expectMottos(const MottoCase* begin, const MottoCase* end) {
  for (const MottoCase* c = begin; c != end; ++c) {
    MottoState s = settle(c->motto);
    EXPECT_EQ(s.finalLatin, c->latin) << c->name;
    EXPECT_EQ(s.finalEnglish, c->english) << c->name;
  }
}

TEST_F(DeliveredMottos, RealMottos) {
  const int omnis = adjective("omnis");
  ASSERT_GE(omnis, 0);
  // The English follows the first meaning of each entry, as the pickers
  // show it: omnis reads "all", nemo "no one".
  const MottoCase cases[] = {
      // amor (nominative) + omnia (neuter plural accusative of omnis, no
      // noun) + vincit (3rd singular present of vinco).
      {"love conquers all",
       MottoBuilder()
           .actor("()", noun("amor"))
           .act("do/does/dost/doth", verb("vincere"))
           .acted("(plural)", -1, omnis, adjectiveCaption(omnis)),
       "amor omnia vincit", "Love conquers all."},
      // nemo (nominative) + me (accusative) + impune + lacessit.
      {"no one provokes me with impunity",
       MottoBuilder()
           .actor("()", noun("nemo"))
           .act("do/does/dost/doth", verb("lacessere"))
           .acted("me")
           .manner(adverb("impune"), headword("adverb", adverb("impune"))),
       "nemo me impune lacessit", "No one provokes me with impunity."},
      // Two nominatives joined by "et"; no verb.
      {"truth and freedom",
       MottoBuilder().actor("()", noun("veritas")).linkActor(true, "()", noun("libertas")),
       "veritas et libertas ", "Truth and freedom."},
      // sine + ablative.
      {"without fear",
       MottoBuilder().preposition(preposition("sine"), "without", "()", noun("metus")),
       " sine metu ", "Without fear."},
      // Imperative singular, "tu" dropped, verb before its object.
      {"seize the day",
       [] {
         MottoBuilder b = MottoBuilder()
                              .actor("You (single)")
                              .act("should", verb("carpere"))
                              .acted("the (single)", noun("dies"));
         b.s.wordOrderBox.Value = 1;
         return b;
       }(),
       "carpe diem ", "Seize the day!"},
      // noli + infinitive forbids.
      {"do not touch me",
       MottoBuilder().actor("You (single)").act("should", verb("tangere")).negated().acted("me"),
       "noli me tangere  ", "Don't touch me!"},
      // "to be" with all be/is: the adjective agrees with vita (feminine
      // nominative singular).
      {"life is short",
       [] {
         const int brevis = adjective("brevis");
         MottoBuilder b = MottoBuilder()
                              .actor("()", noun("vita"))
                              .act("do/does/dost/doth", verb("esse"))
                              .acted("()", -1, brevis, adjectiveCaption(brevis));
         b.s.isCheckBox.Value = 1;
         return b;
       }(),
       "vita brevis est", "Life is short."},
      // ad + accusative plural.
      {"to the stars",
       MottoBuilder().preposition(preposition("ad"), headword("preposition", preposition("ad")),
                                  "the (plural)", noun("astrum")),
       " ad astra ", "To the stars."},
      // The question ending -ne on the verb, which comes first.
      {"do you love me?",
       MottoBuilder()
           .actor("You (single)")
           .act("do/does/dost/doth", verb("amare"))
           .acted("me")
           .question(&MottoState::isItThatOption),
       "amasne tu me ", "Is it the case that you do love me?"},
      // ego + te (accusative of tu) + amo.
      {"I love you",
       MottoBuilder().actor("I").act("do/does/dost/doth", verb("amare")).acted("You (single)"),
       "ego te amo", "I love you."},
  };
  expectMottos(std::begin(cases), std::end(cases));
}

}  // namespace
}  // namespace lexorra
