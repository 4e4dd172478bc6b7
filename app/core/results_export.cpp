#include "core/results_export.h"

#include <QFileInfo>
#include <QString>

#include "core/dialogs.h"
#include "core/path_text.h"
#include "results/results_reader.h"
#include "results/results_workbook.h"
#include "runner/run_control_file.h"

namespace {

const QString kWorkbookSuffix = QStringLiteral("xlsx");

QString withWorkbookSuffix(const QString& path) {
  return QFileInfo(path).suffix().isEmpty() ? path + QLatin1Char('.') + kWorkbookSuffix : path;
}

}  // namespace

bool ExportResults(const std::string& projectPath, TDialogs& dialogs) {
  const std::string resultsPath = withExtension(projectPath, ".json");
  if (!QFileInfo::exists(fromStdPath(resultsPath))) {
    dialogs.Information(QStringLiteral("There are no results of %1 to export. Run the analysis "
                                       "first.")
                            .arg(QFileInfo(fromStdPath(projectPath)).fileName()));
    return false;
  }
  const TDialogs::FileChoice choice = dialogs.SaveFile(
      QStringLiteral("Export Results"), {QStringLiteral("Excel Workbook (*.xlsx)")},
      fromStdPath(withExtension(projectPath, ".xlsx")));
  if (!choice.accepted) {
    return false;
  }
  std::string problem;
  const std::optional<ResultsDocument> results = readResultsFile(resultsPath, problem);
  if (!results) {
    dialogs.Information(QStringLiteral("The results file %1 cannot be read: %2.")
                            .arg(fromStdPath(resultsPath), QString::fromStdString(problem)));
    return false;
  }
  const QString workbook = withWorkbookSuffix(choice.path);
  if (!writeResultsWorkbook(*results, toStdPath(workbook), problem)) {
    dialogs.Information(QStringLiteral("The workbook %1 cannot be written: %2.")
                            .arg(workbook, QString::fromStdString(problem)));
    return false;
  }
  return true;
}
