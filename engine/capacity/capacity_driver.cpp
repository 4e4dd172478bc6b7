#include "capacity/capacity_driver.h"

#include <cmath>
#include <memory>

#include "capacity/capacity_rows.h"
#include "capacity/depth_walk.h"
#include "capacity/increment_table.h"
#include "capacity/layer_completion.h"
#include "capacity/rock_rules.h"
#include "capacity/shaft_geometry.h"
#include "entry/run_status.h"
#include "input/input_reader.h"
#include "input/si_conversion.h"
#include "input/soil_echo.h"
#include "input/unit_constants.h"
#include "output/capacity_report.h"
#include "output/fortran_format.h"
#include "output/plot_data.h"
#include "output/results_file.h"
#include "output/run_results.h"
#include "settlement/settlement_stage.h"

namespace bormek {
namespace {

constexpr float kDiameterLimitAllowanceFt = 0.02f;

// Working storage of the diameter loop, allocated once per run.
struct RunWork {
  TipArrays tips;
  RowTable table;  // the 1-ft rows: the report's in design-load mode, always the plot file's
  BestShaft best;
  RockRunState rock;
  SettlementInput settlement;
  SettlementLines lines;
};

void writeTipsBeyondCapacity(RunOutput& out) {
  out.notes("");
  out.notes(fmt::X(5) + "SHAFT TIPS BELOW " + std::to_string(kMaxTipDepths - 1) +
            " FT ARE NOT ANALYSED");
}

// The layer that holds the final tip: the first whose bottom lies below it.
int tipLayerOf(const InputData& data, float lengthFt) {
  for (int k = 1; k < data.entryCount; ++k) {
    if (data.layers[static_cast<std::size_t>(k)].bottomDepth > lengthFt) {
      return k;
    }
  }
  return data.entryCount - 1;
}

// Completes the walk's record for the load-settlement stage from the final
// row of the table.
void prepareSettlement(const InputData& data, const ShaftGeometry& g, RunWork& work) {
  const RunSettings& s = data.settings;
  const CapacityRow& last = work.table.rows[static_cast<std::size_t>(work.table.count - 1)];
  SettlementInput& input = work.settlement;
  input.data = &data;
  // The t-z mesh follows the evaluated 1-ft rows, whatever the output
  // increment chooses to print.
  input.depthPoints = work.table.count;
  input.tipLayer = tipLayerOf(data, last.length);
  // In design-load mode the analysis takes the shaft down to the tip less
  // the bottom zone; a given shaft length is taken as it stands.
  input.lengthFt = s.designControl == kDesignLoadGiven ? last.length - s.bottomLength - g.bellHeight
                                                       : last.length;
  // In design-load mode the geomaterial lines use the tip layer's design
  // depth, as the walk did for its side and base.
  input.designDepthFt = rockDesignDepth(data, input.tipLayer);
  input.stemDiameterFt = g.stemDiameter;
  input.baseDiameterFt = g.baseDiameter;
  input.bellHeightFt = g.bellHeight;
  input.socketScale = g.stemDiameter / s.dStart;
  input.tipTons = last.base;
  input.sideTons = last.side;
}

// True when the diameter's final row becomes the best shaft so far.
bool recordBestShaft(const ShaftGeometry& g, const RowTable& table, BestShaft& best) {
  const CapacityRow& last = table.rows[static_cast<std::size_t>(table.count - 1)];
  // Ties keep the earlier, smaller diameter.
  if (last.perVolume > best.perVolume) {
    best = {g.stemDiameter, g.baseDiameter, last.length,
            last.volume,    last.ultimate,  last.perVolume};
    return true;
  }
  return false;
}

// Starts the diameter's record with its geometry block as printed.
DiameterResults& recordGeometry(const ShaftGeometry& g, const RunSettings& s, RunResults& results) {
  DiameterResults& record = results.diameters.emplace_back();
  record.geometry = g;
  record.bellAngleDeg = s.bellAngle;
  record.topLengthFt = s.topLength;
  record.bottomLengthFt = s.bottomLength;
  record.modulusAsInput = s.ecInput;
  return record;
}

void recordRows(const RowTable& table, DiameterResults& record) {
  const auto first = table.rows.begin();
  record.rows.assign(first, first + table.count);
  record.designRowReached = table.targetReached;
}

void recordLines(const SettlementLines& lines, DiameterResults& record) {
  record.lineCount = lines.oneLine ? 1 : kTzLineCount;
  record.method = lines.method;
  record.lines = lines.lines;
}

// The plot block is written on the worker while the next diameter is
// analysed, part by part, so that the worker can take a share of the next
// load-transfer solution between parts; it writes the parts in the order
// they are posted.
void postPlotBlock(const RunWork& work, const RunSettings& s, RunOutput& out, SideWorker& worker) {
  const auto first = work.table.rows.begin();
  auto block = std::make_shared<PlotBlock>();
  block->diameterCount = plotDiameterCount(s);
  block->lineCount = work.lines.count;
  block->rows.assign(first, first + work.table.count);
  block->lines = work.lines.lines;
  block->settings = s;
  for (int part = 0; part < plotBlockParts(*block); ++part) {
    worker.post([block, part, &out] { writePlotBlockPart(out, *block, part); });
  }
}

// The finished diameter's part of the results file is written beside the
// run, from a copy: the next diameter's record may move the records in
// memory.
void postResultsText(RunResults& results, SideWorker& worker) {
  auto text = std::make_shared<std::string>();
  results.diameterRests.push_back(text);
  auto record = std::make_shared<const DiameterResults>(results.diameters.back());
  worker.postAnyOrder(
      [text, record, settings = results.settings] { *text = diameterRestText(*record, settings); });
}

// One trial diameter: geometry, walk, rows, report table and best shaft.
std::int32_t analyseDiameter(float stemDiameter, bool lastDiameter, InputData& data, RunWork& work,
                             RunOutput& out, RockNotes& rockNotes, RunResults& results,
                             SideWorker& worker) {
  RunSettings& s = data.settings;
  const ReportStyle style = reportStyleOf(s);
  const ShaftGeometry g = shaftGeometryFor(stemDiameter, s);
  DiameterResults& record = recordGeometry(g, s, results);
  writeGeometry(out, g, s, s.bottomLength);
  s.bottomLength = std::round(s.bottomLength);
  writeLegendAndHeads(out, style);

  if (walkProfile(data, g, work.tips, out, rockNotes, work.rock, work.settlement)
          .tipsBeyondCapacity) {
    writeTipsBeyondCapacity(out);
  }
  const bool designLoad = s.designControl == kDesignLoadGiven;
  // Rows are formatted only where they are written.
  const bool writeRows = designLoad || out.consoleEnabled();
  formRows(data, s, g, work.tips, work.table, [&](const CapacityRow& row) {
    if (!writeRows) {
      return;
    }
    const std::string line = rowLine(row, style);
    out.console(line);
    if (designLoad) {
      out.report(line);
    }
  });
  recordRows(work.table, record);
  // Without rows there is no shaft to report on for this diameter.
  if (work.table.lengthRangeEmpty) {
    writeProfileTooShort(out);
  }
  // The 1-ft rows written so far stand; no interpolated rows are added, and
  // the run ends with status 5 without load-settlement or plot data.
  if (designLoad && !work.table.targetReached) {
    writeNeedAnotherSoilLayer(out);
    return kStatusDesignLoadNotReached;
  }
  if (work.table.count == 0) {
    return kStatusDesignLoadNotReached;
  }
  if (!designLoad) {
    forEachIncrementRow(s, g, work.table, [&](const CapacityRow& row) {
      out.report(rowLine(row, style));
      record.incrementRows.push_back(row);
    });
    if (!work.table.targetReached) {
      writeDesignDepthNotReached(out);
    }
  }
  prepareSettlement(data, g, work);
  const std::int32_t status = runSettlementStage(work.settlement, out, work.lines, worker);
  if (status != kStatusCompleted) {
    return status;
  }
  recordLines(work.lines, record);
  if (recordBestShaft(g, work.table, work.best)) {
    results.mostEfficientDiameter = static_cast<int>(results.diameters.size()) - 1;
  }
  if (lastDiameter) {
    writeMostEfficientShaft(out, work.best, s.si);
    results.mostEfficient = work.best;
    results.mostEfficientWritten = true;
  }
  postPlotBlock(work, s, out, worker);
  postResultsText(results, worker);
  if (work.lines.oneLine) {
    writeOneLineTable(out, work.lines.lines[0], s.si);
  }
  return kStatusCompleted;
}

constexpr float kWeakRockPsi = 1000.0f;

// Clay shale at the bottom of the profile over rock weaker than 1000 psi
// (or no rock strength evaluated at all).
bool weakRockNoteApplies(const InputData& data, const RockRunState& rock) {
  const bool shaleAtBottom =
      data.layers[static_cast<std::size_t>(data.entryCount - 1)].type == kClayShale;
  return shaleAtBottom && rock.lastStrengthPsi < kWeakRockPsi;
}

std::int32_t analyseDiameters(InputData& data, RunOutput& out, RunResults& results,
                              SideWorker& worker) {
  roundWalkedLayerBottoms(data);
  const auto work = std::make_unique<RunWork>();
  RockNotes rockNotes(out);
  const float diameterLimit = data.settings.diaLim + kDiameterLimitAllowanceFt;
  bool lastDiameter = false;
  for (float stemDiameter = data.settings.dStart; !lastDiameter; stemDiameter += kDiameterStepFt) {
    lastDiameter = stemDiameter + kDiameterStepFt >= diameterLimit;
    const std::int32_t status =
        analyseDiameter(stemDiameter, lastDiameter, data, *work, out, rockNotes, results, worker);
    if (status != kStatusCompleted) {
      writeCurveListing(work->lines.listing);
      return status;
    }
  }
  writeCurveListing(work->lines.listing);
  if (weakRockNoteApplies(data, work->rock)) {
    writeWeakRockNote(out);
  }
  return kStatusCompleted;
}

}  // namespace

std::int32_t runCapacityDriver(ListReader& input, RunOutput& out, RunResults& results,
                               SideWorker& worker) {
  InputData data = readInput(input, out);
  adjustShaftValues(data.settings);
  convertSiInput(data);
  results.settings = data.settings;
  results.inputRead = true;
  completeLayerTable(data);
  writeFactorsOfSafety(data.settings, out);
  writeSoilInformation(data, out);
  return analyseDiameters(data, out, results, worker);
}

}  // namespace bormek
