#include "core/layer_patterns.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/layer_bands.h"
#include "core/plot_clipping.h"

namespace {

constexpr double kTileInches = 0.2;
constexpr double kUnitsPerTile = 8;  // symbols are laid out on an 8 x 8 grid
constexpr double kStrokeInches = 0.006;
// Finer surfaces get antialiased strokes; a screen's are whole pixels.
constexpr double kSmoothFromPpi = 150;
constexpr int kSmallestTile = 8;

// Draws the strokes of one tile, given on its 8 x 8 grid, cut to the band
// in the drawing itself (an SVG drawing keeps no clip): lines are cut, dots
// and pebbles are drawn only where they lie wholly inside.
class TileStrokes {
 public:
  TileStrokes(QPainter& painter, const QRectF& band, const QPointF& corner, double unit)
      : painter_(painter), band_(band), corner_(corner), unit_(unit) {}

  void line(QPointF a, QPointF b) {
    a = at(a);
    b = at(b);
    if (ClipSegment(a, b, band_)) {
      painter_.drawLine(a, b);
    }
  }
  void dot(const QPointF& centre) {
    const double radius = std::max(kSmallestDotPixels, unit_ / 4);
    ellipse(centre, radius, radius, Qt::black);
  }
  void pebble(const QPointF& centre) { ellipse(centre, 1.2 * unit_, 0.9 * unit_, Qt::NoBrush); }

 private:
  static constexpr double kSmallestDotPixels = 0.6;

  QPointF at(const QPointF& grid) const { return corner_ + grid * unit_; }
  void ellipse(const QPointF& centre, double rx, double ry, const QBrush& brush) {
    const QRectF box(at(centre) - QPointF(rx, ry), QSizeF(2 * rx, 2 * ry));
    if (band_.contains(box)) {
      painter_.setBrush(brush);
      painter_.drawEllipse(box);
    }
  }

  QPainter& painter_;
  QRectF band_;
  QPointF corner_;
  double unit_;
};

using SymbolPainter = void (*)(TileStrokes&);

void sandDots(TileStrokes& t) {
  for (const QPointF& c : {QPointF(1, 1), QPointF(5, 2), QPointF(3, 4.5), QPointF(7, 5.5),
                           QPointF(1.5, 7), QPointF(5.5, 7.5)}) {
    t.dot(c);
  }
}

void clayDashes(TileStrokes& t) {
  t.line({0.5, 1.5}, {3.5, 1.5});
  t.line({4.5, 5.5}, {7.5, 5.5});
}

void shaleLaminations(TileStrokes& t) {
  for (double row : {1.0, 3.0, 5.0, 7.0}) {
    const double gap = std::fmod(row, 4) == 1 ? 2 : 6;
    t.line({0, row}, {gap - 0.5, row});
    t.line({gap + 0.5, row}, {8, row});
  }
}

void rockBlocks(TileStrokes& t) {
  t.line({0, 0.5}, {8, 0.5});
  t.line({0, 4.5}, {8, 4.5});
  t.line({2, 0.5}, {2, 4.5});
  t.line({6, 4.5}, {6, 8});
  t.line({6, 0}, {6, 0.5});
}

void weakRockBlocks(TileStrokes& t) {
  t.line({0, 0.5}, {8, 0.5});
  t.line({0, 4.5}, {8, 4.5});
  t.line({4.5, 1.5}, {5.5, 3.5});
  t.line({0.5, 5.5}, {1.5, 7.5});
}

void gravellyDots(TileStrokes& t) {
  t.pebble({2, 2});
  t.pebble({6, 6});
  for (const QPointF& c : {QPointF(6, 1.5), QPointF(1.5, 5.5), QPointF(3.5, 7), QPointF(4, 4)}) {
    t.dot(c);
  }
}

void gravelPebbles(TileStrokes& t) {
  for (const QPointF& c :
       {QPointF(2, 2), QPointF(6, 2.5), QPointF(4, 5.5), QPointF(0, 6), QPointF(8, 6)}) {
    t.pebble(c);
  }
}

void forwardDiagonal(TileStrokes& t) {
  t.line({0, 8}, {8, 0});
}

void horizontalLines(TileStrokes& t) {
  t.line({0, 4}, {8, 4});
}

void verticalLines(TileStrokes& t) {
  t.line({4, 0}, {4, 8});
}

void crossLines(TileStrokes& t) {
  horizontalLines(t);
  verticalLines(t);
}

void diagonalCross(TileStrokes& t) {
  forwardDiagonal(t);
  t.line({0, 0}, {8, 8});
}

struct PatternStyle {
  int pattern;
  SymbolPainter paint;
  QRgb tint;  // the screen version's background
};

constexpr QRgb kWhite = 0xFFFFFF;

const PatternStyle kStyles[] = {
    {kClayPattern, clayDashes, 0xDCE6C8},        {kForwardDiagonalHatch, forwardDiagonal, kWhite},
    {kCrossHatch, crossLines, kWhite},           {kDiagonalCrossHatch, diagonalCross, kWhite},
    {kHorizontalHatch, horizontalLines, kWhite}, {kVerticalHatch, verticalLines, kWhite},
    {kSandPattern, sandDots, 0xFFF2B8},          {kShalePattern, shaleLaminations, 0xD6DCE8},
    {kRockPattern, rockBlocks, 0xDEDEDE},        {kWeakRockPattern, weakRockBlocks, 0xE8DCCB},
    {kGravellyPattern, gravellyDots, 0xF8E2C0},  {kGravelPattern, gravelPebbles, 0xF0D8A8},
};

const PatternStyle* styleOf(int pattern) {
  for (const PatternStyle& style : kStyles) {
    if (style.pattern == pattern) {
      return &style;
    }
  }
  return nullptr;
}

}  // namespace

void FillLayerPattern(QPainter& painter, const QRectF& band, int pattern, double pixelsPerInch,
                      PatternVersion version, const QPointF& origin) {
  const PatternStyle* style = styleOf(pattern);
  if (style == nullptr || band.isEmpty()) {
    return;
  }
  const double tile =
      std::max(kSmallestTile, static_cast<int>(std::lround(kTileInches * pixelsPerInch)));
  const double unit = tile / kUnitsPerTile;
  painter.save();
  painter.setClipRect(band, Qt::IntersectClip);
  painter.fillRect(band, version == PatternVersion::kPrint ? QColor(kWhite) : QColor(style->tint));
  painter.setRenderHint(QPainter::Antialiasing, pixelsPerInch >= kSmoothFromPpi);
  painter.setPen(
      QPen(Qt::black, std::max(1.0, kStrokeInches * pixelsPerInch), Qt::SolidLine, Qt::FlatCap));
  // Tiles on a grid from `origin`, so that neighbouring bands line up.
  const double left = origin.x() + std::floor((band.left() - origin.x()) / tile) * tile;
  const double top = origin.y() + std::floor((band.top() - origin.y()) / tile) * tile;
  for (double y = top; y < band.bottom(); y += tile) {
    for (double x = left; x < band.right(); x += tile) {
      TileStrokes strokes(painter, band, QPointF(x, y), unit);
      style->paint(strokes);
    }
  }
  painter.restore();
}
