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
"""

import csv
import os
import re
import sys

# ---------------------------------------------------------------------------
# Table sizes the program reserves; no file may hold more lines.
CAPACITY = {
    "conjunctives": 102,
    "prepositions": 93,
    "adjectives": 8729,
    "adverbs": 2133,
    "verbs": 7547,
    "nouns": 19491,
    "pronouns": 30,
}

# Files whose lines the program expands on loading ("%" -> " ", 0xE6 -> "a",
# "*" -> "e", "@" -> "i", 0xA3 -> "o", "$" -> "u"); these characters must not
# occur in them literally.
EXPANDED = ("adjectives", "verbs", "nouns")
EXPANSION_CODES = ("%", "*", "@", "$", "\u00e6", "\u00a3")

MISSING = "-"        # a form that does not exist
COMPOUND = "tbc"     # a form built from the participle and "to be"

# Case order inside a block of six: nouns NOM GEN ABL DAT ACC VOC; pronouns
# and adjectives NOM VOC GEN ACC DAT ABL.
NOUN_CASES = ("NOM", "GEN", "ABL", "DAT", "ACC", "VOC")
BLOCK_CASES = ("NOM", "VOC", "GEN", "ACC", "DAT", "ABL")
NUMBERS = ("S", "P")
GENDERS = ("M", "F", "N")
DEGREES = ("POS", "COMP", "SUPER")

# Verb slots: tense order of the verb line and the person/number order inside
# a block of six (1sg, 1pl, 3sg, 3pl, 2pl, 2sg at personSlot 1..6).
TENSES = ("PRES", "PERF", "PLUP", "IMPF", "FUT", "FUTP")
PERSON_SLOTS = ((1, "S"), (1, "P"), (3, "S"), (3, "P"), (2, "P"), (2, "S"))
PERFECT_SYSTEM = ("PERF", "PLUP", "FUTP")
VERB_FIELDS = 157

# Age and frequency letters of the source, best first.  Classical and
# all-period endings are preferred; archaic and medieval ones come last.
AGE_RANK = {"X": 0, "C": 0, "D": 1, "E": 2, "B": 2, "A": 3, "F": 3, "G": 3, "H": 3}
FREQ_RANK = {"A": 0, "B": 1, "C": 2, "D": 3, "E": 4, "F": 5, "I": 6, "M": 6, "N": 6, "X": 4}


def ranked(endings):
    """Endings ordered best first: age, then frequency, then file order."""
    return sorted(endings, key=lambda e: (AGE_RANK.get(e.age, 3), FREQ_RANK.get(e.freq, 4), e.order))


# ---------------------------------------------------------------------------
# Source reading


class Entry:
    """One dictionary entry (continuation rows already joined)."""

    def __init__(self, ident, stems, pos, morph, code, meaning):
        self.ident = ident
        self.stems = stems            # four stems; None where the entry has none
        self.pos = pos
        self.morph = morph            # list of tokens of the morphology column
        self.code = code              # AGE AREA GEO FREQ SOURCE
        self.meaning = meaning

    @property
    def age(self):
        return self.code[0] if self.code else "X"

    @property
    def freq(self):
        return self.code[3] if len(self.code) > 3 else "X"


def read_dictline(path):
    """Entries in source order; a row whose meaning starts with "|" continues
    the entry above it and its text is appended to that entry's meaning."""
    entries = []
    with open(path, newline="", encoding="ascii") as f:
        reader = csv.reader(f, delimiter="\t")
        next(reader)  # header
        for row in reader:
            row = (row + [""] * 10)[:10]
            ident, w, o1, o2, o3, pos, morph, _number, code, meaning = row
            # One source row carries its fourth stem in the part-of-speech
            # column ("confidentiloquissi ADJ"); split it back out.
            if " " in pos.strip():
                extra, pos = pos.strip().rsplit(" ", 1)
                o3 = o3 or extra
            stems = [s.strip() for s in (w, o1, o2, o3)]
            # A few long stems run into the next column ("comprehensibilitas
            # comprehensibilitat" in the first cell): move them back.
            for k in range(4):
                if " " in stems[k]:
                    parts = stems[k].split()
                    for j, part in enumerate(parts):
                        if k + j < 4 and (j == 0 or not stems[k + j]):
                            stems[k + j] = part
            stems = [None if s in ("", "zzz") else s for s in stems]
            meaning = meaning.strip()
            if meaning.startswith("|"):
                if entries and entries[-1].pos == pos.strip():
                    entries[-1].meaning += " " + meaning.lstrip("|").strip()
                    continue
                meaning = meaning.lstrip("|").strip()
            entries.append(Entry(int(ident), stems, pos.strip(), morph.split(), code.split(), meaning))
    for e in entries:
        lead_with_usual_sense(e)
    return entries


# A few very common words whose usual sense is not the source's first one.
# That sense (the source's own words) is moved to the front, so that a slot's
# caption and the English meaning read naturally: omnis "all", not "each";
# nascor "be born", not "be produced spontaneously".
LEADING_SENSE = {
    ("ADJ", "omn"): "all/the whole of",
    ("V", "nasc"): "be born/begotten/formed/destined",
}


def lead_with_usual_sense(entry):
    sense = LEADING_SENSE.get((entry.pos, entry.stems[0]))
    if not sense:
        return
    senses = [s.strip() for s in entry.meaning.split(";")]
    if sense in senses:
        senses.remove(sense)
        entry.meaning = "; ".join([sense] + [s for s in senses if s]) + ";"


class Ending:
    def __init__(self, pos, key, stem, ending, age, freq, order):
        self.pos = pos
        self.key = key        # grammatical tokens between the part of speech and the stem number
        self.stem = stem      # 1..4
        self.ending = ending
        self.age = age
        self.freq = freq
        self.order = order


def read_inflects(path):
    endings = []
    with open(path, encoding="ascii") as f:
        for order, raw in enumerate(f):
            line = raw.split("--", 1)[0].strip()
            if not line:
                continue
            toks = line.split()
            pos, age, freq, rest = toks[0], toks[-2], toks[-1], toks[1:-2]
            if rest[-1].isdigit():          # zero-length ending
                stem, ending, key = int(rest[-2]), "", rest[:-2]
            else:
                stem, ending, key = int(rest[-3]), rest[-1], rest[:-3]
            endings.append(Ending(pos, key, stem, ending, age, freq, order))
    return endings


# ---------------------------------------------------------------------------
# Text clean-up

def latin(form):
    """Source spelling to the delivered spelling: consonantal j is written i
    (juro -> iuro); v stays as it is."""
    return form.replace("j", "i").replace("J", "I")


GENDER_LETTER = re.compile(r"(?<= )([MFNC])(?= )")
VERB_MARKER = re.compile(r"(fac|duc|ferre|(?<= )esse) (?=(\S))")


def clean_meaning(text, expanded):
    """The source meaning made safe for the look-ups.

    - "a/b" alternatives become "a, b" so each word is found by the pickers
      and the first word group is a clean caption ("w/" is "with").
    - Nothing may read as a marker: "::", a free-standing " M ", " F ", " N "
      or " C ", "undeclined", "fac ", "duc ", "ferre ", " esse ", and in the
      expanded files the abbreviation codes.
    """
    t = re.sub(r"\s+", " ", text).strip().strip('"')
    t = re.sub(r"(?<![A-Za-z])w/", "with ", t)
    t = re.sub(r"(?<=[A-Za-z.)\]'\"~])/(?=[A-Za-z(\['\"~])", ", ", t)
    t = t.replace("::", ":")
    t = t.replace("%", " percent")
    if expanded:
        for code in EXPANSION_CODES:
            t = t.replace(code, "")
    t = GENDER_LETTER.sub(r"\1.", t)
    t = t.replace("undeclined", "indeclinable")
    # Latin quotations inside a meaning ("[bellum inferre => make war on]"):
    # close up the space after the verb so it cannot read as a verb marker.
    t = VERB_MARKER.sub(lambda m: m.group(1) + ("" if m.group(2) in "=~" else ", "), t)
    t = re.sub(r"\s+", " ", t).strip()
    return open_leading_parenthesis(t)


def headword(meaning):
    """The English word a slot shows for an entry: the first sense, cut at
    the first ",", then at the first "(", trimmed."""
    return meaning.split(";")[0].split(",")[0].split("(")[0].strip()


def open_leading_parenthesis(meaning):
    """A meaning that starts with a bracketed word ("(little) old woman",
    "(for) a long time") would give an empty headword, and a word chosen with
    an empty caption is dropped from the motto again: take the brackets of
    that first word away so it reads "little old woman"."""
    if headword(meaning) or not meaning.startswith("("):
        return meaning
    close = meaning.find(")")
    if close < 0:
        return meaning
    return (meaning[1:close] + meaning[close + 1:]).strip()


# ---------------------------------------------------------------------------
# Selection: which source entries go into a table

# Usefulness tiers, least useful first.  When a table holds more entries than
# its capacity, whole tiers are left out in this order until it fits.
DROP_TIERS = (
    ("inscription only or only in Pliny", lambda e: e.freq in ("I", "N")),
    ("very rare and medieval, scholarly or modern", lambda e: e.freq == "F" and e.age in ("F", "G", "H")),
    ("very rare and late", lambda e: e.freq == "F" and e.age in ("D", "E")),
    ("very rare", lambda e: e.freq == "F"),
)


def fit_capacity(entries, capacity, reserved, report, table):
    """Leave out whole tiers of the least useful entries until the table
    (with `reserved` lines added by hand) fits its capacity."""
    kept = list(entries)
    for name, test in DROP_TIERS:
        if len(kept) + reserved <= capacity:
            break
        dropped = [e for e in kept if test(e)]
        kept = [e for e in kept if not test(e)]
        report.append((table, "left out: " + name, len(dropped)))
    if len(kept) + reserved > capacity:
        raise SystemExit(f"{table}: {len(kept) + reserved} entries do not fit {capacity}")
    return kept


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
        self.table = {}
        for e in endings:
            if e.pos != "N":
                continue
            decl, var, case, num, gender = e.key
            self.table.setdefault((int(decl), case, num), []).append((int(var), gender, e))

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


def noun_lines(entries, inflector, report):
    lines = []
    skipped_abbrev = 0
    skipped_empty = 0
    for e in entries:
        decl = e.morph[0] + " " + e.morph[1]
        if decl == "9 8":               # abbreviations ("A." for Aulus)
            skipped_abbrev += 1
            continue
        meaning = clean_meaning(e.meaning, True)
        if not meaning:
            skipped_empty += 1
            continue
        gender = e.morph[2]
        marker = {"M": "M", "F": "F", "N": "N"}.get(gender, "M")  # common gender agrees as masculine
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
        lines.append(" ".join(head + forms) + " ::" + meaning)
    report.append(("nouns", "left out: abbreviations", skipped_abbrev))
    report.append(("nouns", "left out: no meaning", skipped_empty))
    return lines


# ---------------------------------------------------------------------------
# Adjectives

class AdjectiveInflector:
    def __init__(self, endings):
        self.table = {}
        for e in endings:
            if e.pos != "ADJ":
                continue
            decl, var, case, num, gender, degree = e.key
            self.table.setdefault((case, num), []).append((int(decl), int(var), gender, degree, e))

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
        meaning = clean_meaning(e.meaning, True)
        if not meaning:
            report.append(("adjectives", "left out: no meaning", 1))
            continue
        forms, degree = adjective_forms(e, inflector)
        if e.stems[0] == "me" and e is first[0]:
            forms[1] = "mi"   # vocative of meus
        if e.stems[0] == "ali" and e.morph[:2] == ["1", "5"]:
            # alius borrows its genitive from alter
            for gender in range(3):
                forms[2 + 12 * gender] = "alterius"
        lines.append(" ".join(forms + [degree]) + " ::" + meaning)
    return lines


# ---------------------------------------------------------------------------
# Verbs

class VerbInflector:
    def __init__(self, endings):
        self.table = {}
        for e in endings:
            if e.pos != "V":
                continue
            conj, var, tense, voice, mood, person, num = e.key
            self.table.setdefault((tense, voice, mood, int(person), num), []).append((int(conj), int(var), e))

    def form(self, stems, conj, var, tense, voice, mood, person, num, prefer_empty=False):
        cands = [e for c, v, e in self.table.get((tense, voice, mood, person, num), [])
                 if (c, v) == (0, 0) or c == conj and v in (0, var)]
        order = ranked(cands)
        if prefer_empty:
            order = sorted(order, key=lambda e: e.ending != "")
        for e in order:
            stem = stems[e.stem - 1]
            if stem is not None:
                return latin(stem + e.ending)
        return MISSING


# Irregular forms from the source's list of unique forms (volo, malo), and
# nolo, whose second and third persons are two words ("non vis").
VERB_OVERRIDES = {
    ("vol", "vel"): {("PRES", "ACTIVE", "IND", 2, "S"): "vis", ("PRES", "ACTIVE", "IND", 3, "S"): "vult",
                     ("PRES", "ACTIVE", "IND", 2, "P"): "vultis", "imperative": MISSING},
    ("mal", "mal"): {("PRES", "ACTIVE", "IND", 2, "S"): "mavis", ("PRES", "ACTIVE", "IND", 3, "S"): "mavult",
                     ("PRES", "ACTIVE", "IND", 2, "P"): "mavultis", "imperative": MISSING},
    (None, None, "memin"): {"imperative": "memento"},
}

PERFECT_FOR_PRESENT = {"PRES": "PERF", "IMPF": "PLUP", "FUT": "FUTP"}

# The short singular command of dico, duco, facio and their compounds.
SHORT_IMPERATIVE = re.compile(r"(dic|duc|fac)$")


def verb_line(e, inflector):
    conj, var, kind = int(e.morph[0]), int(e.morph[1]), e.morph[2]
    stems = e.stems
    deponent = kind == "DEP"
    semideponent = kind == "SEMIDEP"
    has_passive = conj in (1, 2, 3) or (conj, var) == (6, 1)
    has_passive = has_passive and not deponent and not semideponent
    # facio and the compounds that keep "fac" take their present passive
    # from fio; only the perfect passive (factus sum) is their own.
    present_passive = has_passive and not (stems[1] or "").endswith("fac")
    impersonal = kind == "IMPERS"
    perfect_only = kind == "PERFDEF"
    overrides = VERB_OVERRIDES.get((stems[0], stems[1]), VERB_OVERRIDES.get(tuple(stems[:3]), {}))
    participle = latin(stems[3] + "us") if stems[3] and conj not in (5, 6, 7) else MISSING

    def finite(tense, voice, mood, person, num):
        if impersonal and person != 3:
            return MISSING
        if mood == "SUB" and tense in ("FUT", "FUTP"):
            return MISSING
        if (tense, voice, mood, person, num) in overrides:
            return overrides[(tense, voice, mood, person, num)]
        perfect = tense in PERFECT_SYSTEM
        if voice == "ACTIVE":
            if deponent:
                if perfect:
                    return COMPOUND if participle != MISSING else MISSING
                return inflector.form(stems, conj, var, tense, "PASSIVE", mood, person, num)
            if semideponent and perfect:
                return COMPOUND if participle != MISSING else MISSING
            return inflector.form(stems, conj, var, tense, "ACTIVE", mood, person, num)
        if not has_passive:
            return MISSING
        if perfect:
            return COMPOUND if participle != MISSING else MISSING
        if not present_passive:
            return MISSING
        return inflector.form(stems, conj, var, tense, "PASSIVE", mood, person, num)

    fields = [MISSING] * VERB_FIELDS
    for vi, voice in enumerate(("ACTIVE", "PASSIVE")):
        for ti, tense in enumerate(TENSES):
            # Verbs with only perfect forms (odi, memini, novi) use them with
            # present force: odi "I hate", oderam "I hated", odero "I will hate".
            source_tense = PERFECT_FOR_PRESENT.get(tense, tense) if perfect_only else tense
            for mi, mood in enumerate(("IND", "SUB")):
                for si, (person, num) in enumerate(PERSON_SLOTS):
                    fields[6 + 72 * vi + 12 * ti + 6 * mi + si + 1] = finite(source_tense, voice, mood, person, num)

    inf = lambda tense, voice: inflector.form(stems, conj, var, tense, voice, "INF", 0, "X")
    if deponent:
        fields[1] = inf("PRES", "PASSIVE")
        fields[2] = COMPOUND if participle != MISSING else MISSING
        fields[3] = MISSING
    else:
        fields[1] = inf("PERF" if perfect_only else "PRES", "ACTIVE")
        fields[2] = COMPOUND if semideponent and participle != MISSING else (
            MISSING if semideponent else inf("PERF", "ACTIVE"))
        fields[3] = inf("PRES", "PASSIVE") if present_passive else MISSING

    # Command stem.  The "ferre" family stores its plural command, from
    # which the look-up cuts the singular ("ferte" -> "fer"); every line
    # that reads "ferre " needs it, even the impersonal refert.
    if fields[1].endswith("ferre"):
        command = inflector.form(stems, conj, var, "PRES", "ACTIVE", "IMP", 2, "P")
    elif "imperative" in overrides:
        command = overrides["imperative"]
    elif perfect_only or impersonal:
        command = MISSING
    elif deponent:
        command = inflector.form(stems, conj, var, "PRES", "PASSIVE", "IMP", 2, "S")
    else:
        short = conj == 3 and stems[1] is not None and SHORT_IMPERATIVE.search(stems[1]) is not None
        command = inflector.form(stems, conj, var, "PRES", "ACTIVE", "IMP", 2, "S", prefer_empty=short)
    fields[151] = command
    fields[156] = participle

    head = fields[7] if fields[7] != MISSING else fields[1]
    fields[0] = head
    fields[4] = kind if kind in ("DEP", "SEMIDEP", "IMPERS", "PERFDEF") else "V"
    fields[5] = e.morph[0]
    fields[6] = e.morph[1]
    return fields


# The verb "to be" is not a source row (only its compounds are): it is added
# with the stems s, (none), fu, fut and conjugated by the conjugation-5 endings.
SUM = Entry(0, ["s", "", "fu", "fut"], "V", ["5", "1", "TO_BEING"], ["X", "X", "X", "A", "X"],
            "be; exist; happen, take place; (auxiliary of the compound tenses)")

# Fixed verb positions the renderer relies on, keyed by stems and conjugation.
FIXED_VERBS = {
    4532: (("jur", "jur", "jurav", "jurat"), "1 1"),      # iuro, "swear"
    6852: (("poss", "pot", "potu", None), "5 2"),         # possum, "can"
    6853: (("vol", "vel", "volu", None), "6 2"),          # volo, "want"
}


def verb_lines(entries, inflector, report):
    left_out = {"archaic extra forms (conjugation 8)": 0, "foreign words without conjugation": 0,
                "contracted forms of edo (also listed regularly)": 0, "helper rows of the source (kludge)": 0}
    kept = []
    for e in entries:
        conj, var = e.morph[0], e.morph[1]
        if conj == "8":
            left_out["archaic extra forms (conjugation 8)"] += 1
        elif conj == "9":
            left_out["foreign words without conjugation"] += 1
        elif (conj, var) == ("7", "3"):
            left_out["contracted forms of edo (also listed regularly)"] += 1
        elif "kludge" in e.meaning.lower():
            left_out["helper rows of the source (kludge)"] += 1
        else:
            kept.append(e)
    for name, n in left_out.items():
        report.append(("verbs", "left out: " + name, n))

    fixed = {}
    for index, (stems, conj) in FIXED_VERBS.items():
        match = [e for e in kept if tuple(e.stems) == stems and " ".join(e.morph[:2]) == conj]
        if not match:
            raise SystemExit(f"verbs: fixed entry {stems} not found")
        fixed[index] = match[0]
    rest = [e for e in kept if all(e is not f for f in fixed.values())]
    rest = fit_capacity(rest, CAPACITY["verbs"], 1 + len(fixed), report, "verbs")

    ordered = [SUM]
    it = iter(rest)
    remaining = len(rest)
    while remaining or len(ordered) in fixed:
        if len(ordered) in fixed:
            ordered.append(fixed[len(ordered)])
        else:
            ordered.append(next(it))
            remaining -= 1
    if len(ordered) <= max(fixed):
        raise SystemExit("verbs: too few entries to reach the fixed positions")

    lines = []
    for e in ordered:
        meaning = clean_meaning(e.meaning, True)
        fields = verb_line(e, inflector)
        lines.append(" ".join(fields) + " ::" + meaning)
    return lines


# ---------------------------------------------------------------------------
# Small tables

def simple_lines(entries, table, report, reserved=0):
    entries = fit_capacity(entries, CAPACITY[table], reserved, report, table)
    lines = []
    for e in entries:
        meaning = clean_meaning(e.meaning, table in EXPANDED)
        if not e.stems[0]:
            report.append((table, "left out: only comparative and superlative stems, no form of their own", 1))
            continue
        if not meaning:
            report.append((table, "left out: no meaning", 1))
            continue
        lines.append((e, latin(e.stems[0]), meaning))
    return lines


def preposition_lines(entries, report):
    # "a" for "ante" in calendar dates is an abbreviation, not a preposition.
    abbrev = [e for e in entries if "abb." in e.meaning]
    entries = [e for e in entries if "abb." not in e.meaning]
    report.append(("prepositions", "left out: abbreviations", len(abbrev)))
    rows = simple_lines(entries, "prepositions", report, reserved=1)
    cases = {}
    for e, form, _ in rows:
        cases.setdefault(form, set()).add(e.morph[0])
    name = {"ACC": "accusative", "ABL": "ablative", "GEN": "genitive"}
    lines = ["(dative) PREP - - DAT ::to, for"]
    for e, form, meaning in rows:
        case = e.morph[0]
        if len(cases[form]) > 1:
            # Two entries for one preposition: say which case each governs.
            meaning += " (with " + name[case] + ")"
        lines.append(f"{form} PREP - - {case} ::{meaning}")
    return lines


# Pronoun table: 30 entries of 36 forms, written from Latin grammar.  A form
# list gives one gender: singular then plural, each NOM VOC GEN ACC DAT ABL.
def decl(sg, pl):
    return sg.split() + pl.split()


EGO = decl("ego - mei me mihi me", "nos - nostrum nos nobis nobis")
NOS = EGO
TU = decl("tu tu tui te tibi te", "vos vos vestrum vos vobis vobis")
SE = decl("- - sui se sibi se", "- - sui se sibi se")
ALIQUIS = decl("aliquis - alicuius aliquem alicui aliquo", "aliqui - aliquorum aliquos aliquibus aliquibus")


def three(m, f, n):
    return m + f + n


def personal(forms):
    return forms * 3


PRONOUNS = [
    ("I, me", personal(EGO)),
    ("himself, herself, itself; the very", three(
        decl("ipse - ipsius ipsum ipsi ipso", "ipsi - ipsorum ipsos ipsis ipsis"),
        decl("ipsa - ipsius ipsam ipsi ipsa", "ipsae - ipsarum ipsas ipsis ipsis"),
        decl("ipsum - ipsius ipsum ipsi ipso", "ipsa - ipsorum ipsa ipsis ipsis"))),
    ("somebody, someone", personal(ALIQUIS)),
    ("this; these", three(
        decl("hic - huius hunc huic hoc", "hi - horum hos his his"),
        decl("haec - huius hanc huic hac", "hae - harum has his his"),
        decl("hoc - huius hoc huic hoc", "haec - horum haec his his"))),
    ("that (of yours); those", three(
        decl("iste - istius istum isti isto", "isti - istorum istos istis istis"),
        decl("ista - istius istam isti ista", "istae - istarum istas istis istis"),
        decl("istud - istius istud isti isto", "ista - istorum ista istis istis"))),
    ("that; those", three(
        decl("ille - illius illum illi illo", "illi - illorum illos illis illis"),
        decl("illa - illius illam illi illa", "illae - illarum illas illis illis"),
        decl("illud - illius illud illi illo", "illa - illorum illa illis illis"))),
    ("the same", three(
        decl("idem - eiusdem eundem eidem eodem", "eidem - eorundem eosdem eisdem eisdem"),
        decl("eadem - eiusdem eandem eidem eadem", "eaedem - earundem easdem eisdem eisdem"),
        decl("idem - eiusdem idem eidem eodem", "eadem - eorundem eadem eisdem eisdem"))),
    ("a certain one", three(
        decl("quidam - cuiusdam quendam cuidam quodam", "quidam - quorundam quosdam quibusdam quibusdam"),
        decl("quaedam - cuiusdam quandam cuidam quadam", "quaedam - quarundam quasdam quibusdam quibusdam"),
        decl("quiddam - cuiusdam quiddam cuidam quodam", "quaedam - quorundam quaedam quibusdam quibusdam"))),
    ("each, each one", three(
        decl("quisque - cuiusque quemque cuique quoque", "quique - quorumque quosque quibusque quibusque"),
        decl("quaeque - cuiusque quamque cuique quaque", "quaeque - quarumque quasque quibusque quibusque"),
        decl("quidque - cuiusque quidque cuique quoque", "quaeque - quorumque quaeque quibusque quibusque"))),
    ("anyone, anything", three(
        decl("quisquam - cuiusquam quemquam cuiquam quoquam", "- - - - - -"),
        decl("quisquam - cuiusquam quemquam cuiquam quoquam", "- - - - - -"),
        decl("quicquam - cuiusquam quicquam cuiquam quoquam", "- - - - - -"))),
    ("anyone you please", three(
        decl("quilibet - cuiuslibet quemlibet cuilibet quolibet",
             "quilibet - quorumlibet quoslibet quibuslibet quibuslibet"),
        decl("quaelibet - cuiuslibet quamlibet cuilibet qualibet",
             "quaelibet - quarumlibet quaslibet quibuslibet quibuslibet"),
        decl("quidlibet - cuiuslibet quidlibet cuilibet quolibet",
             "quaelibet - quorumlibet quaelibet quibuslibet quibuslibet"))),
    ("whoever, whatever", three(
        decl("quicumque - cuiuscumque quemcumque cuicumque quocumque",
             "quicumque - quorumcumque quoscumque quibuscumque quibuscumque"),
        decl("quaecumque - cuiuscumque quamcumque cuicumque quacumque",
             "quaecumque - quarumcumque quascumque quibuscumque quibuscumque"),
        decl("quodcumque - cuiuscumque quodcumque cuicumque quocumque",
             "quaecumque - quorumcumque quaecumque quibuscumque quibuscumque"))),
    ("who, which, that", three(
        decl("qui - cuius quem cui quo", "qui - quorum quos quibus quibus"),
        decl("quae - cuius quam cui qua", "quae - quarum quas quibus quibus"),
        decl("quod - cuius quod cui quo", "quae - quorum quae quibus quibus"))),
    ("himself, herself, itself, themselves", personal(SE)),
    ("he, she, it; they", three(
        decl("is - eius eum ei eo", "ei - eorum eos eis eis"),
        decl("ea - eius eam ei ea", "eae - earum eas eis eis"),
        decl("id - eius id ei eo", "ea - eorum ea eis eis"))),
    ("what", three(
        decl("quis - cuius quem cui quo", "qui - quorum quos quibus quibus"),
        decl("quis - cuius quam cui qua", "quae - quarum quas quibus quibus"),
        decl("quid - cuius quid cui quo", "quae - quorum quae quibus quibus"))),
    ("we, us", personal(NOS)),
    ("whole, all, entire", three(
        decl("totus - totius totum toti toto", "toti - totorum totos totis totis"),
        decl("tota - totius totam toti tota", "totae - totarum totas totis totis"),
        decl("totum - totius totum toti toto", "tota - totorum tota totis totis"))),
    ("alone, only, sole", three(
        decl("solus - solius solum soli solo", "soli - solorum solos solis solis"),
        decl("sola - solius solam soli sola", "solae - solarum solas solis solis"),
        decl("solum - solius solum soli solo", "sola - solorum sola solis solis"))),
    ("neither (of two)", three(
        decl("neuter - neutrius neutrum neutri neutro", "neutri - neutrorum neutros neutris neutris"),
        decl("neutra - neutrius neutram neutri neutra", "neutrae - neutrarum neutras neutris neutris"),
        decl("neutrum - neutrius neutrum neutri neutro", "neutra - neutrorum neutra neutris neutris"))),
    ("some, any", three(
        decl("aliqui - alicuius aliquem alicui aliquo", "aliqui - aliquorum aliquos aliquibus aliquibus"),
        decl("aliqua - alicuius aliquam alicui aliqua", "aliquae - aliquarum aliquas aliquibus aliquibus"),
        decl("aliquod - alicuius aliquod alicui aliquo", "aliqua - aliquorum aliqua aliquibus aliquibus"))),
    ("another, other", three(
        decl("alius - alterius alium alii alio", "alii - aliorum alios aliis aliis"),
        decl("alia - alterius aliam alii alia", "aliae - aliarum alias aliis aliis"),
        decl("aliud - alterius aliud alii alio", "alia - aliorum alia aliis aliis"))),
    ("the other (of two)", three(
        decl("alter - alterius alterum alteri altero", "alteri - alterorum alteros alteris alteris"),
        decl("altera - alterius alteram alteri altera", "alterae - alterarum alteras alteris alteris"),
        decl("alterum - alterius alterum alteri altero", "altera - alterorum altera alteris alteris"))),
    ("who", three(
        decl("quis - cuius quem cui quo", "qui - quorum quos quibus quibus"),
        decl("quis - cuius quam cui qua", "quae - quarum quas quibus quibus"),
        decl("quid - cuius quid cui quo", "quae - quorum quae quibus quibus"))),
    ("no, none, no one", three(
        decl("nullus - nullius nullum nulli nullo", "nulli - nullorum nullos nullis nullis"),
        decl("nulla - nullius nullam nulli nulla", "nullae - nullarum nullas nullis nullis"),
        decl("nullum - nullius nullum nulli nullo", "nulla - nullorum nulla nullis nullis"))),
    ("you (one person)", personal(TU)),
    ("which (of two)", three(
        decl("uter - utrius utrum utri utro", "utri - utrorum utros utris utris"),
        decl("utra - utrius utram utri utra", "utrae - utrarum utras utris utris"),
        decl("utrum - utrius utrum utri utro", "utra - utrorum utra utris utris"))),
    ("each (of two), both", three(
        decl("uterque - utriusque utrumque utrique utroque", "utrique - utrorumque utrosque utrisque utrisque"),
        decl("utraque - utriusque utramque utrique utraque", "utraeque - utrarumque utrasque utrisque utrisque"),
        decl("utrumque - utriusque utrumque utrique utroque", "utraque - utrorumque utraque utrisque utrisque"))),
    ("any, anyone", three(
        decl("ullus - ullius ullum ulli ullo", "ulli - ullorum ullos ullis ullis"),
        decl("ulla - ullius ullam ulli ulla", "ullae - ullarum ullas ullis ullis"),
        decl("ullum - ullius ullum ulli ullo", "ulla - ullorum ulla ullis ullis"))),
    ("you (several people)", personal(TU)),
]


def pronoun_lines():
    lines = []
    for meaning, forms in PRONOUNS:
        if len(forms) != 36:
            raise SystemExit(f"pronouns: {meaning!r} has {len(forms)} forms")
        lines.append(" ".join(forms) + " ::" + meaning)
    return lines


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
