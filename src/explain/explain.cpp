// The rows of the sheet, one per traced word: the dictionary form and part of
// speech from the word's lexicon line, its form from the look-up the
// renderer made, its part in the motto from the slot it came from.
#include "explain/explain.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

#include "explain/explain_words.h"
#include "render/latin_trace.h"
#include "render/render_values.h"
#include "text/textops.h"

namespace lexorra::explain {

namespace {

// The line of a traced word's entry.
std::string_view lineOf(const Lexicon& lexicon, Table table, std::string_view entry) {
  std::size_t position = 0;
  auto [end, ec] = std::from_chars(entry.data(), entry.data() + entry.size(), position);
  if (ec != std::errc() || end != entry.data() + entry.size()) return {};
  if (position >= lexicon.capacity(table)) return {};
  return lexicon.line(table, position);
}

std::string_view fieldOf(std::string_view line, std::size_t k) {
  return text::fieldAt(line, k).value_or("");
}

// "caecus, caeca, caecum", "omnis, omne", "felix": the nominative of each
// gender that differs (fields 0, 12 and 24 of an adjective or pronoun line).
std::string threeGenders(std::string_view line) {
  std::string_view m = fieldOf(line, 0), f = fieldOf(line, 12), n = fieldOf(line, 24);
  if (m == "-") m = fieldOf(line, 2);  // a pronoun without a nominative ("sui")
  if (m == f && f == n) return std::string(m);
  if (m == f) return std::string(m) + ", " + std::string(n);
  return std::string(m) + ", " + std::string(f) + ", " + std::string(n);
}

// The lexicon entries that have one form for every gender ("ego", "tu").
bool sameInEveryGender(std::string_view line) {
  for (std::size_t k = 0; k < 12; ++k)
    if (fieldOf(line, k) != fieldOf(line, k + 12) || fieldOf(line, k) != fieldOf(line, k + 24))
      return false;
  return true;
}

// An adjective with one form for every case, number and gender ("nequam").
bool indeclinable(std::string_view line) {
  for (std::size_t k = 1; k < 36; ++k)
    if (fieldOf(line, k) != fieldOf(line, 0)) return false;
  return true;
}

std::string joinWords(std::initializer_list<std::string_view> words) {
  std::string out;
  for (std::string_view w : words) {
    if (w.empty()) continue;
    if (!out.empty()) out += ' ';
    out += w;
  }
  return out;
}

struct Context {
  const MottoState& state;
  const Lexicon& lexicon;
  const RenderValues& values;
};

// "with the preposition in", or the bare dative's "to or for".
std::string prepositionPhrase(const Context& c) {
  std::string_view preposition = c.lexicon.prepositionForm(c.state.prepositionText.Tag);
  if (preposition == "(dative)") return "in the dative alone (to, for)";
  return "with the preposition " + std::string(preposition);
}

// The part in the motto of a word of a thing.
std::string thingPart(const Context& c, const TracedWord& w) {
  const ThingId first =
      w.link == ThingLink::none ? w.thing : static_cast<ThingId>(code(w.thing) - 1);
  // An unlinked thing: the first, the second or the prepositional one.
  std::string base =
      first == ThingId::prepositional ? prepositionPhrase(c) : std::string(thing(first).name);
  if (w.link == ThingLink::ofLink)
    return first == ThingId::prepositional ? "of the thing " + base : "of the " + base;
  if (w.link == ThingLink::andLink) base += ", linked by et";
  if (first == ThingId::second && w.caseCode == c.values.actedCase) {
    if (c.values.actedCase == Case::nominative) return base + " (what the first thing is)";
    if (c.values.actedCase != Case::accusative)
      return base + " (the verb takes the " + std::string(codeWords(c.values.actedCase)) + ")";
  }
  return base;
}

WordRow nounRow(const Context& c, const TracedWord& w) {
  WordRow row;
  std::string_view line = lineOf(c.lexicon, Table::noun, w.entry);
  const bool undeclined = text::contains(line, "undeclined");
  const NounGender gender = nounGenderOfLine(line);
  row.dictionaryForm = undeclined
                           ? std::string(fieldOf(line, 0))
                           : std::string(fieldOf(line, 0)) + ", " + std::string(fieldOf(line, 1));
  row.partOfSpeech = "noun, " + std::string(codeWords(gender));
  row.meaning = c.lexicon.entryGloss("noun", w.entry);
  if (undeclined) {
    row.form = "undeclined";
    row.expected = {{.partOfSpeech = "N"}};
  } else {
    row.form = joinWords({codeWords(w.caseCode), codeWords(w.number)});
    row.expected = {{.partOfSpeech = "N",
                     .caseName = parserName(w.caseCode),
                     .number = parserName(w.number),
                     .gender = parserName(gender)}};
  }
  return row;
}

WordRow adjectiveRow(const Context& c, const TracedWord& w) {
  WordRow row;
  std::string_view line = lineOf(c.lexicon, Table::adjective, w.entry);
  row.dictionaryForm = threeGenders(line);
  row.partOfSpeech = "adjective";
  row.meaning = c.lexicon.entryGloss("adjective", w.entry);
  const std::string_view degree = w.degree == Degree::positive ? "" : codeWords(w.degree);
  row.form = joinWords({codeWords(w.caseCode), codeWords(w.number), codeWords(w.gender)});
  if (!degree.empty()) row.form += ", " + std::string(degree);
  if (indeclinable(line)) {
    row.form += " (the same form in every case)";
    row.expected = {{.partOfSpeech = "ADJ"}};
    return row;
  }
  ParserForm form{.partOfSpeech = "ADJ",
                  .caseName = parserName(w.caseCode),
                  .number = parserName(w.number),
                  .gender = parserName(w.gender),
                  .degree = parserName(w.degree)};
  row.expected = {form};
  form.partOfSpeech = "NUM";  // the numerals the parser knows as such ("unus")
  row.expected.push_back(form);
  return row;
}

WordRow pronounRow(const Context& c, const TracedWord& w) {
  WordRow row;
  std::string_view line = lineOf(c.lexicon, Table::pronoun, w.entry);
  const bool genderless = sameInEveryGender(line);
  row.dictionaryForm = threeGenders(line);
  row.partOfSpeech = "pronoun";
  row.meaning = c.lexicon.entryGloss("pronoun", w.entry);
  row.form = joinWords(
      {codeWords(w.caseCode), codeWords(w.number), genderless ? "" : codeWords(w.gender)});
  if (w.objectiveGenitive) row.form += " (the objective genitive)";
  for (std::string_view pos : {"PRON", "PACK", "ADJ"})
    row.expected.push_back({.partOfSpeech = std::string(pos),
                            .caseName = parserName(w.caseCode),
                            .number = parserName(w.number),
                            .gender = genderless ? "" : parserName(w.gender)});
  return row;
}

WordRow adverbRow(const Context& c, const TracedWord& w) {
  WordRow row;
  row.dictionaryForm = c.lexicon.adverbForm(w.entry);
  row.partOfSpeech = "adverb";
  row.form = "does not change";
  row.meaning = c.lexicon.entryGloss("adverb", w.entry);
  row.expected = {{.partOfSpeech = "ADV"}};
  return row;
}

WordRow prepositionRow(const Context& c, const TracedWord& w) {
  WordRow row;
  const std::string preposition(c.lexicon.prepositionForm(w.entry));
  const std::string_view governed = codeWords(c.values.prepCaseCode);
  row.dictionaryForm = preposition + " + " + std::string(governed);
  row.partOfSpeech = "preposition";
  row.form = "takes the " + std::string(governed);
  row.meaning = c.lexicon.entryGloss("preposition", w.entry);
  row.expected = prepositionExpectation(preposition, c.values.prepCaseCode);
  return row;
}

WordRow verbRow(const Context& c, const TracedWord& w) {
  WordRow row;
  std::string_view line = lineOf(c.lexicon, Table::verb, w.entry);
  const VerbLine verb = verbLineOf(line);
  row.dictionaryForm = std::string(fieldOf(line, 0)) + ", " + std::string(fieldOf(line, 1));
  row.partOfSpeech = verb.deponent ? "verb, deponent" : "verb";
  row.meaning = c.lexicon.entryGloss("verb", w.entry);
  const VerbFormWords words = verbFormWords(w, verb);
  row.form = words.form;
  row.expected = words.expected;
  if (w.verbWord == VerbWord::participle) row.partOfSpeech = "participle";
  return row;
}

// What the part of a verb word says about the verb phrase it belongs to.
std::string actPart(const Context& c, const TracedWord& w) {
  if (w.part == MottoPart::helperVerb) return "act: \"" + c.state.verbTenseText.Caption + "\"";
  std::string part = "act";
  if (w.verbWord != VerbWord::whole) {
    const std::string tense = joinWords(
        {codeWords(w.compoundTense), w.compoundMood == Mood::subjunctive ? "subjunctive" : ""});
    part += w.verbWord == VerbWord::participle ? " (" + tense + ": participle with a form of sum)"
                                               : " (" + tense + ": sum with the participle)";
  } else if (w.part == MottoPart::helperInfinitive) {
    part += " (the infinitive the helper verb takes)";
  } else if (w.part == MottoPart::forbiddenInfinitive) {
    part += " (the infinitive of a forbidding)";
  }
  return part;
}

// The row of a word read from each lexicon table.
using RowMaker = WordRow (*)(const Context&, const TracedWord&);
constexpr std::pair<WordSource, RowMaker> kRowMakers[] = {
    {WordSource::noun, nounRow},
    {WordSource::adjective, adjectiveRow},
    {WordSource::pronoun, pronounRow},
    {WordSource::adverb, adverbRow},
    {WordSource::preposition, prepositionRow},
    {WordSource::verb, verbRow},
};

WordRow rowOf(const Context& c, const TracedWord& w) {
  if (w.fixed != FixedWord::none) return fixedWordRow(w.fixed);
  WordRow row;
  for (auto [source, makeRow] : kRowMakers)
    if (source == w.source) row = makeRow(c, w);
  switch (w.part) {
    case MottoPart::thing:
      row.part = thingPart(c, w);
      break;
    case MottoPart::act:
    case MottoPart::helperInfinitive:
    case MottoPart::forbiddenInfinitive:
    case MottoPart::helperVerb:
      row.part = actPart(c, w);
      break;
    case MottoPart::manner:
      row.part = "how it happens";
      break;
    case MottoPart::preposition:
      row.part = "how it happens (preposition)";
      break;
    default:
      break;
  }
  return row;
}

// The rows of one word of the motto: one per traced word it is made of.
void addRows(const Context& c, const MatchedWord& m, std::vector<WordRow>& rows) {
  if (!m.traced()) {
    WordRow row;
    row.word = m.text;
    row.traced = false;
    row.dictionaryForm = row.partOfSpeech = row.form = row.meaning = row.part = "not traced";
    rows.push_back(row);
    return;
  }
  const bool lacksAForm = std::any_of(m.words.begin(), m.words.end(),
                                      [](const TracedWord& w) { return w.text == "-"; });
  for (const TracedWord& w : m.words) {
    WordRow row = rowOf(c, w);
    row.parserWord = m.missingForm ? "" : m.text;
    if (m.words.size() > 1) {
      row.word = w.enclitic ? "-" + w.text : w.text;
      row.writtenIn = m.text;
      if (w.enclitic && w.source == WordSource::preposition) {
        row.part = "how it happens (cum written onto its pronoun)";
        row.expected = {{.partOfSpeech = "TACKON", .enclitic = w.text}};
      }
    } else {
      row.word = m.text;
      row.form += spellingNote(w, m.text);
      if (w.source == WordSource::adverb && m.text != w.text) row = umquamAfterNoli(row);
    }
    if (m.missingForm || w.text == "-") {
      row.missingForm = true;
      row.form += " (the lexicon records no such form)";
      row.expected.clear();
    } else if (lacksAForm) {
      // "-ne" on a form the lexicon lacks is no word to check.
      row.expected.clear();
    }
    rows.push_back(std::move(row));
  }
}

}  // namespace

bool Explanation::allTraced() const {
  return std::all_of(rows.begin(), rows.end(), [](const WordRow& r) { return r.traced; });
}

Explanation explainMotto(const MottoState& state, const Lexicon& lexicon) {
  const RenderValues values = readRenderValues(state, lexicon);
  const TracedLatin traced = traceLatin(state, values, lexicon);
  const Context c{state, lexicon, values};
  Explanation sheet;
  for (const MatchedWord& m : traced.words)
    sheet.latin += (sheet.latin.empty() ? "" : " ") + m.text;
  sheet.english = text::trimSpaces(state.finalEnglish);
  for (const MatchedWord& m : traced.words) addRows(c, m, sheet.rows);
  return sheet;
}

}  // namespace lexorra::explain
