// The load-settlement stage of one diameter, chosen by the tip layer: three
// t-z passes for soil tips, the rock-socket line for strong rock, the
// geomaterial lines for decomposed and weak rock.
#pragma once

#include <array>
#include <cstdint>

#include "output/run_output.h"
#include "parallel/side_worker.h"
#include "settlement/settlement_input.h"
#include "settlement/tz_listing.h"

namespace bormek {

// Lines of the run: trend, upper bound, lower bound. `count` is the number of
// load-settlement lines announced in the plot file; it becomes 3 when the
// t-z passes run and stays 3 for the rest of the run.
struct SettlementLines {
  std::array<SettlementLine, kTzLineCount> lines{};
  int count = 0;
  bool oneLine = false;  // the last diameter gave a single (rock-tip) line
  SettlementMethod method = SettlementMethod::kLoadTransfer;  // of the last diameter
  TzListing listing;  // curves of the last t-z pass, written when the run ends
};

// Returns 0, or the status of a t-z pass that stopped. The t-z passes share
// their solutions with `worker`.
std::int32_t runSettlementStage(const SettlementInput& input, RunOutput& out,
                                SettlementLines& lines, SideWorker& worker);

}  // namespace bormek
