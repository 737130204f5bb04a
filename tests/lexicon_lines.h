// Lexicon lines that pass every check of loading, for tests that build small
// tables of their own.
#pragma once

#include <string>
#include <string_view>

#include "lexicon/lexicon.h"

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

}  // namespace lexorra::testing
