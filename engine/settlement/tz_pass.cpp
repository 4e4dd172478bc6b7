#include "settlement/tz_pass.h"

#include <string>

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

}  // namespace

std::int32_t TzPass(const SettlementInput& input, TzPassCode pass, RunOutput& out,
                    SettlementLine& line, TzListing& listing, SideWorker& worker) {
  const bool si = input.data->settings.si;
  listing.started = true;
  listing.si = si;
  listing.complete = false;
  TzModel& model = listing.model;
  const TzBuild build = buildTzModel(input, pass, model);
  if (build.status != TzStatus::kBuilt) {
    writeBeyondProfile(out, build.status, build.depthBeyondIn);
    return static_cast<std::int32_t>(build.status);
  }

  const auto movements = assumedTipMovements(model.diameterIn);
  out.notesAlone(listDirected({kTipMovements, model.segments, 0, model.segments}));
  std::array<TzHead, kTipMovements> heads{};
  solveForTipMovements(model, movements.data(), heads.data(), kTipMovements, &worker);
  bool limitReached = false;
  for (int m = 0; m < kTipMovements; ++m) {
    const TzHead& head = heads[static_cast<std::size_t>(m)];
    limitReached = limitReached || head.iterationLimitReached;
    line[static_cast<std::size_t>(m)] = outputPoint(head, si);
  }
  listing.complete = true;
  if (limitReached) {
    writeRunWarning(out, {"THE LOAD-TRANSFER SOLUTION DID NOT SETTLE WITHIN ITS ITERATION LIMIT;",
                          "THE MOVEMENTS OF THE LAST ROUND ARE USED."});
  }
  writeReportSection(out, pass, line, si);
  return 0;
}

}  // namespace bormek
