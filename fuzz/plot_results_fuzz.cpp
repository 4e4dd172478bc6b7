// The plot-file loader on an arbitrary file, for a project read in the
// current layout (seven values per depth row) and one read in the legacy
// layout (five), then the ranges and ticks a plot window would open on. A
// file the loader refuses is a valid outcome (it is reported to the user);
// a crash, a sanitizer report or a hang is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

#include "core/dialogs.h"
#include "core/plot_ranges.h"
#include "core/plot_results.h"
#include "core/plot_set.h"
#include "core/plot_ticks.h"
#include "core/program_data.h"
#include "core/soil_layer_tables.h"
#include "core/units.h"

namespace {

namespace fs = std::filesystem;

// A plot area of 1000 pixels with labels 16 pixels high.
constexpr double kAreaPixels = 1000;
constexpr double kLabelPixels = 16;

// Answers nothing and shows nothing.
class SilentDialogs : public TDialogs {
 public:
  void Information(const QString&) override {}
  void Error(const QString&) override {}
  Answer Confirm(const QString&) override { return Answer::kCancel; }
  FileChoice OpenFile(const QString&, const QStringList&, const QString&) override { return {}; }
  FileChoice SaveFile(const QString&, const QStringList&, const QString&) override { return {}; }
  bool Print(QPrinter&) override { return false; }
  bool PageSetup(QPrinter&) override { return false; }
};

const fs::path& scratchFolder() {
  static const fs::path* const folder = [] {
    const auto* path = new fs::path(fs::temp_directory_path() /
                                    ("bormek-fuzz-plot-" + std::to_string(::getpid())));
    fs::create_directories(*path);
    std::atexit([] {
      std::error_code ignored;
      fs::remove_all(scratchFolder(), ignored);
    });
    return path;
  }();
  return *folder;
}

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
  SilentDialogs dialogs;
  if (LoadPlotResults(plots, project, dialogs, path, true)) {
    openWindows(plots);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path input = scratchFolder() / "input.bkp";
  {
    std::ofstream out(input, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  load(input.string(), true);
  load(input.string(), false);
  return 0;
}
