#!/usr/bin/env python3
"""Unit tests of how the generator chooses an entry's headword and how the
measuring tool judges one, on hand-made meanings (no source, no word lists
needed)."""

import os
import sys
import unittest

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import lexicon_headwords as hw  # noqa: E402
import lexicon_meanings as lm  # noqa: E402
import measure_headwords as measure  # noqa: E402
from case_rows import check_rows  # noqa: E402


class Faults(unittest.TestCase):
    CASES = [
        # (table, headword, fault)
        ("adjectives", "of", "function word"),
        ("adjectives", "of gold", None),
        ("adjectives", "my", None),
        ("adjectives", "opposite", None),
        ("adjectives", "one", None),
        ("adjectives", "with", "function word"),
        ("nouns", "those", "function word"),
        ("nouns", "no one", None),
        ("nouns", "down", None),
        ("nouns", "the_Gods", "underscore"),
        ("nouns", "night [prima nocte => early", "markup"),
        ("nouns", "", "empty"),
        ("verbs", "be", "function word"),
        ("verbs", "be against", None),
        ("verbs", "round off", None),
        ("adverbs", "not", None),
        ("adverbs", "at", "function word"),
        ("adverbs", "all the way from", "part of speech"),
        ("adverbs", "from then on", None),
        ("adverbs", "after this", None),
        ("prepositions", "in front", "part of speech"),
        ("prepositions", "as far as", None),
        ("prepositions", "from", None),
        ("adjectives", "fish-", "markup"),
    ]

    def test_cases(self):
        check_rows(self, self.CASES, hw.fault)

    def test_the_verb_to_be_may_read_be(self):
        self.assertIsNone(hw.fault("verbs", "be", allow_be=True))

    def test_strict_refuses_a_phrase_waiting_for_its_noun(self):
        self.assertIsNone(hw.fault("nouns", "one who strikes against"))
        self.assertEqual(hw.fault("nouns", "one who strikes against", strict=True), "part of speech")


class Mending(unittest.TestCase):
    CASES = [
        # (table, cleaned meaning, mended meaning)
        ("adjectives", "of, pertaining to an abbot, abbey; abbey derived;",
         "of an abbot, pertaining to an abbot, abbey; abbey derived;"),
        ("adjectives", "raven-, of, belonging, pertaining to a raven;",
         "of a raven, raven-, belonging, pertaining to a raven;"),
        ("adjectives", "of, flying in air, airborne;", "of air, flying in air, airborne;"),
        ("adjectives", "of, for an apparitor (civil servant; lictor);",
         "of an apparitor, for an apparitor (civil servant; lictor);"),
        ("verbs", "be, appear white, pale;", "be white, appear white, pale;"),
        ("verbs", "be (very) hot; boil, burn;", "be hot (very); boil, burn;"),
        ("verbs", "get, be, become angry; fly into a rage;",
         "get angry, be angry, become angry; fly into a rage;"),
        ("nouns", "one (female) who strikes against, down, overthrows;",
         "one who strikes against (female), down, overthrows;"),
        ("nouns", "night [prima nocte => early in the night; multa nocte => late];",
         "night; [prima nocte => early in the night; multa nocte => late];"),
        ("nouns", "many, several people, men(pl.);", "several people, many, men(pl.);"),
        ("nouns", "as (penny, copper) as a coin;", "as as a coin (penny, copper);"),
        ("adverbs", "at, in another time, place;", "in another time, at, place;"),
        ("adverbs", "for (only) a short time, brief while;", "for a short time (only), brief while;"),
        ("adverbs", "in (an)other way;", "in (an)other way;"),
        ("adjectives", "villa-;", "villa;"),
        # Good headwords and the prepositions' order stay as they are.
        ("nouns", "love; affection;", "love; affection;"),
        ("prepositions", "in front, presence of, in view;", "in front, presence of, in view;"),
        ("verbs", "grow, become large;", "grow, become large;"),
    ]

    def test_cases(self):
        check_rows(self, self.CASES, hw.readable_headword)

    def test_a_list_fragment_never_becomes_the_headword(self):
        # "down" is a noun, but here a piece of "strikes against/down".
        mended = hw.readable_headword("nouns", "one (female) who strikes against, down;")
        self.assertEqual(hw.headword(mended), "one who strikes against")

    def test_the_verb_to_be_keeps_be(self):
        self.assertEqual(hw.readable_headword("verbs", "be; exist;", allow_be=True), "be; exist;")


class LeadingSenses(unittest.TestCase):
    def setUp(self):
        self.saved = dict(hw.LEADING), set(hw.LEADING_USED)
        hw.LEADING.clear()
        hw.LEADING.update(hw.leading_table("""
nouns virtus strength => virtue
nouns fortuna chance => +fortune
nouns pietas responsibility => piety
nouns ratio account => reason
"""))
        hw.LEADING_USED.clear()

    def tearDown(self):
        hw.LEADING.clear()
        hw.LEADING.update(self.saved[0])
        hw.LEADING_USED.clear()
        hw.LEADING_USED.update(self.saved[1])

    def test_group_moves_first_with_its_sense(self):
        meaning = "strength, power; courage; worth, manliness, virtue, character; army;"
        self.assertEqual(hw.lead_with_usual_sense("nouns", "virtus", meaning),
                         "virtue, worth, manliness, character; strength, power; courage; army;")

    def test_plus_writes_a_word_in_front(self):
        self.assertEqual(hw.lead_with_usual_sense("nouns", "fortuna", "chance, luck; prosperity;"),
                         "fortune, chance, luck; prosperity;")

    def test_a_group_with_a_bracket_after_it_counts(self):
        self.assertEqual(hw.lead_with_usual_sense("nouns", "pietas", "responsibility; piety (Bee);"),
                         "piety (Bee); responsibility;")

    def test_only_the_entry_with_that_headword_changes(self):
        self.assertEqual(hw.lead_with_usual_sense("nouns", "virtus", "army; strength;"), "army; strength;")
        self.assertEqual(hw.unused_leading_rows(), ["nouns fortuna chance", "nouns pietas responsibility",
                                                    "nouns ratio account", "nouns virtus strength"])

    def test_a_missing_sense_stops_the_generator(self):
        with self.assertRaises(SystemExit):
            hw.lead_with_usual_sense("nouns", "ratio", "account, reckoning; plan;")

    def test_the_delivered_table_rows_parse(self):
        rows = hw.leading_table()
        self.assertEqual(rows[("nouns", "fortuna", "chance")], "+fortune")
        self.assertEqual(rows[("adjectives", "caelibaris", "[~ hasta => small spear")], "+bridal")


class CleanMeaning(unittest.TestCase):
    CASES = [
        ("the_Gods (usu. pl.); divinity;", "the Gods (usu. pl.); divinity;"),
        ('person announced as "wanted", wanted man;', "person announced as wanted, wanted man;"),
        ("beard/ whiskers; large beard;", "beard, whiskers; large beard;"),
        ("hail!/welcome!; farewell!;", "hail!, welcome!; farewell!;"),
        ("paper-/papyrus-;", "paper-, papyrus-;"),
        ("bark at (+DAT or +ACC);", "bark at (with DAT or ACC);"),
        ("provided (that) (+ subj);", "provided (that) (with subj);"),
    ]

    def test_cases(self):
        check_rows(self, self.CASES, lambda source: lm.clean_meaning(source, True))


class Measure(unittest.TestCase):
    WORDS = {"love", "abbot", "pertaining", "yoke", "yoked", "pity", "pitied", "table", "tabled",
             "angry", "summarize", "culpable", "the", "Gods", "strike", "struck", "against", "it", "be"}

    def test_word_classes(self):
        cases = [
            ("nouns", 5, "love", None),
            ("nouns", 5, "summarizer", None),         # a regular ending of a listed word
            ("nouns", 5, "abbrochment", "not a word"),
            ("nouns", 5, "Achillas", "name"),
            ("verbs", 5, "unyoke", None),             # a prefix before a verb of the lists
            ("verbs", 5, "it pities", None),          # impersonal, third person
            ("verbs", 5, "angry", "part of speech"),
            ("verbs", 0, "be", None),
            ("verbs", 5, "be", "function word"),
            ("adjectives", 5, "of", "function word"),
            ("adverbs", 5, "culpably", None),
        ]
        for table, index, headword, expected in cases:
            with self.subTest(headword=headword):
                self.assertEqual(measure.word_class(table, index, headword, self.WORDS), expected)


if __name__ == "__main__":
    unittest.main()
