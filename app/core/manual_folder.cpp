#include "core/manual_folder.h"

#include <QFileInfo>

#include "core/help_book.h"
#include "core/path_text.h"
#include "runner/install_layout.h"
#include "runner/program_files.h"

namespace {

constexpr const char* kManualFolderName = "manual";

}  // namespace

QString ManualFolderOf(const QString& programFolder) {
  const std::string contents =
      std::string(kManualFolderName) + "/" + std::string(kHelpContentsTopic);
  const QString found =
      fromStdPath(programFilePath(toStdPath(programFolder), contents, kDataFolderFromProgram));
  return QFileInfo(found).path();
}
