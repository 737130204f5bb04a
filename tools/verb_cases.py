"""The case a verb governs: the marker "(+DAT)", "(+ABL)" or "(+GEN)" in the
meaning part of the verbs whose object is not accusative, and "(+NOM)" for
the verbs that, like "to be", link their subject to a predicate in the
nominative ("liber natus sum": I was born free; "fio", "maneo").

The renderer puts the second thing of a motto in the case the chosen verb
governs ("ego tibi credo", "utor libertate", "memento mei").  The marker
stands right after the headword, before the first "," or ";" of the meaning
("favor (+DAT), befriend, support"), so the headword a slot shows is the
same with and without it.  A verb that takes an accusative and a dative
(dare: give something TO someone) is not marked: the marker names the case
of the object, the thing the verb acts on.
"""

import re

from lexicon_headwords import headword

CASES = ("DAT", "ABL", "GEN", "NOM")
MARKERS = tuple(f"(+{c})" for c in CASES)

# The verbs, as "first person  infinitive" of the delivered line (the
# infinitive alone for impersonal verbs), then the case.  A word after the
# infinitive picks one of two homographs by a word of its meaning (accido
# "fall upon" governs the dative, accido "cut" the accusative).  Every
# spelling and compound that shares the construction is listed.  Chosen from
# the lists of Latin grammars (the verbs of favouring, helping, pleasing,
# trusting, obeying, serving, resisting, envying, threatening, pardoning and
# sparing and their contraries; intransitive compounds of ad, ante, con, in,
# inter, ob, prae, sub, super; utor, fruor, fungor, potior, vescor and the
# verbs of plenty and want; the verbs of remembering, forgetting and pitying)
# and from the source's own notes ("with DAT"), each checked by hand.
GOVERNED = """
DAT  credo credere
DAT  accredo accredere
DAT  adcredo adcredere
DAT  faveo favere
DAT  parco parcere
DAT  reparco reparcere
DAT  reperco repercere
DAT  pareo parere
DAT  adpareo adparere
DAT  appareo apparere
DAT  placeo placere
DAT  placere placere
DAT  beneplaceo beneplacere
DAT  complaceo complacere
DAT  conplaceo conplacere
DAT  displiceo displicere
DAT  libere libere
DAT  lubere lubere
DAT  perlibere perlibere
DAT  licere licere
DAT  noceo nocere
DAT  servio servire
DAT  adservio adservire
DAT  asservio asservire
DAT  deservio deservire
DAT  inservio inservire
DAT  praeservio praeservire
DAT  ignosco ignoscere
DAT  impero imperare
DAT  invideo invidere
DAT  subinvideo subinvidere
DAT  resisto resistere
DAT  persuadeo persuadere
DAT  suadeo suadere
DAT  consuadeo consuadere
DAT  dissuadeo dissuadere
DAT  studeo studere
DAT  fido fidere
DAT  confido confidere
DAT  confideo confidere
DAT  diffido diffidere
DAT  subdiffido subdiffidere
DAT  indulgeo indulgere
DAT  irascor irasci
DAT  iro irare
DAT  obirascor obirasci
DAT  subirascor subirasci
DAT  suscenseo suscensere
DAT  minor minari
DAT  minitor minitari
DAT  comminor comminari
DAT  interminor interminari
DAT  obsequor obsequi
DAT  obtempero obtemperare
DAT  optempero optemperare
DAT  oboedio oboedire
DAT  inoboedio inoboedire
DAT  ausculto auscultare
DAT  subvenio subvenire
DAT  succurro succurrere
DAT  auxilior auxiliari
DAT  auxilio auxiliare
DAT  opitulor opitulari
DAT  patrocinor patrocinari
DAT  nubo nubere
DAT  denubo denubere
DAT  innubo innubere
DAT  adsum adesse
DAT  assum adesse
DAT  prosum prodesse
DAT  obsum obesse
DAT  praesum praeesse
DAT  desum deesse
DAT  insum inesse
DAT  intersum interesse
DAT  subsum subesse
DAT  supersum superesse
DAT  cedo cedere
DAT  succedo succedere
DAT  intercedo intercedere
DAT  obsto obstare
DAT  obsisto obsistere
DAT  repugno repugnare
DAT  refragor refragari
DAT  suffragor suffragari
DAT  reluctor reluctari
DAT  obluctor obluctari
DAT  obnitor obniti
DAT  adversor adversari
DAT  advorsor advorsari
DAT  contraeo contraire
DAT  blandior blandiri
DAT  adsentor adsentari
DAT  assentor assentari
DAT  adsentior adsentiri
DAT  assentior assentiri
DAT  adsentio adsentire
DAT  assentio assentire
DAT  lenocinor lenocinari
DAT  medeor mederi
DAT  gratulor gratulari
DAT  grator gratari
DAT  congratulor congratulari
DAT  adgratulor adgratulari
DAT  aggratulor aggratulari
DAT  supplico supplicare
DAT  benedico benedicere
DAT  maledico maledicere
DAT  obtrecto obtrectare
DAT  insidior insidiari
DAT  famulor famulari
DAT  ancillor ancillari
DAT  morigeror morigerari
DAT  respondeo respondere
DAT  adhaereo adhaerere
DAT  inhaereo inhaerere
DAT  incumbo incumbere
DAT  superincumbo superincumbere
DAT  immineo imminere
DAT  superimmineo superimminere
DAT  impendeo impendere
DAT  insto instare
DAT  occurro occurrere
DAT  obvio obviare
DAT  obvenio obvenire
DAT  obrepo obrepere
DAT  obstrepo obstrepere
DAT  succumbo succumbere
DAT  subcumbo subcumbere
DAT  excello excellere
DAT  insulto insultare
DAT  appropinquo appropinquare
DAT  adpropinquo adpropinquare
DAT  appropio appropiare
DAT  adpropio adpropiare
DAT  adpertineo adpertinere
DAT  appertineo appertinere
DAT  adsideo adsidere
DAT  assideo assidere
DAT  adsido adsidere
DAT  assido assidere
DAT  advolo advolare
DAT  accido accidere fall
DAT  accidere accidere
DAT  contingo contingere happen
DAT  contingere contingere
DAT  evenio evenire
DAT  evenire evenire
DAT  adluctor adluctari
DAT  alluctor alluctari
DAT  admoderor admoderari
DAT  ammoderor ammoderari
DAT  adfremo adfremere
DAT  affremo affremere
DAT  adstupeo adstupere
DAT  astupeo astupere
DAT  adsuspiro adsuspirare
DAT  assuspiro assuspirare
DAT  adtremo adtremere
DAT  attremo attremere
DAT  collimito collimitare
DAT  collimitor collimitari
DAT  conlimito conlimitare
DAT  conlimitor conlimitari
DAT  concumbo concumbere
DAT  illaboro illaborare
DAT  inlaboro inlaborare
DAT  illacrimo illacrimare
DAT  illacrimor illacrimari
DAT  inlacrimo inlacrimare
DAT  inlacrimor inlacrimari
DAT  immorior immori
DAT  inemorior inemori
DAT  incubo incubare
DAT  insudo insudare
DAT  saevio saevire
DAT  supersto superstare
ABL  utor uti
ABL  abutor abuti
ABL  deutor deuti
ABL  fruor frui
ABL  fruor fruari
ABL  perfruor perfrui
ABL  perpotior perpotiri
ABL  devescor devesci
ABL  fungor fungi
ABL  defungor defungi
ABL  perfungor perfungi
ABL  potior potiri
ABL  potior poti
ABL  vescor vesci
ABL  careo carere
ABL  egeo egere
ABL  gaudeo gaudere
ABL  pergaudeo pergaudere
ABL  laetor laetari
ABL  glorior gloriari
ABL  nitor niti
ABL  innitor inniti
ABL  nixor nixari
ABL  abundo abundare
ABL  vaco vacare
ABL  supersedeo supersedere
ABL  liceo licere
GEN  memini meminisse
GEN  obliviscor oblivisci
GEN  reminiscor reminisci
GEN  misereor misereri
GEN  commisereor commisereri
GEN  commiseresco commiserescere
GEN  misereo miserere
GEN  miseresco miserescere
GEN  indigeo indigere
GEN  taedeo taedere
GEN  taedere taedere
NOM  nascor nasci
NOM  renascor renasci
NOM  fio fieri
NOM  maneo manere
NOM  permaneo permanere
NOM  remaneo remanere
NOM  morior mori
NOM  existo existere
"""


def governed_table(text=GOVERNED):
    """{(first person, infinitive): [(guard word or "", case), ...]}"""
    rows = {}
    for line in text.strip().splitlines():
        case, first, infinitive, *guard = line.split()
        if case not in CASES:
            raise SystemExit(f"governed cases: {line!r}: unknown case")
        rows.setdefault((first, infinitive), []).append((" ".join(guard), case))
    return rows


TABLE = governed_table()
USED = set()


def governed_case(first, infinitive, meaning):
    """The case the verb governs, or None for the accusative."""
    for guard, case in TABLE.get((first, infinitive), ()):
        if not guard or re.search(rf"\b{re.escape(guard)}\b", meaning.split(";")[0]):
            USED.add((first, infinitive, guard))
            return case
    return None


def headword_end(meaning):
    """Where the headword of a meaning ends: before the first ";", "," or
    "(", with the spaces before it."""
    cut = min([i for i in (meaning.find(c) for c in ";,(") if i >= 0] + [len(meaning)])
    return len(meaning[:cut].rstrip())


# The source's own note of the same case, which the marker makes redundant:
# "favor (with DAT), befriend" reads "favor (+DAT), befriend".
def _note(case):
    word = {"DAT": "dat", "ABL": "abl", "GEN": "gen", "NOM": "nom"}[case]
    return re.compile(rf"\s*\((?:with )?{word}\.?\)|;\s*(?:\(with {word}\.?\)|with {word}\.?)(?=;|$)",
                      re.IGNORECASE)


def marked(meaning, case):
    """The meaning with the marker of the case after its headword."""
    plain = _note(case).sub("", meaning)
    plain = re.sub(r";\s*;", ";", plain).strip()
    end = headword_end(plain)
    return plain[:end] + f" (+{case})" + plain[end:]


def mark_governed_case(first, infinitive, meaning):
    """The verb's meaning with the marker of the case it governs, if any.
    The generator stops if the marker would change the headword."""
    case = governed_case(first, infinitive, meaning)
    if not case:
        return meaning
    result = marked(meaning, case)
    if headword(result) != headword(meaning):
        raise SystemExit(f"verbs {first}: the case marker changes the headword of {meaning!r}")
    return result


def unused_rows():
    """Rows of the table that matched no verb (a misspelt row)."""
    rows = {(f, i, g) for (f, i), cases in TABLE.items() for g, _ in cases}
    return sorted(" ".join(r).strip() for r in rows - USED)


def marker_faults(table, meaning):
    """What is wrong with the markers of one meaning: a marker outside the
    verb table, more than one, or one that does not follow the headword."""
    found = [m for m in MARKERS if m in meaning]
    count = sum(meaning.count(m) for m in MARKERS)
    if not found and "(+" not in meaning:
        return []
    if table != "verbs":
        return ["case marker outside the verb table"]
    if count != 1 or meaning.count("(+") != 1:
        return ["more than one case marker" if count > 1 else "stray (+ text"]
    marker = found[0]
    end = headword_end(meaning)
    if meaning[end:end + len(marker) + 1] != " " + marker:
        return ["case marker not right after the headword"]
    return []
