// The thirteen plot definitions the main window owns, defined once as data:
// their component names, captions, unit codes and how many lines and points
// each gets when results are loaded (result_loader.h).
#pragma once

#include <array>
#include <memory>

#include "core/graph_plot.h"

enum class PlotId : int {
  pltSkin = 0,
  pltTip,
  pltTotal,
  FSpltSkin,
  FSpltTip,
  FSpltTotal,
  pltAxial,
  pltUpper,
  pltLower,
  pltLoad,
  pltCombine,
  pltCombineD,
  pltCombinedSettle,
};

inline constexpr int kPlotCount = 13;

// How a count of lines or points is found when results are loaded.
enum class PlotCount {
  kDiameters,       // one line per diameter of the plot file
  kDepthRows,       // one point per depth row
  kSettlementRows,  // the load-settlement points: the origin and 15 rows
  kThree,           // the three combined lines
  kNine,            // the load-distribution lines
};

struct PlotDefinition {
  PlotId id;
  const char* component;
  const char* caption;
  const char* xCaption;  // nullptr: set by the design method at loading
  const char* xUnits;
  const char* yCaption;
  const char* yUnits;
  PlotCount lines;
  PlotCount points;
};

extern const std::array<PlotDefinition, kPlotCount> kPlotDefinitions;

// The number that a count stands for, given the file's diameters and depth
// rows.
int PlotCountValue(PlotCount count, int diameters, int depthRows);

class TPlotSet {
 public:
  // Every plot with its definition's captions and unit codes.
  TPlotSet();

  TGraphPlot& Plot(PlotId id) { return *plots_.at(static_cast<std::size_t>(id)); }
  const TGraphPlot& Plot(PlotId id) const { return *plots_.at(static_cast<std::size_t>(id)); }
  // The plot with the component name ("pltSkin"); nullptr for another.
  TGraphPlot* Find(const char* component);

  void SetWindowFactory(const TGraphPlot::WindowFactory& factory);
  // Each plot whose window is open draws again.
  void RefreshWindows();

 private:
  std::array<std::unique_ptr<TGraphPlot>, kPlotCount> plots_;
};
