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

// Fill the tables from "engIrregVerbs.txt" / "engIrregNouns.txt" in `folder`
// (the program's folder when omitted), or from a stream. Throw DataFileError
// for a missing, unreadable or empty file or one with too many lines; the
// table is left unchanged then.
void loadIrregularVerbs(EnglishTables& tables, const std::filesystem::path& folder);
void loadIrregularVerbs(EnglishTables& tables, std::istream& in);
void loadIrregularNouns(EnglishTables& tables, const std::filesystem::path& folder);
void loadIrregularNouns(EnglishTables& tables, std::istream& in);
// Both, from `folder`.
EnglishTables loadEnglishTables(const std::filesystem::path& folder);

// The caption with its first word turned into the past participle.
std::string pastParticiple(const EnglishTables& tables, std::string_view caption);
// The plural of a noun caption.
std::string nounPlural(const EnglishTables& tables, std::string_view caption);

}  // namespace lexorra
