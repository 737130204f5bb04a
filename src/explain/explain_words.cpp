#include "explain/explain_words.h"

#include <array>

#include "text/textops.h"

namespace lexorra::explain {

namespace {

std::string personNumber(Person person, Number number) {
  return std::string(codeWords(person)) + " " + std::string(codeWords(number));
}

// The perfect-in-form verbs (odi) store perfect forms in the present's
// places, which the parser calls perfect.
Tense formTense(Tense tense, const VerbLine& line) {
  if (!line.perfectInForm) return tense;
  return perfectTenseOf(tense).value_or(tense);
}

std::string voiceWords(const VerbLine& line, Voice voice) {
  if (line.deponent) return "(deponent)";
  return std::string(codeWords(voice));
}

std::string parserVoice(const VerbLine& line, Voice voice) {
  if (line.deponent) return "DEP";
  return parserName(voice);
}

std::string perfectInFormNote(const VerbLine& line) {
  return line.perfectInForm ? " (perfect in form, present in meaning)" : "";
}

// The fixed words that never change: their dictionary form is the word as
// written. `parserParts` are the parser's parts of speech that confirm one.
struct UnchangingWord {
  FixedWord word;
  std::string_view written;
  std::string_view partOfSpeech;
  std::string_view meaning;
  std::string_view part;
  std::array<std::string_view, 2> parserParts;
};

constexpr UnchangingWord kUnchangingWords[] = {
    {FixedWord::et, "et", "conjunction", "and", "linked by et", {"CONJ"}},
    {FixedWord::non, "non", "adverb", "not", "negation", {"ADV"}},
    {FixedWord::ne,
     "ne",
     "adverb",
     "not: the negation of a wish or an exhortation, with the subjunctive",
     "negation",
     {"ADV", "CONJ"}},
    {FixedWord::umquam,
     "umquam",
     "adverb",
     "ever: ne umquam says never",
     "how it happens (numquam after ne)",
     {"ADV"}},
    {FixedWord::cur, "cur", "adverb", "why?", "question word", {"ADV"}},
    {FixedWord::quando, "quando", "adverb", "when?", "question word", {"ADV"}},
};

}  // namespace

VerbLine verbLineOf(std::string_view line) {
  const std::string_view kind = text::fieldAt(line, 4).value_or("");
  return {.deponent = kind == "DEP", .perfectInForm = kind == "PERFDEF"};
}

VerbFormWords verbFormWords(const TracedWord& w, const VerbLine& line) {
  using Kind = VerbFormMaking::Kind;
  const VerbQuery& q = w.verb;
  if (w.verbWord == VerbWord::participle) {
    return {"perfect participle, nominative " + std::string(codeWords(w.number)) + " " +
                std::string(codeWords(w.gender)),
            {{.partOfSpeech = "VPAR",
              .caseName = "NOM",
              .number = parserName(w.number),
              .gender = parserName(w.gender),
              .tense = "PERF"}}};
  }
  const std::string voice = parserVoice(line, q.voice);
  const std::string tense = parserName(formTense(q.tense, line));
  switch (w.verbKind) {
    case Kind::stored:
      if (q.person == Person::none)
        return {std::string(codeWords(q.tense)) + " infinitive " + voiceWords(line, q.voice) +
                    perfectInFormNote(line),
                {{.partOfSpeech = "V", .tense = tense, .voice = voice, .mood = "INF"}}};
      return {std::string(codeWords(q.tense)) + " " + std::string(codeWords(q.mood)) + " " +
                  voiceWords(line, q.voice) + ", " + personNumber(q.person, q.number) +
                  perfectInFormNote(line),
              {{.partOfSpeech = "V",
                .number = parserName(q.number),
                .tense = tense,
                .voice = voice,
                .mood = parserName(q.mood),
                .person = parserName(q.person)}}};
    case Kind::imperative:
      return {"command, second person " + std::string(codeWords(q.number)),
              {{.partOfSpeech = "V",
                .number = parserName(q.number),
                .tense = "PRES",
                .voice = voice,
                .mood = "IMP",
                .person = "2"}}};
    case Kind::subjunctive:
      return {"present subjunctive (a command: let...), " + personNumber(q.person, q.number),
              {{.partOfSpeech = "V",
                .number = parserName(q.number),
                .tense = parserName(formTense(Tense::present, line)),
                .voice = voice,
                .mood = "SUB",
                .person = parserName(q.person)}}};
    case Kind::headForm:
      return {"the verb's head form", {{.partOfSpeech = "V"}}};
    case Kind::none:
    case Kind::compound:
      break;
  }
  return {};
}

std::vector<ParserForm> prepositionExpectation(std::string_view preposition, Case governed) {
  if (preposition == "gratia") return {{.partOfSpeech = "N", .caseName = "ABL", .number = "S"}};
  return {{.partOfSpeech = "PREP", .caseName = parserName(governed)}};
}

WordRow fixedWordRow(FixedWord word) {
  WordRow row;
  // "umquam" is the adverb the motto chose, as "ne" wants it.
  row.fixed = word != FixedWord::umquam;
  for (const UnchangingWord& u : kUnchangingWords) {
    if (u.word != word) continue;
    row.word = row.dictionaryForm = u.written;
    row.partOfSpeech = u.partOfSpeech;
    row.form = "does not change";
    row.meaning = u.meaning;
    row.part = u.part;
    for (std::string_view pos : u.parserParts)
      if (!pos.empty()) row.expected.push_back({.partOfSpeech = std::string(pos)});
    return row;
  }
  if (word == FixedWord::noli || word == FixedWord::nolite) {
    const bool one = word == FixedWord::noli;
    row.word = one ? "noli" : "nolite";
    row.dictionaryForm = "nolo, nolle";
    row.partOfSpeech = "verb";
    row.form = one ? "command, second person singular" : "command, second person plural";
    row.meaning = "be unwilling: with an infinitive it forbids (do not...)";
    row.part = "negation (forbidding)";
    row.expected = {{.partOfSpeech = "V",
                     .number = one ? "S" : "P",
                     .tense = "PRES",
                     .voice = "ACTIVE",
                     .mood = "IMP",
                     .person = "2"}};
  } else if (word == FixedWord::questionNe) {
    row.word = row.dictionaryForm = "-ne";
    row.partOfSpeech = "enclitic particle";
    row.form = "written onto the word it asks about";
    row.meaning = "asks a question that expects yes or no";
    row.part = "question word";
    row.expected = {{.partOfSpeech = "TACKON", .enclitic = "ne"}};
  }
  return row;
}

std::string spellingNote(const TracedWord& word, std::string_view written) {
  if (word.source != WordSource::preposition || written == word.text) return "";
  if (written.size() < word.text.size())
    return " (written " + std::string(written) + " before a consonant)";
  return " (written " + std::string(written) + " before a vowel or h)";
}

WordRow umquamAfterNoli(WordRow row) {
  WordRow umquam = fixedWordRow(FixedWord::umquam);
  umquam.meaning = "ever: noli umquam says never";
  umquam.part = "how it happens (numquam after noli)";
  umquam.parserWord = row.parserWord;
  umquam.writtenIn = row.writtenIn;
  return umquam;
}

}  // namespace lexorra::explain
