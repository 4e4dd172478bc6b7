// The fills of the soil-layer bands, in the manner of boring-log symbols:
// dots for sand, short dashes for clay, broken laminations for shale,
// blocks for rock, blocks with weathering strokes for weak rock, dots and
// pebbles for gravelly sand, pebbles for gravel; patterns 2 to 6 are
// hatches. Every symbol is black, so the bands read in black and white.
//
// The screen version lies on a light tint of the material, the print
// version on white. Both are drawn for the resolution of the surface, a
// fifth of an inch per tile, with strokes of a fixed width in inches (at
// least a pixel).
#pragma once

#include <QPointF>
#include <QRectF>

class QPainter;

enum class PatternVersion { kScreen, kPrint };

// Fills `band` with `pattern` (layer_bands.h) for a surface of
// `pixelsPerInch`, its tiles laid from `origin`; nothing for a number
// without a pattern. The symbols are drawn as lines and shapes, so a page
// or a vector drawing gets them as such. Saves and restores the painter.
void FillLayerPattern(QPainter& painter, const QRectF& band, int pattern, double pixelsPerInch,
                      PatternVersion version, const QPointF& origin);
