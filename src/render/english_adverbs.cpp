// The two adverbs English does not leave at the end of the sentence: a
// question adverb, which asks, and an adverb of frequency, which stands by
// its verb. Both stages run once the verb has its final form and its
// negation, and work on the words of the line.
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "render/english_render.h"
#include "render/english_words.h"
#include "text/textops.h"

namespace lexorra {

namespace {

using Words = std::vector<std::string>;

// Auxiliaries and the forms of "be", which change places with the subject
// in a question and take an adverb of frequency after them.
constexpr std::array<std::string_view, 21> kAuxiliaries = {
    "will", "would", "can", "could", "shall", "should", "may", "might", "must", "do",  "does",
    "did",  "had",   "has", "have",  "am",    "is",     "are", "was",   "were", "dost"};

bool isAuxiliary(std::string_view word) {
  return std::find(kAuxiliaries.begin(), kAuxiliaries.end(), word) != kAuxiliaries.end();
}

// The adverb of the motto, lower-cased, when "How it happens" holds one.
std::string mottoAdverb(const MottoState& s) {
  if (s.mannerTickBox.Value != 1 || s.adVerbText.Tag == kBlank) return {};
  return text::lowerCase(text::trimSpaces(s.adVerbText.Caption));
}

// A line cut into words with its closing mark taken off the last one.
struct Sentence {
  Words words;
  std::string mark;
};

Sentence sentenceOf(std::string_view line) {
  Sentence s{wordsOf(line), {}};
  while (!s.words.empty()) {
    std::string& last = s.words.back();
    while (!last.empty() && std::string_view(".!?").find(last.back()) != std::string_view::npos) {
      s.mark.insert(s.mark.begin(), last.back());
      last.pop_back();
    }
    if (!last.empty()) break;
    s.words.pop_back();
  }
  return s;
}

std::string lineOf(const Words& words, std::string_view mark) {
  return joinWords(words) + std::string(mark);
}

// Takes the last occurrence of `word` out of the words; false when absent.
bool takeOut(Words& words, std::string_view word) {
  for (std::size_t i = words.size(); i-- > 0;) {
    if (words[i] != word) continue;
    words.erase(words.begin() + static_cast<long>(i));
    return true;
  }
  return false;
}

std::optional<std::size_t> findWord(const Words& words, std::string_view word, std::size_t from) {
  if (word.empty()) return std::nullopt;
  for (std::size_t i = from; i < words.size(); ++i)
    if (words[i] == word) return i;
  return std::nullopt;
}

// Where the verb stands: its third person form ("loves"), else the first
// word of its caption ("love", "loved").
std::optional<std::size_t> verbAt(const Words& words, const MottoState& s, const EnglishWorking& w,
                                  std::size_t from) {
  if (auto at = findWord(words, w.thirdPersonForm, from)) return at;
  return findWord(words, text::lowerCase(text::firstWord(s.verbText.Caption)), from);
}

std::optional<std::size_t> firstAuxiliary(const Words& words, std::size_t from, std::size_t to) {
  for (std::size_t i = from; i < std::min(to, words.size()); ++i)
    if (isAuxiliary(words[i])) return i;
  return std::nullopt;
}

}  // namespace

std::string askWithQuestionAdverb(std::string text, const MottoState& s, EnglishWorking& w) {
  const std::string adverb = mottoAdverb(s);
  if (!isQuestionAdverb(adverb) || !s.notQuestionOption || isCommand(s) ||
      s.actionTickBoc.Value != 1 || s.verbText.Caption.empty())
    return text;
  Sentence sentence = sentenceOf(text);
  Words& words = sentence.words;
  if (!takeOut(words, adverb) || words.size() < 2) return text;

  // The subject is what stands before the first auxiliary or the verb.
  const auto verb = verbAt(words, s, w, 1);
  const auto auxiliary = firstAuxiliary(words, 1, verb.value_or(words.size()));
  Words asked{adverb};
  if (auxiliary) {
    // "you will come" -> "when will you come"
    asked.push_back(words[*auxiliary]);
    asked.insert(asked.end(), words.begin(), words.begin() + static_cast<long>(*auxiliary));
    asked.insert(asked.end(), words.begin() + static_cast<long>(*auxiliary) + 1, words.end());
  } else if (verb) {
    // "he goes" -> "where does he go", "I go" -> "where do I go"
    const bool thirdPerson = !w.thirdPersonForm.empty() && words[*verb] == w.thirdPersonForm;
    asked.push_back(thirdPerson ? "does" : "do");
    asked.insert(asked.end(), words.begin(), words.begin() + static_cast<long>(*verb));
    std::size_t rest = *verb + 1;
    if (rest < words.size() && words[rest] == "not") {  // "he goes not" -> "does he not go"
      asked.push_back("not");
      ++rest;
    }
    asked.push_back(text::lowerCase(text::firstWord(s.verbText.Caption)));
    asked.insert(asked.end(), words.begin() + static_cast<long>(rest), words.end());
  } else {
    return text;
  }
  return lineOf(asked, "?");
}

std::string placeFrequencyAdverb(std::string text, const MottoState& s, EnglishWorking& w) {
  const std::string adverb = mottoAdverb(s);
  if (!isFrequencyAdverb(adverb) || s.actionTickBoc.Value != 1) return text;
  Sentence sentence = sentenceOf(text);
  Words& words = sentence.words;
  if (!takeOut(words, adverb)) return text;
  const bool never = adverb == "never";
  auto insertAt = [&](std::size_t at) {
    words.insert(words.begin() + static_cast<long>(std::min(at, words.size())), adverb);
  };

  const auto verb = verbAt(words, s, w, 0);
  if (isCommand(s)) {
    // Before the verb; a "not"/"don't" before it is absorbed by "never" and
    // followed by the others: "never go!", "don't always love me!".
    if (!verb) {
      words.push_back(adverb);
    } else if (std::size_t v = *verb; v > 0 && (words[v - 1] == "not" || words[v - 1] == "don't")) {
      if (never) words.erase(words.begin() + static_cast<long>(v - 1));
      insertAt(never ? v - 1 : v);
    } else {
      insertAt(v);
    }
    return lineOf(words, sentence.mark);
  }

  // A statement: after the first auxiliary or "be" (and after its "not"),
  // else before the verb; "never" takes the place of the "not".
  const auto auxiliary = firstAuxiliary(words, 1, verb.value_or(words.size()));
  if (auxiliary) {
    std::size_t at = *auxiliary + 1;
    if (at < words.size() && words[at] == "not") {
      if (never)
        words.erase(words.begin() + static_cast<long>(at));
      else
        ++at;
    }
    insertAt(at);
  } else if (verb) {
    if (never && *verb + 1 < words.size() && words[*verb + 1] == "not")
      words.erase(words.begin() + static_cast<long>(*verb) +
                  1);  // "he loves not" -> "he never loves"
    insertAt(*verb);
  } else {
    words.push_back(adverb);
  }
  return lineOf(words, sentence.mark);
}

}  // namespace lexorra
