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

constexpr std::array<std::pair<std::string_view, Case>, 5> kGovernedCases = {{
    {"ACC", Case::accusative},
    {"ABL", Case::ablative},
    {"GEN", Case::genitive},
    {"NOM", Case::nominative},
    {"DAT", Case::dative},
}};

}  // namespace

std::optional<Case> governedCase(std::string_view name) {
  for (auto [written, governed] : kGovernedCases)
    if (written == name) return governed;
  return std::nullopt;
}

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
