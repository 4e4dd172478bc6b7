// The legend of a plot: one entry per active curve of panel 1, in the
// curve's colour, " *" after a visible curve. The window shows it as a
// control of its own and the printer and the file exports paint it into
// the picture; both draw it with DrawLegend.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

class QPainter;
class TGraphPlot;
class TPlotView;

struct LegendEntry {
  int line;  // the curve's index in panel 1
  QString text;
  QColor colour;
};

struct LegendMetrics {
  QFont font;
  double itemHeight = 0;
  QSizeF size;
};

// The mark after the name of a visible curve.
inline constexpr const char* kVisibleMark = " *";

std::vector<LegendEntry> LegendEntries(const TGraphPlot& plot);
// Font of LegendFont points scaled by SizeFont, items one and a half times
// the font size apart; height = items x item height + 3, width the widest
// entry with its mark and a quarter inch, at least 21 pixels (at 96 pixels
// per inch; scaled with the surface's resolution).
LegendMetrics MeasureLegend(const TGraphPlot& plot, double ppx, double ppy);
// White box, thin frame, one line of text per entry.
void DrawLegend(QPainter& painter, const std::vector<LegendEntry>& entries,
                const LegendMetrics& metrics, const QPointF& topLeft);
// The entry at `y` pixels below the legend's top; -1 for none.
int LegendItemAt(const LegendMetrics& metrics, int entryCount, double y);
// The corners of panel 1's area a legend takes, a sixteenth of an inch
// inside it.
enum class LegendCorner { kBottomRight, kBottomLeft, kTopRight, kTopLeft };

// The box of `size` in `corner` of the view's panel 1.
QRectF LegendBoxAt(const TPlotView& view, const QSizeF& size, LegendCorner corner);
// Of the four corners, bottom-right first, the one where a box of `size`
// and an eighth of an inch around it covers the fewest segments of the
// visible curves.
LegendCorner ClearestLegendCorner(const TPlotView& view, const QSizeF& size);
