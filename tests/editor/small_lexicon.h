// A lexicon of a few hand-made entries for the editor tests.
#pragma once

#include <sstream>
#include <string>

#include "lexicon/lexicon.h"

namespace lexorra::editortest {

// `count` numbered forms "<stem>0 <stem>1 ...", then the meaning.
inline std::string formsLine(const std::string& stem, int count, const std::string& meaning) {
  std::string line;
  for (int i = 0; i < count; ++i) line += stem + std::to_string(i) + " ";
  return line + "::" + meaning;
}

// Nouns 0 "love", 1 "fear", 2 an empty last line, 3 past the file; adjectives
// 0 "my", 1 "good"; verbs 0 "be", 1 "love"; adverbs 0 "always"; prepositions
// 0 "without", 1 "with".
inline Lexicon editorLexicon() {
  Lexicon lexicon;
  auto load = [&](Table table, const std::string& text) {
    std::istringstream in(text);
    lexicon.loadTable(table, in);
  };
  load(Table::noun, formsLine("amor", 17, " love, affection; charity ") + "\r\n" +
                        formsLine("metus", 17, "fear") + "\r\n\r\n");
  load(Table::adjective, formsLine("me", 108, "my") + "\r\n" + formsLine("bon", 108, "good, fine"));
  load(Table::verb, formsLine("esse", 157, "be") + "\r\n" + formsLine("amo", 157, "love"));
  load(Table::adverb, "semper ::always\r\n");
  load(Table::preposition, "sine x x x ABL ::without\r\ncum x x x ABL ::with\r\n");
  return lexicon;
}

}  // namespace lexorra::editortest
