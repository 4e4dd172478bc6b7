// The one drawing routine of the shaft elevation, for the window, the
// printer and the picture exports. The two layouts differ as the screen and
// the printed page do: on screen the picture fills the area at equal scales
// (the fitted display window), the boundaries cross the whole width and the
// rock layers are named alone; printed, depth maps to 80 % of the page
// height between 10 % margins, the boundaries run from 10 % to 90 % of the
// width and every layer is named with its depths.
#pragma once

#include <QColor>
#include <QRect>

#include "core/elevation_geometry.h"

class QPainter;

enum class ElevationLayout { kScreen, kPrint };

struct ElevationColours {
  QColor background = Qt::white;  // the window colour; not painted when printing
  QColor lines = Qt::black;       // ground, hatch, boundaries and labels
  QColor shaft = Qt::black;       // the outline's fill, the window-text colour
};

// Draws `view` into `area` (device pixels) with the display window
// `display` (the fitted world window of the screen). The painter's font is
// the label font. Saves and restores the painter's state.
void DrawElevation(QPainter& painter, const Elevation& view, const WorldWindow& display,
                   const QRect& area, ElevationLayout layout, const ElevationColours& colours);
