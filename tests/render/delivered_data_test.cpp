// Real mottos on the delivered data files, each checked by hand for correct
// Latin. Words are found by their Latin form, not by index, so the tests
// survive a regenerated lexicon.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "delivered_motto.h"

namespace lexorra {
namespace {

using namespace lexorra::testing;

struct MottoCase {
  std::string_view name;
  MottoBuilder motto;
  std::string_view latin;
  std::string_view english;
};

void expectMottos(const MottoCase* begin, const MottoCase* end) {
  for (const MottoCase* c = begin; c != end; ++c) {
    MottoState s = settle(c->motto);
    EXPECT_EQ(s.finalLatin, c->latin) << c->name;
    EXPECT_EQ(s.finalEnglish, c->english) << c->name;
  }
}

TEST_F(DeliveredMottos, RealMottos) {
  const int omnis = adjective("omnis");
  ASSERT_GE(omnis, 0);
  // The English follows the first meaning of each entry, as the pickers
  // show it: omnis reads "all", nemo "no one".
  const MottoCase cases[] = {
      // amor (nominative) + omnia (neuter plural accusative of omnis, no
      // noun) + vincit (3rd singular present of vinco).
      {"love conquers all",
       MottoBuilder()
           .actor("()", noun("amor"))
           .act("do/does/dost/doth", verb("vincere"))
           .acted("(plural)", -1, omnis, adjectiveCaption(omnis)),
       "amor omnia vincit", "Love conquers all."},
      // nemo (nominative) + me (accusative) + impune + lacessit.
      {"no one provokes me with impunity",
       MottoBuilder()
           .actor("()", noun("nemo"))
           .act("do/does/dost/doth", verb("lacessere"))
           .acted("me")
           .manner(adverb("impune"), headword("adverb", adverb("impune"))),
       "nemo me impune lacessit", "No one provokes me with impunity."},
      // Two nominatives joined by "et"; no verb.
      {"truth and freedom",
       MottoBuilder().actor("()", noun("veritas")).linkActor(true, "()", noun("libertas")),
       "veritas et libertas ", "Truth and freedom."},
      // sine + ablative.
      {"without fear",
       MottoBuilder().preposition(preposition("sine"), "without", "()", noun("metus")),
       " sine metu ", "Without fear."},
      // Imperative singular, "tu" dropped, verb before its object.
      {"seize the day",
       [] {
         MottoBuilder b = MottoBuilder()
                              .actor("You (single)")
                              .act("should", verb("carpere"))
                              .acted("the (single)", noun("dies"));
         b.s.wordOrderBox.Value = 1;
         return b;
       }(),
       "carpe diem ", "Seize the day!"},
      // noli + infinitive forbids.
      {"do not touch me",
       MottoBuilder().actor("You (single)").act("should", verb("tangere")).negated().acted("me"),
       "noli me tangere  ", "Don't touch me!"},
      // "to be" with all be/is: the adjective agrees with vita (feminine
      // nominative singular).
      {"life is short",
       [] {
         const int brevis = adjective("brevis");
         MottoBuilder b = MottoBuilder()
                              .actor("()", noun("vita"))
                              .act("do/does/dost/doth", verb("esse"))
                              .acted("()", -1, brevis, adjectiveCaption(brevis));
         b.s.isCheckBox.Value = 1;
         return b;
       }(),
       "vita brevis est", "Life is short."},
      // ad + accusative plural.
      {"to the stars",
       MottoBuilder().preposition(preposition("ad"), headword("preposition", preposition("ad")),
                                  "the (plural)", noun("astrum")),
       " ad astra ", "To the stars."},
      // The question ending -ne on the verb, which comes first.
      {"do you love me?",
       MottoBuilder()
           .actor("You (single)")
           .act("do/does/dost/doth", verb("amare"))
           .acted("me")
           .question(&MottoState::isItThatOption),
       "amasne tu me ", "Is it the case that you do love me?"},
      // ego + te (accusative of tu) + amo.
      {"I love you",
       MottoBuilder().actor("I").act("do/does/dost/doth", verb("amare")).acted("You (single)"),
       "ego te amo", "I love you."},
  };
  expectMottos(std::begin(cases), std::end(cases));
}

}  // namespace
}  // namespace lexorra
