// The preposition picker's list, preview and the model half of its two acts.
#include "pickers/preposition_picker.h"

#include <array>

#include "text/textops.h"

namespace lexorra {

PrepositionPicker::PrepositionPicker(const Lexicon& lexicon) : lexicon_(&lexicon) {
  // The table's end is where the first look-up fails.
  for (std::size_t i = 0;; ++i) {
    try {
      std::string_view form = lexicon.prepositionForm(i);
      rows_.push_back(pickerRowText(form, text::trimSpaces(form).size(), kPrepositionColumn,
                                    lexicon.entryGloss("preposition", i)));
    } catch (const LookupOutOfRange&) {
      break;
    }
  }
}

void PrepositionPicker::selectRow(int row) {
  selected_ = row >= 0 && static_cast<std::size_t>(row) < rows_.size() ? row : -1;
}

std::string_view PrepositionPicker::rowGloss(int row) const {
  if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) return {};
  return lexicon_->entryGloss("preposition", static_cast<std::size_t>(row));
}

void PrepositionPicker::Timer1_Timer() {
  if (selected_ >= 0) preview_ = text::firstWord(rows_[static_cast<std::size_t>(selected_)]);
}

std::optional<RenderStep> PrepositionPicker::writeChoice(MottoState& state) {
  if (selected_ < 0) return std::nullopt;
  auto index = static_cast<std::size_t>(selected_);
  if (state.prepositionText.Tag == kInflux) {
    state.prepositionText.Tag = std::to_string(index);
    state.prepositionText.Caption = lexicon_->englishHeadword("preposition", index);
  }
  for (auto slot : thing(ThingId::prepositional).wordSlots()) (state.*slot).Visible = true;
  state.Enabled = true;
  hide();
  return RenderStep::sentences;
}

RenderStep PrepositionPicker::writeNoWord(MottoState& state) {
  if (state.prepositionText.Tag == kInflux) {
    state.prepositionText.Tag = kBlank;
    state.prepositionText.Caption = kEmptyCaption;
  }
  // The tags stay: the refresh turns the emptied nouns and adjectives into
  // "blank", and a pronoun slot's "()" is itself a choice.
  for (ThingId id : {ThingId::prepositional, ThingId::linkedPrepositional}) {
    for (auto slot : thing(id).wordSlots()) {
      (state.*slot).Visible = false;
      (state.*slot).Caption = kEmptyCaption;
    }
  }
  state.Frame3.Visible = false;
  state.Enabled = true;
  hide();
  return RenderStep::sentences;
}

}  // namespace lexorra
