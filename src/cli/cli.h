// Sub-commands of lexorra-cli. Each lives in its own source file and adds
// itself to the list with a static CliCommandRegistration.
#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace lexorra::cli {

struct CliCommand {
  std::string name;   // "render", "search"
  std::string usage;  // one or more lines for --help
  // Arguments after the sub-command's name; returns the exit status.
  std::function<int(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)>
      run;
};

std::vector<CliCommand>& cliCommands();

struct CliCommandRegistration {
  explicit CliCommandRegistration(CliCommand command) {
    cliCommands().push_back(std::move(command));
  }
};

// True when an argument before any "--" asks for help ("--help" or "-h").
bool asksForHelp(const std::vector<std::string>& args);

// Escapes text for a JSON string (the text is converted to UTF-8 first).
std::string jsonString(std::string_view cp1252Text);

// A file name from the command line (UTF-8) as a JSON string.
std::string jsonFileName(const std::string& utf8);

}  // namespace lexorra::cli
