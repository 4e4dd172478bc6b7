#include "entry/engine_run.h"

#include <ctime>
#include <exception>
#include <string>

#include "capacity/capacity_driver.h"
#include "entry/path_parts.h"
#include "entry/report_head.h"
#include "entry/run_control.h"
#include "entry/run_status.h"
#include "input/list_reader.h"
#include "output/results_file.h"
#include "output/run_messages.h"
#include "output/run_output.h"
#include "output/run_results.h"
#include "parallel/side_worker.h"

namespace bormek {
namespace {

constexpr const char* kRunControlFile = "names.dat";

std::tm localNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local;
}

// The results file lies beside the report, named after it.
std::string resultsPathOf(const RunControl& control) {
  return withExtension(control.reportPath, ".json");
}

std::int32_t openOutputs(const RunControl& control, RunOutput& out) {
  const std::string resultsPath = resultsPathOf(control);
  const bool notesOk = out.openNotes(control.notesPath);
  const bool reportOk = out.openReport(control.reportPath);
  const bool plotOk = out.openPlot(control.plotPath);
  const bool resultsOk = out.openResults(resultsPath);
  if (notesOk && reportOk && plotOk && resultsOk) {
    return kStatusCompleted;
  }
  std::vector<std::string> lines;
  const std::pair<bool, const std::string*> files[] = {{notesOk, &control.notesPath},
                                                       {reportOk, &control.reportPath},
                                                       {plotOk, &control.plotPath},
                                                       {resultsOk, &resultsPath}};
  for (const auto& [ok, path] : files) {
    if (!ok) {
      lines.push_back("THE OUTPUT FILE " + *path + " CANNOT BE CREATED");
    }
  }
  writeRunError(out, lines);
  return kStatusOutputNotCreated;
}

std::int32_t analyse(const RunControl& control, RunOutput& out, RunResults& results,
                     SideWorker& worker) {
  ListReader input;
  if (!input.open(control.inputPath)) {
    writeRunError(out, {"THE INPUT DATA FILE " + control.inputPath + " CANNOT BE OPENED"});
    return kStatusInputUnreadable;
  }
  try {
    return runCapacityDriver(input, out, results, worker);
  } catch (const InputError& error) {
    writeRunError(out, {"INPUT DATA FILE " + error.file(),
                        "LINE " + std::to_string(error.line()) + ", ITEM " +
                            std::to_string(error.item()) + ": " + error.reason()});
    return kStatusInputUnreadable;
  }
}

std::int32_t run(RunOutput& out, RunResults& results, SideWorker& worker) {
  std::string problem;
  const std::optional<RunControl> control = readRunControl(kRunControlFile, problem);
  if (!control) {
    out.console(problem);
    return kStatusRunControlMissing;
  }
  results.versionLabel = control->versionLabel;
  results.inputPath = control->inputPath;
  const std::int32_t openStatus = openOutputs(*control, out);
  if (openStatus != kStatusCompleted) {
    return openStatus;
  }
  writeReportHead(*control, localNow(), out);
  return analyse(*control, out, results, worker);
}

void writeInternalError(RunOutput& out, const std::exception& error) {
  writeRunError(out, {std::string("INTERNAL ERROR: ") + error.what()});
}

// The analysis, then the plot blocks the worker still holds: they are
// written before the files close. What either throws ends the run as an
// internal error.
std::int32_t runToEnd(RunOutput& out, RunResults& results, SideWorker& worker) {
  std::int32_t status = kStatusInternalError;
  try {
    status = run(out, results, worker);
  } catch (const std::exception& error) {
    writeInternalError(out, error);
  }
  try {
    worker.finish();
  } catch (const std::exception& error) {
    status = kStatusInternalError;
    writeInternalError(out, error);
  }
  return status;
}

}  // namespace

std::int32_t runEngine(std::int32_t request) noexcept {
  if (request != kRunRequestCode) {
    return kStatusBadRequest;
  }
  try {
    RunOutput out;
    RunResults results;
    SideWorker worker;  // stops before the outputs it writes to go
    const std::int32_t status = runToEnd(out, results, worker);
    // Whatever the run reached goes into the results file, with its status.
    writeResults(results, out.noteMessages(), status,
                 [&out](std::string_view piece) { out.results(piece); });
    out.closeAll();
    return status;
  } catch (...) {
    return kStatusInternalError;
  }
}

}  // namespace bormek
