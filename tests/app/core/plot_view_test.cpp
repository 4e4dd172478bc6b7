// What a plot window shows, without a window: the ranges it opens on, the
// tick steps, the layout of its rectangles, the mapping between data and
// pixels, and zooming in and out.
#include "core/plot_view.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "core/graph_plot.h"
#include "core/plot_ranges.h"
#include "core/plot_ticks.h"

namespace {

// A plot with one curve through `points` (x, y).
void setCurve(TGraphPlot& plot, const std::vector<TFloatPoint>& points) {
  plot.SetLineCount(1);
  plot.Line(0).Points = points;
}

TEST(PlotRanges, RoundOutwardsToAUnitOfTheSpansMagnitude) {
  const struct {
    double min, max;  // data, 0 included
    double roundedMin, roundedMax;
  } cases[] = {
      {0, 0, -0.01, 0.01},    // an empty span is widened first
      {0, 25, 0, 25},         // leading digits 2.5 below 3: unit 1
      {0, 37, 0, 40},         // 3.7: unit 10
      {-3.7, 0, -4, 0},       // away from zero on the negative side
      {0, 2.95, 0, 3},        // 2.95 below 3: unit 0.1
      {0, 1234, 0, 1300},     // unit 100
      {0, 0.0042, 0, 0.005},  // unit 0.001
      {-12, 37, -20, 40},     // span 49: unit 10
  };
  for (const auto& c : cases) {
    AxisRange range{c.min, c.max};
    ASSERT_TRUE(RoundAxisRange(range)) << c.max;
    EXPECT_NEAR(range.min, c.roundedMin, 1e-12) << c.min << ' ' << c.max;
    EXPECT_NEAR(range.max, c.roundedMax, 1e-12) << c.min << ' ' << c.max;
  }
}

TEST(PlotRanges, ASpanOfNoFiniteSizeCannotBeShown) {
  const double infinity = std::numeric_limits<double>::infinity();
  const AxisRange cases[] = {
      {0, infinity}, {0, std::numeric_limits<double>::quiet_NaN()}, {-1e308, 1e308}};
  for (AxisRange range : cases) {
    EXPECT_FALSE(RoundAxisRange(range)) << range.min << ' ' << range.max;
  }
}

TEST(PlotRanges, APanelSpansEveryPointOfEveryCurveAndZero) {
  TGraphPlot plot;
  setCurve(plot, {{5, 10}, {37, 25}});
  plot.SetLineCount(2);
  plot.Line(1).Points = {{-3.7, 2}};
  plot.Line(1).Active = false;  // counted all the same
  PanelRange range;
  ASSERT_TRUE(InitialPanelRange(plot, 0, range));
  EXPECT_NEAR(range.x.min, -10, 1e-12);  // span 40.7: unit 10
  EXPECT_NEAR(range.x.max, 40, 1e-12);
  EXPECT_NEAR(range.y.min, 0, 1e-12);
  EXPECT_NEAR(range.y.max, 25, 1e-12);

  TGraphPlot zeros;
  setCurve(zeros, {{0, 0}, {0, 0}});
  ASSERT_TRUE(InitialPanelRange(zeros, 0, range));
  EXPECT_NEAR(range.x.min, -0.01, 1e-12);
  EXPECT_NEAR(range.x.max, 0.01, 1e-12);
  EXPECT_NEAR(range.y.min, -0.01, 1e-12);
  EXPECT_NEAR(range.y.max, 0.01, 1e-12);
}

TEST(PlotTicks, TheStepIsALeadingDigitTimesAPowerOfTen) {
  const struct {
    double max;
    double length;  // pixels; labels 10 pixels high: length / 60 labels at most
    double step;
  } cases[] = {
      {40, 600, 4},        // 10 labels: raw 4
      {25, 300, 5},        // 5 labels: raw 5
      {1300, 600, 100},    // raw 130: digit 1
      {0.02, 600, 0.002},  // raw 0.002
      {19, 600, 1},        // raw 1.9: below 2 gives the power itself
      {199.9, 600, 10},    // raw 19.99
      {40, 50, 0},         // no room for one label
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(TickStep({0, c.max}, c.length, 10), c.step, 1e-12) << c.max;
  }
}

TEST(PlotTicks, MinorTicksFallOnFifthsOfTheStepAndEveryFifthIsLabelled) {
  const AxisTicks ticks = TicksFor({0, 40}, 600, 10);
  EXPECT_DOUBLE_EQ(ticks.step, 4);
  EXPECT_DOUBLE_EQ(ticks.minor, 0.8);
  ASSERT_EQ(ticks.ticks.size(), 51u);
  int majors = 0;
  for (std::size_t k = 0; k < ticks.ticks.size(); ++k) {
    EXPECT_NEAR(ticks.ticks[k].value, 0.8 * static_cast<double>(k), 1e-9);
    EXPECT_EQ(ticks.ticks[k].major, k % 5 == 0);
    majors += ticks.ticks[k].major ? 1 : 0;
  }
  EXPECT_EQ(majors, 11);
  EXPECT_TRUE(TicksFor({0, 40}, 50, 10).ticks.empty());
}

class PlotViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setCurve(plot, {{0, 0}, {10, 20}, {37, 25}});
    ASSERT_TRUE(view.Open());  // x 0 to 40, y 0 to 25
    view.Layout(screen(800, 600));
  }

  static PaintSurface screen(double width, double height, PlotDevice kind = PlotDevice::kScreen) {
    PaintSurface surface;
    surface.size = QSizeF(width, height);
    surface.ppx = 96;
    surface.ppy = 96;
    surface.kind = kind;
    return surface;
  }

  const QRectF& area() const { return view.Panel(0).area; }

  TGraphPlot plot;
  TPlotView view{plot};
};

TEST_F(PlotViewTest, TheAreaLeavesTheMarginsOfTheLabelHeightAndTheResolution) {
  const double c = view.LabelHeight();
  ASSERT_GT(c, 0);
  // X axis on top: two label heights and an eighth of an inch above.
  EXPECT_EQ(area().top(), std::round(2 * c + 96.0 / 8 + c / 8));
  EXPECT_EQ(area().bottom(), std::round(600 - 96.0 / 4 - c / 2));
  EXPECT_EQ(area().right(), std::round(800 - 96.0 / 4 - c / 2));
  EXPECT_GE(area().left(), std::round(2 * c + 96.0 / 8 + c / 8));

  plot.XOnTop = false;
  view.Layout(screen(800, 600));
  EXPECT_EQ(area().top(), std::round(c / 2 + 96.0 / 4));
  EXPECT_EQ(area().bottom(), std::round(600 - 2 * c - 96.0 / 8 - c / 8));
}

TEST_F(PlotViewTest, ATitleAndTheLayerStripTakeTheirSpace) {
  const double c = view.LabelHeight();
  const double top = 2 * c + 96.0 / 8 + c / 8;
  const double bottom = 600 - 96.0 / 4 - c / 2;
  const double right = std::round(800 - 96.0 / 4 - c / 2);
  // A title takes c/8 + c at the top or c at the bottom of a screen; a
  // quarter or a half inch of a page.
  const struct {
    const char* what;
    PlotDevice kind;
    TitlePosition at;
    double top;
    double bottom;
  } titles[] = {
      {"screen, top", PlotDevice::kScreen, TitlePosition::kTop, top + c / 8 + c, bottom},
      {"screen, bottom", PlotDevice::kScreen, TitlePosition::kBottom, top, bottom - c},
      {"printer, top", PlotDevice::kPrinter, TitlePosition::kTop, top + 24, bottom},
      {"printer, bottom", PlotDevice::kPrinter, TitlePosition::kBottom, top, bottom - 48},
  };
  plot.Title = QStringLiteral("Pier 4");
  for (const auto& t : titles) {
    plot.TitleAt = t.at;
    view.Layout(screen(800, 600, t.kind));
    EXPECT_EQ(area().top(), std::round(t.top)) << t.what;
    EXPECT_EQ(area().bottom(), std::round(t.bottom)) << t.what;
  }
  plot.Title.clear();

  plot.ShowLayers = true;
  plot.SetLineCount(1, LineList::kLayers);
  const struct {
    PlotDevice kind;
    double inches;
  } strips[] = {{PlotDevice::kScreen, 1}, {PlotDevice::kPrinter, 1}, {PlotDevice::kFile, 0.5}};
  for (const auto& s : strips) {
    view.Layout(screen(800, 600, s.kind));
    EXPECT_NEAR(area().right(), right - 96 * s.inches, 1);
    EXPECT_NEAR(view.LayerStrip().left(), right - 96 * s.inches + 96.0 / 5, 1);
    EXPECT_EQ(view.LayerStrip().right(), right);
    EXPECT_EQ(view.LayerStrip().top(), area().top());
    EXPECT_EQ(view.LayerStrip().bottom(), area().bottom());
  }
}

TEST_F(PlotViewTest, MapsDataOntoTheAreaAndBack) {
  const QRectF a = area();
  EXPECT_EQ(view.MapX(0, 0), a.left());
  EXPECT_EQ(view.MapX(0, 40), a.right());
  EXPECT_EQ(view.MapX(0, 10), std::round(a.left() + 0.25 * a.width()));
  // Depth grows downwards.
  EXPECT_EQ(view.MapY(0, 0), a.top());
  EXPECT_EQ(view.MapY(0, 25), a.bottom());
  EXPECT_EQ(view.MapY(0, 5), std::round(a.top() + 0.2 * a.height()));
  for (const double x : {0.0, 13.3, 40.0}) {
    EXPECT_NEAR(view.DataX(0, view.MapX(0, x)), x, 40 / a.width());
  }
  EXPECT_NEAR(view.DataY(0, a.top() + a.height() / 2), 12.5, 1e-9);

  plot.XOnTop = false;  // values grow upwards
  view.Layout(screen(800, 600));
  EXPECT_EQ(view.MapY(0, 0), area().bottom());
  EXPECT_EQ(view.MapY(0, 25), area().top());
  EXPECT_NEAR(view.DataY(0, area().bottom()), 0, 1e-9);
  // A value beyond any scale lands far outside, never at an undefined pixel.
  EXPECT_EQ(view.MapX(0, std::numeric_limits<double>::infinity()), 1e6);
  EXPECT_EQ(view.MapX(0, std::numeric_limits<double>::quiet_NaN()), -1e6);
}

TEST_F(PlotViewTest, ZoomingInTakesTheDraggedRectangle) {
  const QRectF a = area();
  const QPointF from(view.MapX(0, 10), view.MapY(0, 5));
  const QPointF to(view.MapX(0, 30), view.MapY(0, 15));
  ASSERT_TRUE(view.ZoomIn(to, from));
  EXPECT_NEAR(view.Range(0).x.min, 10, 40 / a.width());
  EXPECT_NEAR(view.Range(0).x.max, 30, 40 / a.width());
  EXPECT_NEAR(view.Range(0).y.min, 5, 25 / a.height());
  EXPECT_NEAR(view.Range(0).y.max, 15, 25 / a.height());
  // The initial range stays the bound.
  EXPECT_EQ(view.InitialRange(0).x.max, 40);
  // The ticks follow the new range: none falls outside the area.
  const PanelLayout& layout = view.Panel(0);
  ASSERT_FALSE(layout.yTicks.ticks.empty());
  for (const Tick& tick : layout.xTicks.ticks) {
    EXPECT_GE(view.MapX(0, tick.value), layout.area.left());
    EXPECT_LE(view.MapX(0, tick.value), layout.area.right());
  }
  for (const Tick& tick : layout.yTicks.ticks) {
    EXPECT_GE(view.MapY(0, tick.value), layout.area.top());
    EXPECT_LE(view.MapY(0, tick.value), layout.area.bottom());
  }
}

TEST_F(PlotViewTest, ADragThatMissesADirectionDoesNotZoom) {
  const QPointF at = area().center();
  const QPointF moves[] = {at, at + QPointF(50, 0), at + QPointF(0, 50)};
  for (const QPointF& to : moves) {
    EXPECT_FALSE(view.ZoomIn(at, to));
    EXPECT_EQ(view.Range(0).x.min, 0);
    EXPECT_EQ(view.Range(0).x.max, 40);
    EXPECT_EQ(view.Range(0).y.max, 25);
  }
}

TEST_F(PlotViewTest, ZoomingInStopsAtATwentiethOfTheInitialRange) {
  // Two pixels near the middle, then two pixels at the top-left corner:
  // the twentieth is kept about the middle, then shifted inside the range.
  const QPointF middle = area().center();
  const double xMiddle = view.DataX(0, middle.x() + 1);
  const double yMiddle = view.DataY(0, middle.y() + 1);
  ASSERT_TRUE(view.ZoomIn(middle, middle + QPointF(2, 2)));
  EXPECT_NEAR(view.Range(0).x.Width(), 2, 1e-9);
  EXPECT_NEAR(view.Range(0).y.Width(), 1.25, 1e-9);
  EXPECT_NEAR(view.Range(0).x.Middle(), xMiddle, 1e-9);
  EXPECT_NEAR(view.Range(0).y.Middle(), yMiddle, 1e-9);

  for (int k = 0; k < 5; ++k) {  // 4, 8, 16, 32, then the whole 40 units
    view.ZoomOut(area().center());
  }
  ASSERT_EQ(view.Range(0).x.Width(), 40);
  ASSERT_TRUE(view.ZoomIn(area().topLeft(), area().topLeft() + QPointF(2, 2)));
  EXPECT_NEAR(view.Range(0).x.min, 0, 1e-9);
  EXPECT_NEAR(view.Range(0).x.max, 2, 1e-9);
  EXPECT_NEAR(view.Range(0).y.min, 0, 1e-9);
  EXPECT_NEAR(view.Range(0).y.max, 1.25, 1e-9);
}

TEST_F(PlotViewTest, ZoomingOutDoublesAboutTheClickWithinTheInitialRange) {
  // At full range a right-click changes nothing.
  view.ZoomOut(area().center() + QPointF(100, 30));
  EXPECT_EQ(view.Range(0).x.min, 0);
  EXPECT_EQ(view.Range(0).x.max, 40);
  EXPECT_EQ(view.Range(0).y.min, 0);
  EXPECT_EQ(view.Range(0).y.max, 25);

  ASSERT_TRUE(view.ZoomIn(QPointF(view.MapX(0, 20), view.MapY(0, 10)),
                          QPointF(view.MapX(0, 25), view.MapY(0, 12))));
  const double width = view.Range(0).x.Width();
  const double clickedX = view.DataX(0, view.MapX(0, 24));
  view.ZoomOut(QPointF(view.MapX(0, 24), view.MapY(0, 11)));
  // Twice as wide, centred on the click.
  EXPECT_NEAR(view.Range(0).x.Width(), 2 * width, 1e-9);
  EXPECT_NEAR(view.Range(0).x.Middle(), clickedX, 1e-9);
  // Near the edge the centre is held inside the initial range: from 2 to 7
  // tons, a click at the left edge gives 0 to 10, not -3 to 7.
  for (int k = 0; k < 4; ++k) {
    view.ZoomOut(area().center());
  }
  ASSERT_TRUE(view.ZoomIn(QPointF(view.MapX(0, 2), view.MapY(0, 10)),
                          QPointF(view.MapX(0, 7), view.MapY(0, 12))));
  const double left = view.Range(0).x.min;
  const double narrow = view.Range(0).x.Width();
  view.ZoomOut(QPointF(area().left(), area().center().y()));
  EXPECT_NEAR(view.Range(0).x.min, 0, 1e-9);
  EXPECT_NEAR(view.Range(0).x.max, 2 * narrow, 1e-9);
  EXPECT_GT(left, 0);
  // A click outside the area does nothing.
  const PanelRange before = view.Range(0);
  view.ZoomOut(QPointF(1, 1));
  EXPECT_EQ(view.Range(0).x.min, before.x.min);
  EXPECT_EQ(view.Range(0).x.max, before.x.max);
}

TEST_F(PlotViewTest, ASurfaceUnderAnInchEitherWayIsTooSmall) {
  const struct {
    double width, height;
    bool tooSmall;
  } cases[] = {{95, 600, true}, {800, 95, true}, {96, 96, false}};
  for (const auto& c : cases) {
    view.Layout(screen(c.width, c.height));
    EXPECT_EQ(view.TooSmall(), c.tooSmall) << c.width << 'x' << c.height;
  }
}

// A window just over an inch wide holds no three panels with their 2c +
// quarter-inch gaps: each panel shrinks to nothing rather than turning
// inside out, so clamping a pointer to it and reading it back stay defined.
TEST_F(PlotViewTest, PanelsTooNarrowForTheirMarginsShrinkToNothing) {
  plot.ShowThree = true;
  ASSERT_TRUE(view.Open());
  view.Layout(screen(100, 100));
  ASSERT_FALSE(view.TooSmall());
  for (int panel = 0; panel < view.PanelCount(); ++panel) {
    const QRectF& panelArea = view.Panel(panel).area;
    EXPECT_GE(panelArea.width(), 0) << panel;
    EXPECT_GE(panelArea.height(), 0) << panel;
    const QPointF clamped = view.ClampToArea(panel, QPointF(50, 50));
    EXPECT_GE(clamped.x(), panelArea.left()) << panel;
    EXPECT_LE(clamped.x(), panelArea.right()) << panel;
    EXPECT_TRUE(std::isfinite(view.DataX(panel, clamped.x()))) << panel;
    EXPECT_TRUE(std::isfinite(view.DataY(panel, clamped.y()))) << panel;
  }
}

}  // namespace
