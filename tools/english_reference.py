"""Reference English forms for measuring the irregular tables.

IRREGULAR_VERBS and RARE_IRREGULAR_VERBS: "base past participle"; where English has more than one
participle they are separated by "|" and the first is the one a table line
should give. The lines "it it it" and "not not not" are no verbs: they keep the
impersonal captions ("it happens", "it is fitting") and the negated ones
("not know") from turning into "itted happens", "itted is fittedting" and
"notted know". IRREGULAR_NOUNS: "singular plural", alternatives likewise.
Every other verb or noun is judged by the regular English rules and the
system word lists (see measure_english.py).
"""

IRREGULAR_VERBS = """
it it it
not not not
abide abode abided|abode
arise arose arisen
awake awoke awoken|awaked
be was been
bear bore borne|born
beat beat beaten|beat
become became become
befall befell befallen
beget begot begotten|begot
begin began begun
behold beheld beheld
bend bent bent
bereave bereft bereft|bereaved
beseech besought besought|beseeched
beset beset beset
bespeak bespoke bespoken
bestride bestrode bestridden
bet bet bet|betted
betake betook betaken
bid bid bid|bidden
bind bound bound
bite bit bitten
bleed bled bled
blow blew blown
break broke broken
breed bred bred
bring brought brought
broadcast broadcast broadcast
browbeat browbeat browbeaten
build built built
burn burnt burnt|burned
burst burst burst
bust bust bust|busted
buy bought bought
cast cast cast
catch caught caught
chide chid chidden|chided|chid
choose chose chosen
cleave cleft cleft|cleaved|cloven
cling clung clung
come came come
cost cost cost
creep crept crept
crow crowed crowed|crew
cut cut cut
deal dealt dealt
dig dug dug
dive dived dived|dove
do did done
draw drew drawn
dream dreamt dreamt|dreamed
drink drank drunk
drive drove driven
dwell dwelt dwelt|dwelled
eat ate eaten
fall fell fallen
feed fed fed
feel felt felt
fight fought fought
find found found
flee fled fled
fling flung flung
fly flew flown
forbear forbore forborne
forbid forbade forbidden
forecast forecast forecast
forego forewent foregone
foresee foresaw foreseen
foretell foretold foretold
forget forgot forgotten
forgive forgave forgiven
forgo forwent forgone
forsake forsook forsaken
forswear forswore forsworn
freeze froze frozen
get got got|gotten
gild gilt gilded|gilt
gird girt girded|girt
give gave given
go went gone
grind ground ground
grow grew grown
hang hung hung|hanged
have had had
hear heard heard
heave heaved heaved|hove
hew hewed hewn|hewed
hide hid hidden
hit hit hit
hold held held
hurt hurt hurt
inlay inlaid inlaid
input input input
interweave interwove interwoven
keep kept kept
kneel knelt knelt|kneeled
knit knitted knitted|knit
know knew known
lade laded laden
lay laid laid
lead led led
lean leant leant|leaned
leap leapt leapt|leaped
learn learnt learnt|learned
leave left left
lend lent lent
let let let
lie lay lain
light lit lit|lighted
lose lost lost
make made made
mean meant meant
meet met met
mislay mislaid mislaid
mislead misled misled
misspell misspelt misspelt|misspelled
mistake mistook mistaken
misunderstand misunderstood misunderstood
mow mowed mown|mowed
offset offset offset
outbid outbid outbid
outdo outdid outdone
outgrow outgrew outgrown
outrun outran outrun
outshine outshone outshone
overcome overcame overcome
overdo overdid overdone
overdraw overdrew overdrawn
overeat overate overeaten
overfly overflew overflown
overhang overhung overhung
overhear overheard overheard
overlay overlaid overlaid
overlie overlay overlain
overpay overpaid overpaid
override overrode overridden
overrun overran overrun
oversee oversaw overseen
oversleep overslept overslept
overtake overtook overtaken
overthrow overthrew overthrown
partake partook partaken
pay paid paid
plead pleaded pleaded|pled
prove proved proven|proved
put put put
quit quit quit|quitted
read read read
rebuild rebuilt rebuilt
recast recast recast
redo redid redone
relay relaid relaid|relayed
remake remade remade
rend rent rent
repay repaid repaid
reread reread reread
rerun reran rerun
reset reset reset
retake retook retaken
retell retold retold
rethink rethought rethought
rewind rewound rewound
rewrite rewrote rewritten
rid rid rid
ride rode ridden
ring rang rung
rise rose risen
run ran run
saw sawed sawn|sawed
say said said
see saw seen
seek sought sought
sell sold sold
send sent sent
set set set
sew sewed sewn|sewed
shake shook shaken
shear sheared shorn|sheared
shed shed shed
shine shone shone
shoe shod shod|shoed
shoot shot shot
show showed shown|showed
shrink shrank shrunk
shut shut shut
sing sang sung
sink sank sunk
sit sat sat
slay slew slain
sleep slept slept
slide slid slid
sling slung slung
slink slunk slunk
slit slit slit
smell smelt smelt|smelled
smite smote smitten
sow sowed sown|sowed
speak spoke spoken
speed sped sped
spell spelt spelt|spelled
spend spent spent
spill spilt spilt|spilled
spin spun spun
spit spat spat
split split split
spoil spoilt spoilt|spoiled
spread spread spread
spring sprang sprung
stand stood stood
steal stole stolen
stick stuck stuck
sting stung stung
stink stank stunk
strew strewed strewn|strewed
stride strode stridden
strike struck struck|stricken
string strung strung
strive strove striven
swear swore sworn
sweep swept swept
swell swelled swollen|swelled
swim swam swum
swing swung swung
take took taken
teach taught taught
tear tore torn
tell told told
think thought thought
thrive thrived thrived|thriven
throw threw thrown
thrust thrust thrust
tread trod trodden
unbend unbent unbent
unbind unbound unbound
undergo underwent undergone
underlie underlay underlain
underpay underpaid underpaid
undersell undersold undersold
understand understood understood
undertake undertook undertaken
underwrite underwrote underwritten
undo undid undone
unfreeze unfroze unfrozen
unwind unwound unwound
uphold upheld upheld
upset upset upset
wake woke woken|waked
waylay waylaid waylaid
wear wore worn
weave wove woven
wed wed wedded|wed
weep wept wept
wet wet wet|wetted
win won won
wind wound wound
withdraw withdrew withdrawn
withhold withheld withheld
withstand withstood withstood
wring wrung wrung
write wrote written
"""

# Rarer irregular verbs, prefixed ones mostly: they take the table lines that
# the lexicon's headwords and the common regular verbs leave over.
RARE_IRREGULAR_VERBS = """
bethink bethought bethought
beweep bewept bewept
outfight outfought outfought
outgo outwent outgone
outride outrode outridden
outsell outsold outsold
outshoot outshot outshot
outsit outsat outsat
outspeak outspoke outspoken
outstand outstood outstood
outthink outthought outthought
outwear outwore outworn
overbear overbore overborne
overbid overbid overbid
overbuild overbuilt overbuilt
overbuy overbought overbought
overcast overcast overcast
overdrink overdrank overdrunk
overdrive overdrove overdriven
overfeed overfed overfed
overgrow overgrew overgrown
overlay overlaid overlaid
overleap overleapt overleapt|overleaped
overpass overpassed overpast|overpassed
overshoot overshot overshot
overspend overspent overspent
overspread overspread overspread
overstride overstrode overstridden
overswim overswam overswum
overwind overwound overwound
overwrite overwrote overwritten
precast precast precast
prebuild prebuilt prebuilt
recut recut recut
refit refitted refitted|refit
regrow regrew regrown
rehear reheard reheard
reknit reknitted reknitted
relearn relearnt relearnt|relearned
resell resold resold
resend resent resent
reshoot reshot reshot
resit resat resat
respell respelt respelt|respelled
restring restrung restrung
retear retore retorn
rethrow rethrew rethrown
reweave rewove rewoven
rewin rewon rewon
rewed rewed rewed|rewedded
sightsee sightsaw sightseen
spoon-feed spoon-fed spoon-fed
stave stove stove|staved
sunburn sunburnt sunburnt|sunburned
typeset typeset typeset
typewrite typewrote typewritten
unbuild unbuilt unbuilt
underbid underbid underbid
undercut undercut undercut
underfeed underfed underfed
undergird undergirt undergirt|undergirded
underlay underlaid underlaid
underrun underran underrun
undershoot undershot undershot
underspend underspent underspent
understudy understudied understudied
unlearn unlearnt unlearnt|unlearned
unsay unsaid unsaid
unsling unslung unslung
unspin unspun unspun
unstick unstuck unstuck
unstring unstrung unstrung
unteach untaught untaught
unweave unwove unwoven
upbuild upbuilt upbuilt
upspring upsprang upsprung
waylay waylaid waylaid
withdraw withdrew withdrawn
foreknow foreknew foreknown
forerun foreran forerun
foreshow foreshowed foreshown
forespeak forespoke forespoken
foreswear foreswore foresworn
miscast miscast miscast
misdeal misdealt misdealt
misdo misdid misdone
misgive misgave misgiven
mishear misheard misheard
mishit mishit mishit
misread misread misread
missay missaid missaid
misspend misspent misspent
misteach mistaught mistaught
mistell mistold mistold
misthink misthought misthought
miswrite miswrote miswritten
outbreed outbred outbred
outdraw outdrew outdrawn
outdrink outdrank outdrunk
outdrive outdrove outdriven
outfly outflew outflown
outlay outlaid outlaid
outleap outleapt outleapt|outleaped
outsing outsang outsung
outsleep outslept outslept
outspend outspent outspent
outspin outspun outspun
outswear outswore outsworn
outswim outswam outswum
outthrow outthrew outthrown
outwind outwound outwound
outwrite outwrote outwritten
overdrink overdrank overdrunk
overfly overflew overflown
overhear overheard overheard
overlie overlay overlain
overrun overran overrun
oversell oversold oversold
oversew oversewed oversewn
overshine overshone overshone
oversleep overslept overslept
overspin overspun overspun
overthink overthought overthought
uphold upheld upheld
upset upset upset
beat beat beaten|beat
belay belaid belaid|belayed
bethink bethought bethought
bide bode bided|bode
bless blessed blessed|blest
blend blended blended|blent
build built built
clothe clad clad|clothed
crossbreed crossbred crossbred
dwell dwelt dwelt
fit fitted fitted|fit
forbid forbade forbidden
gainsay gainsaid gainsaid
geld gelded gelded|gelt
hamstring hamstrung hamstrung
handwrite handwrote handwritten
inbreed inbred inbred
inset inset inset
interbreed interbred interbred
interlay interlaid interlaid
knit knit knitted|knit
lip-read lip-read lip-read
miscast miscast miscast
outbid outbid outbid
outshine outshone outshone
quick-freeze quick-froze quick-frozen
rive rived riven|rived
roughcast roughcast roughcast
seethe seethed seethed|sodden
shave shaved shaved|shaven
shrive shrove shriven
slay slew slain
smite smote smitten
speed sped sped|speeded
stave stove stove|staved
sweat sweat sweat|sweated
troubleshoot troubleshot troubleshot
unbend unbent unbent
underbuy underbought underbought
understand understood understood
unfreeze unfroze unfrozen
unhang unhung unhung
unhide unhid unhidden
unmake unmade unmade
unwind unwound unwound
waylay waylaid waylaid
work worked worked|wrought
writhe writhed writhed
"""

from english_reference_nouns import IRREGULAR_NOUNS  # noqa: E402,F401

# The classic irregular plurals: whenever a headword needs one of them it gets
# its line before the measured ranking is consulted, since these words matter
# more for mottos than their frequency in the lexicon's meanings shows.
CORE_NOUNS = """
man woman child foot tooth goose mouse louse ox person die wolf leaf life wife knife
half calf loaf thief shelf self sheaf elf hoof hero potato tomato echo veto torpedo boy
day way toy joy ray key guy sheep deer swine fish offspring species means
"""

# Regular verbs whose participle the rules get wrong, most common first.
FILLER_VERBS = """
visit limit edit allow follow borrow show know prefer refer transfer develop
exhibit inhabit inherit credit profit benefit deposit merit prohibit interpret
abandon reason summon imprison poison pardon season beckon reckon ransom blossom
bestow endow swallow narrow shadow bow vow row tow glow snow flow chew stew brew
screw renew thaw gnaw claw confer defer infer deter inter aver equip quiz squat
acquit quip panic picnic mimic traffic frolic radio woo boo tattoo taboo shampoo
pen anchor mirror censor sponsor author doctor tutor monitor pilot pivot covet
budget target market pocket rocket ticket trumpet carpet blanket bracket ferret
gallop envelop wallop murmur honor color favor labor harbor humor rumor armor
clamor savor vapor odor fathom bottom button cotton garrison jettison siphon
orbit solicit elicit vomit audit posit inhibit discredit dishonor disinherit
dispirit disallow disavow avow bellow billow burrow furrow hallow harrow hollow
mellow sorrow wallow widow winnow yellow overflow foreshadow overshadow outlaw
guffaw kowtow seesaw eschew spew skew mildew unscrew orphan iron reinterpret
misinterpret revisit redevelop cohabit debit exit spirit parrot plummet fidget
picket gibbet buffet billet closet corset crochet junket racket ratchet rivet
scallop tailor mentor motor factor hector martyr sugar collar beggar mortar
"""

# Nouns ending in "man" whose plural ends in "men" are found from the word
# lists; these end in "man" but take "s".
MAN_WITH_S = {"roman", "german", "human", "talisman", "shaman", "caiman", "ottoman",
              "dolman", "brahman", "cayman", "desman", "Roman", "German", "Ottoman",
              "Brahman", "Norman", "norman"}


def parse(block):
    table = {}
    for line in block.strip().splitlines():
        fields = line.split()
        if not fields:
            continue
        table[fields[0]] = fields[1:]
    return table
