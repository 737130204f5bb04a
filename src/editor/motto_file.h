// Motto files: the reset ("Reset all"), reading a motto file (the Examples
// menu, the load button, Open...) and writing one (the save button, Save).
//
// A motto file is text in Windows-1252, one value per line, each line ended
// by CR LF. Its lines are the runs of kMottoFileLayout below, in that order;
// the reader and the writer both follow that table. The first 81 lines are
// the original format, which the example files keep; the program writes 88,
// the last seven keeping the broad question and the adjectives' comparison.
// The reader takes "True"/"False" in any letter case or a whole number
// (non-zero is true) for the flags, and ignores spaces around numbers.
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lexicon/lexicon.h"
#include "motto/motto_state.h"
#include "text/datafile.h"

namespace lexorra {

// A motto file that cannot be read or written: names the file, the 1-based
// line (0 when no single line is to blame) and what is wrong. Like every
// message of the model, the text is Windows-1252.
class MottoFileError : public DataFileError {
 public:
  using DataFileError::DataFileError;
};

// The runs of lines of a motto file.
enum class MottoFilePart {
  slotLines,           // the Caption of the six pronoun slots and of verbTenseText,
                       // the Tag of the other fifteen, in kSlots order
  options,             // Option1 to Option9
  boxes,               // the four section boxes and the six Latin options
  optionVisible,       // the visibility of Option1 to Option9
  slotVisible,         // the visibility of the 22 word slots, in kSlots order
  optionVisibleAgain,  // the visibility of Option1 to Option9 again; these win
  question,            // the selected broad question
  degrees,             // the comparison of the six adjective slots
};

struct MottoFileRun {
  MottoFilePart part;
  std::size_t firstLine;  // 1-based
  std::size_t lineCount;
  std::string_view form;  // how each line is written
};

inline constexpr std::array<MottoFileRun, 8> kMottoFileLayout = {{
    {MottoFilePart::slotLines, 1, 22, "the text unchanged: \"blank\", \"1523\", \"The (single)\""},
    {MottoFilePart::options, 23, 9, "\"True\" or \"False\""},
    // actorTickBox, actionTickBoc, mannerTickBox, actedTickBox, Check1,
    // isCheckBox, wordOrderBox, femaleBox, youFemaleBox, notButton
    {MottoFilePart::boxes, 32, 10, "\" 1 \" or \" 0 \""},
    {MottoFilePart::optionVisible, 42, 9, "\"True\" or \"False\""},
    {MottoFilePart::slotVisible, 51, 22, "\"True\" or \"False\""},
    {MottoFilePart::optionVisibleAgain, 73, 9, "\"True\" or \"False\""},
    {MottoFilePart::question, 82, 1,
     "\"notQuestionOption\", \"whyOption\", \"whenIsItOption\" or \"isItThatOption\""},
    // actorAdjText, secondActorAdjText, actedAdjText, secondActedAdjText,
    // prepositionAdjText, secondPrepositionAdjText
    {MottoFilePart::degrees, 83, 6, "\" 0 \", \" 1 \" or \" 2 \""},
}};

// The two lengths a motto file may have.
enum class MottoFileFormat {
  lines81,  // the original format, without question and comparison
  lines88,  // what the program writes
};
inline constexpr std::size_t kMottoFileLineCount = 81;
inline constexpr std::size_t kFullMottoFileLineCount = 88;
std::size_t lineCountOf(MottoFileFormat format);

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
  // Lines 82 to 88, when the file has them.
  std::optional<bool MottoState::*> question;
  std::array<int, 6> degrees{};  // 0, 1 or 2, in the order of lines 83 to 88
};

// Reads and checks a whole motto file's text (81 or 88 lines). Throws
// MottoFileError naming `fileName`, the first bad line and what is wrong.
MottoFile parseMottoFile(std::string_view text, const Lexicon& lexicon, std::string_view fileName);

// Resets the motto, then assigns the file's lines in order: slots, link
// options, tick and check boxes (their operations show and hide slots), the
// visibility lines, which override whatever those operations did, and last
// the question and the comparisons when the file has them. Adjective, adverb
// and preposition slots get their English headword as caption (an adjective
// of degree 1 or 2 the caption the adjective picker writes, "(more good)");
// nouns and the verb get theirs from the next refresh.
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

// The lines (without line ends) that describe the motto.
std::vector<std::string> mottoFileLines(const MottoState& state,
                                        MottoFileFormat format = MottoFileFormat::lines88);

// The name a motto is saved under: "Ex_" and the English meaning with every
// space turned into "_" and every ".", "!" and "/" removed.
std::string savedFileName(std::string_view finalEnglish);

// Writes the motto to `path` safely: the lines go to a new hidden file
// (".motto-save-*.tmp") in the same folder, which then replaces `path` in
// one step, so `path` is either left as it was or holds the whole new motto;
// a replaced file keeps its permissions. Such hidden files that a save killed
// while writing left behind are removed on the way. Throws MottoFileError
// when the folder cannot be written, the file system refuses the name, or
// `path` is a file the user may not write; nothing is left behind then.
void writeMottoFile(const MottoState& state, const std::filesystem::path& path,
                    MottoFileFormat format = MottoFileFormat::lines88);

// The save button: writes the motto into `folder` under savedFileName
// (converted to UTF-8 for the file system) and returns the path written.
std::filesystem::path saveButton_Click(const MottoState& state,
                                       const std::filesystem::path& folder);

}  // namespace lexorra
