#include "core/plot_markers.h"

#include <cmath>
#include <numbers>

namespace {

// Vertices at equal angles around the centre, the first at `startAngle`
// (radians, counter-clockwise from the right; pixel Y grows downwards).
QPolygonF regularPolygon(int vertices, double radius, double startAngle) {
  QPolygonF polygon;
  polygon.reserve(vertices);
  for (int k = 0; k < vertices; ++k) {
    const double angle = startAngle + 2 * std::numbers::pi * k / vertices;
    polygon << QPointF(radius * std::cos(angle), -radius * std::sin(angle));
  }
  return polygon;
}

}  // namespace

QPolygonF MarkerShape(int curve, double radius) {
  if (curve <= 0) {
    return regularPolygon(3, radius, std::numbers::pi);
  }
  if (curve == 1) {
    // Axis-parallel sides: the vertices lie on the diagonals.
    return regularPolygon(4, radius, std::numbers::pi / 4);
  }
  return regularPolygon(curve + 1, radius, 0);
}
