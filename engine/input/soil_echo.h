// Echo of the factors of safety (ASD) and of the soil information, one
// block per layer, written after the layer table has been completed so the
// default coefficients show. SI input is shown back in SI units; the rock
// values of SI input are converted to English units right after their
// layer's block.
#pragma once

#include "input/input_data.h"
#include "output/run_output.h"

namespace bormek {

void writeFactorsOfSafety(const RunSettings& settings, RunOutput& out);
void writeSoilInformation(InputData& data, RunOutput& out);

}  // namespace bormek
