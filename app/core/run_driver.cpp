#include "core/run_driver.h"

#include <QDir>
#include <QFileInfo>

#include "core/dialogs.h"
#include "core/path_text.h"
#include "core/plot_results.h"
#include "core/program_data.h"
#include "runner/project_run.h"
#include "runner/run_status.h"

namespace {

const QString kInitFailed = QStringLiteral("Attempt to initialize DLL failed");
const QString kCompleted = QStringLiteral(
    "Computations are completed.\nPlease, check output file for results or error "
    "messages.");
const QString kCompletedWithErrors = QStringLiteral(
    "Computations are completed, but there may be errors.\nPlease, check output "
    "file for results or error messages.");

// What the user is told of a run that did not reach the engine.
QString faultMessage(const ProjectRun& run) {
  if (run.stage == RunStage::kLibraryUnusable) {
    return kInitFailed;
  }
  return QString::fromStdString(run.fault);
}

}  // namespace

TRunDriver::TRunDriver(TDialogs& dialogs, TPlotSet& plots, std::function<bool()> saveProject,
                       std::function<void(bool)> busy)
    : dialogs_(dialogs),
      plots_(plots),
      saveProject_(std::move(saveProject)),
      busy_(std::move(busy)) {}

RunOutcome TRunDriver::CompRunClick(TProgramData& project, const QString& libraryPath) {
  RunOutcome outcome;
  // A project still carrying the new-project name was not saved: Save As
  // was cancelled, and the command ends quietly.
  if (!saveProject_() || project.FileName == kNewProjectFileName) {
    return outcome;
  }
  const QFileInfo projectFile(fromStdPath(project.FileName));
  const QString projectPath = projectFile.absoluteFilePath();
  // The program keeps working in the project's folder after the run.
  QDir::setCurrent(projectFile.absolutePath());
  const ProjectRun run = runProject(toStdPath(libraryPath), toStdPath(projectPath), busy_);
  if (run.stage != RunStage::kEngineCalled) {
    dialogs_.Information(faultMessage(run));
    return outcome;
  }
  outcome.ran = true;
  outcome.status = run.status;
  dialogs_.Information(outcome.status == kRunCompleted ? kCompleted : kCompletedWithErrors);
  outcome.resultsLoaded = LoadProjectResults(plots_, project, dialogs_, true);
  return outcome;
}
