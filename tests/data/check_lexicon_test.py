#!/usr/bin/env python3
"""Tests of how the parser check reads the parser's analyses and decides
whether one confirms a stored form (no parser needed)."""

import os
import sys
import unittest

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import check_lexicon as check  # noqa: E402


def analysis(line):
    return check.parse_analysis(line.split()[1:])


class Agreement(unittest.TestCase):
    CASES = [
        # (parser line, expectation, confirmed)
        ("amav.it  V 1 1 PERF ACTIVE IND 3 S",
         ("V", {"tense": "PERF", "voice": "ACTIVE", "mood": "IND", "person": "3", "number": "S"}), True),
        ("amav.it  V 1 1 PERF ACTIVE IND 3 S",
         ("V", {"tense": "PRES", "voice": "ACTIVE", "mood": "IND", "person": "3", "number": "S"}), False),
        # Deponents are printed without a voice; they confirm the active slots
        # of a deponent line, which hold passive-form words.
        ("hort.atur  V 1 1 PRES IND 3 S",
         ("V", {"tense": "PRES", "voice": "DEP", "mood": "IND", "person": "3", "number": "S"}), True),
        ("hort.atur  V 1 1 PRES IND 3 S",
         ("V", {"tense": "PRES", "voice": "ACTIVE", "mood": "IND", "person": "3", "number": "S"}), False),
        # Common-gender endings serve masculine and feminine, not neuter.
        ("can.is  N 3 3 NOM S C", ("N", {"case": "NOM", "number": "S", "gender": "M"}), True),
        ("fort.is  ADJ 3 2 NOM S C POS",
         ("ADJ", {"case": "NOM", "number": "S", "gender": "N", "degree": "POS"}), False),
        ("meli.or  ADJ 1 1 NOM S C COMP",
         ("ADJ", {"case": "NOM", "number": "S", "gender": "F", "degree": "COMP"}), True),
        # Reflexive pronoun: number X stands for both numbers.
        ("s.ibi  PRON 5 4 DAT X C", ("PRON", {"case": "DAT", "number": "P"}), True),
        ("ab  PREP ABL", ("PREP", {"case": "ABL"}), True),
        ("ab  PREP ABL", ("PREP", {"case": "ACC"}), False),
    ]

    def test_cases(self):
        for line, expectation, confirmed in self.CASES:
            with self.subTest(line=line, expectation=expectation):
                self.assertEqual(check.agrees(analysis(line), expectation), confirmed)


class Expectations(unittest.TestCase):
    def test_adjective_slots_follow_the_line_layout(self):
        forms = [f"f{i}" for i in range(108)]
        exp = dict(check.adjective_expectations(" ".join(forms + ["POS"]) + " ::good"))
        # caseCode 2 (GEN), singular, neuter, comparative: field 2 + 0 + 24 + 36
        self.assertEqual(exp["f62"], ("ADJ", {"case": "GEN", "number": "S", "gender": "N", "degree": "COMP"}))

    def test_verb_slots_follow_the_line_layout(self):
        fields = [f"v{i}" for i in range(157)]
        fields[4] = "V"
        exp = dict(check.verb_expectations(" ".join(fields) + " ::love"))
        # future perfect passive subjunctive 2nd singular: 6 + 72 + 60 + 6 + 6
        self.assertEqual(exp["v150"], ("V", {"tense": "FUTP", "voice": "PASSIVE", "mood": "SUB",
                                            "person": "2", "number": "S"}))
        self.assertEqual(exp["v9"][1]["person"], "3")

    def test_perfect_only_verbs_are_checked_as_perfects(self):
        fields = [f"v{i}" for i in range(157)]
        fields[4] = "PERFDEF"
        exp = dict(check.verb_expectations(" ".join(fields) + " ::hate"))
        self.assertEqual(exp["v7"][1]["tense"], "PERF")   # present slot holds "odi"
        self.assertEqual(exp["v1"][1]["tense"], "PERF")   # infinitive "odisse"

    def test_prepositions_and_the_noun_ablative_after_a_genitive(self):
        self.assertEqual(check.preposition_expectations("sine PREP - - ABL ::without"),
                         [("sine", ("PREP", {"case": "ABL"}))])
        self.assertEqual(check.preposition_expectations("gratia PREP - - GEN ::for the sake of"),
                         [("gratia", ("N", {"case": "ABL", "number": "S"}))])
        self.assertEqual(check.preposition_expectations("(dative) PREP - - DAT ::to, for"), [])
        analysis = check.parse_analysis("N 1 1 ABL S F".split())
        self.assertTrue(check.agrees(analysis, ("N", {"case": "ABL", "number": "S"})))


if __name__ == "__main__":
    unittest.main()
