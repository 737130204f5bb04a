// Reading the Latin parser's answers and judging the sheet's rows by them.
//
// The parser writes, for each word, its analyses ("caec.us ADJ 1 1 NOM S M
// POS": the word split into stem and ending, the part of speech, declension
// and variant, case, number, gender, degree), each followed by the
// dictionary entry ("caecus, caeca -um ... [XXXAO]") and its meaning. Words
// are separated in the input by a word the parser does not know, so each
// word's answers end at that word's "UNKNOWN".
#include "explain/parser_check.h"

#include <algorithm>
#include <array>

#include "text/datafile.h"
#include "text/textops.h"

namespace lexorra::explain {

namespace {

constexpr std::array<std::string_view, 15> kPartsOfSpeech = {
    "N",   "ADJ",  "V",      "VPAR",   "PRON",   "ADV",    "PREP",  "CONJ",
    "NUM", "PACK", "SUPINE", "INTERJ", "TACKON", "PREFIX", "SUFFIX"};

std::vector<std::string_view> tokens(std::string_view line) {
  std::vector<std::string_view> out;
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && (line[at] == ' ' || line[at] == '\t' || line[at] == '\r')) ++at;
    std::size_t end = at;
    while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '\r') ++end;
    if (end > at) out.push_back(line.substr(at, end - at));
    at = end;
  }
  return out;
}

bool genderAgrees(std::string_view found, std::string_view wanted, std::string_view pos) {
  if (found == wanted || found == "X") return true;
  // Common endings serve the masculine and the feminine; the personal
  // pronouns have one form for every gender.
  if (found == "C") return wanted == "M" || wanted == "F" || pos == "PRON";
  if (wanted == "C") return found == "M" || found == "F";
  return false;
}

std::string why(const WordRow& row, const std::vector<ParserAnalysis>& analyses) {
  if (analyses.empty()) return "the parser does not know the word";
  for (const ParserAnalysis& a : analyses)
    for (const ParserForm& e : row.expected)
      if (a.form.partOfSpeech == e.partOfSpeech) return "the parser knows another form of it";
  return "the parser knows it only as another part of speech";
}

}  // namespace

std::optional<ParserAnalysis> parseAnalysisLine(std::string_view line) {
  const std::vector<std::string_view> t = tokens(line);
  if (t.size() < 2 || t[0].ends_with(',')) return std::nullopt;
  for (std::string_view token : t)
    if (token.starts_with('[')) return std::nullopt;  // a dictionary entry
  if (std::find(kPartsOfSpeech.begin(), kPartsOfSpeech.end(), t[1]) == kPartsOfSpeech.end())
    return std::nullopt;

  ParserAnalysis a;
  for (std::string_view token : t) a.line += (a.line.empty() ? "" : " ") + std::string(token);
  ParserForm& f = a.form;
  f.partOfSpeech = t[1];
  const std::vector<std::string_view> rest(t.begin() + 2, t.end());
  auto at = [&](std::size_t k) { return k < rest.size() ? std::string(rest[k]) : std::string(); };
  if (f.partOfSpeech == "N" || f.partOfSpeech == "PRON" || f.partOfSpeech == "ADJ" ||
      f.partOfSpeech == "NUM" || f.partOfSpeech == "PACK") {
    // declension variant CASE NUMBER GENDER [DEGREE]
    f.caseName = at(2);
    f.number = at(3);
    f.gender = at(4);
    if (f.partOfSpeech == "ADJ" || f.partOfSpeech == "NUM") f.degree = at(5);
  } else if (f.partOfSpeech == "V") {
    // conjugation variant TENSE [VOICE] MOOD PERSON NUMBER; a deponent's
    // forms have no voice
    f.tense = at(2);
    const bool voiced = at(3) == "ACTIVE" || at(3) == "PASSIVE";
    f.voice = voiced ? at(3) : "DEP";
    const std::size_t k = voiced ? 4 : 3;
    f.mood = at(k);
    f.person = at(k + 1);
    f.number = at(k + 2);
  } else if (f.partOfSpeech == "VPAR") {
    f.caseName = at(2);
    f.number = at(3);
    f.gender = at(4);
    f.tense = at(5);
  } else if (f.partOfSpeech == "PREP") {
    f.caseName = at(0);
  } else if (f.partOfSpeech == "TACKON") {
    f.enclitic = t[0];
  }
  return a;
}

ParserAnswers parseParserOutput(std::string_view output, std::size_t words) {
  ParserAnswers answers(words);
  std::size_t word = 0;
  for (std::string_view line : splitLines(output)) {
    if (word >= words) break;
    const std::vector<std::string_view> t = tokens(line);
    if (!t.empty() && t[0] == kParserSeparator) {
      ++word;
      continue;
    }
    if (std::optional<ParserAnalysis> a = parseAnalysisLine(line))
      answers[word].push_back(std::move(*a));
  }
  return answers;
}

bool confirms(const ParserForm& found, const ParserForm& wanted) {
  if (found.partOfSpeech != wanted.partOfSpeech) return false;
  auto agrees = [](const std::string& got, const std::string& want) {
    return want.empty() || got == want;
  };
  if (!wanted.gender.empty() && !genderAgrees(found.gender, wanted.gender, found.partOfSpeech))
    return false;
  if (!wanted.voice.empty()) {
    const bool deponent = wanted.voice == "DEP";
    if (deponent ? found.voice != "DEP" && found.voice != "PASSIVE" : found.voice != wanted.voice)
      return false;
  }
  if (!wanted.number.empty() && found.number != "X" && found.number != wanted.number) return false;
  return agrees(found.caseName, wanted.caseName) && agrees(found.degree, wanted.degree) &&
         agrees(found.tense, wanted.tense) && agrees(found.mood, wanted.mood) &&
         agrees(found.person, wanted.person) && agrees(found.enclitic, wanted.enclitic);
}

std::vector<std::string> parserWords(const Explanation& sheet) {
  std::vector<std::string> words;
  for (const WordRow& row : sheet.rows)
    if (!row.parserWord.empty() &&
        std::find(words.begin(), words.end(), row.parserWord) == words.end())
      words.push_back(row.parserWord);
  return words;
}

SheetCheck judgeSheet(const Explanation& sheet, const std::vector<std::string>& words,
                      const ParserAnswers& answers) {
  SheetCheck check;
  check.status = SheetCheck::Status::checked;
  for (const WordRow& row : sheet.rows) {
    RowCheck result;
    const auto at = std::find(words.begin(), words.end(), row.parserWord);
    const std::size_t k = static_cast<std::size_t>(at - words.begin());
    const std::vector<ParserAnalysis> none;
    const std::vector<ParserAnalysis>& analyses =
        at != words.end() && k < answers.size() ? answers[k] : none;
    for (const ParserAnalysis& a : analyses) result.analyses.push_back(a.line);
    if (!row.traced) {
      result.verdict = Verdict::notConfirmed;
      result.why = "the word is not traced";
    } else if (row.missingForm) {
      // The marker is no Latin word: there is nothing to check.
      result.verdict = Verdict::notChecked;
      result.why = "the lexicon records no such form";
    } else if (row.expected.empty() || row.parserWord.empty()) {
      result.verdict = Verdict::notChecked;
    } else {
      const bool found =
          std::any_of(analyses.begin(), analyses.end(), [&](const ParserAnalysis& a) {
            return std::any_of(row.expected.begin(), row.expected.end(),
                               [&](const ParserForm& e) { return confirms(a.form, e); });
          });
      result.verdict = found ? Verdict::confirmed : Verdict::notConfirmed;
      if (!found) result.why = why(row, analyses);
    }
    check.rows.push_back(std::move(result));
  }
  return check;
}

std::size_t SheetCheck::confirmed() const {
  return static_cast<std::size_t>(std::count_if(
      rows.begin(), rows.end(), [](const RowCheck& r) { return r.verdict == Verdict::confirmed; }));
}

std::size_t SheetCheck::checkedRows() const {
  return static_cast<std::size_t>(std::count_if(rows.begin(), rows.end(), [](const RowCheck& r) {
    return r.verdict != Verdict::notChecked;
  }));
}

std::string SheetCheck::summary() const {
  switch (status) {
    case Status::checked:
      return "Checked by the Latin parser " + std::string(kParserPackage) + ": " +
             std::to_string(confirmed()) + " of " + std::to_string(checkedRows()) +
             " words confirmed.";
    case Status::notInstalled:
      return "The independent check is not available: the Latin parser " +
             std::string(kParserPackage) +
             " is not installed. Install it with: " + std::string(kParserInstall);
    case Status::failed:
      break;
  }
  return "The independent check did not run: " + problem;
}

SheetCheck checkSheet(const Explanation& sheet, const ParserOptions& options) {
  SheetCheck check;
  if (!parserInstalled(options)) return check;
  const std::vector<std::string> words = parserWords(sheet);
  try {
    const std::string output = words.empty() ? std::string() : runParser(words, options);
    return judgeSheet(sheet, words, parseParserOutput(output, words.size()));
  } catch (const ParserError& e) {
    check.status = SheetCheck::Status::failed;
    check.problem = e.what();
    return check;
  }
}

}  // namespace lexorra::explain
