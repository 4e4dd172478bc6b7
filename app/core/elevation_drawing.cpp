#include "core/elevation_drawing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace {

// Where the layout puts things, in device pixels of the area.
struct Frame {
  ElevationLayout layout;
  QRect area;
  WorldWindow display;
  Extended depthSpan = 1;  // printed: world y mapped over 80 % of the height
};

constexpr Extended kPrintMargin = 0.1L;      // of the page, each side
constexpr Extended kPrintDepthShare = 0.8L;  // of the page height
constexpr Extended kPrintLabelX = 0.15L;     // of the page height, from the left
constexpr int kScreenHatchStrokes = 20;
constexpr int kScreenHatchStart = 100;  // pixels
constexpr int kScreenHatchSpacing = 20;
constexpr int kScreenHatchRun = 15;
constexpr int kScreenHatchDrop = 5;
constexpr int kPrintHatchStrokes = 10;
constexpr Extended kPrintHatchStart = 0.35L;  // of the page height
constexpr Extended kPrintHatchEnd = 0.365L;
constexpr int kPrintHatchSpacing = 50;  // device units
constexpr int kPrintHatchDrop = 70;

int rounded(Extended value) {
  return static_cast<int>(std::lround(value));
}

bool printed(const Frame& f) {
  return f.layout == ElevationLayout::kPrint;
}

int pixelY(const Frame& f, Extended y) {
  const Extended h = f.area.height();
  if (printed(f)) {
    return f.area.top() + rounded(kPrintMargin * h + kPrintDepthShare * h * y / f.depthSpan);
  }
  return f.area.top() + WorldToPixel(f.display, f.area.width(), h, {0, y}).y;
}

int pixelX(const Frame& f, Extended x) {
  return f.area.left() + WorldToPixel(f.display, f.area.width(), f.area.height(), {x, 0}).x;
}

// A boundary across the picture: the whole width on screen, 10 % to 90 %
// of the page when printed.
void drawBoundary(QPainter& painter, const Frame& f, int y) {
  // The deepest boundary maps onto the row just below the area: drawn on
  // the last row, it stays in sight.
  y = std::min(y, f.area.bottom());
  int from = f.area.left();
  int to = f.area.right();
  if (printed(f)) {
    from = f.area.left() + rounded(kPrintMargin * f.area.width());
    to = f.area.left() + rounded((1 - kPrintMargin) * f.area.width());
  }
  painter.drawLine(from, y, to, y);
}

void drawGroundHatch(QPainter& painter, const Frame& f, int ground) {
  const int left = f.area.left();
  if (printed(f)) {
    const int start = left + rounded(kPrintHatchStart * f.area.height());
    const int end = left + rounded(kPrintHatchEnd * f.area.height());
    for (int j = 1; j <= kPrintHatchStrokes; ++j) {
      const int step = kPrintHatchSpacing * j;
      painter.drawLine(start + step, ground, end + step, ground + kPrintHatchDrop);
    }
    return;
  }
  for (int j = 1; j <= kScreenHatchStrokes; ++j) {
    const int x = left + kScreenHatchSpacing * j + kScreenHatchStart;
    painter.drawLine(x, ground, x + kScreenHatchRun, ground + kScreenHatchDrop);
  }
}

// Soils are labelled one text height below their top boundary, rock on it
// (screen); printed labels all sit below the boundary.
void drawLabel(QPainter& painter, const Frame& f, const ElevationLayer& layer, int top) {
  const std::string text = printed(f) ? PrintLayerLabel(layer) : ScreenLayerLabel(layer);
  if (text.empty()) {
    return;
  }
  const int textHeight = painter.fontMetrics().height();
  const bool below = printed(f) || ScreenLabelBelowBoundary(layer.soilType);
  const int x =
      printed(f) ? f.area.left() + rounded(kPrintLabelX * f.area.height()) : f.area.left();
  const int y = top + (below ? textHeight : 0);
  painter.drawText(QRect(x, y, f.area.right() - x, textHeight), Qt::AlignLeft | Qt::AlignTop,
                   QString::fromStdString(text));
}

void drawLayers(QPainter& painter, const Frame& f, const Elevation& view) {
  const int ground = pixelY(f, view.groundOffset);
  for (std::size_t i = 0; i < view.layers.size(); ++i) {
    const ElevationLayer& layer = view.layers[i];
    if (i == 0) {
      drawBoundary(painter, f, ground);
      drawGroundHatch(painter, f, ground);
    }
    drawBoundary(painter, f, pixelY(f, layer.bottomDepth + view.groundOffset));
    drawLabel(painter, f, layer, pixelY(f, layer.topDepth + view.groundOffset));
  }
}

void drawOutline(QPainter& painter, const Frame& f, const Elevation& view, const QColor& fill) {
  painter.setPen(Qt::NoPen);
  painter.setBrush(fill);
  for (const Quadrilateral& q : view.outline) {
    const WorldPoint corners[] = {q.a, q.b, q.d, q.c};
    QPolygon polygon;
    for (const WorldPoint& p : corners) {
      polygon << QPoint(pixelX(f, p.x), pixelY(f, p.y));
    }
    painter.drawPolygon(polygon);
  }
}

}  // namespace

void DrawElevation(QPainter& painter, const Elevation& view, const WorldWindow& display,
                   const QRect& area, ElevationLayout layout, const ElevationColours& colours) {
  painter.save();
  Frame frame{layout, area, display, 1};
  // A profile and shaft of no depth (all zero) keep the unit span: the page
  // maps depths by dividing by it.
  if (!view.layers.empty() && view.layers.back().bottomDepth + view.groundOffset > 0) {
    frame.depthSpan = view.layers.back().bottomDepth + view.groundOffset;
  }
  if (layout == ElevationLayout::kScreen) {
    painter.fillRect(area, colours.background);
  }
  painter.setPen(QPen(colours.lines, 0, Qt::SolidLine));
  painter.setBrush(Qt::NoBrush);
  drawLayers(painter, frame, view);
  drawOutline(painter, frame, view, colours.shaft);
  painter.restore();
}
