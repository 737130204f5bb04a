#include "fuzz_support.h"

#include <cstdio>
#include <cstdlib>

#include "text/datafile.h"

namespace lexorra::fuzz {

const DeliveredData& deliveredData() {
  static const DeliveredData data = [] {
    DeliveredData d;
    d.lexicon = loadDictionaries();
    d.english = loadEnglishTables();
    return d;
  }();
  return data;
}

void brokenPromise(std::string_view what) {
  std::fprintf(stderr, "broken promise: %.*s\n", static_cast<int>(what.size()), what.data());
  std::abort();
}

}  // namespace lexorra::fuzz
