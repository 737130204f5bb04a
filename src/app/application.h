// Creating the QApplication from the terminal's side: Qt answers a display it
// cannot open with an abort; the program answers it with one line and
// status 1.
#pragma once

#include <QApplication>
#include <memory>

namespace lexorra::app {

// Creates the application. Qt's messages while it connects to the display
// are held back; when the connection fails, the one line of
// unreachableDisplay() goes to standard error and the process ends with
// status 1 instead of Qt's abort. Otherwise the held-back messages are passed
// on as Qt would have printed them. `argc` must outlive the application.
std::unique_ptr<QApplication> openApplication(int& argc, char** argv);

}  // namespace lexorra::app
