// The picker tests' view of a picker's rows.
#pragma once

#include <cstdint>
#include <vector>

#include "hand_lexicon.h"
#include "pickers/search_picker.h"

namespace lexorra::testing {

// The lexicon indexes of a picker's rows, in list order.
inline std::vector<std::uint32_t> indexes(const SearchPicker& picker) {
  std::vector<std::uint32_t> out;
  for (const PickerRow& row : picker.rows()) out.push_back(row.index);
  return out;
}

}  // namespace lexorra::testing
