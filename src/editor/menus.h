// The two pop-up menus of pronouns and articles that fill the six pronoun
// slots. The chosen item's caption is itself the choice: the renderer reads
// it. An item also decides whether the noun and adjective of its thing stay
// on screen ("The..." needs a noun, "He" stands alone).
#pragma once

#include <span>
#include <string_view>

#include "motto/motto_state.h"

namespace lexorra {

struct PronounMenuItem {
  std::string_view name;          // "a_option", "he_acted"
  std::string_view menuCaption;   // what the menu shows: "The (sing.)..."
  std::string_view firstCaption;  // written into the menu's first slot
  std::string_view otherCaption;  // written into its other slots
  bool showsNounAndAdj;           // the thing keeps its noun and adjective
  bool separatorBefore;           // a "-" separator stands above the item
};

// "PronounMenu_Actor" / "actedPronounMenu" and their captions.
std::string_view pronounMenuName(PronounMenu menu);
std::string_view pronounMenuCaption(PronounMenu menu);

// The items of a menu, in menu order (empty for PronounMenu::none).
std::span<const PronounMenuItem> pronounMenuItems(PronounMenu menu);

// The things whose pronoun slots a menu serves; the first one receives the
// "first" captions.
std::span<const ThingInfo> pronounMenuSlots(PronounMenu menu);

// The item of that name in the menu, or nullptr.
const PronounMenuItem* findPronounMenuItem(PronounMenu menu, std::string_view name);

// Whether choosing some item of the slot's menu can leave `caption` on the
// slot (the first slot of a menu takes the first captions, the others the
// other captions). "()" is always possible. False for a slot that is not a
// pronoun slot.
bool pronounCaptionAllowed(WordSlot MottoState::*slot, std::string_view caption);

// Applies a chosen item: every slot of the menu that carries "influx", in the
// menu's slot order, gets the item's caption and an empty tag, and its noun
// and adjective are shown or hidden as the item says. Their words are kept.
// Slots without the mark are left alone.
void choosePronoun(MottoState& state, PronounMenu menu, const PronounMenuItem& item);

}  // namespace lexorra
