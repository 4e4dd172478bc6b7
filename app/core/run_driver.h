// The run command of the desktop program: saves the project, runs the
// engine library on it through the runner (runner/project_run.h), with the
// busy cursor around the engine call, reports through the dialogs and loads
// the plot results the run wrote. The project's folder stays the current
// folder afterwards. The user's locale is never touched.
#pragma once

#include <QString>
#include <functional>

class TDialogs;
class TPlotSet;
class TProgramData;

struct RunOutcome {
  bool ran = false;            // the engine was called
  int status = 0;              // its result
  bool resultsLoaded = false;  // its plot file was read into the plots
};

class TRunDriver {
 public:
  // The plot results are read into `plots`, with a message when the plot
  // file cannot be read. `saveProject` saves as File Save does (Save As for a new project) and
  // returns false when the user cancelled; `busy` shows or clears the busy
  // cursor around the engine call.
  TRunDriver(TDialogs& dialogs, TPlotSet& plots, std::function<bool()> saveProject,
             std::function<void(bool busy)> busy);

  RunOutcome CompRunClick(TProgramData& project, const QString& libraryPath);

 private:
  TDialogs& dialogs_;
  TPlotSet& plots_;
  std::function<bool()> saveProject_;
  std::function<void(bool)> busy_;
};
