// The Latin of the mottos people ask for most, on the delivered data, as a
// Latinist would sign it: agreement of mottos without a noun, participles,
// joined subjects, short mottos, "cum" with pronouns, "ab"/"ex", commands
// and wishes, questions, and the cases verbs govern. Each expected text was
// checked against a grammar; the Latin is compared as a reader sees it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

#include "delivered_mottos.h"

namespace lexorra {
namespace {

using namespace lexorra::testing;

using LatinMends = DeliveredMottos;

// The Latin of each motto as a reader sees it.
void expectLatin(std::initializer_list<MottoCase> cases) {
  expectSettled(cases, [](const MottoState& s) { return readLatin(s.finalLatin); });
}

// An adjective alone as the second thing, "(" headword ")" as the picker
// writes it.
MottoBuilder actedAdjective(MottoBuilder b, std::string_view pronoun, std::string_view latin) {
  const int a = adjective(latin);
  return b.acted(pronoun, -1, a, adjectiveCaption(a));
}

TEST_F(LatinMends, ThingsWithoutANounArePersonsOrThings) {
  const int be = 0;
  expectLatin({
      {"we are free",
       [&] {
         return actedAdjective(MottoBuilder().actor("We").act("do/does/dost/doth", be), "()",
                               "liber");
       },
       "nos liberi sumus"},
      {"we (women) are free",
       [&] {
         return femaleSpeaker(actedAdjective(
             MottoBuilder().actor("We").act("do/does/dost/doth", be), "()", "liber"));
       },
       "nos liberae sumus"},
      {"they are strong",
       [&] {
         return actedAdjective(MottoBuilder().actor("They").act("do/does/dost/doth", be), "()",
                               "fortis");
       },
       "ei fortes"},
      {"I love them",
       [] {
         return MottoBuilder().actor("I").act("do/does/dost/doth", verb("amare")).acted("them");
       },
       "ego eos amo"},
      {"fortune helps the brave",
       [] {
         return actedAdjective(
             MottoBuilder().actor("()", noun("fortuna")).act("do/does/dost/doth", verb("adiuvare")),
             "the (plural)", "fortis");
       },
       "fortuna fortes adiuvat"},
      {"love conquers all (things)",
       [] {
         return actedAdjective(
             MottoBuilder().actor("()", noun("amor")).act("do/does/dost/doth", verb("vincere")),
             "(plural)", "omnis");
       },
       "amor omnia vincit"},
  });
}

TEST_F(LatinMends, LinkingVerbsTakeAPredicateLikeBe) {
  const int nasci = verb("nasci");
  expectLatin({
      {"a woman: I was born free",
       [=] {
         return femaleSpeaker(
             actedAdjective(MottoBuilder().actor("I").act("did/didst", nasci), "()", "liber"));
       },
       "ego libera nata sum"},
      {"we were born free",
       [=] {
         return actedAdjective(MottoBuilder().actor("We").act("did/didst", nasci), "()", "liber");
       },
       "nos liberi nati sumus"},
      {"I remain free",
       [] {
         return actedAdjective(MottoBuilder().actor("I").act("do/does/dost/doth", verb("manere")),
                               "()", "liber");
       },
       "ego liber maneo"},
  });
}

TEST_F(LatinMends, APronounAfterBeKeepsItsOwnGender) {
  expectLatin({
      {"what am I?",
       [] { return MottoBuilder().actor("I").act("do/does/dost/doth", 0).acted("what"); },
       "ego quid sum"},
      {"the girl is him: the pronoun stays masculine",
       [] {
         return MottoBuilder()
             .actor("The (single)", noun("puella"))
             .act("do/does/dost/doth", 0)
             .acted("him");
       },
       "puella is"},
  });
}

TEST_F(LatinMends, TheEagleIsFeminine) {
  expectLatin({
      {"the most beautiful eagle",
       [] {
         const int pulcher = adjective("pulcher");
         return MottoBuilder().actor("The (single)", findLatin(Table::noun, 5, "aquila", "eagle"),
                                     pulcher, "(most " + headword("adjective", pulcher) + ")");
       },
       "aquila pulcherrima"},
  });
}

TEST_F(LatinMends, ParticiplesAgreeWithTheSubject) {
  const int nasci = verb("nasci");
  expectLatin({
      {"a woman: I was born", mottos::iWasBornAWoman, "ego nata sum"},
      {"a man: I was born", [=] { return MottoBuilder().actor("I").act("did/didst", nasci); },
       "ego natus sum"},
      {"you (a woman) were born",
       [=] { return femaleYou(MottoBuilder().actor("You (single)").act("did/didst", nasci)); },
       "tu nata es"},
      {"the girl died",
       [] {
         return MottoBuilder().actor("The (single)", noun("puella")).act("did/didst", verb("mori"));
       },
       "puella mortua est"},
      {"they were born", [=] { return MottoBuilder().actor("They").act("did/didst", nasci); },
       "ei nati sunt"},
      {"girl and brother were born: the masculine of mixed genders",
       [=] {
         return MottoBuilder()
             .actor("()", noun("puella"))
             .linkActor(true, "()", noun("frater"))
             .act("did/didst", nasci);
       },
       "puella et frater nati sunt"},
  });
}

TEST_F(LatinMends, JoinedSubjectsAndShortMottos) {
  const int amare = verb("amare");
  expectLatin({
      {"you and I will conquer",
       [] {
         return MottoBuilder()
             .actor("You (single)")
             .linkActor(true, "I")
             .act("will", verb("vincere"));
       },
       "tu et ego vincemus"},
      {"brother and I love you",
       [=] {
         return MottoBuilder()
             .actor("()", noun("frater"))
             .linkActor(true, "I")
             .act("do/does/dost/doth", amare)
             .acted("You (single)");
       },
       "frater et ego te amamus"},
      {"brother and I love you, short: the joined subject keeps its pronoun",
       [=] {
         return shortMotto(MottoBuilder()
                               .actor("()", noun("frater"))
                               .linkActor(true, "I")
                               .act("do/does/dost/doth", amare)
                               .acted("You (single)"));
       },
       "frater et ego te amamus"},
      {"you and he: a plural you",
       [] {
         return MottoBuilder()
             .actor("You (single)")
             .linkActor(true, "he")
             .act("will", verb("vincere"));
       },
       "tu et is vincetis"},
      {"I love you, short",
       [=] {
         return shortMotto(
             MottoBuilder().actor("I").act("do/does/dost/doth", amare).acted("You (single)"));
       },
       "te amo"},
      {"I go to the stars, short: ad stays",
       [] {
         return shortMotto(
             MottoBuilder()
                 .actor("I")
                 .act("do/does/dost/doth", verb("ire"))
                 .preposition(preposition("ad"), "to", "the (plural)", noun("astrum")));
       },
       "ad astra eo"},
      {"who loves you, short: the verb does not carry 'who'",
       [=] {
         return shortMotto(
             MottoBuilder().actor("Who").act("do/does/dost/doth", amare).acted("You (single)"));
       },
       "quis te amat"},
      {"the pronoun of an of-link stays in a short motto",
       [] { return shortMotto(MottoBuilder().actor("()", noun("amor")).linkActor(false, "he")); },
       "amor eius"},
      {"an and-link with nothing in it, in the second thing",
       [=] {
         return MottoBuilder()
             .actor("I")
             .act("do/does/dost/doth", amare)
             .acted("You (single)")
             .linkActed(true, "()");
       },
       "ego te amo"},
      {"an and-link with nothing in it, in the prepositional phrase",
       [] {
         return MottoBuilder()
             .preposition(preposition("cum"), "with", "the (single)", noun("canis"))
             .linkPreposition(true, "()");
       },
       "cum cane"},
      {"an and-link after nothing: the linked thing is the subject",
       [=] {
         return MottoBuilder()
             .actor("()")
             .linkActor(true, "we")
             .act("do/does/dost/doth", amare)
             .acted("You (single)");
       },
       "nos te amamus"},
      {"with nothing and him",
       [] {
         return MottoBuilder()
             .preposition(preposition("cum"), "with", "()")
             .linkPreposition(true, "him");
       },
       "cum eo"},
      {"an and-link with nothing in it",
       [=] {
         return MottoBuilder()
             .actor("()", noun("puer"))
             .linkActor(true, "()")
             .act("do/does/dost/doth", amare)
             .acted("me");
       },
       "puer me amat"},
  });
}

TEST_F(LatinMends, PrepositionsWithPronounsAndAfterTheirNoun) {
  const int cum = preposition("cum");
  expectLatin({
      {"God is with me", mottos::godIsWithMe, "Deus mecum"},
      {"with me and you",
       [=] {
         return MottoBuilder().preposition(cum, "with", "me").linkPreposition(true, "you (single)");
       },
       "mecum et tecum"},
      {"with us, short", [=] { return shortMotto(MottoBuilder().preposition(cum, "with", "us")); },
       "nobiscum"},
      {"with him stays two words", [=] { return MottoBuilder().preposition(cum, "with", "him"); },
       "cum eo"},
      {"from him", [] { return MottoBuilder().preposition(preposition("a"), "from", "him"); },
       "ab eo"},
      {"out of the water",
       [] { return mottos::prepositionOnly("e", "out of", "the (single)", "aqua"); }, "ex aqua"},
      {"by the enemy", [] { return mottos::prepositionOnly("ab", "by", "the (single)", "hostis"); },
       "ab hoste"},
      {"out of the wood",
       [] { return mottos::prepositionOnly("ex", "out of", "the (single)", "silva"); }, "e silva"},
      {"for the sake of honour",
       [] { return mottos::prepositionOnly("causa", "for the sake of", "()", "honor"); },
       "honoris causa"},
      {"for the sake of example",
       [] { return mottos::prepositionOnly("gratia", "for the sake of", "()", "exemplum"); },
       "exempli gratia"},
      {"up to the chest",
       [] { return mottos::prepositionOnly("tenus", "as far as", "the (single)", "pectus"); },
       "pectore tenus"},
  });
}

TEST_F(LatinMends, CommandsWishesAndNegation) {
  const int amare = verb("amare");
  const int timere = verb("timere");
  const int never = adverb("numquam");
  expectLatin({
      {"love me (several)",
       [=] { return MottoBuilder().actor("You (plural)").act("should", amare).acted("me"); },
       "me amate"},
      {"love yourselves: the object vos stays",
       [=] {
         return alternativeOrder(
             MottoBuilder().actor("You (plural)").act("should", amare).acted("You (plural)"));
       },
       "amate vos"},
      {"do not leave me (several)", mottos::doNotLeaveMe, "nolite me relinquere"},
      {"he should not fear",
       [=] { return MottoBuilder().actor("He").act("should", timere).negated(); }, "is ne timeat"},
      {"he should not fear, short",
       [=] { return shortMotto(MottoBuilder().actor("He").act("should", timere).negated()); },
       "ne timeat"},
      {"we should not fear",
       [=] { return MottoBuilder().actor("We").act("should", timere).negated(); },
       "nos ne timeamus"},
      {"you and I should not fear",
       [=] {
         return MottoBuilder()
             .actor("You (single)")
             .linkActor(true, "I")
             .act("should", timere)
             .negated();
       },
       "tu et ego ne timeamus"},
      {"the dog should not fear: an article is no 'you'",
       [=] {
         return MottoBuilder().actor("The (single)", noun("canis")).act("should", timere).negated();
       },
       "canis ne timeat"},
      {"never yield", [] { return mottos::neverYield("You (single)"); }, "noli umquam cedere"},
      {"never yield (several)", [] { return mottos::neverYield("You (plural)"); },
       "nolite umquam cedere"},
      {"never throw stones: noli umquam leads",
       [] {
         return MottoBuilder()
             .actor("You (single)")
             .act("should", verb("iacere"))
             .negated()
             .acted("the (plural)", findLatin(Table::noun, 6, "lapidis"))
             .manner(adverb("numquam"), "never");
       },
       "noli umquam lapides iacere"},
      {"let him never fear, short", mottos::letHimNeverFearShort, "ne umquam timeat"},
      {"he is not always happy: non before semper",
       [=] {
         return actedAdjective(MottoBuilder().actor("He").act("do/does/dost/doth", 0).negated(),
                               "()", "felix")
             .manner(adverb("semper"), "always");
       },
       "is felix non semper est"},
      {"let him not always fear",
       [=] {
         return MottoBuilder()
             .actor("He")
             .act("should", timere)
             .negated()
             .manner(adverb("semper"), "always");
       },
       "is ne semper timeat"},
      {"he will never go",
       [=] {
         return MottoBuilder()
             .actor("He")
             .act("will", verb("ire"))
             .negated()
             .manner(never, "never");
       },
       "is numquam ibit"},
  });
}

TEST_F(LatinMends, QuestionsKeepWhatCarriesThem) {
  expectLatin({
      {"is love blind?", mottos::isLoveBlind, "estne amor caecus"},
      {"why God man: why leaves est out", mottos::whyGodMan, "cur Deus homo"},
  });
}

TEST_F(LatinMends, TheCaseAVerbGoverns) {
  expectLatin({
      {"I trust you",
       [] {
         return MottoBuilder()
             .actor("I")
             .act("do/does/dost/doth", verb("credere"))
             .acted("You (single)");
       },
       "ego tibi credo"},
      {"fortune favours the brave",
       [] {
         return actedAdjective(
             MottoBuilder().actor("()", noun("fortuna")).act("do/does/dost/doth", verb("favere")),
             "the (plural)", "fortis");
       },
       "fortuna fortibus favet"},
      {"I use the sword",
       [] {
         return MottoBuilder()
             .actor("I")
             .act("do/does/dost/doth", verb("uti"))
             .acted("the (single)", noun("gladius"));
       },
       "ego gladio utor"},
      {"have mercy on me", [] { return mottos::haveMercyOn("me"); }, "miserere mei"},
      {"have mercy on us: the objective genitive", [] { return mottos::haveMercyOn("us"); },
       "miserere nostri"},
      {"remember me",
       [] {
         return alternativeOrder(
             MottoBuilder().actor("You (single)").act("should", verb("meminisse")).acted("me"));
       },
       "memento mei"},
      {"I can trust you: the case of the chosen verb", mottos::iCanTrustYou,
       "ego tibi credere possum"},
      {"an and-link takes the governed case too",
       [] {
         return MottoBuilder()
             .actor("I")
             .act("do/does/dost/doth", verb("credere"))
             .acted("You (single)")
             .linkActed(true, "him");
       },
       "ego tibi et ei credo"},
  });
}

}  // namespace
}  // namespace lexorra
