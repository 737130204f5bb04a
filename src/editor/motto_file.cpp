#include "editor/motto_file.h"

#include <algorithm>
#include <charconv>
#include <span>
#include <system_error>

#include "editor/menus.h"
#include "editor/options.h"
#include "pickers/search_picker.h"
#include "render/render_values.h"
#include "text/codepage.h"
#include "text/textops.h"

namespace lexorra {

const std::array<ExampleMotto, 17> kExamples = {{
    {"ExamA", "I love You", "ex_i_love_you"},
    {"examB", "I will always love you", "ex_i_will_love_you_always"},
    {"ExamC", "Truth and Freedom", "ex_truth_and_freedom"},
    {"examD", "God is with me", "ex_god_is_with_me"},
    {"ExamE", "Without fear", "ex_without_fear"},
    {"ExamF", "You and I forever", "ex_you_and_i_for_ever"},
    {"ExamM", "Love is blind", "ex_love_is_blind"},
    {"examG", "Know thyself", "ex_get_to_know_yourself"},
    {"ExamH", "Born free", "ex_I_am_born_in_freedom"},
    {"examDog", "Dog eat dog", "Ex_Dog_eatconsumedevours_dog"},
    {"examLoveCon", "Love conquers all things", "Ex_Love_conquers_everythings"},
    {"examLoveWar", "All's fair in love and war", "Ex_Allevery_are_just_in_love_and_war"},
    {"ExamJ", "No one provokes me with impunity (British coins)",
     "ex_no_one_provokes_me_with_impunity"},
    {"examI", "God bless America", "ex_let_god_bless_america"},
    {"examK", "Victory will be mine", "ex_victory_will_be_mine"},
    {"examL", "Love of money is the root of all evil (Timothy 6:10)",
     "ex_love_of_money_is_the_root_of_allevery_evil"},
    {"examO", "Don't throw stones in glass houses (proverb)",
     "Ex_Dont_throw_stones_in_of_glass_houses"},
}};

namespace {

using M = MottoState;

// Each run starts where the one before it ends, the first at line 1.
constexpr bool layoutIsContiguous() {
  std::size_t next = 1;
  for (const MottoFileRun& run : kMottoFileLayout) {
    if (run.firstLine != next) return false;
    next += run.lineCount;
  }
  return next == kFullMottoFileLineCount + 1;
}
static_assert(layoutIsContiguous());
static_assert(kMottoFileLayout[6].firstLine == kMottoFileLineCount + 1);

// Lines 32 to 41: the four section boxes, then the six Latin options.
struct BoxLine {
  std::string_view name;
  TickBox M::*section;  // or null
  CheckBox M::*check;   // or null
};
constexpr std::array<BoxLine, 10> kBoxLines = {{
    {"actorTickBox", &M::actorTickBox, nullptr},
    {"actionTickBoc", &M::actionTickBoc, nullptr},
    {"mannerTickBox", &M::mannerTickBox, nullptr},
    {"actedTickBox", &M::actedTickBox, nullptr},
    {"Check1", nullptr, &M::Check1},
    {"isCheckBox", nullptr, &M::isCheckBox},
    {"wordOrderBox", nullptr, &M::wordOrderBox},
    {"femaleBox", nullptr, &M::femaleBox},
    {"youFemaleBox", nullptr, &M::youFemaleBox},
    {"notButton", nullptr, &M::notButton},
}};

// Line 82.
struct QuestionLine {
  std::string_view name;
  bool M::*option;
};
constexpr std::array<QuestionLine, 4> kQuestionLines = {{
    {"notQuestionOption", &M::notQuestionOption},
    {"whyOption", &M::whyOption},
    {"whenIsItOption", &M::whenIsItOption},
    {"isItThatOption", &M::isItThatOption},
}};

// Lines 83 to 88: the adjectives of the six things, in the things' order.
WordSlot M::*degreeSlot(std::size_t k) {
  return kThings[k].adjective;
}

std::string_view slotName(WordSlot M::*slot) {
  for (const SlotInfo& info : kSlots)
    if (info.slot == slot) return info.name;
  return {};
}

bool storesCaption(SlotKind kind) {
  return kind == SlotKind::pronoun || kind == SlotKind::tense;
}

// Quoted for a message; a long line is cut to its first 80 characters.
constexpr std::size_t kQuotedLength = 80;
std::string quoted(std::string_view text) {
  if (text.size() > kQuotedLength)
    return "\"" + std::string(text.substr(0, kQuotedLength)) + "...\"";
  return "\"" + std::string(text) + "\"";
}

// "1 line", "40 lines".
std::string lineCountText(std::size_t n) {
  return std::to_string(n) + (n == 1 ? " line" : " lines");
}

// "a noun", "an adjective", "an adverb".
std::string withArticle(std::string_view word) {
  const bool vowel = !word.empty() && std::string_view("aeiou").find(
                                          text::lowerChar(word.front())) != std::string_view::npos;
  return (vowel ? "an " : "a ") + std::string(word);
}

std::optional<long> wholeNumber(std::string_view value) {
  if (value.starts_with('+')) value.remove_prefix(1);
  long number = 0;
  auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (value.empty() || ec != std::errc() || ptr != value.data() + value.size()) return std::nullopt;
  return number;
}

// Reads one file; every complaint names the file and the line.
class LineReader {
 public:
  LineReader(std::string_view fileName, const std::vector<std::string_view>& lines)
      : fileName_(fileName), lines_(lines) {}

  [[noreturn]] void fail(std::size_t lineNumber, const std::string& reason) const {
    throw MottoFileError(std::string(fileName_), lineNumber, reason);
  }

  std::string_view line(std::size_t lineNumber) const { return lines_[lineNumber - 1]; }

  // "True"/"False" in any letter case, or a whole number (non-zero is true).
  bool flag(std::size_t lineNumber, std::string_view what) const {
    std::string_view value = text::trimSpaces(line(lineNumber));
    std::string lower = text::lowerCase(value);
    if (lower == "true") return true;
    if (lower == "false") return false;
    if (auto number = wholeNumber(value)) return *number != 0;
    fail(lineNumber,
         std::string(what) + " must be \"True\" or \"False\", not " + quoted(line(lineNumber)));
  }

  // A whole number from 0 to `highest`, spaces around it ignored; with
  // `words`, "True"/"False" count as 1/0.
  int number(std::size_t lineNumber, std::string_view what, int highest, bool words) const {
    std::string_view value = text::trimSpaces(line(lineNumber));
    std::string lower = text::lowerCase(value);
    if (words && lower == "true") return 1;
    if (words && lower == "false") return 0;
    auto n = wholeNumber(value);
    if (!n || *n < 0 || *n > highest) {
      std::string range = highest == 1 ? "0 or 1" : "0, 1 or " + std::to_string(highest);
      fail(lineNumber,
           std::string(what) + " must be " + range + ", not " + quoted(line(lineNumber)));
    }
    return static_cast<int>(*n);
  }

 private:
  std::string_view fileName_;
  const std::vector<std::string_view>& lines_;
};

const TableInfo& tableOfKind(SlotKind kind) {
  switch (kind) {
    case SlotKind::noun:
      return tableInfo(Table::noun);
    case SlotKind::adjective:
      return tableInfo(Table::adjective);
    case SlotKind::verb:
      return tableInfo(Table::verb);
    case SlotKind::adverb:
      return tableInfo(Table::adverb);
    default:
      return tableInfo(Table::preposition);
  }
}

// A tag line: "blank" or the decimal index of a word of the slot's table.
// Returns the tag as the slot will carry it.
std::string checkedTag(const LineReader& reader, std::size_t lineNumber, const SlotInfo& info,
                       const Lexicon& lexicon) {
  std::string_view value = text::trimSpaces(reader.line(lineNumber));
  if (value == kBlank) return std::string(kBlank);
  const TableInfo& table = tableOfKind(info.kind);
  const std::string kind(table.kind);
  const bool digits = !value.empty() && std::all_of(value.begin(), value.end(),
                                                    [](char c) { return c >= '0' && c <= '9'; });
  std::size_t position = 0;
  auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), position);
  if (!digits || ec != std::errc() || ptr != value.data() + value.size())
    reader.fail(lineNumber, std::string(info.name) + " must be \"blank\" or " + withArticle(kind) +
                                " index, not " + quoted(reader.line(lineNumber)));
  if (position >= table.capacity)
    reader.fail(lineNumber, std::string(info.name) + ": " + kind + " index " +
                                std::to_string(position) + " is outside the lexicon (0 to " +
                                std::to_string(table.capacity - 1) + ")");
  std::string tag = std::to_string(position);
  bool usable = !text::trimSpaces(lexicon.line(table.table, position)).empty();
  if (usable) {
    try {
      lexicon.entryGloss(table.kind, tag);
    } catch (const LookupOutOfRange&) {
      usable = false;
    }
  }
  if (!usable)
    reader.fail(lineNumber, std::string(info.name) + ": " + kind + " " + std::to_string(position) +
                                " is not a word of " + std::string(table.fileName));
  return tag;
}

std::string checkedSlotLine(const LineReader& reader, std::size_t lineNumber, const SlotInfo& info,
                            const Lexicon& lexicon) {
  std::string_view value = reader.line(lineNumber);
  if (info.kind == SlotKind::pronoun) {
    if (!pronounCaptionAllowed(info.slot, value))
      reader.fail(lineNumber, quoted(value) + " is not a choice of the " +
                                  std::string(pronounMenuCaption(info.menu)) + " menu for " +
                                  std::string(info.name));
    return std::string(value);
  }
  if (info.kind == SlotKind::tense) {
    if (std::find(kTensePhrases.begin(), kTensePhrases.end(), value) == kTensePhrases.end())
      reader.fail(lineNumber, quoted(value) + " is not one of the tense phrases");
    return std::string(value);
  }
  return checkedTag(reader, lineNumber, info, lexicon);
}

std::string optionName(std::size_t k) {
  return "Option" + std::to_string(k + 1);
}

// Reads the lines of one run into `file`.
void readRun(const LineReader& reader, const MottoFileRun& run, const Lexicon& lexicon,
             MottoFile& file) {
  for (std::size_t k = 0; k < run.lineCount; ++k) {
    const std::size_t n = run.firstLine + k;
    switch (run.part) {
      case MottoFilePart::slotLines:
        file.slotLines[k] = checkedSlotLine(reader, n, kSlots[k], lexicon);
        break;
      case MottoFilePart::options:
        file.options[k] = reader.flag(n, optionName(k));
        break;
      case MottoFilePart::boxes:
        file.boxes[k] = reader.number(n, kBoxLines[k].name, 1, true);
        break;
      case MottoFilePart::optionVisible:
        file.optionVisible[k] = reader.flag(n, "the visibility of " + optionName(k));
        break;
      case MottoFilePart::slotVisible:
        file.slotVisible[k] = reader.flag(n, "the visibility of " + std::string(kSlots[k].name));
        break;
      case MottoFilePart::optionVisibleAgain:
        file.optionVisibleAgain[k] = reader.flag(n, "the visibility of " + optionName(k));
        break;
      case MottoFilePart::question: {
        const std::string_view value = text::trimSpaces(reader.line(n));
        for (const QuestionLine& question : kQuestionLines)
          if (question.name == value) file.question = question.option;
        if (!file.question)
          reader.fail(n, "the question must be " + std::string(run.form) + ", not " +
                             quoted(reader.line(n)));
        break;
      }
      case MottoFilePart::degrees:
        file.degrees[k] =
            reader.number(n, "the degree of " + std::string(slotName(degreeSlot(k))), 2, false);
        break;
    }
  }
  // The sections form a chain: the act needs the first thing, the second
  // thing needs the act.
  if (run.part == MottoFilePart::boxes) {
    if (file.boxes[1] == 1 && file.boxes[0] == 0)
      reader.fail(run.firstLine + 1, "The Act is ticked but The first thing(s) is not");
    if (file.boxes[3] == 1 && file.boxes[1] == 0)
      reader.fail(run.firstLine + 3, "The second thing(s) is ticked but The Act is not");
  }
}

// Appends the lines of one run.
void writeRun(const MottoState& state, const MottoFileRun& run, std::vector<std::string>& lines) {
  auto flag = [](bool value) { return std::string(value ? "True" : "False"); };
  auto number = [](int value) { return " " + std::to_string(value) + " "; };
  for (std::size_t k = 0; k < run.lineCount; ++k) {
    const int n = static_cast<int>(k) + 1;
    switch (run.part) {
      case MottoFilePart::slotLines: {
        const WordSlot& slot = state.*kSlots[k].slot;
        lines.push_back(storesCaption(kSlots[k].kind) ? slot.Caption : slot.Tag);
        break;
      }
      case MottoFilePart::options:
        lines.push_back(flag((state.*linkOption(n)).Value));
        break;
      case MottoFilePart::boxes: {
        const BoxLine& box = kBoxLines[k];
        lines.push_back(
            number(box.section ? (state.*box.section).Value : (state.*box.check).Value));
        break;
      }
      case MottoFilePart::optionVisible:
      case MottoFilePart::optionVisibleAgain:
        lines.push_back(flag((state.*linkOption(n)).Visible));
        break;
      case MottoFilePart::slotVisible:
        lines.push_back(flag((state.*kSlots[k].slot).Visible));
        break;
      case MottoFilePart::question: {
        // A state always has one question selected; "None" stands for none.
        std::string_view selected = kQuestionLines.front().name;
        for (const QuestionLine& question : kQuestionLines)
          if (state.*question.option) selected = question.name;
        lines.emplace_back(selected);
        break;
      }
      case MottoFilePart::degrees:
        lines.push_back(number(code(adjectiveDegree((state.*degreeSlot(k)).Caption))));
        break;
    }
  }
}

}  // namespace

std::size_t lineCountOf(MottoFileFormat format) {
  return format == MottoFileFormat::lines81 ? kMottoFileLineCount : kFullMottoFileLineCount;
}

void resetTheForm(MottoState& state) {
  for (const SlotInfo& info : kSlots) {
    WordSlot& slot = state.*info.slot;
    if (info.slot == &M::verbText)
      slot.Caption.clear();
    else if (info.slot == &M::verbTenseText)
      slot.Caption = kTensePhrases.front();
    else
      slot.Caption = kEmptyCaption;
    slot.Tag = kBlank;
  }
  selectOption(state, 3);
  selectOption(state, 9);
  selectOption(state, 6);
  for (const BoxLine& box : std::span(kBoxLines).first(4)) setTickBox(state, box.section, 0);
  state.Check1.Value = 1;
  for (CheckBox M::*box : {&M::isCheckBox, &M::wordOrderBox, &M::femaleBox, &M::youFemaleBox})
    (state.*box).Value = 0;
  selectQuestion(state, &M::notQuestionOption);
  state.notButton.Value = 0;
}

MottoFile parseMottoFile(std::string_view text, const Lexicon& lexicon, std::string_view fileName) {
  std::vector<std::string_view> lines = splitLines(text);
  // A file cut off between the CR and the LF of its last line end.
  if (!lines.empty() && text::endsWith(lines.back(), "\r")) lines.back().remove_suffix(1);
  // Empty lines after the last value are tolerated; anything else is not.
  while (lines.size() > kMottoFileLineCount && lines.back().empty()) lines.pop_back();
  LineReader reader(fileName, lines);
  const std::string lengths = "a motto file has " + std::to_string(kMottoFileLineCount) + " or " +
                              std::to_string(kFullMottoFileLineCount) + " lines";
  if (lines.empty()) reader.fail(0, "is empty; " + lengths);
  if (lines.size() < kMottoFileLineCount)
    reader.fail(lines.size() + 1,
                "is missing: the file ends after " + lineCountText(lines.size()) + "; " + lengths);
  if (lines.size() > kFullMottoFileLineCount)
    reader.fail(kFullMottoFileLineCount + 1, "is one too many: " + lengths);

  MottoFile file;
  for (const MottoFileRun& run : kMottoFileLayout) {
    if (run.firstLine > lines.size()) break;
    if (run.firstLine + run.lineCount - 1 > lines.size())
      reader.fail(lines.size() + 1, "is missing: the file ends after " +
                                        lineCountText(lines.size()) + "; " + lengths);
    readRun(reader, run, lexicon, file);
  }
  if (lines.size() != kMottoFileLineCount && lines.size() != kFullMottoFileLineCount)
    reader.fail(lines.size() + 1,
                "is missing: the file ends after " + lineCountText(lines.size()) + "; " + lengths);
  return file;
}

void applyMottoFile(MottoState& state, const Lexicon& lexicon, const MottoFile& file) {
  resetTheForm(state);
  for (std::size_t i = 0; i < kSlots.size(); ++i) {
    const SlotInfo& info = kSlots[i];
    WordSlot& slot = state.*info.slot;
    const std::string& line = file.slotLines[i];
    if (storesCaption(info.kind)) {
      slot.Caption = line;
      continue;
    }
    slot.Tag = line;
    if (line == kBlank) continue;
    if (info.kind == SlotKind::adjective || info.kind == SlotKind::adverb ||
        info.kind == SlotKind::preposition)
      slot.Caption = lexicon.englishHeadword(tableOfKind(info.kind).kind, line);
  }
  for (int n = 1; n <= 9; ++n)
    if (file.options[static_cast<std::size_t>(n - 1)]) selectOption(state, n);
  for (std::size_t k = 0; k < kBoxLines.size(); ++k) {
    if (kBoxLines[k].section)
      setTickBox(state, kBoxLines[k].section, file.boxes[k]);
    else
      (state.*kBoxLines[k].check).Value = file.boxes[k];
  }
  for (int n = 1; n <= 9; ++n)
    (state.*linkOption(n)).Visible = file.optionVisible[static_cast<std::size_t>(n - 1)];
  for (std::size_t i = 0; i < kSlots.size(); ++i)
    (state.*kSlots[i].slot).Visible = file.slotVisible[i];
  for (int n = 1; n <= 9; ++n)
    (state.*linkOption(n)).Visible = file.optionVisibleAgain[static_cast<std::size_t>(n - 1)];

  if (!file.question) return;  // a file of 81 lines
  selectQuestion(state, *file.question);
  for (std::size_t k = 0; k < kThings.size(); ++k) {
    WordSlot& slot = state.*degreeSlot(k);
    if (slot.Tag == kBlank || file.degrees[k] == 0) continue;
    slot.Caption = adjectiveCaption(static_cast<Comparison>(file.degrees[k]),
                                    lexicon.englishHeadword("adjective", slot.Tag));
  }
}

namespace {

// A motto file is a few hundred bytes; anything far larger is not one.
constexpr std::uintmax_t kMaxMottoFileSize = 64 * 1024;

std::string readMottoText(const std::filesystem::path& path, const std::string& displayName) {
  // A name that leads to a pipe or a device (through a link, say) would block
  // the window or read without end: only regular files are motto files.
  std::error_code ec;
  auto status = std::filesystem::status(path, ec);
  if (std::filesystem::exists(status) && !std::filesystem::is_directory(status) &&
      !std::filesystem::is_regular_file(status))
    throw MottoFileError(displayName, 0, "is not a regular file");
  if (std::filesystem::is_regular_file(status) &&
      std::filesystem::file_size(path, ec) > kMaxMottoFileSize && !ec)
    throw MottoFileError(displayName, 0, "is too large to be a motto file");
  try {
    return readWholeFile(path, displayName);
  } catch (const MottoFileError&) {
    throw;
  } catch (const DataFileError& e) {
    throw MottoFileError(e.file(), e.line(), e.reason());
  }
}

// The file is checked whole before anything is applied, and applied to a
// copy, so that whatever fails leaves the motto as it was.
void loadNamed(MottoState& state, const Lexicon& lexicon, const std::filesystem::path& path,
               const std::string& displayName) {
  MottoFile file = parseMottoFile(readMottoText(path, displayName), lexicon, displayName);
  MottoState loaded = state;
  applyMottoFile(loaded, lexicon, file);
  state = std::move(loaded);
}

}  // namespace

void loadMottoFile(MottoState& state, const Lexicon& lexicon, const std::filesystem::path& path) {
  // The file system's names are UTF-8; messages are the program's own text.
  loadNamed(state, lexicon, path, text::utf8ToCp1252(path.string()));
}

void loadExample(MottoState& state, const Lexicon& lexicon, const std::filesystem::path& folder,
                 std::string_view fileName) {
  loadNamed(state, lexicon, folder / std::filesystem::path(std::string(fileName)),
            std::string(fileName));
}

void loadButton_Click(MottoState& state, const Lexicon& lexicon,
                      const std::filesystem::path& folder) {
  loadExample(state, lexicon, folder, kLoadButtonFile);
}

std::vector<std::string> mottoFileLines(const MottoState& state, MottoFileFormat format) {
  std::vector<std::string> lines;
  lines.reserve(kFullMottoFileLineCount);
  for (const MottoFileRun& run : kMottoFileLayout)
    if (run.firstLine <= lineCountOf(format)) writeRun(state, run, lines);
  return lines;
}

}  // namespace lexorra
