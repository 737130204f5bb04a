// The main menu's outside world: the web site and the help page, opened with
// the desktop's default viewer without waiting for it.
#pragma once

#include <QUrl>
#include <filesystem>

namespace lexorra::ui {

inline constexpr const char* kHelpPage = "readme.htm";

// The help page: "readme.htm" in the working folder when it is there,
// otherwise the one beside the program (where a desktop launcher's program
// finds it). An empty URL when neither exists.
QUrl helpPageUrl(const std::filesystem::path& workingFolder,
                 const std::filesystem::path& programFolder);

// Hand the web site / help page to the default viewer; what the viewer makes
// of it is its business, so nothing is reported.
void openWebsite();
void openHelp();

}  // namespace lexorra::ui
