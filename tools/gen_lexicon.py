#!/usr/bin/env python3
"""Generate Lexorra's seven Latin lexicon files from the dictionary source.

Usage: tools/gen_lexicon.py SOURCE_DIR OUT_DIR

SOURCE_DIR holds DICTLINE.GEN.csv (entries and stems) and INFLECTS.LAT
(endings); the few irregular forms of UNIQUES.LAT that the tables need (vis,
vult, mavult, boum, ...) are written into the override tables below, and the
pronouns come from a hand-made table.  OUT_DIR receives conjunctives.dat,
prepositions.dat, adjectives.dat, adverbs.dat, verbs.dat, nouns.dat and
pronouns.dat: one entry per line, CR LF line ends, Windows-1252 text, the
Latin fields cut at single spaces, then " ::" and the English meaning.

The output depends only on the source files: entries keep the source order,
every choice between competing endings is ranked by a fixed key, and nothing
depends on the clock, the locale or hash order.  Running it twice on the same
source gives byte-identical files.

The work is shared with the modules beside this script: lexicon_source (the
source and the table formats), lexicon_meanings (the English meanings),
lexicon_verbs (conjugation) and lexicon_pronouns (the hand-made pronouns).
"""

import os
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

# The generator's parts, also reachable through this module.
from lexicon_headwords import delivered_meaning, unused_leading_rows  # noqa: E402
from lexicon_meanings import clean_meaning, headword, open_leading_parenthesis  # noqa: E402,F401
from lexicon_pronouns import pronoun_lines  # noqa: E402,F401
from lexicon_source import (BLOCK_CASES, CAPACITY, DEGREES, EXPANDED, EXPANSION_CODES, GENDERS,  # noqa: E402,F401
                            MISSING, NOUN_CASES, NUMBERS, VERB_FIELDS, Ending, Entry, fit_capacity, index_endings, latin,
                            ranked, read_dictline, read_inflects)
from lexicon_verbs import VerbInflector, verb_line, verb_lines  # noqa: E402,F401
from verb_cases import marker_faults, unused_rows  # noqa: E402

# ---------------------------------------------------------------------------
# Nouns

def gender_fits(ending_gender, word_gender):
    if ending_gender == "X":
        return True
    if ending_gender == "C":
        return word_gender in ("M", "F", "C")
    return ending_gender == word_gender


def build_form(entry, ending):
    stem = entry.stems[ending.stem - 1]
    if stem is None:
        return MISSING
    return latin(stem + ending.ending)


class NounInflector:
    def __init__(self, endings):
        self.table = index_endings(endings, "N", lambda decl, var, case, num, gender, e:
                                   ((int(decl), case, num), (int(var), gender, e)))

    def form(self, entry, case, num):
        decl, var, gender = int(entry.morph[0]), int(entry.morph[1]), entry.morph[2]
        cands = [e for v, g, e in self.table.get((decl, case, num), [])
                 if v in (0, var) and gender_fits(g, gender)]
        for e in ranked(cands):
            form = build_form(entry, e)
            if form != MISSING:
                return form
        return MISSING


# Irregular noun forms of the source's list of unique forms that the endings
# do not give (keyed by nominative stem and declension).
NOUN_OVERRIDES = {
    ("de", "2 1", "VOC", "S"): "deus",
    ("bos", "3 1", "GEN", "P"): "boum",
    ("bos", "3 1", "DAT", "P"): "bobus",
    ("bos", "3 1", "ABL", "P"): "bobus",
    ("canis", "3 3", "GEN", "P"): "canum",
}


def plural_only(meaning):
    first = meaning.split(";", 1)[0]
    return "(pl.)" in first and "(sg.)" not in meaning


# Nouns the source marks common (of either sex) that the grammars give one
# gender for the animal of either sex, the feminine: aquila "eagle" (the
# eagle of the standards is feminine in the source too), grus "crane".  By
# first stem and declension.
EPICENE_FEMININE = {("aquil", "1"), ("gru", "3")}


def noun_lines(entries, inflector, report):
    lines = []
    skipped_abbrev = 0
    skipped_empty = 0
    for e in entries:
        decl = e.morph[0] + " " + e.morph[1]
        if decl == "9 8":               # abbreviations ("A." for Aulus)
            skipped_abbrev += 1
            continue
        if not clean_meaning(e.meaning, True):
            skipped_empty += 1
            continue
        gender = e.morph[2]
        marker = {"M": "M", "F": "F", "N": "N"}.get(gender, "M")  # common gender agrees as masculine
        if gender == "C" and (e.stems[0], e.morph[0]) in EPICENE_FEMININE:
            marker = "F"
        if decl == "9 9":
            form = latin(e.stems[0]) if e.stems[0] else MISSING
            head = [form, "undeclined", "9", marker, form]
            forms = [form] * 12
        else:
            only_pl = plural_only(e.meaning)
            forms = []
            for num in NUMBERS:
                for case in NOUN_CASES:
                    if num == "S" and only_pl:
                        forms.append(MISSING)
                        continue
                    key = ((e.stems[0] or "").lower(), decl, case, num)
                    form = NOUN_OVERRIDES.get(key)
                    if form and e.stems[0][0].isupper():
                        form = form.capitalize()
                    forms.append(form or inflector.form(e, case, num))
            nom = forms[0] if forms[0] != MISSING else forms[6]
            head = [nom, forms[1] if forms[1] != MISSING else forms[7], e.morph[0], marker, nom]
        lines.append(" ".join(head + forms) + " ::" + delivered_meaning("nouns", head[0], e.meaning))
    report.append(("nouns", "left out: abbreviations", skipped_abbrev))
    report.append(("nouns", "left out: no meaning", skipped_empty))
    return lines


# ---------------------------------------------------------------------------
# Adjectives

class AdjectiveInflector:
    def __init__(self, endings):
        self.table = index_endings(endings, "ADJ", lambda decl, var, case, num, gender, degree, e:
                                   ((case, num), (int(decl), int(var), gender, degree, e)))

    def form(self, entry, stems, decl, var, case, num, gender, degree):
        if degree == "POS":
            cands = [e for d, v, g, dg, e in self.table.get((case, num), [])
                     if d == decl and v in (0, var) and dg in ("POS", "X") and gender_fits(g, gender)]
        else:
            cands = [e for d, v, g, dg, e in self.table.get((case, num), [])
                     if d == 0 and dg == degree and gender_fits(g, gender)]
        for e in ranked(cands):
            if (decl, var) == (1, 5) and e.ending == "enus":
                continue  # a source helper ending, not a genitive
            stem = stems[e.stem - 1]
            if stem is not None:
                return latin(stem + e.ending)
        return MISSING


# Irregular comparison the stems do not give: malus has no superlative stem
# of its own (pessimus is a separate source entry).
SUPERLATIVE_STEMS = {("mal", "pej"): "pessi"}


def adjective_forms(e, inflector):
    decl, var, degree = int(e.morph[0]), int(e.morph[1]), e.morph[2]
    stems = list(e.stems)
    if (decl, var) == (9, 9):
        form = latin(stems[0]) if stems[0] else MISSING
        return [form] * 36 + [MISSING] * 72, "POS"
    if (decl, var) == (0, 0):
        # Comparative-only or superlative-only entries: the source gives the
        # one stem in the first column; the forms stand in the positive block
        # because the entry's meaning already is "nearer", "greatest", ...
        stem = stems[0]
        s = [None, None, stem, stem]
        forms = []
        for gender in GENDERS:
            for num in NUMBERS:
                for case in BLOCK_CASES:
                    forms.append(inflector.form(e, s, 0, 0, case, num, gender, degree))
        return forms + [MISSING] * 72, degree
    if stems[3] is None and (stems[0], stems[2]) in SUPERLATIVE_STEMS:
        stems[3] = SUPERLATIVE_STEMS[(stems[0], stems[2])]
    forms = []
    for dg in DEGREES:
        for gender in GENDERS:
            for num in NUMBERS:
                for case in BLOCK_CASES:
                    if dg == "COMP" and stems[2] is None or dg == "SUPER" and stems[3] is None:
                        forms.append(MISSING)
                    else:
                        forms.append(inflector.form(e, stems, decl, var, case, num, gender, dg))
    return forms, "POS"


# The possessives the editor re-captions stand first, in this order:
# meus, tuus, vester, suus, noster (keyed by stems and declension).
POSSESSIVES = (("me", "1 1"), ("tu", "1 1"), ("vester", "1 2"), ("su", "1 1"), ("noster", "1 2"))


def adjective_lines(entries, inflector, report):
    abbrev = [e for e in entries if e.morph[:2] == ["9", "8"]]
    entries = [e for e in entries if e.morph[:2] != ["9", "8"]]
    report.append(("adjectives", "left out: abbreviations", len(abbrev)))
    first = []
    for stem, decl in POSSESSIVES:
        match = [e for e in entries if e.stems[0] == stem and " ".join(e.morph[:2]) == decl]
        if not match:
            raise SystemExit(f"adjectives: possessive {stem} not found")
        first.append(match[0])
    rest = [e for e in entries if all(e is not p for p in first)]
    rest = fit_capacity(rest, CAPACITY["adjectives"], len(first), report, "adjectives")
    lines = []
    for e in first + rest:
        if not clean_meaning(e.meaning, True):
            report.append(("adjectives", "left out: no meaning", 1))
            continue
        forms, degree = adjective_forms(e, inflector)
        if e.stems[0] == "me" and e is first[0]:
            forms[1] = "mi"   # vocative of meus
        if e.stems[0] == "ali" and e.morph[:2] == ["1", "5"]:
            # alius borrows its genitive from alter
            for gender in range(3):
                forms[2 + 12 * gender] = "alterius"
        lines.append(" ".join(forms + [degree]) + " ::" + delivered_meaning("adjectives", forms[0], e.meaning))
    return lines


# ---------------------------------------------------------------------------
# Small tables

def simple_lines(entries, table, report, reserved=0):
    entries = fit_capacity(entries, CAPACITY[table], reserved, report, table)
    lines = []
    for e in entries:
        meaning = delivered_meaning(table, latin(e.stems[0] or ""), e.meaning)
        if not e.stems[0]:
            report.append((table, "left out: only comparative and superlative stems, no form of their own", 1))
            continue
        if not meaning:
            report.append((table, "left out: no meaning", 1))
            continue
        lines.append((e, latin(e.stems[0]), meaning))
    return lines


# Prepositions that stand after their noun in the genitive ("honoris causa",
# "exempli gratia"): the source's "for sake/purpose of" reads in full, and
# gratia, which the source has only as a noun, is added after the source's
# prepositions so that no index moves.
PREPOSITION_MEANINGS = {
    ("causa", "GEN"): "for the sake of, because of, for the purpose of; on account of, on behalf of, "
                      "with a view to; (placed after the genitive)",
    ("caussa", "GEN"): "for the sake of, because of, for the purpose of; on account of, on behalf of, "
                       "with a view to; (placed after the genitive)",
}
ADDED_PREPOSITIONS = (
    ("gratia", "GEN", "for the sake of, for; (placed after the genitive)"),
)


def preposition_lines(entries, report):
    # "a" for "ante" in calendar dates is an abbreviation, not a preposition.
    abbrev = [e for e in entries if "abb." in e.meaning]
    entries = [e for e in entries if "abb." not in e.meaning]
    report.append(("prepositions", "left out: abbreviations", len(abbrev)))
    rows = simple_lines(entries, "prepositions", report, reserved=1 + len(ADDED_PREPOSITIONS))
    cases = {}
    for e, form, _ in rows:
        cases.setdefault(form, set()).add(e.morph[0])
    name = {"ACC": "accusative", "ABL": "ablative", "GEN": "genitive"}
    lines = ["(dative) PREP - - DAT ::to, for"]
    for e, form, meaning in rows:
        case = e.morph[0]
        meaning = PREPOSITION_MEANINGS.get((form, case), meaning)
        if len(cases[form]) > 1:
            # Two entries for one preposition: say which case each governs.
            meaning += " (with " + name[case] + ")"
        lines.append(f"{form} PREP - - {case} ::{meaning}")
    for form, case, meaning in ADDED_PREPOSITIONS:
        if form in cases:
            raise SystemExit(f"prepositions: {form} is in the source now; take it from there")
        lines.append(f"{form} PREP - - {case} ::{meaning}")
        report.append(("prepositions", "added: " + form, 1))
    return lines


# Pronoun table: 30 entries of 36 forms, written from Latin grammar.  A form
# ---------------------------------------------------------------------------
# Checks that protect the look-ups

# Fields before " ::" in every line of a table.
FIELD_COUNT = {"conjunctives": 1, "prepositions": 5, "adjectives": 109, "adverbs": 1,
               "verbs": VERB_FIELDS, "nouns": 17, "pronouns": 36}


def check_table(table, lines):
    problems = []
    for i, line in enumerate(lines):
        latin_part, sep, meaning = line.partition(" ::")
        if not sep or not meaning.strip() or "::" in meaning:
            problems.append(f"{table} {i}: meaning part")
        problems += [f"{table} {i}: {fault}" for fault in marker_faults(table, meaning)]
        if "  " in latin_part or latin_part != latin_part.strip():
            problems.append(f"{table} {i}: empty field")
        count = len(latin_part.split(" "))
        if count != FIELD_COUNT[table]:
            problems.append(f"{table} {i}: {count} fields")
        if table in EXPANDED and any(c in line for c in EXPANSION_CODES):
            problems.append(f"{table} {i}: abbreviation code")
        if table == "nouns":
            markers = [m for m in (" M ", " F ", " N ", " C ") if m in line]
            if len(markers) != 1 or " C " in markers:
                problems.append(f"{table} {i}: gender markers {markers}")
            fields = latin_part.split(" ")
            if ("undeclined" in line) != (fields[1] == "undeclined"):
                problems.append(f"{table} {i}: undeclined marker")
        else:
            if "undeclined" in line:
                problems.append(f"{table} {i}: undeclined marker")
        if table == "verbs":
            fields = latin_part.split(" ")
            if (" esse " in line) != (i == 0):
                problems.append(f"{table} {i}: esse marker")
            if ("ferre " in line) != fields[1].endswith("ferre"):
                problems.append(f"{table} {i}: ferre marker")
            if "ferre " in line and len(fields[151]) < 2:
                problems.append(f"{table} {i}: ferre family without its plural command")
            for m in ("fac ", "duc "):
                if m in line and not fields[151].endswith(m.strip()):
                    problems.append(f"{table} {i}: {m.strip()} marker")
    if len(lines) > CAPACITY[table]:
        problems.append(f"{table}: {len(lines)} lines exceed {CAPACITY[table]}")
    if problems:
        raise SystemExit("\n".join(problems[:50]))


def write_table(out_dir, table, lines):
    data = "".join(line + "\r\n" for line in lines).encode("cp1252")
    with open(os.path.join(out_dir, table + ".dat"), "wb") as f:
        f.write(data)


def generate(source_dir, out_dir, report):
    entries = read_dictline(os.path.join(source_dir, "DICTLINE.GEN.csv"))
    endings = read_inflects(os.path.join(source_dir, "INFLECTS.LAT"))
    by_pos = {}
    for e in entries:
        by_pos.setdefault(e.pos, []).append(e)
    for pos in ("N", "ADJ", "V", "ADV", "PREP", "CONJ"):
        report.append(({"N": "nouns", "ADJ": "adjectives", "V": "verbs", "ADV": "adverbs",
                        "PREP": "prepositions", "CONJ": "conjunctives"}[pos], "source entries",
                       len(by_pos.get(pos, []))))

    tables = {}
    tables["conjunctives"] = [f"{form} ::{m}" for _, form, m in simple_lines(by_pos["CONJ"], "conjunctives", report)]
    tables["prepositions"] = preposition_lines(by_pos["PREP"], report)
    tables["adjectives"] = adjective_lines(by_pos["ADJ"], AdjectiveInflector(endings), report)
    tables["adverbs"] = [f"{form} ::{m}" for _, form, m in simple_lines(by_pos["ADV"], "adverbs", report)]
    tables["verbs"] = verb_lines(by_pos["V"], VerbInflector(endings), report)
    nouns = fit_capacity(by_pos["N"], CAPACITY["nouns"], 0, report, "nouns")
    tables["nouns"] = noun_lines(nouns, NounInflector(endings), report)
    tables["pronouns"] = pronoun_lines()

    os.makedirs(out_dir, exist_ok=True)
    for table, lines in tables.items():
        check_table(table, lines)
        write_table(out_dir, table, lines)
        report.append((table, "lines written", len(lines)))
    for what, unused in (("leading senses", unused_leading_rows()), ("governed cases", unused_rows())):
        if unused:
            raise SystemExit(f"rows of the {what} that match no entry: " + "; ".join(unused))
    return tables


def main(argv):
    if len(argv) != 3:
        print(__doc__.strip().splitlines()[2], file=sys.stderr)
        return 2
    report = []
    generate(argv[1], argv[2], report)
    totals = {}
    for table, what, n in report:
        totals[(table, what)] = totals.get((table, what), 0) + n
    for (table, what), n in totals.items():
        if n:
            print(f"{table:13} {what}: {n}")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
