// The rows of the sheet for the mottos whose Latin the renderer shapes by a
// rule of its own: each word with its dictionary form, part of speech, form
// and part in the motto, as a Latinist reads it.
#include "explain/explain.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "render/delivered_mottos.h"

namespace lexorra {
namespace {

using namespace lexorra::testing;

// A row as "word | dictionary form | part of speech | form | part".
std::string rowLine(const explain::WordRow& row) {
  return row.word + " | " + row.dictionaryForm + " | " + row.partOfSpeech + " | " + row.form +
         " | " + row.part;
}

struct SheetCase {
  std::string_view name;
  std::function<MottoBuilder()> motto;
  std::string_view latin;
  std::vector<std::string> rows;
};

class ExplainSheet : public DeliveredMottos {
 protected:
  static void expectSheets(std::initializer_list<SheetCase> cases) {
    for (const SheetCase& c : cases) {
      const MottoState state = settle(c.motto());
      const explain::Explanation sheet = explain::explainMotto(state, delivered().lexicon);
      EXPECT_EQ(sheet.latin, c.latin) << c.name;
      std::vector<std::string> rows;
      for (const explain::WordRow& row : sheet.rows) rows.push_back(rowLine(row));
      EXPECT_EQ(rows, c.rows) << c.name;
    }
  }
};

TEST_F(ExplainSheet, WordsJoinedAndQuestions) {
  expectSheets({
      {"God is with me: mecum is the pronoun and cum",
       mottos::godIsWithMe,
       "Deus mecum",
       {"Deus | Deus, Dei | noun, masculine | nominative singular | first thing",
        "me | ego | pronoun | ablative singular | with the preposition cum",
        "-cum | cum + ablative | preposition | takes the ablative | how it happens (cum written "
        "onto its pronoun)"}},
      {"is love blind?",
       mottos::isLoveBlind,
       "estne amor caecus",
       {"est | sum, esse | verb | present indicative active, third person singular | act",
        "-ne | -ne | enclitic particle | written onto the word it asks about | question word",
        "amor | amor, amoris | noun, masculine | nominative singular | first thing",
        "caecus | caecus, caeca, caecum | adjective | nominative singular masculine | second "
        "thing (what the first thing is)"}},
      {"why God man",
       mottos::whyGodMan,
       "cur Deus homo",
       {"cur | cur | adverb | does not change | question word",
        "Deus | Deus, Dei | noun, masculine | nominative singular | first thing",
        "homo | homo, hominis | noun, masculine | nominative singular | second thing (what the "
        "first thing is)"}},
      {"love of money is the root",
       [] {
         return MottoBuilder()
             .actor("()", noun("amor"))
             .linkActor(false, "()", noun("pecunia"))
             .act("do/does/dost/doth", 0)
             .acted("()", noun("radix"));
       },
       "amor pecuniae radix",
       {"amor | amor, amoris | noun, masculine | nominative singular | first thing",
        "pecuniae | pecunia, pecuniae | noun, feminine | genitive singular | of the first thing",
        "radix | radix, radicis | noun, feminine | nominative singular | second thing (what the "
        "first thing is)"}},
  });
}

TEST_F(ExplainSheet, CommandsForbiddingsAndWishes) {
  expectSheets({
      {"never yield: noli, umquam and the infinitive",
       [] { return mottos::neverYield("You (single)"); },
       "noli umquam cedere",
       {"noli | nolo, nolle | verb | command, second person singular | negation (forbidding)",
        "umquam | umquam | adverb | does not change | how it happens (numquam after noli)",
        "cedere | cedo, cedere | verb | present infinitive active | act (the infinitive of a "
        "forbidding)"}},
      {"do not leave me (several)",
       mottos::doNotLeaveMe,
       "nolite me relinquere",
       {"nolite | nolo, nolle | verb | command, second person plural | negation (forbidding)",
        "me | ego | pronoun | accusative singular | second thing",
        "relinquere | relinquo, relinquere | verb | present infinitive active | act (the "
        "infinitive of a forbidding)"}},
      {"let him never fear, short",
       mottos::letHimNeverFearShort,
       "ne umquam timeat",
       {"ne | ne | adverb | does not change | negation",
        "umquam | umquam | adverb | does not change | how it happens (numquam after ne)",
        "timeat | timeo, timere | verb | present subjunctive (a command: let...), third person "
        "singular | act"}},
      {"have mercy on us: a deponent's command and the objective genitive",
       [] { return mottos::haveMercyOn("us"); },
       "miserere nostri",
       {"miserere | misereor, misereri | verb, deponent | command, second person singular | act",
        "nostri | ego | pronoun | genitive plural (the objective genitive) | second thing (the "
        "verb takes the genitive)"}},
  });
}

TEST_F(ExplainSheet, VerbPhrasesOfTwoWords) {
  expectSheets({
      {"I was born (a woman): the participle and sum",
       mottos::iWasBornAWoman,
       "ego nata sum",
       {"ego | ego | pronoun | nominative singular | first thing",
        "nata | nascor, nasci | participle | perfect participle, nominative singular feminine | "
        "act (perfect: participle with a form of sum)",
        "sum | sum, esse | verb | present indicative active, first person singular | act "
        "(perfect: sum with the participle)"}},
      {"I can trust you: the infinitive and possum",
       mottos::iCanTrustYou,
       "ego tibi credere possum",
       {"ego | ego | pronoun | nominative singular | first thing",
        "tibi | tu | pronoun | dative singular | second thing (the verb takes the dative)",
        "credere | credo, credere | verb | present infinitive active | act (the infinitive the "
        "helper verb takes)",
        "possum | possum, posse | verb | present indicative active, first person singular | act: "
        "\"can\""}},
  });
}

TEST_F(ExplainSheet, PrepositionsAsTheSentenceSpellsThem) {
  expectSheets({
      {"out of the water: e written ex before a vowel",
       [] { return mottos::prepositionOnly("e", "out of", "the (single)", "aqua"); },
       "ex aqua",
       {"ex | e + ablative | preposition | takes the ablative (written ex before a vowel or h) | "
        "how it happens (preposition)",
        "aqua | aqua, aquae | noun, feminine | ablative singular | with the preposition e"}},
      {"out of the wood: ex written e before a consonant",
       [] { return mottos::prepositionOnly("ex", "out of", "the (single)", "silva"); },
       "e silva",
       {"e | ex + ablative | preposition | takes the ablative (written e before a consonant) | "
        "how it happens (preposition)",
        "silva | silva, silvae | noun, feminine | ablative singular | with the preposition ex"}},
      {"for the sake of honour: causa after its genitive",
       [] { return mottos::prepositionOnly("causa", "for the sake of", "()", "honor"); },
       "honoris causa",
       {"honoris | honor, honoris | noun, masculine | genitive singular | with the preposition "
        "causa",
        "causa | causa + genitive | preposition | takes the genitive | how it happens "
        "(preposition)"}},
  });
}

}  // namespace
}  // namespace lexorra
