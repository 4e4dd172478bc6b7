// The Graphics menu and the two plot buttons of the main window after a run
// of a bundled example: enabled by the loaded results, the load-settlement
// bounds only where the run computed them, and each opening its plot.
#include <gtest/gtest.h>

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "app/widgets/main_window_fixture.h"
#include "core/plot_set.h"
#include "core/program_data.h"
#include "support/engine_run.h"

namespace {

using bormek::ui_testing::MainWindow;

constexpr const char* kDepthItems[] = {"pltSkinItem",    "pltTipItem",      "pltTotalItem",
                                       "FSpltSkinItem",  "FSpltTipItem",    "FSpltTotalItem",
                                       "pltCombineItem", "pltCombineDItem", "pltAxialItem"};
constexpr const char* kBoundItems[] = {"pltUpperItem", "pltLowerItem", "pltCombinedSettleItem"};

class GraphicsMenu : public MainWindow {
 protected:
  // The example copied into the scratch folder, opened and run.
  void runExample(const char* name) {
    const QString path = folder_.filePath(QLatin1String(name));
    ASSERT_TRUE(QFile::copy(QString::fromStdString(bormek::testing::examplePath(name)), path));
    start({path});
    EXPECT_FALSE(form_->ResultsLoaded()) << "no plot file before the run";
    form_->Action(QStringLiteral("RunAnalysisItem"))->trigger();
    openMenu("GraphicsMenu");
    closePopups();
  }
};

TEST_F(GraphicsMenu, ARunOfASoilProjectOffersEveryPlot) {
  runExample("sand_clay.bkd");
  EXPECT_TRUE(form_->ResultsLoaded());
  for (const char* item : kDepthItems) {
    EXPECT_TRUE(enabled(item)) << item;
  }
  for (const char* item : kBoundItems) {
    EXPECT_TRUE(enabled(item)) << item;
  }
  EXPECT_TRUE(enabled("CombinedPlotButton"));
  EXPECT_TRUE(enabled("LoadSettlementButton"));
  EXPECT_EQ(form_->Project().SettlementCurves, 3);
}

TEST_F(GraphicsMenu, ARockTipRunHasNoLoadSettlementBounds) {
  runExample("rock_socket.bkd");
  EXPECT_TRUE(form_->ResultsLoaded());
  for (const char* item : kDepthItems) {
    EXPECT_TRUE(enabled(item)) << item;
  }
  for (const char* item : kBoundItems) {
    EXPECT_FALSE(enabled(item)) << item;
  }
  EXPECT_TRUE(enabled("CombinedPlotButton"));
  EXPECT_TRUE(enabled("LoadSettlementButton"));
}

TEST_F(GraphicsMenu, ItemsAndButtonsOpenTheirPlots) {
  runExample("sand_clay.bkd");
  const struct {
    const char* action;
    PlotId plot;
    const char* caption;
  } cases[] = {
      {"pltTipItem", PlotId::pltTip, "Ultimate Tip Resistance vs Depth"},
      {"CombinedPlotButton", PlotId::pltCombine, "Axial Capacity vs Depth (Ultimate)"},
      {"LoadSettlementButton", PlotId::pltAxial, "Axial Load vs Settlement"},
  };
  for (const auto& c : cases) {
    form_->Action(QLatin1String(c.action))->trigger();
    ASSERT_TRUE(form_->Plots().Plot(c.plot).WindowExists()) << c.action;
    QMdiSubWindow* active = form_->mdiArea()->activeSubWindow();
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(active->windowTitle(), c.caption);
    EXPECT_TRUE(active->isMaximized());
  }
  // File New closes them and withdraws the results.
  form_->Action(QStringLiteral("FileNewItem"))->trigger();
  EXPECT_TRUE(form_->mdiArea()->subWindowList().isEmpty());
  EXPECT_FALSE(form_->ResultsLoaded());
  EXPECT_FALSE(enabled("CombinedPlotButton"));
}

}  // namespace
