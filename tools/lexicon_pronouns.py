"""The pronoun table: 30 entries of 36 forms, written from Latin grammar."""


# A form list gives one gender: singular then plural, each NOM VOC GEN ACC DAT ABL.
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


def pronominal(masc, stem, neuter=None, genitive=None, enclitic=""):
    """The pronouns and pronominal adjectives of genitive "-ius" and dative "-i" (totus,
    ille, alter...): the masculine nominative, the stem the other forms
    build on, the neuter nominative and the genitive where they differ, and
    an enclitic every form carries (uterque)."""
    genitive = genitive or stem + "ius"
    neuter = neuter or stem + "um"
    forms = three(
        decl(f"{masc} - {genitive} {stem}um {stem}i {stem}o", f"{stem}i - {stem}orum {stem}os {stem}is {stem}is"),
        decl(f"{stem}a - {genitive} {stem}am {stem}i {stem}a", f"{stem}ae - {stem}arum {stem}as {stem}is {stem}is"),
        decl(f"{neuter} - {genitive} {neuter} {stem}i {stem}o", f"{stem}a - {stem}orum {stem}a {stem}is {stem}is"))
    return [f if f == "-" else f + enclitic for f in forms]


# The interrogative pronoun, behind both "what" and "who".
QUIS = three(
    decl("quis - cuius quem cui quo", "qui - quorum quos quibus quibus"),
    decl("quis - cuius quam cui qua", "quae - quarum quas quibus quibus"),
    decl("quid - cuius quid cui quo", "quae - quorum quae quibus quibus"))


PRONOUNS = [
    ("I, me", personal(EGO)),
    ("himself, herself, itself; the very", pronominal("ipse", "ips")),
    ("somebody, someone", personal(ALIQUIS)),
    ("this; these", three(
        decl("hic - huius hunc huic hoc", "hi - horum hos his his"),
        decl("haec - huius hanc huic hac", "hae - harum has his his"),
        decl("hoc - huius hoc huic hoc", "haec - horum haec his his"))),
    ("that (of yours); those", pronominal("iste", "ist", "istud")),
    ("that; those", pronominal("ille", "ill", "illud")),
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
    ("he, she, it; they", pronominal("is", "e", "id")),
    ("what", QUIS),
    ("we, us", personal(NOS)),
    ("whole, all, entire", pronominal("totus", "tot")),
    ("alone, only, sole", pronominal("solus", "sol")),
    ("neither (of two)", pronominal("neuter", "neutr")),
    ("some, any", three(
        decl("aliqui - alicuius aliquem alicui aliquo", "aliqui - aliquorum aliquos aliquibus aliquibus"),
        decl("aliqua - alicuius aliquam alicui aliqua", "aliquae - aliquarum aliquas aliquibus aliquibus"),
        decl("aliquod - alicuius aliquod alicui aliquo", "aliqua - aliquorum aliqua aliquibus aliquibus"))),
    ("another, other", pronominal("alius", "ali", "aliud", "alterius")),
    ("the other (of two)", pronominal("alter", "alter")),
    ("who", QUIS),
    ("no, none, no one", pronominal("nullus", "null")),
    ("you (one person)", personal(TU)),
    ("which (of two)", pronominal("uter", "utr")),
    ("each (of two), both", pronominal("uter", "utr", enclitic="que")),
    ("any, anyone", pronominal("ullus", "ull")),
    ("you (several people)", personal(TU)),
]


def pronoun_lines():
    lines = []
    for meaning, forms in PRONOUNS:
        if len(forms) != 36:
            raise SystemExit(f"pronouns: {meaning!r} has {len(forms)} forms")
        lines.append(" ".join(forms) + " ::" + meaning)
    return lines
