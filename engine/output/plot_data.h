// The plot-data file: one block per diameter with the header line, the
// capacity rows against depth and the load-settlement rows; and the report
// table of a one-line (rock-tip) load-settlement result.
#pragma once

#include <array>
#include <vector>

#include "capacity/capacity_rows.h"
#include "output/run_output.h"
#include "settlement/settlement_input.h"

namespace bormek {

// A diameter's block as it stands when the diameter is done: a copy, so
// that it can be written while the next diameter is analysed.
struct PlotBlock {
  int diameterCount = 0;                  // NDIA
  int lineCount = 0;                      // M: 3 once the t-z passes have run in the run
  std::vector<CapacityRow> rows;          // the diameter's 1-ft rows
  std::array<SettlementLine, 3> lines{};  // trend, upper, lower
  RunSettings settings;                   // units, method and factors of safety at the time
};

// NDIA: whole 0.5-ft steps from the first to the last diameter, plus one.
int plotDiameterCount(const RunSettings& settings);

// The block is written in parts, in order: the head and the first depth
// rows, further depth rows, and with the last part the load-settlement rows.
// Whoever writes it may turn to other work between parts.
int plotBlockParts(const PlotBlock& block);
void writePlotBlockPart(RunOutput& out, const PlotBlock& block, int part);

// "TOP  LOAD     TOP MOVEMENT" of a rock-tip line, to the report.
void writeOneLineTable(RunOutput& out, const SettlementLine& line, bool si);

}  // namespace bormek
