// The search pickers: the windows in which the user finds a noun, verb,
// adjective or adverb by an English word and puts it into the motto.
//
// This is the whole model of such a window; the window itself only draws it
// and forwards its events (search text changed, key typed in the list, row
// clicked, the 100 ms tick, activation, deactivation, the two buttons). The
// window also raises itself to the front of the window stack on every tick.
//
// The four pickers are one design. Everything in which they differ is one row
// of kSearchPickers.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "english/english.h"
#include "lexicon/lexicon.h"
#include "motto/motto_state.h"

namespace lexorra {

// Tooltips of the picture buttons and the search box.
inline constexpr std::string_view kUseWordTooltip = "Use this word in motto";
inline constexpr std::string_view kUseNoWordTooltip = "Use no word";
inline constexpr std::string_view kSearchTooltip = "Search for an English word...";

// Fonts of the list (fixed pitch, so the glosses line up) and of the preview.
inline constexpr std::string_view kListFont = "Lucida Sans Typewriter";
inline constexpr double kListFontPoints = 9.75;
inline constexpr std::string_view kPreviewFont = "Old English Text MT";
inline constexpr int kPreviewFontPoints = 18;
inline constexpr int kPickerTickMilliseconds = 100;

// One row of a result list: its display text (Latin form, filling spaces,
// English gloss) and the lexicon index of the entry it shows.
struct PickerRow {
  std::string text;
  std::uint32_t index;
};

// Display text of a row: the Latin form, spaces up to `column` (counted from
// `formLength`), then the gloss. A form as long as the column or longer is
// followed directly by the gloss.
std::string pickerRowText(std::string_view form, std::size_t formLength, std::size_t column,
                          std::string_view gloss);

// What the main window must render after a picker has written the motto.
enum class RenderStep {
  none,
  sentences,              // renderSentences
  sentencesThenCaptions,  // renderSentences, then participaliseForm
};

// Runs the render a choice asks for. A tag outside the lexicon (a motto file
// edited by hand) makes the render throw LookupOutOfRange; the choice itself
// is then already written, the outputs stay as they were, and the exception
// reaches the window to report, as a failing refresh does.
void renderAfterChoice(RenderStep step, MottoState& state, const Lexicon& lexicon,
                       const EnglishTables& english);

// The adjective picker's comparison choice; its order is the order in which
// compareButton steps through it.
enum class Comparison { none, more, most };

struct ComparisonStyle {
  std::string_view buttonCaption;  // caption of compareButton
  Degree degree;                   // degree of the preview's adjective form
  std::string_view word;           // written into the slot caption
};

inline constexpr std::array<ComparisonStyle, 3> kComparisonStyles = {{
    {"<no comparison>", Degree::positive, ""},
    {"'more'", Degree::comparative, "more"},
    {"'most'", Degree::superlative, "most"},
}};

const ComparisonStyle& comparisonStyle(Comparison comparison);
Comparison nextComparison(Comparison comparison);

// The caption an adjective slot gets: "(" + comparison word + " " + headword
// + ")", so "( good)", "(more good)", "(most good)". The renderers read the
// degree back from its first five characters.
std::string adjectiveCaption(Comparison comparison, std::string_view headword);

// A slot a picker writes, and the link frame that choosing a word for it
// shows (none when null).
struct ServedSlot {
  WordSlot MottoState::*slot;
  Frame MottoState::*frame = nullptr;
};

enum class PreviewRule {
  latinOfRow,       // the selected row's text up to its first space
  neuterAdjective,  // adjectiveForm, nominative singular neuter, in the chosen degree
};

// Which of "enable the main window" and "hide the picker" comes first when
// the user declines a word.
enum class CloseOrder { enableThenHide, hideThenEnable };

// Everything in which the four search pickers differ.
struct SearchPickerConfig {
  std::string_view name;     // "nounPicker"
  std::string_view caption;  // window caption
  std::string_view kind;     // word kind passed to the lexicon
  // The Latin form a row shows.
  std::string (*latinForm)(const Lexicon& lexicon, std::size_t index);
  std::size_t latinColumn;  // width of the Latin column
  bool trimmedFormLength;   // fill counted from the trimmed form (else untrimmed)
  PreviewRule preview;
  bool refillEmptiesPreview;
  bool changeHidesHintFirst;
  int rowSelectedWhenLeft;
  bool hasComparison;  // compareButton, reset to none when the picker is left
  std::string_view hint;

  // Choosing a word.
  std::span<const ServedSlot> served;  // in the order they are examined
  RenderStep chooseRender;
  // Declining a word.
  bool noWordOnlyInflux;  // else the served slots are written whatever their tag
  std::string_view noWordCaption;
  bool noWordShowsFrames;
  CloseOrder noWordOrder;
  RenderStep noWordRender;
};

enum class SearchPickerKind { noun, verb, adjective, adverb };

extern const std::array<SearchPickerConfig, 4> kSearchPickers;
const SearchPickerConfig& searchPickerConfig(SearchPickerKind kind);

class SearchPicker {
 public:
  // Creates the picker and runs its load step: the full list, nothing
  // selected, the search text empty. The lexicon must outlive the picker.
  SearchPicker(const SearchPickerConfig& config, const Lexicon& lexicon);
  SearchPicker(SearchPickerKind kind, const Lexicon& lexicon)
      : SearchPicker(searchPickerConfig(kind), lexicon) {}

  const SearchPickerConfig& config() const { return *config_; }

  // The picker window is shown. Hiding it also leaves it (Form_Deactivate);
  // the window may still forward the deactivation that hiding causes, as a
  // second one changes nothing.
  bool Visible = false;
  void show();
  void hide();

  // Refills the result list for `filter`, a search text: every entry whose
  // gloss holds the filter as whole words, then selects the best row for the
  // current search text. When nothing matches, the search is tried again
  // spelt the American way ("colour" finds "color"); when that finds nothing
  // either, the list is empty and notice() says so.
  void populateList(std::string_view filter);

  // The entries listed; never a row without a lexicon entry.
  const std::vector<PickerRow>& rows() const { return rows_; }
  // "No word found for "xyz"" when a search found nothing, else empty. The
  // window shows it in the list as a row that cannot be chosen.
  const std::string& notice() const { return notice_; }
  // The whole English gloss of a listed row, which the list may cut off.
  std::string_view rowGloss(int row) const;
  // The selected row, -1 for none.
  int selectedRow() const { return selected_; }
  // Selects a row as a click does; a row outside the list selects none.
  void selectRow(int row);
  // The lexicon index of the selected row's entry.
  std::optional<std::size_t> selectedIndex() const;

  const std::string& searchText() const { return searchText_; }
  // The search text changes (typed by the user, or set by the picker itself);
  // the same text again is no change.
  void setSearchText(std::string_view text);
  // A key typed while the result list has the focus continues the search: the
  // character is appended to the search text, which takes the focus with the
  // caret at its end. Backspace removes the last character; other control
  // characters are ignored.
  void keyTypedInList(char c);
  bool searchHasFocus() const { return searchHasFocus_; }
  std::size_t caretPosition() const { return caret_; }

  bool hintVisible() const { return hintVisible_; }
  std::string_view hint() const { return config_->hint; }
  const std::string& preview() const { return preview_; }

  // Every 100 ms: the hint follows the search text and the preview follows
  // the selected row (kept as it is when nothing is selected or the form
  // cannot be looked up).
  void Timer1_Timer();
  // The picker becomes the active window: a visible picker gives the search
  // box the focus.
  void Form_Activate();
  // The picker ceases to be the active window: the search is cleared (the full
  // list comes back), the table's row is selected and the comparison returns
  // to none.
  void Form_Deactivate();

  // The adjective picker's comparison choice.
  Comparison comparison() const { return comparison_; }
  std::string_view compareCaption() const { return comparisonStyle(comparison_).buttonCaption; }
  void compareButton_Click();

  // "Use this word in motto" (button or double-click): writes the selected
  // entry into every served slot marked "influx", enables the main window,
  // hides the picker and renders as the picker's row says. Returns false and
  // changes nothing when no row is selected.
  bool choose(MottoState& state, const EnglishTables& english);
  // "Use no word".
  void chooseNoWord(MottoState& state, const EnglishTables& english);

  // The model half of the two acts, without the render: what choose and
  // chooseNoWord do to the motto and the picker, and the render they then
  // run (nothing when no row is selected).
  std::optional<RenderStep> writeChoice(MottoState& state);
  RenderStep writeNoWord(MottoState& state);

 private:
  // The rows for `filter`; nothing when the look-ups end at once.
  void scanTable(std::string_view filter);
  void selectBySearchText(std::string_view searched);
  void closeVisit(MottoState& state, CloseOrder order);

  const SearchPickerConfig* config_;
  const Lexicon* lexicon_;
  std::vector<PickerRow> rows_;
  std::string notice_;
  int selected_ = -1;
  std::string searchText_;
  bool searchHasFocus_ = false;
  std::size_t caret_ = 0;
  bool hintVisible_ = true;
  std::string preview_;
  Comparison comparison_ = Comparison::none;
};

}  // namespace lexorra
