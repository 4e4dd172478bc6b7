// The Excel workbook of a run's results, built from its results file:
//   Summary          the project, units, run status, one line per diameter
//                    with its design row and the most efficient shaft
//                    marked, and the run notes;
//   one sheet per diameter ("D 3 ft", "D 0.9 m")
//                    its result rows, numbers as numbers, units in the
//                    header row, which stays in view; in shaft-length mode
//                    the report's rows at the output increment beside them;
//   Load-Settlement  every point of every line of every diameter.
// Returns false, with `problem` saying why, when the file cannot be written.
#pragma once

#include <string>

#include "results/results_document.h"

bool writeResultsWorkbook(const ResultsDocument& results, const std::string& path,
                          std::string& problem);
