// The hand-made lexicons of the tests, in one place: lines that pass every
// check of loading, the small Latin lexicon of the renderer, refresh and
// editor tests (a few words of each kind at the entries the renderer relies
// on), and the search pickers' lexicon, whose glosses are the cases of the
// search rules. Header-only so that every test folder can include it.
#pragma once

#include <array>
#include <initializer_list>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "english/english.h"
#include "lexicon/lexicon.h"
#include "text/textops.h"

namespace lexorra::testing {

// The fields from..to-1 numbered "f<k>", each followed by a space.
inline std::string numberedFields(std::size_t from, std::size_t to) {
  std::string out;
  for (std::size_t k = from; k < to; ++k) out += "f" + std::to_string(k) + " ";
  return out;
}

// A line with the fields its table's look-ups read, numbered "f0 f1 ..." (a
// preposition governs the accusative in field 4), then "::" and the meaning.
inline std::string validLine(Table table, std::string_view meaning = "word") {
  const std::size_t fields = tableInfo(table).fields;
  std::string line = numberedFields(0, fields);
  if (table == Table::preposition) line = numberedFields(0, 4) + "ACC ";
  return line + "::" + std::string(meaning);
}

// A line of the table's fields, each "x" (a preposition's field 4 "ACC"),
// then "::filler": what tests put where they need no word of their own.
inline std::string fillerLine(Table table) {
  std::string line;
  for (std::size_t k = 0; k < tableInfo(table).fields; ++k)
    line += table == Table::preposition && k == 4 ? "ACC " : "x ";
  return line + "::filler";
}

// Noun entries.
enum Noun {
  kAmor,     // M, "love"
  kCanis,    // M, "dog"
  kAquila,   // F, "eagle"
  kRadix,    // F, "root"
  kPecunia,  // F, "money"
  kFilius,   // M, "son"
  kGladius,  // M, "sword"
  kCor,      // N, "heart"
  kMundus,   // M, "world"
  kFerrum,   // N, "iron"
  kLacuna,   // F, the genitive singular is not recorded ("-")
  kBox,      // N, "box"
  kMan,      // M, "man"
  kHostis,   // C, "enemy"
  kMetus,    // M, "fear"; ablative "metu"
};

// Adjective entries: 0, 1, 2 and 4 are the possessives.
enum Adjective {
  kMeus = 0,
  kTuus = 1,
  kVester = 2,
  kFiller = 3,
  kNoster = 4,
  kBonus = 5,       // "good"
  kOmnis = 6,       // "all, every"
  kMolestus = 7,    // "offensive"
  kFebricosus = 8,  // "suffering from fever"
  kAureus = 9,      // "of gold, golden"
  kMagnus = 10,     // "big, great"
};

enum Preposition { kCum, kAd, kEx, kAb, kDative, kSine, kApud, kIn };
enum Adverb { kSemper, kNumquam, kBene };

// Verb entries, besides 0 "to be" and the helpers 6852, 6853, 4532.
constexpr int kSum = 0;
constexpr int kAmo = 1;    // "love"
constexpr int kVinco = 2;  // "conquer"
constexpr int kScio = 3;   // "know"
constexpr int kEo = 4;     // "go"; perfect forms built with "tbc"
constexpr int kPorto = 5;  // "carry"
constexpr int kDeleo = 6;  // "destroy"
constexpr int kLavo = 7;   // "wash"
constexpr int kHabeo = 8;  // "have"
constexpr int kOdi = 9;    // "hate"
constexpr int kPossum = 6852;
constexpr int kVolo = 6853;
constexpr int kIuro = 4532;

// A noun line: head fields (the gender letter among them), then the six
// singular and six plural forms, each list in the order NOM GEN ABL DAT ACC
// sixth case.
inline std::string nounLine(std::string_view gender, std::string_view singular,
                            std::string_view plural, std::string_view meaning) {
  return "head gen " + std::string(gender) + " 3 x " + std::string(singular) + " " +
         std::string(plural) + " ::" + std::string(meaning);
}

// An adjective line of 108 forms: the positive on the 1st/2nd declension,
// the comparative in "-ior", the superlative in "-issimus". Each block of
// six runs NOM sixth GEN ACC DAT ABL.
inline std::string adjectiveLine(std::string_view stem, std::string_view meaning) {
  const std::array<std::string_view, 3> positive = {"us e i um o o i i orum os is is",
                                                    "a a ae am ae a ae ae arum as is is",
                                                    "um um i um o o a a orum a is is"};
  const std::array<std::string_view, 3> comparative = {
      "ior ior ioris iorem iori iore iores iores iorum iores ioribus ioribus",
      "ior ior ioris iorem iori iore iores iores iorum iores ioribus ioribus",
      "ius ius ioris ius iori iore iora iora iorum iora ioribus ioribus"};
  std::string line;
  auto add = [&](std::string_view prefix, std::string_view endings) {
    for (std::string_view e : text::splitFields(endings)) {
      if (!line.empty()) line += ' ';
      line += std::string(prefix) + std::string(e);
    }
  };
  const std::string st(stem);
  for (std::string_view e : positive) add(st, e);
  for (std::string_view e : comparative) add(st, e);
  for (std::string_view e : positive) add(st + "issim", e);
  return line + " ::" + std::string(meaning);
}

// "omnis": a third-declension adjective; its other degrees are not recorded.
inline std::string omnisLine() {
  const std::string mf =
      "omnis omnis omnis omnem omni omni omnes omnes omnium omnes omnibus omnibus";
  std::string line = mf + " " + mf + " omne omne omnis omne omni omni omnia omnia omnium omnia " +
                     "omnibus omnibus";
  for (int i = 0; i < 72; ++i) line += " -";
  return line + " ::all, every";
}

// A pronoun line from the twelve forms of each gender (NOM sixth GEN ACC DAT
// ABL, singular then plural).
inline std::string pronounLine(std::string_view m, std::string_view f, std::string_view n,
                               std::string_view meaning) {
  return std::string(m) + " " + std::string(f) + " " + std::string(n) +
         " ::" + std::string(meaning);
}
inline std::string pronounLine(std::string_view all, std::string_view meaning) {
  return pronounLine(all, all, all, meaning);
}

// (voice, tense, mood) -> the six finite forms 1sg 1pl 3sg 3pl 2pl 2sg.
using Paradigm = std::map<std::tuple<int, int, int>, std::string_view>;

// A verb line of 157 fields. Forms the paradigm does not give read
// "v<voice><tense><mood><slot>", so a test can still see which was chosen.
inline std::string verbLine(std::string_view head, std::string_view infinitive,
                            std::string_view perfectInfinitive, const Paradigm& forms,
                            std::string_view commandStem, std::string_view participle,
                            std::string_view meaning) {
  std::vector<std::string> f(157, "x");
  f[0] = head;
  f[1] = infinitive;
  f[2] = perfectInfinitive;
  f[3] = std::string(infinitive) + "ri";
  for (int voice = 0; voice < 2; ++voice)
    for (int tense = 0; tense < 6; ++tense)
      for (int mood = 0; mood < 2; ++mood) {
        auto it = forms.find({voice, tense, mood});
        for (int slot = 1; slot <= 6; ++slot) {
          std::size_t pos = static_cast<std::size_t>(6 + 72 * voice + 12 * tense + 6 * mood + slot);
          f[pos] =
              it != forms.end()
                  ? std::string(text::splitFields(it->second)[static_cast<std::size_t>(slot - 1)])
                  : "v" + std::to_string(voice) + std::to_string(tense) + std::to_string(mood) +
                        std::to_string(slot);
        }
      }
  f[151] = commandStem;
  f[156] = participle;
  std::string line;
  for (const std::string& field : f) line += field + " ";
  return line + "::" + std::string(meaning);
}

// The lines at their indexes; an index the map does not name holds a filler
// word, since a table has no empty entry before its last word.
inline std::string tableText(Table table, const std::map<int, std::string>& lines) {
  std::string text;
  int last = lines.empty() ? -1 : lines.rbegin()->first;
  for (int i = 0; i <= last; ++i) {
    auto it = lines.find(i);
    text += it != lines.end() ? it->second : fillerLine(table);
    text += "\r\n";
  }
  return text;
}

inline void load(Lexicon& lexicon, Table table, const std::map<int, std::string>& lines) {
  std::istringstream in(tableText(table, lines));
  lexicon.loadTable(table, in);
}

// clang-format off
// The hand-made lexicon: a few words of each kind, at the entries the
// renderer relies on.
inline Lexicon smallLexicon() {
  Lexicon lex;
  load(lex, Table::noun, {
      {kAmor, nounLine("M", "amor amoris amore amori amorem amor", "amores amorum amoribus amoribus amores amores", "love, affection; charity")},
      {kCanis, nounLine("M", "canis canis cane cani canem canis", "canes canum canibus canibus canes canes", "dog")},
      {kAquila, nounLine("F", "aquila aquilae aquila aquilae aquilam aquila", "aquilae aquilarum aquilis aquilis aquilas aquilae", "eagle")},
      {kRadix, nounLine("F", "radix radicis radice radici radicem radix", "radices radicum radicibus radicibus radices radices", "root")},
      {kPecunia, nounLine("F", "pecunia pecuniae pecunia pecuniae pecuniam pecunia", "pecuniae pecuniarum pecuniis pecuniis pecunias pecuniae", "money")},
      {kFilius, nounLine("M", "filius filii filio filio filium fili", "filii filiorum filiis filiis filios filii", "son")},
      {kGladius, nounLine("M", "gladius gladii gladio gladio gladium gladie", "gladii gladiorum gladiis gladiis gladios gladii", "sword")},
      {kCor, nounLine("N", "cor cordis corde cordi cor cor", "corda cordium cordibus cordibus corda corda", "heart")},
      {kMundus, nounLine("M", "mundus mundi mundo mundo mundum munde", "mundi mundorum mundis mundis mundos mundi", "whole world")},
      {kFerrum, nounLine("N", "ferrum ferri ferro ferro ferrum ferrum", "ferra ferrorum ferris ferris ferra ferra", "iron")},
      {kLacuna, nounLine("F", "lacuna - lacuna lacunae lacunam lacuna", "lacunae - lacunis lacunis lacunas lacunae", "gap")},
      {kBox, nounLine("N", "buxum buxi buxo buxo buxum buxum", "buxa buxorum buxis buxis buxa buxa", "box")},
      {kMan, nounLine("M", "vir viri viro viro virum vir", "viri virorum viris viris viros viri", "man")},
      {kHostis, nounLine("C", "hostis hostis hoste hosti hostem hostis", "hostes hostium hostibus hostibus hostes hostes", "enemy")},
      {kMetus, nounLine("M", "metus metus metu metui metum metus", "metus metuum metibus metibus metus metus", "fear, dread")},
  });
  load(lex, Table::adjective, {
      {kMeus, adjectiveLine("me", "my, mine")},
      {kTuus, adjectiveLine("tu", "your, yours (sing.)")},
      {kVester, adjectiveLine("vestr", "your, yours (pl.)")},
      {kFiller, adjectiveLine("fill", "filler")},
      {kNoster, adjectiveLine("nostr", "our, ours")},
      {kBonus, adjectiveLine("bon", "good, honest")},
      {kOmnis, omnisLine()},
      {kMolestus, adjectiveLine("molest", "offensive, annoying")},
      {kFebricosus, adjectiveLine("febricos", "suffering from fever")},
      {kAureus, adjectiveLine("aure", "of gold, golden")},
      {kMagnus, adjectiveLine("magn", "big, great")},
  });
  load(lex, Table::preposition, {
      {kCum, "cum PREP x x ABL ::with"},
      {kAd, "ad PREP x x ACC ::to, toward"},
      {kEx, "ex PREP x x ABL ::out of, from"},
      {kAb, "ab PREP x x ABL ::by, from"},
      {kDative, "(dative) PREP x x DAT ::to/for"},
      {kSine, "sine PREP x x ABL ::without"},
      {kApud, "apud PREP x x ACC ::at, near"},
      {kIn, "in PREP x x ABL ::in, on"},
  });
  load(lex, Table::adverb, {
      {kSemper, "semper ADV ::always"}, {kNumquam, "numquam ADV ::never"}, {kBene, "bene ADV ::well"}});
  load(lex, Table::pronoun, {
      {0, pronounLine("ego - mei me mihi me nos - nostri nos nobis nobis", "I, me")},
      {2, pronounLine("aliquis - alicuius aliquem alicui aliquo aliqui - aliquorum aliquos aliquibus aliquibus",
                      "aliqua - alicuius aliquam alicui aliqua aliquae - aliquarum aliquas aliquibus aliquibus",
                      "aliquid - alicuius aliquid alicui aliquo aliqua - aliquorum aliqua aliquibus aliquibus", "somebody")},
      {3, pronounLine("hic - huius hunc huic hoc hi - horum hos his his", "haec - huius hanc huic hac hae - harum has his his",
                      "hoc - huius hoc huic hoc haec - horum haec his his", "this")},
      {5, pronounLine("ille - illius illum illi illo illi - illorum illos illis illis", "illa - illius illam illi illa illae - illarum illas illis illis",
                      "illud - illius illud illi illo illa - illorum illa illis illis", "that")},
      {14, pronounLine("is - eius eum ei eo ei - eorum eos eis eis", "ea - eius eam ei ea eae - earum eas eis eis",
                       "id - eius id ei eo ea - eorum ea eis eis", "he, she, it")},
      {15, pronounLine("quid - cuius quid cui quo quae - quorum quae quibus quibus", "what")},
      {16, pronounLine("nos - nostri nos nobis nobis nos - nostri nos nobis nobis", "we, us")},
      {23, pronounLine("quis - cuius quem cui quo qui - quorum quos quibus quibus", "who")},
      {25, pronounLine("tu - tui te tibi te vos - vestri vos vobis vobis", "you")},
      {29, pronounLine("vos - vestri vos vobis vobis vos - vestri vos vobis vobis", "you (pl.)")},
  });
  const Paradigm sum = {
      {{0, 0, 0}, "sum sumus est sunt estis es"},         {{0, 0, 1}, "sim simus sit sint sitis sis"},
      {{0, 1, 0}, "fui fuimus fuit fuerunt fuistis fuisti"}, {{0, 1, 1}, "fuerim fuerimus fuerit fuerint fueritis fueris"},
      {{0, 2, 0}, "fueram fueramus fuerat fuerant fueratis fueras"}, {{0, 3, 0}, "eram eramus erat erant eratis eras"},
      {{0, 4, 0}, "ero erimus erit erunt eritis eris"},   {{0, 5, 0}, "fuero fuerimus fuerit fuerint fueritis fueris"}};
  const Paradigm amo = {
      {{0, 0, 0}, "amo amamus amat amant amatis amas"},   {{0, 0, 1}, "amem amemus amet ament ametis ames"},
      {{0, 1, 0}, "amavi amavimus amavit amaverunt amavistis amavisti"},
      {{0, 1, 1}, "amaverim amaverimus amaverit amaverint amaveritis amaveris"},
      {{0, 2, 0}, "amaveram amaveramus amaverat amaverant amaveratis amaveras"},
      {{0, 4, 0}, "amabo amabimus amabit amabunt amabitis amabis"},
      {{0, 5, 0}, "amavero amaverimus amaverit amaverint amaveritis amaveris"}};
  auto present = [](std::string_view forms) { return Paradigm{{{0, 0, 0}, forms}}; };
  load(lex, Table::verb, {
      {kSum, verbLine("sum", "esse", "fuisse", sum, "es", "futurus", "be, exist")},
      {kAmo, verbLine("amo", "amare", "amavisse", amo, "ama", "amatus", "love, like")},
      {kVinco, verbLine("vinco", "vincere", "vicisse", present("vinco vincimus vincit vincunt vincitis vincis"), "vince", "victus", "conquer, defeat")},
      {kScio, verbLine("scio", "scire", "scivisse", present("scio scimus scit sciunt scitis scis"), "sci", "scitus", "know")},
      {kEo, verbLine("eo", "ire", "isse", {{{0, 0, 0}, "eo imus it eunt itis is"}, {{0, 1, 0}, "tbc tbc tbc tbc tbc tbc"}}, "i", "itus", "go, walk")},
      {kPorto, verbLine("porto", "portare", "portavisse", present("porto portamus portat portant portatis portas"), "porta", "portatus", "carry")},
      {kDeleo, verbLine("deleo", "delere", "delevisse", present("deleo delemus delet delent deletis deles"), "dele", "deletus", "destroy")},
      {kLavo, verbLine("lavo", "lavare", "lavisse", present("lavo lavamus lavat lavant lavatis lavas"), "lava", "lautus", "wash")},
      {kHabeo, verbLine("habeo", "habere", "habuisse", present("habeo habemus habet habent habetis habes"), "habe", "habitus", "have, hold")},
      {kOdi, verbLine("odi", "odisse", "odisse", present("odi odimus odit oderunt odistis odisti"), "odi", "osus", "hate")},
      {kIuro, verbLine("iuro", "iurare", "iuravisse", present("iuro iuramus iurat iurant iuratis iuras"), "iura", "iuratus", "swear")},
      {kPossum, verbLine("possum", "posse", "potuisse", present("possum possumus potest possunt potestis potes"), "-", "-", "be able")},
      {kVolo, verbLine("volo", "velle", "voluisse", present("volo volumus vult volunt vultis vis"), "-", "-", "wish, want")},
  });
  return lex;
}
// clang-format on

// English irregular tables with the lines the tests need.
inline EnglishTables smallEnglishTables() {
  EnglishTables tables;
  std::istringstream verbs("go went gone\r\nhave had had\r\n");
  loadIrregularVerbs(tables, verbs);
  std::istringstream nouns("man men\r\n");
  loadIrregularNouns(tables, nouns);
  return tables;
}

inline std::string tag(int index) {
  return std::to_string(index);
}

// The hand-made lexicon and tables, built once per test program.
inline const Lexicon& lexicon() {
  static const Lexicon lex = smallLexicon();
  return lex;
}
inline const EnglishTables& englishTables() {
  static const EnglishTables tables = smallEnglishTables();
  return tables;
}

// ---------------------------------------------------------------------------
// The search pickers' lexicon, with lines laid out as the data files lay them
// out.

struct Entry {
  std::string latin;  // the form the picker lists
  std::string gloss;
};

// Noun line: five head fields, six singular forms from field 5 (the
// nominative), six plural forms, then the meaning.
inline std::string nounLine(const Entry& e) {
  return "h h M N X " + e.latin + " s s s s s p p p p p p ::" + e.gloss;
}
// Verb line of 157 fields: field 1 is the present active infinitive.
inline std::string verbLine(const Entry& e) {
  std::string line = "h " + e.latin + " ";
  for (int k = 2; k < 157; ++k) line += "x ";
  return line + "::" + e.gloss;
}
// Adjective line: 108 forms; field 0 is the masculine nominative singular
// positive, fields 24, 60 and 96 the neuter nominative singular of the three
// degrees, here the Latin with "-N0", "-N1", "-N2" appended. The forms from
// field `recorded` on are "-", not recorded.
inline std::string adjectiveLine(const Entry& e, int recorded = 108) {
  std::string line;
  for (int k = 0; k < 108; ++k) {
    std::string form = "x";
    if (k == 0) form = e.latin;
    if (k % 36 == 24) form = e.latin + "-N" + std::to_string(k / 36);
    if (k >= recorded) form = "-";
    line += form + " ";
  }
  return line + "::" + e.gloss;
}
inline std::string adverbLine(const Entry& e) {
  return e.latin + " ::" + e.gloss;
}
inline std::string prepositionLine(const Entry& e) {
  return e.latin + " x x x ACC ::" + e.gloss;
}

inline void loadLines(Lexicon& lexicon, Table table, std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  std::istringstream in(text);
  lexicon.loadTable(table, in);
}

// The search pickers' lexicon. Nouns for the search rules: whole words through either haystack,
// upper case, forms longer than the column, and the automatic selection.
inline const Entry kNouns[] = {
    {"amor", "love, affection; passion;"},       // 0
    {"caritas", "charity, love;"},               // 1
    {"abcdefghijklmnopqrstuv", "love letter;"},  // 2: 22 characters, longer than the column
    {"dilectio", "love; delight"},               // 3
    {"venustus", "lovely, charming;"},           // 4
    {"carus", "beloved one"},                    // 5
    {"pax", "peace; love"},                      // 6: last word without a separator
    {"amator", "Love, lover;"},                  // 7
    {"abcdefghijklmnop", "love;"},               // 8: only four filling spaces
};

inline Lexicon searchLexicon() {
  Lexicon lexicon;
  loadLines(lexicon, Table::noun,
            {nounLine(kNouns[0]), nounLine(kNouns[1]), nounLine(kNouns[2]), nounLine(kNouns[3]),
             nounLine(kNouns[4]), nounLine(kNouns[5]), nounLine(kNouns[6]), nounLine(kNouns[7]),
             nounLine(kNouns[8])});
  loadLines(lexicon, Table::verb,
            {verbLine({"amare", "to love, like;"}), verbLine({"esse", "to be; exist;"})});
  loadLines(lexicon, Table::adjective,
            {adjectiveLine({"bonus", "good, honest;"}), adjectiveLine({"magnus", "great, large;"}),
             // Only the positive degree is recorded.
             adjectiveLine({"parvus", "small, little;"}, 36)});
  loadLines(lexicon, Table::adverb,
            {adverbLine({"bene", "well, rightly;"}), adverbLine({"semper", "always;"})});
  loadLines(lexicon, Table::preposition,
            {prepositionLine({"ad", "to, towards;"}), prepositionLine({"cum", "with;"}),
             prepositionLine({"sine", "without;"})});
  return lexicon;
}

}  // namespace lexorra::testing
