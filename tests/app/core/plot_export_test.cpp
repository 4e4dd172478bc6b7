// Saving a plot as BMP (in each colour depth), PNG, SVG and PDF, each file
// read back: its size, resolution and depth, and that the vector formats
// hold drawing rather than a picture.
#include "core/plot_export.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <cstdlib>

#include "app/support/fan_plot.h"
#include "core/graph_plot.h"
#include "core/plot_view.h"
#include "support/test_folder.h"

namespace {

using bormek::testing::TestFolder;

constexpr double kMetresPerInch = 0.0254;

struct SavedPlot {
  TGraphPlot plot;
  TPlotView view{plot};

  SavedPlot() {
    plot.Caption = QStringLiteral("Skin friction");
    plot.XCaption = QStringLiteral("Load");
    plot.YCaption = QStringLiteral("Depth");
    bormek::app_testing::SetFanCurves(plot);
    EXPECT_TRUE(view.Open());
    view.SetLegendShown(true);
    PaintSurface window;
    window.size = QSizeF(900, 700);
    view.Layout(window);
  }
};

QByteArray contentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int littleEndian(const QByteArray& bytes, int at, int count) {
  int value = 0;
  for (int k = count - 1; k >= 0; --k) {
    value = value * 256 + static_cast<unsigned char>(bytes.at(at + k));
  }
  return value;
}

// Whether `colours` hold `colour`, each channel within `tolerance`.
bool holds(const QSet<QRgb>& colours, QRgb colour, int tolerance) {
  for (const QRgb c : colours) {
    if (std::abs(qRed(c) - qRed(colour)) <= tolerance &&
        std::abs(qGreen(c) - qGreen(colour)) <= tolerance &&
        std::abs(qBlue(c) - qBlue(colour)) <= tolerance) {
      return true;
    }
  }
  return false;
}

QSet<QRgb> coloursOf(const QImage& image) {
  QSet<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      colours.insert(image.pixel(x, y));
    }
  }
  return colours;
}

TEST(SavePlotPicture, BitmapsTakeTheChosenSizeResolutionAndColourDepth) {
  // Five bits per channel read back as the top five bits of eight.
  const struct {
    ColourDepth depth;
    int bits;
    int mostColours;
    int tolerance;
  } cases[] = {
      {ColourDepth::kBlackAndWhite, 1, 2, 0},     {ColourDepth::k16Colours, 4, 16, 0},
      {ColourDepth::k256Colours, 8, 256, 0},      {ColourDepth::kHighColour, 16, 1 << 15, 7},
      {ColourDepth::kTrueColour, 24, 1 << 24, 0},
  };
  SavedPlot saved;
  TestFolder folder;
  for (const auto& c : cases) {
    PictureOptions options;
    options.widthInches = 6;
    options.heightInches = 4;
    options.pixelsPerInch = 72;
    options.colours = c.depth;
    const QString path = QString::fromStdString(folder.file("plot.bmp"));
    ASSERT_EQ(SavePlotPicture(saved.view, PictureFormat::kBmp, options, path), SaveResult::kSaved);
    const QByteArray bytes = contentsOf(path);
    ASSERT_GT(bytes.size(), 54);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(littleEndian(bytes, 2, 4), bytes.size());
    EXPECT_EQ(littleEndian(bytes, 18, 4), 432);  // 6 in x 72
    EXPECT_EQ(littleEndian(bytes, 22, 4), 288);
    EXPECT_EQ(littleEndian(bytes, 28, 2), c.bits);
    EXPECT_EQ(littleEndian(bytes, 38, 4), qRound(72 / kMetresPerInch));

    const QImage image(path);
    ASSERT_FALSE(image.isNull()) << c.bits;
    EXPECT_EQ(image.size(), QSize(432, 288));
    const QSet<QRgb> colours = coloursOf(image);
    EXPECT_LE(colours.size(), c.mostColours) << c.bits;
    EXPECT_TRUE(holds(colours, qRgb(255, 255, 255), c.tolerance)) << c.bits;
    if (c.depth == ColourDepth::kBlackAndWhite) {
      EXPECT_EQ(colours, (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    } else {
      // The curve colours are in every palette: curve 2 stays pure red.
      EXPECT_TRUE(holds(colours, qRgb(255, 0, 0), c.tolerance)) << c.bits;
    }
  }
}

TEST(SavePlotPicture, APngKeepsItsResolution) {
  SavedPlot saved;
  TestFolder folder;
  PictureOptions options;
  options.pixelsPerInch = 150;
  options.colours = ColourDepth::kTrueColour;
  const QString path = QString::fromStdString(folder.file("plot.png"));
  ASSERT_EQ(SavePlotPicture(saved.view, PictureFormat::kPng, options, path), SaveResult::kSaved);
  const QImage image(path);
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(900, 600));
  EXPECT_NEAR(image.dotsPerMeterX(), 150 / kMetresPerInch, 1);
  EXPECT_TRUE(coloursOf(image).contains(qRgb(0, 0, 255)));
}

TEST(SavePlotPicture, SvgAndPdfAreVectorDrawingsOfTheChosenSize) {
  SavedPlot saved;
  TestFolder folder;
  PictureOptions options;
  options.widthInches = 6;
  options.heightInches = 4;

  const QString svgPath = QString::fromStdString(folder.file("plot.svg"));
  ASSERT_EQ(SavePlotPicture(saved.view, PictureFormat::kSvg, options, svgPath), SaveResult::kSaved);
  QSvgRenderer svg(svgPath);
  ASSERT_TRUE(svg.isValid());
  EXPECT_EQ(svg.viewBox().size(), QSize(3600, 2400));  // 600 units per inch
  const QByteArray svgText = contentsOf(svgPath);
  EXPECT_TRUE(svgText.contains("<polyline") || svgText.contains("<path"));
  EXPECT_FALSE(svgText.contains("<image"));
  EXPECT_TRUE(svgText.contains("Skin friction"));

  const QString pdfPath = QString::fromStdString(folder.file("plot.pdf"));
  ASSERT_EQ(SavePlotPicture(saved.view, PictureFormat::kPdf, options, pdfPath), SaveResult::kSaved);
  const QByteArray pdf = contentsOf(pdfPath);
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  const QString text = QString::fromLatin1(pdf);
  EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))), 1);
  // 6 by 4 inches in points.
  EXPECT_TRUE(text.contains(
      QRegularExpression(QStringLiteral("/MediaBox\\s*\\[0 0 432(\\.0*)? 288(\\.0*)?\\]"))));
  EXPECT_FALSE(text.contains(QStringLiteral("/Subtype /Image")));
}

TEST(SavePlotPicture, ABitmapTooLargeToAllocateIsReportedAsSuch) {
  // 30 inches square at 600 pixels per inch is 18,000 pixels a side, 1.3 GB
  // at 32 bits: over the 1 GiB a bitmap may take, so refused before
  // allocating rather than after the pages run out.
  const struct {
    double inches;
    int pixelsPerInch;
  } cases[] = {{2000, 600}, {30, 600}};
  SavedPlot saved;
  TestFolder folder;
  for (const auto& c : cases) {
    PictureOptions options;
    options.widthInches = c.inches;
    options.heightInches = c.inches;
    options.pixelsPerInch = c.pixelsPerInch;
    const QString path = QString::fromStdString(folder.file("huge.bmp"));
    EXPECT_EQ(SavePlotPicture(saved.view, PictureFormat::kBmp, options, path),
              SaveResult::kOutOfMemory)
        << c.inches;
    EXPECT_FALSE(QFile::exists(path));
  }
}

TEST(SavePlotPicture, TheFormatFollowsTheExtension) {
  const struct {
    const char* path;
    PictureFormat format;
  } cases[] = {{"a.bmp", PictureFormat::kBmp}, {"a.PNG", PictureFormat::kPng},
               {"b.svg", PictureFormat::kSvg}, {"c.Pdf", PictureFormat::kPdf},
               {"d.txt", PictureFormat::kBmp}, {"e", PictureFormat::kBmp}};
  for (const auto& c : cases) {
    EXPECT_EQ(PictureFormatOf(QString::fromLatin1(c.path)), c.format) << c.path;
  }
}

}  // namespace
