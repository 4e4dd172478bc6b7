// The shaft elevation to scale: the outline of the shaft and its bell as
// quadrilaterals in world coordinates, the world window around them and the
// layer boundaries, and the fit of that window to a drawing area with equal
// scales in x and y. Lengths are in the project's length unit (ft or m);
// world y grows downward from the shaft head, which stands GroundOffset
// above the ground surface.
#pragma once

#include <optional>
#include <vector>

#include "core/number_text.h"

class TGridTable;
class TProgramData;

struct WorldPoint {
  Extended x = 0;
  Extended y = 0;
};

// Corners A (top left), B (top right), C (bottom left), D (bottom right);
// drawn as the polygon A, B, D, C.
struct Quadrilateral {
  WorldPoint a;
  WorldPoint b;
  WorldPoint c;
  WorldPoint d;
};

struct WorldWindow {
  Extended xMin = -5;
  Extended xMax = 5;
  Extended yMin = 0;
  Extended yMax = 5;
};

struct ElevationLayer {
  int soilType = 0;  // the item of D's type column, 1 to 9; others get no label
  Extended topDepth = 0;
  Extended bottomDepth = 0;
};

// What the view draws, built from the project and its soil-layer table.
struct Elevation {
  std::vector<Quadrilateral> outline;  // the shaft, then the bell
  std::vector<ElevationLayer> layers;
  WorldWindow world;
  Extended groundOffset = 0;  // 2 x the minimum diameter
  // The length drawn: the project's, or the bottom of the last layer when
  // the project has none (below 0.0001). The project keeps its own value.
  Extended shaftLength = 0;
};

// The bell height and the outline use pi as 3.1416.
Elevation BuildElevation(Extended minDiameter, Extended bellRatio, Extended bellAngleDeg,
                         Extended shaftLength, const std::vector<ElevationLayer>& layers);
Elevation BuildElevation(TProgramData& project);

// Layers of D: soil type (column 0) and bottom depth (column 1), each top
// the bottom of the layer above.
std::vector<ElevationLayer> ElevationLayersOf(TGridTable& d);

// The world window widened in one direction to the area's aspect ratio, so
// that x and y keep equal scales; nothing when the area or the window has
// no extent (the view is then disabled).
std::optional<WorldWindow> FitToArea(const WorldWindow& world, Extended width, Extended height);

// World to pixel and back over an area of width x height pixels showing the
// display window; pixels are rounded to whole numbers.
struct PixelPoint {
  int x = 0;
  int y = 0;
};
PixelPoint WorldToPixel(const WorldWindow& display, Extended width, Extended height,
                        WorldPoint point);
WorldPoint PixelToWorld(const WorldWindow& display, Extended width, Extended height, Extended px,
                        Extended py);

// The label of a layer, with its depths in general number format: on
// screen "depth= 0 - 10; Sand" for the soil types and the rock names alone
// for the others; printed, every type with its depths ("; Soft Rock" for
// weak rock). Empty for a soil type outside 1 to 9.
std::string ScreenLayerLabel(const ElevationLayer& layer);
std::string PrintLayerLabel(const ElevationLayer& layer);
// Whether the screen label sits one text height below the top boundary
// (soils) or on it (shale and rock).
bool ScreenLabelBelowBoundary(int soilType);

// The caption of the pointer read-out: "  Depth: " and the world y with one
// decimal.
std::string DepthReadout(Extended worldY);
