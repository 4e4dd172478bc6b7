// The file commands of the main window without its widgets: New, Open, a
// recent file, a dropped file, the file named on the command line, Save,
// Save As and closing, with the question whether to save changes first.
// Each command first lets the active child window commit its edits and
// goes no further when it refuses one. Opening a project also loads its
// plot results when its plot file exists. Questions and messages go
// through TDialogs, everything shown through TProjectView; the project,
// plots, settings, dialogs and view must outlive the object.
#pragma once

#include <QString>
#include <QStringList>

class TAppSettings;
class TDialogs;
class TPlotSet;
class TProgramData;
class TProjectView;

class TFileCommands {
 public:
  TFileCommands(TProgramData& project, TPlotSet& plots, TAppSettings& settings, TDialogs& dialogs,
                TProjectView& view);

  // File New: a new project unless AskSaveChanges says no; either way no
  // results are loaded and the column visibility is applied.
  void New();
  // File Open: the open dialog, then OpenFileName; the second filter reads
  // the legacy layout.
  void Open();
  // The recent file in `slot` (0-based), through OpenFileName.
  void OpenRecent(int slot);
  // A file dropped on the window: read in the current layout; it does not
  // enter the recent list and leaves the column visibility as it is.
  void Drop(const QString& path);
  // At first showing: the project named by the first of the program's
  // arguments (".bkd" added when it has no extension) with its plot
  // results, or a new project when there is none or it does not exist. It
  // does not enter the recent list.
  void StartWith(const QStringList& arguments);
  // File Save; a new project goes through Save As.
  void Save();
  // File Save As.
  void SaveAs();
  // Closing the window: true when it may close (after writing the
  // settings and closing every child window).
  bool Close();

  // True when the caller may go on: the project is not modified, the user
  // answered No, or answered Yes and the project was saved under a name of
  // its own. Cancel, or a Save As cancelled or failed, gives false.
  bool AskSaveChanges();
  // Saves as File Save does, without committing first; false when Save As
  // was cancelled or the file could not be written.
  bool SaveProject();
  // Loads the project at `path` (the current file layout, or the legacy
  // one when `currentFormat` is false) after closing every child window,
  // makes its folder the current folder, loads its plot results, puts it
  // first in the recent list and applies the column visibility. A reading
  // error of the project is shown; the project keeps what was read. The
  // plot results are read without a message: they are simply not loaded
  // when they cannot be read.
  void OpenFileName(const QString& path, bool currentFormat = true);

 private:
  // Puts `path` first in the recent list; the settings are written when
  // the list changed.
  void UpdatePrevFile(const QString& path);
  void loadProject(const QString& path, bool currentFormat);
  bool saveProjectAs();
  bool writeProject();
  QString projectPath() const;

  // Loads the project's plot results when its plot file exists and tells
  // the view whether they are loaded.
  void loadResults();

  TProgramData& project_;
  TPlotSet& plots_;
  TAppSettings& settings_;
  TDialogs& dialogs_;
  TProjectView& view_;
};
