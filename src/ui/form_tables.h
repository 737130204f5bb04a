// The main window's controls as tables: where each word label sits and what
// it is called for assistive technology, and the tick boxes, Latin options,
// questions, link groups and typefaces with the fields of the motto they
// show. The window's files (layout, display, menus) read them.
#pragma once

#include <QColor>
#include <array>
#include <string_view>

#include "motto/motto_state.h"

namespace lexorra::ui {

// A word label's cell in the window's grid and the words that say what it is.
struct SlotPlace {
  std::string_view name;
  int row;
  int column;
  std::string_view role;  // "First thing, noun"
};

// Columns of the grid: a thing's pronoun, adjective and noun, then its link
// options. The rows follow the motto: the first thing and the thing linked
// to it, the act, the second thing and its linked thing, how it happens.
inline constexpr int kPronounColumn = 0;
inline constexpr int kAdjectiveColumn = 1;
inline constexpr int kNounColumn = 2;
inline constexpr int kLinkColumn = 3;
inline constexpr int kOptionsColumn = 4;

// In reading order, which is also the order Tab follows.
inline constexpr std::array<SlotPlace, 22> kSlotPlaces = {{
    {"actorPronounText", 1, 0, "First thing, pronoun"},
    {"actorAdjText", 1, 1, "First thing, adjective"},
    {"actorNounText", 1, 2, "First thing, noun"},
    {"secondActorPronoun", 2, 0, "Linked first thing, pronoun"},
    {"secondActorAdjText", 2, 1, "Linked first thing, adjective"},
    {"secondActorNounText", 2, 2, "Linked first thing, noun"},
    {"verbTenseText", 4, 0, "The act, tense"},
    {"verbText", 4, 2, "The act, verb"},
    {"actedPronounText", 6, 0, "Second thing, pronoun"},
    {"actedAdjText", 6, 1, "Second thing, adjective"},
    {"actedNounText", 6, 2, "Second thing, noun"},
    {"secondActedPronoun", 7, 0, "Linked second thing, pronoun"},
    {"secondActedAdjText", 7, 1, "Linked second thing, adjective"},
    {"secondActedNounText", 7, 2, "Linked second thing, noun"},
    {"adVerbText", 9, 0, "How it happens, adverb"},
    {"prepositionText", 9, 1, "How it happens, preposition"},
    {"prepositionPronounText", 10, 0, "Preposition's thing, pronoun"},
    {"prepositionAdjText", 10, 1, "Preposition's thing, adjective"},
    {"prepositionNounText", 10, 2, "Preposition's thing, noun"},
    {"secondPrepositionPronounText", 11, 0, "Linked preposition's thing, pronoun"},
    {"secondPrepositionAdjText", 11, 1, "Linked preposition's thing, adjective"},
    {"secondPrepositionNounText", 11, 2, "Linked preposition's thing, noun"},
}};
inline constexpr int kGridRows = 12;

// The ground of the word labels; their text is dark blue on every one, so
// each pair reads the same under a light or a dark desktop.
QColor slotColour(SlotKind kind);
inline const QColor kSlotTextColour(0, 0, 128);

struct TickBoxInfo {
  std::string_view name;
  const char* caption;
  TickBox MottoState::*field;
  int row;
  const char* explanation;
};

inline constexpr std::array<TickBoxInfo, 4> kTickBoxes = {{
    {"actorTickBox", "The first thing(s)", &MottoState::actorTickBox, 0,
     "E.g. main thing(s), or the thing(s) which do something."},
    {"actionTickBoc", "The Act", &MottoState::actionTickBoc, 3,
     "The deed that is done or is happening."},
    {"actedTickBox", "The second thing(s)", &MottoState::actedTickBox, 5,
     "E.g. The thing(s) which it happens to."},
    {"mannerTickBox", "How it happens", &MottoState::mannerTickBox, 8, nullptr},
}};

struct CheckBoxInfo {
  std::string_view name;
  const char* caption;
  CheckBox MottoState::*field;
  const char* tooltip;
};

inline constexpr std::array<CheckBoxInfo, 6> kCheckBoxes = {{
    {"Check1", "Include pronouns (untick for short mottos)", &MottoState::Check1,
     "Untick this for shorter mottos"},
    {"isCheckBox", "Include all 'be/is' (untick for short mottos)", &MottoState::isCheckBox,
     nullptr},
    {"wordOrderBox", "Alternative word order", &MottoState::wordOrderBox, nullptr},
    {"femaleBox", "Speaker is female (affects 'I am' statements)", &MottoState::femaleBox, nullptr},
    {"youFemaleBox", "'You' is female (affects 'you are' statements)", &MottoState::youFemaleBox,
     nullptr},
    {"notButton", "not", &MottoState::notButton, nullptr},
}};
// The "not" box sits in the act's row, between the tense and the verb.
inline constexpr int kNotButtonRow = 4;

struct QuestionInfo {
  std::string_view name;
  const char* caption;
  bool MottoState::*field;
};

inline constexpr std::array<QuestionInfo, 4> kQuestions = {{
    {"whenIsItOption", "When is it that...?", &MottoState::whenIsItOption},
    {"whyOption", "Why is it that...?", &MottoState::whyOption},
    {"isItThatOption", "Is it the case that...?", &MottoState::isItThatOption},
    {"notQuestionOption", "None", &MottoState::notQuestionOption},
}};

inline constexpr std::array<OptionButton MottoState::*, 9> kOptions = {
    &MottoState::Option1, &MottoState::Option2, &MottoState::Option3,
    &MottoState::Option4, &MottoState::Option5, &MottoState::Option6,
    &MottoState::Option7, &MottoState::Option8, &MottoState::Option9,
};
inline constexpr std::array<const char*, 3> kOptionCaptions = {"and", "of", "<blank>"};

struct FrameInfo {
  std::string_view name;
  Frame MottoState::*field;
  int row;          // beside the thing it links
  int firstOption;  // 1, 4 or 7
  const char* accessibleName;
};

inline constexpr std::array<FrameInfo, 3> kFrames = {{
    {"Frame2", &MottoState::Frame2, 1, 1, "Link of the first thing"},
    {"Frame4", &MottoState::Frame4, 6, 4, "Link of the second thing"},
    {"Frame3", &MottoState::Frame3, 10, 7, "Link of the preposition's thing"},
}};

struct FontItem {
  const char* name;
  const char* caption;
  const char* face;
};

inline constexpr std::array<FontItem, 4> kFontItems = {{
    {"oldEnglishFont",
     "Old English (default, most common for tattoos). Used in the British Isles in the first "
     "millenium A.D.",
     "Old English Text MT"},
    {"informalRomanFont",
     "Informal Roman (a loose, cartoony version of the Classical era Roman font)",
     "informal roman"},
    {"timesNewRomanfont",
     "Times New Roman (most common font in the world, but essentially a Classical era "
     "invention)",
     "times new roman"},
    {"highTowerFont", "High Tower Text (variant on Roman)", "high tower text"},
}};

}  // namespace lexorra::ui
