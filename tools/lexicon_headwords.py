"""The headword of a delivered entry: the first sense of its meaning, cut at
the first ",", then at the first "(", trimmed.  It is the word a slot shows
and the word the English meaning is built from, so it must read as a word of
the entry's part of speech.

Two steps choose it.  First the hand-made table LEADING_SENSES gives the
commonest words the sense a client types first (fortuna "fortune", not
"chance").  Then any headword that still cannot carry the entry (a bare "of",
"be" or "those", an empty one) is mended by fixed rules that only reorder
the source's own words (readable_headword).
"""

import re

from lexicon_meanings import clean_meaning
from lexicon_source import EXPANDED

# ---------------------------------------------------------------------------
# Words that cannot carry an entry alone.  What may stand alone depends on the
# table: "not" is an adverb, "my" an adjective, "from" a preposition.

PREPOSITIONS = frozenset("""of from to in on at by for with without into onto upon over under about
above below after before behind beyond between among amongst amid amidst through throughout toward
towards against around round across along within unto till until near beside besides except opposite
past via like than facing concerning regarding during inside outside underneath beneath off out up
down""".split())
ARTICLES = frozenset(("a", "an", "the"))
CONJUNCTIONS = frozenset("and or nor but if as than that whether because though although unless lest".split())
PRONOUNS = frozenset("""i me you he him she her it we us they them who whom whose which what this these
those one ones oneself himself herself itself themselves someone anyone""".split())
DETERMINERS = frozenset("""all some any each every both either neither many few much more most less
least several such no none other another same own my your his its our their""".split())
PARTICLES = frozenset("not so very too also even just only then there here thus hence now again once ever never".split())
CLOSED = PREPOSITIONS | ARTICLES | CONJUNCTIONS | PRONOUNS | DETERMINERS | PARTICLES

# Nouns that a closed word spells ("down" of feathers, "no one" for nemo).
NOUN_WORDS = frozenset(("all", "down", "inside", "outside", "opposite", "past", "round", "no one", "nobody"))
# Adjectives that a closed word spells ("the opposite bank", "the only son").
ADJECTIVE_WORDS = frozenset("""opposite near round past only very just like over inside outside above
below off out up down one that this whose""".split())
# Prepositions that also stand alone as adverbs ("below", "before").
ADVERB_PREPOSITIONS = frozenset("""about above across after along around before behind below beneath
besides beyond down inside near off opposite out outside over past round through throughout under
underneath up within without""".split())
# A phrase ending in one of these still waits for its noun ("all the way
# from", "at the"); "on" and "like" end phrases of their own ("from then on",
# "as you like").
DANGLING = (PREPOSITIONS - ADVERB_PREPOSITIONS - {"on", "like"}) | ARTICLES | CONJUNCTIONS
# Closed words that are also verbs ("round off", "better oneself").
VERBAL = frozenset("round down up out back near like better even still last".split())

MARKUP = re.compile(r"[\[\]{}<>=~|\\/*#+&\"^`@$%_]")


def words_of(text):
    """The lower-case words of a headword, punctuation stripped."""
    return [w for w in (t.strip(".!?'").lower() for t in re.split(r"[ \-]+", text)) if w]


def fault(table, hw, allow_be=False, strict=False):
    """Why a headword cannot carry an entry of the table: "empty",
    "underscore", "markup", "function word" or "part of speech" (a
    preposition that does not end in one, an adverb that waits for its
    noun); None when it can.  `strict` also refuses any phrase that waits
    for its noun ("pertaining to").  Only closed word classes are judged here:
    whether the words are English is measured against word lists by
    tools/measure_headwords.py."""
    if not hw:
        return "empty"
    if "_" in hw:
        return "underscore"
    if MARKUP.search(hw) or hw.endswith("-"):
        return "markup"
    low = words_of(hw)
    if not low:
        return "markup"
    if table == "nouns" and hw.lower() not in NOUN_WORDS and all(w in CLOSED for w in low):
        return "function word"
    if strict and table != "prepositions" and len(low) > 1 and low[-1] in DANGLING:
        return "part of speech"
    if table == "adjectives" and all(w in CLOSED - DETERMINERS - ADJECTIVE_WORDS for w in low):
        return "function word"
    if table == "verbs":
        only_closed = all(w in CLOSED or w == "be" for w in low) and low[0] not in VERBAL
        if only_closed and ("be" not in low or low == ["be"] and not allow_be):
            return "function word"
    if table == "adverbs":
        if len(low) == 1 and low[0] in CLOSED - ADVERB_PREPOSITIONS - PARTICLES - DETERMINERS:
            return "function word"
        if len(low) > 1 and low[-1] in DANGLING:
            return "part of speech"
    if table == "prepositions" and low[-1] not in PREPOSITIONS and hw.lower() not in ("as far as",):
        return "part of speech"
    return None


def headword(meaning):
    return meaning.split(";")[0].split(",")[0].split("(")[0].strip()


# ---------------------------------------------------------------------------
# The commonest words: the sense a client types first.  One row per entry:
# table, Latin form (nominative, first person, adverb), the headword the
# source's order gives, "=>", the headword wanted.  The wanted word is one of
# the entry's own comma groups, which moves to the front with its sense; a
# "+" marks a word the source does not have, written in front of the meaning.
LEADING_SENSES = """
nouns fortuna chance => +fortune
nouns virtus strength => virtue
nouns fama rumor => fame
nouns gratia popularity => grace
nouns potentia force => power
nouns regnum royal power => kingdom
nouns dominus owner => lord
nouns domina mistress of a family => lady
nouns familia household => family
nouns gens tribe => nation
nouns mundus universe => world
nouns ordo row => order
nouns opus need => work
nouns finis boundary => end
nouns ratio account => +reason
nouns patientia endurance => patience
nouns prudentia discretion => prudence
nouns pietas responsibility => piety
nouns humilitas insignificance => +humility
nouns superbia arrogance => pride
nouns umbra shade => shadow
nouns tempestas season => storm
nouns spiritus breath => +spirit
nouns fatum utterance => fate
nouns robur oak => strength
nouns concordia concurrence => harmony
nouns necessitas need => necessity
adjectives omnis each => all
adjectives magnus large => great
adjectives pius conscientious => +pious
adjectives sanctus consecrated => holy
adjectives sapiens rational => wise
adjectives prudens aware => prudent
adjectives pulcher pretty => beautiful
adjectives dulcis pleasant => sweet
adjectives dignus appropriate => worthy
adjectives honestus distinguished => honorable
adjectives certus fixed => certain
adjectives perpetuus continuous => perpetual
adjectives ferox wild => +fierce
adjectives unus alone => +one
adjectives solus only => alone
adjectives ingens not natural => huge
adjectives humilis low => humble
adjectives antiquus old => ancient
adjectives miser poor => miserable
adjectives chartaceus paper- => +of paper
adjectives pedifollis football- => footballing
adjectives caelibaris [~ hasta => small spear => +bridal
adjectives caelibalis [~ hasta => small spear => +bridal
adjectives congiarius of => +of one congius
adjectives edictalis by => +by edict
adjectives cuius of whom? => +whose
adjectives quoius of whom? => +whose
verbs nascor be produced spontaneously => be born
verbs vivo be alive => live
verbs spero hope for => hope
verbs audeo intend => dare
verbs servo watch over => save
verbs oro beg => pray
verbs curo arrange => take care of
verbs quaero search for => seek
verbs invenio come upon => find
verbs fleo cry for => weep
verbs cresco come forth => grow
verbs ardeo be on fire => burn
verbs parco forbear => spare
verbs tueor see => protect
verbs protego cover => protect
verbs resisto pause => resist
verbs sentio perceive => feel
verbs sapio taste of => +be wise
verbs peto attack => +seek
verbs doleo hurt => grieve
verbs vigilo remain awake => watch
verbs exspecto lookout for => await
verbs vigeo be strong => thrive
verbs cedo go => yield
verbs colo live in => cherish
verbs confido have confidence in => trust
verbs succumbo sink => succumb
verbs subcumbo sink => succumb
verbs nitor press => lean upon
verbs supersum be left over => survive
verbs insulto leap => insult
verbs evenio come out => happen
verbs intersum be => be present
nouns assarius as => +copper coin
nouns nonnulli some => +some people
nouns plurimum most => greatest amount
nouns nunnulli some => +some people
adverbs aliubei in => +elsewhere
prepositions ante in front => before
prepositions cis on => +on this side of
prepositions citra on this => +on this side of
prepositions adusque all the way => right up to
"""


def leading_table(text=LEADING_SENSES):
    """{(table, Latin form, headword): wanted headword} from the rows."""
    rows = {}
    for line in text.strip().splitlines():
        before, wanted = line.rsplit(" => ", 1)
        table, form, current = before.split(" ", 2)
        rows[(table, form, current)] = wanted
    return rows


LEADING = leading_table()
LEADING_USED = set()


def senses_of(meaning):
    """The senses of a meaning (cut at ";") and whether it ended with ";"."""
    parts = split_outside_brackets(meaning, ";")
    ends = meaning.rstrip().endswith(";")
    if ends:
        parts = parts[:-1]
    return [p.strip() for p in parts], ends


def join_senses(senses, ends):
    return "; ".join(s for s in senses if s) + (";" if ends else "")


def lead_with(meaning, wanted):
    """The meaning with the comma group `wanted` (or a group that is
    `wanted` followed by a bracket, "piety (Bee)") first in the first sense;
    None when the meaning has no such group."""
    senses, ends = senses_of(meaning)
    for exact in (True, False):
        for si, sense in enumerate(senses):
            groups = [g.strip() for g in split_outside_brackets(sense, ",")]
            for gi, group in enumerate(groups):
                if group == wanted if exact else group.startswith(wanted + " ("):
                    groups.insert(0, groups.pop(gi))
                    senses.insert(0, ", ".join(groups))
                    del senses[si + 1]
                    return join_senses(senses, ends)
    return None


def lead_with_usual_sense(table, form, meaning):
    """The meaning with the sense LEADING_SENSES gives the entry first."""
    key = (table, form, headword(meaning))
    wanted = LEADING.get(key)
    if wanted is None:
        return meaning
    LEADING_USED.add(key)
    if wanted.startswith("+"):
        return wanted[1:] + ", " + meaning
    led = lead_with(meaning, wanted)
    if led is None:
        raise SystemExit(f"{table} {form}: no sense {wanted!r} in {meaning!r}")
    return led


def unused_leading_rows():
    return sorted(" ".join(k) for k in set(LEADING) - LEADING_USED)


# ---------------------------------------------------------------------------
# Mending a headword that cannot carry its entry, with the source's own words.

# Words that lead into the thing an "of" adjective is about: "of, pertaining
# to an abbot" is "of an abbot".
RELATION = re.compile(r"^(?:(?:pertaining|belonging|relating|related|connected|concerned|associated|"
                      r"proper|appropriate|sacred|peculiar|suitable|used|obtained|derived|made|consisting|"
                      r"produced|existing|found|living|situated|located|coming|resembling|affecting|"
                      r"devoted|dedicated|given|native|involving|"
                      r"concerning|regarding|characteristic|typical|for|from|of|in|with|to|on|at|by|about|"
                      r"like|or|and)\b\s*)+")
# A bare first word of a verb whose complement the next alternative carries:
# "get, be, become angry" is "get angry".
VERB_HEADS = ("be", "get", "become", "grow")
MENDED = ("nouns", "adjectives", "verbs", "adverbs", "conjunctives")
# A bracketed note standing apart ("one (female) who") or after a word
# ("who(/that which) follows"), not the start of a word ("(an)other").
BRACKET_GROUP = re.compile(r"(?:^|\s|(?<=\w))\([^()]*\)(?=\s|$)")


def usable(table, meaning, allow_be=False, strict=False):
    return fault(table, headword(meaning), allow_be, strict) is None


def split_outside_brackets(text, separator):
    """The parts of text between separators that stand outside brackets."""
    parts, depth, start = [], 0, 0
    for i, c in enumerate(text):
        depth += c in "([" and 1 or c in ")]" and -1 or 0
        if c == separator and depth <= 0:
            parts.append(text[start:i])
            start = i + 1
    return parts + [text[start:]]


def split_quotation(meaning):
    """A Latin quotation inside the first sense ("night [prima nocte =>
    early in the night; ...]") ends that sense, so the headword stops
    before it."""
    at = meaning.find("[")
    if at <= 0 or any(c in meaning[:at] for c in ";,("):
        return meaning
    return meaning[:at].rstrip() + "; " + meaning[at:]


def without_brackets(group):
    """"one (female) who strikes" as "one who strikes (female)"."""
    inner = [b.strip() for b in BRACKET_GROUP.findall(group)]
    bare = re.sub(r"\s+", " ", BRACKET_GROUP.sub(" ", group)).strip()
    return bare + " " + " ".join(inner) if inner and bare else None


def complement(group):
    """What an "of" adjective is about, from one alternative of its sense:
    "pertaining to an abbot" gives "an abbot", "flying in air" gives "air";
    None when the alternative names nothing after its leading words."""
    rest = RELATION.sub("", group)
    if rest == group:
        linked = re.match(r"^[a-z]+ (?:to|with|for|from|in|of|by|on|at) (.+)$", group)
        rest = linked.group(1) if linked else ""
    rest = re.sub(r"\s+", " ", BRACKET_GROUP.sub("", rest)).strip()
    return rest or None


def merged(table, groups):
    """The comma groups of a first sense that begins with a bare word whose
    complement a later alternative carries: "of, pertaining to an abbot"
    reads "of an abbot, pertaining to an abbot" (also after compound forms:
    "raven-, of, belonging to a raven"); "get, be, become angry" reads "get
    angry, be angry, become angry".  None when no such word begins the
    sense."""
    if table == "adjectives":
        k = 0
        while k < len(groups) and groups[k].endswith("-"):
            k += 1
        if k < len(groups) and groups[k] == "of":
            for group in groups[k + 1:]:
                rest = complement(group)
                if rest:
                    return ["of " + rest] + groups[:k] + groups[k + 1:]
    if table == "verbs" and groups[0] in VERB_HEADS:
        for k, group in enumerate(groups):
            if " " in group:
                rest = group.split(" ", 1)[1]
                return [bare + " " + rest for bare in groups[:k]] + groups[k:]
    return None


def expand_verb_heads(meaning):
    """A verb whose first two or more alternatives are only "be", "get",
    "become", "grow" shares the complement of the next one: "get, be,
    become angry" reads "get angry, be angry, become angry" (one bare
    "grow" or "become" is a verb of its own)."""
    senses, ends = senses_of(meaning)
    groups = [g.strip() for g in split_outside_brackets(senses[0], ",")] if senses else []
    k = next((k for k, g in enumerate(groups) if " " in g), 0)
    if k < 2 or not all(g in VERB_HEADS for g in groups[:k]):
        return meaning
    return join_senses([", ".join(merged("verbs", groups))] + senses[1:], ends)


def fragment(group):
    """A piece of a list of alternatives, never a headword of its own: only
    closed words ("strikes against, down") or only leading words ("made",
    "belonging")."""
    hw = headword(group)
    return all(w in CLOSED for w in words_of(hw)) or not RELATION.sub("", hw)


def reorderings(table, senses):
    """Candidate first senses, best first, each with the index of the sense
    it comes from and whether it must be a complete phrase: the brackets of
    the first group moved to its end, a bare word joined to its complement,
    then each later group moved first.  A later group of closed words only
    is a piece of a list of alternatives ("strikes against, down"), never a
    headword, and a moved group must not wait for its noun."""
    for si, sense in enumerate(senses):
        groups = [g.strip() for g in split_outside_brackets(sense, ",")]
        bare = without_brackets(groups[0])
        if bare:
            yield si, [bare] + groups[1:], False
        joined = merged(table, groups)
        if joined:
            yield si, joined, False
        for gi in range(si == 0, len(groups)):
            if not fragment(groups[gi]):
                yield si, [groups[gi]] + groups[:gi] + groups[gi + 1:], True


def readable_headword(table, meaning, allow_be=False):
    """The meaning reordered so that its headword can carry the entry:

    1. a Latin quotation in the first sense ends that sense;
    2. brackets inside the first comma group move to its end;
    3. a bare "of" (adjectives) or "be", "get" (verbs) takes the complement
       of the next alternative of its sense;
    4. else the first comma group that can carry the entry comes first,
       with its sense (the first sense tried first);
    5. else a compound form loses its hyphen ("fish-" reads "fish").
    A meaning no rule mends is returned as it was.  Prepositions keep their
    order: their alternatives share one noun ("in front, presence of")."""
    if table == "verbs" and not allow_be:
        meaning = expand_verb_heads(meaning)
    if table not in MENDED or usable(table, meaning, allow_be):
        return meaning
    meaning = split_quotation(meaning)
    senses, ends = senses_of(meaning)
    for si, groups, strict in reorderings(table, senses):
        tried = join_senses([", ".join(groups)] + senses[:si] + senses[si + 1:], ends)
        if usable(table, tried, allow_be, strict):
            return tried
    if senses and re.fullmatch(r"[A-Za-z]+-", senses[0].split(",")[0].strip()):
        return meaning.replace("-", "", 1)
    return meaning


def delivered_meaning(table, form, text, allow_be=False):
    """The source meaning of an entry as the table delivers it: cleaned for
    the look-ups, led by the usual sense, with a headword that can carry
    the entry.  `form` is the entry's Latin form (nominative, first person,
    adverb); `allow_be` keeps the bare "be" of the verb "to be"."""
    meaning = clean_meaning(text, table in EXPANDED)
    if not meaning:
        return meaning
    return readable_headword(table, lead_with_usual_sense(table, form, meaning), allow_be)
