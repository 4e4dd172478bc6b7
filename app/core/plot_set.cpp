#include "core/plot_set.h"

#include <cstring>

namespace {

constexpr int kSettlementPoints = 16;  // the origin and 15 load-settlement rows
constexpr int kCombinedLines = 3;
constexpr int kLoadDistributionLines = 9;

constexpr const char* kForce = "F2";
constexpr const char* kDepthUnits = "L2";
constexpr const char* kSettlementUnits = "L";

}  // namespace

// Unit codes: forces F2 (tons, kN), depths L2 (ft, m), settlements L (in, m).
const std::array<PlotDefinition, kPlotCount> kPlotDefinitions = {{
    {PlotId::pltSkin, "pltSkin", "Skin Ultimate Friction vs Depth", "Ultimate Skin Friction ",
     kForce, "Depth ", kDepthUnits, PlotCount::kDiameters, PlotCount::kDepthRows},
    {PlotId::pltTip, "pltTip", "Ultimate Tip Resistance vs Depth", "Ultimate Tip Resistance ",
     kForce, "Depth ", kDepthUnits, PlotCount::kDiameters, PlotCount::kDepthRows},
    {PlotId::pltTotal, "pltTotal", "Ultimate Total Capacity vs Depth", "Ultimate Total Capacity ",
     kForce, "Depth ", kDepthUnits, PlotCount::kDiameters, PlotCount::kDepthRows},
    {PlotId::FSpltSkin, "FSpltSkin", "Skin Friction vs Depth (w/F.S.)", nullptr, kForce, "Depth",
     kDepthUnits, PlotCount::kDiameters, PlotCount::kDepthRows},
    {PlotId::FSpltTip, "FSpltTip", "Tip Resistance vs Depth (w/F.S.)", nullptr, kForce, "Depth",
     kDepthUnits, PlotCount::kDiameters, PlotCount::kDepthRows},
    {PlotId::FSpltTotal, "FSpltTotal", "Total Capacity vs Depth (w/F.S.)", nullptr, kForce, "Depth",
     kDepthUnits, PlotCount::kDiameters, PlotCount::kDepthRows},
    {PlotId::pltAxial, "pltAxial", "Axial Load vs Settlement", "Axial Load ", kForce, "Settlement ",
     kSettlementUnits, PlotCount::kDiameters, PlotCount::kSettlementRows},
    {PlotId::pltUpper, "pltUpper", "", "Axial Load (upper bound)", kForce, "Settlement",
     kSettlementUnits, PlotCount::kDiameters, PlotCount::kSettlementRows},
    {PlotId::pltLower, "pltLower", "", "Axial Load (lower bound)", kForce, "Settlement",
     kSettlementUnits, PlotCount::kDiameters, PlotCount::kSettlementRows},
    {PlotId::pltLoad, "pltLoad", "Load Distribution", "Total Capacity ", kForce, "Depth ",
     kDepthUnits, PlotCount::kNine, PlotCount::kDepthRows},
    {PlotId::pltCombine, "pltCombine", "Axial Capacity vs Depth (Ultimate)",
     "Ultimate Axial Capacity", kForce, "Depth", kDepthUnits, PlotCount::kThree,
     PlotCount::kDepthRows},
    {PlotId::pltCombineD, "pltCombineD", "Axial Capacity vs Depth (w/Factor of Safety)", nullptr,
     kForce, "Depth", kDepthUnits, PlotCount::kThree, PlotCount::kDepthRows},
    {PlotId::pltCombinedSettle, "pltCombinedSettle", "", "Axial Load", kForce, "Settlement",
     kSettlementUnits, PlotCount::kThree, PlotCount::kSettlementRows},
}};

int PlotCountValue(PlotCount count, int diameters, int depthRows) {
  switch (count) {
    case PlotCount::kDiameters:
      return diameters;
    case PlotCount::kDepthRows:
      return depthRows;
    case PlotCount::kSettlementRows:
      return kSettlementPoints;
    case PlotCount::kThree:
      return kCombinedLines;
    case PlotCount::kNine:
      return kLoadDistributionLines;
  }
  return 0;
}

TPlotSet::TPlotSet() {
  for (const PlotDefinition& definition : kPlotDefinitions) {
    auto plot = std::make_unique<TGraphPlot>();
    plot->Caption = QString::fromLatin1(definition.caption);
    if (definition.xCaption != nullptr) {
      plot->XCaption = QString::fromLatin1(definition.xCaption);
    }
    plot->XUnits = QString::fromLatin1(definition.xUnits);
    plot->YCaption = QString::fromLatin1(definition.yCaption);
    plot->YUnits = QString::fromLatin1(definition.yUnits);
    plots_.at(static_cast<std::size_t>(definition.id)) = std::move(plot);
  }
}

TGraphPlot* TPlotSet::Find(const char* component) {
  for (const PlotDefinition& definition : kPlotDefinitions) {
    if (std::strcmp(definition.component, component) == 0) {
      return &Plot(definition.id);
    }
  }
  return nullptr;
}

void TPlotSet::SetWindowFactory(const TGraphPlot::WindowFactory& factory) {
  for (const auto& plot : plots_) {
    plot->SetWindowFactory(factory);
  }
}

void TPlotSet::RefreshWindows() {
  for (const auto& plot : plots_) {
    if (plot->WindowExists()) {
      plot->Window()->Refresh();
    }
  }
}
