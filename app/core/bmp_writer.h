// Writes an image as a Windows bitmap file of a chosen colour depth: 1, 4
// or 8 bits per pixel with a colour table, 16 bits (5 per channel) or 24
// bits, rows bottom-up and padded to four bytes, the resolution in the
// header. Qt's own BMP writer keeps no depth below 24 bits but the
// indexed ones, so a 4-bit or a 16-bit file is written here.
#pragma once

#include <QString>

#include "core/colour_depth.h"

class QImage;

// `image` must be reduced to `depth` (ReduceColours). False when the file
// cannot be written.
bool WriteBmp(const QImage& image, ColourDepth depth, int pixelsPerInch, const QString& path);
