// Reading of the input data file into the settings and the layer table.
//
// The title and the general data are echoed to the report as soon as they
// are read, so a report of a run stopped by bad input shows what was read.
// Throws InputError for a missing or malformed value and for values the
// analysis cannot work with (a layer count outside 1 to 29, a minimum
// diameter or a shaft modulus of zero or less, an unknown code).
#pragma once

#include "input/input_data.h"
#include "input/list_reader.h"
#include "output/run_output.h"

namespace bormek {

InputData readInput(ListReader& reader, RunOutput& out);

}  // namespace bormek
