#include "widgets/main_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QUrl>

#include "core/dialogs.h"
#include "core/display_name.h"
#include "core/program_data.h"
#include "core/project_file.h"
#include "core/run_driver.h"
#include "core/soil_layer_columns.h"
#include "core/soil_layer_tables.h"
#include "runner/engine_library.h"
#include "runner/run_control_file.h"
#include "widgets/about_box.h"
#include "widgets/data_form.h"
#include "widgets/data_windows.h"
#include "widgets/table_form.h"

namespace {

const QString kCaptionPrefix = QStringLiteral("Bormek 2012.7.8 - ");
const QString kSaveQuestion = QStringLiteral("Do you want to save any changes?");
const QString kEditorFailure = QStringLiteral("An error occurred in running the Word Processor");
const QStringList kOpenFilters = {QStringLiteral("Bormek 2012 (*.bkd)"),
                                  QStringLiteral("Bormek 6.0 (*.bkd)"),
                                  QStringLiteral("All Files (*)")};
// The filter of the open dialog that reads the legacy layout.
constexpr int kLegacyFilterIndex = 1;
const QStringList kSaveFilters = {QStringLiteral("Bormek 7.0 (*.bkd)"),
                                  QStringLiteral("All File (*)")};

// Comment texts of the table windows: "\r" breaks the line, U+00B7 is the
// bullet.
constexpr const char* kAsdComments =
    "Max. Side Friction and Max. End Bearing:\r"
    "\u00B7 If entries are left as zero, the program assumes no limits in side friction and end "
    "bearing computed by the program.";
constexpr const char* kLrfdComments =
    "Max. Side Friction and Max. End Bearing:\r"
    "\u00B7 If entries are left as zero, the program assumes no limits in side friction and end "
    "bearing computed by the program.\r"
    "LRFD Resistance Factors\r"
    "\u00B7 Options for entering LRFD resistance factors for side friction and for for tip "
    "resistance in each layer.";
constexpr const char* kSandComments =
    "The user may optionally enter blow counts only in cases the friction angle is not readily "
    "available.\r"
    "When both friction angels and blow counts are entered, only friction angels are used for "
    "computation. \r"
    "If the user intends to use Ko for side-friction computation, please leave Beta as zero. \r"
    "If the user intends to use Beta coefficient for side-friction computation, please leave Ko "
    "as zero.\r"
    "If the user designates zero values for both Ko and Beta, the program will internally "
    "generate Beta for \r"
    "side-friction computation.";
constexpr const char* kClayComments =
    "The user may optionally enter blow counts only in cases the cohesion is not readily "
    "available.\r"
    "If the user designates zero values for both Alpha factor and Nc,\r"
    "the program will internally generate those values during computation.";

// The radio items of the Units, Design Method and Computation Methods
// submenus and the project value whose tag each one carries.
struct RadioItem {
  const char* name;
  int TProgramData::*value;
};

constexpr RadioItem kRadioItems[] = {
    {"EnglishUnitsItem", &TProgramData::UnitSystem},
    {"SiUnitsItem", &TProgramData::UnitSystem},
    {"AsdItem", &TProgramData::DesignMethod},
    {"LrfdItem", &TProgramData::DesignMethod},
    {"ShaftLengthItem", &TProgramData::DesignControl},
    {"DesignLoadItem", &TProgramData::DesignControl},
};

// The plots that need more than one load-settlement curve.
constexpr const char* kSettlementBoundPlots[] = {"pltUpper", "pltLower", "pltCombinedSettle"};

// Paths are held as std::string in the project, in the file system's
// encoding.
std::string toStdPath(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

QString fromStdPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

// A menu text shows "&" only when doubled.
QString menuText(QString text) {
  return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

TMainForm::TMainForm(const QStringList& arguments, TDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      arguments_(arguments),
      dialogs_(dialogs),
      tables_(CreateSoilLayerTables()) {
  setAcceptDrops(true);
  settings_.ReadAtCreation();

  mdiArea_ = new QMdiArea(this);
  // Wide tables (D with its resistance factors) scroll rather than clip.
  mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdiArea_->setObjectName(QStringLiteral("MdiArea"));
  setCentralWidget(mdiArea_);
  createFileMenu();
  createDataMenu();
  createComputationMenu();
  createGraphicsMenu();
  createWindowMenu();
  createHelpMenu();
  createToolBar();

  // The templates carry their comments into every sub-table cloned from
  // them, so they are set before the project creates its first layer.
  tables_->D().Comments = kAsdComments;
  tables_->Component("tblDataSand")->Comments = kSandComments;
  tables_->Component("tblDataClay")->Comments = kClayComments;
  project_ = std::make_unique<TProgramData>(*tables_);
  dataWindows_ = new TDataWindows(mdiArea_, *project_, settings_, dialogs_);

  updateCaption();
  setResultsLoaded(false);
  updateCommandStates();
}

TMainForm::~TMainForm() {
  // The child windows refer to the tables: they go first.
  delete mdiArea_;
}

QAction* TMainForm::Action(const QString& name) const {
  return findChild<QAction*>(name);
}

QMenu* TMainForm::Menu(const QString& name) const {
  return findChild<QMenu*>(name);
}

// ---- file commands ----------------------------------------------------------

bool TMainForm::AskSaveChanges() {
  if (!project_->Modified()) {
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
  return saveProject() && project_->FileName != kNewProjectFileName;
}

void TMainForm::fileNewClick() {
  CommitActiveChild();
  if (AskSaveChanges()) {
    closeAllChildren();
    project_->Create();
    updateCaption();
  }
  setResultsLoaded(false);
  applyColumnVisibility();
  updateCommandStates();
}

void TMainForm::fileOpenClick() {
  CommitActiveChild();
  if (!AskSaveChanges()) {
    return;
  }
  const TDialogs::FileChoice choice =
      dialogs_.OpenFile(QStringLiteral("Open"), kOpenFilters, QString());
  if (choice.accepted) {
    OpenFileName(choice.path, choice.filterIndex != kLegacyFilterIndex);
  }
}

void TMainForm::openRecentFile(int slot) {
  const QString path = settings_.Recent.PrevFiles.at(static_cast<std::size_t>(slot));
  if (AskSaveChanges()) {
    OpenFileName(path);
  }
}

void TMainForm::OpenFileName(const QString& path, bool currentFormat) {
  loadProject(path, currentFormat);
  UpdatePrevFile(path);
  applyColumnVisibility();
  updateCommandStates();
}

// Replaces the project by the file's after closing every child window (they
// show the old tables). A reading error is shown once the caption names the
// file; the project keeps what was read.
void TMainForm::loadProject(const QString& path, bool currentFormat) {
  closeAllChildren();
  const QFileInfo file(path);
  QDir::setCurrent(file.absolutePath());
  const std::string error = project_->CreateFromFile(toStdPath(path), currentFormat);
  updateCaption();
  // The plot results are read by the plot model, which the window does not
  // have yet: no results are loaded.
  setResultsLoaded(false);
  if (!error.empty()) {
    dialogs_.Information(QString::fromStdString(error));
  }
}

void TMainForm::fileSaveClick() {
  CommitActiveChild();
  saveProject();
  updateCommandStates();
}

void TMainForm::fileSaveAsClick() {
  CommitActiveChild();
  saveProjectAs();
  updateCommandStates();
}

bool TMainForm::saveProject() {
  if (project_->FileName == kNewProjectFileName) {
    return saveProjectAs();
  }
  return writeProject();
}

bool TMainForm::saveProjectAs() {
  const TDialogs::FileChoice choice = dialogs_.SaveFile(
      QStringLiteral("Save ") + DisplayName(projectPath()) + QStringLiteral(" As"), kSaveFilters,
      projectPath());
  bool saved = false;
  if (choice.accepted) {
    project_->FileName = toStdPath(choice.path);
    updateCaption();
    saved = writeProject();
  }
  setResultsLoaded(false);
  return saved;
}

bool TMainForm::writeProject() {
  try {
    project_->Save();
    return true;
  } catch (const EProjectFileError& error) {
    dialogs_.Information(QString::fromStdString(error.what()));
    return false;
  }
}

void TMainForm::UpdatePrevFile(const QString& path) {
  settings_.UpdatePrevFile(path);
  updateFileMenu();
}

void TMainForm::UpdateRegistry() {
  settings_.UpdateRegistry();
}

// ---- window events ----------------------------------------------------------

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) {
    return;
  }
  shown_ = true;
  settings_.ReadAtFirstShowing();
  updateFileMenu();
  startWithArguments();
  updateCaption();
  applyColumnVisibility();
  updateCommandStates();
}

// The first argument names a project; without an extension it is a ".bkd"
// file. A file that does not exist gives a new project, without a message.
void TMainForm::startWithArguments() {
  if (!arguments_.isEmpty()) {
    QString path = arguments_.front();
    if (!QFileInfo(path).fileName().contains(QLatin1Char('.'))) {
      path += QLatin1Char('.') + QLatin1String(kProjectExtension);
    }
    const QFileInfo file(path);
    if (file.isFile()) {
      const std::string error = project_->CreateFromFile(toStdPath(file.absoluteFilePath()), true);
      setResultsLoaded(false);
      if (!error.empty()) {
        dialogs_.Information(QString::fromStdString(error));
      }
      return;
    }
  }
  project_->Create();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  CommitActiveChild();
  if (!AskSaveChanges()) {
    event->ignore();
    return;
  }
  UpdateRegistry();
  closeAllChildren();
  event->accept();
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (!urls.isEmpty() && urls.front().isLocalFile()) {
    event->acceptProposedAction();
  }
}

void TMainForm::dropEvent(QDropEvent* event) {
  const QList<QUrl> urls = event->mimeData()->urls();
  if (urls.isEmpty() || !urls.front().isLocalFile()) {
    return;
  }
  event->acceptProposedAction();
  dropFile(urls.front().toLocalFile());
}

// A dropped file is read in the current layout; it does not enter the
// recent list and leaves the column visibility as it is.
void TMainForm::dropFile(const QString& path) {
  CommitActiveChild();
  if (AskSaveChanges()) {
    loadProject(path, true);
    updateCommandStates();
  }
}

void TMainForm::CommitActiveChild() {
  QMdiSubWindow* child = mdiArea_->currentSubWindow();
  if (child == nullptr) {
    const QList<QMdiSubWindow*> children = mdiArea_->subWindowList(QMdiArea::StackingOrder);
    if (children.isEmpty()) {
      return;
    }
    child = children.back();
  }
  if (auto* table = qobject_cast<TTableForm*>(child->widget())) {
    table->FormDeactivate();
  } else if (auto* form = qobject_cast<TDataForm*>(child->widget())) {
    form->FormDeactivate();
  }
}

// The project is being replaced or the program ends: the data windows close
// without storing, the table windows after storing a valid pending entry.
void TMainForm::closeAllChildren() {
  dataWindows_->CloseAll();
  mdiArea_->closeAllSubWindows();
}

// ---- Data and Computation commands --------------------------------------------

void TMainForm::setUnits(int system) {
  project_->SetUnits(system);
  dataWindows_->RefreshUnits();
  updateCommandStates();
}

void TMainForm::setDesignMethod(int method) {
  if (project_->DesignMethod != method) {
    project_->DesignMethod = method;
    project_->SetModified(true);
  }
  applyColumnVisibility();
  tables_->D().Comments = method == kLrfdMethod ? kLrfdComments : kAsdComments;
  updateCommandStates();
}

// Each computation method has its window: the other one closes (storing
// its values) and this one is shown.
void TMainForm::setDesignControl(int control) {
  if (project_->DesignControl != control) {
    project_->DesignControl = control;
    project_->SetModified(true);
  }
  const bool byLength = control == kShaftLengthSpecified;
  dataWindows_->Close(byLength ? TDataWindows::Kind::kDesignLoad
                               : TDataWindows::Kind::kShaftLength);
  dataWindows_->Show(byLength ? TDataWindows::Kind::kShaftLength : TDataWindows::Kind::kDesignLoad);
  updateCommandStates();
}

// The LRFD resistance factors are columns of D shown only under LRFD; an
// open table window of D is closed so that it is rebuilt with them.
void TMainForm::applyColumnVisibility() {
  TGridTable& d = tables_->D();
  const bool lrfd = project_->DesignMethod == kLrfdMethod;
  d.Columns(kLrfdSideColumn).Visible = lrfd;
  d.Columns(kLrfdTipColumn).Visible = lrfd;
  TTableForm::CloseWindow(d);
}

void TMainForm::showSoilLayerTable() {
  TTableForm::ShowWindow(tables_->D(), mdiArea_, dialogs_);
}

void TMainForm::CompRunClick() {
  CommitActiveChild();
  TRunDriver driver(
      dialogs_, [this] { return saveProject(); },
      [](bool busy) {
        if (busy) {
          QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
          QGuiApplication::restoreOverrideCursor();
        }
      });
  driver.CompRunClick(*project_, QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                                     QLatin1String(kEngineLibraryFileName));
  // The plot results of the run are read by the plot model, which the
  // window does not have yet.
  setResultsLoaded(false);
  updateCommandStates();
}

void TMainForm::openInEditor(const QString& path) {
  const EditorCommand command = EditorCommandFor(settings_.WordProcessor, path);
  if (command.program.isEmpty() || !QProcess::startDetached(command.program, command.arguments)) {
    dialogs_.Information(kEditorFailure);
  }
}

// ---- Window and Help ------------------------------------------------------------

void TMainForm::showChild(int index) {
  const QList<QMdiSubWindow*> children = mdiArea_->subWindowList();
  if (index >= children.size()) {
    return;
  }
  QMdiSubWindow* child = children.at(index);
  if (child->isMinimized()) {
    child->showNormal();
  }
  mdiArea_->setActiveSubWindow(child);
}

// Help documents sit beside the program; a missing one is passed over
// silently.
void TMainForm::openHelpDocument(const QString& fileName) {
  const QString path = QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName;
  if (QFileInfo::exists(path)) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  }
}

void TMainForm::showAboutBox() {
  TAboutBox box(this);
  box.exec();
}

// ---- state shown by the window ---------------------------------------------------

void TMainForm::setResultsLoaded(bool loaded) {
  resultsLoaded_ = loaded;
  Action(QStringLiteral("CombinedPlotButton"))->setEnabled(loaded);
  Action(QStringLiteral("LoadSettlementButton"))->setEnabled(loaded);
}

void TMainForm::updateCaption() {
  setWindowTitle(kCaptionPrefix + DisplayName(projectPath()));
}

void TMainForm::updateFileMenu() {
  const TRecentFiles& recent = settings_.Recent;
  const QString folder = QDir::currentPath();
  for (int slot = 0; slot < kPrevFileSlots; ++slot) {
    QAction* item = recentSlots_.at(static_cast<std::size_t>(slot));
    const bool used = slot < recent.PrevFileCount;
    if (used) {
      item->setText(menuText(recent.SlotCaption(slot, folder)));
    }
    item->setVisible(used);
  }
  recentSeparator_->setVisible(recent.PrevFileCount > 0);
}

// Enabling and check marks of the Data, Computation and Graphics items.
void TMainForm::updateCommandStates() {
  const TProgramData& project = *project_;
  for (const RadioItem& radio : kRadioItems) {
    QAction* item = Action(QLatin1String(radio.name));
    item->setChecked(item->data().toInt() == project.*radio.value);
  }
  Action(QStringLiteral("FactorOfSafetyItem"))->setEnabled(project.DesignMethod == kAsdMethod);

  Action(QStringLiteral("EditInputItem"))->setEnabled(QFileInfo::exists(projectPath()));
  Action(QStringLiteral("EditRunNotesItem"))
      ->setEnabled(QFileInfo::exists(projectPathWithExtension(".bkr")));
  Action(QStringLiteral("EditOutputItem"))
      ->setEnabled(QFileInfo::exists(projectPathWithExtension(".bko")));

  const bool plots = resultsLoaded_ && QFileInfo::exists(projectPathWithExtension(".bkp"));
  for (QAction* item : Menu(QStringLiteral("GraphicsMenu"))->actions()) {
    if (!item->isSeparator()) {
      item->setEnabled(plots);
    }
  }
  if (project.SettlementCurves == 0) {
    for (const char* plot : kSettlementBoundPlots) {
      Action(QLatin1String(plot) + QStringLiteral("Item"))->setEnabled(false);
    }
  }
}

void TMainForm::updateWindowMenu() {
  const QList<QMdiSubWindow*> children = mdiArea_->subWindowList();
  windowSeparator_->setVisible(!children.isEmpty());
  for (int index = 0; index < static_cast<int>(windowSlots_.size()); ++index) {
    QAction* slot = windowSlots_.at(static_cast<std::size_t>(index));
    const bool used = index < children.size();
    if (used) {
      slot->setText(menuText(children.at(index)->windowTitle()));
    }
    slot->setVisible(used);
  }
}

QString TMainForm::projectPath() const {
  return fromStdPath(project_->FileName);
}

QString TMainForm::projectPathWithExtension(const char* extension) const {
  return fromStdPath(withExtension(project_->FileName, extension));
}
