#include "pickers/mapped_search.h"

#include <gtest/gtest.h>

#include <string>

#include "text/textops.h"

namespace lexorra {
namespace {

// The search without shortcuts: map the whole haystack, then look.
bool literally(std::string_view haystack, const std::string& needle, const ByteMap& map) {
  std::string mapped;
  for (char c : haystack) mapped += map[static_cast<unsigned char>(c)];
  return text::contains(mapped, needle);
}

TEST(MappedSearch, AgreesWithMappingTheWholeText) {
  const ByteMap semicolonAsSpace = lowerCaseMapReading(';', ' ');
  const ByteMap* maps[] = {&lowerCaseMap(), &semicolonAsSpace};
  const std::string haystacks[] = {" Love, affection; passion;",
                                   " love;love",
                                   "LOVE",
                                   "",
                                   " ",
                                   "     ;",
                                   "x     ;",
                                   " \xC9t\xE9 d\xE9j\xE0, \x9F",
                                   "amor                love;",
                                   "  ;;  ,,  "};
  const std::string needles[] = {" love ",
                                 " love",
                                 "love",
                                 " affection ",
                                 " passion ",
                                 ";",
                                 "     ;",
                                 "  ",
                                 " ",
                                 "",
                                 " \xE9t\xE9 ",
                                 "\xFF",
                                 "d\xE9j\xE0,",
                                 "l",
                                 "     love;",
                                 ";love",
                                 " love, affection ",
                                 " love  affection",
                                 " love; affection"};
  const ByteMap commaAsSpace = lowerCaseMapReading(',', ' ');
  for (const std::string& h : haystacks) {
    for (const std::string& n : needles) {
      for (const ByteMap* map : maps)
        EXPECT_EQ(MappedSearch(n, *map).foundIn(h), literally(h, n, *map))
            << "needle \"" << n << "\" in \"" << h << "\"";
      EXPECT_EQ(MappedSearch(n, {&semicolonAsSpace, &commaAsSpace}).foundIn(h),
                literally(h, n, semicolonAsSpace) || literally(h, n, commaAsSpace))
          << "needle \"" << n << "\" in \"" << h << "\" through either map";
    }
  }
}

}  // namespace
}  // namespace lexorra
