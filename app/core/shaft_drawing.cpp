#include "core/shaft_drawing.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

// Every length below is in canvas pixels; the canvas is scaled to the area.
constexpr int kCanvasWidth = kShaftPictureWidth;
constexpr int kCanvasHeight = kShaftPictureHeight;

const QColor kBackgroundColor(0xff, 0xff, 0xff);
const QColor kFrameColor(0x80, 0x80, 0x80);
const QColor kOutlineColor(0x30, 0x30, 0x30);
const QColor kStemColor(0xdc, 0xdc, 0xdc);
const QColor kExcludedColor(0x6e, 0x6e, 0x6e);
const QColor kDimensionColor(0x1a, 0x3c, 0x8c);

constexpr double kFrameWidth = 1.0;
constexpr double kOutlineWidth = 1.2;
constexpr double kThinWidth = 0.7;

// Ground surface and its soil hatching, drawn as strokes falling to the
// left just below the line.
constexpr double kGroundY = 26.0;
constexpr double kGroundMargin = 10.0;
constexpr double kSoilHatchSpacing = 7.0;
constexpr double kSoilHatchLength = 4.0;
// Hatching keeps this far from a shaft and from the Lue dimension line.
constexpr double kSoilHatchClearance = 4.0;

// Both shafts share the stem diameter B and the depth.
constexpr double kStemWidth = 30.0;
constexpr double kBelledAxisX = 76.0;
constexpr double kStraightAxisX = 176.0;
constexpr double kShaftBottomY = 182.0;

// The bell: a cone widening downwards, then a short vertical base.
constexpr double kBellBaseHeight = 8.0;
constexpr double kBellConeHeight = 34.0;
constexpr double kBellFlare = 24.0;  // widening of each side over the cone
constexpr double kBellTopY = kShaftBottomY - kBellBaseHeight - kBellConeHeight;

// Lengths excluded from side friction: Lue from the ground down, Lle above
// the bell (belled shaft) or above the base (straight shaft).
constexpr double kUpperExcludedLength = 34.0;
constexpr double kLowerExcludedLength = 28.0;
constexpr double kExcludedHatchSpacing = 5.0;

// Dimension lines.
constexpr double kStemDimensionY = 96.0;     // depth of the B dimensions
constexpr double kDimensionOffset = 12.0;    // outline to a vertical dimension line
constexpr double kBellDimensionDrop = 10.0;  // bell base to the Bb dimension line
constexpr double kExtensionGap = 2.0;        // outline to the start of an extension line
constexpr double kExtensionOvershoot = 3.0;  // extension line past the dimension line
constexpr double kArrowLength = 6.0;
constexpr double kArrowHalfWidth = 2.2;

// The bell angle arc and its reference line through the bell's top edge.
constexpr double kAngleRadius = 22.0;
constexpr double kAngleReferenceOvershoot = 5.0;
constexpr double kAngleLeaderReach = 4.0;  // leader end past the bell's widest side
constexpr double kLeaderLabelGap = 1.5;

// Labels: about 8 pt on a 96 dpi screen.
constexpr int kLabelPixels = 11;
constexpr double kLabelGap = 3.0;            // vertical dimension line to its label
constexpr double kLabelLineClearance = 1.0;  // horizontal dimension line to its label box
constexpr double kLabelBoxWidth = 28.0;      // wide enough for "Ang"
constexpr double kLabelBoxSlack = 4.0;       // room for the font's ascent and descent
constexpr double kLabelBoxHeight = kLabelPixels + kLabelBoxSlack;

constexpr double kStemHalf = kStemWidth / 2.0;
constexpr double kBellHalf = kStemHalf + kBellFlare;

struct Span {
  double from;
  double to;
};

QPen linePen(const QColor& color, double width) {
  return QPen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// A label box placed so that the side named by `align` touches `anchor`
// (centred on it along an axis without alignment).
QRectF labelBox(const QPointF& anchor, Qt::Alignment align) {
  QRectF box(0.0, 0.0, kLabelBoxWidth, kLabelBoxHeight);
  box.moveCenter(anchor);
  if (align & Qt::AlignLeft) {
    box.moveLeft(anchor.x());
  } else if (align & Qt::AlignRight) {
    box.moveRight(anchor.x());
  }
  if (align & Qt::AlignTop) {
    box.moveTop(anchor.y());
  } else if (align & Qt::AlignBottom) {
    box.moveBottom(anchor.y());
  }
  return box;
}

void drawLabel(QPainter& painter, const QPointF& anchor, Qt::Alignment align, const QString& text) {
  painter.setPen(kDimensionColor);
  painter.drawText(labelBox(anchor, align), static_cast<int>(align), text);
}

void drawArrowHead(QPainter& painter, const QPointF& tip, const QPointF& direction) {
  const double length = std::hypot(direction.x(), direction.y());
  const QPointF along = direction / length;
  const QPointF across(-along.y(), along.x());
  const QPointF base = tip - along * kArrowLength;
  painter.setPen(Qt::NoPen);
  painter.setBrush(kDimensionColor);
  painter.drawPolygon(
      QPolygonF{tip, base + across * kArrowHalfWidth, base - across * kArrowHalfWidth});
}

// A dimension line from `from` to `to` with the arrow tips on both ends.
void drawDimension(QPainter& painter, const QPointF& from, const QPointF& to) {
  painter.setPen(linePen(kDimensionColor, kThinWidth));
  painter.drawLine(from, to);
  drawArrowHead(painter, from, from - to);
  drawArrowHead(painter, to, to - from);
}

// A horizontal extension line from an outline point out to (and a little
// past) a vertical dimension line at `lineX`.
void drawHorizontalExtension(QPainter& painter, const QPointF& outline, double lineX) {
  const double side = lineX < outline.x() ? -1.0 : 1.0;
  painter.setPen(linePen(kDimensionColor, kThinWidth));
  painter.drawLine(QPointF(outline.x() + side * kExtensionGap, outline.y()),
                   QPointF(lineX + side * kExtensionOvershoot, outline.y()));
}

void drawVerticalExtension(QPainter& painter, const QPointF& outline, double lineY) {
  painter.setPen(linePen(kDimensionColor, kThinWidth));
  painter.drawLine(QPointF(outline.x(), outline.y() + kExtensionGap),
                   QPointF(outline.x(), lineY + kExtensionOvershoot));
}

// A vertical dimension between the depths `top` and `bottom`, `offset`
// beside the shaft edge at `edgeX` (negative: to the left), labelled on the
// far side.
void drawDepthDimension(QPainter& painter, double edgeX, double offset, double top, double bottom,
                        const QString& text) {
  const double lineX = edgeX + offset;
  if (top > kGroundY) {
    drawHorizontalExtension(painter, QPointF(edgeX, top), lineX);
  }
  drawHorizontalExtension(painter, QPointF(edgeX, bottom), lineX);
  drawDimension(painter, QPointF(lineX, top), QPointF(lineX, bottom));
  const bool left = offset < 0.0;
  const QPointF anchor(lineX + (left ? -kLabelGap : kLabelGap), (top + bottom) / 2.0);
  drawLabel(painter, anchor, (left ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, text);
}

// The B dimension across a stem, tips on its outline, label above the line.
void drawStemDimension(QPainter& painter, double axisX) {
  drawDimension(painter, QPointF(axisX - kStemHalf, kStemDimensionY),
                QPointF(axisX + kStemHalf, kStemDimensionY));
  drawLabel(painter, QPointF(axisX, kStemDimensionY - kLabelLineClearance),
            Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("B"));
}

void hatchExcluded(QPainter& painter, const QPainterPath& zone) {
  painter.save();
  painter.setClipPath(zone, Qt::IntersectClip);
  painter.setPen(linePen(kExcludedColor, kThinWidth));
  const QRectF bounds = zone.boundingRect();
  for (double x = bounds.left() - bounds.height(); x < bounds.right(); x += kExcludedHatchSpacing) {
    painter.drawLine(QPointF(x, bounds.bottom()), QPointF(x + bounds.height(), bounds.top()));
  }
  painter.restore();
}

QPainterPath stemZone(double axisX, double top, double bottom) {
  QPainterPath zone;
  zone.addRect(QRectF(QPointF(axisX - kStemHalf, top), QPointF(axisX + kStemHalf, bottom)));
  return zone;
}

QPolygonF belledOutline() {
  const double coneBottomY = kBellTopY + kBellConeHeight;
  return QPolygonF{
      QPointF(kBelledAxisX - kStemHalf, kGroundY),
      QPointF(kBelledAxisX + kStemHalf, kGroundY),
      QPointF(kBelledAxisX + kStemHalf, kBellTopY),
      QPointF(kBelledAxisX + kBellHalf, coneBottomY),
      QPointF(kBelledAxisX + kBellHalf, kShaftBottomY),
      QPointF(kBelledAxisX - kBellHalf, kShaftBottomY),
      QPointF(kBelledAxisX - kBellHalf, coneBottomY),
      QPointF(kBelledAxisX - kStemHalf, kBellTopY),
  };
}

void drawGround(QPainter& painter) {
  // The Lue dimension line starts on the ground left of the belled shaft.
  const double lueLineReach = kDimensionOffset + kExtensionOvershoot;
  const std::initializer_list<Span> shafts = {
      {kBelledAxisX - kStemHalf - lueLineReach, kBelledAxisX + kStemHalf},
      {kStraightAxisX - kStemHalf, kStraightAxisX + kStemHalf},
  };
  painter.setPen(linePen(kOutlineColor, kThinWidth));
  for (double x = kGroundMargin + kSoilHatchLength; x <= kCanvasWidth - kGroundMargin;
       x += kSoilHatchSpacing) {
    const double strokeLeft = x - kSoilHatchLength;
    const bool clear = std::none_of(shafts.begin(), shafts.end(), [&](const Span& span) {
      return strokeLeft < span.to + kSoilHatchClearance && x > span.from - kSoilHatchClearance;
    });
    if (clear) {
      painter.drawLine(QPointF(x, kGroundY), QPointF(strokeLeft, kGroundY + kSoilHatchLength));
    }
  }
  painter.setPen(linePen(kOutlineColor, kOutlineWidth));
  painter.drawLine(QPointF(kGroundMargin, kGroundY),
                   QPointF(kCanvasWidth - kGroundMargin, kGroundY));
}

void drawShafts(QPainter& painter) {
  const QPolygonF belled = belledOutline();
  const QPainterPath straight = stemZone(kStraightAxisX, kGroundY, kShaftBottomY);

  painter.setPen(Qt::NoPen);
  painter.setBrush(kStemColor);
  painter.drawPolygon(belled);
  painter.drawPath(straight);

  hatchExcluded(painter, stemZone(kBelledAxisX, kGroundY, kGroundY + kUpperExcludedLength));
  hatchExcluded(painter, stemZone(kBelledAxisX, kBellTopY - kLowerExcludedLength, kBellTopY));
  hatchExcluded(painter,
                stemZone(kStraightAxisX, kShaftBottomY - kLowerExcludedLength, kShaftBottomY));

  painter.setPen(linePen(kOutlineColor, kOutlineWidth));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(belled);
  painter.drawPath(straight);
}

void drawBellAngle(QPainter& painter) {
  const QPointF corner(kBelledAxisX + kStemHalf, kBellTopY);
  const double angle = qRadiansToDegrees(std::atan2(kBellFlare, kBellConeHeight));
  // Qt measures arcs counter-clockwise from 3 o'clock; straight down is -90.
  constexpr double kDownDegrees = -90.0;

  painter.setPen(QPen(kDimensionColor, kThinWidth, Qt::DashLine));
  painter.drawLine(corner, corner + QPointF(0.0, kAngleRadius + kAngleReferenceOvershoot));

  QPainterPath arc;
  const QRectF circle(corner.x() - kAngleRadius, corner.y() - kAngleRadius, 2.0 * kAngleRadius,
                      2.0 * kAngleRadius);
  arc.arcMoveTo(circle, kDownDegrees);
  arc.arcTo(circle, kDownDegrees, angle);
  painter.setPen(linePen(kDimensionColor, kThinWidth));
  painter.setBrush(Qt::NoBrush);
  painter.drawPath(arc);

  // A horizontal leader from the middle of the arc out of the bell, so the
  // label sits clear of the outline.
  const QPointF arcMiddle = arc.pointAtPercent(0.5);
  const QPointF leaderEnd(kBelledAxisX + kBellHalf + kAngleLeaderReach, arcMiddle.y());
  painter.drawLine(arcMiddle, leaderEnd);
  drawLabel(painter, leaderEnd + QPointF(kLeaderLabelGap, 0.0), Qt::AlignLeft | Qt::AlignVCenter,
            QStringLiteral("Ang"));
}

void drawDimensions(QPainter& painter) {
  const double belledLeft = kBelledAxisX - kStemHalf;
  drawDepthDimension(painter, belledLeft, -kDimensionOffset, kGroundY,
                     kGroundY + kUpperExcludedLength, QStringLiteral("Lue"));
  drawDepthDimension(painter, belledLeft, -kDimensionOffset, kBellTopY - kLowerExcludedLength,
                     kBellTopY, QStringLiteral("Lle"));
  drawDepthDimension(painter, kStraightAxisX + kStemHalf, kDimensionOffset,
                     kShaftBottomY - kLowerExcludedLength, kShaftBottomY, QStringLiteral("Lle"));

  drawStemDimension(painter, kBelledAxisX);
  drawStemDimension(painter, kStraightAxisX);

  const double bellLineY = kShaftBottomY + kBellDimensionDrop;
  const QPointF bellLeft(kBelledAxisX - kBellHalf, kShaftBottomY);
  const QPointF bellRight(kBelledAxisX + kBellHalf, kShaftBottomY);
  drawVerticalExtension(painter, bellLeft, bellLineY);
  drawVerticalExtension(painter, bellRight, bellLineY);
  drawDimension(painter, QPointF(bellLeft.x(), bellLineY), QPointF(bellRight.x(), bellLineY));
  drawLabel(painter, QPointF(kBelledAxisX, bellLineY + kLabelLineClearance),
            Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("Bb"));

  drawBellAngle(painter);
}

}  // namespace

void DrawShaftPicture(QPainter& painter, const QRectF& area) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);

  const double scale = std::min(area.width() / kCanvasWidth, area.height() / kCanvasHeight);
  painter.translate(area.center());
  painter.scale(scale, scale);
  painter.translate(-kCanvasWidth / 2.0, -kCanvasHeight / 2.0);

  const QRectF canvas(0.0, 0.0, kCanvasWidth, kCanvasHeight);
  painter.fillRect(canvas, kBackgroundColor);
  painter.setPen(linePen(kFrameColor, kFrameWidth));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(canvas.adjusted(kFrameWidth / 2.0, kFrameWidth / 2.0, -kFrameWidth / 2.0,
                                   -kFrameWidth / 2.0));

  QFont font(QStringLiteral("Sans Serif"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(kLabelPixels);
  painter.setFont(font);

  drawGround(painter);
  drawShafts(painter);
  drawDimensions(painter);
  painter.restore();
}
