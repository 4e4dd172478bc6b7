#include "core/plot_ranges.h"

#include <algorithm>
#include <cmath>

#include "core/graph_plot.h"

namespace {

constexpr double kEmptySpanWidening = 0.01;
// Quotients this close to a whole number are that number: 0.01 / 0.001
// must give 10, not a hair above it that rounds away to 11.
constexpr double kWholeTolerance = 1e-9;

double awayFromZero(double value) {
  const double nearest = std::nearbyint(value);
  if (std::fabs(value - nearest) <= kWholeTolerance * std::max(1.0, std::fabs(value))) {
    return nearest;
  }
  return value < 0 ? std::floor(value) : std::ceil(value);
}

}  // namespace

bool RoundAxisRange(AxisRange& range) {
  if (range.max == range.min) {
    range.min -= kEmptySpanWidening;
    range.max += kEmptySpanWidening;
  }
  const double span = range.max - range.min;
  if (!std::isfinite(span) || span <= 0) {
    return false;
  }
  const double magnitude = std::log10(span);
  const double exponent = std::floor(magnitude);
  double unit = std::pow(10.0, exponent);
  if (magnitude - exponent < std::log10(3.0)) {
    unit /= 10;
  }
  if (unit == 0 || !std::isfinite(unit)) {
    return false;
  }
  range.min = unit * awayFromZero(range.min / unit);
  range.max = unit * awayFromZero(range.max / unit);
  return std::isfinite(range.min) && std::isfinite(range.max) && range.max > range.min;
}

bool InitialPanelRange(const TGraphPlot& plot, int panel, PanelRange& range) {
  range = PanelRange{};
  for (const auto& line : plot.Lines(TGraphPlot::PanelList(panel))) {
    for (const TFloatPoint& point : line->Points) {
      const double x = static_cast<double>(point.X);
      const double y = static_cast<double>(point.Y);
      range.x.min = std::min(range.x.min, x);
      range.x.max = std::max(range.x.max, x);
      range.y.min = std::min(range.y.min, y);
      range.y.max = std::max(range.y.max, y);
    }
  }
  return RoundAxisRange(range.x) && RoundAxisRange(range.y);
}
