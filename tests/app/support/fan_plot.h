// A small plot for the drawing tests: three curves from the origin fanning
// out to 40, 20 and 10 tons at 25 ft, so that the plot opens on 0 to 40
// tons and 0 to 25 ft.
#pragma once

#include "core/graph_plot.h"

namespace bormek::app_testing {

inline void SetFanCurves(TGraphPlot& plot) {
  plot.SetLineCount(3);
  plot.Line(0).Points = {{0, 0}, {40, 25}};
  plot.Line(1).Points = {{0, 0}, {20, 25}};
  plot.Line(2).Points = {{0, 0}, {10, 25}};
}

}  // namespace bormek::app_testing
