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
