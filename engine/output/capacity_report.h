// The result sections of the report: per diameter the shaft geometry, the
// legend and column heads, the rows and the data warnings of the depth
// walk; the most efficient shaft; the closing notes. Values arrive in the
// engine's English units and are converted here for SI reports.
#pragma once

#include <string>

#include "capacity/capacity_row.h"
#include "capacity/shaft_geometry.h"
#include "input/input_data.h"
#include "output/run_output.h"

namespace bormek {

struct ReportStyle {
  bool si = false;
  bool lrfd = false;
  bool uplift = false;
};

ReportStyle reportStyleOf(const RunSettings& settings);

// Heading and geometry block; `bottomLengthFt` is BS as it stands for this
// diameter (as input for the first, rounded to whole feet afterwards).
void writeGeometry(RunOutput& out, const ShaftGeometry& geometry, const RunSettings& settings,
                   float bottomLengthFt);
void writeLegendAndHeads(RunOutput& out, const ReportStyle& style);
std::string rowLine(const CapacityRow& row, const ReportStyle& style);

void writeClayBlowCountWarning(RunOutput& out);
void writeUnitWeightError(RunOutput& out);
void writeSandDataError(RunOutput& out);
void writeGravelBlowCountWarning(RunOutput& out);
void writeProfileTooShort(RunOutput& out);
void writeNeedAnotherSoilLayer(RunOutput& out);
void writeDesignDepthNotReached(RunOutput& out);
void writeMostEfficientShaft(RunOutput& out, const BestShaft& best, bool si);
void writeWeakRockNote(RunOutput& out);

}  // namespace bormek
