// What every example shows one second after it is loaded, checked by hand.
#include <gtest/gtest.h>

#include "editor/motto_file.h"
#include "editor/refresh.h"
#include "english/english.h"
#include "motto_states.h"

namespace lexorra {
namespace {

// What the window shows for each entry of kExamples, in the same order.
struct Golden {
  std::string_view latin;  // as the window holds it, spaces and all
  std::string_view english;
};

constexpr Golden kGolden[] = {
    {"ego te amo", "I love you."},
    {"ego te semper amabo", "I will always love you."},
    {"veritas et libertas ", "Truth and freedom."},
    {"Deus mihi adest", "God is near to me."},
    {" sine metu ", "Without fear."},
    {"tu et ego aeternum ", "You and I eternally."},
    {"amor caecus est", "Love is blind."},
    {"nosce te ", "Get to know yourself!"},
    {"ego in libertate nascor", "I am born in freedom."},
    {"canis canem edit", "Dog eats dog."},
    {"amor omnia vincit", "Love conquers all."},
    {" omnia iusta in amore et bello ", "All are just in love and war."},
    {"nemo me impune lacessit", "No one provokes me with impunity."},
    {"Deus benedicat Americae ", "Let God bless America!"},
    {"victoria mea erit", "Victory will be mine."},
    {"amor pecuniae radix malorum omnium est", "Love of money is the root of all evils."},
    {"noli lapides in domibus vitreis iacere  ", "Don't throw stones in houses of glass!"},
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
    const std::string_view file = kExamples[i].fileName;
    MottoState state = editortest::enabledMotto();
    loadExample(state, lexicon, bin, file);
    for (int tick = 0; tick < 4; ++tick) Timer1_Timer(state, lexicon, english);
    EXPECT_EQ(state.finalLatin, kGolden[i].latin) << file;
    EXPECT_EQ(state.finalEnglish, kGolden[i].english) << file;
  }
}

}  // namespace
}  // namespace lexorra
