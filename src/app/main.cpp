// Lexorra's entry: the window program, with its data beside the executable.
// The command line is read before Qt starts, so that --help, --version and a
// missing display are answered on the terminal without a window.
#include <QIcon>
#include <cstdlib>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/application.h"
#include "app/command_line.h"
#include "app/program.h"
#include "text/datafile.h"

int main(int argc, char** argv) {
  using lexorra::app::CommandLine;
  const std::vector<std::string_view> args(argv + 1, argv + argc);
  const CommandLine line = lexorra::app::parseCommandLine(args);
  switch (line.action) {
    case CommandLine::Action::help:
      std::cout << lexorra::app::helpText(lexorra::programFolder());
      return 0;
    case CommandLine::Action::version:
      std::cout << lexorra::app::versionText();
      return 0;
    case CommandLine::Action::usageError:
      std::cerr << "lexorra: " << line.problem << "\n" << lexorra::app::usageLine() << "\n";
      return 2;
    case CommandLine::Action::run:
      break;
  }
  if (auto problem =
          lexorra::app::missingDisplay([](const char* name) { return std::getenv(name); })) {
    std::cerr << *problem << "\n";
    return 1;
  }
  // Qt sees only the program's name: every argument has been read above.
  int qtArgc = 1;
  auto application = lexorra::app::openApplication(qtArgc, argv);
  // The desktop entry and the icon that an installation puts in the icon
  // theme; run from the build folder there is no such icon and Qt's own shows.
  QGuiApplication::setDesktopFileName(QStringLiteral("lexorra"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("lexorra")));
  return lexorra::app::runProgram(
      {.dataFolder = lexorra::programFolder(), .mottoFile = line.mottoFile});
}
