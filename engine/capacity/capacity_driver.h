// The capacity analysis of one run: reads and echoes the input, completes
// the layer table and writes the soil information, then analyses every
// trial diameter; what it finds is also gathered in `results`, as far as the
// run gets. Returns the run status. Throws InputError when the input file
// cannot be read as required. The plot blocks are written by `worker`, which
// also takes half of each load-transfer solution; the caller finishes it.
#pragma once

#include <cstdint>

#include "input/list_reader.h"
#include "output/run_output.h"
#include "output/run_results.h"
#include "parallel/side_worker.h"

namespace bormek {

std::int32_t runCapacityDriver(ListReader& input, RunOutput& out, RunResults& results,
                               SideWorker& worker);

}  // namespace bormek
