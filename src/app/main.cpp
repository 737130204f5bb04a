// Lexorra's entry: the window program, with its data beside the executable.
#include <QApplication>

#include "app/program.h"
#include "text/datafile.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // `lexorra FILE` opens the motto file FILE at start.
  std::optional<std::filesystem::path> mottoFile;
  if (argc > 1) mottoFile = argv[1];
  return lexorra::app::runProgram(lexorra::programFolder(), mottoFile);
}
