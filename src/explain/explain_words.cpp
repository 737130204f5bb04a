#include "explain/explain_words.h"

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
  row.fixed = true;
  auto set = [&](std::string_view written, std::string_view dictionary, std::string_view pos,
                 std::string_view form, std::string_view meaning, std::string_view part) {
    row.word = written;
    row.dictionaryForm = dictionary;
    row.partOfSpeech = pos;
    row.form = form;
    row.meaning = meaning;
    row.part = part;
  };
  const ParserForm adverb{.partOfSpeech = "ADV"};
  switch (word) {
    case FixedWord::et:
      set("et", "et", "conjunction", "does not change", "and", "linked by et");
      row.expected = {{.partOfSpeech = "CONJ"}};
      break;
    case FixedWord::non:
      set("non", "non", "adverb", "does not change", "not", "negation");
      row.expected = {adverb};
      break;
    case FixedWord::ne:
      set("ne", "ne", "adverb", "does not change",
          "not: the negation of a wish or an exhortation, with the subjunctive", "negation");
      row.expected = {adverb, {.partOfSpeech = "CONJ"}};
      break;
    case FixedWord::umquam:
      set("umquam", "umquam", "adverb", "does not change", "ever: ne umquam says never", "");
      row.expected = {adverb};
      break;
    case FixedWord::noli:
    case FixedWord::nolite: {
      const bool one = word == FixedWord::noli;
      set(one ? "noli" : "nolite", "nolo, nolle", "verb",
          one ? "command, second person singular" : "command, second person plural",
          "be unwilling: with an infinitive it forbids (do not...)", "negation (forbidding)");
      row.expected = {{.partOfSpeech = "V",
                       .number = one ? "S" : "P",
                       .tense = "PRES",
                       .voice = "ACTIVE",
                       .mood = "IMP",
                       .person = "2"}};
      break;
    }
    case FixedWord::cur:
      set("cur", "cur", "adverb", "does not change", "why?", "question word");
      row.expected = {adverb};
      break;
    case FixedWord::quando:
      set("quando", "quando", "adverb", "does not change", "when?", "question word");
      row.expected = {adverb};
      break;
    case FixedWord::questionNe:
      set("-ne", "-ne", "enclitic particle", "written onto the word it asks about",
          "asks a question that expects yes or no", "question word");
      row.expected = {{.partOfSpeech = "TACKON", .enclitic = "ne"}};
      break;
    case FixedWord::none:
      break;
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
  umquam.fixed = false;
  umquam.meaning = "ever: noli umquam says never";
  umquam.part = "how it happens (numquam after noli)";
  umquam.parserWord = row.parserWord;
  umquam.writtenIn = row.writtenIn;
  return umquam;
}

}  // namespace lexorra::explain
