// Reading the plain-text files that lie beside the program: the lexicon
// tables, the English irregular tables and motto files.
#pragma once

#include <cstddef>
#include <filesystem>
#include <istream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace lexorra {

// A data file that cannot be used: missing, unreadable, empty, too long or
// malformed. Carries the file name, the 1-based line number where one applies
// (0 otherwise) and the reason, which does not repeat the file name: what()
// reads "nouns.dat, line 19492: the file has 19,492 lines; the table holds
// 19,491" or "verbs.dat: cannot be found (looked for /opt/lexorra/verbs.dat)".
// Its text is Windows-1252, as all of the program's own text; a file name
// from the file system is converted from UTF-8 when it is put in.
class DataFileError : public std::runtime_error {
 public:
  DataFileError(std::string file, std::size_t line, std::string reason);

  const std::string& file() const { return file_; }
  std::size_t line() const { return line_; }
  const std::string& reason() const { return reason_; }

 private:
  std::string file_;
  std::size_t line_;
  std::string reason_;
};

// The folder that holds the running executable.
std::filesystem::path programFolder();

// No data file is read beyond this size: the delivered files are below 10 MiB,
// and a name that leads to an endless device must not fill the memory.
inline constexpr std::size_t kMaxDataFileSize = std::size_t{64} << 20;

// Reads a whole file. Throws DataFileError naming `displayName` when the file
// does not exist, is not a regular file (a folder, a pipe, a device: these are
// refused by their status before the file is opened, and the file is opened
// without waiting, so a pipe never blocks), is larger than `maxSize` bytes
// (checked before reading), or cannot be read.
std::string readWholeFile(const std::filesystem::path& path, std::string_view displayName,
                          std::size_t maxSize = kMaxDataFileSize);
// The same from a stream; a stream longer than `maxSize` bytes is refused.
std::string readWholeStream(std::istream& in, std::string_view displayName,
                            std::size_t maxSize = kMaxDataFileSize);

// Cuts text into lines. A line ends at CR LF (a lone LF is accepted too); the
// line end is not part of the line. A final line without an ending is still a
// line; text that ends with a line end has no extra empty line after it. Empty
// text has no lines.
std::vector<std::string_view> splitLines(std::string_view text);

// Throws DataFileError when a file of `lineCount` lines cannot fill a table of
// `capacity` entries: it is empty, or it has more lines than fit.
void checkLineCount(std::size_t lineCount, std::string_view fileName, std::size_t capacity);

// Throws DataFileError naming the first line of `text` that is not
// Windows-1252 text as the data files hold it: the text starts with a
// byte-order mark, its lines end with CR alone, or a line holds a control
// character other than tab (a CR not followed by LF among them) or one of the
// five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D).
void checkTextLines(std::string_view text, std::string_view fileName);

// Reads the lines of a file whose table holds at most `capacity` entries,
// checked by checkLineCount and checkTextLines.
std::vector<std::string> readDataLines(std::istream& in, std::string_view fileName,
                                       std::size_t capacity);
std::vector<std::string> readDataLines(const std::filesystem::path& path, std::string_view fileName,
                                       std::size_t capacity);

}  // namespace lexorra
