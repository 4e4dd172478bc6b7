// File > Export Results...: the results file the last run left beside the
// project, written as an Excel workbook (results/results_workbook.h). Asks
// where to save it, proposing the project's name with ".xlsx"; a name
// without an extension gets ".xlsx". Every message goes through TDialogs:
// no results to export, a results file that cannot be read, a workbook that
// cannot be written. Returns true when a workbook was written.
#pragma once

#include <string>

class TDialogs;

bool ExportResults(const std::string& projectPath, TDialogs& dialogs);
