// What the file commands (file_commands.h) ask of the window that shows the
// project: committing and closing its child windows and showing what the
// commands changed. The main window implements it; tests record the calls.
#pragma once

class TProjectView {
 public:
  virtual ~TProjectView() = default;

  // Makes the active child window store its pending edits into the
  // project. False when it refuses an entry: its message has been shown and
  // the focus is back in the field, and the command that asked goes no
  // further.
  virtual bool CommitActiveChild() = 0;
  // Closes every child window: the project is being replaced or the program
  // ends.
  virtual void CloseAllChildren() = 0;
  // The project's file name may have changed (the caption shows it).
  virtual void ShowProjectName() = 0;
  // Plot results of the project are loaded or not; the plot commands
  // follow.
  virtual void SetResultsLoaded(bool loaded) = 0;
  // Shows or hides the soil-layer table's LRFD columns for the project's
  // design method.
  virtual void ApplyColumnVisibility() = 0;
  // The recent-file list changed.
  virtual void ShowRecentFiles() = 0;
};
