// Running the Latin parser: it reads an input file and writes an output file
// named on its command line, in its working folder, so each run gets a
// temporary folder of its own, removed afterwards.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include "explain/parser_check.h"

namespace lexorra::explain {

namespace {

namespace fs = std::filesystem;

// A folder of its own under the system's temporary folder, removed with
// everything in it when the run ends.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (fs::temp_directory_path() / "lexorra-parser-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
      throw ParserError("cannot make a temporary folder: " + std::string(std::strerror(errno)));
    path_ = pattern;
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// Starts `program input output` in `folder` with no terminal input or
// output; returns its process id.
pid_t start(const fs::path& program, const fs::path& folder) {
  // Everything the child needs is made before it exists: between fork and
  // exec it may only call functions that are safe there.
  const std::string programText = program.string();
  const std::string folderText = folder.string();
  std::string input = "input.txt", output = "output.txt";
  char* const argv[] = {const_cast<char*>(programText.c_str()), input.data(), output.data(),
                        nullptr};
  const pid_t pid = fork();
  if (pid < 0) throw ParserError("cannot start the parser: " + std::string(std::strerror(errno)));
  if (pid == 0) {
    const int nothing = open("/dev/null", O_RDWR);
    if (nothing >= 0) {
      dup2(nothing, STDIN_FILENO);
      dup2(nothing, STDOUT_FILENO);
      dup2(nothing, STDERR_FILENO);
    }
    if (chdir(folderText.c_str()) == 0) execv(programText.c_str(), argv);
    _exit(127);
  }
  return pid;
}

// Waits for the process to end, at most `timeout`; a process still running
// then is stopped. Returns its exit status, or nothing after a timeout.
std::optional<int> waitFor(pid_t pid, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    if (done < 0 && errno != EINTR) return -1;
    if (std::chrono::steady_clock::now() >= deadline) {
      kill(pid, SIGKILL);
      while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
      return std::nullopt;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

}  // namespace

bool parserInstalled(const ParserOptions& options) {
  return access(options.program.c_str(), X_OK) == 0;
}

std::string runParser(const std::vector<std::string>& words, const ParserOptions& options) {
  for (const std::string& word : words)
    if (word.find_first_of(" \t\r\n") != std::string::npos)
      throw ParserError("a word for the parser holds a space: \"" + word + "\"");
  TemporaryFolder folder;
  {
    std::ofstream input(folder.path() / "input.txt", std::ios::binary);
    // The parser passes over a word of one letter ("a", "e") unless a mark
    // follows it, as at the end of a sentence.
    for (const std::string& word : words)
      input << word << (word.size() == 1 ? "." : "") << "\n" << kParserSeparator << "\n";
    if (!input.flush()) throw ParserError("cannot write the parser's input");
  }
  const pid_t pid = start(options.program, folder.path());
  const std::optional<int> status = waitFor(pid, options.timeout);
  if (!status)
    throw ParserError("the parser did not answer within " +
                      std::to_string(options.timeout.count()) + " ms");
  if (*status != 0)
    throw ParserError("the parser " + options.program.string() + " failed (exit status " +
                      std::to_string(*status) + ")");
  std::ifstream output(folder.path() / "output.txt", std::ios::binary);
  if (!output) throw ParserError("the parser wrote no output");
  std::ostringstream text;
  text << output.rdbuf();
  return text.str();
}

}  // namespace lexorra::explain
