// The plot-file loader on an arbitrary file, for a project read in the
// current layout (seven values per depth row) and one read in the legacy
// layout (five), then the ranges and ticks a plot window would open on. A
// file the loader refuses is a valid outcome (it is reported to the user);
// a crash, a sanitizer report or a hang is a finding.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "core/plot_ranges.h"
#include "core/plot_results.h"
#include "core/plot_set.h"
#include "core/plot_ticks.h"
#include "core/program_data.h"
#include "core/silent_dialogs.h"
#include "core/soil_layer_tables.h"
#include "core/units.h"
#include "fuzz/scratch_input.h"

namespace {

// A plot area of 1000 pixels with labels 16 pixels high.
constexpr double kAreaPixels = 1000;
constexpr double kLabelPixels = 16;

void openWindows(const TPlotSet& plots) {
  for (const PlotDefinition& definition : kPlotDefinitions) {
    PanelRange range;
    if (InitialPanelRange(plots.Plot(definition.id), 0, range)) {
      static_cast<void>(TicksFor(range.x, kAreaPixels, kLabelPixels));
      static_cast<void>(TicksFor(range.y, kAreaPixels, kLabelPixels));
    }
  }
}

void load(const std::string& path, bool current) {
  const std::unique_ptr<SoilLayerTables> tables = CreateSoilLayerTables();
  TProgramData project(*tables);
  project.Create();
  project.CurrentFormat = current;
  if (!current) {
    project.UnitSystem = kSiUnits;
    project.DesignMethod = kLrfdMethod;
    project.LoadingType = 2;
    project.MinDiameter() = 0.9L;
  }
  TPlotSet plots;
  TSilentDialogs dialogs;
  if (LoadPlotResults(plots, project, dialogs, path, true)) {
    openWindows(plots);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path input = bormek::fuzzing::WriteInput(data, size, "input.bkp");
  load(input.string(), true);
  load(input.string(), false);
  return 0;
}
