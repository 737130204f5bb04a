#!/usr/bin/env python3
"""Check the delivered lexicon files against the whitakers-words Latin parser.

Usage: tools/check_lexicon.py DATA_DIR [--sample N] [--seed S] [--min PERCENT]

For each of the seven tables a seeded random sample of entries (all entries
of tables smaller than the sample) is read by the program's own field rules,
and every stored form of a sampled entry is given to the parser together with
what the entry says it is.  A form is confirmed when one of the parser's
analyses has the intended part of speech and the intended case, number,
gender and degree, or tense, voice, mood, person and number.  "-" (no such
form) and "tbc" (a compound form) are not checked.

Prints per table: entries checked, forms checked, forms confirmed, the share,
and the commonest kinds of mismatch.  Exits with 1 when a table falls below
--min percent (default 98).
"""

import argparse
import collections
import os
import random
import shutil
import subprocess
import sys
import tempfile

# The order of the forms inside a line, as the generator writes them.
from lexicon_source import (BLOCK_CASES, CAPACITY, DEGREES, EXPANDED, EXPANSION, GENDERS, NOUN_CASES, NUMBERS,
                            PERSON_SLOTS, TENSES, table_lines)

SENTINEL = "zzqqxx"
BATCH = 20000

TABLES = tuple(CAPACITY)

POS_WORDS = {"N", "ADJ", "V", "VPAR", "PRON", "ADV", "PREP", "CONJ", "NUM", "PACK", "SUPINE", "INTERJ"}


def find_parser():
    """The parser binary, found from the package's file list."""
    try:
        out = subprocess.run(["dpkg", "-L", "whitakers-words"], capture_output=True, text=True, check=True).stdout
        for path in out.split():
            if path.endswith("/bin/whitakers-words") and os.access(path, os.X_OK):
                return path
    except (OSError, subprocess.CalledProcessError):
        pass
    return shutil.which("whitakers-words")


def read_table(data_dir, table):
    out = []
    for line in table_lines(data_dir, table):
        if table in EXPANDED:
            for code, plain in EXPANSION.items():
                line = line.replace(code, plain)
        out.append(line.strip(" "))
    return out


def latin_fields(line):
    return line.split("::", 1)[0].split(" ")


# ---------------------------------------------------------------------------
# What each stored form claims to be.  An expectation is (part of speech,
# dict of grammatical values); the parser's analysis must agree on all of them.

def noun_expectations(line):
    f = latin_fields(line)
    gender = next((g for g in GENDERS if f" {g} " in line), "M")
    if "undeclined" in line:
        return [(f[5], ("N", {}))]
    out = []
    for ni, num in enumerate(NUMBERS):
        for ci, case in enumerate(NOUN_CASES):
            out.append((f[5 + 6 * ni + ci], ("N", {"case": case, "number": num, "gender": gender})))
    return out


def adjective_expectations(line):
    f = latin_fields(line)
    head_degree = f[108] if len(f) > 108 else "POS"
    if len(set(f[0:36])) == 1:
        # An indeclinable adjective (nequam, frugi): one form for everything.
        return [(f[0], ("ADJ", {}))]
    out = []
    for di, degree in enumerate(DEGREES):
        for gi, gender in enumerate(GENDERS):
            for ni, num in enumerate(NUMBERS):
                for ci, case in enumerate(BLOCK_CASES):
                    d = head_degree if di == 0 else degree
                    out.append((f[ci + 6 * ni + 12 * gi + 36 * di],
                                ("ADJ", {"case": case, "number": num, "gender": gender, "degree": d})))
    return out


def pronoun_expectations(line):
    f = latin_fields(line)
    # Entries with one form for every gender (ego, tu, se, aliquis) intend
    # no particular gender.
    neutral = f[0:12] == f[12:24] == f[24:36]
    out = []
    for gi, gender in enumerate(GENDERS):
        for ni, num in enumerate(NUMBERS):
            for ci, case in enumerate(BLOCK_CASES):
                want = {"case": case, "number": num}
                if not neutral:
                    want["gender"] = gender
                out.append((f[ci + 6 * ni + 12 * gi], ("PRON", want)))
    return out


def verb_expectations(line):
    f = latin_fields(line)
    deponent = f[4] == "DEP"
    # Perfect-only verbs (odi) store perfect forms with present force.
    shift = {"PRES": "PERF", "IMPF": "PLUP", "FUT": "FUTP"} if f[4] == "PERFDEF" else {}
    out = []
    active = "DEP" if deponent else "ACTIVE"
    out.append((f[1], ("V", {"tense": shift.get("PRES", "PRES"), "voice": active, "mood": "INF"})))
    out.append((f[2], ("V", {"tense": "PERF", "voice": "ACTIVE", "mood": "INF"})))
    out.append((f[3], ("V", {"tense": "PRES", "voice": "PASSIVE", "mood": "INF"})))
    for vi, voice in enumerate(("ACTIVE", "PASSIVE")):
        for ti, tense in enumerate(TENSES):
            for mi, mood in enumerate(("IND", "SUB")):
                for si, (person, num) in enumerate(PERSON_SLOTS):
                    v = active if vi == 0 else voice
                    out.append((f[6 + 72 * vi + 12 * ti + 6 * mi + si + 1],
                                ("V", {"tense": shift.get(tense, tense), "voice": v, "mood": mood,
                                       "person": str(person), "number": num})))
    plural_command = "ferre " in line
    out.append((f[151], ("V", {"tense": "PRES", "voice": active, "mood": "IMP", "person": "2",
                               "number": "P" if plural_command else "S"})))
    out.append((f[156], ("VPAR", {"case": "NOM", "number": "S", "gender": "M", "tense": "PERF"})))
    return out


# Prepositions that are a noun's ablative placed after a genitive ("exempli
# gratia"), which the parser knows only as the noun: the stored form is
# confirmed as that ablative.
NOUN_ABLATIVES = ("gratia",)


def preposition_expectations(line):
    f = latin_fields(line)
    if f[0] == "(dative)":
        return []
    if f[0] in NOUN_ABLATIVES:
        return [(f[0], ("N", {"case": "ABL", "number": "S"}))]
    return [(f[0], ("PREP", {"case": f[4]}))]


def simple_expectations(pos):
    return lambda line: [(latin_fields(line)[0], (pos, {}))]


EXPECT = {
    "nouns": noun_expectations,
    "adjectives": adjective_expectations,
    "pronouns": pronoun_expectations,
    "verbs": verb_expectations,
    "prepositions": preposition_expectations,
    "adverbs": simple_expectations("ADV"),
    "conjunctives": simple_expectations("CONJ"),
}


# ---------------------------------------------------------------------------
# Parser output

def parse_analysis(tokens):
    """One analysis line's tokens (after the form) as (pos, values)."""
    pos, rest = tokens[0], tokens[1:]
    v = {}
    if pos in ("N", "PRON", "ADJ", "NUM", "PACK"):
        # N decl var CASE NUM GENDER [...]; ADJ adds the degree
        if len(rest) >= 5:
            v = {"case": rest[2], "number": rest[3], "gender": rest[4]}
            if pos in ("ADJ", "NUM") and len(rest) >= 6:
                v["degree"] = rest[5]
    elif pos == "V":
        # V conj var TENSE [VOICE] MOOD PERSON NUM; deponents have no voice
        r = rest[2:]
        if len(r) >= 5 and r[1] in ("ACTIVE", "PASSIVE"):
            v = {"tense": r[0], "voice": r[1], "mood": r[2], "person": r[3], "number": r[4]}
        elif len(r) >= 4:
            v = {"tense": r[0], "voice": "DEP", "mood": r[1], "person": r[2], "number": r[3]}
    elif pos == "VPAR":
        # VPAR conj var CASE NUM GENDER TENSE ...
        if len(rest) >= 6:
            v = {"case": rest[2], "number": rest[3], "gender": rest[4], "tense": rest[5]}
    elif pos == "PREP":
        v = {"case": rest[0]} if rest else {}
    return pos, v


def run_parser(binary, forms):
    """Analyses per form: {form: [(pos, values), ...]}."""
    result = {}
    forms = list(forms)
    with tempfile.TemporaryDirectory() as tmp:
        for start in range(0, len(forms), BATCH):
            chunk = forms[start:start + BATCH]
            inp = os.path.join(tmp, "in.txt")
            out = os.path.join(tmp, "out.txt")
            with open(inp, "w", encoding="latin-1") as f:
                for form in chunk:
                    f.write(form + "\n" + SENTINEL + "\n")
            subprocess.run([binary, inp, out], cwd=tmp, check=True,
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            with open(out, encoding="latin-1") as f:
                blocks = [[]]
                for line in f:
                    if line.startswith(SENTINEL):
                        blocks.append([])
                    else:
                        blocks[-1].append(line.rstrip("\n"))
            for form, block in zip(chunk, blocks):
                analyses = []
                for line in block:
                    toks = line.split()
                    if len(toks) >= 2 and toks[1] in POS_WORDS and not toks[0].endswith(","):
                        analyses.append(parse_analysis(toks[1:]))
                result[form] = analyses
    return result


def gender_agrees(found, wanted, pos):
    if found == wanted or found == "X":
        return True
    if found == "C":
        # Common endings serve masculine and feminine; personal and
        # reflexive pronouns have one form for every gender.
        return wanted in ("M", "F") or pos == "PRON"
    return False


def agrees(analysis, expectation):
    pos, values = analysis
    want_pos, want = expectation
    if want_pos == "PRON":
        if pos not in ("PRON", "PACK", "ADJ"):
            return False
    elif pos != want_pos:
        return False
    for key, value in want.items():
        got = values.get(key)
        if key == "gender":
            if got is None or not gender_agrees(got, value, want_pos):
                return False
        elif key == "voice" and value == "DEP":
            if got not in ("DEP", "PASSIVE"):
                return False
        elif key == "number" and got == "X":
            continue
        elif got != value:
            return False
    return True


def mismatch_kind(analyses, expectation):
    want_pos, want = expectation
    if not analyses:
        return f"{want_pos}: unknown to the parser"
    same_pos = [a for a in analyses if a[0] == want_pos or (want_pos == "PRON" and a[0] in ("PACK", "ADJ"))]
    if not same_pos:
        return f"{want_pos}: parsed only as another part of speech"
    wrong = collections.Counter()
    for _, values in same_pos:
        bad = tuple(k for k, v in want.items() if values.get(k) != v and not
                    (k == "gender" and values.get(k) and gender_agrees(values[k], v, want_pos)))
        wrong[bad] += 1
    best = min(wrong, key=lambda k: (len(k), k))
    detail = ",".join(f"{k}={want[k]}" for k in best)
    return f"{want_pos}: other {'/'.join(best)} (wanted {detail})"


def check(data_dir, sample, seed, binary):
    results = {}
    for table in TABLES:
        lines = read_table(data_dir, table)
        rng = random.Random(f"{seed}:{table}")
        indexes = list(range(len(lines)))
        chosen = sorted(rng.sample(indexes, sample)) if len(indexes) > sample else indexes
        pairs = []
        skipped = 0
        for i in chosen:
            for form, expectation in EXPECT[table](lines[i]):
                if form in ("-", "tbc") or not form:
                    continue
                if len(form) == 1:
                    # The parser passes over one-letter words ("a", "e")
                    # without any analysis, so they cannot be checked.
                    skipped += 1
                    continue
                pairs.append((i, form, expectation))
        analyses = run_parser(binary, sorted({form for _, form, _ in pairs}))
        confirmed = 0
        kinds = collections.Counter()
        examples = {}
        for i, form, expectation in pairs:
            if any(agrees(a, expectation) for a in analyses.get(form, [])):
                confirmed += 1
            else:
                kind = mismatch_kind(analyses.get(form, []), expectation)
                kinds[kind] += 1
                examples.setdefault(kind, f"{i}:{form}")
        results[table] = (len(chosen), len(pairs), confirmed, kinds, examples, skipped)
    return results


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.strip().splitlines()[0])
    ap.add_argument("data_dir")
    ap.add_argument("--sample", type=int, default=500)
    ap.add_argument("--seed", default="lexorra")
    ap.add_argument("--min", type=float, default=98.0)
    ap.add_argument("--kinds", type=int, default=5, help="mismatch kinds shown per table")
    args = ap.parse_args(argv[1:])
    binary = find_parser()
    if not binary:
        print("whitakers-words is not installed", file=sys.stderr)
        return 2
    results = check(args.data_dir, args.sample, args.seed, binary)
    failed = False
    print(f"{'table':13} {'entries':>7} {'forms':>7} {'confirmed':>9} {'share':>7}")
    for table in TABLES:
        entries, forms, confirmed, kinds, examples, skipped = results[table]
        share = 100.0 * confirmed / forms if forms else 100.0
        failed |= share < args.min
        note = f"  ({skipped} one-letter forms not checkable)" if skipped else ""
        print(f"{table:13} {entries:7} {forms:7} {confirmed:9} {share:6.2f}%{note}")
        for kind, n in kinds.most_common(args.kinds):
            print(f"    {n:6}  {kind}  e.g. {examples[kind]}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
