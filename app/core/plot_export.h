// Saving a plot as a picture for a report: a bitmap (BMP in the chosen
// colour depth, or PNG) of the chosen size in inches and pixels per inch,
// or a vector drawing (SVG or PDF) of the chosen size. Every format is
// painted by PaintPlot on a copy of the window's view laid out for the
// picture, legend included; the window's own layout is untouched.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include "core/colour_depth.h"
#include "core/drawing_files.h"

class TPlotView;

struct PictureOptions {
  double widthInches = 6;
  double heightInches = 4;
  int pixelsPerInch = 72;
  ColourDepth colours = ColourDepth::k16Colours;  // bitmaps only
};

enum class SaveResult { kSaved, kOutOfMemory, kNotWritten };

// The view painted on a white image of `pixels` at `pixelsPerInch` as a
// saved picture shows it; black and white draws every curve and legend
// entry in black. A null image when it cannot be allocated.
QImage RenderPlot(const TPlotView& view, const QSize& pixels, double pixelsPerInch,
                  bool blackAndWhite = false);

// Writes the picture; kOutOfMemory when its bitmap cannot be allocated.
SaveResult SavePlotPicture(const TPlotView& view, PictureFormat format,
                           const PictureOptions& options, const QString& path);
