// The whole motto, field by field, under the names of the main window's
// controls. The renderer reads it; menus, options, pickers, the refresh tick
// and motto files change it; the window only shows it.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace lexorra {

// One word label of the main window.
struct WordSlot {
  std::string Caption = "()";  // the English word or pronoun shown; "()" for nothing
  std::string Tag = "blank";   // a lexicon index as decimal text, or a marker
  bool Visible = false;
  int BorderStyle = 0;  // 1 while the mouse is over the label

  bool operator==(const WordSlot&) const = default;
};

// Tag markers.
inline constexpr std::string_view kBlank = "blank";    // no word chosen
inline constexpr std::string_view kInflux = "influx";  // the slot being edited
inline constexpr std::string_view kEmptyCaption = "()";

// A section tick box: value 0 or 1, and whether it takes clicks.
struct TickBox {
  int Value = 0;
  bool Enabled = true;

  bool operator==(const TickBox&) const = default;
};

// A check box; only "not" is ever hidden.
struct CheckBox {
  int Value = 0;
  bool Visible = true;

  bool operator==(const CheckBox&) const = default;
};

// An option button of one of the three link groups.
struct OptionButton {
  bool Value = false;
  bool Visible = false;

  bool operator==(const OptionButton&) const = default;
};

struct Frame {
  bool Visible = false;

  bool operator==(const Frame&) const = default;
};

struct MottoState {
  // The twenty-two word slots, in the order motto files store them.
  WordSlot actorNounText;
  WordSlot actorPronounText;
  WordSlot actorAdjText;
  WordSlot secondActorNounText;
  WordSlot secondActorPronoun;
  WordSlot secondActorAdjText;
  WordSlot actedNounText;
  WordSlot actedPronounText;
  WordSlot actedAdjText;
  WordSlot secondActedNounText;
  WordSlot secondActedPronoun;
  WordSlot secondActedAdjText;
  WordSlot verbText;
  WordSlot verbTenseText{"do/does/dost/doth", "blank", false, 0};
  WordSlot adVerbText;
  WordSlot prepositionText;
  WordSlot prepositionPronounText;
  WordSlot prepositionNounText;
  WordSlot prepositionAdjText;
  WordSlot secondPrepositionPronounText;
  WordSlot secondPrepositionNounText;
  WordSlot secondPrepositionAdjText;

  // Link groups: "and", "of", "<blank>". Exactly one of each three is true.
  OptionButton Option1, Option2, Option3{true, false};  // first thing
  OptionButton Option4, Option5, Option6{true, false};  // second thing
  OptionButton Option7, Option8, Option9{true, false};  // the preposition's noun
  Frame Frame2;                                         // shows Option1 to Option3
  Frame Frame4;                                         // shows Option4 to Option6
  Frame Frame3;                                         // shows Option7 to Option9

  // Sections.
  TickBox actorTickBox{0, true};    // "The first thing(s)"
  TickBox actionTickBoc{0, false};  // "The Act"
  TickBox actedTickBox{0, false};   // "The second thing(s)"
  TickBox mannerTickBox{0, true};   // "How it happens"

  // Latin options.
  CheckBox Check1{1, true};  // include pronouns
  CheckBox isCheckBox;       // include all "be/is"
  CheckBox wordOrderBox;     // alternative word order
  CheckBox femaleBox;        // speaker is female
  CheckBox youFemaleBox;     // "you" is female
  CheckBox notButton{0, false};

  // Broad questions; exactly one is true.
  bool whenIsItOption = false;
  bool whyOption = false;
  bool isItThatOption = false;
  bool notQuestionOption = true;

  // Outputs.
  std::string finalLatin = "Aliquid aliquid facit";
  std::string finalLatinFont = "Old English Text MT";
  std::string finalEnglish = "\" There is nothing new under the sun\"";

  // The main window accepts input; the refresh renders only while it does.
  bool Enabled = false;

  bool operator==(const MottoState&) const = default;
};

// Whether two states hold the same motto: every slot, option, section, Latin
// option and question. The outputs, the typeface, the hover borders and
// `Enabled` are not part of the motto (they follow from it or from the
// window).
bool sameMotto(const MottoState& a, const MottoState& b);

enum class SlotKind { noun, pronoun, adjective, verb, tense, adverb, preposition };

// Which pronoun menu serves a pronoun slot.
enum class PronounMenu { none, actor, acted };

struct SlotInfo {
  std::string_view name;
  WordSlot MottoState::*slot;
  SlotKind kind;
  PronounMenu menu;
  std::string_view tooltip;
};

// The twenty-two slots in motto-file order, with their kind and tooltip.
extern const std::array<SlotInfo, 22> kSlots;

// The slot of that name, or nullptr.
const SlotInfo* findSlot(std::string_view name);

// The three link groups: "and", "of", "<blank>" and the frame that shows them.
struct LinkGroup {
  OptionButton MottoState::*andOption;
  OptionButton MottoState::*ofOption;
  OptionButton MottoState::*blankOption;
  Frame MottoState::*frame;
  int firstOption;  // the number of `andOption` (1, 4, 7); the others follow
};

inline constexpr std::array<LinkGroup, 3> kLinkGroups = {{
    {&MottoState::Option1, &MottoState::Option2, &MottoState::Option3, &MottoState::Frame2, 1},
    {&MottoState::Option4, &MottoState::Option5, &MottoState::Option6, &MottoState::Frame4, 4},
    {&MottoState::Option7, &MottoState::Option8, &MottoState::Option9, &MottoState::Frame3, 7},
}};

// The six things of a motto. Each is a pronoun or article, an adjective and
// a noun; a link group joins the second thing of each pair to the first by
// "and" or "of".
enum class ThingId { first, linkedFirst, second, linkedSecond, prepositional, linkedPrepositional };

struct ThingInfo {
  ThingId id;
  std::string_view name;  // "first thing", "linked first thing"...
  WordSlot MottoState::*pronoun;
  WordSlot MottoState::*noun;
  WordSlot MottoState::*adjective;
  PronounMenu menu;       // the pop-up menu that fills the pronoun slot
  std::size_t linkGroup;  // its place in kLinkGroups
  bool linked;            // the thing that the group's link attaches

  // Its pronoun, noun and adjective slots.
  constexpr std::array<WordSlot MottoState::*, 3> wordSlots() const {
    return {pronoun, noun, adjective};
  }
};

// In the order of the slots in motto files; each menu's things are
// consecutive, its first thing first.
inline constexpr std::array<ThingInfo, 6> kThings = {{
    {ThingId::first, "first thing", &MottoState::actorPronounText, &MottoState::actorNounText,
     &MottoState::actorAdjText, PronounMenu::actor, 0, false},
    {ThingId::linkedFirst, "linked first thing", &MottoState::secondActorPronoun,
     &MottoState::secondActorNounText, &MottoState::secondActorAdjText, PronounMenu::actor, 0,
     true},
    {ThingId::second, "second thing", &MottoState::actedPronounText, &MottoState::actedNounText,
     &MottoState::actedAdjText, PronounMenu::acted, 1, false},
    {ThingId::linkedSecond, "linked second thing", &MottoState::secondActedPronoun,
     &MottoState::secondActedNounText, &MottoState::secondActedAdjText, PronounMenu::acted, 1,
     true},
    {ThingId::prepositional, "prepositional thing", &MottoState::prepositionPronounText,
     &MottoState::prepositionNounText, &MottoState::prepositionAdjText, PronounMenu::acted, 2,
     false},
    {ThingId::linkedPrepositional, "linked prepositional thing",
     &MottoState::secondPrepositionPronounText, &MottoState::secondPrepositionNounText,
     &MottoState::secondPrepositionAdjText, PronounMenu::acted, 2, true},
}};

constexpr const ThingInfo& thing(ThingId id) {
  return kThings[static_cast<std::size_t>(id)];
}
constexpr const LinkGroup& linkGroupOf(ThingId id) {
  return kLinkGroups[thing(id).linkGroup];
}
// The thing the link of `id`'s group attaches to it.
constexpr const ThingInfo& linkedThing(ThingId id) {
  return kThings[static_cast<std::size_t>(id) + 1];
}

// The eleven tense phrases in the order the tense label cycles through them.
extern const std::array<std::string_view, 11> kTensePhrases;

}  // namespace lexorra
