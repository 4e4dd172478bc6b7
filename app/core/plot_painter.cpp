#include "core/plot_painter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <limits>

#include "core/graph_plot.h"
#include "core/layer_bands.h"
#include "core/layer_patterns.h"
#include "core/plot_clipping.h"
#include "core/plot_fonts.h"
#include "core/plot_legend.h"
#include "core/plot_markers.h"
#include "core/plot_palette.h"
#include "core/plot_view.h"
#include "core/units.h"

namespace {

constexpr int kLabelDigits = 4;
const QColor kGridColour(0x90, 0x90, 0x90);
// A band's name shrinks to fit a narrow strip down to this share of the
// label font, and never below the smallest size.
constexpr double kSmallestBandNameShare = 0.5;
constexpr double kSmallestBandNamePoints = 6;
// Room for a label that is centred on a tick: wider than any number.
constexpr double kLabelRoom = 40;

// Hairlines (frame, ticks, grid) stay visible on a fine printer: one pixel
// on a screen, a few at 600 pixels per inch. They lie on whole pixels and
// are drawn without antialiasing, so they stay crisp.
double hairline(const PaintSurface& surface) {
  return std::max(1.0, std::round(surface.ppx / 300));
}

QString labelOf(double value) {
  return QString::fromStdString(FormatGeneral(value, kLabelDigits));
}

// The caption and, when a unit code is given, its unit label in brackets.
QString captionWithUnits(const QString& caption, const QString& units, int system) {
  if (units.isEmpty()) {
    return caption;
  }
  return caption + QStringLiteral(" (") +
         QString::fromStdString(AxisUnitLabel(units.toStdString(), system)) + QLatin1Char(')');
}

// The space the graph title takes at the top or the bottom.
double titleSpace(const TPlotView& view) {
  const PaintSurface& s = view.Surface();
  const double c = view.LabelHeight();
  if (s.kind == PlotDevice::kPrinter) {
    return view.Plot().TitleAt == TitlePosition::kTop ? s.ppy / 4 : s.ppy / 2;
  }
  return view.Plot().TitleAt == TitlePosition::kTop ? c + c / 8 : c;
}

void paintTitle(QPainter& p, const TPlotView& view) {
  const TGraphPlot& plot = view.Plot();
  if (plot.Title.isEmpty()) {
    return;
  }
  const PaintSurface& s = view.Surface();
  const double space = titleSpace(view);
  const double margin = s.ppy / 32;
  const double top =
      plot.TitleAt == TitlePosition::kTop ? margin : s.size.height() - space - margin;
  p.setFont(view.CaptionFontUsed());
  p.setPen(Qt::black);
  p.drawText(QRectF(0, top, s.size.width(), space), Qt::AlignCenter, plot.Title);
}

void paintCaptions(QPainter& p, const TPlotView& view, int panel) {
  const TGraphPlot& plot = view.Plot();
  const PanelAxes axes = plot.AxesOf(panel);
  const QRectF& area = view.Panel(panel).area;
  const PaintSurface& s = view.Surface();
  const double c = view.LabelHeight();
  p.setFont(view.CaptionFontUsed());
  p.setPen(Qt::black);

  const double xTop = plot.XOnTop ? area.top() - s.ppy / 32 - 2 * c - c / 8
                                  : area.bottom() + s.ppy / 16 + c + c / 8;
  p.drawText(QRectF(area.left(), xTop, area.width(), c), Qt::AlignCenter,
             captionWithUnits(axes.XCaption, axes.XUnits, plot.Units()));

  // Rotated to read upwards, centred on the area, at the left of the room
  // before the area.
  const double room = panel == 0 ? area.left() : 2 * c + s.ppx / 4;
  p.save();
  p.translate(area.left() - room + s.ppx / 16, area.center().y());
  p.rotate(-90);
  p.drawText(QRectF(-area.height(), 0, 2 * area.height(), c), Qt::AlignCenter,
             captionWithUnits(axes.YCaption, axes.YUnits, plot.Units()));
  p.restore();
}

void paintTicks(QPainter& p, const TPlotView& view, int panel) {
  p.save();
  const TGraphPlot& plot = view.Plot();
  const PanelLayout& layout = view.Panel(panel);
  const QRectF& area = layout.area;
  const PaintSurface& s = view.Surface();
  const double c = view.LabelHeight();
  const double tick = s.ppy / 16;
  const double line = hairline(s);
  const QPen tickPen(Qt::black, line, Qt::SolidLine, Qt::FlatCap);
  const QPen gridPen(s.blackAndWhite ? QColor(Qt::black) : kGridColour, line, Qt::DotLine,
                     Qt::FlatCap);
  p.setFont(view.LabelFontUsed());
  p.setRenderHint(QPainter::Antialiasing, false);
  const double room = kLabelRoom * c;

  const double edge = plot.XOnTop ? area.top() : area.bottom();
  const double inward = plot.XOnTop ? tick : -tick;
  for (const Tick& t : layout.xTicks.ticks) {
    const double x = view.MapX(panel, t.value);
    p.setPen(tickPen);
    p.drawLine(QPointF(x, edge), QPointF(x, edge + inward));
    if (!t.major) {
      continue;
    }
    p.setPen(gridPen);
    p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    p.setPen(Qt::black);
    const QRectF label = plot.XOnTop ? QRectF(x - room / 2, area.top() - s.ppy / 32 - c, room, c)
                                     : QRectF(x - room / 2, area.bottom() + s.ppy / 16, room, c);
    p.drawText(label, Qt::AlignHCenter | Qt::AlignVCenter, labelOf(t.value));
  }
  for (const Tick& t : layout.yTicks.ticks) {
    const double y = view.MapY(panel, t.value);
    p.setPen(tickPen);
    p.drawLine(QPointF(area.left(), y), QPointF(area.left() + s.ppx / 16, y));
    if (!t.major) {
      continue;
    }
    p.setPen(gridPen);
    p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
    p.setPen(Qt::black);
    p.drawText(QRectF(area.left() - s.ppx / 32 - room, y - c / 2, room, c),
               Qt::AlignRight | Qt::AlignVCenter, labelOf(t.value));
  }
  p.restore();
}

// The marker drawn once, antialiased, on a transparent square whose centre
// pixel is `centre` pixels from its corner.
QImage markerStamp(const QPolygonF& shape, const QColor& colour, int centre) {
  QImage stamp(2 * centre + 1, 2 * centre + 1, QImage::Format_ARGB32_Premultiplied);
  stamp.fill(Qt::transparent);
  QPainter painter(&stamp);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(colour, 0));
  painter.setBrush(colour);
  painter.drawPolygon(shape.translated(centre + 0.5, centre + 0.5));
  return stamp;
}

// A marker at point 0 and every `Markers` points that lie in the area. On a
// bitmap the marker is stamped, which keeps thousands of them quick; a
// page or a drawing gets each as a polygon.
void paintMarkers(QPainter& p, const TPlotView& view, int panel, const TLine& curve,
                  const QPolygonF& shape, const QColor& colour) {
  const int every = view.Plot().Markers;
  if (every <= 0) {
    return;
  }
  const bool bitmap = p.paintEngine() != nullptr && p.paintEngine()->type() == QPaintEngine::Raster;
  const int centre = static_cast<int>(std::ceil(shape.boundingRect().width() / 2)) + 1;
  const QImage stamp = bitmap ? markerStamp(shape, colour, centre) : QImage();
  p.setPen(QPen(colour, 0));
  p.setBrush(colour);
  const auto& points = curve.Points;
  const QRectF& area = view.Panel(panel).area;
  for (std::size_t k = 0; k < points.size(); k += static_cast<std::size_t>(every)) {
    const QPointF at(view.MapX(panel, static_cast<double>(points[k].X)),
                     view.MapY(panel, static_cast<double>(points[k].Y)));
    if (!area.contains(at)) {
      continue;
    }
    if (bitmap) {
      p.drawImage(at - QPointF(centre, centre), stamp);
    } else {
      p.drawPolygon(shape.translated(at));
    }
  }
}

void paintCurves(QPainter& p, const TPlotView& view, int panel) {
  const TGraphPlot& plot = view.Plot();
  const LineList list = TGraphPlot::PanelList(panel);
  if (plot.LineCount(list) == 0 || plot.PointCount(list) <= 1) {
    return;
  }
  const PaintSurface& s = view.Surface();
  const double width = (std::round(s.ppx / 300) + 1) * plot.WidthLine;
  const double radius = s.ppx / 32;
  // Cut to the area here as well: a vector drawing keeps no clip.
  const QRectF& area = view.Panel(panel).area;
  p.save();
  p.setClipRect(area);
  int colourIndex = 0;
  for (const auto& curve : plot.Lines(list)) {
    if (!curve->Active) {
      continue;
    }
    const int index = colourIndex++;
    if (!curve->Visible) {
      continue;
    }
    const QColor colour = s.blackAndWhite ? QColor(Qt::black) : CurveColour(index);
    QPolygonF polyline;
    polyline.reserve(static_cast<qsizetype>(curve->Points.size()));
    for (const TFloatPoint& point : curve->Points) {
      polyline << QPointF(view.MapX(panel, static_cast<double>(point.X)),
                          view.MapY(panel, static_cast<double>(point.Y)));
    }
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    for (const QPolygonF& run : ClipPolyline(polyline, area)) {
      p.drawPolyline(run);
    }
    paintMarkers(p, view, panel, *curve, MarkerShape(index, radius), colour);
  }
  p.restore();
}

void paintLegend(QPainter& p, const TPlotView& view) {
  if (view.Surface().kind == PlotDevice::kScreen || !view.LegendShown()) {
    return;
  }
  std::vector<LegendEntry> entries = LegendEntries(view.Plot());
  if (entries.empty()) {
    return;
  }
  const PaintSurface& s = view.Surface();
  if (s.blackAndWhite) {
    for (LegendEntry& entry : entries) {
      entry.colour = Qt::black;
    }
  }
  DrawLegend(p, entries, MeasureLegend(view.Plot(), s.ppx, s.ppy), view.LegendBox().topLeft());
}

int patternOf(Extended x) {
  const bool usable = std::isfinite(x) && x >= std::numeric_limits<int>::min() &&
                      x <= std::numeric_limits<int>::max();
  return usable ? static_cast<int>(x) : 0;
}

// The name on white in the middle of the band, in the label font or, for a
// narrow strip, down to half of it (6 points at least); left out where even
// that does not fit.
void paintBandName(QPainter& p, const QRectF& band, const QString& name, const QFont& labelFont,
                   double pixelsPerInch) {
  QFont font = labelFont;
  const double width = QFontMetricsF(font).horizontalAdvance(name);
  const double room = band.width() - 2;
  if (width > room) {
    const int pixels = static_cast<int>(font.pixelSize() * room / width);
    const double smallest = std::max(labelFont.pixelSize() * kSmallestBandNameShare,
                                     kSmallestBandNamePoints * pixelsPerInch / kPointsPerInch);
    if (pixels < smallest || pixels < 1) {
      return;
    }
    font.setPixelSize(pixels);
  }
  const QFontMetricsF metrics(font);
  const QSizeF size(metrics.horizontalAdvance(name), metrics.height());
  if (size.height() > band.height()) {
    return;
  }
  const QRectF label(band.center() - QPointF(size.width() / 2, size.height() / 2), size);
  p.setFont(font);
  p.fillRect(label, Qt::white);
  p.drawText(label, Qt::AlignCenter, name);
}

// Each band from the bottom of the one above (the top of the range for the
// first) to its own bottom, outlined, filled and named.
void paintLayerBands(QPainter& p, const TPlotView& view) {
  const QRectF& strip = view.LayerStrip();
  if (strip.isEmpty()) {
    return;
  }
  const TGraphPlot& plot = view.Plot();
  const PaintSurface& s = view.Surface();
  const PatternVersion version = s.kind == PlotDevice::kPrinter || s.blackAndWhite
                                     ? PatternVersion::kPrint
                                     : PatternVersion::kScreen;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  double above = view.Range(0).y.min;
  for (const auto& band : plot.Lines(LineList::kLayers)) {
    if (band->Points.empty()) {
      continue;
    }
    const TFloatPoint& bottom = band->Points.front();
    const double y1 = view.MapY(0, above);
    const double y2 = view.MapY(0, static_cast<double>(bottom.Y));
    above = static_cast<double>(bottom.Y);
    const QRectF rect =
        QRectF(QPointF(strip.left(), std::min(y1, y2)), QPointF(strip.right(), std::max(y1, y2)))
            .intersected(strip);
    if (rect.height() <= 0) {
      continue;
    }
    FillLayerPattern(p, rect, patternOf(bottom.X), s.ppx, version, strip.topLeft());
    p.setPen(QPen(Qt::black, hairline(s)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect);
    paintBandName(p, rect, band->Name, view.LabelFontUsed(), s.ppy);
  }
  p.restore();
}

void paintFrames(QPainter& p, const TPlotView& view) {
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(Qt::black, hairline(view.Surface()), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setBrush(Qt::NoBrush);
  for (int panel = 0; panel < view.PanelCount(); ++panel) {
    p.drawRect(view.Panel(panel).area);
  }
}

}  // namespace

void PaintPlot(QPainter& painter, const TPlotView& view) {
  painter.save();
  const PaintSurface& surface = view.Surface();
  painter.fillRect(QRectF(QPointF(0, 0), surface.size), Qt::white);
  if (!view.TooSmall()) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintTitle(painter, view);
    for (int panel = 0; panel < view.PanelCount(); ++panel) {
      paintCaptions(painter, view, panel);
      paintTicks(painter, view, panel);
    }
    for (int panel = 0; panel < view.PanelCount(); ++panel) {
      paintCurves(painter, view, panel);
    }
    paintLegend(painter, view);
    paintLayerBands(painter, view);
    paintFrames(painter, view);
  }
  painter.restore();
}
