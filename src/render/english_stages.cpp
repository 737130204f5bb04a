// The English pipeline: twenty numbered stages, each a plain text
// operation on the whole line, run in order. The grammar stages carry the
// tense, agreement, commands, negation and questions; the repair stages mend
// the caption markup, spacing and the side effects of earlier stages.
#include <array>

#include "render/english_render.h"
#include "render/replacements.h"
#include "text/textops.h"

namespace lexorra {

namespace {

std::string trimmed(const std::string& t) {
  return std::string(text::trimSpaces(t));
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
std::string formsOfBe(std::string text, const MottoState&, EnglishWorking&) {
  text = " " + text;
  text::applyReplacements(text, kBeAfterDo);
  text.erase(0, 1);
  text::replaceWholeWord(text, "i do", "i");
  text::replaceWholeWord(text, "we do", "we");
  return text;
}

// 10: the added space lets a leading "a" match.
std::string articleBeforeVowel(std::string text, const MottoState&, EnglishWorking&) {
  for (char vowel : {'e', 'a', 'i', 'o', 'u'}) {
    const std::string from = std::string(" a ") + vowel;
    const std::string to = std::string(" an ") + vowel;
    text = trimmed(text::replaceEvery(" " + text, from, to));
  }
  return text;
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
  if (!text::contains(text, ".") && !text::contains(text, "!")) text = trimmed(text) + ".";
  return text;
}

// 17
std::string lateRepairs(std::string text, const MottoState& s, EnglishWorking& w) {
  if (w.skipRepairs) return text;
  applyReplacements(text, kLateRepairs, s.notButton.Value == 1);
  return text;
}

// 19: an empty text stays empty.
std::string capitalLetter(std::string text, const MottoState&, EnglishWorking&) {
  text = trimmed(text);
  if (!text.empty()) text[0] = text::upperChar(text[0]);
  return text;
}

// 20
std::string wordI(std::string text, const MottoState&, EnglishWorking&) {
  text::replaceEveryInPlace(text, " i ", " I ");
  return text;
}

// 12
std::string commandStage(std::string text, const MottoState& state, EnglishWorking& w) {
  if (state.verbTenseText.Caption != "should") return text;
  text = std::string(text::trimSpaces(text::replaceEvery(" " + text, " should ", " ")));
  text = std::string(text::trimSpaces(text::replaceEvery(" " + text, ".", "!")));
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

// 15: may set `skipRepairs`, which makes stages 16 and 17 do nothing.
std::string negationStage(std::string text, const MottoState& state, EnglishWorking& w) {
  if (state.notButton.Value != 1) return text;
  text::applyReplacements(text, kNegatedAuxiliaries);
  text::replaceWholeWord(text, w.thirdPersonForm, w.thirdPersonForm + " not ");
  const std::string& tense = state.verbTenseText.Caption;
  const std::string& verb = state.verbText.Caption;
  if (tense == "should") text::replaceWholeWord(text, verb, " not " + verb);
  if (text::contains(tense, "should") &&
      text::contains(text::lowerCase(state.actorPronounText.Caption), "you")) {
    text::replaceEveryInPlace(text, " not", " don't");
    w.skipRepairs = true;
  } else if (!text::contains(text, " not ") && w.verbPerson != Person::third) {
    text::replaceWholeWord(text, verb, verb + " not ");
  }
  return text;
}

// 18
std::string questionStage(std::string text, const MottoState& state, EnglishWorking&) {
  if (state.whyOption) text = "why is it that " + text + "?";
  if (state.isItThatOption) text = "Is it the case that " + text + "?";
  if (state.whenIsItOption) text = "When is it that " + text + "?";
  std::string lower = text::lowerCase(text);
  if (text::contains(lower, "what ") || text::contains(lower, "who ")) text += '?';
  if (text::contains(lower, " what") || text::contains(lower, " who")) text += '?';
  text::replaceEveryInPlace(text, ".?", "?");
  // Words such as "whole" are no question.
  if (text::contains(text::lowerCase(text), "whol")) text::replaceEveryInPlace(text, "?", ".");
  return text;
}

}  // namespace

const std::array<EnglishStage, kEnglishStageCount> kEnglishStages = {{
    {"early repairs", earlyRepairs},
    {"close the sentence", closeSentence},
    {"collapse doubled spaces", collapseSpaces},
    {"comparison words", comparisonWords},
    {"present tense auxiliary", presentAuxiliary},
    {"past tense auxiliary", pastAuxiliary},
    {"past of \"be\"", pastOfBe},
    {"third person of \"swear\" and \"promise\"", thirdPersonOfTwoVerbs},
    {"forms of \"be\" and the dropped \"do\"", formsOfBe},
    {"articles \"a\" and \"an\"", articleBeforeVowel},
    {"reflexive objects", reflexiveObjects},
    {"commands", commandStage},
    {"third person singular", thirdPersonStage},
    {"\"haves\"", hasForHaves},
    {"negation", negationStage},
    {"spaces and closing mark", spacesAndClosingMark},
    {"late repairs", lateRepairs},
    {"questions", questionStage},
    {"capital letter", capitalLetter},
    {"the word \"I\"", wordI},
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
  if (stage < 1 || stage > kEnglishStageCount) return text;
  return kEnglishStages[static_cast<std::size_t>(stage - 1)].run(std::move(text), state, working);
}

std::string runEnglishPipeline(std::string text, const MottoState& state, EnglishWorking& working) {
  for (const EnglishStage& stage : kEnglishStages)
    text = stage.run(std::move(text), state, working);
  for (const Replacement& row : kFinalSpacing)
    while (text::contains(text, row.from)) text::replaceEveryInPlace(text, row.from, row.to);
  return text;
}

EnglishWorking englishWorkingFrom(const RenderValues& values) {
  EnglishWorking w;
  w.verbPerson = values.verbPerson;
  w.verbNumber = values.verbNumber;
  w.actorNumber = values.actor.number;
  return w;
}

}  // namespace lexorra
