// One load-settlement pass of the t-z analysis: builds the model, solves the
// 15 assumed tip movements, writes the report section and the run-notes
// line, and gives the line in output units; the pass's curves replace those
// kept in `listing`. Returns 0, or the status 2 or 4 when a node or the
// shaft length lies beyond the layer profile (the warning is written).
#pragma once

#include <cstdint>

#include "output/run_output.h"
#include "parallel/side_worker.h"
#include "settlement/settlement_input.h"
#include "settlement/tz_curves.h"
#include "settlement/tz_listing.h"

namespace bormek {

// Half of the tip movements are solved on `worker`.
std::int32_t TzPass(const SettlementInput& input, TzPassCode pass, RunOutput& out,
                    SettlementLine& line, TzListing& listing, SideWorker& worker);

}  // namespace bormek
