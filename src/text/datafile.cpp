#include "text/datafile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
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
  checkTextLines(buffer, fileName);
  return {views.begin(), views.end()};
}

// What a name that leads to something other than a regular file leads to.
std::string notARegularFile(mode_t mode) {
  if (S_ISDIR(mode)) return "is a folder, not a file";
  if (S_ISFIFO(mode)) return "is a pipe, not a regular file";
  if (S_ISCHR(mode) || S_ISBLK(mode)) return "is a device, not a regular file";
  if (S_ISSOCK(mode)) return "is a socket, not a regular file";
  return "is not a regular file";
}

DataFileError tooLarge(std::string_view name, std::uintmax_t size, std::size_t maxSize) {
  return DataFileError(std::string(name), 0,
                       "is too large: " + text::withThousands(size) + " bytes, at most " +
                           text::withThousands(maxSize) + " are read");
}

DataFileError systemFailure(std::string_view name, std::string_view what, int err) {
  return DataFileError(std::string(name), 0, std::string(what) + ": " + std::strerror(err));
}

// Closes the file on every path out of readWholeFile.
class OpenFile {
 public:
  explicit OpenFile(int fd) : fd_(fd) {}
  OpenFile(const OpenFile&) = delete;
  OpenFile& operator=(const OpenFile&) = delete;
  ~OpenFile() { ::close(fd_); }

 private:
  int fd_;
};

// Refuses what is not a regular file of at most `maxSize` bytes.
void checkStatus(const struct stat& st, std::string_view name, std::size_t maxSize) {
  if (!S_ISREG(st.st_mode)) throw DataFileError(std::string(name), 0, notARegularFile(st.st_mode));
  if (static_cast<std::uintmax_t>(st.st_size) > maxSize) throw tooLarge(name, st.st_size, maxSize);
}

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kTopBits = 0x8080808080808080ULL;

// Whether any of the eight bytes may be one that text must not hold: below
// 0x20, or 0x7F and above. Exact for "none": with every byte from 0x20 to
// 0x7E, no byte borrows or carries into the next, and no top bit is set. The
// bytes are looked at one by one only when this says "maybe", which plain
// ASCII text does only around its line ends.
bool maybeBadByte(std::uint64_t word) {
  return ((((word - kOnes * 0x20) & ~word) | (word + kOnes) | word) & kTopBits) != 0;
}

// Whether the byte at `i` may not stand in text: tab and the line ends (LF,
// and CR before LF) may.
bool isBadByte(std::string_view text, std::size_t i) {
  const auto c = static_cast<unsigned char>(text[i]);
  if (c < 0x20) {
    if (c == '\r') return i + 1 == text.size() || text[i + 1] != '\n';
    return c != '\t' && c != '\n';
  }
  return c == 0x7F || c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D;
}

std::size_t firstBadByte(std::string_view text) {
  std::size_t i = 0;
  for (; i + 8 <= text.size(); i += 8) {
    std::uint64_t word;
    std::memcpy(&word, text.data() + i, sizeof word);
    if (!maybeBadByte(word)) continue;
    for (std::size_t j = i; j < i + 8; ++j)
      if (isBadByte(text, j)) return j;
  }
  for (; i < text.size(); ++i)
    if (isBadByte(text, i)) return i;
  return std::string_view::npos;
}

std::string hexByte(unsigned char c) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {'0', 'x', kDigits[c >> 4], kDigits[c & 0xF]};
}

std::string badByteReason(unsigned char c, std::size_t column) {
  const std::string where = " (column " + std::to_string(column) + ")";
  if (c == '\r') return "holds a CR that is not followed by LF" + where;
  if (c < 0x20 || c == 0x7F) return "holds the control character " + hexByte(c) + where;
  return "holds the byte " + hexByte(c) + ", which Windows-1252 leaves undefined" + where;
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

std::string readWholeFile(const std::filesystem::path& path, std::string_view displayName,
                          std::size_t maxSize) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    const int err = errno;
    if (err == ENOENT || err == ENOTDIR)
      throw DataFileError(std::string(displayName), 0,
                          "cannot be found (looked for " + text::utf8ToCp1252(path.string()) + ")");
    throw systemFailure(displayName, "cannot be opened", err);
  }
  checkStatus(st, displayName, maxSize);
  // Opened without waiting: should the name lead to a pipe by now, opening
  // it does not block, and the second look below refuses it.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) throw systemFailure(displayName, "cannot be opened", errno);
  const OpenFile file(fd);
  if (::fstat(fd, &st) != 0) throw systemFailure(displayName, "cannot be read", errno);
  checkStatus(st, displayName, maxSize);

  // One byte more than the size: a file that grows while it is read is read
  // on to its end, up to the limit.
  std::string buffer(static_cast<std::size_t>(st.st_size) + 1, '\0');
  std::size_t got = 0;
  while (true) {
    if (got == buffer.size()) {
      if (got > maxSize) throw tooLarge(displayName, got, maxSize);
      buffer.resize(std::min(buffer.size() * 2, maxSize + 1));
    }
    const ssize_t n = ::read(fd, buffer.data() + got, buffer.size() - got);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw systemFailure(displayName, "cannot be read", errno);
    }
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  buffer.resize(got);
  return buffer;
}

std::string readWholeStream(std::istream& in, std::string_view displayName, std::size_t maxSize) {
  std::string buffer;
  in.seekg(0, std::ios::end);
  std::streamoff size = in.tellg();
  if (size > 0) {
    if (static_cast<std::uintmax_t>(size) > maxSize)
      throw tooLarge(displayName, static_cast<std::uintmax_t>(size), maxSize);
    in.seekg(0, std::ios::beg);
    buffer.resize(static_cast<std::size_t>(size));
    in.read(buffer.data(), size);
    if (in.gcount() != size)
      throw DataFileError(std::string(displayName), 0, "cannot be read to its end");
  } else {
    // Not seekable: read it as it comes, up to the limit.
    in.clear();
    in.seekg(0, std::ios::beg);
    in.clear();
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
      buffer.append(chunk, static_cast<std::size_t>(in.gcount()));
      if (buffer.size() > maxSize) throw tooLarge(displayName, buffer.size(), maxSize);
    }
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
  if (lineCount == 0) throw DataFileError(std::string(fileName), 0, "is empty");
  if (lineCount > capacity)
    throw DataFileError(std::string(fileName), capacity + 1,
                        "the file has " + text::withThousands(lineCount) +
                            " lines; the table holds " + text::withThousands(capacity));
}

void checkTextLines(std::string_view text, std::string_view fileName) {
  static constexpr std::string_view kByteOrderMarks[] = {"\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
  for (std::string_view mark : kByteOrderMarks)
    if (text.starts_with(mark))
      throw DataFileError(std::string(fileName), 1,
                          "starts with a byte-order mark; the file must be Windows-1252 text "
                          "without one");
  if (text.find('\n') == std::string_view::npos && text.find('\r') != std::string_view::npos)
    throw DataFileError(std::string(fileName), 1,
                        "lines end with CR only; they must end with CR LF");
  const std::size_t bad = firstBadByte(text);
  if (bad == std::string_view::npos) return;
  const std::string_view before = text.substr(0, bad);
  const std::size_t lineStart = before.rfind('\n') + 1;  // 0 on the first line
  throw DataFileError(std::string(fileName),
                      static_cast<std::size_t>(std::count(before.begin(), before.end(), '\n')) + 1,
                      badByteReason(static_cast<unsigned char>(text[bad]), bad - lineStart + 1));
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
