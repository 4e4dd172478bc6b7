#include "core/layer_patterns.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/layer_bands.h"

namespace {

constexpr double kTileInches = 0.2;
constexpr double kUnitsPerTile = 8;  // symbols are laid out on an 8 x 8 grid
constexpr double kPrintStrokeInches = 0.006;
constexpr int kSmallestTile = 8;

// Strokes of one symbol drawn on a tile `u` pixels per grid unit.
using SymbolPainter = void (*)(QPainter&, double u);

void drawDot(QPainter& p, double x, double y, double radius) {
  p.drawEllipse(QPointF(x, y), radius, radius);
}

void sandDots(QPainter& p, double u) {
  p.setBrush(Qt::black);
  const double r = std::max(0.6, u / 4);
  for (const QPointF& at : {QPointF(1, 1), QPointF(5, 2), QPointF(3, 4.5), QPointF(7, 5.5),
                            QPointF(1.5, 7), QPointF(5.5, 7.5)}) {
    drawDot(p, at.x() * u, at.y() * u, r);
  }
}

void clayDashes(QPainter& p, double u) {
  for (double row : {1.5, 5.5}) {
    const double shift = row > 4 ? 4 : 0;
    p.drawLine(QPointF((0.5 + shift) * u, row * u), QPointF((3.5 + shift) * u, row * u));
  }
}

void shaleLaminations(QPainter& p, double u) {
  for (double row : {1.0, 3.0, 5.0, 7.0}) {
    const double gap = std::fmod(row, 4) == 1 ? 2 : 6;
    p.drawLine(QPointF(0, row * u), QPointF((gap - 0.5) * u, row * u));
    p.drawLine(QPointF((gap + 0.5) * u, row * u), QPointF(8 * u, row * u));
  }
}

void rockBlocks(QPainter& p, double u) {
  p.drawLine(QPointF(0, 0.5 * u), QPointF(8 * u, 0.5 * u));
  p.drawLine(QPointF(0, 4.5 * u), QPointF(8 * u, 4.5 * u));
  p.drawLine(QPointF(2 * u, 0.5 * u), QPointF(2 * u, 4.5 * u));
  p.drawLine(QPointF(6 * u, 4.5 * u), QPointF(6 * u, 8 * u));
  p.drawLine(QPointF(6 * u, 0), QPointF(6 * u, 0.5 * u));
}

void weakRockBlocks(QPainter& p, double u) {
  p.drawLine(QPointF(0, 0.5 * u), QPointF(8 * u, 0.5 * u));
  p.drawLine(QPointF(0, 4.5 * u), QPointF(8 * u, 4.5 * u));
  p.drawLine(QPointF(4.5 * u, 1.5 * u), QPointF(5.5 * u, 3.5 * u));
  p.drawLine(QPointF(0.5 * u, 5.5 * u), QPointF(1.5 * u, 7.5 * u));
}

void drawPebble(QPainter& p, double x, double y, double u) {
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(x * u, y * u), 1.2 * u, 0.9 * u);
}

void gravellyDots(QPainter& p, double u) {
  drawPebble(p, 2, 2, u);
  drawPebble(p, 6, 6, u);
  p.setBrush(Qt::black);
  const double r = std::max(0.6, u / 4);
  for (const QPointF& at : {QPointF(6, 1.5), QPointF(1.5, 5.5), QPointF(3.5, 7), QPointF(4, 4)}) {
    drawDot(p, at.x() * u, at.y() * u, r);
  }
}

void gravelPebbles(QPainter& p, double u) {
  for (const QPointF& at :
       {QPointF(2, 2), QPointF(6, 2.5), QPointF(4, 5.5), QPointF(0, 6), QPointF(8, 6)}) {
    drawPebble(p, at.x(), at.y(), u);
  }
}

void forwardDiagonal(QPainter& p, double u) {
  p.drawLine(QPointF(0, 8 * u), QPointF(8 * u, 0));
}

void horizontalLines(QPainter& p, double u) {
  p.drawLine(QPointF(0, 4 * u), QPointF(8 * u, 4 * u));
}

void verticalLines(QPainter& p, double u) {
  p.drawLine(QPointF(4 * u, 0), QPointF(4 * u, 8 * u));
}

void crossLines(QPainter& p, double u) {
  horizontalLines(p, u);
  verticalLines(p, u);
}

void diagonalCross(QPainter& p, double u) {
  forwardDiagonal(p, u);
  p.drawLine(QPointF(0, 0), QPointF(8 * u, 8 * u));
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

QBrush LayerBrush(int pattern, double pixelsPerInch, PatternVersion version) {
  const PatternStyle* style = styleOf(pattern);
  if (style == nullptr) {
    return Qt::NoBrush;
  }
  const int tile =
      std::max(kSmallestTile, static_cast<int>(std::lround(kTileInches * pixelsPerInch)));
  QImage image(tile, tile, QImage::Format_RGB32);
  const bool print = version == PatternVersion::kPrint;
  image.fill(print ? QColor(kWhite) : QColor(style->tint));
  QPainter painter(&image);
  const double stroke = print ? std::max(1.0, kPrintStrokeInches * pixelsPerInch) : 0;
  painter.setRenderHint(QPainter::Antialiasing, print);
  painter.setPen(QPen(Qt::black, stroke, Qt::SolidLine, Qt::FlatCap));
  style->paint(painter, tile / kUnitsPerTile);
  painter.end();
  return QBrush(image);
}
