// Reads the engine's results file (docs/results-format.md). Nothing is
// thrown: a file that cannot be read, is not JSON or is not a results file
// of format version 1 gives nothing, and `problem` says why. Keys the file
// lacks read as null.
#pragma once

#include <optional>
#include <string>

#include "results/results_document.h"

std::optional<ResultsDocument> readResultsFile(const std::string& path, std::string& problem);

// The same from the text of a results file.
std::optional<ResultsDocument> readResultsText(const std::string& text, std::string& problem);
