#include "core/run_driver.h"

#include <QDir>
#include <QFileInfo>
#include <cstdint>
#include <memory>

#include "core/dialogs.h"
#include "core/program_data.h"
#include "runner/dynamic_library.h"
#include "runner/run_control_file.h"

namespace {

constexpr std::int32_t kRunRequestCode = 13;
constexpr const char* kEntrySymbol = "_IBORMEK";
using EngineEntry = std::int32_t (*)(std::int32_t);

const QString kInitFailed = QStringLiteral("Attempt to initialize DLL failed");
const QString kCompleted = QStringLiteral(
    "Computations are completed.\nPlease, check output file for results or error "
    "messages.");
const QString kCompletedWithErrors = QStringLiteral(
    "Computations are completed, but there may be errors.\nPlease, check output "
    "file for results or error messages.");

}  // namespace

TRunDriver::TRunDriver(TDialogs& dialogs, std::function<bool()> saveProject,
                       std::function<void(bool)> busy)
    : dialogs_(dialogs), saveProject_(std::move(saveProject)), busy_(std::move(busy)) {}

RunOutcome TRunDriver::CompRunClick(TProgramData& project, const QString& libraryPath) {
  RunOutcome outcome;
  // A project still carrying the new-project name was not saved: Save As
  // was cancelled, and the command ends quietly.
  if (!saveProject_() || project.FileName == kNewProjectFileName) {
    return outcome;
  }
  const QString projectPath = QString::fromStdString(project.FileName);
  const QString folder = QFileInfo(projectPath).absolutePath();
  QDir::setCurrent(folder);
  writeRunControlFile(folder.toStdString(),
                      QFileInfo(projectPath).absoluteFilePath().toStdString());

  // The binding lives only for this call: it is released on every path, so
  // a later run binds the library afresh.
  TDynamicLibrary library;
  EngineEntry entry = nullptr;
  try {
    library.SetLibraryName(libraryPath.toStdString());
    library.Open();
    entry = reinterpret_cast<EngineEntry>(library.ProcAddress(kEntrySymbol));
  } catch (const EDLLError&) {
    entry = nullptr;
  }
  if (entry == nullptr) {
    dialogs_.Information(kInitFailed);
    return outcome;
  }
  busy_(true);
  outcome.status = entry(kRunRequestCode);
  busy_(false);
  outcome.ran = true;
  library.Close();
  QDir(folder).remove(QString::fromLatin1(kRunControlFileName));
  dialogs_.Information(outcome.status == 0 ? kCompleted : kCompletedWithErrors);
  return outcome;
}
