// The shaft picture drawn into images of other sizes than its canvas: the
// drawing is scaled uniformly, centred, and leaves the painter as it was.
#include "core/shaft_drawing.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPen>
#include <QRectF>

namespace {

// Untouched pixels keep this colour.
constexpr QRgb kMarker = qRgb(0xff, 0x00, 0x00);
constexpr QRgb kBackground = qRgb(0xff, 0xff, 0xff);
// The stem's fill, seen on the straight shaft's axis (canvas x 176) below
// its B dimension line and above its hatched base zone (canvas y 120).
constexpr QRgb kStem = qRgb(0xdc, 0xdc, 0xdc);
constexpr double kStraightAxisX = 176.0;
constexpr double kStemSampleY = 120.0;

QImage drawnInto(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(kMarker);
  QPainter painter(&image);
  DrawShaftPicture(painter, QRectF(0.0, 0.0, width, height));
  return image;
}

TEST(ShaftDrawing, AWideAreaGetsTheCanvasAtItsOwnScaleInTheMiddle) {
  // 480 by 221: the height limits the scale to 1, leaving 120 pixels on
  // each side of the 240-pixel canvas.
  const QImage image = drawnInto(2 * kShaftPictureWidth, kShaftPictureHeight);
  constexpr int kSide = kShaftPictureWidth / 2;
  const struct {
    int x;
    int y;
    QRgb colour;
  } pixels[] = {
      {0, 0, kMarker},
      {kSide - 2, 100, kMarker},
      {kSide + kShaftPictureWidth + 1, 100, kMarker},
      {2 * kShaftPictureWidth - 1, kShaftPictureHeight - 1, kMarker},
      {kSide + 10, 10, kBackground},
      {kSide + static_cast<int>(kStraightAxisX), static_cast<int>(kStemSampleY), kStem},
  };
  for (const auto& p : pixels) {
    EXPECT_EQ(image.pixel(p.x, p.y), p.colour) << p.x << ", " << p.y;
  }
}

TEST(ShaftDrawing, ADoubleSizedAreaIsFilledAtTwiceTheScale) {
  const QImage image = drawnInto(2 * kShaftPictureWidth, 2 * kShaftPictureHeight);
  for (const QPoint corner : {QPoint(0, 0), QPoint(image.width() - 1, image.height() - 1)}) {
    EXPECT_NE(image.pixel(corner), kMarker) << corner.x() << ", " << corner.y();
  }
  EXPECT_EQ(image.pixel(static_cast<int>(2 * kStraightAxisX), static_cast<int>(2 * kStemSampleY)),
            kStem);
}

TEST(ShaftDrawing, ThePainterIsLeftAsItWas) {
  QImage image(kShaftPictureWidth, kShaftPictureHeight, QImage::Format_RGB32);
  QPainter painter(&image);
  const QPen pen(Qt::green, 3.0);
  painter.setPen(pen);
  DrawShaftPicture(painter, QRectF(image.rect()));
  EXPECT_TRUE(painter.transform().isIdentity());
  EXPECT_EQ(painter.pen(), pen);
  EXPECT_EQ(painter.brush().style(), Qt::NoBrush);
}

}  // namespace
