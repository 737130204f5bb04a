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
// (0 otherwise) and the reason, e.g. "nouns.dat has 19,492 lines; at most
// 19,491 fit". Its text is Windows-1252, as all of the program's own text; a
// file name from the file system is converted from UTF-8 when it is put in.
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

// Reads a whole file. Throws DataFileError naming `displayName` when the file
// does not exist, is not a regular file, or cannot be read.
std::string readWholeFile(const std::filesystem::path& path, std::string_view displayName);
std::string readWholeStream(std::istream& in, std::string_view displayName);

// Cuts text into lines. A line ends at CR LF (a lone LF is accepted too); the
// line end is not part of the line. A final line without an ending is still a
// line; text that ends with a line end has no extra empty line after it. Empty
// text has no lines.
std::vector<std::string_view> splitLines(std::string_view text);

// Throws DataFileError when a file of `lineCount` lines cannot fill a table of
// `capacity` entries: it is empty, or it has more lines than fit.
void checkLineCount(std::size_t lineCount, std::string_view fileName, std::size_t capacity);

// Reads the lines of a file whose table holds at most `capacity` entries,
// checked by checkLineCount.
std::vector<std::string> readDataLines(std::istream& in, std::string_view fileName,
                                       std::size_t capacity);
std::vector<std::string> readDataLines(const std::filesystem::path& path, std::string_view fileName,
                                       std::size_t capacity);

}  // namespace lexorra
