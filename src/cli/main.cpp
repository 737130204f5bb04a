// lexorra-cli: renders motto files and searches the lexicon without a window.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli.h"
#include "text/codepage.h"

namespace lexorra::cli {

std::vector<CliCommand>& cliCommands() {
  static std::vector<CliCommand> commands;
  return commands;
}

bool asksForHelp(const std::vector<std::string>& args) {
  for (const std::string& arg : args) {
    if (arg == "--") return false;
    if (arg == "--help" || arg == "-h") return true;
  }
  return false;
}

std::string jsonString(std::string_view cp1252Text) {
  std::string utf8 = text::cp1252ToUtf8(cp1252Text);
  std::string out = "\"";
  for (char c : utf8) {
    auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (u < 0x20) {
          static const char* hex = "0123456789abcdef";
          out += "\\u00";
          out += hex[u >> 4];
          out += hex[u & 15];
        } else {
          out += c;
        }
    }
  }
  return out + "\"";
}

std::string jsonFileName(const std::string& utf8) {
  return jsonString(text::utf8ToCp1252(utf8));
}

}  // namespace lexorra::cli

namespace {

void printHelp(std::ostream& out) {
  out << "lexorra-cli: Lexorra's command-line companion.\n\n"
         "Usage:\n";
  for (const auto& command : lexorra::cli::cliCommands()) out << command.usage << "\n";
  out << "  lexorra-cli --help\n"
         "      Show this text.\n"
         "  lexorra-cli --version\n"
         "      Show the version.\n\n"
         "The data files are read from the folder that holds lexorra-cli unless\n"
         "--data DIR names another folder.\n";
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    printHelp(args.empty() ? std::cerr : std::cout);
    return args.empty() ? 2 : 0;
  }
  if (args[0] == "--version" || args[0] == "-V") {
    std::cout << "lexorra-cli " LEXORRA_VERSION "\n";
    return 0;
  }
  for (const auto& command : lexorra::cli::cliCommands()) {
    if (command.name == args[0]) {
      std::vector<std::string> rest(args.begin() + 1, args.end());
      return command.run(rest, std::cout, std::cerr);
    }
  }
  std::cerr << "lexorra-cli: unknown command \"" << args[0] << "\"\n";
  printHelp(std::cerr);
  return 2;
}
