#include "editor/menus.h"

#include <algorithm>
#include <array>

namespace lexorra {

namespace {

// name, menu caption, first caption, other caption, noun and adjective shown,
// separator above.
constexpr std::array<PronounMenuItem, 20> kActorItems = {{
    {"a_option", "A...", "A", "a", true, false},
    {"the_option", "The (sing.)...", "The (single)", "the (single)", true, false},
    {"thePluralMenu", "The (plural.)...", "The (plural)", "the (plural)", true, false},
    {"theyactorOption", "They", "They", "They", false, false},
    {"this_option", "This...", "This", "this", true, false},
    {"these_option", "These...", "These", "these", true, false},
    {"that_option", "That...", "That", "that", true, false},
    {"those_option", "Those...", "Those", "those", true, false},
    {"i_option", "I", "I", "I", false, false},
    {"he_option", "He", "He", "he", false, false},
    {"she_option", "She", "She", "she", false, false},
    {"it_option", "It...", "It", "it", false, false},
    {"weActorOption", "We", "We", "we", false, false},
    {"yousing_option", "You (sing.)/ thou...", "You (single)", "you (single)", false, false},
    {"you_option_plural", "You (plural)/ ye...", "You (plural)", "you (plural)", false, false},
    {"somebody_option", "Somebody", "Somebody", "somebody", false, false},
    {"noActorPronoun", "<other single>", "()", "()", true, false},
    {"blankPluralActor", "<other plural>", "(plural)", "(plural)", true, false},
    {"actorWhat", "What?", "What", "What", false, true},
    {"actorWhoOption", "Who?", "Who", "Who", false, false},
}};

constexpr std::array<PronounMenuItem, 20> kActedItems = {{
    {"a_acted", "A...", "A", "a", true, false},
    {"the_acted", "The (sing)...", "the (single)", "the (single)", true, false},
    {"the_acted_plural", "The (plural)...", "the (plural)", "the (plural)", true, false},
    {"themActedOption", "Them", "them", "them", false, false},
    {"this_acted", "This...", "This", "this", true, false},
    {"these_acted", "These...", "These", "these", true, false},
    {"that_acted", "That...", "That", "that", true, false},
    {"those_acted", "Those...", "Those", "those", true, false},
    {"I_acted", "Me", "me", "me", false, false},
    {"he_acted", "Him", "him", "him", false, false},
    {"she_acted", "Her", "Her", "her", false, false},
    {"it_acted", "It", "It", "it", false, false},
    {"UsActedOption", "Us", "us", "us", false, false},
    {"yousing_acted", "You (sing.)/thee", "You (single)", "you (single)", false, false},
    {"youplu_acted", "You (plural.)/ ye", "You (plural)", "you (plural)", false, false},
    {"somebody_acted", "Somebody", "Somebody", "somebody", false, false},
    {"noActedPronoun", "<other single>", "()", "()", true, false},
    {"blankPluralActed", "<other plural>", "(plural)", "(plural)", true, false},
    {"actedWhat", "What?", "what", "what", false, true},
    {"actedWho", "Who?", "who", "who", false, false},
}};

// The two menus: object name, caption and items.
struct PronounMenuInfo {
  PronounMenu menu;
  std::string_view name;
  std::string_view caption;
  std::span<const PronounMenuItem> items;
};
constexpr std::array<PronounMenuInfo, 2> kPronounMenus = {{
    {PronounMenu::actor, "PronounMenu_Actor", "Pronouns", kActorItems},
    {PronounMenu::acted, "actedPronounMenu", "ActedPronouns", kActedItems},
}};

// The menu's row, or an empty one for PronounMenu::none.
PronounMenuInfo infoOf(PronounMenu menu) {
  for (const PronounMenuInfo& info : kPronounMenus)
    if (info.menu == menu) return info;
  return {};
}

}  // namespace

std::string_view pronounMenuName(PronounMenu menu) {
  return infoOf(menu).name;
}

std::string_view pronounMenuCaption(PronounMenu menu) {
  return infoOf(menu).caption;
}

std::span<const PronounMenuItem> pronounMenuItems(PronounMenu menu) {
  return infoOf(menu).items;
}

std::span<const ThingInfo> pronounMenuSlots(PronounMenu menu) {
  // A menu's things stand together in the table.
  std::size_t first = kThings.size(), count = 0;
  for (std::size_t i = 0; i < kThings.size(); ++i) {
    if (kThings[i].menu != menu) continue;
    first = std::min(first, i);
    ++count;
  }
  return count == 0 ? std::span<const ThingInfo>{} : std::span(kThings).subspan(first, count);
}

const PronounMenuItem* findPronounMenuItem(PronounMenu menu, std::string_view name) {
  for (const PronounMenuItem& item : pronounMenuItems(menu))
    if (item.name == name) return &item;
  return nullptr;
}

bool pronounCaptionAllowed(WordSlot MottoState::*slot, std::string_view caption) {
  for (PronounMenu menu : {PronounMenu::actor, PronounMenu::acted}) {
    std::span<const ThingInfo> slots = pronounMenuSlots(menu);
    for (std::size_t i = 0; i < slots.size(); ++i) {
      if (slots[i].pronoun != slot) continue;
      if (caption == kEmptyCaption) return true;
      for (const PronounMenuItem& item : pronounMenuItems(menu))
        if ((i == 0 ? item.firstCaption : item.otherCaption) == caption) return true;
      return false;
    }
  }
  return false;
}

void choosePronoun(MottoState& state, PronounMenu menu, const PronounMenuItem& item) {
  std::span<const ThingInfo> slots = pronounMenuSlots(menu);
  for (std::size_t i = 0; i < slots.size(); ++i) {
    WordSlot& pronoun = state.*slots[i].pronoun;
    if (pronoun.Tag != kInflux) continue;
    pronoun.Caption = i == 0 ? item.firstCaption : item.otherCaption;
    pronoun.Tag.clear();
    (state.*slots[i].noun).Visible = item.showsNounAndAdj;
    (state.*slots[i].adjective).Visible = item.showsNounAndAdj;
  }
}

}  // namespace lexorra
