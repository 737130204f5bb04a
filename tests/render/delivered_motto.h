// Mottos on the delivered data files: the data loaded once, words found by
// their Latin form (not by index, so tests survive a regenerated lexicon),
// and a motto settled as the window shows it one second after it was set.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "render/render.h"
#include "test_motto.h"
#include "text/textops.h"

namespace lexorra::testing {

inline const std::filesystem::path kDataFolder = LEXORRA_BIN_DIR;

// The first delivered file that is not beside the program, if any.
inline std::optional<std::string> missingDataFile() {
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

inline const DeliveredData& delivered() {
  static const DeliveredData data{loadDictionaries(kDataFolder), loadEnglishTables(kDataFolder)};
  return data;
}

// The first entry whose field `field` reads `latin`, or -1.
inline int findLatin(Table table, std::size_t field, std::string_view latin) {
  const Lexicon& lex = delivered().lexicon;
  for (std::size_t i = 0; i < lex.capacity(table); ++i) {
    auto f = text::fieldAt(lex.line(table, i), field);
    if (f && *f == latin) return static_cast<int>(i);
  }
  return -1;
}
// The same among the entries whose English meaning begins with `gloss`.
inline int findLatin(Table table, std::size_t field, std::string_view latin,
                     std::string_view gloss) {
  const Lexicon& lex = delivered().lexicon;
  for (std::size_t i = 0; i < lex.capacity(table); ++i) {
    auto f = text::fieldAt(lex.line(table, i), field);
    if (f && *f == latin && lex.entryGloss(tableInfo(table).kind, i).starts_with(gloss))
      return static_cast<int>(i);
  }
  return -1;
}
inline int noun(std::string_view nominative) {
  return findLatin(Table::noun, 5, nominative);
}
inline int verb(std::string_view infinitive) {
  return findLatin(Table::verb, 1, infinitive);
}
inline int adjective(std::string_view masculine) {
  return findLatin(Table::adjective, 0, masculine);
}
inline int adverb(std::string_view latin) {
  return findLatin(Table::adverb, 0, latin);
}
inline int preposition(std::string_view latin) {
  return findLatin(Table::preposition, 0, latin);
}

inline std::string headword(std::string_view kind, int index) {
  return std::string(delivered().lexicon.englishHeadword(kind, index));
}

// An adjective caption as the picker writes it for the positive degree.
inline std::string adjectiveCaption(int index) {
  return "( " + std::string(delivered().lexicon.englishHeadword("adjective", index)) + ")";
}

// Four refresh-equivalent passes, as the window shows a motto one second
// after it was set.
inline MottoState settle(MottoBuilder b) {
  for (int i = 0; i < 4; ++i) {
    renderSentences(b.s, delivered().lexicon);
    participaliseForm(b.s, delivered().lexicon, delivered().english);
  }
  renderSentences(b.s, delivered().lexicon);
  return b.s;
}

// Small changes to a motto under construction: one of its option boxes set.
inline MottoBuilder withBox(MottoBuilder b, CheckBox MottoState::*box, int value) {
  (b.s.*box).Value = value;
  return b;
}
inline MottoBuilder femaleSpeaker(MottoBuilder b) {
  return withBox(std::move(b), &MottoState::femaleBox, 1);
}
inline MottoBuilder femaleYou(MottoBuilder b) {
  return withBox(std::move(b), &MottoState::youFemaleBox, 1);
}
inline MottoBuilder shortMotto(MottoBuilder b) {
  return withBox(std::move(b), &MottoState::Check1, 0);
}
inline MottoBuilder alternativeOrder(MottoBuilder b) {
  return withBox(std::move(b), &MottoState::wordOrderBox, 1);
}

// One row of a table of mottos: the motto is built when the row is checked,
// after the fixture has made sure the delivered data is there.
struct MottoCase {
  std::string_view name;
  std::function<MottoBuilder()> motto;
  std::string_view expected;
};

// Each motto of `cases`, settled, gives its expected text as `text` reads it.
inline void expectSettled(std::initializer_list<MottoCase> cases,
                          const std::function<std::string(const MottoState&)>& text) {
  for (const MottoCase& c : cases) EXPECT_EQ(text(settle(c.motto())), c.expected) << c.name;
}

class DeliveredMottos : public ::testing::Test {
 protected:
  void SetUp() override {
    if (auto missing = missingDataFile())
      GTEST_SKIP() << "the delivered data file \"" << *missing
                   << "\" is not beside the program yet";
  }
};

// The Latin as a reader sees it: surrounding spaces trimmed, runs folded.
inline std::string readLatin(std::string_view latin) {
  std::string folded;
  for (char c : text::trimSpaces(latin))
    if (c != ' ' || folded.empty() || folded.back() != ' ') folded += c;
  return folded;
}

}  // namespace lexorra::testing
