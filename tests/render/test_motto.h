// A small hand-made Latin lexicon and a builder for motto states, shared by
// the renderer and refresh tests. Header-only so that other test folders can
// include it.
#pragma once

#include <array>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "english/english.h"
#include "lexicon/lexicon.h"
#include "lexicon_lines.h"
#include "motto/motto_state.h"
#include "render/render.h"
#include "text/textops.h"

namespace lexorra::testing {

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

// The pronoun captions after which a thing's noun and adjective are hidden
// (personal pronouns stand alone).
inline bool standsAlone(std::string_view caption) {
  for (std::string_view alone :
       {"They",         "I",        "He",   "She", "It",   "We", "You (single)",
        "You (plural)", "Somebody", "What", "Who", "them", "me", "him",
        "Her",          "us",       "he",   "she", "it",   "we", "you (single)",
        "you (plural)", "somebody", "what", "who", "her"})
    if (caption == alone) return true;
  return false;
}

// Fills one thing as the menus and pickers would: the pronoun caption, and
// the noun and adjective shown unless the pronoun stands alone.
inline void setThing(WordSlot& pronoun, WordSlot& noun, WordSlot& adjective,
                     std::string_view pronounCaption, int nounIndex = -1, int adjIndex = -1,
                     std::string_view adjCaption = "") {
  pronoun.Caption = pronounCaption;
  pronoun.Tag = "";
  pronoun.Visible = true;
  noun.Visible = adjective.Visible = !standsAlone(pronounCaption);
  noun.Tag = nounIndex < 0 ? "blank" : tag(nounIndex);
  noun.Caption = "()";
  adjective.Tag = adjIndex < 0 ? "blank" : tag(adjIndex);
  adjective.Caption = adjIndex < 0 ? "()" : std::string(adjCaption);
}

// A motto built step by step; `settle()` runs the refresh twice, so the
// captions are adapted and the outputs rendered from them.
struct MottoBuilder {
  MottoState s;
  MottoBuilder() { s.Enabled = true; }

  MottoBuilder& actor(std::string_view pronoun, int noun = -1, int adj = -1,
                      std::string_view adjCaption = "") {
    s.actorTickBox.Value = 1;
    s.actionTickBoc.Enabled = true;
    setThing(s.actorPronounText, s.actorNounText, s.actorAdjText, pronoun, noun, adj, adjCaption);
    return *this;
  }
  MottoBuilder& linkActor(bool andLink, std::string_view pronoun, int noun = -1, int adj = -1,
                          std::string_view adjCaption = "") {
    s.Option1.Value = andLink;
    s.Option2.Value = !andLink;
    s.Option3.Value = false;
    setThing(s.secondActorPronoun, s.secondActorNounText, s.secondActorAdjText, pronoun, noun, adj,
             adjCaption);
    return *this;
  }
  MottoBuilder& act(std::string_view tense, int verb) {
    s.actionTickBoc.Value = 1;
    s.actedTickBox.Enabled = true;
    s.verbTenseText.Caption = tense;
    s.verbTenseText.Visible = true;
    s.verbText.Tag = verb < 0 ? "blank" : tag(verb);
    s.verbText.Caption = "()";
    s.verbText.Visible = true;
    s.notButton.Visible = true;
    return *this;
  }
  MottoBuilder& negated() {
    s.notButton.Value = 1;
    return *this;
  }
  MottoBuilder& acted(std::string_view pronoun, int noun = -1, int adj = -1,
                      std::string_view adjCaption = "") {
    s.actedTickBox.Value = 1;
    setThing(s.actedPronounText, s.actedNounText, s.actedAdjText, pronoun, noun, adj, adjCaption);
    return *this;
  }
  MottoBuilder& linkActed(bool andLink, std::string_view pronoun, int noun = -1, int adj = -1,
                          std::string_view adjCaption = "") {
    s.Option4.Value = andLink;
    s.Option5.Value = !andLink;
    s.Option6.Value = false;
    setThing(s.secondActedPronoun, s.secondActedNounText, s.secondActedAdjText, pronoun, noun, adj,
             adjCaption);
    return *this;
  }
  MottoBuilder& manner(int adverb, std::string_view adverbCaption = "()") {
    s.mannerTickBox.Value = 1;
    s.adVerbText.Visible = true;
    s.adVerbText.Tag = adverb < 0 ? "blank" : tag(adverb);
    s.adVerbText.Caption = adverbCaption;
    s.prepositionText.Visible = true;
    return *this;
  }
  MottoBuilder& preposition(int prep, std::string_view caption, std::string_view pronoun,
                            int noun = -1, int adj = -1, std::string_view adjCaption = "") {
    s.mannerTickBox.Value = 1;
    s.adVerbText.Visible = true;
    s.prepositionText.Visible = true;
    s.prepositionText.Tag = tag(prep);
    s.prepositionText.Caption = caption;
    setThing(s.prepositionPronounText, s.prepositionNounText, s.prepositionAdjText, pronoun, noun,
             adj, adjCaption);
    return *this;
  }
  MottoBuilder& linkPreposition(bool andLink, std::string_view pronoun, int noun = -1, int adj = -1,
                                std::string_view adjCaption = "") {
    s.Option7.Value = andLink;
    s.Option8.Value = !andLink;
    s.Option9.Value = false;
    setThing(s.secondPrepositionPronounText, s.secondPrepositionNounText,
             s.secondPrepositionAdjText, pronoun, noun, adj, adjCaption);
    return *this;
  }
  MottoBuilder& question(bool MottoState::*option) {
    s.notQuestionOption = false;
    s.*option = true;
    return *this;
  }
};

// The hand-made lexicon and tables, built once per test program.
inline const Lexicon& lexicon() {
  static const Lexicon lex = smallLexicon();
  return lex;
}
inline const EnglishTables& englishTables() {
  static const EnglishTables tables = smallEnglishTables();
  return tables;
}

// Captions adapted as the previous tick would leave them, then one render.
inline MottoState rendered(MottoBuilder b) {
  participaliseForm(b.s, lexicon(), englishTables());
  renderSentences(b.s, lexicon());
  return b.s;
}
inline std::string latin(MottoBuilder b) {
  return rendered(std::move(b)).finalLatin;
}
inline std::string english(MottoBuilder b) {
  return rendered(std::move(b)).finalEnglish;
}

}  // namespace lexorra::testing
