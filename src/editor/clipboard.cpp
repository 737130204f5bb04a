#include "editor/clipboard.h"

#include "text/textops.h"

namespace lexorra {

std::string copiedText(const MottoState& state, CopiedText what) {
  const std::string latin(text::trimSpaces(state.finalLatin));
  const std::string english(text::trimSpaces(state.finalEnglish));
  switch (what) {
    case CopiedText::latin:
      return latin;
    case CopiedText::english:
      return english;
    case CopiedText::both:
      break;
  }
  return latin + "\n" + english;
}

}  // namespace lexorra
