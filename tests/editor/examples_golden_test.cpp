// What every example shows one second after it is loaded, checked by hand.
#include <gtest/gtest.h>

#include "editor/motto_file.h"
#include "editor/refresh.h"
#include "english/english.h"

namespace lexorra {
namespace {

struct Golden {
  std::string_view file;
  std::string_view latin;  // as the window holds it, spaces and all
  std::string_view english;
};

// In the order of the Examples menu.
constexpr Golden kGolden[] = {
    {"ex_i_love_you", "ego te amo", "I love you."},
    {"ex_i_will_love_you_always", "ego te semper amabo", "I will always love you."},
    {"ex_truth_and_freedom", "veritas et libertas ", "Truth and freedom."},
    {"ex_god_is_with_me", "Deus mihi adest", "God is near to me."},
    {"ex_without_fear", " sine metu ", "Without fear."},
    {"ex_you_and_i_for_ever", "tu et ego aeternum ", "You and I eternally."},
    {"ex_love_is_blind", "amor caecus est", "Love is blind."},
    {"ex_get_to_know_yourself", "nosce te ", "Get to know yourself!"},
    {"ex_I_am_born_in_freedom", "ego in libertate nascor", "I am born in freedom."},
    {"Ex_Dog_eatconsumedevours_dog", "canis canem edit", "Dog eats dog."},
    {"Ex_Love_conquers_everythings", "amor omnia vincit", "Love conquers all."},
    {"Ex_Allevery_are_just_in_love_and_war", " omnia iusta in amore et bello ",
     "All are just in love and war."},
    {"ex_no_one_provokes_me_with_impunity", "nemo me impune lacessit",
     "No one provokes me with impunity."},
    {"ex_let_god_bless_america", "Deus benedicat Americae ", "Let God bless America!"},
    {"ex_victory_will_be_mine", "victoria mea erit", "Victory will be mine."},
    {"ex_love_of_money_is_the_root_of_allevery_evil", "amor pecuniae radix malorum omnium est",
     "Love of money is the root of all evils."},
    {"Ex_Dont_throw_stones_in_of_glass_houses", "noli lapides in domibus vitreis iacere  ",
     "Don't throw stones in houses of glass!"},
};

TEST(ExamplesGolden, EachExampleRendersItsMotto) {
  const std::filesystem::path bin = LEXORRA_BIN_DIR;
  Lexicon lexicon;
  EnglishTables english;
  try {
    lexicon = loadDictionaries(bin);
    english = loadEnglishTables(bin);
  } catch (const DataFileError& e) {
    GTEST_SKIP() << "the delivered data is not complete: " << e.what();
  }
  ASSERT_EQ(std::size(kGolden), kExamples.size());
  for (std::size_t i = 0; i < kExamples.size(); ++i) {
    const Golden& golden = kGolden[i];
    ASSERT_EQ(kExamples[i].fileName, golden.file);
    MottoState state;
    state.Enabled = true;
    loadExample(state, lexicon, bin, golden.file);
    for (int tick = 0; tick < 4; ++tick) Timer1_Timer(state, lexicon, english);
    EXPECT_EQ(state.finalLatin, golden.latin) << golden.file;
    EXPECT_EQ(state.finalEnglish, golden.english) << golden.file;
  }
}

}  // namespace
}  // namespace lexorra
