#include "core/plot_ticks.h"

#include <cmath>

namespace {

constexpr double kLabelSpacing = 6;  // label heights per label at most
constexpr int kMinorPerStep = 5;
// A bound within this share of a minor step still carries its tick: the
// range's ends are themselves multiples of a rounding unit.
constexpr double kEndTolerance = 1e-9;
// More minor ticks than a window can show, or tick numbers beyond exact
// whole doubles, mean a range beyond any scale.
constexpr double kMostMinorTicks = 100000;
constexpr double kLargestTickNumber = 1e15;

}  // namespace

double TickStep(const AxisRange& range, double length, double labelHeight) {
  if (!(labelHeight > 0)) {
    return 0;
  }
  const double labels = std::floor(length / (kLabelSpacing * labelHeight));
  if (labels < 1 || !(range.Width() > 0)) {
    return 0;
  }
  const double raw = range.Width() / labels;
  const double g = std::pow(10.0, std::floor(std::log10(raw)));
  const double digit = std::trunc(raw / g);
  if (!std::isfinite(g) || g == 0) {
    return 0;
  }
  return digit < 2 ? g : digit * g;
}

AxisTicks TicksFor(const AxisRange& range, double length, double labelHeight) {
  AxisTicks result;
  result.step = TickStep(range, length, labelHeight);
  if (result.step == 0) {
    return result;
  }
  result.minor = result.step / kMinorPerStep;
  const double first = std::ceil(range.min / result.minor - kEndTolerance);
  const double last = std::floor(range.max / result.minor + kEndTolerance);
  if (!(std::fabs(first) < kLargestTickNumber && std::fabs(last) < kLargestTickNumber) ||
      last - first > kMostMinorTicks) {
    result.step = 0;
    return result;
  }
  for (auto k = static_cast<long long>(first); k <= static_cast<long long>(last); ++k) {
    result.ticks.push_back({static_cast<double>(k) * result.minor, k % kMinorPerStep == 0});
  }
  return result;
}
