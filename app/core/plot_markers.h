// The point markers that tell curves apart where colours repeat or print
// in black: curve 0 a triangle pointing left, curve 1 a square, curve i from
// 2 on a regular polygon of i + 1 vertices with its first vertex pointing
// right.
#pragma once

#include <QPolygonF>

// The marker of curve `curve` (its colour index) centred on the origin,
// with its vertices `radius` pixels from the centre.
QPolygonF MarkerShape(int curve, double radius);
