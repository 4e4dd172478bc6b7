// Errors that stop a run, written framed by asterisk lines to the run
// notes and to the report, and copied to the console; warnings of the
// computation, to the run notes.
#pragma once

#include <string>
#include <vector>

#include "output/run_output.h"

namespace bormek {

void writeRunError(RunOutput& out, const std::vector<std::string>& lines);

// A warning that lets the run go on, to the run notes only: an empty line,
// the framed WARNING line, then each line after 5 blanks.
void writeRunWarning(RunOutput& out, const std::vector<std::string>& lines);

}  // namespace bormek
