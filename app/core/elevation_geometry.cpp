#include "core/elevation_geometry.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/grid_table.h"
#include "core/program_data.h"
#include "core/soil_layer_columns.h"
#include "core/soil_layer_tables.h"

namespace {

constexpr Extended kElevationPi = 3.1416L;
constexpr Extended kHalfTurnDeg = 180.0L;
constexpr Extended kGroundOffsetDiameters = 2.0L;
constexpr Extended kNoShaftLength = 0.0001L;
constexpr int kDepthDigits = 15;  // general format, as numbers are shown by default
constexpr int kReadoutDecimals = 1;

// A section of the shaft from axis distance s1 to s2, w1 wide at s1 and w2
// at s2, centred on the axis.
Quadrilateral section(Extended s1, Extended w1, Extended s2, Extended w2) {
  return {{-w1 / 2, s1}, {w1 / 2, s1}, {-w2 / 2, s2}, {w2 / 2, s2}};
}

WorldWindow extentOf(const std::vector<Quadrilateral>& outline) {
  WorldWindow world;
  if (outline.empty()) {
    return world;
  }
  world.xMin = world.xMax = outline.front().a.x;
  world.yMin = world.yMax = outline.front().a.y;
  for (const Quadrilateral& q : outline) {
    world.xMin = std::min({world.xMin, q.a.x, q.c.x});
    world.xMax = std::max({world.xMax, q.b.x, q.d.x});
    world.yMin = std::min({world.yMin, q.a.y, q.b.y});
    world.yMax = std::max({world.yMax, q.c.y, q.d.y});
  }
  return world;
}

std::string depthText(Extended depth) {
  return FormatGeneral(depth, kDepthDigits);
}

std::string depthRange(const ElevationLayer& layer) {
  return "depth= " + depthText(layer.topDepth) + " - " + depthText(layer.bottomDepth);
}

// The soil names that follow the depths; the rock names stand alone on
// screen.
const char* soilName(int soilType) {
  switch (soilType) {
    case kSand:
      return "; Sand";
    case kClay:
      return "; Clay";
    case kGravellySand:
      return "; Gravelly Sand";
    case kGravel:
      return "; Gravel";
    default:
      return nullptr;
  }
}

const char* rockName(int soilType) {
  switch (soilType) {
    case kShale:
      return "Shale";
    case kStrongRockEither:
    case kStrongRockBoth:
      return "Strong Rock";
    case kDecomposedRock:
      return "Decomposed Rock";
    case kWeakRock:
      return "Weak Rock";
    default:
      return nullptr;
  }
}

}  // namespace

Elevation BuildElevation(Extended minDiameter, Extended bellRatio, Extended bellAngleDeg,
                         Extended shaftLength, const std::vector<ElevationLayer>& layers) {
  Elevation view;
  view.layers = layers;
  if (layers.empty()) {
    return view;
  }
  const Extended lastBottom = layers.back().bottomDepth;
  const Extended b = minDiameter;
  view.shaftLength = shaftLength < kNoShaftLength ? lastBottom : shaftLength;
  view.groundOffset = kGroundOffsetDiameters * b;
  const Extended axisEnd = view.shaftLength + view.groundOffset;
  view.outline.push_back(section(0, b, axisEnd, b));
  if (bellAngleDeg > 0) {
    const Extended bellDiameter = bellRatio * b;
    const Extended height =
        ((bellDiameter - b) / 2) / std::tan(bellAngleDeg * kElevationPi / kHalfTurnDeg);
    view.outline.push_back(section(axisEnd - height, b, axisEnd, bellDiameter));
  }
  view.world = extentOf(view.outline);
  view.world.yMax = std::max(view.world.yMax, lastBottom + view.groundOffset);
  return view;
}

Elevation BuildElevation(TProgramData& project) {
  return BuildElevation(project.MinDiameter(), project.BellRatio(), project.BellAngle(),
                        project.ShaftLength(), ElevationLayersOf(project.Tables().D()));
}

std::vector<ElevationLayer> ElevationLayersOf(TGridTable& d) {
  std::vector<ElevationLayer> layers;
  Extended top = 0;
  for (int row = 0; row < d.RowCount(); ++row) {
    const Extended bottom = d.Cells(kDepthColumn, row).AsFloat();
    layers.push_back({d.Cells(kTypeColumn, row).AsInteger(), top, bottom});
    top = bottom;
  }
  return layers;
}

std::optional<WorldWindow> FitToArea(const WorldWindow& world, Extended width, Extended height) {
  const Extended worldWidth = world.xMax - world.xMin;
  const Extended worldHeight = world.yMax - world.yMin;
  const Extended a = (width / height) / (worldWidth / worldHeight);
  if (!std::isfinite(a) || !(a > 0)) {
    return std::nullopt;
  }
  WorldWindow display = world;
  if (a >= 1) {
    display.xMin *= a;
    display.xMax *= a;
  } else {
    display.yMin /= a;
    display.yMax /= a;
  }
  return display;
}

PixelPoint WorldToPixel(const WorldWindow& display, Extended width, Extended height,
                        WorldPoint point) {
  const Extended px = width * (point.x - display.xMin) / (display.xMax - display.xMin);
  const Extended py = height * (point.y - display.yMin) / (display.yMax - display.yMin);
  return {static_cast<int>(std::lround(px)), static_cast<int>(std::lround(py))};
}

WorldPoint PixelToWorld(const WorldWindow& display, Extended width, Extended height, Extended px,
                        Extended py) {
  return {display.xMin + px / width * (display.xMax - display.xMin),
          display.yMin + py / height * (display.yMax - display.yMin)};
}

std::string ScreenLayerLabel(const ElevationLayer& layer) {
  if (const char* soil = soilName(layer.soilType)) {
    return depthRange(layer) + soil;
  }
  if (const char* rock = rockName(layer.soilType)) {
    return rock;
  }
  return {};
}

std::string PrintLayerLabel(const ElevationLayer& layer) {
  if (const char* soil = soilName(layer.soilType)) {
    return depthRange(layer) + soil;
  }
  // Printed, weak rock is named soft rock.
  const char* rock = layer.soilType == kWeakRock ? "Soft Rock" : rockName(layer.soilType);
  if (rock == nullptr) {
    return {};
  }
  return depthRange(layer) + "; " + rock;
}

bool ScreenLabelBelowBoundary(int soilType) {
  return soilName(soilType) != nullptr;
}

std::string DepthReadout(Extended worldY) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, static_cast<double>(worldY),
                                    std::chars_format::fixed, kReadoutDecimals);
  return "  Depth: " + std::string(text, result.ptr);
}
