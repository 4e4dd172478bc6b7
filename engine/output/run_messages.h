// Errors that stop a run, written framed by asterisk lines to the run
// notes and to the report, and copied to the console.
#pragma once

#include <string>
#include <vector>

#include "output/run_output.h"

namespace bormek {

void writeRunError(RunOutput& out, const std::vector<std::string>& lines);

}  // namespace bormek
