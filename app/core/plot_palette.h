// The colours of a plot's curves. A curve takes the palette entry of its
// colour index, the number of active curves before it, so the legend, the
// drawing and the name editor agree.
#pragma once

#include <QColor>

class TGraphPlot;

inline constexpr int kPaletteSize = 17;

// Entry `colourIndex` modulo the palette size.
QColor CurveColour(int colourIndex);
// The number of active curves of panel 1 before curve `line`.
int ColourIndexOf(const TGraphPlot& plot, int line);
