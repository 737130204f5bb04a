// English words the English meaning needs to read as English: the article
// by sound, the comparison of adjectives, and the adverbs that move.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lexorra {

// "an" before a vowel sound, "a" before a consonant sound: "an eagle", "a
// university", "a one-handed man", "an hour", "an honest man".
std::string_view articleBefore(std::string_view word);

// English comparison of an adjective headword: one-syllable adjectives and
// two-syllable ones in "-y" take "-er"/"-est" with the usual spelling changes
// ("larger", "biggest", "happier"), irregular ones their own forms
// ("better", "worst"), the others "more"/"most" ("more beautiful").
std::string comparative(std::string_view headword);
std::string superlative(std::string_view headword);

// An adjective slot caption "(more X)" / "(most X)" as the English reads it,
// in the shape of a caption without comparison: "( greater)", "( most
// beautiful)". Any other caption comes back unchanged.
std::string comparedAdjectiveCaption(std::string_view caption);

// Adverbs of frequency ("always", "never", "often"...), which English puts
// before the verb, and the adverbs that ask a question ("where", "when"...).
bool isFrequencyAdverb(std::string_view word);
bool isQuestionAdverb(std::string_view word);

// The words of a line cut at single spaces, empty words dropped, and back.
std::vector<std::string> wordsOf(std::string_view text);
std::string joinWords(const std::vector<std::string>& words);

}  // namespace lexorra
