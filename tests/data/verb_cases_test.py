#!/usr/bin/env python3
"""Unit tests of the markers of the case a verb governs: where the generator
writes them, which verbs get them, and the lines the generator refuses."""

import os
import sys
import unittest

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import gen_lexicon as gen  # noqa: E402
import lexicon_headwords as hw  # noqa: E402
import verb_cases as vc  # noqa: E402


class Placement(unittest.TestCase):
    CASES = [
        # (meaning, case, marked meaning)
        ("favor (with DAT), befriend, support, back up;", "DAT", "favor (+DAT), befriend, support, back up;"),
        ("trust, entrust; commit;", "DAT", "trust (+DAT), entrust; commit;"),
        ("forget; (with GEN);", "GEN", "forget (+GEN);"),
        ("serve; be a slave to; with DAT;", "DAT", "serve (+DAT); be a slave to;"),
        ("please, satisfy (with dat.);", "DAT", "please (+DAT), satisfy;"),
        ("listen (to); heed, obey;", "DAT", "listen (+DAT) (to); heed, obey;"),
        ("need (with GEN, ABL), lack;", "ABL", "need (+ABL) (with GEN, ABL), lack;"),
        ("resist, oppose; withstand, stand (DAT);", "DAT", "resist (+DAT), oppose; withstand, stand;"),
        ("answer", "DAT", "answer (+DAT)"),
        ("approach (with DAT or ad+ACC); come near;", "DAT",
         "approach (+DAT) (with DAT or ad+ACC); come near;"),
    ]

    def test_marker_follows_the_headword_and_replaces_the_same_note(self):
        for meaning, case, expected in self.CASES:
            with self.subTest(meaning=meaning):
                result = vc.marked(meaning, case)
                self.assertEqual(result, expected)
                self.assertEqual(hw.headword(result), hw.headword(meaning))
                self.assertEqual(vc.marker_faults("verbs", result), [])


class WhichVerbs(unittest.TestCase):
    def test_homographs_are_told_apart(self):
        self.assertEqual(vc.governed_case("pareo", "parere", "obey, be subject;"), "DAT")
        self.assertIsNone(vc.governed_case("pario", "parere", "bear; give birth to;"))
        self.assertEqual(vc.governed_case("accido", "accidere", "fall upon, down; happen;"), "DAT")
        self.assertIsNone(vc.governed_case("accido", "accidere", "cut, cut into; fell;"))
        self.assertIsNone(vc.governed_case("caro", "carere", "card, comb (wool);"))
        self.assertIsNone(vc.governed_case("do", "dare", "give; dedicate;"))

    def test_each_case_of_the_grammars(self):
        for first, infinitive, case in (("credo", "credere", "DAT"), ("utor", "uti", "ABL"),
                                        ("memini", "meminisse", "GEN"), ("placere", "placere", "DAT"),
                                        ("misereor", "misereri", "GEN"), ("careo", "carere", "ABL")):
            with self.subTest(verb=first):
                self.assertEqual(vc.governed_case(first, infinitive, "x;"), case)

    def test_a_row_of_an_unknown_case_is_refused(self):
        with self.assertRaises(SystemExit):
            vc.governed_table("ACC  amo amare\n")

    def test_every_delivered_row_names_a_case(self):
        rows = vc.governed_table()
        self.assertEqual(rows[("accido", "accidere")], [("fall", "DAT")])
        self.assertGreater(len(rows), 200)


class Refused(unittest.TestCase):
    FAULTS = [
        # (table, meaning, fault)
        ("nouns", "love (+DAT), affection;", "case marker outside the verb table"),
        ("adjectives", "good (+GEN)", "case marker outside the verb table"),
        ("conjunctives", "to (+ subjunctive)", "case marker outside the verb table"),
        ("verbs", "favor (+DAT), support (+DAT);", "more than one case marker"),
        ("verbs", "favor, support (+DAT);", "case marker not right after the headword"),
        ("verbs", "favor(+DAT), support;", "case marker not right after the headword"),
        ("verbs", "favor (+DAT) (+ subj);", "stray (+ text"),
    ]

    def test_faults(self):
        for table, meaning, fault in self.FAULTS:
            with self.subTest(meaning=meaning):
                self.assertEqual(vc.marker_faults(table, meaning), [fault])

    def test_the_generator_refuses_the_line(self):
        fields = ["amo", "amare"] + ["-"] * (gen.VERB_FIELDS - 2)
        be = " ".join(["sum", "esse"] + ["-"] * (gen.VERB_FIELDS - 2)) + " ::be"
        gen.check_table("verbs", [be, " ".join(fields) + " ::love (+DAT), like;"])
        for bad in ("love, like (+DAT);", "love (+DAT) (+ABL);"):
            with self.subTest(meaning=bad):
                with self.assertRaises(SystemExit):
                    gen.check_table("verbs", [be, " ".join(fields) + " ::" + bad])
        noun = "rosa rosae 1 F rosa " + " ".join(["rosa"] * 12) + " ::rose (+GEN)"
        with self.assertRaises(SystemExit):
            gen.check_table("nouns", [noun])


if __name__ == "__main__":
    unittest.main()
