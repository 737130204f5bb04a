#include "pickers/mapped_search.h"

#include "text/textops.h"

namespace lexorra {

const ByteMap& lowerCaseMap() {
  static const ByteMap map = [] {
    ByteMap m{};
    for (std::size_t b = 0; b < m.size(); ++b) m[b] = text::lowerChar(static_cast<char>(b));
    return m;
  }();
  return map;
}

ByteMap lowerCaseMapReading(char separator, char as) {
  ByteMap map = lowerCaseMap();
  for (char& c : map)
    if (c == separator) c = as;
  return map;
}

MappedSearch::MappedSearch(std::string needle, std::initializer_list<const ByteMap*> maps)
    : needle_(std::move(needle)), maps_(maps), anchor_(needle_.find_first_not_of(' ')) {
  if (anchor_ == std::string::npos) return;
  for (std::size_t b = 0; b < 256; ++b) {
    bool mapsToAnchor = false;
    for (const ByteMap* map : maps_) mapsToAnchor |= (*map)[b] == needle_[anchor_];
    if (mapsToAnchor) anchorBytes_.push_back(static_cast<char>(b));
  }
}

bool MappedSearch::matchesAt(std::string_view haystack, std::size_t p) const {
  for (const ByteMap* map : maps_) {
    std::size_t j = 0;
    while (j < needle_.size() && (*map)[static_cast<unsigned char>(haystack[p + j])] == needle_[j])
      ++j;
    if (j == needle_.size()) return true;
  }
  return false;
}

bool MappedSearch::foundIn(std::string_view haystack) const {
  if (needle_.size() > haystack.size()) return false;
  const std::size_t last = haystack.size() - needle_.size();
  if (anchor_ == std::string::npos) {
    for (std::size_t p = 0; p <= last; ++p)
      if (matchesAt(haystack, p)) return true;
    return false;
  }
  if (anchorBytes_.size() == 1) {
    const char byte = anchorBytes_[0];
    for (std::size_t q = haystack.find(byte, anchor_);
         q != std::string_view::npos && q - anchor_ <= last; q = haystack.find(byte, q + 1))
      if (matchesAt(haystack, q - anchor_)) return true;
    return false;
  }
  if (anchorBytes_.size() == 2) {
    // A letter and its capital: walk the occurrences of both in order.
    std::size_t next[2] = {haystack.find(anchorBytes_[0], anchor_),
                           haystack.find(anchorBytes_[1], anchor_)};
    while (true) {
      const int k = next[0] < next[1] ? 0 : 1;
      const std::size_t q = next[k];
      if (q == std::string_view::npos || q - anchor_ > last) return false;
      if (matchesAt(haystack, q - anchor_)) return true;
      next[k] = haystack.find(anchorBytes_[static_cast<std::size_t>(k)], q + 1);
    }
  }
  for (std::size_t p = 0; p <= last; ++p)
    if (matchesAt(haystack, p)) return true;
  return false;
}

}  // namespace lexorra
