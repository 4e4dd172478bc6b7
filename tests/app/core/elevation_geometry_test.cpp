// The shaft elevation: outline, world window, fit and mapping against values
// worked by hand; labels and read-out; the drawing checked at the pixels
// where the shaft edges and the ground line must fall.
#include "core/elevation_geometry.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <memory>

#include "core/elevation_drawing.h"
#include "core/grid_table.h"
#include "core/program_data.h"
#include "core/soil_layer_tables.h"

namespace {

// Extended arithmetic of a few operations: 1e-12 absolute.
constexpr Extended kTolerance = 1e-12L;

void expectPoint(const WorldPoint& p, Extended x, Extended y, const char* what) {
  EXPECT_NEAR(static_cast<double>(p.x), static_cast<double>(x), kTolerance) << what;
  EXPECT_NEAR(static_cast<double>(p.y), static_cast<double>(y), kTolerance) << what;
}

std::vector<ElevationLayer> layersTo50() {
  return {{2, 0, 20}, {1, 20, 50}};
}

TEST(ElevationGeometry, AStraightShaftRunsFromTwoDiametersAboveTheGroundToItsLength) {
  // B = 3 ft, L = 40 ft, layers to 50 ft: the ground lies at y = 6, the shaft
  // from y = 0 (6 ft above the ground) to y = 46 (40 ft below it).
  const Elevation view = BuildElevation(3, 3, 0, 40, layersTo50());
  ASSERT_EQ(view.outline.size(), 1u);  // a bell angle of 0: no bell, whatever the ratio
  const Quadrilateral& shaft = view.outline[0];
  expectPoint(shaft.a, -1.5L, 0, "A");
  expectPoint(shaft.b, 1.5L, 0, "B");
  expectPoint(shaft.c, -1.5L, 46, "C");
  expectPoint(shaft.d, 1.5L, 46, "D");
  EXPECT_EQ(view.groundOffset, 6);
  // The view reaches down to the 50 ft boundary: 50 + 6.
  EXPECT_EQ(view.world.xMin, -1.5L);
  EXPECT_EQ(view.world.xMax, 1.5L);
  EXPECT_EQ(view.world.yMin, 0);
  EXPECT_EQ(view.world.yMax, 56);
}

TEST(ElevationGeometry, ABellOfRatio3At45DegreesWidensOverItsLastThreeFeet) {
  // Bb = 9; h = 3 / tan(45 x 3.1416 / 180) = 2.99998898 ft (pi as 3.1416).
  const Elevation view = BuildElevation(3, 3, 45, 40, layersTo50());
  ASSERT_EQ(view.outline.size(), 2u);
  const Extended h = 3.0L / std::tan(45.0L * 3.1416L / 180.0L);
  EXPECT_NEAR(static_cast<double>(h), 2.99998898, 1e-8);
  const Quadrilateral& bell = view.outline[1];
  expectPoint(bell.a, -1.5L, 46 - h, "bell top left");
  expectPoint(bell.b, 1.5L, 46 - h, "bell top right");
  expectPoint(bell.c, -4.5L, 46, "bell bottom left");
  expectPoint(bell.d, 4.5L, 46, "bell bottom right");
  EXPECT_EQ(view.world.xMin, -4.5L);
  EXPECT_EQ(view.world.xMax, 4.5L);
}

TEST(ElevationGeometry, WithoutAShaftLengthTheLastLayerIsDrawnAndTheProjectKeepsItsZero) {
  const auto tables = CreateSoilLayerTables();
  TProgramData project(*tables);
  project.MinDiameter() = 3;
  project.ShaftLength() = 0;
  TGridTable& d = tables->D();
  d.SetRowCount(2);
  d.Cells(0, 0).SetInteger(2);
  d.Cells(1, 0).SetFloat(20);
  d.Cells(0, 1).SetInteger(1);
  d.Cells(1, 1).SetFloat(50);
  project.SetModified(false);
  const Elevation view = BuildElevation(project);
  EXPECT_EQ(view.shaftLength, 50);
  expectPoint(view.outline[0].d, 1.5L, 56, "shaft bottom at 50 ft");
  // Writing 50 into the project would switch a design-load project to a
  // given shaft length when saved.
  EXPECT_EQ(project.ShaftLength(), 0);
  EXPECT_FALSE(project.Modified());
  ASSERT_EQ(view.layers.size(), 2u);
  EXPECT_EQ(view.layers[1].topDepth, 20);
  EXPECT_EQ(view.layers[1].bottomDepth, 50);
}

TEST(ElevationGeometry, TheFitWidensOneDirectionSoBothKeepTheSameScale) {
  const WorldWindow world{-4.5L, 4.5L, 0, 56};
  struct Case {
    const char* what;
    Extended width;
    Extended height;
    WorldWindow expected;
  };
  // a = (w / h) / (9 / 56): 100 x 400 gives 1.5556 (x widened to +-7);
  // 100 x 1000 gives 0.6222 (y stretched to 0..90).
  const Case cases[] = {
      {"taller than the shaft: x widened", 100, 400, {-7, 7, 0, 56}},
      {"taller still: y widened", 100, 1000, {-4.5L, 4.5L, 0, 90}},
  };
  for (const Case& c : cases) {
    const std::optional<WorldWindow> display = FitToArea(world, c.width, c.height);
    ASSERT_TRUE(display) << c.what;
    EXPECT_NEAR(static_cast<double>(display->xMin), static_cast<double>(c.expected.xMin), 1e-12)
        << c.what;
    EXPECT_NEAR(static_cast<double>(display->xMax), static_cast<double>(c.expected.xMax), 1e-12)
        << c.what;
    EXPECT_NEAR(static_cast<double>(display->yMax), static_cast<double>(c.expected.yMax), 1e-12)
        << c.what;
    // Equal scales: world units per pixel alike in x and y.
    const Extended perPixelX = (display->xMax - display->xMin) / c.width;
    const Extended perPixelY = (display->yMax - display->yMin) / c.height;
    EXPECT_NEAR(static_cast<double>(perPixelX), static_cast<double>(perPixelY), 1e-12) << c.what;
  }
  EXPECT_FALSE(FitToArea(world, 100, 0)) << "a zero-height area disables the view";
  EXPECT_FALSE(FitToArea({0, 0, 0, 56}, 100, 400)) << "a world window without width";
}

TEST(ElevationGeometry, WorldAndPixelMapOntoEachOther) {
  const WorldWindow display{-7, 7, 0, 56};
  // px = 100 x (1.5 + 7) / 14 = 60.71 -> 61; py = 400 x 6 / 56 = 42.86 -> 43.
  const PixelPoint p = WorldToPixel(display, 100, 400, {1.5L, 6});
  EXPECT_EQ(p.x, 61);
  EXPECT_EQ(p.y, 43);
  const WorldPoint back = PixelToWorld(display, 100, 400, 50, 200);
  expectPoint(back, 0, 28, "the middle of the area");
}

TEST(ElevationGeometry, LayersAreLabelledByTheirSoilType) {
  struct Case {
    ElevationLayer layer;
    const char* screen;
    const char* printed;
    bool below;
  };
  const Case cases[] = {
      {{1, 0, 10}, "depth= 0 - 10; Sand", "depth= 0 - 10; Sand", true},
      {{2, 10, 22.5L}, "depth= 10 - 22.5; Clay", "depth= 10 - 22.5; Clay", true},
      {{3, 0, 5}, "Shale", "depth= 0 - 5; Shale", false},
      {{4, 0, 5}, "Strong Rock", "depth= 0 - 5; Strong Rock", false},
      {{5, 0, 5}, "Decomposed Rock", "depth= 0 - 5; Decomposed Rock", false},
      {{6, 0, 5}, "Weak Rock", "depth= 0 - 5; Soft Rock", false},
      {{7, 0, 5}, "Strong Rock", "depth= 0 - 5; Strong Rock", false},
      {{8, 0, 5}, "depth= 0 - 5; Gravelly Sand", "depth= 0 - 5; Gravelly Sand", true},
      {{9, 0, 5}, "depth= 0 - 5; Gravel", "depth= 0 - 5; Gravel", true},
      {{12, 0, 5}, "", "", false},  // a boundary without a label
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScreenLayerLabel(c.layer), c.screen) << c.layer.soilType;
    EXPECT_EQ(PrintLayerLabel(c.layer), c.printed) << c.layer.soilType;
    EXPECT_EQ(ScreenLabelBelowBoundary(c.layer.soilType), c.below) << c.layer.soilType;
  }
}

TEST(ElevationGeometry, TheReadOutShowsTheWorldDepthWithOneDecimal) {
  EXPECT_EQ(DepthReadout(6), "  Depth: 6.0");
  EXPECT_EQ(DepthReadout(12.36L), "  Depth: 12.4");
}

// B = 3 ft, L = 40 ft, layers to 50 ft in a 300 x 560 image: a = (300 / 560)
// / (3 / 56) = 10, so x runs from -15 to 15 (10 pixels per ft), y from 0 to 56.
TEST(ElevationDrawing, TheShaftEdgesAndTheGroundLineFallWhereTheMappingPutsThem) {
  const Elevation view = BuildElevation(3, 0, 0, 40, layersTo50());
  constexpr int kWidth = 300;
  constexpr int kHeight = 560;
  const std::optional<WorldWindow> display = FitToArea(view.world, kWidth, kHeight);
  ASSERT_TRUE(display);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  {
    QPainter painter(&image);
    DrawElevation(painter, view, *display, image.rect(), ElevationLayout::kScreen, {});
  }
  const QRgb black = qRgb(0, 0, 0);
  const QRgb white = qRgb(255, 255, 255);
  // Shaft from x = 135 to 165 pixels (-1.5 to 1.5 ft), y = 0 to 460 (0 to 46 ft).
  EXPECT_EQ(image.pixel(150, 300), black) << "inside the shaft";
  EXPECT_EQ(image.pixel(137, 300), black) << "just inside the left edge";
  EXPECT_EQ(image.pixel(163, 300), black) << "just inside the right edge";
  EXPECT_EQ(image.pixel(132, 300), white) << "left of the shaft";
  EXPECT_EQ(image.pixel(168, 300), white) << "right of the shaft";
  EXPECT_EQ(image.pixel(150, 470), white) << "below the tip";
  // The ground line at y = 60 (6 ft) crosses the width; the clay-sand
  // boundary at 26 ft (y = 260) too.
  EXPECT_EQ(image.pixel(20, 60), black) << "ground line";
  EXPECT_EQ(image.pixel(280, 60), black) << "ground line";
  EXPECT_EQ(image.pixel(280, 59), white) << "above the ground line";
  EXPECT_EQ(image.pixel(280, 260), black) << "layer boundary";
  // The 50 ft boundary maps to row 560, just below the image: it is drawn
  // on the last row.
  EXPECT_EQ(image.pixel(280, kHeight - 1), black) << "deepest boundary";
}

// A printed page of a profile and shaft of no depth at all: the depths map
// over a unit span instead of dividing by zero, so the ground line stands
// at the page's top margin, a tenth of the height down.
TEST(ElevationDrawing, APrintedProfileOfNoDepthStillDrawsItsGroundLine) {
  const Elevation view = BuildElevation(0, 0, 0, 0, {{1, 0, 0}});
  ASSERT_EQ(view.layers.back().bottomDepth + view.groundOffset, 0);
  QImage image(300, 400, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    DrawElevation(painter, view, {-1, 1, 0, 1}, image.rect(), ElevationLayout::kPrint, {});
  }
  const int groundRow = 40;  // 0.1 x 400
  int black = 0;
  for (int x = 0; x < image.width(); ++x) {
    black += image.pixel(x, groundRow) == qRgb(0, 0, 0) ? 1 : 0;
  }
  EXPECT_GT(black, image.width() / 2);
}

}  // namespace
