#include "capacity/capacity_driver.h"

#include <cmath>
#include <memory>

#include "capacity/capacity_rows.h"
#include "capacity/depth_walk.h"
#include "capacity/increment_table.h"
#include "capacity/layer_completion.h"
#include "capacity/shaft_geometry.h"
#include "entry/run_status.h"
#include "input/input_reader.h"
#include "input/si_conversion.h"
#include "input/soil_echo.h"
#include "output/capacity_report.h"
#include "output/fortran_format.h"

namespace bormek {
namespace {

constexpr float kDiameterStepFt = 0.5f;
constexpr float kDiameterLimitAllowanceFt = 0.02f;

// Working storage of the diameter loop, allocated once per run.
struct RunWork {
  TipArrays tips;
  RowTable table;
  BestShaft best;
  RockRunState rock;
};

void writeTipsBeyondCapacity(RunOutput& out) {
  out.notes("");
  out.notes(fmt::X(5) + "SHAFT TIPS BELOW " + std::to_string(kMaxTipDepths - 1) +
            " FT ARE NOT ANALYSED");
}

void recordBestShaft(const ShaftGeometry& g, const RowTable& table, BestShaft& best) {
  const CapacityRow& last = table.rows[static_cast<std::size_t>(table.count - 1)];
  // Ties keep the earlier, smaller diameter.
  if (last.perVolume > best.perVolume) {
    best = {g.stemDiameter, g.baseDiameter, last.length,
            last.volume,    last.ultimate,  last.perVolume};
  }
}

// One trial diameter: geometry, walk, rows, report table and best shaft.
std::int32_t analyseDiameter(float stemDiameter, InputData& data, RunWork& work, RunOutput& out,
                             RockNotes& rockNotes) {
  RunSettings& s = data.settings;
  const ReportStyle style = reportStyleOf(s);
  const ShaftGeometry g = shaftGeometryFor(stemDiameter, s);
  writeGeometry(out, g, s, s.bottomLength);
  s.bottomLength = std::round(s.bottomLength);
  writeLegendAndHeads(out, style);

  if (walkProfile(data, g, work.tips, out, rockNotes, work.rock).tipsBeyondCapacity) {
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
    forEachIncrementRow(s, g, work.table,
                        [&](const CapacityRow& row) { out.report(rowLine(row, style)); });
    if (!work.table.targetReached) {
      writeDesignDepthNotReached(out);
    }
  }
  recordBestShaft(g, work.table, work.best);
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

std::int32_t analyseDiameters(InputData& data, RunOutput& out) {
  roundWalkedLayerBottoms(data);
  const auto work = std::make_unique<RunWork>();
  RockNotes rockNotes(out);
  const float diameterLimit = data.settings.diaLim + kDiameterLimitAllowanceFt;
  float stemDiameter = data.settings.dStart;
  bool lastDiameter = false;
  while (!lastDiameter) {
    const std::int32_t status = analyseDiameter(stemDiameter, data, *work, out, rockNotes);
    if (status != kStatusCompleted) {
      return status;
    }
    stemDiameter += kDiameterStepFt;
    lastDiameter = stemDiameter >= diameterLimit;
    if (lastDiameter) {
      writeMostEfficientShaft(out, work->best, data.settings.si);
    }
  }
  if (weakRockNoteApplies(data, work->rock)) {
    writeWeakRockNote(out);
  }
  return kStatusCompleted;
}

}  // namespace

std::int32_t runCapacityDriver(ListReader& input, RunOutput& out) {
  InputData data = readInput(input, out);
  adjustShaftValues(data.settings);
  convertSiInput(data);
  completeLayerTable(data);
  writeFactorsOfSafety(data.settings, out);
  writeSoilInformation(data, out);
  return analyseDiameters(data, out);
}

}  // namespace bormek
