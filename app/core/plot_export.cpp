#include "core/plot_export.h"

#include <QPainter>

#include "core/bmp_writer.h"
#include "core/graph_plot.h"
#include "core/plot_painter.h"
#include "core/plot_view.h"

namespace {

TPlotView viewFor(const TPlotView& window, const QSizeF& size, double pixelsPerInch,
                  bool blackAndWhite) {
  PaintSurface surface;
  surface.size = size;
  surface.ppx = pixelsPerInch;
  surface.ppy = pixelsPerInch;
  surface.kind = PlotDevice::kFile;
  surface.blackAndWhite = blackAndWhite;
  return window.LaidOutFor(surface);
}

SaveResult saveBitmap(const TPlotView& window, PictureFormat format, const PictureOptions& options,
                      const QString& path) {
  const int ppi = options.pixelsPerInch;
  const QSize size(PixelsOf(options.widthInches, ppi), PixelsOf(options.heightInches, ppi));
  if (size.isEmpty()) {
    return SaveResult::kOutOfMemory;
  }
  const bool blackAndWhite = options.colours == ColourDepth::kBlackAndWhite;
  const QImage drawn = RenderPlot(window, size, ppi, blackAndWhite);
  if (drawn.isNull()) {
    return SaveResult::kOutOfMemory;
  }
  QImage reduced = ReduceColours(drawn, options.colours);
  if (reduced.isNull()) {
    return SaveResult::kOutOfMemory;
  }
  if (format == PictureFormat::kBmp) {
    return WriteBmp(reduced, options.colours, ppi, path) ? SaveResult::kSaved
                                                         : SaveResult::kNotWritten;
  }
  const int dotsPerMetre = DotsPerMetre(ppi);
  reduced.setDotsPerMeterX(dotsPerMetre);
  reduced.setDotsPerMeterY(dotsPerMetre);
  return reduced.save(path, "PNG") ? SaveResult::kSaved : SaveResult::kNotWritten;
}

// The view laid out for a vector drawing of `size` units.
PaintRoutine vectorPainting(const TPlotView& window) {
  return [&window](QPainter& painter, const QSizeF& size, double unitsPerInch) {
    PaintPlot(painter, viewFor(window, size, unitsPerInch, false));
  };
}

SaveResult saved(bool written) {
  return written ? SaveResult::kSaved : SaveResult::kNotWritten;
}

}  // namespace

QImage RenderPlot(const TPlotView& view, const QSize& pixels, double pixelsPerInch,
                  bool blackAndWhite) {
  return RenderDrawing(pixels, pixelsPerInch,
                       [&](QPainter& painter, const QSizeF& size, double unitsPerInch) {
                         PaintPlot(painter, viewFor(view, size, unitsPerInch, blackAndWhite));
                       });
}

SaveResult SavePlotPicture(const TPlotView& view, PictureFormat format,
                           const PictureOptions& options, const QString& path) {
  const QSizeF inches(options.widthInches, options.heightInches);
  switch (format) {
    case PictureFormat::kSvg:
      return saved(SaveSvgDrawing(path, inches, view.Plot().Caption, vectorPainting(view)));
    case PictureFormat::kPdf:
      return saved(SavePdfDrawing(path, inches, view.Plot().Caption, vectorPainting(view)));
    case PictureFormat::kBmp:
    case PictureFormat::kPng:
      break;
  }
  return saveBitmap(view, format, options, path);
}
