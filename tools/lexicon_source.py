"""The dictionary source as the lexicon generator reads it: the format
constants of the delivered tables, the source's entries and endings, the
ranking of competing endings and the selection of entries that fit a table.
"""

import csv
import os

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
EXPANSION = {"%": " ", "*": "e", "@": "i", "$": "u", "\u00e6": "a", "\u00a3": "o"}
EXPANSION_CODES = tuple(EXPANSION)

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


def table_lines(folder, table):
    """The lines of a delivered table (Windows-1252, CR LF), without the
    empty one after the last line end."""
    with open(os.path.join(folder, table + ".dat"), "rb") as f:
        lines = f.read().decode("cp1252").split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def index_endings(endings, pos, key_and_row):
    """The endings of one part of speech grouped for look-up: `key_and_row`
    turns an ending's key fields (and the ending) into its group and the row
    kept there; rows stay in file order."""
    table = {}
    for e in endings:
        if e.pos == pos:
            key, row = key_and_row(*e.key, e)
            table.setdefault(key, []).append(row)
    return table


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
    return entries


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
# Spelling

def latin(form):
    """Source spelling to the delivered spelling: consonantal j is written i
    (juro -> iuro); v stays as it is."""
    return form.replace("j", "i").replace("J", "I")


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

