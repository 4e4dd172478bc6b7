#include "core/plot_fonts.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kSmallestPixelSize = 1;
// SizeFont counts tenths of the default size.
constexpr double kSizeFontUnit = 10;

}  // namespace

QFont PlotFont(double points, double pixelsPerInch, bool bold) {
  QFont font(QString::fromLatin1(kPlotFontFamily));
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(std::max(
      kSmallestPixelSize, static_cast<int>(std::lround(points * pixelsPerInch / kPointsPerInch))));
  font.setBold(bold);
  return font;
}

QFont LabelFont(int sizeFont, double pixelsPerInch) {
  return PlotFont(kLabelFontPoints * sizeFont / kSizeFontUnit, pixelsPerInch);
}

QFont CaptionFont(int sizeFont, double pixelsPerInch) {
  return PlotFont(kLabelFontPoints * sizeFont / kSizeFontUnit, pixelsPerInch, true);
}
