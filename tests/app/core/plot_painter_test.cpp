// The paint routine on an image: curves in their palette colours where the
// mapping puts their points, the legend clear of the curves, the captions
// centred on the plot area, the layer bands, and a white-only surface
// under an inch.
#include "core/plot_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <functional>

#include "app/support/fan_plot.h"
#include "core/graph_plot.h"
#include "core/plot_export.h"
#include "core/plot_view.h"

namespace {

constexpr double kPpi = 96;
const QSize kImageSize(800, 600);

// Three curves from the origin, each ending at the deepest point 25 ft:
// curve 0 at 40 tons, curve 1 (hidden) at 20, curve 2 at 10.
struct KnownPlot {
  TGraphPlot plot;
  TPlotView view{plot};

  KnownPlot() {
    plot.XCaption = QStringLiteral("Load");
    plot.XUnits = QStringLiteral("F2");
    plot.YCaption = QStringLiteral("Depth");
    plot.YUnits = QStringLiteral("L2");
    plot.Markers = 0;
    plot.WidthLine = 4;
    bormek::app_testing::SetFanCurves(plot);
    plot.Line(1).Visible = false;
    EXPECT_TRUE(view.Open());
    view.SetLegendShown(true);
  }

  // The view as a saved picture lays it out.
  TPlotView fileView() const {
    TPlotView laidOut = view;
    PaintSurface surface;
    surface.size = QSizeF(kImageSize);
    surface.ppx = kPpi;
    surface.ppy = kPpi;
    surface.kind = PlotDevice::kFile;
    laidOut.Layout(surface);
    laidOut.FitLegend();
    return laidOut;
  }
};

bool near(QRgb pixel, QColor colour, int tolerance = 60) {
  return std::abs(qRed(pixel) - colour.red()) + std::abs(qGreen(pixel) - colour.green()) +
             std::abs(qBlue(pixel) - colour.blue()) <=
         tolerance;
}

bool isDark(QRgb pixel) {
  return qGray(pixel) < 128;
}

// Whether some pixel of `rect` satisfies `test`.
bool anyPixel(const QImage& image, const QRectF& rect, const std::function<bool(QRgb)>& test) {
  const QRect r = rect.toAlignedRect().intersected(image.rect());
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      if (test(image.pixel(x, y))) {
        return true;
      }
    }
  }
  return false;
}

// The centre of the dark pixels of `rect`.
QPointF darkCentre(const QImage& image, const QRectF& rect) {
  const QRect r = rect.toAlignedRect().intersected(image.rect());
  double sumX = 0;
  double sumY = 0;
  int count = 0;
  for (int y = r.top(); y <= r.bottom(); ++y) {
    for (int x = r.left(); x <= r.right(); ++x) {
      if (isDark(image.pixel(x, y))) {
        sumX += x;
        sumY += y;
        ++count;
      }
    }
  }
  return count > 0 ? QPointF(sumX / count, sumY / count) : QPointF(-1, -1);
}

TEST(PaintPlot, DrawsEachVisibleCurveInItsColourWhereTheMappingPutsItsPoints) {
  const KnownPlot known;
  const TPlotView view = known.fileView();
  const QImage image = RenderPlot(known.view, kImageSize, kPpi);
  ASSERT_FALSE(image.isNull());
  // Colour index counts the active curves: 0 black, 1 blue, 2 red.
  const struct {
    double x;
    double y;
    QColor colour;
    bool drawn;
  } points[] = {
      {20, 12.5, QColor(0, 0, 0), true},    {32, 20, QColor(0, 0, 0), true},
      {5, 12.5, QColor(255, 0, 0), true},   {8, 20, QColor(255, 0, 0), true},
      {10, 12.5, QColor(0, 0, 255), false},  // the hidden curve
  };
  for (const auto& p : points) {
    const QRgb pixel =
        image.pixel(static_cast<int>(view.MapX(0, p.x)), static_cast<int>(view.MapY(0, p.y)));
    EXPECT_EQ(near(pixel, p.colour), p.drawn) << p.x << ", " << p.y;
  }
}

TEST(PaintPlot, ThePictureLegendTakesTheCornerClearOfTheCurves) {
  const KnownPlot known;
  const TPlotView view = known.fileView();
  const QImage image = RenderPlot(known.view, kImageSize, kPpi);
  const QRectF area = view.Panel(0).area;
  const QRectF box = view.LegendBox();
  // Bottom-right would hide the end of curve 0: the legend goes bottom-left,
  // a sixteenth of an inch inside the area.
  EXPECT_NEAR(box.left(), area.left() + kPpi / 16, 1);
  EXPECT_NEAR(box.bottom(), area.bottom() - kPpi / 16, 1);
  // Its entries in their curve colours, the hidden curve's too.
  EXPECT_TRUE(anyPixel(image, box, [](QRgb p) { return near(p, Qt::red, 90); }));
  EXPECT_TRUE(anyPixel(image, box, [](QRgb p) { return near(p, Qt::blue, 90); }));
  // On a screen the window shows its own legend.
  TPlotView screen = known.view;
  PaintSurface surface;
  surface.size = QSizeF(kImageSize);
  screen.Layout(surface);
  QImage onScreen(kImageSize, QImage::Format_RGB32);
  QPainter painter(&onScreen);
  PaintPlot(painter, screen);
  painter.end();
  EXPECT_FALSE(anyPixel(onScreen, box, [](QRgb p) { return near(p, Qt::blue, 90); }));
}

TEST(PaintPlot, APictureKeepsTheLegendWhereTheUserPlacedIt) {
  KnownPlot known;
  // Dragged to the middle of the window's area: the same share of the
  // picture's area, over the curves or not.
  PaintSurface window;
  window.size = QSizeF(1000, 700);
  known.view.Layout(window);
  const QRectF windowArea = known.view.Panel(0).area;
  known.view.SetLegendPlace(windowArea.center());
  const TPlotView picture = known.fileView();
  const QRectF area = picture.Panel(0).area;
  EXPECT_NEAR(picture.LegendBox().left(), area.center().x(), 1);
  EXPECT_NEAR(picture.LegendBox().top(), area.center().y(), 1);
}

TEST(PaintPlot, CaptionsAreCentredOnThePlotArea) {
  const KnownPlot known;
  const TPlotView view = known.fileView();
  const QImage image = RenderPlot(known.view, kImageSize, kPpi);
  const QRectF area = view.Panel(0).area;
  const double c = view.LabelHeight();
  // X caption: above the tick labels, over the area's middle.
  const QRectF xCaption(area.left(), area.top() - kPpi / 32 - 2 * c - c / 8, area.width(), c);
  EXPECT_NEAR(darkCentre(image, xCaption).x(), area.center().x(), 3);
  // Y caption: rotated, in the column at the left edge, beside the middle.
  const QRectF yCaption(kPpi / 16, area.top(), c, area.height());
  EXPECT_NEAR(darkCentre(image, yCaption).y(), area.center().y(), 3);
  // Nothing of either caption crosses into the area's frame.
  EXPECT_LT(xCaption.bottom(), area.top());
  EXPECT_LT(yCaption.right(), area.left());
}

TEST(PaintPlot, LayerBandsFillTheStripBetweenTheirDepths) {
  KnownPlot known;
  known.plot.ShowLayers = true;
  known.plot.SetLineCount(2, LineList::kLayers);
  known.plot.Line(0, LineList::kLayers).Points = {{7, 10}};  // sand to 10 ft
  known.plot.Line(0, LineList::kLayers).Name = QStringLiteral(" SAND ");
  known.plot.Line(1, LineList::kLayers).Points = {{99, 25}};  // no pattern below
  const TPlotView view = known.fileView();
  const QImage image = RenderPlot(known.view, kImageSize, kPpi);
  const QRectF strip = view.LayerStrip();
  ASSERT_FALSE(strip.isEmpty());
  const double boundary = view.MapY(0, 10);
  // The boundary is outlined across the strip, the bands on every side.
  EXPECT_TRUE(
      isDark(image.pixel(static_cast<int>(strip.center().x()), static_cast<int>(boundary))));
  for (const double x : {strip.left(), strip.right()}) {
    EXPECT_TRUE(isDark(image.pixel(static_cast<int>(x), static_cast<int>(boundary / 2)))) << x;
  }
  // The sand band carries its pattern; the band without a pattern stays white.
  const QRectF sand(strip.left() + 2, strip.top() + 2, strip.width() - 4, 10);
  EXPECT_TRUE(anyPixel(image, sand, [](QRgb p) { return p != qRgb(255, 255, 255); }));
  const QRectF plain(strip.left() + 2, boundary + 4, strip.width() - 4, 10);
  EXPECT_FALSE(anyPixel(image, plain, [](QRgb p) { return p != qRgb(255, 255, 255); }));
  // The band's name is written on white in its middle.
  const double middle = (view.MapY(0, 0) + boundary) / 2;
  EXPECT_TRUE(anyPixel(image, QRectF(strip.left(), middle - 3, strip.width(), 6), isDark));
}

TEST(PaintPlot, ASurfaceUnderAnInchIsPaintedWhiteOnly) {
  const KnownPlot known;
  for (const QSize size : {QSize(95, 400), QSize(400, 95)}) {
    QImage image = RenderPlot(known.view, size, kPpi);
    ASSERT_FALSE(image.isNull());
    EXPECT_FALSE(
        anyPixel(image, QRectF(image.rect()), [](QRgb p) { return p != qRgb(255, 255, 255); }))
        << size.width() << 'x' << size.height();
  }
}

}  // namespace
