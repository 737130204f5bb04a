// Prints the past participle of every verb headword and the plural of every
// noun headword, one "kind<TAB>headword<TAB>result" line each, so that the
// English tables can be measured against a reference (measure_english.py).
//
//   inflect_headwords TABLE_FOLDER (--lexicon LEXICON_FOLDER | --words FILE) [--rules-only]
//
// --lexicon reads the verb and noun tables of the lexicon in LEXICON_FOLDER and
// takes every entry's English headword; --words reads lines "verb love" /
// "noun dog" (the rest of the line after the kind is the caption).
// --rules-only inflects with empty irregular tables. With --lexicon the
// English meaning of every entry of all seven tables follows as
// "gloss<TAB>kind<TAB>meaning" lines, the text that word frequencies are
// counted in.
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "english/english.h"
#include "lexicon/lexicon.h"

namespace {

void emit(const lexorra::EnglishTables& tables, std::string_view kind, std::string_view headword) {
  if (headword.empty()) return;
  const std::string result = kind == "verb" ? lexorra::pastParticiple(tables, headword)
                                            : lexorra::nounPlural(tables, headword);
  std::cout << kind << '\t' << headword << '\t' << result << '\n';
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: inflect_headwords TABLE_FOLDER (--lexicon FOLDER | --words FILE)"
                 " [--rules-only]\n";
    return 2;
  }
  const std::string mode = argv[2];
  const std::string source = argv[3];
  const bool rulesOnly = argc > 4 && std::string_view(argv[4]) == "--rules-only";
  try {
    const lexorra::EnglishTables tables =
        rulesOnly ? lexorra::EnglishTables{} : lexorra::loadEnglishTables(argv[1]);
    if (mode == "--lexicon") {
      const lexorra::Lexicon lexicon = lexorra::loadDictionaries(source);
      for (auto [table, kind] : {std::pair{lexorra::Table::verb, std::string_view("verb")},
                                 std::pair{lexorra::Table::noun, std::string_view("noun")}}) {
        for (std::size_t i = 0; i < lexicon.capacity(table); ++i) {
          if (lexicon.line(table, i).empty()) continue;
          try {
            emit(tables, kind, lexicon.englishHeadword(kind, i));
          } catch (const lexorra::LookupOutOfRange& e) {
            std::cerr << kind << ' ' << i << ": " << e.what() << '\n';
          }
        }
      }
      for (const auto& info : lexorra::kTables) {
        for (std::size_t i = 0; i < info.capacity; ++i) {
          if (lexicon.line(info.table, i).empty()) continue;
          try {
            std::cout << "gloss\t" << info.kind << '\t' << lexicon.entryGloss(info.kind, i) << '\n';
          } catch (const lexorra::LookupOutOfRange&) {
          }
        }
      }
    } else if (mode == "--words") {
      std::ifstream in(source);
      if (!in) {
        std::cerr << source << ": cannot be opened\n";
        return 1;
      }
      std::string line;
      while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto space = line.find(' ');
        if (line.empty() || line[0] == '#' || space == std::string::npos) continue;
        emit(tables, std::string_view(line).substr(0, space),
             std::string_view(line).substr(space + 1));
      }
    } else {
      std::cerr << "unknown mode " << mode << '\n';
      return 2;
    }
  } catch (const lexorra::DataFileError& e) {
    std::cerr << e.what() << '\n';
    return 1;
  }
  return 0;
}
