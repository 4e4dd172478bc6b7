// The plots of the largest legal project: loading its plot file of about
// 2 MB into the thirteen plots, and painting its skin-friction plot (59
// curves over 400 ft, a marker at every point, the soil layers shown) into
// a 1600 x 1000 image as a maximised window shows it.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "bench/largest_project.h"
#include "core/plot_painter.h"
#include "core/plot_results.h"
#include "core/plot_set.h"
#include "core/plot_view.h"
#include "core/program_data.h"
#include "core/silent_dialogs.h"
#include "core/soil_layer_tables.h"
#include "entry/engine_run.h"

namespace {

namespace fs = std::filesystem;

const QSize kWindowPixels(1600, 1000);
constexpr double kScreenPpi = 96;

// The largest project and the plot file its run wrote.
struct LargestRun {
  std::unique_ptr<SoilLayerTables> tables = CreateSoilLayerTables();
  TProgramData project{*tables};
  std::string plotFile;

  LargestRun() {
    const fs::path folder = bormek::bench::prepareRun("plots", bormek::bench::largestProject());
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    bormek::runEngine(bormek::kRunRequestCode);
    fs::current_path(previous);
    project.CreateFromFile((folder / "project.bkd").string(), true);
    plotFile = (folder / "project.bkp").string();
  }
};

LargestRun& largestRun() {
  static LargestRun run;
  return run;
}

void LoadLargestPlotFile(benchmark::State& state) {
  LargestRun& run = largestRun();
  TSilentDialogs dialogs;
  TPlotSet plots;
  for (auto _ : state) {
    if (!LoadPlotResults(plots, run.project, dialogs, run.plotFile, true)) {
      state.SkipWithError("the plot file cannot be read");
      break;
    }
  }
  state.counters["bytes"] = static_cast<double>(fs::file_size(run.plotFile));
}

void PaintLargestSkinFrictionPlot(benchmark::State& state) {
  LargestRun& run = largestRun();
  TSilentDialogs dialogs;
  TPlotSet plots;
  LoadPlotResults(plots, run.project, dialogs, run.plotFile, true);
  TGraphPlot& skin = plots.Plot(PlotId::pltSkin);
  skin.ShowLayers = true;
  skin.Markers = 1;
  TPlotView view(skin);
  if (!view.Open()) {
    state.SkipWithError("the plot cannot be shown");
    return;
  }
  PaintSurface window;
  window.size = QSizeF(kWindowPixels);
  window.ppx = kScreenPpi;
  window.ppy = kScreenPpi;
  view.Layout(window);
  QImage image(kWindowPixels, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    QPainter painter(&image);
    PaintPlot(painter, view);
  }
  state.counters["curves"] = skin.LineCount();
  state.counters["points"] = skin.LineCount() * skin.PointCount();
}

}  // namespace

BENCHMARK(LoadLargestPlotFile)->Unit(benchmark::kMillisecond);
BENCHMARK(PaintLargestSkinFrictionPlot)->Unit(benchmark::kMillisecond);

// Painting measures text: the benchmarks run in a QGuiApplication on the
// offscreen platform.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
