#include "core/plot_legend.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "core/graph_plot.h"
#include "core/plot_clipping.h"
#include "core/plot_fonts.h"
#include "core/plot_palette.h"
#include "core/plot_view.h"

namespace {

constexpr double kScreenPpi = 96;  // the resolution the pixel sizes below are given for
constexpr double kItemSpacing = 1.5;
constexpr double kExtraHeightPx = 3;
constexpr double kNarrowestPx = 21;
constexpr double kSizeFontUnit = 10;

// Whether the segment a-b passes through the box.
bool segmentMeetsBox(QPointF a, QPointF b, const QRectF& box) {
  return ClipSegment(a, b, box);
}

// The margin between the frame and the first entry.
double insetOf(const LegendMetrics& metrics) {
  return std::max(1.0, metrics.itemHeight / 8);
}

int coveredSegments(const TPlotView& view, const QRectF& box) {
  const TGraphPlot& plot = view.Plot();
  int covered = 0;
  for (const auto& line : plot.Lines()) {
    if (!line->Active || !line->Visible) {
      continue;
    }
    const auto& points = line->Points;
    for (std::size_t k = 1; k < points.size(); ++k) {
      const QPointF a(view.MapX(0, static_cast<double>(points[k - 1].X)),
                      view.MapY(0, static_cast<double>(points[k - 1].Y)));
      const QPointF b(view.MapX(0, static_cast<double>(points[k].X)),
                      view.MapY(0, static_cast<double>(points[k].Y)));
      if (segmentMeetsBox(a, b, box)) {
        ++covered;
      }
    }
  }
  return covered;
}

}  // namespace

std::vector<LegendEntry> LegendEntries(const TGraphPlot& plot) {
  std::vector<LegendEntry> entries;
  for (int line = 0; line < plot.LineCount(); ++line) {
    const TLine& curve = plot.Line(line);
    if (!curve.Active) {
      continue;
    }
    QString text = plot.LegendText(line);
    if (curve.Visible) {
      text += QLatin1String(kVisibleMark);
    }
    entries.push_back({line, text, CurveColour(static_cast<int>(entries.size()))});
  }
  return entries;
}

LegendMetrics MeasureLegend(const TGraphPlot& plot, double ppx, double ppy) {
  LegendMetrics metrics;
  const double points = plot.LegendFont * plot.SizeFont / kSizeFontUnit;
  metrics.font = PlotFont(points, ppy);
  metrics.itemHeight = std::round(kItemSpacing * points * ppy / kScreenPpi);
  const QFontMetricsF fontMetrics(metrics.font);
  double widest = 0;
  int items = 0;
  for (int line = 0; line < plot.LineCount(); ++line) {
    if (plot.Line(line).Active) {
      ++items;
      widest = std::max(widest, fontMetrics.horizontalAdvance(plot.LegendText(line) +
                                                              QLatin1String(kVisibleMark)));
    }
  }
  const double width = std::max(kNarrowestPx * ppx / kScreenPpi, widest + ppx / 4);
  const double height = items * metrics.itemHeight + kExtraHeightPx * ppy / kScreenPpi;
  metrics.size = QSizeF(std::ceil(width), std::ceil(height));
  return metrics;
}

void DrawLegend(QPainter& painter, const std::vector<LegendEntry>& entries,
                const LegendMetrics& metrics, const QPointF& topLeft) {
  painter.save();
  const QRectF box(topLeft, metrics.size);
  const double inset = insetOf(metrics);
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(Qt::white);
  painter.drawRect(box);
  painter.setFont(metrics.font);
  for (std::size_t k = 0; k < entries.size(); ++k) {
    const QRectF item(box.left() + 2 * inset, box.top() + inset + k * metrics.itemHeight,
                      box.width() - 3 * inset, metrics.itemHeight);
    painter.setPen(entries[k].colour);
    painter.drawText(item, Qt::AlignLeft | Qt::AlignVCenter, entries[k].text);
  }
  painter.restore();
}

int LegendItemAt(const LegendMetrics& metrics, int entryCount, double y) {
  const double below = y - insetOf(metrics);
  if (metrics.itemHeight <= 0 || below < 0) {
    return -1;
  }
  const int item = static_cast<int>(below / metrics.itemHeight);
  return item < entryCount ? item : -1;
}

QRectF LegendBoxAt(const TPlotView& view, const QSizeF& size, LegendCorner corner) {
  const QRectF area = view.Panel(0).area;
  const double margin = view.Surface().ppx / 16;
  const bool left = corner == LegendCorner::kBottomLeft || corner == LegendCorner::kTopLeft;
  const bool top = corner == LegendCorner::kTopRight || corner == LegendCorner::kTopLeft;
  return QRectF(QPointF(left ? area.left() + margin : area.right() - margin - size.width(),
                        top ? area.top() + margin : area.bottom() - margin - size.height()),
                size);
}

LegendCorner ClearestLegendCorner(const TPlotView& view, const QSizeF& size) {
  LegendCorner best = LegendCorner::kBottomRight;
  int fewest = std::numeric_limits<int>::max();
  for (const LegendCorner corner : {LegendCorner::kBottomRight, LegendCorner::kBottomLeft,
                                    LegendCorner::kTopRight, LegendCorner::kTopLeft}) {
    // With room around the box, so that the legend does not touch a curve.
    const double room = view.Surface().ppx / 8;
    const int covered =
        coveredSegments(view, LegendBoxAt(view, size, corner).adjusted(-room, -room, room, room));
    if (covered < fewest) {
      fewest = covered;
      best = corner;
    }
    if (covered == 0) {
      break;
    }
  }
  return best;
}
