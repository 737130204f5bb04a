// The five word pickers together, each with its complete result list, for
// the command line, the tests and the benchmarks. (The window's start-up
// creates its pickers one at a time between its progress captions.) The
// lexicon must outlive them.
#pragma once

#include "lexicon/lexicon.h"
#include "pickers/preposition_picker.h"
#include "pickers/search_picker.h"

namespace lexorra {

struct WordPickers {
  explicit WordPickers(const Lexicon& lexicon)
      : nounPicker(SearchPickerKind::noun, lexicon),
        verbPicker(SearchPickerKind::verb, lexicon),
        adjPicker(SearchPickerKind::adjective, lexicon),
        adverbPicker(SearchPickerKind::adverb, lexicon),
        prepositionPicker(lexicon) {}

  // The search picker that fills slots of `kind`; nullptr for the kinds that
  // have none (pronoun, tense, preposition).
  SearchPicker* searchPickerFor(SlotKind kind) {
    switch (kind) {
      case SlotKind::noun:
        return &nounPicker;
      case SlotKind::verb:
        return &verbPicker;
      case SlotKind::adjective:
        return &adjPicker;
      case SlotKind::adverb:
        return &adverbPicker;
      default:
        return nullptr;
    }
  }

  SearchPicker nounPicker;
  SearchPicker verbPicker;
  SearchPicker adjPicker;
  SearchPicker adverbPicker;
  PrepositionPicker prepositionPicker;
};

}  // namespace lexorra
