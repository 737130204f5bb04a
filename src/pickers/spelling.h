// The American spelling of British words, for a search that found nothing:
// the lexicon's English glosses spell "honor", "color", "defense", "gray",
// "realize".
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "text/textops.h"

namespace lexorra {

// The rows, applied in order to the lower-cased search text.
std::span<const text::Replacement> americanSpellings();

// The search text spelt the American way ("favour" -> "favor"); lower-cased.
std::string americanSpelling(std::string_view search);

}  // namespace lexorra
