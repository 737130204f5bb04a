#include "editor/clipboard.h"

#include <gtest/gtest.h>

namespace lexorra {
namespace {

TEST(Clipboard, TrimmedLatinEnglishOrBoth) {
  struct Case {
    const char* latin;
    const char* english;
    CopiedText what;
    const char* copied;
  };
  const Case cases[] = {
      {" sine metu ", "Without fear.", CopiedText::latin, "sine metu"},
      {"noli iacere  ", " Don't! ", CopiedText::english, "Don't!"},
      {" sine metu ", " Without fear. ", CopiedText::both, "sine metu\nWithout fear."},
      // Only spaces are trimmed.
      {"\tamor\t", "", CopiedText::latin, "\tamor\t"},
      {"   ", "   ", CopiedText::both, "\n"},
  };
  for (const Case& c : cases) {
    MottoState s;
    s.finalLatin = c.latin;
    s.finalEnglish = c.english;
    EXPECT_EQ(copiedText(s, c.what), c.copied) << c.latin;
  }
}

}  // namespace
}  // namespace lexorra
