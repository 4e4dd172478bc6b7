// The fills of the soil-layer bands, in the manner of boring-log symbols:
// dots for sand, short dashes for clay, broken laminations for shale,
// blocks for rock, blocks with weathering strokes for weak rock, dots and
// pebbles for gravelly sand, pebbles for gravel; patterns 2 to 6 are
// hatches. Every symbol is black, so the bands read in black and white.
//
// The screen version lies on a light tint of the material with hairline
// strokes; the print version on white with strokes of a fixed width in
// inches. Both are drawn for the resolution of the surface, a fifth of an
// inch per tile.
#pragma once

#include <QBrush>

enum class PatternVersion { kScreen, kPrint };

// The brush of `pattern` (layer_bands.h) for a surface of `pixelsPerInch`;
// Qt::NoBrush for a number without a pattern.
QBrush LayerBrush(int pattern, double pixelsPerInch, PatternVersion version);
