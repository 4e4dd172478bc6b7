// The ticks of one axis: a labelled step of 1, 2, 3, ... 9 times a power of
// ten, chosen so that at most one label falls on every six label heights
// of the axis, and minor ticks at a fifth of it.
#pragma once

#include <vector>

#include "core/plot_ranges.h"

struct Tick {
  double value;
  bool major;  // a grid line and a label
};

struct AxisTicks {
  double step = 0;   // 0: no ticks
  double minor = 0;  // step / 5
  std::vector<Tick> ticks;
};

// The label step for `range` drawn over `length` pixels with labels
// `labelHeight` pixels high: n = length / (6 label heights) labels at most,
// raw = width / n, g = 10^floor(log10(raw)), step = g when raw / g is below
// 2, else its leading digit times g. 0 when n is 0.
double TickStep(const AxisRange& range, double length, double labelHeight);

// Every multiple of the minor step inside the range, each fifth one major.
AxisTicks TicksFor(const AxisRange& range, double length, double labelHeight);
