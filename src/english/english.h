// English inflection: the irregular English tables and the rules that give a
// verb caption's past participle and a noun caption's plural.
#pragma once

#include <cstddef>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "text/datafile.h"

namespace lexorra {

inline constexpr std::size_t kIrregularVerbCapacity = 456;
inline constexpr std::size_t kIrregularNounCapacity = 104;

// The two tables, each with exactly its capacity of positions; positions that
// the file did not reach are empty. Verb lines "base past participle", noun
// lines "singular plural", fields cut at single spaces.
struct EnglishTables {
  std::vector<std::string> irregularVerbs = std::vector<std::string>(kIrregularVerbCapacity);
  std::vector<std::string> irregularNouns = std::vector<std::string>(kIrregularNounCapacity);
};

// Fill one table from "engIrregVerbs.txt" / "engIrregNouns.txt" in `folder`,
// or from a stream; each line is stored as read, without its line end, and
// positions past the last line are empty. Throw DataFileError for a missing,
// unreadable or empty file or one with more lines than the table holds; the
// table is left unchanged then.
void loadIrregularVerbs(EnglishTables& tables, const std::filesystem::path& folder);
void loadIrregularVerbs(EnglishTables& tables, std::istream& in);
void loadIrregularNouns(EnglishTables& tables, const std::filesystem::path& folder);
void loadIrregularNouns(EnglishTables& tables, std::istream& in);
// Both, verbs first, from `folder` or from the program's folder.
EnglishTables loadEnglishTables(const std::filesystem::path& folder);
EnglishTables loadEnglishTables();

// The caption with its stem (the text before the first space, "/" or "(")
// turned into the past participle where it begins the caption; "" for "".
std::string pastParticiple(const EnglishTables& tables, std::string_view caption);
// The plural of a noun caption: its head noun (the word before " of " or
// another phrase, else the last word) takes the plural, by the irregular
// table or the suffix rules; "" for "".
std::string nounPlural(const EnglishTables& tables, std::string_view caption);
// The head noun of a caption, the word that takes the plural.
std::string_view headNoun(std::string_view caption);

}  // namespace lexorra
