// Running lexorra-cli as a program, as a person runs it from a shell.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <vector>

namespace lexorra::testing {

// Where the programs and the delivered data files lie.
inline const std::filesystem::path kBin = LEXORRA_BIN_DIR;

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

// A sub-command's help: "lexorra-cli --help" shows `usageLine`, and
// "lexorra-cli COMMAND --help" names every one of `words`.
inline void expectHelp(const std::string& command, const std::string& usageLine,
                       std::initializer_list<const char*> words) {
  const CliRun help = runCli({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find(usageLine), std::string::npos) << help.out;
  const CliRun own = runCli({command, "--help"});
  EXPECT_EQ(own.status, 0);
  for (const char* word : words) EXPECT_NE(own.out.find(word), std::string::npos) << word;
}

// A usage mistake: status 2, nothing on standard output, and standard error
// says "lexorra-cli COMMAND: " followed by `told`.
inline void expectUsageMistake(const std::vector<std::string>& args, const std::string& told = {}) {
  SCOPED_TRACE(args.back());
  const CliRun run = runCli(args);
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("lexorra-cli " + args.front() + ": " + told), std::string::npos)
      << run.err;
  EXPECT_TRUE(run.out.empty());
}

}  // namespace lexorra::testing
