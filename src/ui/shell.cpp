#include "ui/shell.h"

#include <QDesktopServices>
#include <system_error>

#include "text/datafile.h"
#include "ui/splash.h"

namespace lexorra::ui {

QUrl helpPageUrl(const std::filesystem::path& workingFolder,
                 const std::filesystem::path& programFolder) {
  for (const auto& folder : {workingFolder, programFolder}) {
    std::error_code ec;
    const std::filesystem::path page = folder / kHelpPage;
    if (std::filesystem::is_regular_file(page, ec))
      return QUrl::fromLocalFile(QString::fromStdString(std::filesystem::absolute(page).string()));
  }
  return {};
}

void openWebsite() {
  QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebsite)));
}

void openHelp() {
  std::error_code ec;
  const QUrl page = helpPageUrl(std::filesystem::current_path(ec), programFolder());
  if (!page.isEmpty()) QDesktopServices::openUrl(page);
}

}  // namespace lexorra::ui
