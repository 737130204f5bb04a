#include "pickers/spelling.h"

#include <array>

namespace lexorra {

namespace {

// Longer endings come before the shorter ones they contain ("isation" before
// "ise").
constexpr std::array<text::Replacement, 12> kAmericanSpellings = {{
    {"our", "or"},             // favour, honour, colour, armour, labour, behaviour
    {"ence", "ense"},          // defence, offence, licence, pretence
    {"grey", "gray"},          //
    {"isation", "ization"},    // civilisation
    {"ise", "ize"},            // realise, recognised, baptise
    {"yse", "yze"},            // analyse, paralyse
    {"tre", "ter"},            // centre, theatre, sceptre, fibre
    {"plough", "plow"},        //
    {"mould", "mold"},         //
    {"jewellery", "jewelry"},  //
    {"travell", "travel"},     // travelled, traveller
    {"aeval", "eval"},         // mediaeval
}};

}  // namespace

std::span<const text::Replacement> americanSpellings() {
  return kAmericanSpellings;
}

std::string americanSpelling(std::string_view search) {
  std::string spelt = text::lowerCase(search);
  text::applyReplacements(spelt, kAmericanSpellings);
  return spelt;
}

}  // namespace lexorra
