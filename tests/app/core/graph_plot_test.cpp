// The plot model: its defaults, line and point counts and their growth,
// curve names, the unit clamp, and the window it makes and owns.
#include "core/graph_plot.h"

#include <gtest/gtest.h>

#include "core/plot_set.h"

namespace {

TEST(GraphPlot, StartsWithThePublishedDefaults) {
  const TGraphPlot plot;
  EXPECT_EQ(plot.CurveName, "Curve #");
  EXPECT_TRUE(plot.Caption.isEmpty());
  EXPECT_TRUE(plot.ShowLegend);
  EXPECT_FALSE(plot.ShowLayers);
  EXPECT_FALSE(plot.ShowWall);
  EXPECT_FALSE(plot.ShowThree);
  EXPECT_TRUE(plot.ShowFontWidth);
  EXPECT_EQ(plot.WallLineCount, 0);
  EXPECT_EQ(plot.Markers, 1);
  EXPECT_EQ(plot.SizeFont, 10);
  EXPECT_EQ(plot.LegendFont, 11);
  EXPECT_EQ(plot.WidthLine, 1);
  EXPECT_EQ(plot.Units(), 1);
  EXPECT_TRUE(plot.XOnTop);
  EXPECT_TRUE(plot.LimitActiveCurves);
  for (const LineList list :
       {LineList::kCurves, LineList::kLayers, LineList::kPanel2, LineList::kPanel3}) {
    EXPECT_EQ(plot.LineCount(list), 0);
    EXPECT_EQ(plot.PointCount(list), 0);
  }
}

TEST(GraphPlot, NewLinesAreNumberedAndPointsGrowWithZeros) {
  TGraphPlot plot;
  plot.SetLineCount(3);
  ASSERT_EQ(plot.LineCount(), 3);
  EXPECT_EQ(plot.PointCount(), 0);
  plot.SetPointCount(4);
  for (int line = 0; line < 3; ++line) {
    const TLine& curve = plot.Line(line);
    EXPECT_EQ(curve.Number, line + 1);
    EXPECT_TRUE(curve.Visible);
    EXPECT_TRUE(curve.Active);
    EXPECT_EQ(&curve.Owner(), &plot);
    ASSERT_EQ(curve.Points.size(), 4u);
    for (const TFloatPoint& point : curve.Points) {
      EXPECT_EQ(point.X, 0);
      EXPECT_EQ(point.Y, 0);
    }
  }
  // A line added later gets as many points as curve 0.
  plot.Point(0, 3) = {7, 8};
  plot.SetLineCount(5);
  EXPECT_EQ(plot.Line(4).Points.size(), 4u);
  EXPECT_EQ(plot.Line(4).Number, 5);
  // Cutting keeps the first points; lists are independent of each other.
  plot.SetPointCount(2);
  EXPECT_EQ(plot.PointCount(), 2);
  EXPECT_EQ(plot.LineCount(LineList::kLayers), 0);
}

TEST(GraphPlot, NegativeCountsAreTakenAsZero) {
  TGraphPlot plot;
  plot.SetLineCount(2, LineList::kPanel2);
  plot.SetPointCount(3, LineList::kPanel2);
  plot.SetPointCount(-1, LineList::kPanel2);
  EXPECT_EQ(plot.PointCount(LineList::kPanel2), 0);
  plot.SetLineCount(-4, LineList::kPanel2);
  EXPECT_EQ(plot.LineCount(LineList::kPanel2), 0);
}

TEST(GraphPlot, CurveNamesFallBackToTheNameListThenToThePrefixAndNumber) {
  TGraphPlot plot;
  plot.SetLineCount(3);
  plot.Names = {QStringLiteral("from list")};
  plot.Line(1).Name = QStringLiteral("own");
  EXPECT_EQ(plot.CurveNameOf(0), "from list");
  EXPECT_EQ(plot.CurveNameOf(1), "own");
  EXPECT_EQ(plot.CurveNameOf(2), "Curve #3");
  plot.CurveName = QStringLiteral("Dia ");
  EXPECT_EQ(plot.CurveNameOf(2), "Dia 3");
}

TEST(GraphPlot, TheCaptionEventRewritesLegendTexts) {
  TGraphPlot plot;
  plot.SetLineCount(2);
  plot.onGetCaption = [](const TGraphPlot&, int line, QString& text) {
    text = QStringLiteral("[%1] ").arg(line) + text;
  };
  EXPECT_EQ(plot.LegendText(1), "[1] Curve #2");
  EXPECT_EQ(plot.CurveNameOf(1), "Curve #2");
}

TEST(GraphPlot, SetUnitsClampsIntoOneToThree) {
  const struct {
    int given;
    int kept;
  } cases[] = {{0, 1}, {-7, 1}, {1, 1}, {2, 2}, {3, 3}, {5, 3}};
  for (const auto& c : cases) {
    TGraphPlot plot;
    plot.SetUnits(c.given);
    EXPECT_EQ(plot.Units(), c.kept) << c.given;
  }
}

TEST(GraphPlot, TheCurveLimitIsTakenOnceAfterEachChangeOfTheCurveCount) {
  TGraphPlot plot;
  plot.SetLineCount(25);
  EXPECT_TRUE(plot.TakeCurveLimit());
  EXPECT_FALSE(plot.TakeCurveLimit());
  plot.SetLineCount(25);
  EXPECT_FALSE(plot.TakeCurveLimit());
  plot.SetLineCount(30);
  plot.LimitActiveCurves = false;
  EXPECT_FALSE(plot.TakeCurveLimit());
}

// Counts the windows alive and what was asked of them.
struct WindowLog {
  int made = 0;
  int shown = 0;
  int alive = 0;
};

class FakeWindow : public TPlotWindow {
 public:
  FakeWindow(TGraphPlot& plot, WindowLog& log) : plot_(plot), log_(log) { ++log_.alive; }
  ~FakeWindow() override {
    --log_.alive;
    plot_.WindowClosed();
  }
  void ShowWindow() override { ++log_.shown; }
  void Refresh() override {}

 private:
  TGraphPlot& plot_;
  WindowLog& log_;
};

TEST(GraphPlot, ShowMakesOneWindowWhichThePlotDeletes) {
  WindowLog log;
  {
    TGraphPlot plot;
    plot.Show();  // no factory: nothing happens
    EXPECT_FALSE(plot.WindowExists());
    plot.SetWindowFactory([&log](TGraphPlot& p) {
      ++log.made;
      return new FakeWindow(p, log);
    });
    plot.Show();
    plot.Show();
    EXPECT_EQ(log.made, 1);
    EXPECT_EQ(log.shown, 2);
    EXPECT_TRUE(plot.WindowExists());
    // A closed window is made afresh by the next Show.
    delete plot.Window();
    EXPECT_FALSE(plot.WindowExists());
    plot.Show();
    EXPECT_EQ(log.made, 2);
  }
  EXPECT_EQ(log.alive, 0);
}

TEST(PlotSet, HoldsTheThirteenDefinitionsWithTheirCaptionsAndUnits) {
  const struct {
    const char* component;
    const char* caption;
    const char* xCaption;
    const char* xUnits;
    const char* yCaption;
    const char* yUnits;
  } cases[] = {
      {"pltSkin", "Skin Ultimate Friction vs Depth", "Ultimate Skin Friction ", "F2", "Depth ",
       "L2"},
      {"FSpltTip", "Tip Resistance vs Depth (w/F.S.)", "", "F2", "Depth", "L2"},
      {"pltAxial", "Axial Load vs Settlement", "Axial Load ", "F2", "Settlement ", "L"},
      {"pltUpper", "", "Axial Load (upper bound)", "F2", "Settlement", "L"},
      {"pltLoad", "Load Distribution", "Total Capacity ", "F2", "Depth ", "L2"},
      {"pltCombineD", "Axial Capacity vs Depth (w/Factor of Safety)", "", "F2", "Depth", "L2"},
      {"pltCombinedSettle", "", "Axial Load", "F2", "Settlement", "L"},
  };
  TPlotSet plots;
  for (const auto& c : cases) {
    const TGraphPlot* plot = plots.Find(c.component);
    ASSERT_NE(plot, nullptr) << c.component;
    EXPECT_EQ(plot->Caption, c.caption);
    EXPECT_EQ(plot->XCaption, c.xCaption);
    EXPECT_EQ(plot->XUnits, c.xUnits);
    EXPECT_EQ(plot->YCaption, c.yCaption);
    EXPECT_EQ(plot->YUnits, c.yUnits);
    EXPECT_EQ(plot->CurveName, "Curve #");
  }
  EXPECT_EQ(plots.Find("pltNone"), nullptr);
  EXPECT_EQ(kPlotDefinitions.size(), 13u);
}

}  // namespace
