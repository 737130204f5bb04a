#!/usr/bin/env python3
"""Unit tests of the lexicon generator's rules, on small hand-made inputs, so
they run without the dictionary source."""

import os
import sys
import tempfile
import unittest

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import gen_lexicon as gen  # noqa: E402
from case_rows import check_rows  # noqa: E402


class CleanMeaning(unittest.TestCase):
    CASES = [
        # (source meaning, expanded file, expected)
        ("seize/pick/pluck/gather; browse;", True, "seize, pick, pluck, gather; browse;"),
        ("be away/absent/distant", False, "be away, absent, distant"),
        ("aid (w/DAT);", True, "aid (with DAT);"),
        ("half of 1/2 as", True, "half of 1/2 as"),
        ("people of N Gaul; M Tullius", True, "people of N. Gaul; M. Tullius"),
        ("x (in Latin use F or V)", True, "x (in Latin use F. or V)"),
        ("lynx; (undeclined OLD);", True, "lynx; (indeclinable OLD);"),
        ("tax of 10%; tithe", True, "tax of 10 percent; tithe"),
        ("[bellum inferre => make war on];", True, "[bellum inferre=> make war on];"),
        ("[~ esse => be pleasurable];", True, "[~ esse=> be pleasurable];"),
        ("[ferre ~ => to be vexed];", False, "[ferre~ => to be vexed];"),
        ("a::b star*gazer @home $5", True, "a:b stargazer home 5"),
        ("  |  ", True, "|"),
        ("[multum  esse  => much]", True, "[multum esse=> much]"),
        ("x  M  y", True, "x M. y"),
        ("(little) old woman;", True, "little old woman;"),
        ("(for) a long time; [quam diu => as long as]", False, "for a long time; [quam diu => as long as]"),
        ("(be) able, (can)", True, "be able, (can)"),
        ("old (little) woman", True, "old (little) woman"),
        ("(unclosed", True, "(unclosed"),
    ]

    def test_cases(self):
        check_rows(self, self.CASES, gen.clean_meaning)

    def test_no_marker_survives(self):
        text = "x M y F z N w C v undeclined fac duc ferre esse q"
        cleaned = gen.clean_meaning(text, True)
        for marker in (" M ", " F ", " N ", " C ", "undeclined", " esse "):
            self.assertNotIn(marker, cleaned)


class Spelling(unittest.TestCase):
    def test_j_becomes_i_and_v_stays(self):
        self.assertEqual(gen.latin("juravit"), "iuravit")
        self.assertEqual(gen.latin("Julius"), "Iulius")
        self.assertEqual(gen.latin("volvit"), "volvit")


DICTLINE = (
    "id\tword\tother-1\tother-2\tother-3\tpos\tmorphology\tnumber\tcode\tdefinitions\n"
    "1\tros\tros\t\t\tN\t1 1 F T\t\tX X X A O\trose;\n"
    "2\tros\tros\t\t\tN\t1 1 F T\t\tX X X A O\t|rose bush;\n"
    "3\tros\tros\t\t\tN\t1 1 F T\t\tX X X A O\t||rose oil;\n"
    "4\tcomprehensibilitas comprehensibilitat\t\t\t\tN\t3 1 F T\t\tG X X E K\tcomprehensibility;\n"
    "5\tconfidentiloqu\tconfidentiloqu\tconfidentiloqui\t\tconfidentiloquissi ADJ\t1 1 X\t\tA X X F O\tbold;\n"
    "6\tam\tam\tamav\tzzz\tV\t1 1 X\t\tX X X A O\tlove;\n"
)


class ReadDictline(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        self.path = os.path.join(self.dir.name, "DICTLINE.GEN.csv")
        with open(self.path, "w", encoding="ascii") as f:
            f.write(DICTLINE)
        self.entries = gen.read_dictline(self.path)

    def tearDown(self):
        self.dir.cleanup()

    def test_continuation_rows_join_the_entry_above(self):
        self.assertEqual(self.entries[0].meaning, "rose; rose bush; rose oil;")
        self.assertEqual(len(self.entries), 4)

    def test_stems_run_into_the_next_column_are_split(self):
        self.assertEqual(self.entries[1].stems[:2], ["comprehensibilitas", "comprehensibilitat"])

    def test_stem_in_the_part_of_speech_column(self):
        e = self.entries[2]
        self.assertEqual(e.pos, "ADJ")
        self.assertEqual(e.stems[3], "confidentiloquissi")

    def test_zzz_means_no_stem(self):
        self.assertIsNone(self.entries[3].stems[3])


def ending(pos, key, stem, text, age="X", freq="A", order=0):
    return gen.Ending(pos, key.split(), stem, text, age, freq, order)


class Inflection(unittest.TestCase):
    def test_classical_frequent_ending_wins(self):
        endings = [
            ending("N", "1 1 GEN S C", 2, "ai", "B", "C", 1),
            ending("N", "1 1 GEN S C", 2, "ae", "X", "A", 2),
        ]
        rosa = gen.Entry(1, ["ros", "ros", None, None], "N", ["1", "1", "F", "T"], ["X"] * 5, "rose")
        self.assertEqual(gen.NounInflector(endings).form(rosa, "GEN", "S"), "rosae")

    def test_ending_for_another_gender_is_not_used(self):
        endings = [ending("N", "2 1 ACC S N", 2, "us"), ending("N", "2 0 ACC S C", 2, "um")]
        servus = gen.Entry(1, ["serv", "serv", None, None], "N", ["2", "1", "M", "T"], ["X"] * 5, "slave")
        self.assertEqual(gen.NounInflector(endings).form(servus, "ACC", "S"), "servum")

    def test_deponent_puts_passive_words_in_active_slots(self):
        endings = [
            ending("V", "1 1 PRES ACTIVE IND 3 S", 2, "at"),
            ending("V", "1 1 PRES PASSIVE IND 3 S", 2, "atur"),
            ending("V", "1 1 PRES PASSIVE INF 0 X", 2, "ari"),
            ending("V", "1 1 PRES PASSIVE IMP 2 S", 2, "are"),
        ]
        hortor = gen.Entry(1, ["hort", "hort", None, "hortat"], "V", ["1", "1", "DEP"], ["X"] * 5,
                           "encourage")
        fields = gen.verb_line(hortor, gen.VerbInflector(endings))
        self.assertEqual(len(fields), gen.VERB_FIELDS)
        self.assertEqual(fields[9], "hortatur")           # present active 3rd singular
        self.assertEqual(fields[6 + 12 + 3], "tbc")        # perfect active 3rd singular
        self.assertEqual(fields[6 + 72 + 3], "-")          # no passive of its own
        self.assertEqual(fields[1:4], ["hortari", "tbc", "-"])
        self.assertEqual(fields[151], "hortare")
        self.assertEqual(fields[156], "hortatus")

    def test_ferre_family_stores_the_plural_command(self):
        endings = [
            ending("V", "3 2 PRES ACTIVE INF 0 X", 2, "re"),
            ending("V", "3 2 PRES ACTIVE IMP 2 S", 1, ""),
            ending("V", "3 2 PRES ACTIVE IMP 2 P", 1, "te"),
        ]
        affero = gen.Entry(1, ["affer", "affer", "attul", "allat"], "V", ["3", "2", "X"], ["X"] * 5, "bring")
        fields = gen.verb_line(affero, gen.VerbInflector(endings))
        self.assertEqual(fields[1], "afferre")
        self.assertEqual(fields[151], "afferte")

    def test_short_command_of_duco(self):
        endings = [ending("V", "3 1 PRES ACTIVE IMP 2 S", 2, "e", order=1),
                   ending("V", "3 1 PRES ACTIVE IMP 2 S", 2, "", order=2)]
        inflector = gen.VerbInflector(endings)
        duco = gen.Entry(1, ["duc", "duc", "dux", "duct"], "V", ["3", "1", "X"], ["X"] * 5, "lead")
        rego = gen.Entry(2, ["reg", "reg", "rex", "rect"], "V", ["3", "1", "X"], ["X"] * 5, "rule")
        self.assertEqual(gen.verb_line(duco, inflector)[151], "duc")
        self.assertEqual(gen.verb_line(rego, inflector)[151], "rege")


class Capacity(unittest.TestCase):
    def entry(self, freq, age="X"):
        return gen.Entry(1, ["x", None, None, None], "ADV", ["POS"], [age, "X", "X", freq, "X"], "m")

    def test_least_useful_tiers_go_first_and_only_as_needed(self):
        entries = [self.entry("A"), self.entry("I"), self.entry("N"), self.entry("F", "F"), self.entry("F", "C")]
        report = []
        kept = gen.fit_capacity(entries, 3, 0, report, "adverbs")
        self.assertEqual([e.freq for e in kept], ["A", "F", "F"])  # inscription and Pliny only
        kept = gen.fit_capacity(entries, 2, 0, report, "adverbs")
        self.assertEqual([(e.freq, e.age) for e in kept], [("A", "X"), ("F", "C")])  # and medieval
        kept = gen.fit_capacity(entries, 5, 0, [], "adverbs")
        self.assertEqual(len(kept), 5)

    def test_too_many_entries_stop_the_generator(self):
        with self.assertRaises(SystemExit):
            gen.fit_capacity([self.entry("A")] * 4, 3, 0, [], "adverbs")


class TableChecks(unittest.TestCase):
    NOUN = "rosa rosae 1 F rosa " + " ".join(["rosa"] * 12) + " ::rose"

    def test_good_noun_line_passes(self):
        gen.check_table("nouns", [self.NOUN])

    def test_faults_are_caught(self):
        bad = [
            ("nouns", self.NOUN.replace("::rose", "::rose C thing")),       # second gender marker
            ("nouns", self.NOUN.replace("rosae 1", "rosae  1")),             # empty field
            ("nouns", self.NOUN.replace("::rose", "::")),                    # no meaning
            ("nouns", self.NOUN.replace("::rose", "::rose undeclined")),     # stray marker
            ("adjectives", " ".join(["bon%us"] * 108) + " POS ::good"),      # abbreviation code
            ("adverbs", "bene ::well ::twice"),                              # second "::"
        ]
        for table, line in bad:
            with self.subTest(line=line[:40]):
                with self.assertRaises(SystemExit):
                    gen.check_table(table, [line])

    def test_verb_markers_only_where_meant(self):
        fields = ["amo", "amare"] + ["-"] * (gen.VERB_FIELDS - 2)
        line = " ".join(fields) + " ::love"
        gen.check_table("verbs", [" ".join(["sum", "esse"] + ["-"] * (gen.VERB_FIELDS - 2)) + " ::be", line])
        with self.assertRaises(SystemExit):
            gen.check_table("verbs", [line, line.replace("::love", "::love ferre me")])


class Pronouns(unittest.TestCase):
    def test_fixed_entries(self):
        lines = gen.pronoun_lines()
        self.assertEqual(len(lines), 30)
        fields = [line.split(" ::")[0].split(" ") for line in lines]
        self.assertTrue(all(len(f) == 36 for f in fields))
        self.assertEqual(fields[2][0:12], fields[2][12:24])       # aliquis in every gender
        self.assertEqual(fields[2][24 + 3], "aliquem")
        self.assertEqual((fields[14][0], fields[14][12], fields[14][24]), ("is", "ea", "id"))
        self.assertEqual(fields[15][24], "quid")
        self.assertEqual(fields[23][0], "quis")
        self.assertEqual(fields[16][6], "nos")
        self.assertEqual(fields[29][6], "vos")


if __name__ == "__main__":
    unittest.main()
