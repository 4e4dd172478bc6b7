// What a run leaves for the results file, gathered as the capacity driver
// goes: the settings as read, and per trial diameter the geometry block, the
// rows, whether the last row is the design row, and the load-settlement
// lines. Rows and geometry are in the engine's English units (ft, yd³,
// tons), as the report receives them; the lines are already in output units
// (tons and in, or kN and m). The results file converts as the report does.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "capacity/capacity_row.h"
#include "capacity/shaft_geometry.h"
#include "input/input_data.h"
#include "settlement/settlement_input.h"

namespace bormek {

struct DiameterResults {
  ShaftGeometry geometry;
  // The geometry block's values that come from the settings, as printed for
  // this diameter (BS is rounded to whole feet after the first).
  float bellAngleDeg = 0.0f;
  float topLengthFt = 0.0f;
  float bottomLengthFt = 0.0f;
  float modulusAsInput = 0.0f;  // psi, or kPa for SI input

  std::vector<CapacityRow> rows;           // the 1-ft rows formed
  std::vector<CapacityRow> incrementRows;  // shaft-length mode: the report's rows
  bool designRowReached = false;           // the last 1-ft row met the design load or length

  // Lines of a completed load-settlement stage: 3 (t-z), 1 (rock), or 0 when
  // the stage did not run or stopped the run.
  int lineCount = 0;
  SettlementMethod method = SettlementMethod::kLoadTransfer;
  std::array<SettlementLine, kTzLineCount> lines{};
};

struct RunResults {
  std::string versionLabel;  // as names.dat gives it
  std::string inputPath;
  bool inputRead = false;  // `settings` holds the project's settings
  RunSettings settings;    // as read and converted, before the diameter loop
  std::vector<DiameterResults> diameters;
  // Per finished diameter, its text in the results file after the
  // "most_efficient" member, written beside the run (diameterRestText); a
  // diameter without one is written with the file.
  std::vector<std::shared_ptr<const std::string>> diameterRests;
  // The most efficient shaft, once the report has written its block.
  bool mostEfficientWritten = false;
  int mostEfficientDiameter = -1;  // index into `diameters`
  BestShaft mostEfficient;
};

}  // namespace bormek
