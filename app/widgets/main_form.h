// The application's main window: an MDI frame (QMdiArea) that owns the
// menus, the toolbar, the one project (TProgramData) and the soil-layer
// tables (D and its templates). It runs the file commands (New, Open, Save,
// Save As, recent files, a dropped file, the file named on the command
// line), keeps the settings (editor and recent files), switches units,
// design method and computation method, starts the external editor and the
// engine run, and serves the Window and Help menus.
//
// Every question and message goes through the TDialogs given to the
// constructor, which must outlive the window.
//
// QAction object names, for Action(): menu items "FileNewItem",
// "FileOpenItem", "FileSaveItem", "FileSaveAsItem", "RecentFile1" to
// "RecentFile10", "RecentFilesSeparator", "FileExitItem"; "TitleItem",
// "EnglishUnitsItem", "SiUnitsItem", "AsdItem", "LrfdItem",
// "ShaftPropertiesItem", "SoilLayerDataItem", "FactorOfSafetyItem",
// "ShaftLengthItem", "DesignLoadItem", "WaterTableItem",
// "ControlOptionsItem"; "RunAnalysisItem", "EditInputItem",
// "EditRunNotesItem", "EditOutputItem", "ViewElevationItem"; the plot items
// named after their plot with "Item" appended ("pltSkinItem" to
// "pltCombinedSettleItem"); "CascadeItem", "ArrangeIconsItem",
// "WindowSlotsSeparator", "WindowSlot1" to "WindowSlot50"; "ContentsItem",
// "UsersManualItem", "TechnicalManualItem", "AboutItem",
// "CheckForUpdatesItem". Toolbar buttons "NewButton", "OpenButton",
// "SaveButton", "RunButton", "SoilLayerButton", "ViewOutputButton",
// "SoilProfileButton", "CombinedPlotButton", "LoadSettlementButton".
// Menus for Menu(): "FileMenu", "DataMenu", "UnitsMenu", "DesignMethodMenu",
// "ComputationMethodsMenu", "ComputationMenu", "GraphicsMenu", "WindowMenu",
// "HelpMenu".
#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <memory>

#include "core/app_settings.h"

class QMdiArea;
class QToolBar;
class TDataWindows;
class TDialogs;
class TProgramData;
struct SoilLayerTables;

class TMainForm : public QMainWindow {
  Q_OBJECT

 public:
  // `arguments` are the program's arguments after its name: the first names
  // a project opened at first showing.
  TMainForm(const QStringList& arguments, TDialogs& dialogs, QWidget* parent = nullptr);
  ~TMainForm() override;

  TProgramData& Project() { return *project_; }
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

  // True when the caller may go on: the project is not modified, the user
  // answered No, or answered Yes and the project was saved under a name of
  // its own. Cancel, or a Save As cancelled or failed, gives false.
  bool AskSaveChanges();
  // Loads the project at `path` (the current file layout, or the legacy
  // one when `currentFormat` is false) after closing every child window,
  // makes its folder the current folder, puts it first in the recent list
  // and applies the design method's column visibility. A reading error is
  // shown; the project keeps what was read.
  void OpenFileName(const QString& path, bool currentFormat = true);
  // Puts `path` first in the recent list; the settings are written when
  // the list changed.
  void UpdatePrevFile(const QString& path);
  // Writes the editor and the recent list to the settings.
  void UpdateRegistry();
  // Makes the active child window store its pending edits into the project.
  void CommitActiveChild();
  // The data windows (title, shaft properties, ..., control options).
  TDataWindows& DataWindows() { return *dataWindows_; }

 public slots:
  // Run Analysis: saves the project (Save As for a new one), runs the
  // engine library beside the program and reports through the dialogs.
  void CompRunClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

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
  void openRecentFile(int slot);
  bool saveProject();
  bool saveProjectAs();
  bool writeProject();
  void startWithArguments();
  void dropFile(const QString& path);
  void loadProject(const QString& path, bool currentFormat);

  void setUnits(int system);
  void setDesignMethod(int method);
  void setDesignControl(int control);
  void applyColumnVisibility();
  void showSoilLayerTable();
  void closeAllChildren();
  void openInEditor(const QString& path);
  void openHelpDocument(const QString& fileName);
  void showAboutBox();
  void showChild(int index);

  void setResultsLoaded(bool loaded);
  void updateCaption();
  void updateFileMenu();
  void updateCommandStates();
  void updateWindowMenu();
  QString projectPath() const;
  QString projectPathWithExtension(const char* extension) const;

  QStringList arguments_;
  TDialogs& dialogs_;
  std::unique_ptr<SoilLayerTables> tables_;
  std::unique_ptr<TProgramData> project_;
  TAppSettings settings_;
  TDataWindows* dataWindows_ = nullptr;
  bool resultsLoaded_ = false;
  bool shown_ = false;

  QMdiArea* mdiArea_ = nullptr;
  std::array<QAction*, kPrevFileSlots> recentSlots_{};
  QAction* recentSeparator_ = nullptr;
  std::array<QAction*, 50> windowSlots_{};
  QAction* windowSeparator_ = nullptr;
};
