#include "core/file_commands.h"

#include <QDir>
#include <QFileInfo>

#include "core/app_settings.h"
#include "core/dialogs.h"
#include "core/display_name.h"
#include "core/path_text.h"
#include "core/plot_results.h"
#include "core/program_data.h"
#include "core/project_file.h"
#include "core/project_view.h"

namespace {

const QString kSaveQuestion = QStringLiteral("Do you want to save any changes?");
const QStringList kOpenFilters = {QStringLiteral("Bormek 2012 (*.bkd)"),
                                  QStringLiteral("Bormek 6.0 (*.bkd)"),
                                  QStringLiteral("All Files (*)")};
// The filter of the open dialog that reads the legacy layout.
constexpr int kLegacyFilterIndex = 1;
const QStringList kSaveFilters = {QStringLiteral("Bormek 7.0 (*.bkd)"),
                                  QStringLiteral("All File (*)")};

}  // namespace

TFileCommands::TFileCommands(TProgramData& project, TPlotSet& plots, TAppSettings& settings,
                             TDialogs& dialogs, TProjectView& view)
    : project_(project), plots_(plots), settings_(settings), dialogs_(dialogs), view_(view) {}

void TFileCommands::New() {
  if (!view_.CommitActiveChild()) {
    return;
  }
  if (AskSaveChanges()) {
    view_.CloseAllChildren();
    project_.Create();
    view_.ShowProjectName();
  }
  view_.SetResultsLoaded(false);
  view_.ApplyColumnVisibility();
}

void TFileCommands::Open() {
  if (!view_.CommitActiveChild() || !AskSaveChanges()) {
    return;
  }
  const TDialogs::FileChoice choice =
      dialogs_.OpenFile(QStringLiteral("Open"), kOpenFilters, QString());
  if (choice.accepted) {
    OpenFileName(choice.path, choice.filterIndex != kLegacyFilterIndex);
  }
}

void TFileCommands::OpenRecent(int slot) {
  if (!view_.CommitActiveChild() || !AskSaveChanges()) {
    return;
  }
  // A copy: opening reorders the list that holds it.
  const QString path = settings_.Recent.PrevFiles.at(static_cast<std::size_t>(slot));
  OpenFileName(path);
}

void TFileCommands::Drop(const QString& path) {
  if (view_.CommitActiveChild() && AskSaveChanges()) {
    loadProject(path, true);
  }
}

// A file that does not exist gives a new project, without a message.
void TFileCommands::StartWith(const QStringList& arguments) {
  const QFileInfo file = [&arguments] {
    if (arguments.isEmpty()) {
      return QFileInfo();
    }
    QString path = arguments.front();
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.'))) {
      path += QLatin1Char('.') + QLatin1String(kProjectExtension);
    }
    return QFileInfo(path);
  }();
  if (file.isFile()) {
    const std::string error = project_.CreateFromFile(toStdPath(file.absoluteFilePath()), true);
    loadResults();
    if (!error.empty()) {
      dialogs_.Information(QString::fromStdString(error));
    }
  } else {
    project_.Create();
  }
  view_.ShowProjectName();
  view_.ApplyColumnVisibility();
}

void TFileCommands::Save() {
  if (view_.CommitActiveChild()) {
    SaveProject();
  }
}

void TFileCommands::SaveAs() {
  if (view_.CommitActiveChild()) {
    saveProjectAs();
  }
}

bool TFileCommands::Close() {
  if (!view_.CommitActiveChild() || !AskSaveChanges()) {
    return false;
  }
  settings_.UpdateRegistry();
  view_.CloseAllChildren();
  return true;
}

bool TFileCommands::AskSaveChanges() {
  if (!project_.Modified()) {
    return true;
  }
  switch (dialogs_.Confirm(kSaveQuestion)) {
    case TDialogs::Answer::kCancel:
      return false;
    case TDialogs::Answer::kNo:
      return true;
    case TDialogs::Answer::kYes:
      break;
  }
  return SaveProject() && project_.FileName != kNewProjectFileName;
}

bool TFileCommands::SaveProject() {
  if (project_.FileName == kNewProjectFileName) {
    return saveProjectAs();
  }
  return writeProject();
}

void TFileCommands::OpenFileName(const QString& path, bool currentFormat) {
  loadProject(path, currentFormat);
  UpdatePrevFile(path);
  view_.ApplyColumnVisibility();
}

void TFileCommands::UpdatePrevFile(const QString& path) {
  settings_.UpdatePrevFile(path);
  view_.ShowRecentFiles();
}

// Replaces the project by the file's after closing every child window (they
// show the old tables). A reading error is shown once the caption names the
// file; the project keeps what was read.
void TFileCommands::loadProject(const QString& path, bool currentFormat) {
  view_.CloseAllChildren();
  QDir::setCurrent(QFileInfo(path).absolutePath());
  const std::string error = project_.CreateFromFile(toStdPath(path), currentFormat);
  view_.ShowProjectName();
  loadResults();
  if (!error.empty()) {
    dialogs_.Information(QString::fromStdString(error));
  }
}

bool TFileCommands::saveProjectAs() {
  const TDialogs::FileChoice choice = dialogs_.SaveFile(
      QStringLiteral("Save ") + DisplayName(projectPath()) + QStringLiteral(" As"), kSaveFilters,
      projectPath());
  bool saved = false;
  if (choice.accepted) {
    project_.FileName = toStdPath(choice.path);
    view_.ShowProjectName();
    saved = writeProject();
  }
  view_.SetResultsLoaded(false);
  return saved;
}

bool TFileCommands::writeProject() {
  try {
    project_.Save();
    return true;
  } catch (const EProjectFileError& error) {
    dialogs_.Information(QString::fromStdString(error.what()));
    return false;
  }
}

void TFileCommands::loadResults() {
  view_.SetResultsLoaded(LoadProjectResults(plots_, project_, dialogs_, false));
}

QString TFileCommands::projectPath() const {
  return fromStdPath(project_.FileName);
}
