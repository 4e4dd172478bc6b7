// The head of the report: banner, file names, and the time and date of
// the analysis.
#pragma once

#include <ctime>

#include "entry/run_control.h"
#include "output/run_output.h"

namespace bormek {

// `now` is the local time at which the head is written.
void writeReportHead(const RunControl& control, const std::tm& now, RunOutput& out);

}  // namespace bormek
