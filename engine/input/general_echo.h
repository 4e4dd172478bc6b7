// Echo of the general data (design load or proposed depth, uplift factor,
// number of layers, water table) and the warning for a proposed depth below
// the last layer. Values are printed as read, in the input's unit system.
#pragma once

#include <string>

#include "input/input_data.h"
#include "output/run_output.h"

namespace bormek {

void echoGeneralData(const RunSettings& settings, RunOutput& out);
void warnIfProposedDepthBelowProfile(const InputData& data, RunOutput& out);

// Five blanks and a rule of '-' as long as the label it underlines.
std::string ruleUnder(const std::string& label);

}  // namespace bormek
