#!/usr/bin/env python3
"""Measures the English irregular tables against the lexicon's headwords.

Runs the program's own pastParticiple and nounPlural (through the small C++
tool inflect_headwords, the build's target of that name) over the
English headword of every verb and noun of the lexicon, or over a word list
while the lexicon is not at hand, and judges each result against reference
English: the irregular forms of english_reference.py, the regular rules of
English and the system word lists (Debian packages wamerican and wbritish).

  tools/measure_english.py                 # report what is still wrong
  tools/measure_english.py --propose N M   # rank table lines by what they mend
      and print the best N verb lines and M noun lines (rules only, no tables)
  tools/measure_english.py --write         # rewrite data/engIrreg*.txt: first the
      classic irregular plurals that a headword needs, then the lines worth most,
      then the reference verbs and nouns in their listed order, until 456 and
      104 lines; a line whose form the rules give for the word alone is written
      only when it mends longer captions ("kind kinds" for "kind of beer")

A line is worth the frequencies of the headwords it mends, less those of the
headwords it breaks (it replaces the stem everywhere in the caption). The
frequency of a word is how often it occurs in the English meanings of the
whole lexicon; a phrase counts as its rarest word, scaled by PHRASE_WEIGHT.
Needs the Debian packages wamerican and wbritish (the word lists).

  --lexicon FOLDER   folder of the .dat files (default build/bin if there)
  --words FILE       caption list instead (default tools/english_common_words.txt)
  --tables FOLDER    folder of engIrreg*.txt (default data/)
"""
import argparse
import collections
import os
import re
import signal
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import english_reference as ref  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build")
TOOL = os.path.join(BUILD, "bin", "inflect_headwords")
WORD_LISTS = ["/usr/share/dict/american-english", "/usr/share/dict/british-english"]
PREPOSITIONS = {"of", "in", "on", "for", "with", "from", "to", "at", "by", "under", "over",
                "without", "against", "between", "among", "about", "upon", "into", "who",
                "which", "that", "as"}
VOWELS = "aeiou"
# Words that begin noun captions without being the noun: no table line for them.
NOT_NOUNS = set("""he she it that this these those who which what one small little large
great young old new two three four five six seven eight nine ten hundred thousand born
open own each every other another such some any all both few many much same various
several whole first second third last certain good bad high low long short wild common
sacred public private male female very bring""".split())

# How often each word occurs in the English meanings of the whole lexicon: the
# measure of how frequent a word is.
GLOSS_WORDS = collections.Counter()
IRREGULAR_VERBS = {**ref.parse(ref.RARE_IRREGULAR_VERBS), **ref.parse(ref.IRREGULAR_VERBS)}
IRREGULAR_NOUNS = ref.parse(ref.IRREGULAR_NOUNS)


def build_tool():
    subprocess.run(["cmake", "--build", BUILD, "-j2", "--target", "inflect_headwords"],
                   check=True, stdout=subprocess.DEVNULL)


def run_tool(tables, source_mode, source, rules_only):
    args = [TOOL, tables, source_mode, source] + (["--rules-only"] if rules_only else [])
    out = subprocess.run(args, check=True, capture_output=True, text=True, encoding="cp1252")
    if out.stderr:
        sys.stderr.write(out.stderr[:2000])
    rows = []
    GLOSS_WORDS.clear()
    for line in out.stdout.splitlines():
        kind, caption, result = line.split("\t")
        if kind == "gloss":
            GLOSS_WORDS.update(w.lower() for w in re.findall(r"[A-Za-z][A-Za-z'-]*", result))
        else:
            rows.append((kind, caption, result))
    return rows


def load_words():
    words = set()
    for path in WORD_LISTS:
        if not os.path.exists(path):
            sys.exit(f"{path} is missing: apt-get install wamerican wbritish")
        with open(path, encoding="utf-8", errors="replace") as f:
            words.update(w.strip() for w in f)
    return words


def stem_of(caption):
    return caption.split(" ")[0].split("/")[0].split("(")[0]


def known(words, w):
    return w in words or w.lower() in words


def participles(words, s):
    """Acceptable past participles of the verb s, best first; None if unknown."""
    if s in IRREGULAR_VERBS:
        return IRREGULAR_VERBS[s][1].split("|")
    cands = []
    if s.endswith("e"):
        cands.append(s + "d")
    elif s.endswith("y") and len(s) > 1 and s[-2] not in VOWELS:
        cands.append(s[:-1] + "ied")
    else:
        cands += [s + "ed", s + s[-1] + "ed"]
        if s.endswith("c"):
            cands.append(s + "ked")
    good = [c for c in cands if known(words, c)]
    return good or None


def regular_plural(w):
    if w.endswith(("s", "x", "z", "ch", "sh")):
        return w + "es"
    if w.endswith("y") and len(w) > 1 and w[-2] not in VOWELS:
        return w[:-1] + "ies"
    return w + "s"


def plurals(words, w):
    if w in IRREGULAR_NOUNS:
        return IRREGULAR_NOUNS[w][0].split("|")
    if w.lower().endswith("man") and w not in ref.MAN_WITH_S and known(words, w[:-3] + "men"):
        return [w[:-3] + "men"]
    if w.endswith("woman"):
        return [w[:-5] + "women"]
    good = [regular_plural(w)]
    alt = (w + "es" if w.endswith("o") else w[:-1] + "ves" if w.endswith("f")
           else w[:-2] + "ves" if w.endswith("fe") else None)
    if alt and known(words, alt) and not known(words, good[0]):
        good = [alt]
    return good


def head_index(parts):
    """The head noun: the word before the first preposition, relative word or
    participle ("coat of mail", "ointment made with oil"), else the last word.
    The program's nounPlural finds it by the same rule."""
    for i, p in enumerate(parts[1:], start=1):
        if p in PREPOSITIONS or (len(p) > 4 and p.endswith(("ed", "ing"))):
            return i - 1
    return len(parts) - 1


def base_of(kind, caption):
    """What a table line is looked up by: a verb caption's stem, a noun
    caption's head noun."""
    if kind == "verb":
        return stem_of(caption)
    parts = caption.split(" ")
    return parts[head_index(parts)]


def with_line(kind, caption, base, form):
    """The caption as the program inflects it with a table line base -> form:
    a verb's leading stem, a noun's head noun replaced."""
    if kind == "verb":
        return form + caption[len(base):] if caption.startswith(base) else caption
    parts = caption.split(" ")
    h = head_index(parts)
    if parts[h] == base:
        parts[h] = form
    return " ".join(parts)


def expected(words, kind, caption):
    """Acceptable whole results for a caption, or None when unknown."""
    c = caption
    if kind == "verb":
        s = stem_of(c)
        if not s:
            return None
        pps = participles(words, s)
        return None if pps is None else [p + c[len(s):] for p in pps]
    t = c.strip()
    if ")" in t:
        return [t]
    parts = c.split(" ")
    if parts[0] == "one" and len(parts) > 1:
        return ["ones" + c[3:]]
    head = head_index(parts)
    if parts[head] in NOT_NOUNS:
        return None
    forms = plurals(words, parts[head])
    if is_plural_already(words, parts[head]):
        forms = [parts[head]]
    return [" ".join(parts[:head] + [p] + parts[head + 1:]) for p in forms]


def is_plural_already(words, w):
    """A noun that is plural as it stands ("husks", "riches", "Treveri" aside)."""
    if w in IRREGULAR_NOUNS or not w.endswith("s") or w.endswith(("ss", "us", "is")):
        return False
    singulars = [w[:-1]] + ([w[:-2]] if w.endswith("es") else []) + \
        ([w[:-3] + "y"] if w.endswith("ies") else [])
    return any(known(words, x) and len(x) > 2 for x in singulars)


def judge(words, rows):
    wrong, unknown = [], []
    for kind, caption, result in rows:
        exp = expected(words, kind, caption)
        if exp is None:
            unknown.append((kind, caption, result))
        elif result not in exp:
            wrong.append((kind, caption, result, exp[0]))
    return wrong, unknown


def line_for(words, kind, s):
    """The table line that gives stem s its right form, or None."""
    if kind == "verb":
        pps = participles(words, s)
        if not pps:
            return None
        past = IRREGULAR_VERBS[s][0].split("|")[0] if s in IRREGULAR_VERBS else pps[0]
        return f"{s} {past} {pps[0]}", pps[0]
    pl = [s] if is_plural_already(words, s) else plurals(words, s)
    return f"{s} {pl[0]}", pl[0]


STOPWORDS = {"of", "the", "a", "an", "for", "in", "on", "to", "and", "or", "with", "by", "at",
             "from", "who", "which", "that", "is", "be", "as"}


# How much less often a phrase caption ("kind of beer") is picked for a motto
# than a single word of the same frequency.
PHRASE_WEIGHT = 0.1


def caption_frequency(caption):
    """How often a caption may be expected to be picked: the frequency of its
    word, or for a phrase that of its rarest word (a phrase is never more
    frequent than any of its words), scaled down by PHRASE_WEIGHT."""
    counts = [GLOSS_WORDS[w.lower()] for w in re.findall(r"[A-Za-z][A-Za-z'-]*", caption)
              if w.lower() not in STOPWORDS]
    if not counts:
        return 1
    return max(1, min(counts)) * (1 if " " not in caption.strip() else PHRASE_WEIGHT)


def gains(words, rows):
    """For every stem, the table line that mends it and what it is worth: the
    frequencies of the headwords it mends, less those of the ones it breaks."""
    gain = collections.Counter()
    lines = {}
    by_stem = collections.defaultdict(list)
    for kind, caption, result in rows:
        by_stem[(kind, base_of(kind, caption))].append((caption, result))
    for (kind, s), items in by_stem.items():
        if not s:
            continue
        made = line_for(words, kind, s)
        if not made:
            continue
        line, form = made
        if kind == "noun" and (s in NOT_NOUNS or not known(words, form)):
            continue
        # What the line mends, less what it breaks: the table replaces the
        # verb's leading stem or the noun's head noun and overrides the rules.
        mended = 0
        for caption, result in items:
            exp = expected(words, kind, caption)
            if exp is None:
                continue
            if kind == "noun" and (")" in caption.strip() or caption.startswith("one ")):
                continue
            fixed = with_line(kind, caption, s, form)
            mended += ((fixed in exp) - (result in exp)) * caption_frequency(caption)
        if mended > 0:
            gain[(kind, s)] = mended
            lines[(kind, s)] = line
    return gain, lines


def propose(words, rows, verb_lines, noun_lines):
    """Ranks lines by the headwords they mend when added to the rules alone."""
    gain, lines = gains(words, rows)
    for kind, limit in (("verb", verb_lines), ("noun", noun_lines)):
        ranked = sorted((s for (k, s) in gain if k == kind), key=lambda s: (-gain[(kind, s)], s))
        print(f"# {kind}: {len(ranked)} stems would be mended by a line; best {limit}:")
        print("# worth (frequencies of the headwords mended)\tline")
        for s in ranked[:limit]:
            print(f"{gain[(kind, s)]:.0f}\t{lines[(kind, s)]}")


def write_tables(words, rows, tables):
    gain, lines = gains(words, rows)
    order = {"verb": [(s, None) for s in ref.parse(ref.IRREGULAR_VERBS)] +
                     [(s, None) for s in ref.FILLER_VERBS.split()] +
                     [(s, None) for s in ref.parse(ref.RARE_IRREGULAR_VERBS)],
             "noun": [(s, None) for s in ref.parse(ref.IRREGULAR_NOUNS)]}
    # The rules' own result for every candidate word alone: a line that
    # repeats it would be wasted.
    probe = os.path.join(BUILD, "tools", "probe_words.txt")
    cands = {(k, s) for (k, s) in gain} | {(k, s) for k in order for s, _ in order[k]}
    with open(probe, "w", encoding="cp1252") as f:
        f.writelines(f"{k} {s}\n" for k, s in sorted(cands))
    alone = {(k, c): r for k, c, r in run_tool(tables, "--words", probe, True)}
    for kind, capacity, name in (("verb", 456, "engIrregVerbs.txt"),
                                 ("noun", 104, "engIrregNouns.txt")):
        # The core nouns that mend a headword first, then the lines worth most
        # (the frequencies of the headwords they mend), then the reference
        # order, which lists the common words first.
        rank = {s: i for i, (s, _) in reversed(list(enumerate(order[kind])))}
        core = set(ref.CORE_NOUNS.split()) if kind == "noun" else set()
        ranked = sorted((s for (k, s) in gain if k == kind),
                        key=lambda s: (s not in core, -gain[(kind, s)], rank.get(s, len(rank)), s))
        chosen = {}
        for s in ranked + [s for s, _ in order[kind]]:
            if s in chosen or len(chosen) == capacity:
                continue
            made = lines.get((kind, s)) or line_for(words, kind, s)
            if not made:
                continue
            line = made if isinstance(made, str) else made[0]
            form = line.split(" ")[-1]
            # A line whose form the rules give for the word alone is worth its
            # place only when it mends longer captions ("kind of beer").
            if alone.get((kind, s)) == form and not gain.get((kind, s)):
                continue
            chosen[s] = line
        if len(chosen) < capacity:
            sys.exit(f"only {len(chosen)} lines for {name}; add words to english_reference.py")
        with open(os.path.join(ROOT, "data", name), "w", encoding="cp1252", newline="") as f:
            f.writelines(line + "\r\n" for line in sorted(chosen.values()))
        used = sum(gain.get((kind, s), 0) for s in chosen)
        left = sorted(((round(gain[(kind, s)]), s) for (k, s) in gain if k == kind and s not in chosen),
                      reverse=True)
        print(f"{name}: {len(chosen)} lines worth {used:.0f}; {len(left)} stems left unmended "
              f"for want of room, the most worth first: {left[:40]}")


def main():
    signal.signal(signal.SIGPIPE, signal.SIG_DFL)  # quiet when piped into head
    ap = argparse.ArgumentParser()
    ap.add_argument("--lexicon")
    ap.add_argument("--words", default=os.path.join(ROOT, "tools", "english_common_words.txt"))
    ap.add_argument("--tables", default=os.path.join(ROOT, "data"))
    ap.add_argument("--propose", nargs=2, type=int, metavar=("VERBS", "NOUNS"))
    ap.add_argument("--write", action="store_true")
    ap.add_argument("--no-build", action="store_true")
    ap.add_argument("--all", action="store_true", help="list every wrong result")
    a = ap.parse_args()
    if not a.no_build:
        build_tool()
    lexicon = a.lexicon or (os.path.join(BUILD, "bin")
                            if os.path.exists(os.path.join(BUILD, "bin", "verbs.dat")) else None)
    mode, source = ("--lexicon", lexicon) if lexicon else ("--words", a.words)
    words = load_words()
    if a.write:
        write_tables(words, run_tool(a.tables, mode, source, True), a.tables)
        return
    if a.propose:
        propose(words, run_tool(a.tables, mode, source, True), *a.propose)
        return
    rows = run_tool(a.tables, mode, source, False)
    wrong, unknown = judge(words, rows)
    counts = collections.Counter((k, c) for k, c, _ in rows)
    print(f"source: {mode[2:]} {source}")
    for kind in ("verb", "noun"):
        total = sum(1 for r in rows if r[0] == kind)
        distinct = len({c for k, c in counts if k == kind})
        w = [x for x in wrong if x[0] == kind]
        wd = {x[1] for x in w}
        u = {x[1] for x in unknown if x[0] == kind}
        print(f"{kind}s: {total} headwords ({distinct} distinct); wrong {len(w)} "
              f"({len(wd)} distinct); not judged {len(u)} distinct")
    ranked = sorted({(counts[(k, c)], k, c, r, e) for k, c, r, e in wrong},
                    key=lambda x: (-x[0] * caption_frequency(x[2]), x[1], x[2]))
    print("# frequency\tentries\tkind\theadword\tresult\texpected (most frequent first)")
    for n, k, c, r, e in ranked if a.all else ranked[:60]:
        print(f"{caption_frequency(c):.1f}\t{n}\t{k}\t{c}\t{r}\t{e}")
    if unknown and a.all:
        print("# not judged (no participle in the word lists):")
        for k, c, r in sorted(set(unknown)):
            print(f"{k}\t{c}\t{r}")


if __name__ == "__main__":
    main()
