#!/usr/bin/env python3
"""Counts the English headwords of the delivered lexicon that a client cannot
read as a word of their part of speech.

The headword is what a slot shows once a word is chosen and what the English
meaning is built from: the meaning part of the line before its first ";",
of that before the first ",", of that before the first "(", trimmed.  Each
headword is put in the first of these classes that fits it:

  empty          nothing is left
  underscore     joined words ("the_Gods")
  markup         brackets, quotes, "=", "~", "/", "|" and the like
  function word  only words that cannot carry the entry alone: "of", "from",
                 "be", "the", "those", "all the way" (what may stand alone
                 depends on the table: "not" is an adverb, "my" an adjective,
                 "from" a preposition)
  part of speech the words exist but are not that part of speech: a verb
                 headword whose first word has no verb forms in the word
                 lists, a preposition headword that does not end in one
  not a word     a word that the English word lists (Debian's wamerican and
                 wbritish) know neither as it stands nor through a regular
                 ending (-s, -ed, -ing, -ly, -er, -ness, un-, re-, ...)

Capitalised words that the lists do not know are names (Achillas, Aemilian)
and are counted apart, not as unusable.

  tools/measure_headwords.py [FOLDER ...]   counts per table (default data/)
  tools/measure_headwords.py --list FOLDER  every unusable headword, by class
"""
import argparse
import os
import re
import signal
import sys

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from lexicon_headwords import fault, headword, words_of  # noqa: E402
from lexicon_source import table_lines  # noqa: E402
from measure_english import load_words  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TABLES = ("nouns", "adjectives", "verbs", "adverbs", "prepositions", "conjunctives", "pronouns")
CLASSES = ("empty", "underscore", "markup", "function word", "part of speech", "not a word")

SUFFIXES = ("'s", "s", "es", "ies", "ed", "d", "ied", "ing", "ly", "ily", "er", "ers", "est", "ness",
            "ment", "able", "ism", "ist", "ity", "ize", "like", "ship", "hood")
PREFIXES = ("un", "re", "in", "im", "non", "over", "under", "counter", "half", "self", "semi", "pre",
            "sub", "super", "co", "mis", "dis", "out", "fore", "ill", "well", "after")


def read_headwords(folder, table):
    out = []
    for line in table_lines(folder, table):
        meaning = line.split("::")[1] if "::" in line else ""
        out.append((line.split(" ")[0], headword(meaning.strip()), meaning.strip()))
    return out


def known(words, w):
    """A word of the lists, as it stands or through a regular ending."""
    if w in words or w.lower() in words:
        return True
    low = w.lower()
    for suffix in SUFFIXES:
        if low.endswith(suffix) and len(low) > len(suffix) + 2:
            stem = low[:-len(suffix)]
            for s in (stem, stem + "e", stem + "y", stem[:-1] if stem[-1:] == stem[-2:-1] else stem,
                      stem + "le" if suffix == "ly" else stem):
                if s in words:
                    return True
    for prefix in PREFIXES:
        if low.startswith(prefix) and len(low) > len(prefix) + 2 and known(words, low[len(prefix):]):
            return True
    return False


VERB_PREFIXES = ("un", "re", "be", "fore", "pre", "over", "under", "mis", "dis", "de", "en", "out", "co")


def is_verb(words, w):
    """The word has verb forms in the lists (a past or an -ing form), as it
    stands, in the third person ("pities") or after a prefix ("unyoke")."""
    w = w.lower()
    if w in ("be", "is", "are", "was", "have", "has", "do", "does", "go", "goes", "can", "may", "must"):
        return True
    bases = [w] + ([w[:-3] + "y"] if w.endswith("ies") else []) + \
        ([w[:-2]] if w.endswith("es") else []) + ([w[:-1]] if w.endswith("s") else [])
    bases += [w[len(p):] for p in VERB_PREFIXES if w.startswith(p) and len(w) > len(p) + 2]
    for b in bases:
        forms = [b + "ed", b + "d", b + "ing", b[:-1] + "ing", b + b[-1:] + "ed", b + b[-1:] + "ing"]
        if b.endswith("y"):
            forms.append(b[:-1] + "ied")
        if any(f in words for f in forms):
            return True
    return False


def tokens(text):
    return [t for t in re.split(r"[ \-]+", text) if t]


def word_class(table, index, hw, words):
    """The class of an unusable headword, "name" for an unknown capitalised
    word, or None for a good one."""
    closed = fault(table, hw, allow_be=table == "verbs" and index == 0)
    if closed:
        return closed
    low = words_of(hw)
    # Impersonal verbs read "it is fitting", "evening is coming on"; an
    # adverb may come first ("strongly fortify").
    if table == "verbs" and not any(is_verb(words, w) for w in low[:3] if w not in ("it", "one", "there")):
        return "part of speech"
    for t in tokens(hw):
        t = t.strip(".!?'")
        if t and not t.isdigit() and not known(words, t):
            return "name" if t[0].isupper() else "not a word"
    return None


def measure(folder, words):
    """{table: {class: [(index, Latin, headword, meaning), ...]}}"""
    result = {}
    for table in TABLES:
        classes = {}
        for index, (latin, hw, meaning) in enumerate(read_headwords(folder, table)):
            c = word_class(table, index, hw, words)
            if c:
                classes.setdefault(c, []).append((index, latin, hw, meaning))
        result[table] = classes
    return result


def print_counts(folder, result):
    print(f"{folder}")
    print("| Table | " + " | ".join(CLASSES) + " | unusable | names |")
    print("|---" * (len(CLASSES) + 3) + "|")
    total = [0] * (len(CLASSES) + 2)
    for table in TABLES:
        counts = [len(result[table].get(c, [])) for c in CLASSES]
        row = counts + [sum(counts), len(result[table].get("name", []))]
        total = [a + b for a, b in zip(total, row)]
        print(f"| {table} | " + " | ".join(str(n) for n in row) + " |")
    print("| all | " + " | ".join(str(n) for n in total) + " |")


def main():
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)  # quiet when piped into head
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("folders", nargs="*", default=[os.path.join(ROOT, "data")])
    ap.add_argument("--list", action="store_true", help="list every unusable headword")
    ap.add_argument("--names", action="store_true", help="with --list, the names too")
    a = ap.parse_args()
    words = load_words()
    for folder in a.folders:
        result = measure(folder, words)
        print_counts(folder, result)
        if a.list:
            for table in TABLES:
                for c in CLASSES + (("name",) if a.names else ()):
                    for index, latin, hw, meaning in result[table].get(c, []):
                        print(f"{table}\t{c}\t{index}\t{latin}\t{hw}\t{meaning[:70]}")


if __name__ == "__main__":
    main()
