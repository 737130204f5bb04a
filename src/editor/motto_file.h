// Motto files: the reset ("Reset all"), reading a motto file (the Examples
// menu, the load button) and writing one (the save button).
//
// A motto file has 81 lines, each ended by CR LF, in Windows-1252:
//   1-22   the 22 word slots in kSlots order: the Caption of the six pronoun
//          slots and of verbTenseText, the Tag of the other fifteen
//   23-31  Option1 .. Option9                      "True" / "False"
//   32-41  actorTickBox, actionTickBoc, mannerTickBox, actedTickBox, Check1,
//          isCheckBox, wordOrderBox, femaleBox, youFemaleBox, notButton
//                                                  " 1 " / " 0 "
//   42-50  Visible of Option1 .. Option9           "True" / "False"
//   51-72  Visible of the 22 word slots
//   73-81  Visible of Option1 .. Option9 again (these win)
// The reader takes "True"/"False" in any letter case or a whole number
// (non-zero is true) for the flags, and ignores spaces around numbers.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "motto/motto_state.h"
#include "lexicon/lexicon.h"
#include "text/datafile.h"

namespace lexorra {

// A motto file that cannot be read or written: names the file, the 1-based
// line (0 when no single line is to blame) and what is wrong.
class MottoFileError : public DataFileError {
 public:
  using DataFileError::DataFileError;
};

inline constexpr std::size_t kMottoFileLineCount = 81;

// One item of the Examples menu.
struct ExampleMotto {
  std::string_view item;         // "ExamA"
  std::string_view menuCaption;  // "I love You"
  std::string_view fileName;     // "ex_i_love_you", beside the program
};

// The seventeen examples in menu order ("Example").
extern const std::array<ExampleMotto, 17> kExamples;

// The file the load button reads.
inline constexpr std::string_view kLoadButtonFile = "save.txt";

// "Reset all": empties every slot, unlinks every group, unticks every section
// (which hides the slots) and puts the Latin options back to their start.
// The outputs are left for the next refresh.
void resetTheForm(MottoState& state);

// A motto file's content, checked line by line and ready to apply.
struct MottoFile {
  std::array<std::string, 22> slotLines;  // captions or tags, in kSlots order
  std::array<bool, 9> options{};
  std::array<int, 10> boxes{};  // in the order of lines 32 to 41
  std::array<bool, 9> optionVisible{};
  std::array<bool, 22> slotVisible{};
  std::array<bool, 9> optionVisibleAgain{};
};

// Reads and checks a whole motto file's text. Throws MottoFileError naming
// `fileName`, the first bad line and what is wrong with it.
MottoFile parseMottoFile(std::string_view text, const Lexicon& lexicon, std::string_view fileName);

// Resets the motto, then assigns the file's lines in order: slots, link
// options, tick and check boxes (their operations show and hide slots), and
// last the visibility lines, which override whatever those operations did.
// Adjective, adverb and preposition slots get their English headword as
// caption; nouns and the verb get theirs from the next refresh.
void applyMottoFile(MottoState& state, const Lexicon& lexicon, const MottoFile& file);

// Reads, checks and applies the motto file at `path`. When the file is
// missing, unreadable or wrong in any line, throws MottoFileError (naming
// `path` as given) and leaves the motto exactly as it was.
void loadMottoFile(MottoState& state, const Lexicon& lexicon, const std::filesystem::path& path);

// loadMottoFile for `fileName` in `folder` (the program's folder in the
// window); the error names `fileName`.
void loadExample(MottoState& state, const Lexicon& lexicon, const std::filesystem::path& folder,
                 std::string_view fileName);
void loadButton_Click(MottoState& state, const Lexicon& lexicon,
                      const std::filesystem::path& folder);

// The 81 lines (without line ends) that describe the motto.
std::vector<std::string> mottoFileLines(const MottoState& state);

// The name a motto is saved under: "Ex_" and the English meaning with every
// space turned into "_" and every ".", "!" and "/" removed.
std::string savedFileName(std::string_view finalEnglish);

// Writes the motto to `path` safely: the lines go to a new file in the same
// folder, which then replaces `path` in one step, so `path` is either left as
// it was or holds the whole new motto. Throws MottoFileError when the folder
// cannot be written or the file system refuses the name; nothing is left
// behind then.
void writeMottoFile(const MottoState& state, const std::filesystem::path& path);

// The save button: writes the motto into `folder` under savedFileName
// (converted to UTF-8 for the file system) and returns the path written.
std::filesystem::path saveButton_Click(const MottoState& state,
                                       const std::filesystem::path& folder);

}  // namespace lexorra
