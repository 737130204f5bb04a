// Random valid mottos, made the way a person makes them in the window: the
// section boxes ticked in their order, pronouns from the pop-up menus, words
// chosen in the pickers' lists, the tense label clicked round, links,
// options and questions, with the refresh tick running between the acts.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "english/english.h"
#include "lexicon/lexicon.h"
#include "motto/motto_state.h"
#include "pickers/pickers.h"

namespace lexorra::testing {

class RandomMottoMaker {
 public:
  // The pickers fill their lists from `lexicon`, which must outlive the maker.
  RandomMottoMaker(const Lexicon& lexicon, const EnglishTables& english, std::uint32_t seed);

  // The next motto, settled by four refreshes as the window shows it one
  // second later.
  MottoState next();

 private:
  bool chance(double p) { return std::bernoulli_distribution(p)(random_); }
  std::size_t below(std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
  }

  void tick();
  // Ticks the section with the chance `p` if it can be ticked; whether it is
  // ticked now.
  bool tickSection(TickBox MottoState::*box, double p);
  void choosePronoun(WordSlot MottoState::*slot);
  void chooseWord(WordSlot MottoState::*slot, SearchPicker& picker, double p);
  void choosePreposition();
  void fillThing(ThingId id);
  void link(ThingId id);
  // The thing `id` filled, then perhaps linked to a second one.
  void fillAndLink(ThingId id);
  // The row of a picker's list that shows the entry `index`, or a random row.
  int rowOf(const SearchPicker& picker, std::size_t index);

  const Lexicon& lexicon_;
  const EnglishTables& english_;
  WordPickers pickers_;
  std::optional<std::size_t> numquam_;  // the adverb "numquam"
  std::mt19937 random_;
  MottoState state_;
};

}  // namespace lexorra::testing
