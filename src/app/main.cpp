// Lexorra's entry: the window program, with its data beside the executable.
#include <QApplication>

#include "app/program.h"
#include "text/datafile.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  return lexorra::app::runProgram(lexorra::programFolder());
}
