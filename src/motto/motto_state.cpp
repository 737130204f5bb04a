#include "motto/motto_state.h"

namespace lexorra {

const std::array<SlotInfo, 22> kSlots = {{
    {"actorNounText", &MottoState::actorNounText, SlotKind::noun, PronounMenu::none,
     "Noun: What is the thing?"},
    {"actorPronounText", &MottoState::actorPronounText, SlotKind::pronoun, PronounMenu::actor, ""},
    {"actorAdjText", &MottoState::actorAdjText, SlotKind::adjective, PronounMenu::none,
     "Adjective: Describe the thing (optional)"},
    {"secondActorNounText", &MottoState::secondActorNounText, SlotKind::noun, PronounMenu::none,
     "Noun: What is the other thing, if any?"},
    {"secondActorPronoun", &MottoState::secondActorPronoun, SlotKind::pronoun, PronounMenu::actor,
     ""},
    {"secondActorAdjText", &MottoState::secondActorAdjText, SlotKind::adjective, PronounMenu::none,
     "Adjective: Describe the thing (optional)"},
    {"actedNounText", &MottoState::actedNounText, SlotKind::noun, PronounMenu::none,
     "Noun: What is the thing?"},
    {"actedPronounText", &MottoState::actedPronounText, SlotKind::pronoun, PronounMenu::acted, ""},
    {"actedAdjText", &MottoState::actedAdjText, SlotKind::adjective, PronounMenu::none,
     "Adjective: Describe the thing (optional)"},
    {"secondActedNounText", &MottoState::secondActedNounText, SlotKind::noun, PronounMenu::none,
     "Noun: What is the thing?"},
    {"secondActedPronoun", &MottoState::secondActedPronoun, SlotKind::pronoun, PronounMenu::acted,
     ""},
    {"secondActedAdjText", &MottoState::secondActedAdjText, SlotKind::adjective, PronounMenu::none,
     "Adjective: Describe the thing (optional)"},
    {"verbText", &MottoState::verbText, SlotKind::verb, PronounMenu::none, "Verb: What happens?"},
    {"verbTenseText", &MottoState::verbTenseText, SlotKind::tense, PronounMenu::none, ""},
    {"adVerbText", &MottoState::adVerbText, SlotKind::adverb, PronounMenu::none,
     "Adverb: How is it happening?"},
    {"prepositionText", &MottoState::prepositionText, SlotKind::preposition, PronounMenu::none,
     "Preposition: Where, to where, without, etc..."},
    {"prepositionPronounText", &MottoState::prepositionPronounText, SlotKind::pronoun,
     PronounMenu::acted, ""},
    {"prepositionNounText", &MottoState::prepositionNounText, SlotKind::noun, PronounMenu::none,
     "Name a thing"},
    {"prepositionAdjText", &MottoState::prepositionAdjText, SlotKind::adjective, PronounMenu::none,
     ""},
    {"secondPrepositionPronounText", &MottoState::secondPrepositionPronounText, SlotKind::pronoun,
     PronounMenu::acted, ""},
    {"secondPrepositionNounText", &MottoState::secondPrepositionNounText, SlotKind::noun,
     PronounMenu::none, "Name another thing"},
    {"secondPrepositionAdjText", &MottoState::secondPrepositionAdjText, SlotKind::adjective,
     PronounMenu::none, ""},
}};

const SlotInfo* findSlot(std::string_view name) {
  for (const SlotInfo& info : kSlots)
    if (info.name == name) return &info;
  return nullptr;
}

namespace {

// The motto alone, without what follows from it or from the window.
MottoState mottoOnly(const MottoState& state) {
  MottoState motto = state;
  for (const SlotInfo& info : kSlots) (motto.*info.slot).BorderStyle = 0;
  motto.finalLatin.clear();
  motto.finalLatinFont.clear();
  motto.finalEnglish.clear();
  motto.Enabled = false;
  return motto;
}

}  // namespace

bool sameMotto(const MottoState& a, const MottoState& b) {
  return mottoOnly(a) == mottoOnly(b);
}

const std::array<std::string_view, 11> kTensePhrases = {
    "do/does/dost/doth", "did/didst", "had", "will",          "might",   "will have",
    "might have",        "should",    "can", "would like to", "swear to"};

}  // namespace lexorra
