// The five word pickers of the program, created together at start-up, each
// with its complete result list.
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

  SearchPicker nounPicker;
  SearchPicker verbPicker;
  SearchPicker adjPicker;
  SearchPicker adverbPicker;
  PrepositionPicker prepositionPicker;
};

}  // namespace lexorra
