// Pictures drawn by a painting routine and written to files: a bitmap
// image, an SVG or a PDF drawing. The routine gets the painter, the
// surface's size in device units and its resolution, so one routine serves
// the screen, the printer and every file. Vector drawings are laid out on a
// grid of kVectorUnitsPerInch units per inch.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

class QPainter;

enum class PictureFormat { kBmp, kPng, kSvg, kPdf };

// The format of a file name's extension, compared without regard to case;
// BMP for any other.
PictureFormat PictureFormatOf(const QString& path);

inline constexpr int kVectorUnitsPerInch = 600;

using PaintRoutine =
    std::function<void(QPainter& painter, const QSizeF& size, double unitsPerInch)>;

// The resolution an image file records, in dots per metre.
int DotsPerMetre(double pixelsPerInch);

// Pixels of a side of `inches` at `pixelsPerInch`; 0 when beyond an image.
int PixelsOf(double inches, int pixelsPerInch);

// A white image of `pixels` at `pixelsPerInch`, painted; a null image when
// it cannot be allocated or would take more than 1 GiB.
QImage RenderDrawing(const QSize& pixels, double pixelsPerInch, const PaintRoutine& paint);

// A vector drawing of `inches` titled `title`; false when the file cannot
// be written or the size is empty.
bool SaveSvgDrawing(const QString& path, const QSizeF& inches, const QString& title,
                    const PaintRoutine& paint);
bool SavePdfDrawing(const QString& path, const QSizeF& inches, const QString& title,
                    const PaintRoutine& paint);
