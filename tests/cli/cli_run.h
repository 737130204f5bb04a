// Running lexorra-cli as a program, as a person runs it from a shell.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace lexorra::testing {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string slurp(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Runs lexorra-cli with the arguments (each quoted for the shell), after
// `environment` ("env -u DISPLAY" and the like) when one is given.
inline CliRun runCli(const std::vector<std::string>& args, const std::string& environment = {}) {
  namespace fs = std::filesystem;
  const fs::path bin = LEXORRA_BIN_DIR;
  const std::string id = std::to_string(getpid());
  const fs::path outFile = fs::temp_directory_path() / ("lexorra-cli-out-" + id);
  const fs::path errFile = fs::temp_directory_path() / ("lexorra-cli-err-" + id);
  std::string command = environment + " '" + (bin / "lexorra-cli").string() + "'";
  for (const std::string& arg : args) command += " '" + arg + "'";
  command += " >'" + outFile.string() + "' 2>'" + errFile.string() + "'";
  CliRun run;
  const int raw = std::system(command.c_str());
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = slurp(outFile);
  run.err = slurp(errFile);
  fs::remove(outFile);
  fs::remove(errFile);
  return run;
}

}  // namespace lexorra::testing
