// The entry functions of the fuzz targets. Each takes any bytes and must
// neither crash nor trip a sanitizer. Where the code promises more (a line
// that loading accepted never fails a look-up, a saved motto loads back as
// it was), a broken promise aborts with a message, so that the fuzzer keeps
// the input.
//
// The libFuzzer targets (fuzz_target.cpp) call them, and so does the replay
// of fuzz/regressions in the normal tests.
#pragma once

#include <string_view>

namespace lexorra::fuzz {

// A motto file: read and checked; when accepted, applied, refreshed twice,
// and written back, which must read back to the same lines.
void mottoFileInput(std::string_view bytes);

// Byte 0 chooses one of the seven lexicon tables, the rest is its file: when
// loading accepts it, every look-up of every entry and the table's picker.
void lexiconTableInput(std::string_view bytes);

// The verb table, a zero byte, the noun table, a zero byte, captions one per
// line: both tables loaded (an empty one where loading refuses the text),
// then the participle and plural of every caption and every table word.
void englishTablesInput(std::string_view bytes);

// The bytes as a person's acts on the main window and the pickers, with the
// delivered data, each act followed by the refresh ticks it asks for.
void editorInput(std::string_view bytes);

}  // namespace lexorra::fuzz
