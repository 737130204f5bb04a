// The seventeen mottos of the Examples menu, each as a person would build it
// in the window. Run write-examples after the lexicon changes to rewrite the
// example files in data/ with the new indexes.
#include <array>

#include "example_builder.h"

namespace lexorra::examples {

namespace {

const std::array<ExampleDescription, 17> kDescriptions = {{
    // Ego te amo.
    {.fileName = "ex_i_love_you",
     .first = {.pronoun = "i_option"},
     .verb = verb("amo, amare"),
     .second = {.pronoun = "yousing_acted"}},

    // Ego te semper amabo.
    {.fileName = "ex_i_will_love_you_always",
     .first = {.pronoun = "i_option"},
     .verb = verb("amo, amare"),
     .tense = "will",
     .second = {.pronoun = "yousing_acted"},
     .adverb = adverb("semper")},

    // Veritas et libertas.
    {.fileName = "ex_truth_and_freedom",
     .first = {.noun = noun("veritas, veritatis")},
     .firstLink = Link::andLink,
     .firstLinked = {.noun = noun("libertas, libertatis")}},

    // Deus mihi adest: God stands by me (adsum with the dative).
    {.fileName = "ex_god_is_with_me",
     .first = {.noun = noun("Deus, Dei")},
     .verb = verb("adsum, adesse", "be near"),
     .preposition = preposition("(dative)", "DAT"),
     .prepositionThing = {.pronoun = "I_acted"}},

    // Sine metu.
    {.fileName = "ex_without_fear",
     .preposition = preposition("sine", "ABL"),
     .prepositionThing = {.noun = noun("metus, metus")}},

    // Tu et ego aeternum.
    {.fileName = "ex_you_and_i_for_ever",
     .first = {.pronoun = "yousing_option"},
     .firstLink = Link::andLink,
     .firstLinked = {.pronoun = "i_option"},
     .adverb = adverb("aeternum")},

    // Amor caecus est.
    {.fileName = "ex_love_is_blind",
     .first = {.noun = noun("amor, amoris")},
     .verb = verb("sum, esse"),
     .second = {.adjective = adjective("caecus, caeca, caecum")},
     .includeAllBe = true},

    // Nosce te: the command, verb first.
    {.fileName = "ex_get_to_know_yourself",
     .first = {.pronoun = "yousing_option"},
     .verb = verb("nosco, noscere"),
     .tense = "should",
     .second = {.pronoun = "yousing_acted"},
     .alternativeOrder = true},

    // Ego in libertate nascor: I am born in freedom.
    {.fileName = "ex_I_am_born_in_freedom",
     .first = {.pronoun = "i_option"},
     .verb = verb("nascor, nasci"),
     .preposition = preposition("in", "ABL"),
     .prepositionThing = {.noun = noun("libertas, libertatis")}},

    // Canis canem edit.
    {.fileName = "Ex_Dog_eatconsumedevours_dog",
     .first = {.noun = noun("canis, canis")},
     .verb = verb("edo, edere", "eat"),
     .second = {.noun = noun("canis, canis")}},

    // Amor omnia vincit.
    {.fileName = "Ex_Love_conquers_everythings",
     .first = {.noun = noun("amor, amoris")},
     .verb = verb("vinco, vincere"),
     .second = {.pronoun = "blankPluralActed", .adjective = adjective("omnis, omne")}},

    // Omnia iusta in amore et bello.
    {.fileName = "Ex_Allevery_are_just_in_love_and_war",
     .first = {.pronoun = "blankPluralActor", .adjective = adjective("omnis, omne")},
     .verb = verb("sum, esse"),
     .second = {.adjective = adjective("iustus, iusta, iustum")},
     .preposition = preposition("in", "ABL"),
     .prepositionThing = {.noun = noun("amor, amoris")},
     .prepositionLink = Link::andLink,
     .prepositionLinked = {.noun = noun("bellum, belli")}},

    // Nemo me impune lacessit.
    {.fileName = "ex_no_one_provokes_me_with_impunity",
     .first = {.noun = noun("nemo, neminis")},
     .verb = verb("lacesso, lacessere"),
     .second = {.pronoun = "I_acted"},
     .adverb = adverb("impune")},

    // Deus benedicat Americae ("benedicere" takes the dative).
    {.fileName = "ex_let_god_bless_america",
     .first = {.noun = noun("Deus, Dei")},
     .verb = verb("benedico, benedicere"),
     .tense = "should",
     .second = {.noun = noun("America, Americae")},
     .alternativeOrder = true},

    // Victoria mea erit.
    {.fileName = "ex_victory_will_be_mine",
     .first = {.noun = noun("victoria, victoriae")},
     .verb = verb("sum, esse"),
     .tense = "will",
     .second = {.adjective = adjective("meus, mea, meum")}},

    // Amor pecuniae radix malorum omnium est (after 1 Timothy 6:10).
    {.fileName = "ex_love_of_money_is_the_root_of_allevery_evil",
     .first = {.noun = noun("amor, amoris")},
     .firstLink = Link::ofLink,
     .firstLinked = {.noun = noun("pecunia, pecuniae")},
     .verb = verb("sum, esse"),
     .second = {.pronoun = "the_acted", .noun = noun("radix, radicis")},
     .secondLink = Link::ofLink,
     .secondLinked = {.pronoun = "blankPluralActed",
                      .noun = noun("malum, mali", "evil"),
                      .adjective = adjective("omnis, omne")},
     .includeAllBe = true},

    // Noli lapides in domibus vitreis iacere.
    {.fileName = "Ex_Dont_throw_stones_in_of_glass_houses",
     .first = {.pronoun = "yousing_option"},
     .verb = verb("iacio, iacere"),
     .tense = "should",
     .negated = true,
     .second = {.pronoun = "blankPluralActed", .noun = noun("lapis, lapidis")},
     .preposition = preposition("in", "ABL"),
     .prepositionThing = {.pronoun = "blankPluralActed",
                          .noun = noun("domus, domus"),
                          .adjective = adjective("vitreus, vitrea, vitreum")}},
}};

}  // namespace

std::span<const ExampleDescription> exampleDescriptions() {
  return kDescriptions;
}

}  // namespace lexorra::examples
