#include "render/replacements.h"

#include <array>

namespace lexorra {

namespace {

// Latin.

constexpr std::array<Replacement, 4> kLatinSpacingRows = {{
    {"  ", " "},
    {"  ", " "},
    {"  ", " "},
    {" - ", " (word form not in historical record!) "},
}};

constexpr std::array<Replacement, 2> kNoliUmquamRows = {
    {{"noli numquam", "noli umquam"}, {"nolite numquam", "nolite umquam"}}};

constexpr std::array<Replacement, 2> kExAbShortFormRows = {{{" ex ", " e "}, {" ab ", " a "}}};

// English.

// The pronoun after "of" is matched as a whole word (a pronoun word is always
// followed by the space before its linked noun), so that nouns beginning with
// the same letters stay whole: "of heaven", "of iron", "of sheep", "of it".
constexpr std::array<Replacement, 20> kEarlyRepairRows = {{
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

constexpr std::array<Replacement, 4> kComparisonWordRows = {{
    {"more good", "better"},
    {"most good", "best"},
    {"more bad", "worse"},
    {"most bad", "worst"},
}};

// The text is padded with a leading space so that "i" matches at the start.
constexpr std::array<ConditionalReplacement, 3> kBeAfterDoRows = {{
    {"does be", "is"},
    {" i do be ", " I am ", RepairWhen::speakerAlone},
    {"do be ", "are "},
}};

constexpr std::array<Replacement, 3> kLetObjectRows = {{
    {"let he", "let him"},
    {"let she", "let her"},
    {"let they", "let them"},
}};

constexpr std::array<Replacement, 13> kNegatedAuxiliaryRows = {{
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

// "himr" and "of met" mend "of her" and "of it" where the early rows once
// replaced "of he" and "of i" inside words; they are kept as a safety net.
constexpr std::array<ConditionalReplacement, 20> kLateRepairRows = {{
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
    {"I am ", "I am not ", RepairWhen::negated},
    {"more many/much", "more"},
    {"most many/much", "most"},
    {" of met.", " of it."},
    {" of met ", " of it "},
    {" of met?", " of it?"},
    {"who is you", "who are you"},
}};

// Stage 16 collapses one pass only, and a negated verb adds two spaces;
// stages 13 and 15 leave the mark apart ("he goes .", "i love not .").
constexpr std::array<Replacement, 4> kFinalSpacingRows = {{
    {"  ", " "},
    {" .", "."},
    {" !", "!"},
    {" ?", "?"},
}};

constexpr std::array<Replacement, 4> kPrepositionMarkupRows = {
    {{"(plural)", ""}, {"(single)", ""}, {"(", ""}, {")", ""}}};

constexpr std::array<Replacement, 2> kMyselfRows = {{{" me ", " myself "}, {" me.", " myself."}}};
constexpr std::array<Replacement, 2> kOurselvesRows = {
    {{" us ", " ourselves "}, {" us.", " ourselves."}}};
constexpr std::array<Replacement, 2> kYourselfRows = {
    {{" you ", " yourself "}, {" you.", " yourself."}}};
constexpr std::array<Replacement, 2> kYourselvesRows = {
    {{" you ", " yourselves "}, {" you.", " yourselves."}}};

constexpr std::array<ReflexiveRow, 4> kReflexiveRows = {{
    {"i", kMyselfRows},
    {"we", kOurselvesRows},
    {"you (single)", kYourselfRows},
    {"you (plural)", kYourselvesRows},
}};

}  // namespace

const std::span<const Replacement> kLatinSpacing = kLatinSpacingRows;
const std::span<const Replacement> kNoliUmquam = kNoliUmquamRows;
const std::span<const Replacement> kExAbShortForms = kExAbShortFormRows;
const std::span<const Replacement> kEarlyRepairs = kEarlyRepairRows;
const std::span<const Replacement> kComparisonWords = kComparisonWordRows;
const std::span<const ConditionalReplacement> kBeAfterDo = kBeAfterDoRows;
const std::span<const Replacement> kLetObjects = kLetObjectRows;
const std::span<const Replacement> kNegatedAuxiliaries = kNegatedAuxiliaryRows;
const std::span<const ConditionalReplacement> kLateRepairs = kLateRepairRows;
const std::span<const Replacement> kFinalSpacing = kFinalSpacingRows;
const std::span<const Replacement> kPrepositionMarkup = kPrepositionMarkupRows;
const std::span<const ReflexiveRow> kReflexives = kReflexiveRows;

void applyReplacements(std::string& text, std::span<const ConditionalReplacement> rows,
                       const RepairConditions& conditions) {
  for (const ConditionalReplacement& row : rows) {
    if (row.when == RepairWhen::negated && !conditions.negated) continue;
    if (row.when == RepairWhen::speakerAlone && !conditions.speakerAlone) continue;
    text::replaceEveryInPlace(text, row.from, row.to);
  }
}

}  // namespace lexorra
