// The English pipeline: twenty numbered stages, each a plain text
// operation on the whole line, run in order. The grammar stages carry the
// tense, agreement, commands, negation and questions; the repair stages mend
// the caption markup, spacing and the side effects of earlier stages.
#include <array>
#include <utility>
#include <vector>

#include "render/english_render.h"
#include "render/english_words.h"
#include "render/replacements.h"
#include "text/textops.h"

namespace lexorra {

bool isCommand(const MottoState& s) {
  return s.actionTickBoc.Value == 1 && s.verbTenseText.Caption == "should";
}

namespace {

std::string trimmed(const std::string& t) {
  return std::string(text::trimSpaces(t));
}

// Subject pronouns after "let" take their object forms.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kSubjectAsObject = {{
    {"i", "me"},
    {"we", "us"},
    {"he", "him"},
    {"she", "her"},
    {"they", "them"},
}};

// The text ending in exactly one closing mark, `mark`: whatever marks and
// spaces it ended with give way.
std::string withClosingMark(std::string text, char mark) {
  while (!text.empty() && std::string_view(" .!?").find(text.back()) != std::string_view::npos)
    text.pop_back();
  return text + mark;
}

// 1
std::string earlyRepairs(std::string text, const MottoState&, EnglishWorking&) {
  text::applyReplacements(text, kEarlyRepairs);
  return text;
}

// 2
std::string closeSentence(std::string text, const MottoState&, EnglishWorking&) {
  return trimmed(text) + ".";
}

// 3: two passes over non-overlapping pairs.
std::string collapseSpaces(std::string text, const MottoState&, EnglishWorking&) {
  text::replaceEveryInPlace(text, "  ", " ");
  text::replaceEveryInPlace(text, "  ", " ");
  return text;
}

// 4
std::string comparisonWords(std::string text, const MottoState&, EnglishWorking&) {
  text::applyReplacements(text, kComparisonWords);
  return text;
}

// 5
std::string presentAuxiliary(std::string text, const MottoState&, EnglishWorking& w) {
  const bool thirdSingular = w.verbNumber == Number::singular && w.verbPerson == Person::third;
  text::replaceEveryInPlace(text, "do/does/dost/doth", thirdSingular ? "does" : "do");
  return text;
}

// 6
std::string pastAuxiliary(std::string text, const MottoState&, EnglishWorking&) {
  text::replaceEveryInPlace(text, "did/didst", "did");
  return text;
}

// 7
std::string pastOfBe(std::string text, const MottoState&, EnglishWorking& w) {
  if (w.actorNumber == Number::singular) text::replaceEveryInPlace(text, "did be ", "was ");
  if (w.actorNumber == Number::plural) text::replaceEveryInPlace(text, "did be", "were");
  return text;
}

// 8
std::string thirdPersonOfTwoVerbs(std::string text, const MottoState&, EnglishWorking& w) {
  if (w.verbPerson == Person::third && w.verbNumber == Number::singular) {
    text::replaceEveryInPlace(text, " swear ", " swears ");
    text::replaceEveryInPlace(text, " promise ", " promises ");
  }
  return text;
}

// 9: "be" after the present auxiliary, then the auxiliary dropped after "I"
// and "we" as whole words, so that "the taxi does" and "I ... dog" keep
// their nouns.
std::string formsOfBe(std::string text, const MottoState&, EnglishWorking& w) {
  text = " " + text;
  // "I am" only for the speaker alone: "you and I are".
  const bool speakerAlone =
      w.verbPerson == Person::first && w.verbNumber == Number::singular && !w.subjectJoined;
  applyReplacements(text, kBeAfterDo, {.speakerAlone = speakerAlone});
  text.erase(0, 1);
  text::replaceWholeWord(text, "i do", "i");
  text::replaceWholeWord(text, "we do", "we");
  return text;
}

// 10: the article by the sound of the word that follows it: "an eagle", "a
// university", "an hour". Only the lower-case article is an article here
// (the captions of the pronoun menus are lower-cased by then).
std::string articleBySound(std::string text, const MottoState&, EnglishWorking&) {
  std::vector<std::string> words = wordsOf(text);
  for (std::size_t i = 0; i + 1 < words.size(); ++i)
    if (words[i] == "a" || words[i] == "an") words[i] = articleBefore(words[i + 1]);
  return joinWords(words);
}

// 11
std::string reflexiveObjects(std::string text, const MottoState& s, EnglishWorking&) {
  const std::string actor = text::lowerCase(s.actorPronounText.Caption);
  for (const ReflexiveRow& row : kReflexives)
    if (row.actorPronoun == actor) text::applyReplacements(text, row.rows);
  return text;
}

// Stage 13: "does love" becomes "loves". Everything after the verb word is
// kept, a second " does " included.
// 13
std::string thirdPersonStage(std::string text, const MottoState& state, EnglishWorking& w) {
  constexpr std::string_view kDoes = " does ";
  std::size_t at = text.find(kDoes);
  if (at == std::string::npos || state.verbText.Caption.empty()) return text;
  std::string_view before = std::string_view(text).substr(0, at);
  std::string_view after = std::string_view(text).substr(at + kDoes.size());
  std::string word(text::firstWord(after));
  text::replaceEveryInPlace(word, ".", "");
  w.thirdPersonForm = thirdPersonSingular(word);
  std::string_view rest = after.substr(word.size());
  return std::string(before) + " " + w.thirdPersonForm + " " + std::string(rest);
}

// 14
std::string hasForHaves(std::string text, const MottoState&, EnglishWorking&) {
  text::replaceEveryInPlace(text, " haves", " has");
  return text;
}

// 16
std::string spacesAndClosingMark(std::string text, const MottoState&, EnglishWorking& w) {
  if (w.skipRepairs) return text;
  text::replaceEveryInPlace(text, "  ", " ");
  if (!text::contains(text, ".") && !text::contains(text, "!") && !text::contains(text, "?"))
    text = trimmed(text) + ".";
  return text;
}

// 17
std::string lateRepairs(std::string text, const MottoState& s, EnglishWorking& w) {
  if (w.skipRepairs) return text;
  applyReplacements(text, kLateRepairs, {.negated = s.notButton.Value == 1});
  return text;
}

// 19: an empty text stays empty.
std::string capitalLetter(std::string text, const MottoState&, EnglishWorking&) {
  text = trimmed(text);
  if (!text.empty()) text[0] = text::upperChar(text[0]);
  return text;
}

// 20: a lone "i" wherever it stands ("Truth and I.").
std::string wordI(std::string text, const MottoState&, EnglishWorking&) {
  text::replaceWholeWord(text, "i", "I");
  return text;
}

// 12
std::string commandStage(std::string text, const MottoState& state, EnglishWorking& w) {
  if (!isCommand(state)) return text;
  text = std::string(text::trimSpaces(text::replaceEvery(" " + text, " should ", " ")));
  text = std::string(text::trimSpaces(text::replaceEvery(" " + text, ".", "!")));
  if (w.subjectJoined) {
    // "Let you and me fear!", "let the girl and the boy go!"; a joined "you"
    // keeps its subject: "you and he, love me!" reads "you and he love me!".
    if (w.verbPerson == Person::second) return text;
    for (auto [subject, object] : kSubjectAsObject) text::replaceWholeWord(text, subject, object);
    return "let " + text;
  }
  if (w.verbPerson == Person::third) text = "let " + text;
  // The speaker is the first word; words that merely contain "i " or "we"
  // ("taxi", "power") stay whole.
  if (w.verbPerson == Person::first) {
    if (text::beginsWith(text, "i ")) text.replace(0, 2, "let me ");
    if (text::beginsWith(text, "we") && (text.size() == 2 || !text::isLetter(text[2])))
      text.replace(0, 2, "let's");
  }
  text::applyReplacements(text, kLetObjects);
  // "you love me!" -> "love me!"
  if (text::beginsWith(text, "you")) text.erase(0, 4);
  return text;
}

// 15: may set `skipRepairs`, which makes stages 16 and 17 do nothing. Only
// an act can be negated.
std::string negationStage(std::string text, const MottoState& state, EnglishWorking& w) {
  if (state.notButton.Value != 1 || state.actionTickBoc.Value != 1) return text;
  text::applyReplacements(text, kNegatedAuxiliaries);
  text::replaceWholeWord(text, w.thirdPersonForm, w.thirdPersonForm + " not ");
  const std::string& tense = state.verbTenseText.Caption;
  const std::string& verb = state.verbText.Caption;
  if (tense == "should") text::replaceWholeWord(text, verb, " not " + verb);
  // A command to "you" forbids with "don't"; "you and I" are "we".
  if (text::contains(tense, "should") && w.verbPerson == Person::second) {
    text::replaceEveryInPlace(text, " not", " don't");
    w.skipRepairs = true;
  } else if (!text::contains(text, " not ") && w.verbPerson != Person::third) {
    text::replaceWholeWord(text, verb, verb + " not ");
  }
  return text;
}

// 18: a broad question wraps the sentence; "who" or "what" as a word asks
// one. The sentence ends with one mark.
std::string questionStage(std::string text, const MottoState& state, EnglishWorking&) {
  bool asks = state.whyOption || state.isItThatOption || state.whenIsItOption;
  if (state.whyOption) text = "why is it that " + text;
  if (state.isItThatOption) text = "Is it the case that " + text;
  if (state.whenIsItOption) text = "When is it that " + text;
  std::string lower = text::lowerCase(text);
  if (text::containsWholeWord(lower, "who") || text::containsWholeWord(lower, "what")) asks = true;
  return asks ? withClosingMark(std::move(text), '?') : text;
}

}  // namespace

const std::array<EnglishStage, kEnglishStageCount + 2> kEnglishStages = {{
    {1, "early repairs", earlyRepairs},
    {2, "close the sentence", closeSentence},
    {3, "collapse doubled spaces", collapseSpaces},
    {4, "comparison words", comparisonWords},
    {5, "present tense auxiliary", presentAuxiliary},
    {6, "past tense auxiliary", pastAuxiliary},
    {7, "past of \"be\"", pastOfBe},
    {8, "third person of \"swear\" and \"promise\"", thirdPersonOfTwoVerbs},
    {9, "forms of \"be\" and the dropped \"do\"", formsOfBe},
    {10, "articles \"a\" and \"an\" by sound", articleBySound},
    {11, "reflexive objects", reflexiveObjects},
    {12, "commands", commandStage},
    {13, "third person singular", thirdPersonStage},
    {14, "\"haves\"", hasForHaves},
    {15, "negation", negationStage},
    // After the verb has its final form and negation: the adverbs move.
    {0, "question adverb", askWithQuestionAdverb},
    {0, "adverbs of frequency", placeFrequencyAdverb},
    {16, "spaces and closing mark", spacesAndClosingMark},
    {17, "late repairs", lateRepairs},
    {18, "questions", questionStage},
    {19, "capital letter", capitalLetter},
    {20, "the word \"I\"", wordI},
}};

std::string thirdPersonSingular(std::string_view w) {
  std::string word(w);
  std::string form = word + "s";
  if (text::endsWith(word, "s") || text::endsWith(word, "o") || text::endsWith(word, "sh") ||
      text::endsWith(word, "ch") || text::endsWith(word, "x") || text::endsWith(word, "z"))
    form = word + "es";
  if (text::endsWith(word, "y")) form = word.substr(0, word.size() - 1) + "ies";
  // A vowel before the "y" keeps it: "plays", "obeys", "destroys", "buys".
  for (std::string_view vowelY : {"ay", "ey", "oy", "uy"})
    if (text::endsWith(word, vowelY)) form = word + "s";
  return form;
}

std::string englishStage(int stage, std::string text, const MottoState& state,
                         EnglishWorking& working) {
  for (const EnglishStage& s : kEnglishStages)
    if (s.number == stage && stage != 0) return s.run(std::move(text), state, working);
  return text;
}

std::string runEnglishPipeline(std::string text, const MottoState& state, EnglishWorking& working) {
  for (const EnglishStage& stage : kEnglishStages)
    text = stage.run(std::move(text), state, working);
  for (const Replacement& row : kFinalSpacing)
    while (text::contains(text, row.from)) text::replaceEveryInPlace(text, row.from, row.to);
  // One closing mark: a run of them keeps the strongest, "?" over "!" over
  // ".".
  std::size_t marks = text.size();
  while (marks > 0 && std::string_view(".!?").find(text[marks - 1]) != std::string_view::npos)
    --marks;
  if (text.size() - marks > 1) {
    const std::string_view run = std::string_view(text).substr(marks);
    const char mark = text::contains(run, "?") ? '?' : text::contains(run, "!") ? '!' : '.';
    text = text.substr(0, marks) + mark;
  }
  return text;
}

EnglishWorking englishWorkingFrom(const RenderValues& values) {
  EnglishWorking w;
  w.verbPerson = values.verbPerson;
  w.verbNumber = values.verbNumber;
  w.subjectJoined = values.actorJoined;
  w.actorNumber = values.actorJoined ? Number::plural : values.actor.number;
  return w;
}

}  // namespace lexorra
