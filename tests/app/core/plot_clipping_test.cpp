// Cutting segments and polylines to a rectangle, worked by hand on the box
// from (0, 0) to (10, 10).
#include "core/plot_clipping.h"

#include <gtest/gtest.h>

namespace {

const QRectF kBox(QPointF(0, 0), QPointF(10, 10));

TEST(PlotClipping, SegmentsAreCutAtTheBoxEdges) {
  const struct {
    QPointF a, b;
    bool inside;
    QPointF clippedA, clippedB;
  } cases[] = {
      {{2, 2}, {8, 8}, true, {2, 2}, {8, 8}},        // wholly inside
      {{-5, 5}, {15, 5}, true, {0, 5}, {10, 5}},     // across, both ends cut
      {{5, 5}, {5, 20}, true, {5, 5}, {5, 10}},      // leaving through the bottom
      {{-10, 0}, {10, 20}, true, {0, 10}, {0, 10}},  // touching the corner
      {{-10, -10}, {-1, 20}, false, {}, {}},         // passing by
      {{12, 2}, {12, 8}, false, {}, {}},             // parallel, outside
  };
  for (const auto& c : cases) {
    QPointF a = c.a;
    QPointF b = c.b;
    ASSERT_EQ(ClipSegment(a, b, kBox), c.inside) << c.a.x() << ',' << c.a.y();
    if (c.inside) {
      EXPECT_NEAR(a.x(), c.clippedA.x(), 1e-12);
      EXPECT_NEAR(a.y(), c.clippedA.y(), 1e-12);
      EXPECT_NEAR(b.x(), c.clippedB.x(), 1e-12);
      EXPECT_NEAR(b.y(), c.clippedB.y(), 1e-12);
    }
  }
}

TEST(PlotClipping, APolylineLeavingAndComingBackGivesTwoRuns) {
  // In, out through the right edge at y = 4, back in at y = 8.
  const QPolygonF line{{2, 2}, {6, 2}, {14, 6}, {6, 10}, {2, 10}};
  const std::vector<QPolygonF> runs = ClipPolyline(line, kBox);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0], (QPolygonF{{2, 2}, {6, 2}, {10, 4}}));
  EXPECT_EQ(runs[1], (QPolygonF{{10, 8}, {6, 10}, {2, 10}}));
  EXPECT_TRUE(ClipPolyline(QPolygonF{{20, 20}, {30, 30}}, kBox).empty());
}

}  // namespace
