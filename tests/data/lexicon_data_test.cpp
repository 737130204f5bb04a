// Spot checks of the delivered lexicon files, read through the program's own
// loader and look-ups: the forms a Latin teacher checks first, the entries
// the renderer expects at fixed indexes, and the table shape the pickers rely
// on (every entry has a meaning, no gap before the last entry).
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "data/delivered_lexicon.h"
#include "grammar_codes.h"

namespace {

using namespace lexorra;
using lexorra::testing::findEntry;
using lexorra::testing::lexicon;

long findNoun(std::string_view nominative, std::string_view gloss) {
  return findEntry(Table::noun, "noun", nominative, gloss,
                   [](long i) { return std::string(lexicon().nounForm(i, Case(1), Number(0))); });
}

long findAdjective(std::string_view nominative, std::string_view gloss) {
  return findEntry(Table::adjective, "adjective", nominative, gloss, [](long i) {
    return std::string(lexicon().adjectiveForm(i, Case(1), Number(0), Gender(0), Degree(0)));
  });
}

long findVerb(std::string_view infinitive, std::string_view gloss) {
  return findEntry(Table::verb, "verb", infinitive, gloss,
                   [](long i) { return lexicon().verbForm(i, verbCodes(0, 0, 0, 0, 0)); });
}

// caseCode: 1 NOM, 2 GEN, 3 ABL, 4 DAT, 5 ACC.
struct NounCase {
  std::string_view nominative, gloss;
  int caseCode, number;
  std::string_view expected;
};

TEST(DeliveredNouns, TeacherForms) {
  const NounCase cases[] = {
      {"amor", "love", 1, 0, "amor"},    {"amor", "love", 2, 0, "amoris"},
      {"amor", "love", 4, 0, "amori"},   {"amor", "love", 5, 0, "amorem"},
      {"amor", "love", 3, 0, "amore"},   {"amor", "love", 1, 1, "amores"},
      {"rosa", "rose", 1, 0, "rosa"},    {"rosa", "rose", 2, 0, "rosae"},
      {"bellum", "war", 1, 0, "bellum"}, {"bellum", "war", 1, 1, "bella"},
      {"canis", "dog", 1, 0, "canis"},   {"canis", "dog", 2, 1, "canum"},
      {"rex", "king", 1, 0, "rex"},      {"rex", "king", 2, 0, "regis"},
  };
  for (const auto& c : cases) {
    const long i = findNoun(c.nominative, c.gloss);
    ASSERT_GE(i, 0) << c.nominative;
    EXPECT_EQ(lexicon().nounForm(i, Case(c.caseCode), Number(c.number)), c.expected)
        << c.nominative << " case " << c.caseCode << " number " << c.number;
  }
}

TEST(DeliveredNouns, GenderMarkers) {
  // Common-gender nouns (canis) are written masculine so that adjectives agree.
  const struct {
    std::string_view nominative, gloss;
    int gender;
  } cases[] = {{"amor", "love", 0}, {"rosa", "rose", 1}, {"bellum", "war", 2}, {"canis", "dog", 0}};
  for (const auto& c : cases) {
    const long i = findNoun(c.nominative, c.gloss);
    ASSERT_GE(i, 0) << c.nominative;
    EXPECT_EQ(code(lexicon().nounGender(i)), c.gender) << c.nominative;
  }
}

TEST(DeliveredNouns, PluralOnlyNounHasNoSingular) {
  const long i = findEntry(Table::noun, "noun", "arma", "arms", [](long k) {
    return std::string(lexicon().nounForm(k, Case(1), Number(1)));
  });
  ASSERT_GE(i, 0);
  EXPECT_EQ(lexicon().nounForm(i, Case(1), Number(0)), "-");
  EXPECT_EQ(lexicon().nounForm(i, Case(3), Number(1)), "armis");
}

struct AdjectiveCase {
  std::string_view nominative, gloss;
  int caseCode, number, gender, degree;
  std::string_view expected;
};

TEST(DeliveredAdjectives, TeacherForms) {
  const AdjectiveCase cases[] = {
      {"bonus", "good", 1, 0, 0, 0, "bonus"},          {"bonus", "good", 1, 0, 1, 0, "bona"},
      {"bonus", "good", 1, 0, 2, 0, "bonum"},          {"bonus", "good", 1, 0, 0, 1, "melior"},
      {"bonus", "good", 1, 0, 0, 2, "optimus"},        {"bonus", "good", 2, 1, 1, 0, "bonarum"},
      {"fortis", "strong", 1, 0, 0, 0, "fortis"},      {"fortis", "strong", 1, 0, 0, 1, "fortior"},
      {"fortis", "strong", 1, 0, 0, 2, "fortissimus"}, {"fortis", "strong", 1, 0, 2, 0, "forte"},
      {"malus", "bad", 1, 0, 0, 1, "peior"},           {"malus", "bad", 1, 0, 0, 2, "pessimus"},
      {"magnus", "great", 1, 0, 0, 1, "maior"},        {"magnus", "great", 1, 0, 0, 2, "maximus"},
      {"parvus", "small", 1, 0, 0, 1, "minor"},        {"parvus", "small", 1, 0, 0, 2, "minimus"},
  };
  for (const auto& c : cases) {
    const long i = findAdjective(c.nominative, c.gloss);
    ASSERT_GE(i, 0) << c.nominative;
    EXPECT_EQ(lexicon().adjectiveForm(i, Case(c.caseCode), Number(c.number), Gender(c.gender),
                                      Degree(c.degree)),
              c.expected)
        << c.nominative << " " << c.caseCode << c.number << c.gender << c.degree;
  }
}

TEST(DeliveredAdjectives, PossessivesAtFixedIndexes) {
  const struct {
    long index;
    std::string_view nominative, headword;
  } cases[] = {{0, "meus", "my"},
               {1, "tuus", "your"},
               {2, "vester", "your"},
               {3, "suus", "his"},
               {4, "noster", "our"}};
  for (const auto& c : cases) {
    EXPECT_EQ(lexicon().adjectiveForm(c.index, Case(1), Number(0), Gender(0), Degree(0)),
              c.nominative)
        << c.index;
    EXPECT_EQ(lexicon().englishHeadword("adjective", c.index), c.headword) << c.index;
  }
  EXPECT_EQ(lexicon().adjectiveForm(0, Case(1), Number(0), Gender(1), Degree(0)), "mea");
  EXPECT_EQ(lexicon().adjectiveForm(4, Case(5), Number(1), Gender(2), Degree(0)), "nostra");
}

// tense 0 present, 1 perfect, 3 imperfect, 4 future; mood 1 subjunctive.
struct VerbCase {
  std::string_view infinitive, gloss;
  int tense, person, number, mood;
  std::string_view expected;
};

TEST(DeliveredVerbs, TeacherForms) {
  const VerbCase cases[] = {
      {"amare", "love", 0, 1, 0, 0, "amo"},
      {"amare", "love", 0, 3, 0, 0, "amat"},
      {"amare", "love", 1, 3, 0, 0, "amavit"},
      {"amare", "love", 4, 3, 0, 0, "amabit"},
      {"amare", "love", 0, 3, 0, 1, "amet"},
      {"regere", "rule", 0, 1, 0, 0, "rego"},
      {"regere", "rule", 0, 3, 0, 0, "regit"},
      {"regere", "rule", 1, 3, 0, 0, "rexit"},
      {"audire", "hear", 0, 1, 0, 0, "audio"},
      {"ferre", "bring", 0, 1, 0, 0, "fero"},
      {"ferre", "bring", 0, 3, 0, 0, "fert"},
      {"ire", "go", 0, 1, 0, 0, "eo"},
      {"ire", "go", 0, 3, 0, 0, "it"},
      {"hortari", "encourage", 0, 1, 0, 0, "hortor"},
      {"hortari", "encourage", 0, 3, 0, 0, "hortatur"},
      // Perfect forms with present force: odi "I hate", oderam "I hated".
      {"odisse", "hate", 0, 1, 0, 0, "odi"},
      {"odisse", "hate", 3, 3, 0, 0, "oderat"},
  };
  for (const auto& c : cases) {
    const long i = findVerb(c.infinitive, c.gloss);
    ASSERT_GE(i, 0) << c.infinitive;
    EXPECT_EQ(lexicon().verbForm(i, verbCodes(c.tense, c.person, c.number, 0, c.mood)), c.expected)
        << c.infinitive << " tense " << c.tense << " person " << c.person;
  }
}

TEST(DeliveredVerbs, FixedEntries) {
  const VerbCase toBe[] = {
      {"esse", "be", 0, 1, 0, 0, "sum"},  {"esse", "be", 0, 3, 0, 0, "est"},
      {"esse", "be", 3, 3, 0, 0, "erat"}, {"esse", "be", 4, 3, 0, 0, "erit"},
      {"esse", "be", 0, 3, 0, 1, "sit"},  {"esse", "be", 1, 3, 0, 0, "fuit"},
  };
  for (const auto& c : toBe) {
    EXPECT_EQ(lexicon().verbForm(0, verbCodes(c.tense, c.person, c.number, 0, c.mood)), c.expected)
        << "tense " << c.tense << " person " << c.person;
  }
  EXPECT_EQ(lexicon().englishHeadword("verb", 0), "be");

  EXPECT_EQ(lexicon().verbForm(4532, verbCodes(0, 1, 0, 0, 0)), "iuro");
  EXPECT_EQ(lexicon().englishHeadword("verb", 4532), "swear");
  EXPECT_EQ(lexicon().verbForm(6852, verbCodes(0, 1, 0, 0, 0)), "possum");
  EXPECT_EQ(lexicon().verbForm(6852, verbCodes(0, 3, 0, 0, 0)), "potest");
  EXPECT_EQ(lexicon().verbForm(6852, verbCodes(0, 0, 0, 0, 0)), "posse");
  EXPECT_NE(lexicon().entryGloss("verb", 6852).find("can"), std::string_view::npos);
  EXPECT_EQ(lexicon().verbForm(6853, verbCodes(0, 1, 0, 0, 0)), "volo");
  EXPECT_EQ(lexicon().verbForm(6853, verbCodes(0, 3, 0, 0, 0)), "vult");
  EXPECT_EQ(lexicon().verbForm(6853, verbCodes(0, 0, 0, 0, 0)), "velle");
  EXPECT_NE(lexicon().entryGloss("verb", 6853).find("want"), std::string_view::npos);
}

TEST(DeliveredVerbs, CommandsAndCompoundForms) {
  // The "ferre" family stores the plural command; "to be" gives es/este.
  const long fero = findVerb("ferre", "bring");
  ASSERT_GE(fero, 0);
  EXPECT_EQ(lexicon().verbForm(fero, verbCodes(6, 2, 0, 0, 0)), "fer");
  EXPECT_EQ(lexicon().verbForm(fero, verbCodes(6, 2, 1, 0, 0)), "ferte");
  EXPECT_EQ(lexicon().verbForm(0, verbCodes(6, 2, 0, 0, 0)), "es");
  EXPECT_EQ(lexicon().verbForm(0, verbCodes(6, 2, 1, 0, 0)), "este");
  const long duco = findVerb("ducere", "lead");
  ASSERT_GE(duco, 0);
  EXPECT_EQ(lexicon().verbForm(duco, verbCodes(6, 2, 0, 0, 0)), "duc");
  EXPECT_EQ(lexicon().verbForm(duco, verbCodes(6, 2, 1, 0, 0)), "ducite");
  const long amo = findVerb("amare", "love");
  EXPECT_EQ(lexicon().verbForm(amo, verbCodes(6, 2, 1, 0, 0)), "amate");

  // A deponent's perfect is built from its participle: "hortatus est".
  const long hortor = findVerb("hortari", "encourage");
  ASSERT_GE(hortor, 0);
  EXPECT_EQ(lexicon().verbForm(hortor, verbCodes(1, 3, 0, 0, 0)), "hortatus est");
  EXPECT_EQ(lexicon().verbForm(hortor, verbCodes(1, 0, 0, 0, 0)), "hortatus esse");
  // The passive perfect of an ordinary verb likewise: "amatus est".
  EXPECT_EQ(lexicon().verbForm(amo, verbCodes(1, 3, 0, 1, 0)), "amatus est");
}

TEST(DeliveredPronouns, FixedEntries) {
  const struct {
    long index;
    int caseCode, number, gender;
    std::string_view expected;
  } cases[] = {
      {0, 1, 0, 0, "ego"},     {0, 5, 0, 1, "me"},      {0, 4, 0, 2, "mihi"},
      {2, 1, 0, 0, "aliquis"}, {2, 1, 0, 2, "aliquis"}, {2, 5, 0, 2, "aliquem"},
      {2, 4, 0, 1, "alicui"},  {2, 1, 1, 2, "aliqui"},  {3, 1, 0, 0, "hic"},
      {3, 1, 0, 1, "haec"},    {3, 1, 0, 2, "hoc"},     {3, 1, 1, 0, "hi"},
      {5, 1, 0, 0, "ille"},    {5, 5, 1, 1, "illas"},   {14, 1, 0, 0, "is"},
      {14, 1, 0, 1, "ea"},     {14, 1, 0, 2, "id"},     {14, 5, 0, 0, "eum"},
      {14, 1, 1, 0, "ei"},     {15, 1, 0, 2, "quid"},   {16, 1, 1, 2, "nos"},
      {16, 5, 1, 0, "nos"},    {23, 1, 0, 0, "quis"},   {23, 5, 0, 0, "quem"},
      {25, 1, 0, 1, "tu"},     {25, 5, 0, 0, "te"},     {29, 1, 1, 2, "vos"},
      {29, 4, 1, 0, "vobis"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(lexicon().pronounForm(c.index, Case(c.caseCode), Number(c.number), Gender(c.gender)),
              c.expected)
        << "pronoun " << c.index << " case " << c.caseCode << " number " << c.number << " gender "
        << c.gender;
  }
}

TEST(DeliveredPrepositions, DativeLineAndTwoCasePrepositions) {
  const Lexicon& lex = lexicon();
  long dative = -1, inAbl = -1, inAcc = -1;
  for (std::size_t i = 0; i < lex.capacity(Table::preposition); ++i) {
    if (lex.line(Table::preposition, i).empty()) break;
    const long k = static_cast<long>(i);
    if (lex.prepositionForm(k) == "(dative)") dative = k;
    if (lex.prepositionForm(k) == "in" && lex.prepositionCase(k) == "ABL") inAbl = k;
    if (lex.prepositionForm(k) == "in" && lex.prepositionCase(k) == "ACC") inAcc = k;
  }
  ASSERT_GE(dative, 0);
  EXPECT_EQ(lex.prepositionCase(dative), "DAT");
  EXPECT_EQ(lex.entryGloss("preposition", dative), "to, for");
  ASSERT_GE(inAbl, 0);
  ASSERT_GE(inAcc, 0);
  EXPECT_NE(lex.entryGloss("preposition", inAbl), lex.entryGloss("preposition", inAcc));
}

// Every table: each line has a meaning, and no empty entry comes before the
// last line (the pickers stop at the first entry without a meaning).
TEST(DeliveredTables, EveryEntryHasAMeaningUpToTheEnd) {
  const Lexicon& lex = lexicon();
  for (const auto& [table, fileName, capacity, expanded, kind, fields] : lexorra::kTables) {
    (void)fields;
    std::size_t filled = 0;
    bool ended = false;
    for (std::size_t i = 0; i < lex.capacity(table); ++i) {
      if (lex.line(table, i).empty()) {
        ended = true;
        continue;
      }
      ASSERT_FALSE(ended) << kind << " entry " << i << " follows an empty entry";
      ASSERT_FALSE(lex.entryGloss(kind, static_cast<long>(i)).empty())
          << kind << " entry " << i << " has no meaning";
      // A word chosen with an empty caption would drop out of the motto at
      // the next refresh, so every word a picker offers needs a headword.
      if (table != Table::conjunctive && table != Table::pronoun) {
        ASSERT_FALSE(lex.englishHeadword(kind, static_cast<long>(i)).empty())
            << kind << " entry " << i << " has no headword";
      }
      ++filled;
    }
    EXPECT_GT(filled, 0u) << kind;
  }
  // The pronoun table is full: the renderer uses entries up to 29.
  EXPECT_FALSE(lex.line(Table::pronoun, 29).empty());
}

}  // namespace
