#include "core/layer_bands.h"

#include <algorithm>
#include <array>

#include "core/graph_plot.h"
#include "core/grid_table.h"
#include "core/soil_layer_columns.h"

namespace {

struct BandKind {
  const char* name;
  int pattern;
};

// By soil type 1 to 9. Weak rock and gravelly sand share the name " GW ".
constexpr std::array<BandKind, 9> kBandKinds = {{
    {" SAND ", kSandPattern},
    {" CLAY ", kClayPattern},
    {" SHALE ", kShalePattern},
    {" ROCK ", kRockPattern},
    {" WEAK ROCK ", kWeakRockPattern},
    {" GW ", kGravelPattern},
    {" ROCK ", kRockPattern},
    {" GW ", kGravellyPattern},
    {" GRAVEL ", kGravelPattern},
}};

bool hasPoints(const TGraphPlot& plot) {
  const auto& curves = plot.Lines(LineList::kCurves);
  return std::any_of(curves.begin(), curves.end(),
                     [](const auto& line) { return !line->Points.empty(); });
}

}  // namespace

void AddLayersGraphPlot(TGraphPlot& plot, TGridTable& d) {
  if (!hasPoints(plot)) {
    return;
  }
  plot.SetLineCount(d.RowCount(), LineList::kLayers);
  for (int row = 0; row < d.RowCount(); ++row) {
    TLine& band = plot.Line(row, LineList::kLayers);
    band.Points.assign(1, TFloatPoint{});
    band.Name = QStringLiteral("LAYER ") + QString::number(row + 1);
    const int type = d.Cells(kTypeColumn, row).AsInteger();
    if (type >= kSand && type <= kGravel) {
      const BandKind& kind = kBandKinds.at(static_cast<std::size_t>(type - kSand));
      band.Name = QString::fromLatin1(kind.name);
      band.Points.front().X = kind.pattern;
    }
    band.Points.front().Y = d.Cells(kDepthColumn, row).AsFloat();
  }
}
