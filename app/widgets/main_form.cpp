#include "widgets/main_form.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMimeData>
#include <QProcess>

#include "core/dialogs.h"
#include "core/display_name.h"
#include "core/file_commands.h"
#include "core/help_topics.h"
#include "core/manual_folder.h"
#include "core/path_text.h"
#include "core/plot_set.h"
#include "core/product.h"
#include "core/program_data.h"
#include "core/results_export.h"
#include "core/run_driver.h"
#include "core/soil_layer_columns.h"
#include "core/soil_layer_tables.h"
#include "runner/engine_library.h"
#include "runner/run_control_file.h"
#include "widgets/about_box.h"
#include "widgets/data_form.h"
#include "widgets/data_windows.h"
#include "widgets/elevation_view.h"
#include "widgets/help_window.h"
#include "widgets/menu_text.h"
#include "widgets/plot_form.h"
#include "widgets/report_viewer.h"
#include "widgets/table_form.h"
#include "widgets/window_placement.h"

namespace {

const QString kCaptionPrefix =
    QStringLiteral("Bormek ") + QLatin1String(kProductVersion) + QStringLiteral(" - ");
const QString kEditorFailure = QStringLiteral("An error occurred in running the Word Processor");

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

// The engine library this program runs: beside it or where it is installed.
QString programEngineLibrary() {
  return fromStdPath(engineLibraryPath(toStdPath(QCoreApplication::applicationDirPath())));
}

// The manuals of this program: beside it or where they are installed.
QString programManualFolder() {
  return ManualFolderOf(QCoreApplication::applicationDirPath());
}

}  // namespace

TMainForm::TMainForm(const QStringList& arguments, TDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent),
      arguments_(arguments),
      dialogs_(dialogs),
      tables_(CreateSoilLayerTables()),
      plots_(std::make_unique<TPlotSet>()) {
  setAcceptDrops(true);
  settings_.ReadAtCreation();

  mdiArea_ = new QMdiArea(this);
  // Wide tables (D with its resistance factors) scroll rather than clip.
  mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  mdiArea_->setObjectName(QStringLiteral("MdiArea"));
  setCentralWidget(mdiArea_);
  KeepChildWindowsInside(*mdiArea_);
  createFileMenu();
  createDataMenu();
  createComputationMenu();
  createGraphicsMenu();
  createWindowMenu();
  createHelpMenu();
  createToolBar();
  // F1 in a modal dialog (main_form.h, eventFilter).
  QApplication::instance()->installEventFilter(this);

  // The templates carry their comments into every sub-table cloned from
  // them, so they are set before the project creates its first layer.
  tables_->D().Comments = kAsdComments;
  tables_->Component("tblDataSand")->Comments = kSandComments;
  tables_->Component("tblDataClay")->Comments = kClayComments;
  project_ = std::make_unique<TProgramData>(*tables_);
  dataWindows_ = new TDataWindows(mdiArea_, *project_, settings_, dialogs_);
  plots_->SetWindowFactory([this](TGraphPlot& plot) -> TPlotWindow* {
    return TPlotForm::Create(plot, mdiArea_, dialogs_);
  });
  files_ = std::make_unique<TFileCommands>(*project_, *plots_, settings_, dialogs_,
                                           static_cast<TProjectView&>(*this));

  ShowProjectName();
  SetResultsLoaded(false);
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

void TMainForm::OpenFileName(const QString& path, bool currentFormat) {
  files_->OpenFileName(path, currentFormat);
  updateCommandStates();
}

void TMainForm::fileNewClick() {
  files_->New();
  updateCommandStates();
}

void TMainForm::fileOpenClick() {
  files_->Open();
  updateCommandStates();
}

void TMainForm::openRecentFile(int slot) {
  files_->OpenRecent(slot);
  updateCommandStates();
}

void TMainForm::dropFile(const QString& path) {
  files_->Drop(path);
  updateCommandStates();
}

void TMainForm::fileSaveClick() {
  files_->Save();
  updateCommandStates();
}

void TMainForm::fileSaveAsClick() {
  files_->SaveAs();
  updateCommandStates();
}

void TMainForm::fileExportResultsClick() {
  ExportResults(project_->FileName, dialogs_);
}

// ---- window events ----------------------------------------------------------

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) {
    return;
  }
  shown_ = true;
  settings_.ReadAtFirstShowing();
  ShowRecentFiles();
  files_->StartWith(arguments_);
  // The program starts with an elevation view of the project it opened.
  createElevationView();
  updateCommandStates();
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (!files_->Close()) {
    event->ignore();
    return;
  }
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

bool TMainForm::CommitActiveChild() {
  QMdiSubWindow* child = mdiArea_->currentSubWindow();
  if (child == nullptr) {
    const QList<QMdiSubWindow*> children = mdiArea_->subWindowList(QMdiArea::StackingOrder);
    if (children.isEmpty()) {
      return true;
    }
    child = children.back();
  }
  if (auto* table = qobject_cast<TTableForm*>(child->widget())) {
    return table->FormDeactivate();
  }
  if (auto* form = qobject_cast<TDataForm*>(child->widget())) {
    if (!form->FormDeactivate()) {
      form->FocusRefusedField();
      return false;
    }
  }
  return true;
}

TDlgSideView* TMainForm::createElevationView() {
  auto* view = new TDlgSideView(*project_, dialogs_);
  view->setAttribute(Qt::WA_DeleteOnClose);
  QMdiSubWindow* window = mdiArea_->addSubWindow(view);
  window->setAttribute(Qt::WA_DeleteOnClose);
  view->SetSubWindow(window);
  window->show();
  view->FormActivate();
  return view;
}

void TMainForm::ViewElevationClick() {
  if (!CommitActiveChild()) {
    return;
  }
  if (elevation_ == nullptr) {
    elevation_ = createElevationView();
    return;
  }
  auto* window = qobject_cast<QMdiSubWindow*>(elevation_->parentWidget());
  if (window != nullptr) {
    window->showNormal();
    mdiArea_->setActiveSubWindow(window);
  }
}

// The project is being replaced or the program ends: the data windows close
// without storing, the table windows after storing a valid pending entry.
void TMainForm::CloseAllChildren() {
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
  ApplyColumnVisibility();
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
// open table window of D is closed so that it is rebuilt with them, and
// with the note of the project's design method.
void TMainForm::ApplyColumnVisibility() {
  TGridTable& d = tables_->D();
  const bool lrfd = project_->DesignMethod == kLrfdMethod;
  d.Columns(kLrfdSideColumn).Visible = lrfd;
  d.Columns(kLrfdTipColumn).Visible = lrfd;
  TTableForm::CloseWindow(d);
  showDesignMethodNote();
}

// The note under the soil-layer table explains the columns of the project's
// design method: the switch, New, Open and the command-line start apply it
// with the columns, and opening the table applies it again for a project
// that came in any other way (a dropped file).
void TMainForm::showDesignMethodNote() {
  tables_->D().Comments = project_->DesignMethod == kLrfdMethod ? kLrfdComments : kAsdComments;
}

void TMainForm::showSoilLayerTable() {
  if (!TTableForm::HasWindow(tables_->D())) {
    showDesignMethodNote();
  }
  TTableForm::ShowWindow(tables_->D(), mdiArea_, dialogs_);
}

void TMainForm::CompRunClick() {
  if (!CommitActiveChild()) {
    return;
  }
  TRunDriver driver(
      dialogs_, *plots_, [this] { return files_->SaveProject(); },
      [](bool busy) {
        if (busy) {
          QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
          QGuiApplication::restoreOverrideCursor();
        }
      });
  const RunOutcome outcome = driver.CompRunClick(*project_, programEngineLibrary());
  // A run that did not reach the engine leaves the results as they were.
  if (outcome.ran) {
    SetResultsLoaded(outcome.resultsLoaded);
    plots_->RefreshWindows();
    TReportViewer::ReloadAll(mdiArea_);
  }
  updateCommandStates();
}

// The configured editor wins; without one the program's own viewer shows
// the file.
void TMainForm::openInEditor(const QString& path) {
  const auto command = EditorCommandFor(settings_.WordProcessor, path);
  if (!command) {
    TReportViewer::Show(mdiArea_, path, dialogs_);
    return;
  }
  if (command->program.isEmpty() ||
      !QProcess::startDetached(command->program, command->arguments)) {
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

THelpWindow* TMainForm::HelpWindow() const {
  return helpWindow_.data();
}

// The program's manuals (beside it or installed), in the one help window,
// on its contents.
void TMainForm::showHelp(const QString& topic) {
  if (helpWindow_ == nullptr) {
    helpWindow_ = new THelpWindow(programManualFolder(), dialogs_, this);
  }
  helpWindow_->ShowTab(THelpWindow::Tab::kContents);
  helpWindow_->ShowTopic(topic);
}

// F1: the page of the window the user works in.
void TMainForm::showContextHelp() {
  const bool inHelp = helpWindow_ != nullptr && QApplication::activeWindow() == helpWindow_;
  showHelp(HelpTopicFor(inHelp ? QStringLiteral("THelpWindow") : activeWindowKey()));
}

// The help key of the active child window: a table window's table caption,
// otherwise the class of the window (of the sub-window itself when it is
// one of the program's, as the plot window is); "" when no child is open.
QString TMainForm::activeWindowKey() const {
  const QMdiSubWindow* child = mdiArea_->currentSubWindow();
  if (child == nullptr) {
    return {};
  }
  if (child->metaObject() != &QMdiSubWindow::staticMetaObject) {
    return QLatin1String(child->metaObject()->className());
  }
  if (child->widget() == nullptr) {
    return {};
  }
  if (const auto* table = qobject_cast<const TTableForm*>(child->widget())) {
    return table->TableCaption();
  }
  return QLatin1String(child->widget()->metaObject()->className());
}

// F1 while a modal dialog is open (the plot window's dialogs): the main
// window's F1 and its help window wait until the dialog closes, so the
// page opens in a help window of the dialog's own, which closes with it.
bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress ||
      !static_cast<QKeyEvent*>(event)->matches(QKeySequence::HelpContents)) {
    return QMainWindow::eventFilter(watched, event);
  }
  QWidget* dialog = QApplication::activeModalWidget();
  auto* target = qobject_cast<QWidget*>(watched);
  if (dialog == nullptr || target == nullptr) {
    return QMainWindow::eventFilter(watched, event);
  }
  showDialogHelp(dialog, qobject_cast<THelpWindow*>(target->window()) != nullptr);
  return true;
}

// The dialog's own page, or the page of the window it was opened from; the
// help window's page for F1 in the dialog's help window.
void TMainForm::showDialogHelp(QWidget* dialog, bool inHelp) {
  auto* help = dialog->findChild<THelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (help == nullptr) {
    help = new THelpWindow(programManualFolder(), dialogs_, dialog);
  }
  const QString key =
      inHelp ? QStringLiteral("THelpWindow") : QLatin1String(dialog->metaObject()->className());
  help->ShowTab(THelpWindow::Tab::kContents);
  help->ShowTopic(HelpTopicFor(HasHelpTopic(key) ? key : activeWindowKey()));
}

void TMainForm::showAboutBox() {
  TAboutBox box(this);
  box.exec();
}

// ---- state shown by the window ---------------------------------------------------

void TMainForm::SetResultsLoaded(bool loaded) {
  resultsLoaded_ = loaded;
  Action(QStringLiteral("CombinedPlotButton"))->setEnabled(loaded);
  Action(QStringLiteral("LoadSettlementButton"))->setEnabled(loaded);
}

void TMainForm::ShowProjectName() {
  setWindowTitle(kCaptionPrefix + DisplayName(projectPath()));
}

void TMainForm::ShowRecentFiles() {
  const TRecentFiles& recent = settings_.Recent;
  const QString folder = QDir::currentPath();
  for (int slot = 0; slot < kPrevFileSlots; ++slot) {
    QAction* item = recentSlots_.at(static_cast<std::size_t>(slot));
    const bool used = slot < recent.PrevFileCount;
    if (used) {
      item->setText(PlainMenuText(recent.SlotCaption(slot, folder)));
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
  Action(QStringLiteral("FileExportResultsItem"))
      ->setEnabled(QFileInfo::exists(projectPathWithExtension(".json")));

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
      slot->setText(PlainMenuText(children.at(index)->windowTitle()));
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
