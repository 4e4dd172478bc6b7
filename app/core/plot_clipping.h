// Cutting lines to a rectangle in the drawing itself, for surfaces that
// keep no clip of their own (an SVG drawing) and to find what a box covers.
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <vector>

// Cuts the segment a-b to its part inside `box`; false when no part of it
// is inside.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& box);

// The runs of `line` inside `box`, each a polyline of at least two points.
std::vector<QPolygonF> ClipPolyline(const QPolygonF& line, const QRectF& box);
