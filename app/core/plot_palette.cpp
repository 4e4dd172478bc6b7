#include "core/plot_palette.h"

#include <array>

#include "core/graph_plot.h"

namespace {

// RGB. Grey and silver appear twice: colour indices 10 and 12, 13 and 14
// share a colour and are told apart by their markers.
constexpr std::array<QRgb, kPaletteSize> kPalette = {
    0x000000, 0x0000FF, 0xFF0000, 0x008000, 0x800080, 0x800000, 0x000080, 0xFF00FF, 0x808000,
    0x008080, 0x808080, 0x00FF00, 0x808080, 0xC0C0C0, 0xC0C0C0, 0xFFFF00, 0x00FFFF,
};

}  // namespace

QColor CurveColour(int colourIndex) {
  const int entry = ((colourIndex % kPaletteSize) + kPaletteSize) % kPaletteSize;
  return QColor(kPalette.at(static_cast<std::size_t>(entry)));
}

int ColourIndexOf(const TGraphPlot& plot, int line) {
  int index = 0;
  for (int k = 0; k < line && k < plot.LineCount(); ++k) {
    if (plot.Line(k).Active) {
      ++index;
    }
  }
  return index;
}
