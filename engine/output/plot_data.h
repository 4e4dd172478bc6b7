// The plot-data file: one block per diameter with the header line, the
// capacity rows against depth and the load-settlement rows; and the report
// table of a one-line (rock-tip) load-settlement result.
#pragma once

#include "capacity/capacity_rows.h"
#include "output/run_output.h"
#include "settlement/settlement_input.h"

namespace bormek {

struct PlotBlock {
  int diameterCount = 0;           // NDIA
  int lineCount = 0;               // M: 3 once the t-z passes have run in the run
  const RowTable* rows = nullptr;  // the diameter's 1-ft rows
  const std::array<SettlementLine, 3>* lines = nullptr;  // trend, upper, lower
};

// NDIA: whole 0.5-ft steps from the first to the last diameter, plus one.
int plotDiameterCount(const RunSettings& settings);

void writePlotBlock(RunOutput& out, const PlotBlock& block, const RunSettings& settings);

// "TOP  LOAD     TOP MOVEMENT" of a rock-tip line, to the report.
void writeOneLineTable(RunOutput& out, const SettlementLine& line, bool si);

}  // namespace bormek
