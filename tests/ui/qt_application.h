// The one Qt application of a test or benchmark run, made on first use. It
// runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another, so
// no display is needed.
#pragma once

#include <cstdlib>
#include <string>

namespace lexorra::testing {

// `Application` is QGuiApplication where only the font system and painting
// are needed, QApplication where widgets are; `name` is the program's name
// that Qt is given.
template <class Application>
Application& offscreenApplication(const char* name) {
  static int argc = 1;
  static std::string programName = name;
  static char* argv[] = {programName.data(), nullptr};
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static Application* app = new Application(argc, argv);
  return *app;
}

}  // namespace lexorra::testing
