// Example mottos described the way a person builds them in the window: which
// sections are ticked, which pronoun menu items are chosen, which words (by
// their Latin dictionary form) fill the slots, and the options. The builder
// looks the words up in the lexicon and turns a description into the motto,
// so the example files follow the lexicon whenever it is regenerated.
#pragma once

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "motto/motto_state.h"
#include "lexicon/lexicon.h"

namespace lexorra::examples {

// A lexicon word by its dictionary form:
//   noun        "amor, amoris"           nominative and genitive singular
//   verb        "amo, amare"             first person and infinitive
//   adjective   "caecus, caeca, caecum"  nominative of each gender ("omnis,
//                                        omne" for two endings, one form for one)
//   adverb      "semper"
//   preposition "sine" with the case it governs ("ABL")
// `hint`, when given, must occur in the entry's English meaning; it picks
// one of several entries with the same forms ("malum, mali": apple or evil).
struct Word {
  SlotKind kind = SlotKind::tense;  // tense: no word
  std::string_view form{};
  std::string_view hint{};
  std::string_view governedCase{};  // prepositions only
};

constexpr Word noun(std::string_view form, std::string_view hint = {}) {
  return {SlotKind::noun, form, hint, {}};
}
constexpr Word verb(std::string_view form, std::string_view hint = {}) {
  return {SlotKind::verb, form, hint, {}};
}
constexpr Word adjective(std::string_view form, std::string_view hint = {}) {
  return {SlotKind::adjective, form, hint, {}};
}
constexpr Word adverb(std::string_view form, std::string_view hint = {}) {
  return {SlotKind::adverb, form, hint, {}};
}
constexpr Word preposition(std::string_view form, std::string_view governedCase) {
  return {SlotKind::preposition, form, {}, governedCase};
}

// One thing of the motto: a pronoun menu item ("i_option", "yousing_acted";
// empty leaves "()"), a noun and an adjective.
struct Thing {
  std::string_view pronoun{};
  Word noun{};
  Word adjective{};
};

enum class Link { none, andLink, ofLink };

struct ExampleDescription {
  std::string_view fileName{};  // one of the Examples menu's files
  // "The first thing(s)", with its link.
  Thing first{};
  Link firstLink = Link::none;
  Thing firstLinked{};
  // "The Act".
  Word verb{};
  std::string_view tense = "do/does/dost/doth";
  bool negated = false;
  // "The second thing(s)".
  Thing second{};
  Link secondLink = Link::none;
  Thing secondLinked{};
  // "How it happens".
  Word adverb{};
  Word preposition{};
  Thing prepositionThing{};
  Link prepositionLink = Link::none;
  Thing prepositionLinked{};
  // Latin options.
  bool includePronouns = true;
  bool includeAllBe = false;
  bool alternativeOrder = false;
  bool speakerFemale = false;
  bool youFemale = false;
};

// The seventeen examples, one per item of the Examples menu.
std::span<const ExampleDescription> exampleDescriptions();

class ExampleError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The lexicon index of a word; throws ExampleError when no entry matches.
std::size_t findWord(const Lexicon& lexicon, const Word& word);

// The motto of a description, built with the window's own operations (ticks,
// menu choices, links, the tense ring) from a reset motto.
MottoState buildExample(const Lexicon& lexicon, const ExampleDescription& example);

}  // namespace lexorra::examples
