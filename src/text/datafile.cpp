#include "text/datafile.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

#include "text/codepage.h"
#include "text/textops.h"

namespace lexorra {

namespace {

std::string describe(const std::string& file, std::size_t line, const std::string& reason) {
  std::string out = file;
  if (line > 0) out += ", line " + std::to_string(line);
  out += ": " + reason;
  return out;
}

std::vector<std::string> checkedLines(const std::string& buffer, std::string_view fileName,
                                      std::size_t capacity) {
  std::vector<std::string_view> views = splitLines(buffer);
  checkLineCount(views.size(), fileName, capacity);
  return {views.begin(), views.end()};
}

}  // namespace

DataFileError::DataFileError(std::string file, std::size_t line, std::string reason)
    : std::runtime_error(describe(file, line, reason)),
      file_(std::move(file)),
      line_(line),
      reason_(std::move(reason)) {}

std::filesystem::path programFolder() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) return std::filesystem::current_path();
  return exe.parent_path();
}

std::string readWholeFile(const std::filesystem::path& path, std::string_view displayName) {
  std::error_code ec;
  auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status))
    throw DataFileError(std::string(displayName), 0,
                        "cannot be found (looked for " + text::utf8ToCp1252(path.string()) + ")");
  if (std::filesystem::is_directory(status))
    throw DataFileError(std::string(displayName), 0, "is a folder, not a file");
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    int err = errno;
    throw DataFileError(std::string(displayName), 0,
                        "cannot be opened: " + std::string(std::strerror(err)));
  }
  return readWholeStream(in, displayName);
}

std::string readWholeStream(std::istream& in, std::string_view displayName) {
  std::string buffer;
  in.seekg(0, std::ios::end);
  std::streamoff size = in.tellg();
  if (size > 0) {
    in.seekg(0, std::ios::beg);
    buffer.resize(static_cast<std::size_t>(size));
    in.read(buffer.data(), size);
    if (in.gcount() != size)
      throw DataFileError(std::string(displayName), 0, "cannot be read to its end");
  } else {
    // Not seekable: read it as it comes.
    in.clear();
    in.seekg(0, std::ios::beg);
    in.clear();
    buffer.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  if (in.bad()) throw DataFileError(std::string(displayName), 0, "cannot be read");
  return buffer;
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const void* nl = std::memchr(text.data() + pos, '\n', text.size() - pos);
    std::size_t end =
        nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - text.data()) : text.size();
    std::size_t lineEnd = end;
    if (nl && lineEnd > pos && text[lineEnd - 1] == '\r') --lineEnd;
    lines.push_back(text.substr(pos, lineEnd - pos));
    pos = nl ? end + 1 : text.size();
  }
  return lines;
}

void checkLineCount(std::size_t lineCount, std::string_view fileName, std::size_t capacity) {
  if (lineCount == 0)
    throw DataFileError(std::string(fileName), 0, std::string(fileName) + " is empty");
  if (lineCount > capacity)
    throw DataFileError(std::string(fileName), capacity + 1,
                        std::string(fileName) + " has " + text::withThousands(lineCount) +
                            " lines; at most " + text::withThousands(capacity) + " fit");
}

std::vector<std::string> readDataLines(std::istream& in, std::string_view fileName,
                                       std::size_t capacity) {
  return checkedLines(readWholeStream(in, fileName), fileName, capacity);
}

std::vector<std::string> readDataLines(const std::filesystem::path& path, std::string_view fileName,
                                       std::size_t capacity) {
  return checkedLines(readWholeFile(path, fileName), fileName, capacity);
}

}  // namespace lexorra
