// The soil-layer bands drawn beside the depth plots: one band per row of the
// soil-layer table D, named after its soil type and filled by a pattern.
#pragma once

class TGraphPlot;
class TGridTable;

// Fill patterns of a band, by number. The boring-log symbols (clay, sand,
// ...) are drawn by layer_patterns.h; 2 to 6 are plain hatches; any other
// number leaves the band unfilled.
enum LayerPattern : int {
  kClayPattern = 1,
  kForwardDiagonalHatch = 2,
  kCrossHatch = 3,
  kDiagonalCrossHatch = 4,
  kHorizontalHatch = 5,
  kVerticalHatch = 6,
  kSandPattern = 7,
  kShalePattern = 8,
  kRockPattern = 9,
  kWeakRockPattern = 10,
  kGravellyPattern = 11,
  kGravelPattern = 12,
};

// For a plot with at least one curve holding at least one point: one band
// per row of `d`, each with one point (X the pattern number, Y the depth of
// the layer's bottom) and named by its soil type (" SAND ", " CLAY ", ...).
// A row whose soil type is not one of the nine keeps the name "LAYER n".
void AddLayersGraphPlot(TGraphPlot& plot, TGridTable& d);
