#include "core/plot_export.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>
#include <limits>

#include "core/bmp_writer.h"
#include "core/graph_plot.h"
#include "core/plot_painter.h"
#include "core/plot_view.h"

namespace {

// Vector drawings are laid out on a fine grid: curve points are placed on
// whole units of it.
constexpr int kVectorUnitsPerInch = 600;
constexpr double kInchesPerMetre = 1 / 0.0254;

TPlotView viewFor(const TPlotView& window, const QSizeF& size, double pixelsPerInch,
                  bool blackAndWhite) {
  TPlotView view = window;
  PaintSurface surface;
  surface.size = size;
  surface.ppx = pixelsPerInch;
  surface.ppy = pixelsPerInch;
  surface.kind = PlotDevice::kFile;
  surface.blackAndWhite = blackAndWhite;
  view.Layout(surface);
  view.FitLegend();
  return view;
}

// Pixels of a side of `inches` at `pixelsPerInch`; 0 when beyond an image.
int pixelsOf(double inches, int pixelsPerInch) {
  const double pixels = std::round(inches * pixelsPerInch);
  return pixels > 0 && pixels < std::numeric_limits<int>::max() ? static_cast<int>(pixels) : 0;
}

SaveResult saveBitmap(const TPlotView& window, PictureFormat format, const PictureOptions& options,
                      const QString& path) {
  const int ppi = options.pixelsPerInch;
  const QSize size(pixelsOf(options.widthInches, ppi), pixelsOf(options.heightInches, ppi));
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
  const int dotsPerMetre = static_cast<int>(std::lround(ppi * kInchesPerMetre));
  reduced.setDotsPerMeterX(dotsPerMetre);
  reduced.setDotsPerMeterY(dotsPerMetre);
  return reduced.save(path, "PNG") ? SaveResult::kSaved : SaveResult::kNotWritten;
}

SaveResult paintVector(const TPlotView& window, QPaintDevice& device, const QSizeF& size) {
  QPainter painter;
  if (!painter.begin(&device)) {
    return SaveResult::kNotWritten;
  }
  PaintPlot(painter, viewFor(window, size, kVectorUnitsPerInch, false));
  return painter.end() ? SaveResult::kSaved : SaveResult::kNotWritten;
}

SaveResult saveSvg(const TPlotView& window, const PictureOptions& options, const QString& path) {
  const QSize size(pixelsOf(options.widthInches, kVectorUnitsPerInch),
                   pixelsOf(options.heightInches, kVectorUnitsPerInch));
  if (size.isEmpty()) {
    return SaveResult::kOutOfMemory;
  }
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setResolution(kVectorUnitsPerInch);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(window.Plot().Caption);
  const SaveResult result = paintVector(window, svg, size);
  return result == SaveResult::kSaved && QFileInfo::exists(path) ? result : SaveResult::kNotWritten;
}

SaveResult savePdf(const TPlotView& window, const PictureOptions& options, const QString& path) {
  QPdfWriter pdf(path);
  pdf.setTitle(window.Plot().Caption);
  pdf.setResolution(kVectorUnitsPerInch);
  pdf.setPageSize(QPageSize(QSizeF(options.widthInches, options.heightInches), QPageSize::Inch,
                            QString(), QPageSize::ExactMatch));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  return paintVector(window, pdf, QSizeF(pdf.width(), pdf.height()));
}

}  // namespace

PictureFormat PictureFormatOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == QLatin1String("png")) {
    return PictureFormat::kPng;
  }
  if (suffix == QLatin1String("svg")) {
    return PictureFormat::kSvg;
  }
  if (suffix == QLatin1String("pdf")) {
    return PictureFormat::kPdf;
  }
  return PictureFormat::kBmp;
}

QImage RenderPlot(const TPlotView& view, const QSize& pixels, double pixelsPerInch,
                  bool blackAndWhite) {
  QImage image(pixels, QImage::Format_RGB32);
  if (image.isNull()) {
    return image;
  }
  const int dotsPerMetre = static_cast<int>(std::lround(pixelsPerInch * kInchesPerMetre));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  QPainter painter(&image);
  PaintPlot(painter, viewFor(view, QSizeF(pixels), pixelsPerInch, blackAndWhite));
  return image;
}

SaveResult SavePlotPicture(const TPlotView& view, PictureFormat format,
                           const PictureOptions& options, const QString& path) {
  switch (format) {
    case PictureFormat::kSvg:
      return saveSvg(view, options, path);
    case PictureFormat::kPdf:
      return savePdf(view, options, path);
    case PictureFormat::kBmp:
    case PictureFormat::kPng:
      break;
  }
  return saveBitmap(view, format, options, path);
}
