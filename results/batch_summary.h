// The batch summary: CSV, "." as decimal point and a header row, as
// spreadsheets and pandas read it; one line per project and diameter with
// the design row's length, capacities and volume, and whether the diameter
// is the most efficient shaft. A project without diameters (one that
// stopped early, or whose results could not be read) gets one line with its
// status and empty numbers. Fields that hold a comma, a quote or a line end
// are quoted.
#pragma once

#include <string>
#include <vector>

#include "results/results_document.h"

// The header row.
std::string summaryHeader();

// The lines of one project's results; `file` names the project.
std::vector<std::string> summaryLines(const std::string& file, const ResultsDocument& results);

// The line of a project that left no results to read.
std::string summaryLineWithoutResults(const std::string& file, int status,
                                      const std::string& meaning);
