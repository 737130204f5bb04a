// Searching a text for a needle as if every byte of the text had first been
// replaced through a byte map (lower-casing, and reading a separator as a
// space), without building the replaced text. The pickers scan every entry of
// a table on each keystroke with it.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace lexorra {

using ByteMap = std::array<char, 256>;

// Windows-1252 lower-casing, and the same with one separator read as a space.
const ByteMap& lowerCaseMap();
ByteMap lowerCaseMapReading(char separator, char as);

class MappedSearch {
 public:
  // The maps are kept by reference.
  MappedSearch(std::string needle, std::initializer_list<const ByteMap*> maps);
  MappedSearch(std::string needle, const ByteMap& map) : MappedSearch(std::move(needle), {&map}) {}

  // Whether `needle` occurs in `haystack` with every haystack byte mapped
  // through one of the maps (one candidate walk serves them all).
  bool foundIn(std::string_view haystack) const;

 private:
  bool matchesAt(std::string_view haystack, std::size_t p) const;

  std::string needle_;
  std::vector<const ByteMap*> maps_;
  // Candidates are found by the needle's first byte that is no space (far
  // rarer in a gloss than a space): the haystack bytes that map to it.
  std::size_t anchor_;
  std::vector<char> anchorBytes_;
};

}  // namespace lexorra
