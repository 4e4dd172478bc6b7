// The data ranges a plot window opens on: each axis spans every point of
// every curve of the panel and 0, rounded outwards to a unit of the span's
// order of magnitude.
#pragma once

class TGraphPlot;

struct AxisRange {
  double min = 0;
  double max = 0;
  double Width() const { return max - min; }
  double Middle() const { return (min + max) / 2; }
};

struct PanelRange {
  AxisRange x;
  AxisRange y;
};

// Rounds `range` outwards: an empty span is widened by 0.01 each way; the
// unit is 10^floor(log10(span)), a tenth of that when the span's leading
// digits lie below 3; both ends go away from zero to a multiple of the
// unit. False when no unit can be found (a span of no finite size).
bool RoundAxisRange(AxisRange& range);

// The rounded range of panel 0, 1 or 2 over all points of all its curves,
// active or not, starting from 0 for all four bounds. False when the plot
// cannot be shown (see RoundAxisRange).
bool InitialPanelRange(const TGraphPlot& plot, int panel, PanelRange& range);
