// The English half of a render.
//
// The captions are joined with generous single spaces and then repaired by
// ordered lists of literal replacements. The order of the rows and of the
// stages is the behaviour: later rows mend side effects of earlier ones.
#include "render/english_render.h"

#include <array>
#include <span>

#include "text/textops.h"

namespace lexorra {

namespace {

using text::Replacement;

// Adjectives whose English reads as a phrase ("of gold", "full of wine",
// comparatives in parentheses) follow their noun. The headword test does not
// know two of the prefixes.
struct AfterNounPrefix {
  std::string_view prefix;
  bool captionTest;
  bool headwordTest;
};
constexpr std::array<AfterNounPrefix, 13> kAfterNounPrefixes = {{
    {"(", true, true},
    {"of", true, true},
    {"made ", true, true},
    {"pertaining", true, true},
    {"of/pertaining", true, false},
    {"suffering from", true, false},
    {"belonging", true, true},
    {"from", true, true},
    {"having", true, true},
    {"characterized", true, true},
    {"favoring", true, true},
    {"containing", true, true},
    {"full of", true, true},
}};

// Stage 1: pronouns after "of", articles before possessives, caption markup.
// The pronoun after "of" is matched as a whole word (a pronoun word is always
// followed by the space before its linked noun), so that nouns beginning with
// the same letters stay whole: "of heaven", "of iron", "of sheep", "of it".
constexpr std::array<Replacement, 20> kEarlyRepairs = {{
    {"you was", "you were"},
    {" of i ", " of me "},
    {" of I ", " of me "},
    {" of he ", " of him "},
    {" of she ", " of her "},
    {" of they ", " of them "},
    {" of we ", " of ours "},
    {" of us ", " of ours "},
    {"the my", "my"},
    {"the your", "your"},
    {"the his", "his"},
    {"the her", "her"},
    {"the our", "our"},
    {"ww", "w"},
    {"|", ""},
    {"  ", " "},
    {"  ", " "},
    {"?", ""},
    {"()", ""},
    {")", ""},
}};

// Stage 4: the irregular comparisons.
constexpr std::array<Replacement, 4> kComparisonWords = {{
    {"more good", "better"},
    {"most good", "best"},
    {"more bad", "worse"},
    {"most bad", "worst"},
}};

// Stage 17. Row 14 (index 13) applies only to a negated act. Rows 8 and 17
// to 19 repair "of her" and "of it" where "of he" and "of i" were once
// replaced inside words; they are kept as a safety net.
constexpr std::array<Replacement, 20> kLateRepairs = {{
    {" the my ", " my "},
    {" the your ", " your "},
    {" the his/", " his/"},
    {" the our ", " our "},
    {" the her ", " her "},
    {" the their ", " their "},
    {" of of ", " of "},
    {"himr", "her"},
    {"we be.", "we are."},
    {"you was", "you were"},
    {"i be", "i am"},
    {"more much/many", "more"},
    {"don't never", "don't ever"},
    {"I am ", "I am not "},
    {"more many/much", "more"},
    {"most many/much", "most"},
    {" of met.", " of it."},
    {" of met ", " of it "},
    {" of met?", " of it?"},
    {"who is you", "who are you"},
}};
constexpr std::size_t kNegatedOnlyLateRepair = 13;

// Stage 9: "be" after the present auxiliary, then the auxiliary dropped
// after "I" and "we" ("i do" -> "i", "we do" -> "we", as whole words, so that
// "the taxi does" and "I ... dog" keep their nouns). The text is padded with
// a leading space so that "i" matches at the start.
constexpr std::array<Replacement, 3> kBeAfterDo = {{
    {"does be", "is"},
    {" i do be ", " I am "},
    {"do be ", "are "},
}};

// Stage 11: a first thing acting on itself.
struct ReflexiveRow {
  std::string_view actorPronoun;  // lower-cased, whole caption
  std::array<Replacement, 2> rows;
};
constexpr std::array<ReflexiveRow, 4> kReflexives = {{
    {"i", {{{" me ", " myself "}, {" me.", " myself."}}}},
    {"we", {{{" us ", " ourselves "}, {" us.", " ourselves."}}}},
    {"you (single)", {{{" you ", " yourself "}, {" you.", " yourself."}}}},
    {"you (plural)", {{{" you ", " yourselves "}, {" you.", " yourselves."}}}},
}};

// Stage 12, step 6: the object forms after "let".
constexpr std::array<Replacement, 3> kLetObjects = {{
    {"let he", "let him"},
    {"let she", "let her"},
    {"let they", "let them"},
}};

// Stage 15: "not" after each auxiliary.
constexpr std::array<Replacement, 13> kNegatedAuxiliaries = {{
    {" had ", " had not "},
    {" did ", " did not "},
    {" would ", " would not "},
    {" might ", " might not "},
    {" is ", " is not "},
    {" was ", " was not "},
    {" are ", " are not "},
    {" were ", " were not "},
    {" will ", " will not "},
    {" do ", " do not "},
    {" swears ", " swears not "},
    {" swear ", " swear not "},
    {" can ", " can not "},
}};

// After the last stage: no doubled spaces (stage 16 collapses only one pass,
// and a negated verb adds two), and the closing mark belongs to the last
// word ("he goes ." from stage 13, "i love not ." from stage 15). Each row
// is repeated until it no longer matches.
constexpr std::array<Replacement, 4> kFinalSpacing = {{
    {"  ", " "},
    {" .", "."},
    {" !", "!"},
    {" ?", "?"},
}};

bool passesAfterNounTest(std::string_view testText, bool captionTest) {
  std::string lower = text::lowerCase(testText);
  for (const AfterNounPrefix& p : kAfterNounPrefixes) {
    if (!(captionTest ? p.captionTest : p.headwordTest)) continue;
    if (text::beginsWith(lower, p.prefix)) return true;
  }
  return false;
}

// The caption test reads the adjective caption with every "( " removed.
bool adjectiveFollowsByCaption(const WordSlot& adjective) {
  return passesAfterNounTest(text::replaceEvery(adjective.Caption, "( ", ""), true);
}

bool adjectiveFollowsByHeadword(const WordSlot& adjective, const Lexicon& lexicon) {
  return passesAfterNounTest(lexicon.englishHeadword("adjective", adjective.Tag), false);
}

// Adjective and noun of one thing; `follows` puts the adjective behind.
std::string adjectiveAndNoun(const WordSlot& noun, const WordSlot& adjective,
                             std::string_view textInFront, bool follows) {
  if (follows) return noun.Caption + " " + text::replaceEvery(adjective.Caption, "(", "");
  return std::string(textInFront) + " " + noun.Caption;
}

std::string pronounWordOf(const WordSlot& pronoun) {
  return text::lowerCase(text::firstWord(pronoun.Caption));
}

// A thing with its linked thing: pronoun word, adjective and noun, then
// "and"/"of", the linked pronoun word, adjective and noun.
void joinThing(std::string& phrase, const std::string& linked, bool ticked, const WordSlot& pronoun,
               const WordSlot& linkedPronoun, bool andLink, bool ofLink, std::string& linkWord) {
  if (ticked) phrase = pronounWordOf(pronoun) + " " + phrase;
  if (andLink) linkWord = "and";
  if (ofLink) linkWord = "of";
  if (andLink || ofLink)
    phrase = phrase + " " + linkWord + " " + pronounWordOf(linkedPronoun) + " " + linked;
}

// Adjective and noun of a prepositional thing, whole captions.
std::string prepAdjectiveAndNoun(const WordSlot& noun, const WordSlot& adjective, bool follows) {
  if (follows) return noun.Caption + " " + adjective.Caption;
  return adjective.Caption + " " + noun.Caption;
}

// Stage 13: "does love" becomes "loves". Everything after the verb word is
// kept, a second " does " included.
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

// A letter of Windows-1252: a character with an upper and a lower case.
bool isLetter(char c) {
  return text::lowerChar(c) != text::upperChar(c);
}

// Replaces `word` where it stands as a whole word, so that the verb "love"
// is negated but "glove" and "lovers" stay whole. An empty word changes
// nothing.
void replaceWholeWord(std::string& text, std::string_view word, std::string_view by) {
  if (word.empty()) return;
  std::string out;
  std::size_t pos = 0;
  for (std::size_t hit = text.find(word); hit != std::string::npos; hit = text.find(word, hit)) {
    const std::size_t end = hit + word.size();
    const bool whole =
        (hit == 0 || !isLetter(text[hit - 1])) && (end == text.size() || !isLetter(text[end]));
    if (!whole) {
      ++hit;
      continue;
    }
    out.append(text, pos, hit - pos);
    out.append(by);
    pos = hit = end;
  }
  if (pos == 0) return;
  out.append(text, pos);
  text = std::move(out);
}

std::string commandStage(std::string text, const MottoState& state, const EnglishWorking& w) {
  if (state.verbTenseText.Caption != "should") return text;
  text = std::string(text::trimSpaces(text::replaceEvery(" " + text, " should ", " ")));
  text = std::string(text::trimSpaces(text::replaceEvery(" " + text, ".", "!")));
  if (w.verbPerson == Person::third) text = "let " + text;
  // The speaker is the first word; words that merely contain "i " or "we"
  // ("taxi", "power") stay whole.
  if (w.verbPerson == Person::first) {
    if (text::beginsWith(text, "i ")) text.replace(0, 2, "let me ");
    if (text::beginsWith(text, "we") && (text.size() == 2 || !isLetter(text[2])))
      text.replace(0, 2, "let's");
  }
  text::applyReplacements(text, kLetObjects);
  // "you love me!" -> "love me!"
  if (text::beginsWith(text, "you")) text.erase(0, 4);
  return text;
}

std::string negationStage(std::string text, const MottoState& state, EnglishWorking& w) {
  if (state.notButton.Value != 1) return text;
  text::applyReplacements(text, kNegatedAuxiliaries);
  replaceWholeWord(text, w.thirdPersonForm, w.thirdPersonForm + " not ");
  const std::string& tense = state.verbTenseText.Caption;
  const std::string& verb = state.verbText.Caption;
  if (tense == "should") replaceWholeWord(text, verb, " not " + verb);
  if (text::contains(tense, "should") &&
      text::contains(text::lowerCase(state.actorPronounText.Caption), "you")) {
    text::replaceEveryInPlace(text, " not", " don't");
    w.skipRepairs = true;
  } else if (!text::contains(text, " not ") && w.verbPerson != Person::third) {
    replaceWholeWord(text, verb, verb + " not ");
  }
  return text;
}

std::string questionStage(std::string text, const MottoState& state) {
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

EnglishNounPhrases buildEnglishNounPhrases(const MottoState& s, const Lexicon& lexicon) {
  EnglishNounPhrases out;
  std::string englishSecondActorPhrase, englishSecondActedPhrase;

  if (s.actorNounText.Visible) {
    out.englishActorPhrase = adjectiveAndNoun(s.actorNounText, s.actorAdjText,
                                              text::replaceEvery(s.actorAdjText.Caption, "( ", ""),
                                              adjectiveFollowsByCaption(s.actorAdjText));
  }
  auto headwordThing = [&](const WordSlot& noun, const WordSlot& adjective) {
    return adjectiveAndNoun(noun, adjective, text::replaceEvery(adjective.Caption, "(", ""),
                            adjectiveFollowsByHeadword(adjective, lexicon));
  };
  if (s.secondActorNounText.Visible && (s.Option1.Value || s.Option2.Value))
    englishSecondActorPhrase = headwordThing(s.secondActorNounText, s.secondActorAdjText);
  if (s.actedNounText.Visible)
    out.englishActedPhrase = headwordThing(s.actedNounText, s.actedAdjText);
  if (s.secondActedNounText.Visible && (s.Option4.Value || s.Option5.Value))
    englishSecondActedPhrase = headwordThing(s.secondActedNounText, s.secondActedAdjText);

  std::string linkWord;
  joinThing(out.englishActorPhrase, englishSecondActorPhrase, s.actorTickBox.Value == 1,
            s.actorPronounText, s.secondActorPronoun, s.Option1.Value, s.Option2.Value, linkWord);
  joinThing(out.englishActedPhrase, englishSecondActedPhrase, s.actedTickBox.Value == 1,
            s.actedPronounText, s.secondActedPronoun, s.Option4.Value, s.Option5.Value, linkWord);

  if (s.mannerTickBox.Value == 1) {
    const bool prepFollows = adjectiveFollowsByCaption(s.prepositionAdjText);
    const bool secondPrepFollows = adjectiveFollowsByCaption(s.secondPrepositionAdjText);
    std::string& p = out.englishPrepositionPhrase;
    if (s.prepositionText.Visible && s.prepositionText.Tag != kBlank) {
      p = s.prepositionText.Caption + " " + s.prepositionPronounText.Caption + " " +
          prepAdjectiveAndNoun(s.prepositionNounText, s.prepositionAdjText, prepFollows);
    }
    auto appendLinked = [&](std::string_view joint) {
      p += joint;
      p += s.secondPrepositionPronounText.Caption + " " +
           prepAdjectiveAndNoun(s.secondPrepositionNounText, s.secondPrepositionAdjText,
                                secondPrepFollows);
    };
    if (s.Option7.Value) appendLinked(" and ");
    if (s.Option8.Value) appendLinked(" of ");
    static constexpr std::array<Replacement, 4> kMarkup = {
        {{"(plural)", ""}, {"(single)", ""}, {"(", ""}, {")", ""}}};
    text::applyReplacements(p, kMarkup);
  }
  return out;
}

std::string removeParentheses(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool keeping = true;
  for (char c : text) {
    if (c == '(') keeping = false;
    if (keeping) out += c;
    if (c == ')') keeping = true;
  }
  return out;
}

std::string assembleEnglish(const MottoState& s, const EnglishNounPhrases& phrases) {
  std::string verbPhrase;
  if (s.verbText.Visible) verbPhrase = s.verbTenseText.Caption + " " + s.verbText.Caption;
  std::string adverb;
  if (s.mannerTickBox.Value == 1) adverb = s.adVerbText.Caption;
  return removeParentheses(phrases.englishActorPhrase) + " " + verbPhrase + " " +
         removeParentheses(phrases.englishActedPhrase) + " " +
         removeParentheses(phrases.englishPrepositionPhrase) + " " + removeParentheses(adverb);
}

EnglishWorking englishWorkingFrom(const RenderValues& values) {
  EnglishWorking w;
  w.verbPerson = values.verbPerson;
  w.verbNumber = values.verbNumber;
  w.actorNumber = values.actor.number;
  return w;
}

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

std::string englishRepairStage(int stage, std::string text, const MottoState& s,
                               const EnglishWorking& w) {
  auto trimmed = [](const std::string& t) { return std::string(text::trimSpaces(t)); };
  switch (stage) {
    case 1:  // early repairs
      text::applyReplacements(text, kEarlyRepairs);
      break;
    case 2:  // close the sentence
      text = trimmed(text) + ".";
      break;
    case 3:  // collapse doubled spaces, two passes
      text::replaceEveryInPlace(text, "  ", " ");
      text::replaceEveryInPlace(text, "  ", " ");
      break;
    case 4:
      text::applyReplacements(text, kComparisonWords);
      break;
    case 10:  // "a" before a vowel; the added space lets a leading "a" match
      for (char vowel : {'e', 'a', 'i', 'o', 'u'}) {
        const std::string from = std::string(" a ") + vowel;
        const std::string to = std::string(" an ") + vowel;
        text = trimmed(text::replaceEvery(" " + text, from, to));
      }
      break;
    case 16:  // spaces and closing mark
      if (w.skipRepairs) break;
      text::replaceEveryInPlace(text, "  ", " ");
      if (!text::contains(text, ".") && !text::contains(text, "!")) text = trimmed(text) + ".";
      break;
    case 17: {
      if (w.skipRepairs) break;
      std::span<const Replacement> rows(kLateRepairs);
      text::applyReplacements(text, rows.first(kNegatedOnlyLateRepair));
      if (s.notButton.Value == 1)
        text::applyReplacements(text, rows.subspan(kNegatedOnlyLateRepair, 1));
      text::applyReplacements(text, rows.subspan(kNegatedOnlyLateRepair + 1));
      break;
    }
    case 19:  // capital letter; an empty text stays empty
      text = trimmed(text);
      if (!text.empty()) text[0] = text::upperChar(text[0]);
      break;
    case 20:
      text::replaceEveryInPlace(text, " i ", " I ");
      break;
    default:
      break;
  }
  return text;
}

std::string englishGrammarStage(int stage, std::string text, const MottoState& s,
                                EnglishWorking& w) {
  switch (stage) {
    case 5:  // present tense auxiliary
      text::replaceEveryInPlace(
          text, "do/does/dost/doth",
          w.verbNumber == Number::singular && w.verbPerson == Person::third ? "does" : "do");
      break;
    case 6:
      text::replaceEveryInPlace(text, "did/didst", "did");
      break;
    case 7:  // past of "be"
      if (w.actorNumber == Number::singular) text::replaceEveryInPlace(text, "did be ", "was ");
      if (w.actorNumber == Number::plural) text::replaceEveryInPlace(text, "did be", "were");
      break;
    case 8:
      if (w.verbPerson == Person::third && w.verbNumber == Number::singular) {
        text::replaceEveryInPlace(text, " swear ", " swears ");
        text::replaceEveryInPlace(text, " promise ", " promises ");
      }
      break;
    case 9:
      text = " " + text;
      text::applyReplacements(text, kBeAfterDo);
      text.erase(0, 1);
      replaceWholeWord(text, "i do", "i");
      replaceWholeWord(text, "we do", "we");
      break;
    case 11: {
      const std::string actor = text::lowerCase(s.actorPronounText.Caption);
      for (const ReflexiveRow& row : kReflexives)
        if (row.actorPronoun == actor) text::applyReplacements(text, row.rows);
      break;
    }
    case 12:
      text = commandStage(std::move(text), s, w);
      break;
    case 13:
      text = thirdPersonStage(std::move(text), s, w);
      break;
    case 14:
      text::replaceEveryInPlace(text, " haves", " has");
      break;
    case 15:
      text = negationStage(std::move(text), s, w);
      break;
    case 18:
      text = questionStage(std::move(text), s);
      break;
    default:
      break;
  }
  return text;
}

std::string englishStage(int stage, std::string text, const MottoState& state,
                         EnglishWorking& working) {
  // The stages that carry grammar; the others repair the text.
  constexpr std::array<int, 11> kGrammarStages = {5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 18};
  for (int grammar : kGrammarStages)
    if (grammar == stage) return englishGrammarStage(stage, std::move(text), state, working);
  return englishRepairStage(stage, std::move(text), state, working);
}

std::string runEnglishPipeline(std::string text, const MottoState& state, EnglishWorking& working) {
  for (int stage = 1; stage <= kEnglishStageCount; ++stage)
    text = englishStage(stage, std::move(text), state, working);
  for (const Replacement& row : kFinalSpacing)
    while (text::contains(text, row.from)) text::replaceEveryInPlace(text, row.from, row.to);
  return text;
}

std::string renderEnglish(const MottoState& state, const Lexicon& lexicon,
                          const RenderValues& values) {
  EnglishWorking working = englishWorkingFrom(values);
  std::string text = assembleEnglish(state, buildEnglishNounPhrases(state, lexicon));
  return runEnglishPipeline(std::move(text), state, working);
}

}  // namespace lexorra
