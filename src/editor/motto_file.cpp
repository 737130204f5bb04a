#include "editor/motto_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <optional>
#include <system_error>

#include "editor/menus.h"
#include "editor/options.h"
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

// Lines 32 to 41.
constexpr std::array<TickBox M::*, 4> kSectionBoxes = {&M::actorTickBox, &M::actionTickBoc,
                                                       &M::mannerTickBox, &M::actedTickBox};
constexpr std::array<CheckBox M::*, 6> kCheckBoxes = {
    &M::Check1, &M::isCheckBox, &M::wordOrderBox, &M::femaleBox, &M::youFemaleBox, &M::notButton};

constexpr std::size_t kFirstOptionLine = 23;
constexpr std::size_t kFirstBoxLine = 32;
constexpr std::size_t kFirstOptionVisibleLine = 42;
constexpr std::size_t kFirstSlotVisibleLine = 51;
constexpr std::size_t kFirstOptionVisibleAgainLine = 73;

// A motto file is a few hundred bytes; anything far larger is not one.
constexpr std::uintmax_t kMaxMottoFileSize = 64 * 1024;

bool storesCaption(SlotKind kind) {
  return kind == SlotKind::pronoun || kind == SlotKind::tense;
}

std::string quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
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

  // 0 or 1, spaces around it ignored; "True"/"False" count as 1/0.
  int box(std::size_t lineNumber, std::string_view what) const {
    std::string_view value = text::trimSpaces(line(lineNumber));
    std::string lower = text::lowerCase(value);
    if (lower == "true") return 1;
    if (lower == "false") return 0;
    auto number = wholeNumber(value);
    if (!number || (*number != 0 && *number != 1))
      fail(lineNumber, std::string(what) + " must be 0 or 1, not " + quoted(line(lineNumber)));
    return static_cast<int>(*number);
  }

  static std::optional<long> wholeNumber(std::string_view value) {
    if (value.starts_with('+')) value.remove_prefix(1);
    long number = 0;
    auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (value.empty() || ec != std::errc() || ptr != value.data() + value.size())
      return std::nullopt;
    return number;
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
  std::string what = std::string(info.name) + " must be \"blank\" or a " + std::string(table.kind) +
                     " index, not " + quoted(reader.line(lineNumber));
  bool digits = !value.empty() && std::all_of(value.begin(), value.end(),
                                              [](char c) { return c >= '0' && c <= '9'; });
  std::size_t position = 0;
  auto [ptr, ec] = std::from_chars(value.data(), value.data() + value.size(), position);
  if (!digits || ec != std::errc() || ptr != value.data() + value.size())
    reader.fail(lineNumber, what);
  if (position >= table.capacity)
    reader.fail(lineNumber, std::string(info.name) + ": " + std::string(table.kind) + " index " +
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
    reader.fail(lineNumber, std::string(info.name) + ": " + std::string(table.kind) + " " +
                                std::to_string(position) + " is not a word of " +
                                std::string(table.fileName));
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

}  // namespace

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
  for (TickBox M::*box : kSectionBoxes) setTickBox(state, box, 0);
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
  if (lines.empty()) reader.fail(0, "is empty; a motto file has 81 lines");
  if (lines.size() < kMottoFileLineCount)
    reader.fail(lines.size() + 1, "is missing: the file ends after " +
                                      std::to_string(lines.size()) + " lines; a motto file has 81");
  if (lines.size() > kMottoFileLineCount)
    reader.fail(kMottoFileLineCount + 1, "is one too many: a motto file has 81 lines");

  MottoFile file;
  for (std::size_t i = 0; i < kSlots.size(); ++i)
    file.slotLines[i] = checkedSlotLine(reader, i + 1, kSlots[i], lexicon);
  for (std::size_t k = 0; k < 9; ++k)
    file.options[k] = reader.flag(kFirstOptionLine + k, "Option" + std::to_string(k + 1));

  static constexpr std::array<std::string_view, 10> kBoxNames = {
      "actorTickBox", "actionTickBoc", "mannerTickBox", "actedTickBox", "Check1",
      "isCheckBox",   "wordOrderBox",  "femaleBox",     "youFemaleBox", "notButton"};
  for (std::size_t k = 0; k < kBoxNames.size(); ++k)
    file.boxes[k] = reader.box(kFirstBoxLine + k, kBoxNames[k]);
  // The sections form a chain: the act needs the first thing, the second
  // thing needs the act.
  if (file.boxes[1] == 1 && file.boxes[0] == 0)
    reader.fail(kFirstBoxLine + 1, "The Act is ticked but The first thing(s) is not");
  if (file.boxes[3] == 1 && file.boxes[1] == 0)
    reader.fail(kFirstBoxLine + 3, "The second thing(s) is ticked but The Act is not");

  for (std::size_t k = 0; k < 9; ++k) {
    std::string what = "the visibility of Option" + std::to_string(k + 1);
    file.optionVisible[k] = reader.flag(kFirstOptionVisibleLine + k, what);
    file.optionVisibleAgain[k] = reader.flag(kFirstOptionVisibleAgainLine + k, what);
  }
  for (std::size_t i = 0; i < kSlots.size(); ++i)
    file.slotVisible[i] =
        reader.flag(kFirstSlotVisibleLine + i, "the visibility of " + std::string(kSlots[i].name));
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
  for (std::size_t k = 0; k < kSectionBoxes.size(); ++k)
    setTickBox(state, kSectionBoxes[k], file.boxes[k]);
  for (std::size_t k = 0; k < kCheckBoxes.size(); ++k)
    (state.*kCheckBoxes[k]).Value = file.boxes[kSectionBoxes.size() + k];
  for (int n = 1; n <= 9; ++n)
    (state.*linkOption(n)).Visible = file.optionVisible[static_cast<std::size_t>(n - 1)];
  for (std::size_t i = 0; i < kSlots.size(); ++i)
    (state.*kSlots[i].slot).Visible = file.slotVisible[i];
  for (int n = 1; n <= 9; ++n)
    (state.*linkOption(n)).Visible = file.optionVisibleAgain[static_cast<std::size_t>(n - 1)];
}

namespace {

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

void loadNamed(MottoState& state, const Lexicon& lexicon, const std::filesystem::path& path,
               const std::string& displayName) {
  MottoFile file = parseMottoFile(readMottoText(path, displayName), lexicon, displayName);
  applyMottoFile(state, lexicon, file);
}

}  // namespace

void loadMottoFile(MottoState& state, const Lexicon& lexicon, const std::filesystem::path& path) {
  loadNamed(state, lexicon, path, path.string());
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

std::vector<std::string> mottoFileLines(const MottoState& state) {
  auto flag = [](bool value) { return std::string(value ? "True" : "False"); };
  auto box = [](int value) { return " " + std::to_string(value) + " "; };
  std::vector<std::string> lines;
  lines.reserve(kMottoFileLineCount);
  for (const SlotInfo& info : kSlots) {
    const WordSlot& slot = state.*info.slot;
    lines.push_back(storesCaption(info.kind) ? slot.Caption : slot.Tag);
  }
  for (int n = 1; n <= 9; ++n) lines.push_back(flag((state.*linkOption(n)).Value));
  for (TickBox M::*b : kSectionBoxes) lines.push_back(box((state.*b).Value));
  for (CheckBox M::*b : kCheckBoxes) lines.push_back(box((state.*b).Value));
  for (int n = 1; n <= 9; ++n) lines.push_back(flag((state.*linkOption(n)).Visible));
  for (const SlotInfo& info : kSlots) lines.push_back(flag((state.*info.slot).Visible));
  for (int n = 1; n <= 9; ++n) lines.push_back(flag((state.*linkOption(n)).Visible));
  return lines;
}

std::string savedFileName(std::string_view finalEnglish) {
  std::string name = text::replaceEvery(finalEnglish, " ", "_");
  for (std::string_view gone : {".", "!", "/"}) text::replaceEveryInPlace(name, gone, "");
  return "Ex_" + name;
}

namespace {

[[noreturn]] void failWrite(const std::filesystem::path& path, const std::string& what, int err) {
  throw MottoFileError(path.string(), 0, what + ": " + std::strerror(err));
}

// Writes all of `bytes` to a new file and makes sure they reached the disk.
void writeNewFile(const std::filesystem::path& temp, const std::filesystem::path& target,
                  const std::string& bytes) {
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) failWrite(target, "cannot be written in its folder", errno);
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      int err = n < 0 ? errno : EIO;
      ::close(fd);
      ::unlink(temp.c_str());
      failWrite(target, "could not be written", err);
    }
    done += static_cast<std::size_t>(n);
  }
  int err = ::fsync(fd) != 0 ? errno : 0;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err != 0) {
    ::unlink(temp.c_str());
    failWrite(target, "could not be written", err);
  }
}

}  // namespace

void writeMottoFile(const MottoState& state, const std::filesystem::path& path) {
  std::string bytes;
  for (const std::string& line : mottoFileLines(state)) bytes += line + "\r\n";

  static std::atomic<unsigned> counter{0};
  std::filesystem::path folder = path.parent_path();
  std::filesystem::path temp =
      (folder.empty() ? std::filesystem::path(".") : folder) /
      (".motto-save-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp");
  writeNewFile(temp, path, bytes);
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    failWrite(path, "cannot be saved under this name", err);
  }
}

std::filesystem::path saveButton_Click(const MottoState& state,
                                       const std::filesystem::path& folder) {
  std::filesystem::path path =
      folder / std::filesystem::path(text::cp1252ToUtf8(savedFileName(state.finalEnglish)));
  writeMottoFile(state, path);
  return path;
}

}  // namespace lexorra
