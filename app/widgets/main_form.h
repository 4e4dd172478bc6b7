// The application's main window: an MDI frame (QMdiArea) that owns the
// menus, the toolbar, the one project (TProgramData) and the soil-layer
// tables (D and its templates). It forwards the file commands (New, Open,
// Save, Save As, recent files, a dropped file, the file named on the
// command line, closing) to TFileCommands and shows what they change, keeps
// the settings (editor and recent files), switches units, design method and
// computation method, starts the external editor (or shows the file in the
// program's own report viewer when no editor is set) and the engine run,
// and serves the Window and Help menus: the manuals in the help window, F1
// for the page of the active window (or of the modal dialog open, in a help
// window of the dialog's own), the update check.
//
// Every question and message goes through the TDialogs given to the
// constructor, which must outlive the window.
//
// QAction object names, for Action(): menu items "FileNewItem",
// "FileOpenItem", "FileSaveItem", "FileSaveAsItem", "FileExportResultsItem",
// "RecentFile1" to "RecentFile10", "RecentFilesSeparator", "FileExitItem"; "TitleItem",
// "EnglishUnitsItem", "SiUnitsItem", "AsdItem", "LrfdItem",
// "ShaftPropertiesItem", "SoilLayerDataItem", "FactorOfSafetyItem",
// "ShaftLengthItem", "DesignLoadItem", "WaterTableItem",
// "ControlOptionsItem"; "RunAnalysisItem", "EditInputItem",
// "EditRunNotesItem", "EditOutputItem", "ViewElevationItem"; the plot items
// named after their plot with "Item" appended ("pltSkinItem" to
// "pltCombinedSettleItem"); "CascadeItem", "ArrangeIconsItem",
// "WindowSlotsSeparator", "WindowSlot1" to "WindowSlot50"; "ContentsItem",
// "UsersManualItem", "TechnicalManualItem", "AboutItem",
// "CheckForUpdatesItem"; the F1 action "ContextHelpAction". Toolbar buttons "NewButton",
// "OpenButton", "SaveButton", "RunButton", "SoilLayerButton", "ViewOutputButton",
// "SoilProfileButton", "CombinedPlotButton", "LoadSettlementButton".
// Menus for Menu(): "FileMenu", "DataMenu", "UnitsMenu", "DesignMethodMenu",
// "ComputationMethodsMenu", "ComputationMenu", "GraphicsMenu", "WindowMenu",
// "HelpMenu".
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <memory>

#include "core/app_settings.h"
#include "core/project_view.h"

class QMdiArea;
class QToolBar;
class TDlgSideView;
class TDataWindows;
class TDialogs;
class TFileCommands;
class TPlotSet;
class THelpWindow;
class TProgramData;
struct SoilLayerTables;

class TMainForm : public QMainWindow, private TProjectView {
  Q_OBJECT

 public:
  // `arguments` are the program's arguments after its name: the first names
  // a project opened at first showing.
  TMainForm(const QStringList& arguments, TDialogs& dialogs, QWidget* parent = nullptr);
  ~TMainForm() override;

  TProgramData& Project() { return *project_; }
  // The thirteen plot definitions the results are loaded into.
  TPlotSet& Plots() { return *plots_; }
  SoilLayerTables& Tables() { return *tables_; }
  QMdiArea* mdiArea() const { return mdiArea_; }
  // The action or menu with the object name (see above); nullptr for none.
  QAction* Action(const QString& name) const;
  QMenu* Menu(const QString& name) const;
  // Plot results of the current project are loaded; the Graphics items and
  // the two plot buttons follow it.
  bool ResultsLoaded() const { return resultsLoaded_; }
  // WordProcessor and the recent-file list (PrevFiles, PrevFileCount).
  const TAppSettings& Settings() const { return settings_; }

  // Opens the project at `path` as File Open does (file_commands.h).
  void OpenFileName(const QString& path, bool currentFormat = true);
  // Makes the active child window store its pending edits into the project;
  // false when it refuses an entry (its message shown, the focus back in
  // the field).
  bool CommitActiveChild() override;
  // The data windows (title, shaft properties, ..., control options).
  TDataWindows& DataWindows() { return *dataWindows_; }
  // The help window once a Help item or F1 has opened it; nullptr before.
  THelpWindow* HelpWindow() const;

 public slots:
  // Run Analysis: commits the active child window (a refused entry cancels
  // the run), saves the project (Save As for a new one), runs the engine
  // library beside the program, reports through the dialogs and loads the
  // plot results the run wrote.
  void CompRunClick();
  // Computation > "&View Shaft Elevation" and "View Soil Profile": the
  // first use creates an elevation view and remembers it; later uses bring
  // it to the front until it is closed.
  void ViewElevationClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // F1 in a modal dialog opens the dialog's page (showDialogHelp).
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void createFileMenu();
  void createDataMenu();
  void createComputationMenu();
  void createGraphicsMenu();
  void createWindowMenu();
  void createHelpMenu();
  void createToolBar();
  QMenu* addMenu(QMenu* parent, const QString& caption, const QString& name);
  QAction* addItem(QMenu* menu, const QString& caption, const QString& name);

  void fileNewClick();
  void fileOpenClick();
  void fileSaveClick();
  void fileSaveAsClick();
  void fileExportResultsClick();
  void openRecentFile(int slot);
  void dropFile(const QString& path);

  // TProjectView
  void CloseAllChildren() override;
  void ShowProjectName() override;
  void SetResultsLoaded(bool loaded) override;
  void ApplyColumnVisibility() override;
  void ShowRecentFiles() override;

  void setUnits(int system);
  void setDesignMethod(int method);
  void showDesignMethodNote();
  void setDesignControl(int control);
  void showSoilLayerTable();
  void openInEditor(const QString& path);
  void showHelp(const QString& topic);
  void showContextHelp();
  QString activeWindowKey() const;
  void showDialogHelp(QWidget* dialog, bool inHelp);
  void showAboutBox();
  TDlgSideView* createElevationView();
  void showChild(int index);

  void updateCommandStates();
  void updateWindowMenu();
  QString projectPath() const;
  QString projectPathWithExtension(const char* extension) const;

  QStringList arguments_;
  TDialogs& dialogs_;
  std::unique_ptr<SoilLayerTables> tables_;
  std::unique_ptr<TProgramData> project_;
  std::unique_ptr<TPlotSet> plots_;
  TAppSettings settings_;
  std::unique_ptr<TFileCommands> files_;
  TDataWindows* dataWindows_ = nullptr;
  bool resultsLoaded_ = false;
  bool shown_ = false;

  QPointer<TDlgSideView> elevation_;  // the view the command opened last
  QMdiArea* mdiArea_ = nullptr;
  std::array<QAction*, kPrevFileSlots> recentSlots_{};
  QAction* recentSeparator_ = nullptr;
  std::array<QAction*, 50> windowSlots_{};
  QAction* windowSeparator_ = nullptr;
  QPointer<THelpWindow> helpWindow_;
};
