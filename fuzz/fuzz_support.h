// What the fuzz entries share: the delivered data, loaded once, a reader of
// the input bytes as small numbers, and the check that aborts on a broken
// promise.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "english/english.h"
#include "lexicon/lexicon.h"

namespace lexorra::fuzz {

// The lexicon and English tables beside the running program.
struct DeliveredData {
  Lexicon lexicon;
  EnglishTables english;
};
const DeliveredData& deliveredData();

// Prints what went wrong and aborts, so that the fuzzer keeps the input.
[[noreturn]] void brokenPromise(std::string_view what);
inline void require(bool holds, std::string_view what) {
  if (!holds) brokenPromise(what);
}

// Reads the input from the front; past its end every read gives 0.
class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}
  bool done() const { return pos_ >= bytes_.size(); }
  std::uint8_t byte() { return done() ? 0 : static_cast<std::uint8_t>(bytes_[pos_++]); }
  // A number below `bound` (which must not be 0).
  std::size_t below(std::size_t bound) {
    std::size_t n = byte();
    if (bound > 256) n = n << 8 | byte();
    return n % bound;
  }
  // The next `n` bytes (fewer at the end).
  std::string_view take(std::size_t n) {
    std::string_view part = bytes_.substr(std::min(pos_, bytes_.size()), n);
    pos_ += part.size();
    return part;
  }

 private:
  std::string_view bytes_;
  std::size_t pos_ = 0;
};

}  // namespace lexorra::fuzz
