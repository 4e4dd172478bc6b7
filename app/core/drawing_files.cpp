#include "core/drawing_files.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <cmath>
#include <limits>

namespace {

constexpr double kInchesPerMetre = 1 / 0.0254;

// Largest bitmap drawn, in pixels: 1 GiB at 32 bits a pixel. Larger requests
// are refused before allocating, since an overcommitted allocation would only
// fail later, when painting touches the pages.
constexpr qint64 kMaxBitmapPixels = qint64{1} << 28;

bool paintOn(QPaintDevice& device, const QSizeF& size, const PaintRoutine& paint) {
  QPainter painter;
  if (!painter.begin(&device)) {
    return false;
  }
  paint(painter, size, kVectorUnitsPerInch);
  return painter.end();
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

int DotsPerMetre(double pixelsPerInch) {
  return static_cast<int>(std::lround(pixelsPerInch * kInchesPerMetre));
}

int PixelsOf(double inches, int pixelsPerInch) {
  const double pixels = std::round(inches * pixelsPerInch);
  return pixels > 0 && pixels < std::numeric_limits<int>::max() ? static_cast<int>(pixels) : 0;
}

QImage RenderDrawing(const QSize& pixels, double pixelsPerInch, const PaintRoutine& paint) {
  if (qint64{pixels.width()} * pixels.height() > kMaxBitmapPixels) {
    return {};
  }
  QImage image(pixels, QImage::Format_RGB32);
  if (image.isNull()) {
    return image;
  }
  const int dotsPerMetre = DotsPerMetre(pixelsPerInch);
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  image.fill(Qt::white);
  QPainter painter(&image);
  paint(painter, QSizeF(pixels), pixelsPerInch);
  return image;
}

bool SaveSvgDrawing(const QString& path, const QSizeF& inches, const QString& title,
                    const PaintRoutine& paint) {
  const QSize size(PixelsOf(inches.width(), kVectorUnitsPerInch),
                   PixelsOf(inches.height(), kVectorUnitsPerInch));
  if (size.isEmpty()) {
    return false;
  }
  QSvgGenerator svg;
  svg.setFileName(path);
  svg.setResolution(kVectorUnitsPerInch);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(title);
  return paintOn(svg, QSizeF(size), paint) && QFileInfo::exists(path);
}

bool SavePdfDrawing(const QString& path, const QSizeF& inches, const QString& title,
                    const PaintRoutine& paint) {
  if (inches.isEmpty()) {
    return false;
  }
  QPdfWriter pdf(path);
  pdf.setTitle(title);
  pdf.setResolution(kVectorUnitsPerInch);
  pdf.setPageSize(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  return paintOn(pdf, QSizeF(pdf.width(), pdf.height()), paint);
}
