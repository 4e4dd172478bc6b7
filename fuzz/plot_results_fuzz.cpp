// The plot-file loader on an arbitrary file, for a project read in the
// current layout (seven values per depth row) and one read in the legacy
// layout (five); then every plot the current file gives is opened and
// painted as a small window shows it (ranges, ticks, clipping, legend and
// text). A file the loader refuses is a valid outcome (it is reported to
// the user); a crash, a sanitizer report or a hang is a finding.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "core/plot_painter.h"
#include "core/plot_results.h"
#include "core/plot_set.h"
#include "core/plot_view.h"
#include "core/program_data.h"
#include "core/silent_dialogs.h"
#include "core/soil_layer_tables.h"
#include "core/units.h"
#include "fuzz/scratch_input.h"

namespace {

// Painting measures text: a GUI application on the offscreen platform.
void ensureApplication() {
  static int argc = 1;
  static char name[] = "fuzz_plot_results";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance() == nullptr) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    new QGuiApplication(argc, argv);
  }
}

// Every plot that opens, painted into a window of 320 x 240 pixels.
void paintPlots(const TPlotSet& plots) {
  const QSize window(320, 240);
  QImage image(window, QImage::Format_ARGB32_Premultiplied);
  PaintSurface surface;
  surface.size = QSizeF(window);
  for (const PlotDefinition& definition : kPlotDefinitions) {
    TPlotView view(plots.Plot(definition.id));
    if (view.Open()) {
      view.Layout(surface);
      QPainter painter(&image);
      PaintPlot(painter, view);
    }
  }
}

void load(const std::string& path, bool current) {
  ensureApplication();
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
  if (LoadPlotResults(plots, project, dialogs, path, true) && current) {
    paintPlots(plots);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::filesystem::path input = bormek::fuzzing::WriteInput(data, size, "input.bkp");
  load(input.string(), true);
  load(input.string(), false);
  return 0;
}
