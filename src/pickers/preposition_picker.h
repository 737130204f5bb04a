// The preposition picker: every preposition of the lexicon in one fixed list,
// built once, without a search. Row k shows the preposition with lexicon
// index k. Choosing a preposition opens the way to the prepositional thing;
// declining one removes that thing from the motto.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "english/english.h"
#include "lexicon/lexicon.h"
#include "motto/motto_state.h"
#include "pickers/search_picker.h"

namespace lexorra {

inline constexpr std::string_view kPrepositionCaption = "Prepositions";
inline constexpr std::string_view kPrepositionPrompt = "Pick a PREPOSITION:";
inline constexpr std::string_view kUsePrepositionTooltip = "Use word in motto";
inline constexpr std::size_t kPrepositionColumn = 20;

class PrepositionPicker {
 public:
  // Builds the list: preposition 0, 1, 2, ... until the first look-up fails.
  explicit PrepositionPicker(const Lexicon& lexicon);

  bool Visible = false;
  // Showing and hiding keep the selection and the preview: the next visit
  // starts where the last one ended.
  void show() { Visible = true; }
  void hide() { Visible = false; }

  // Row k is the preposition with lexicon index k.
  const std::vector<std::string>& rows() const { return rows_; }
  int selectedRow() const { return selected_; }
  void selectRow(int row);
  // The whole English gloss of a row, which the list may cut off.
  std::string_view rowGloss(int row) const;

  const std::string& preview() const { return preview_; }
  // Every 100 ms: the preview shows the selected row's Latin preposition.
  void Timer1_Timer();

  // "Use word in motto" (button or double-click); false, and nothing
  // changed, when no row is selected.
  bool choose(MottoState& state);
  // "Use no word".
  void chooseNoWord(MottoState& state);

  // The model half of the two acts, without the render.
  std::optional<RenderStep> writeChoice(MottoState& state);
  RenderStep writeNoWord(MottoState& state);

 private:
  const Lexicon* lexicon_;
  std::vector<std::string> rows_;
  int selected_ = -1;
  std::string preview_;
};

}  // namespace lexorra
