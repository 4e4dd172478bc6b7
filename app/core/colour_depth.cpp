#include "core/colour_depth.h"

#include <QList>
#include <array>

namespace {

// Black, maroon, green, olive, navy, purple, teal, silver, grey, red, lime,
// yellow, blue, fuchsia, aqua, white.
constexpr std::array<QRgb, 16> kStandardColours = {
    0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080, 0xFF008080, 0xFFC0C0C0,
    0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00, 0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
};

constexpr int kCubeLevels = 6;
constexpr int kGreyLevels = 24;

QList<QRgb> standardTable() {
  return QList<QRgb>(kStandardColours.begin(), kStandardColours.end());
}

// 16 + 216 + 24 = 256 entries.
QList<QRgb> table256() {
  QList<QRgb> table = standardTable();
  constexpr int cubeStep = 255 / (kCubeLevels - 1);
  for (int r = 0; r < kCubeLevels; ++r) {
    for (int g = 0; g < kCubeLevels; ++g) {
      for (int b = 0; b < kCubeLevels; ++b) {
        table << qRgb(r * cubeStep, g * cubeStep, b * cubeStep);
      }
    }
  }
  for (int k = 1; k <= kGreyLevels; ++k) {
    const int level = k * 255 / (kGreyLevels + 1);
    table << qRgb(level, level, level);
  }
  return table;
}

}  // namespace

int BitsPerPixel(ColourDepth depth) {
  switch (depth) {
    case ColourDepth::kBlackAndWhite:
      return 1;
    case ColourDepth::k16Colours:
      return 4;
    case ColourDepth::k256Colours:
      return 8;
    case ColourDepth::kHighColour:
      return 16;
    case ColourDepth::kTrueColour:
      return 24;
  }
  return 24;
}

QImage ReduceColours(const QImage& image, ColourDepth depth) {
  constexpr Qt::ImageConversionFlags kNearest = Qt::ThresholdDither | Qt::AvoidDither;
  switch (depth) {
    case ColourDepth::kBlackAndWhite:
      return image.convertToFormat(QImage::Format_Mono, {qRgb(0, 0, 0), qRgb(255, 255, 255)},
                                   kNearest);
    case ColourDepth::k16Colours:
      return image.convertToFormat(QImage::Format_Indexed8, standardTable(), kNearest);
    case ColourDepth::k256Colours:
      return image.convertToFormat(QImage::Format_Indexed8, table256(), kNearest);
    case ColourDepth::kHighColour:
      return image.convertToFormat(QImage::Format_RGB555);
    case ColourDepth::kTrueColour:
      break;
  }
  return image.convertToFormat(QImage::Format_RGB888);
}
