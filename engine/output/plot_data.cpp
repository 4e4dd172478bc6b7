#include "output/plot_data.h"

#include <algorithm>
#include <string>

#include "output/fortran_format.h"
#include "output/report_units.h"

namespace bormek {
namespace {

using fmt::Record;

constexpr int kValuesPerFirstLine = 5;
// Depth rows of one part of a block: a few tens of microseconds of work.
constexpr int kRowsPerPlotPart = 50;

// Seven values written as 5(1X,E10.3): five on the first line, two on the next.
void writeDepthRow(RunOutput& out, const std::array<float, 7>& values) {
  Record first;
  Record second;
  for (std::size_t k = 0; k < values.size(); ++k) {
    (k < kValuesPerFirstLine ? first : second).X(1).E(values[k], 10, 3);
  }
  out.plot(first.str());
  out.plot(second.str());
}

std::array<float, 7> depthRowOf(const CapacityRow& row, const RunSettings& s) {
  const bool si = s.si;
  const float side = reportForce(row.side, si);
  const float base = reportForce(row.base, si);
  if (s.designMethod == kLrfd) {
    return {reportLength(row.length, si),
            side,
            base,
            reportForce(row.ultimate, si),
            reportForce(row.factoredSide, si),
            reportForce(row.factoredBase, si),
            reportForce(row.factoredTotal, si)};
  }
  return {reportLength(row.length, si),
          side,
          base,
          reportForce(row.ultimate, si),
          side / s.fsSide,
          base / s.fsBase,
          reportForce(row.allowable, si)};
}

void writeSettlementRows(RunOutput& out, const SettlementLine& line) {
  for (const SettlementPoint& p : line) {
    out.plot(Record()
                 .X(1)
                 .E(p.topLoad, 10, 3)
                 .X(1)
                 .E(p.topMovement, 10, 3)
                 .X(1)
                 .E(p.tipLoad, 10, 3)
                 .X(1)
                 .E(p.tipMovement, 10, 3)
                 .str());
  }
}

}  // namespace

int plotDiameterCount(const RunSettings& s) {
  return static_cast<int>((s.diaLim - s.dStart) / kDiameterStepFt) + 1;
}

int plotBlockParts(const PlotBlock& block) {
  const auto rowCount = static_cast<int>(block.rows.size());
  return std::max(1, (rowCount + kRowsPerPlotPart - 1) / kRowsPerPlotPart);
}

void writePlotBlockPart(RunOutput& out, const PlotBlock& block, int part) {
  const RunSettings& s = block.settings;
  const auto rowCount = static_cast<int>(block.rows.size());
  if (part == 0) {
    out.plot(fmt::I(block.diameterCount, 12) + fmt::I(rowCount + 2, 12) +
             fmt::I(block.lineCount, 12));
    out.plot("   0.0  0.0  0.0  0.0  0.0 0.0  0.0  ");
    const float firstDepth = block.rows.empty() ? 0.0f : reportLength(block.rows[0].length, s.si);
    out.plot(Record().X(1).E(firstDepth, 10, 3).A("   0.0   0.0  0.0 0.0  0.0  0.0 ").str());
  }
  const int last = std::min(rowCount, (part + 1) * kRowsPerPlotPart);
  for (int k = part * kRowsPerPlotPart; k < last; ++k) {
    writeDepthRow(out, depthRowOf(block.rows[static_cast<std::size_t>(k)], s));
  }
  if (part == plotBlockParts(block) - 1) {
    const int written = block.lineCount > 1 ? 3 : 1;
    for (int k = 0; k < written; ++k) {
      writeSettlementRows(out, block.lines[static_cast<std::size_t>(k)]);
    }
  }
}

void writeOneLineTable(RunOutput& out, const SettlementLine& line, bool si) {
  out.report("");
  out.report(fmt::X(22) +
             (si ? "TOP  LOAD     TOP MOVEMENT        " : "TOP  LOAD     TOP MOVEMENT     "));
  out.report(fmt::X(22) +
             (si ? "   kN              M             " : "   TONS             IN.       "));
  for (const SettlementPoint& p : line) {
    out.report(Record().X(13).E(p.topLoad, 17, 4).E(p.topMovement, 17, 4).str());
  }
}

}  // namespace bormek
