#include "lexicon/grammar.h"

#include <utility>

namespace lexorra {

namespace {

// Present-stem tense, then the perfect-stem tense it pairs with.
constexpr std::array<std::pair<Tense, Tense>, 3> kStemTenses = {{
    {Tense::present, Tense::perfect},
    {Tense::imperfect, Tense::pluperfect},
    {Tense::future, Tense::futurePerfect},
}};

}  // namespace

std::optional<Tense> perfectTenseOf(Tense presentStemTense) {
  for (auto [present, perfect] : kStemTenses)
    if (present == presentStemTense) return perfect;
  return std::nullopt;
}

std::optional<Tense> presentTenseOf(Tense perfectStemTense) {
  for (auto [present, perfect] : kStemTenses)
    if (perfect == perfectStemTense) return present;
  return std::nullopt;
}

}  // namespace lexorra
