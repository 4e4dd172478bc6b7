#include "settlement/tz_pass.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "input/unit_constants.h"
#include "output/fortran_format.h"
#include "output/run_messages.h"
#include "settlement/tz_solution.h"

namespace bormek {
namespace {

using fmt::Record;

void writeBeyondProfile(RunOutput& out, TzStatus status, float depthIn) {
  out.report("");
  out.report(fmt::X(29) + "**** WARNING ****");
  if (status == TzStatus::kNodeBeyondProfile) {
    out.report(Record()
                   .X(5)
                   .A("THE VALUE OF X =")
                   .E(depthIn, 9, 3)
                   .A(" IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE 1")
                   .str());
    return;
  }
  const std::string message = Record()
                                  .X(5)
                                  .A("THE VALUE OF X =")
                                  .E(depthIn, 9, 2)
                                  .A(" IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE")
                                  .str();
  out.report(message);
  out.notes("");
  out.notes(fmt::X(29) + "**** WARNING ****");
  out.notes(message);
}

SettlementPoint outputPoint(const TzHead& head, bool si) {
  const auto movement = [si](float inches) { return si ? inches / kInchesPerMetre : inches; };
  return {outputForceOfPounds(head.topLoadLb, si), movement(head.topMovementIn),
          outputForceOfPounds(head.tipLoadLb, si), movement(head.tipMovementIn)};
}

const char* headingOf(TzPassCode pass) {
  switch (pass) {
    case TzPassCode::kUpperBound:
      return "RESULT FROM UPPER-BOUND LINE";
    case TzPassCode::kLowerBound:
      return "RESULT FROM LOWER-BOUND LINE";
    case TzPassCode::kTrend:
      break;
  }
  return "RESULT FROM TREND (AVERAGED) LINE";
}

void writeReportSection(RunOutput& out, TzPassCode pass, const SettlementLine& line, bool si) {
  const UnitLabels labels = labelsOf(si);
  out.reportBlank(3);
  out.report(fmt::X(8) + headingOf(pass));
  out.report("");
  out.report(fmt::X(8) + "TOP  LOAD     TOP MOVEMENT       TIP LOAD  " + fmt::X(4) +
             "TIP  MOVEMENT");
  out.report(Record()
                 .X(11)
                 .A(labels.force)
                 .X(13)
                 .A(labels.length)
                 .X(14)
                 .A(labels.force)
                 .X(12)
                 .A(labels.length)
                 .str());
  for (const SettlementPoint& point : line) {
    out.report(Record()
                   .E(point.topLoad, 17, 4)
                   .E(point.topMovement, 16, 4)
                   .E(point.tipLoad, 16, 4)
                   .E(point.tipMovement, 16, 4)
                   .str());
  }
}

// List-directed integers, as a Fortran list-directed write lays them out.
std::string listDirected(std::initializer_list<int> values) {
  std::string text;
  for (const int value : values) {
    text += fmt::I(value, 12);
  }
  return text;
}

// A pass built, with the heads of its assumed tip movements.
struct BuiltPass {
  TzPassCode code = TzPassCode::kTrend;
  TzModel model;
  std::array<TzHead, kTipMovements> heads{};
};

// The notes line, the warning and the report section of a solved pass, and
// its line in output units.
void writeSolvedPass(const BuiltPass& pass, bool si, RunOutput& out, SettlementLine& line) {
  out.notesAlone(listDirected({kTipMovements, pass.model.segments, 0, pass.model.segments}));
  bool limitReached = false;
  for (std::size_t m = 0; m < pass.heads.size(); ++m) {
    limitReached = limitReached || pass.heads[m].iterationLimitReached;
    line[m] = outputPoint(pass.heads[m], si);
  }
  if (limitReached) {
    writeRunWarning(out, {"THE LOAD-TRANSFER SOLUTION DID NOT SETTLE WITHIN ITS ITERATION LIMIT;",
                          "THE MOVEMENTS OF THE LAST ROUND ARE USED."});
  }
  writeReportSection(out, pass.code, line, si);
}

}  // namespace

std::int32_t runTzPasses(const SettlementInput& input, RunOutput& out,
                         std::array<SettlementLine, kTzLineCount>& lines, TzListing& listing,
                         SideWorker& worker) {
  const TzPassCode codes[kTzLineCount] = {TzPassCode::kTrend, TzPassCode::kUpperBound,
                                          TzPassCode::kLowerBound};
  std::vector<std::unique_ptr<BuiltPass>> passes;
  TzBuild stop;
  for (const TzPassCode code : codes) {
    auto& pass = passes.emplace_back(std::make_unique<BuiltPass>());
    pass->code = code;
    stop = buildTzModel(input, code, pass->model);
    if (stop.status != TzStatus::kBuilt) {
      break;
    }
  }
  const bool stopped = stop.status != TzStatus::kBuilt;
  const std::size_t solved = passes.size() - (stopped ? 1 : 0);
  // The passes share the stem, so they share the assumed tip movements.
  const auto movements = assumedTipMovements(passes.front()->model.diameterIn);
  std::vector<TzSolution> solutions;
  for (std::size_t k = 0; k < solved; ++k) {
    BuiltPass& pass = *passes[k];
    solutions.push_back({&pass.model, movements.data(), pass.heads.data(), kTipMovements});
  }
  solveForTipMovements(solutions, &worker);

  const bool si = input.data->settings.si;
  for (std::size_t k = 0; k < solved; ++k) {
    writeSolvedPass(*passes[k], si, out, lines[k]);
  }
  // The listing holds the curves of the last pass built, complete only when
  // that pass was solved.
  listing.started = true;
  listing.si = si;
  listing.complete = !stopped;
  listing.model = passes.back()->model;
  if (stopped) {
    writeBeyondProfile(out, stop.status, stop.depthBeyondIn);
    return static_cast<std::int32_t>(stop.status);
  }
  return 0;
}

}  // namespace bormek
