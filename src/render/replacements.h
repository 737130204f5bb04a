// Every ordered list of literal replacements the renderer applies, Latin and
// English. A list is applied row by row, each row to every occurrence left to
// right (text::applyReplacements); the order of the rows is behaviour: later
// rows mend what earlier ones leave. Each list says why its order matters.
#pragma once

#include <span>
#include <string_view>

#include "text/textops.h"

namespace lexorra {

using text::Replacement;

// When a row applies.
enum class RepairWhen {
  always,
  negated,       // only when the act is negated ("not" ticked)
  speakerAlone,  // only when the subject is "I" alone
};

// What the conditional rows look at.
struct RepairConditions {
  bool negated = false;
  bool speakerAlone = false;
};

struct ConditionalReplacement {
  std::string_view from;
  std::string_view to;
  RepairWhen when = RepairWhen::always;
};

// Applies the rows in order, skipping those whose condition does not hold.
void applyReplacements(std::string& text, std::span<const ConditionalReplacement> rows,
                       const RepairConditions& conditions);

// Latin ----------------------------------------------------------------------

// Spacing: three passes fold a run of up to eight spaces into one; then the
// marker of a form the lexicon lacks (it needs the single spaces around it).
extern const std::span<const Replacement> kLatinSpacing;
// A double negative: "noli"/"nolite" come with a forbidding, "numquam" from
// the adverb; Latin says "noli umquam", "nolite umquam".
extern const std::span<const Replacement> kNoliUmquam;
// "ex" and "ab" before a consonant, applied only when the sentence has no
// "ex"/"ab" before a vowel: the two rows are independent.
extern const std::span<const Replacement> kExAbShortForms;

// English --------------------------------------------------------------------

// Stage 1: pronouns after "of", articles before possessives, then the caption
// markup ("|", "?", "()", ")") and doubled spaces. The pronoun rows come
// before the markup rows, because the markup rows remove the ")" that the
// adjective captions leave right after a pronoun's noun.
extern const std::span<const Replacement> kEarlyRepairs;
// Stage 4: the irregular comparisons; "more good" before "most good" is
// arbitrary, the rows never overlap.
extern const std::span<const Replacement> kComparisonWords;
// Stage 9: "be" after the present auxiliary ("does be" before "do be", which
// it contains; "I am" before "do be", which it contains too).
extern const std::span<const ConditionalReplacement> kBeAfterDo;
// Stage 12: the object forms after "let" ("let he" before "let her" would
// otherwise turn "let her" into "let himr").
extern const std::span<const Replacement> kLetObjects;
// Stage 15: "not" after each auxiliary; "swears" before "swear", which it
// contains.
extern const std::span<const Replacement> kNegatedAuxiliaries;
// Stage 17: late repairs. "the my/your/his/our/her/their" after the articles
// and possessives have met; "himr" and "of met" undo side effects of the
// early rows, so they must come after them; "I am not" only for a negated
// act.
extern const std::span<const ConditionalReplacement> kLateRepairs;
// After the last stage: no doubled spaces, and the closing mark belongs to
// the last word. Each row is repeated until it no longer matches.
extern const std::span<const Replacement> kFinalSpacing;
// The prepositional phrase's caption markup: "(plural)" and "(single)" go
// whole before their brackets do.
extern const std::span<const Replacement> kPrepositionMarkup;

// Stage 11: a first thing acting on itself. Both rows of a pronoun apply, the
// one inside the sentence first.
struct ReflexiveRow {
  std::string_view actorPronoun;  // lower-cased, whole caption
  std::span<const Replacement> rows;
};
extern const std::span<const ReflexiveRow> kReflexives;

}  // namespace lexorra
