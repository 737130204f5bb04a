"""Verb lines: the conjugation of a source entry into the 157 fields of a
verb line, and the verb table with its fixed positions.
"""

import re

from lexicon_headwords import delivered_meaning
from verb_cases import mark_governed_case
from lexicon_source import (CAPACITY, COMPOUND, MISSING, PERFECT_SYSTEM, PERSON_SLOTS, TENSES, VERB_FIELDS,
                            Entry, fit_capacity, index_endings, latin, ranked)

class VerbInflector:
    def __init__(self, endings):
        self.table = index_endings(endings, "V", lambda conj, var, tense, voice, mood, person, num, e:
                                   ((tense, voice, mood, int(person), num), (int(conj), int(var), e)))

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
        fields = verb_line(e, inflector)
        meaning = delivered_meaning("verbs", fields[0], e.meaning, allow_be=e is SUM)
        meaning = mark_governed_case(fields[0], fields[1], meaning)
        lines.append(" ".join(fields) + " ::" + meaning)
    return lines
