// One libFuzzer target; LEXORRA_FUZZ_ENTRY names its entry function.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lexorra::fuzz::LEXORRA_FUZZ_ENTRY(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
