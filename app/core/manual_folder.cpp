#include "core/manual_folder.h"

#include <QDir>
#include <QFileInfo>

#include "core/help_book.h"
#include "runner/install_layout.h"

namespace {

constexpr const char* kManualFolderName = "manual";

bool holdsContents(const QString& folder) {
  return QFileInfo::exists(QDir(folder).filePath(QLatin1String(kHelpContentsTopic)));
}

}  // namespace

QString ManualFolderOf(const QString& programFolder) {
  const QDir program(programFolder);
  const QString beside = program.filePath(QLatin1String(kManualFolderName));
  const QString installed =
      QDir::cleanPath(program.filePath(QLatin1String(kDataFolderFromProgram)) + QLatin1Char('/') +
                      QLatin1String(kManualFolderName));
  return !holdsContents(beside) && holdsContents(installed) ? installed : beside;
}
