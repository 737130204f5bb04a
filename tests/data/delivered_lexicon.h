// The delivered lexicon, loaded once from the program's folder, and the
// search the data tests use to find an entry by its Latin form and meaning.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "lexicon/lexicon.h"

namespace lexorra::testing {

inline const Lexicon& lexicon() {
  static const Lexicon lex = loadDictionaries();
  return lex;
}

// Index of the first entry whose look-up form is `form` and whose meaning
// begins with `gloss`; -1 when there is none.
inline long findEntry(Table table, std::string_view kind, std::string_view form,
                      std::string_view gloss, const std::function<std::string(long)>& formOf) {
  const Lexicon& lex = lexicon();
  for (std::size_t i = 0; i < lex.capacity(table); ++i) {
    if (lex.line(table, i).empty()) break;
    const long index = static_cast<long>(i);
    if (formOf(index) == form && lex.entryGloss(kind, index).starts_with(gloss)) return index;
  }
  return -1;
}

}  // namespace lexorra::testing
