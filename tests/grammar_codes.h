// Tests that check field arithmetic name the grammatical codes by their
// integers, as the data layouts do.
#pragma once

#include "lexicon/grammar.h"

namespace lexorra {

inline VerbQuery verbCodes(int tense, int person, int number, int voice = 0, int mood = 0) {
  return {static_cast<Tense>(tense), static_cast<Person>(person), static_cast<Number>(number),
          static_cast<Voice>(voice), static_cast<Mood>(mood)};
}

}  // namespace lexorra
