// The capacity analysis of one run: reads and echoes the input, completes
// the layer table and writes the soil information. Returns the run status.
// Throws InputError when the input file cannot be read as required.
#pragma once

#include <cstdint>

#include "input/list_reader.h"
#include "output/run_output.h"

namespace bormek {

std::int32_t runCapacityDriver(ListReader& input, RunOutput& out);

}  // namespace bormek
