// Writing motto files: the name the save button gives a motto, and a save
// that either replaces the old file whole or leaves it as it was.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <optional>
#include <system_error>

#include "editor/motto_file.h"
#include "text/codepage.h"
#include "text/textops.h"

namespace lexorra {

std::string savedFileName(std::string_view finalEnglish) {
  std::string name = text::replaceEvery(finalEnglish, " ", "_");
  for (std::string_view gone : {".", "!", "/"}) text::replaceEveryInPlace(name, gone, "");
  return "Ex_" + name;
}

namespace {

namespace fs = std::filesystem;

// The hidden file a save writes before it replaces the motto file:
// ".motto-save-<process>-<count>.tmp".
constexpr std::string_view kTempPrefix = ".motto-save-";
constexpr std::string_view kTempSuffix = ".tmp";
// A temporary file this old is not being written by any save any more.
constexpr auto kStaleTempAge = std::chrono::minutes(1);

[[noreturn]] void failWrite(const fs::path& path, const std::string& what, int err) {
  throw MottoFileError(text::utf8ToCp1252(path.string()), 0, what + ": " + std::strerror(err));
}

// The process that named a temporary file of ours, or nothing when the name
// is not of our making.
std::optional<long> tempFileProcess(std::string_view name) {
  if (!name.starts_with(kTempPrefix) || !name.ends_with(kTempSuffix)) return std::nullopt;
  name.remove_prefix(kTempPrefix.size());
  name.remove_suffix(kTempSuffix.size());
  const std::size_t dash = name.find('-');
  if (dash == std::string_view::npos || dash == 0 || dash + 1 == name.size()) return std::nullopt;
  std::string_view count = name.substr(dash + 1);
  if (!std::all_of(count.begin(), count.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  long process = 0;
  auto [ptr, ec] = std::from_chars(name.data(), name.data() + dash, process);
  if (ec != std::errc() || ptr != name.data() + dash || process <= 0) return std::nullopt;
  return process;
}

bool processIsGone(long process) {
  return ::kill(static_cast<pid_t>(process), 0) != 0 && errno == ESRCH;
}

// Removes the temporary files that saves killed while writing left in
// `folder`: those older than a minute, or named by a process that has ended.
// Files of any other name are left alone, and nothing here makes a save fail.
void removeStaleTempFiles(const fs::path& folder) {
  std::error_code ec;
  const auto now = fs::file_time_type::clock::now();
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const std::optional<long> process = tempFileProcess(name);
    std::error_code statEc;
    if (!process || !it->is_regular_file(statEc)) continue;
    const auto written = it->last_write_time(statEc);
    if (statEc) continue;
    if (now - written > kStaleTempAge || processIsGone(*process)) fs::remove(it->path(), statEc);
  }
}

// Writes all of `bytes` to a new file with `mode` and makes sure they reached
// the disk.
void writeNewFile(const fs::path& temp, const fs::path& target, const std::string& bytes,
                  std::optional<mode_t> mode) {
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) failWrite(target, "cannot be written in its folder", errno);
  auto fail = [&](const std::string& what, int err) {
    ::close(fd);
    ::unlink(temp.c_str());
    failWrite(target, what, err);
  };
  if (mode && ::fchmod(fd, *mode) != 0)
    fail("could not be given the old file's permissions", errno);
  std::size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) fail("could not be written", n < 0 ? errno : EIO);
    done += static_cast<std::size_t>(n);
  }
  int err = ::fsync(fd) != 0 ? errno : 0;
  if (::close(fd) != 0 && err == 0) err = errno;
  if (err != 0) {
    ::unlink(temp.c_str());
    failWrite(target, "could not be written", err);
  }
}

// The permissions of the file a save replaces, or nothing when there is none.
// A file the user may not write is refused: replacing it would get round its
// protection, since only the folder needs to be writable for that.
std::optional<mode_t> replacedFileMode(const fs::path& path) {
  struct stat old {};
  if (::stat(path.c_str(), &old) != 0) return std::nullopt;
  if (!S_ISREG(old.st_mode)) failWrite(path, "is not a regular file", EISDIR);
  // Root may write anything; a file without any write permission is still
  // meant to be kept.
  if (::access(path.c_str(), W_OK) != 0 || (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
    throw MottoFileError(text::utf8ToCp1252(path.string()), 0,
                         "is read-only, so it was not replaced");
  return old.st_mode & 07777;
}

}  // namespace

void writeMottoFile(const MottoState& state, const fs::path& path, MottoFileFormat format) {
  std::string bytes;
  for (const std::string& line : mottoFileLines(state, format)) bytes += line + "\r\n";

  const std::optional<mode_t> mode = replacedFileMode(path);
  static std::atomic<unsigned> counter{0};
  const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  removeStaleTempFiles(folder);
  const fs::path temp = folder / (std::string(kTempPrefix) + std::to_string(::getpid()) + "-" +
                                  std::to_string(counter++) + std::string(kTempSuffix));
  writeNewFile(temp, path, bytes, mode);
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    int err = errno;
    ::unlink(temp.c_str());
    failWrite(path, "cannot be saved under this name", err);
  }
}

fs::path saveButton_Click(const MottoState& state, const fs::path& folder) {
  fs::path path = folder / fs::path(text::cp1252ToUtf8(savedFileName(state.finalEnglish)));
  writeMottoFile(state, path);
  return path;
}

}  // namespace lexorra
