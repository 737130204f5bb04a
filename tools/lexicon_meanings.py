"""The English meaning part of a delivered line: the source's meanings made
safe for the look-ups, and the first sense, which becomes the headword (the
word a slot shows and the English meaning is built from).
"""

import re

from lexicon_source import EXPANSION_CODES

GENDER_LETTER = re.compile(r"(?<= )([MFNC])(?= )")
VERB_MARKER = re.compile(r"(fac|duc|ferre|(?<= )esse) (?=(\S))")


def clean_meaning(text, expanded):
    """The source meaning made safe for the look-ups.

    - "a/b" alternatives become "a, b" so each word is found by the pickers
      and the first word group is a clean caption ("w/" is "with").
    - Joined words are apart ("the_Gods" is "the Gods"), quotation marks
      go, and a case note reads "(with DAT)", never "(+DAT)", which is the
      marker of the case a verb governs.
    - Nothing may read as a marker: "::", a free-standing " M ", " F ", " N "
      or " C ", "undeclined", "fac ", "duc ", "ferre ", " esse ", and in the
      expanded files the abbreviation codes.
    """
    t = re.sub(r"\s+", " ", text).strip().strip('"')
    t = re.sub(r"(?<![A-Za-z])w/", "with ", t)
    t = t.replace("_", " ").replace('"', "")
    t = re.sub(r"(?<=[A-Za-z.)\]'~!?-]) ?/ ?(?=[A-Za-z(\['~])", ", ", t)
    t = re.sub(r"\(\+ ?(?=\w)", "(with ", t)
    t = re.sub(r"(?<= )\+(?=[A-Z]{3}\b)", "", t)
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


