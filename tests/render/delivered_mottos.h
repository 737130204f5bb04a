// Mottos on the delivered data that more than one test checks: the Latin
// tests check what the renderer writes, the sheet tests how each word of the
// same motto is explained. Each is built when called, once the delivered
// data is known to be there.
#pragma once

#include <string_view>

#include "delivered_motto.h"

namespace lexorra::testing::mottos {

// God is with me: "Deus mecum".
inline MottoBuilder godIsWithMe() {
  return MottoBuilder()
      .actor("()", noun("Deus"))
      .act("do/does/dost/doth", 0)
      .preposition(preposition("cum"), "with", "me");
}

// Is love blind?
inline MottoBuilder isLoveBlind() {
  const int caecus = adjective("caecus");
  return MottoBuilder()
      .actor("()", noun("amor"))
      .act("do/does/dost/doth", 0)
      .acted("()", -1, caecus, adjectiveCaption(caecus))
      .question(&MottoState::isItThatOption);
}

// Why (is) God man?
inline MottoBuilder whyGodMan() {
  return MottoBuilder()
      .actor("()", noun("Deus"))
      .act("do/does/dost/doth", 0)
      .acted("()", noun("homo"))
      .question(&MottoState::whyOption);
}

// Never yield, said to `you`: "You (single)" or "You (plural)".
inline MottoBuilder neverYield(std::string_view you) {
  return MottoBuilder()
      .actor(you)
      .act("should", verb("cedere"))
      .negated()
      .manner(adverb("numquam"), "never");
}

// Do not leave me, said to several.
inline MottoBuilder doNotLeaveMe() {
  return MottoBuilder()
      .actor("You (plural)")
      .act("should", verb("relinquere"))
      .negated()
      .acted("me");
}

// Let him never fear, without the pronoun.
inline MottoBuilder letHimNeverFearShort() {
  return shortMotto(MottoBuilder()
                        .actor("He")
                        .act("should", verb("timere"))
                        .negated()
                        .manner(adverb("numquam"), "never"));
}

// Have mercy on `whom` ("me", "us"), in the other word order.
inline MottoBuilder haveMercyOn(std::string_view whom) {
  return alternativeOrder(
      MottoBuilder().actor("You (single)").act("should", verb("misereri")).acted(whom));
}

// I was born, said by a woman.
inline MottoBuilder iWasBornAWoman() {
  return femaleSpeaker(MottoBuilder().actor("I").act("did/didst", verb("nasci")));
}

// I can trust you.
inline MottoBuilder iCanTrustYou() {
  return MottoBuilder().actor("I").act("can", verb("credere")).acted("You (single)");
}

// The prepositional phrase alone: `latin` (the preposition as the lexicon
// spells it) with the caption `english`, then `pronoun` and the noun whose
// nominative is `nounLatin`.
inline MottoBuilder prepositionOnly(std::string_view latin, std::string_view english,
                                    std::string_view pronoun, std::string_view nounLatin) {
  return MottoBuilder().preposition(preposition(latin), english, pronoun, noun(nounLatin));
}

}  // namespace lexorra::testing::mottos
