// The English side of the delivered lexicon, read through the program's own
// look-ups: the case markers of the verbs, the headwords a slot shows, and
// the prepositions that follow their noun.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "data/delivered_lexicon.h"
#include "grammar_codes.h"

namespace {

using namespace lexorra;
using lexorra::testing::findEntry;
using lexorra::testing::lexicon;

constexpr std::array<std::string_view, 4> kMarkers = {"(+DAT)", "(+ABL)", "(+GEN)", "(+NOM)"};

// Every filled entry of a table.
std::vector<long> entries(Table table) {
  std::vector<long> out;
  for (std::size_t i = 0; i < lexicon().capacity(table); ++i) {
    if (lexicon().line(table, i).empty()) break;
    out.push_back(static_cast<long>(i));
  }
  return out;
}

std::size_t count(std::string_view text, std::string_view part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + 1))
    ++n;
  return n;
}

std::string_view markerOf(std::string_view gloss) {
  for (std::string_view m : kMarkers)
    if (gloss.find(m) != std::string_view::npos) return m;
  return "";
}

// infinitive, headword of the entry meant (homographs differ by it), marker.
struct Governed {
  std::string_view infinitive, headword, marker;
};

constexpr Governed kGoverned[] = {
    {"credere", "trust", "(+DAT)"},
    {"favere", "favor", "(+DAT)"},
    {"parcere", "spare", "(+DAT)"},
    {"parere", "obey", "(+DAT)"},
    {"placere", "please", "(+DAT)"},
    {"nocere", "harm", "(+DAT)"},
    {"servire", "serve", "(+DAT)"},
    {"ignoscere", "pardon", "(+DAT)"},
    {"imperare", "order", "(+DAT)"},
    {"invidere", "envy", "(+DAT)"},
    {"resistere", "resist", "(+DAT)"},
    {"persuadere", "persuade", "(+DAT)"},
    {"studere", "desire", "(+DAT)"},
    {"fidere", "trust", "(+DAT)"},
    {"confidere", "trust", "(+DAT)"},
    {"confidere", "rely on", "(+DAT)"},
    {"diffidere", "distrust", "(+DAT)"},
    {"indulgere", "indulge", "(+DAT)"},
    {"irasci", "get angry", "(+DAT)"},
    {"minari", "threaten", "(+DAT)"},
    {"obsequi", "yield to", "(+DAT)"},
    {"obtemperare", "obey", "(+DAT)"},
    {"oboedire", "obey", "(+DAT)"},
    {"suadere", "urge", "(+DAT)"},
    {"subvenire", "come to help", "(+DAT)"},
    {"succurrere", "run to the aid of", "(+DAT)"},
    {"nubere", "marry", "(+DAT)"},
    {"adesse", "be near", "(+DAT)"},
    {"prodesse", "be useful", "(+DAT)"},
    {"obesse", "hurt", "(+DAT)"},
    {"praeesse", "be in charge", "(+DAT)"},
    {"deesse", "be wanting", "(+DAT)"},
    {"cedere", "yield", "(+DAT)"},
    {"obstare", "oppose", "(+DAT)"},
    {"repugnare", "fight back", "(+DAT)"},
    {"blandiri", "flatter", "(+DAT)"},
    {"mederi", "heal", "(+DAT)"},
    {"uti", "use", "(+ABL)"},
    {"frui", "enjoy", "(+ABL)"},
    {"fungi", "perform", "(+ABL)"},
    {"potiri", "obtain", "(+ABL)"},
    {"vesci", "feed on", "(+ABL)"},
    {"carere", "be without", "(+ABL)"},
    {"egere", "need", "(+ABL)"},
    {"gaudere", "be glad", "(+ABL)"},
    {"niti", "lean upon", "(+ABL)"},
    {"misereri", "pity", "(+GEN)"},
    {"oblivisci", "forget", "(+GEN)"},
    {"meminisse", "remember", "(+GEN)"},
};

TEST(DeliveredVerbCases, EveryListedVerbCarriesItsMarker) {
  for (const Governed& g : kGoverned) {
    int found = 0;
    for (long i : entries(Table::verb)) {
      if (lexicon().verbForm(i, verbCodes(0, 0, 0, 0, 0)) != g.infinitive) continue;
      if (lexicon().englishHeadword("verb", i) != g.headword) continue;
      ++found;
      EXPECT_EQ(markerOf(lexicon().entryGloss("verb", i)), g.marker) << g.infinitive << " " << i;
    }
    EXPECT_GT(found, 0) << g.infinitive << " \"" << g.headword << "\" is not in the table";
  }
}

TEST(DeliveredVerbCases, HomographsAndVerbsWithAnAccusativeStayUnmarked) {
  // pario "bear" beside pareo "obey"; caro "card" beside careo; accido
  // "cut" beside accido "fall upon"; dare gives something TO someone.
  const struct {
    std::string_view infinitive, headword;
  } cases[] = {{"parere", "bear"},   {"carere", "card"}, {"accidere", "cut"},
               {"dare", "give"},     {"amare", "love"},  {"esse", "be"},
               {"posse", "be able"}, {"velle", "wish"},  {"ridere", "laugh at"}};
  for (const auto& c : cases) {
    int found = 0;
    for (long i : entries(Table::verb)) {
      if (lexicon().verbForm(i, verbCodes(0, 0, 0, 0, 0)) != c.infinitive ||
          lexicon().englishHeadword("verb", i) != c.headword)
        continue;
      ++found;
      EXPECT_EQ(markerOf(lexicon().entryGloss("verb", i)), "") << c.infinitive << " " << i;
    }
    EXPECT_GT(found, 0) << c.infinitive << " \"" << c.headword << "\" is not in the table";
  }
}

// The renderer's contract: the exact marker, once, in verb lines only, right
// after the headword, which reads the same as without it.
TEST(DeliveredVerbCases, MarkersOnlyInVerbLinesOnceAfterTheHeadword) {
  std::size_t marked = 0;
  for (const auto& [table, fileName, capacity, expanded, kind, fields] : lexorra::kTables) {
    (void)fields;
    for (long i : entries(table)) {
      const std::string_view line = lexicon().line(table, static_cast<std::size_t>(i));
      const std::string_view gloss = lexicon().entryGloss(kind, i);
      if (count(line, "(+") == 0) continue;
      ASSERT_EQ(table, Table::verb) << kind << " " << i << " carries a case marker: " << line;
      const std::string_view marker = markerOf(gloss);
      ASSERT_FALSE(marker.empty()) << "verb " << i << ": a stray \"(+\": " << gloss;
      ASSERT_EQ(count(line, "(+"), 1u) << "verb " << i << ": " << gloss;
      const std::string_view headword = lexicon().englishHeadword(kind, i);
      EXPECT_TRUE(gloss.starts_with(std::string(headword) + " " + std::string(marker)))
          << "verb " << i << ": " << gloss;
      ++marked;
    }
  }
  EXPECT_GT(marked, 200u);
}

// table kind, Latin form (nominative, first person, adverb), headword.
struct Caption {
  std::string_view kind, form, headword;
};

std::string formOf(std::string_view kind, long i) {
  if (kind == "noun") return std::string(lexicon().nounForm(i, Case(1), Number(0)));
  if (kind == "adjective") return std::string(lexicon().adjectiveForm(i, Case(1), Number(0), Gender(0), Degree(0)));
  if (kind == "verb") return lexicon().verbForm(i, verbCodes(0, 1, 0, 0, 0));
  return std::string(lexicon().adverbForm(i));
}

Table tableOf(std::string_view kind) {
  if (kind == "noun") return Table::noun;
  if (kind == "adjective") return Table::adjective;
  if (kind == "verb") return Table::verb;
  return Table::adverb;
}

// The sense a client types first, on the first entry of the Latin form.
TEST(DeliveredHeadwords, CommonestWordsShowTheirUsualSense) {
  const Caption cases[] = {
      {"noun", "fortuna", "fortune"},
      {"noun", "vis", "strength"},
      {"noun", "virtus", "virtue"},
      {"noun", "amor", "love"},
      {"noun", "fides", "faith"},
      {"noun", "spes", "hope"},
      {"noun", "vita", "life"},
      {"noun", "mors", "death"},
      {"noun", "anima", "soul"},
      {"noun", "lux", "light"},
      {"noun", "pax", "peace"},
      {"noun", "bellum", "war"},
      {"noun", "veritas", "truth"},
      {"noun", "libertas", "freedom"},
      {"noun", "fama", "fame"},
      {"noun", "gratia", "grace"},
      {"noun", "regnum", "kingdom"},
      {"noun", "dominus", "lord"},
      {"noun", "familia", "family"},
      {"noun", "mundus", "world"},
      {"noun", "finis", "end"},
      {"noun", "fatum", "fate"},
      {"noun", "spiritus", "spirit"},
      {"noun", "nox", "night"},
      {"noun", "nemo", "no one"},
      {"adjective", "omnis", "all"},
      {"adjective", "fortis", "strong"},
      {"adjective", "sanctus", "holy"},
      {"adjective", "pulcher", "beautiful"},
      {"adjective", "sapiens", "wise"},
      {"adjective", "dignus", "worthy"},
      {"adjective", "aureus", "of gold"},
      {"verb", "amo", "love"},
      {"verb", "vivo", "live"},
      {"verb", "spero", "hope"},
      {"verb", "nascor", "be born"},
      {"verb", "cedo", "yield"},
      {"verb", "quaero", "seek"},
      {"verb", "invenio", "find"},
      {"verb", "audeo", "dare"},
      {"verb", "nosco", "get to know"},
      {"verb", "carpo", "seize"},
      {"adverb", "semper", "always"},
      {"adverb", "numquam", "never"},
  };
  for (const Caption& c : cases) {
    long first = -1;
    for (long i : entries(tableOf(c.kind))) {
      if (formOf(c.kind, i) == c.form) {
        first = i;
        break;
      }
    }
    ASSERT_GE(first, 0) << c.kind << " " << c.form;
    EXPECT_EQ(lexicon().englishHeadword(c.kind, first), c.headword) << c.kind << " " << c.form;
  }
}

// No caption a picker can give is markup, joined words or a lone word that
// cannot carry the entry.
TEST(DeliveredHeadwords, NoMarkupOrBareFunctionWords) {
  const std::array<std::pair<Table, std::string_view>, 4> tables{{{Table::noun, "noun"},
                                                                  {Table::adjective, "adjective"},
                                                                  {Table::verb, "verb"},
                                                                  {Table::adverb, "adverb"}}};
  for (const auto& [table, kind] : tables) {
    for (long i : entries(table)) {
      const std::string_view hw = lexicon().englishHeadword(kind, i);
      EXPECT_EQ(hw.find_first_of("_[]\"=~"), std::string_view::npos)
          << kind << " " << i << ": " << hw;
      EXPECT_NE(hw, "of") << kind << " " << i;
      EXPECT_NE(hw, "the") << kind << " " << i;
      if (i != 0) {
        EXPECT_NE(hw, "be") << kind << " " << i;
      }
    }
  }
}

TEST(DeliveredPrepositions, TheOnesThatFollowTheirNoun) {
  const struct {
    std::string_view form, caseName, headword;
  } cases[] = {{"gratia", "GEN", "for the sake of"},
               {"causa", "GEN", "for the sake of"},
               {"caussa", "GEN", "for the sake of"},
               {"tenus", "ABL", "as far as"},
               {"versus", "ACC", "toward"}};
  for (const auto& c : cases) {
    const long i = findEntry(Table::preposition, "preposition", c.form, "",
                             [](long k) { return std::string(lexicon().prepositionForm(k)); });
    ASSERT_GE(i, 0) << c.form;
    EXPECT_EQ(lexicon().prepositionCase(i), c.caseName) << c.form;
    EXPECT_EQ(lexicon().englishHeadword("preposition", i), c.headword) << c.form;
  }
  // gratia is added after the source's prepositions, so no index moved.
  const std::vector<long> all = entries(Table::preposition);
  EXPECT_EQ(lexicon().prepositionForm(all.back()), "gratia");
  EXPECT_EQ(lexicon().prepositionForm(0), "(dative)");
}

}  // namespace
