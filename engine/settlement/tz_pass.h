// The load-settlement passes of the t-z analysis: trend, upper bound and
// lower bound. The models are built in turn and the passes built are solved
// together, each for its 15 assumed tip movements; then each writes its
// run-notes line and report section and gives its line in output units. The
// curves of the last model built replace those kept in `listing`. Returns 0,
// or the status 2 or 4 when a node or the shaft length of a pass lies beyond
// the layer profile: the passes before it stand and the warning follows.
#pragma once

#include <array>
#include <cstdint>

#include "output/run_output.h"
#include "parallel/side_worker.h"
#include "settlement/settlement_input.h"
#include "settlement/tz_curves.h"
#include "settlement/tz_listing.h"

namespace bormek {

// The worker shares the solutions.
std::int32_t runTzPasses(const SettlementInput& input, RunOutput& out,
                         std::array<SettlementLine, kTzLineCount>& lines, TzListing& listing,
                         SideWorker& worker);

}  // namespace bormek
