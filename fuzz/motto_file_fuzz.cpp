// A motto file from any bytes: read and checked against the delivered
// lexicon; what it accepts is shown, and written back it reads the same.
#include <string>

#include "editor/motto_file.h"
#include "editor/refresh.h"
#include "fuzz_entries.h"
#include "fuzz_support.h"

namespace lexorra::fuzz {

namespace {

std::string fileText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace

void mottoFileInput(std::string_view bytes) {
  const DeliveredData& data = deliveredData();
  MottoFile file;
  try {
    file = parseMottoFile(bytes, data.lexicon, "fuzzed");
  } catch (const MottoFileError&) {
    return;
  }
  MottoState state;
  state.Enabled = true;
  applyMottoFile(state, data.lexicon, file);
  const std::vector<std::string> applied = mottoFileLines(state);

  // The window's refresh: an accepted motto renders.
  Timer1_Timer(state, data.lexicon, data.english);
  Timer1_Timer(state, data.lexicon, data.english);

  // The applied motto written out is a motto file that reads back the same.
  MottoState again;
  again.Enabled = true;
  try {
    applyMottoFile(again, data.lexicon, parseMottoFile(fileText(applied), data.lexicon, "again"));
  } catch (const MottoFileError& e) {
    brokenPromise(std::string("a written motto does not read back: ") + e.what());
  }
  require(mottoFileLines(again) == applied, "a written motto reads back the same");
}

}  // namespace lexorra::fuzz
