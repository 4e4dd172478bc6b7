#include "entry/engine_run.h"

#include <ctime>
#include <exception>
#include <string>

#include "capacity/capacity_driver.h"
#include "entry/report_head.h"
#include "entry/run_control.h"
#include "entry/run_status.h"
#include "input/list_reader.h"
#include "output/run_messages.h"
#include "output/run_output.h"

namespace bormek {
namespace {

constexpr const char* kRunControlFile = "names.dat";

std::tm localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

std::int32_t openOutputs(const RunControl& control, RunOutput& out) {
  const bool notesOk = out.openNotes(control.notesPath);
  const bool reportOk = out.openReport(control.reportPath);
  const bool plotOk = out.openPlot(control.plotPath);
  if (notesOk && reportOk && plotOk) {
    return kStatusCompleted;
  }
  std::vector<std::string> lines;
  const std::pair<bool, const std::string*> files[] = {
      {notesOk, &control.notesPath}, {reportOk, &control.reportPath}, {plotOk, &control.plotPath}};
  for (const auto& [ok, path] : files) {
    if (!ok) {
      lines.push_back("THE OUTPUT FILE " + *path + " CANNOT BE CREATED");
    }
  }
  writeRunError(out, lines);
  return kStatusOutputNotCreated;
}

std::int32_t analyse(const RunControl& control, RunOutput& out) {
  ListReader input;
  if (!input.open(control.inputPath)) {
    writeRunError(out, {"THE INPUT DATA FILE " + control.inputPath + " CANNOT BE OPENED"});
    return kStatusInputUnreadable;
  }
  try {
    return runCapacityDriver(input, out);
  } catch (const InputError& error) {
    writeRunError(out, {"INPUT DATA FILE " + error.file(),
                        "LINE " + std::to_string(error.line()) + ", ITEM " +
                            std::to_string(error.item()) + ": " + error.reason()});
    return kStatusInputUnreadable;
  }
}

std::int32_t run(RunOutput& out) {
  std::string problem;
  const std::optional<RunControl> control = readRunControl(kRunControlFile, problem);
  if (!control) {
    out.console(problem);
    return kStatusRunControlMissing;
  }
  const std::int32_t openStatus = openOutputs(*control, out);
  if (openStatus != kStatusCompleted) {
    return openStatus;
  }
  writeReportHead(*control, localNow(), out);
  return analyse(*control, out);
}

}  // namespace

std::int32_t runEngine(std::int32_t request) noexcept {
  if (request != kRunRequestCode) {
    return kStatusBadRequest;
  }
  try {
    RunOutput out;
    std::int32_t status = kStatusInternalError;
    try {
      status = run(out);
    } catch (const std::exception& error) {
      writeRunError(out, {std::string("INTERNAL ERROR: ") + error.what()});
    }
    out.closeAll();
    return status;
  } catch (...) {
    return kStatusInternalError;
  }
}

}  // namespace bormek
