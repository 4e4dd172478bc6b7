#include "core/plot_results.h"

#include <QFileInfo>
#include <algorithm>
#include <iterator>
#include <utility>

#include "core/dialogs.h"
#include "core/layer_bands.h"
#include "core/path_text.h"
#include "core/plot_set.h"
#include "core/program_data.h"
#include "core/units.h"
#include "core/word_reader.h"
#include "runner/run_control_file.h"

namespace {

constexpr int kCompression = 1;
constexpr int kSettlementRows = 15;
// Curves a plot file holds per diameter when the t-z passes ran: trend,
// upper and lower bound.
constexpr int kBoundedSettlementCurves = 2;
// A tip resistance that vanishes at the deepest point is shown as this.
constexpr Extended kTipFloorBelow = 1.0E-4L;
constexpr Extended kTipShownAs = 1.0E-5L;
// Diameter steps of the trial shafts in the file's units.
constexpr Extended kDiameterStepFt = 0.5L;
constexpr Extended kDiameterStepM = 0.152L;
constexpr int kNameDigits = 15;

// The plots with one line per diameter, in the order the loader fills them.
constexpr PlotId kDiameterPlots[] = {
    PlotId::pltSkin,    PlotId::pltTip,   PlotId::pltTotal, PlotId::FSpltSkin, PlotId::FSpltTip,
    PlotId::FSpltTotal, PlotId::pltAxial, PlotId::pltUpper, PlotId::pltLower,
};

// The plots that show the soil-layer bands.
constexpr PlotId kLayeredPlots[] = {
    PlotId::FSpltSkin, PlotId::FSpltTip, PlotId::FSpltTotal, PlotId::pltSkin,
    PlotId::pltTip,    PlotId::pltTotal, PlotId::pltCombine, PlotId::pltCombineD,
};

// A combined plot's three lines are line 0 of these plots.
struct Combination {
  PlotId combined;
  PlotId sources[3];
};

constexpr Combination kCombinations[] = {
    {PlotId::pltCombine, {PlotId::pltSkin, PlotId::pltTip, PlotId::pltTotal}},
    {PlotId::pltCombineD, {PlotId::FSpltSkin, PlotId::FSpltTip, PlotId::FSpltTotal}},
    {PlotId::pltCombinedSettle, {PlotId::pltAxial, PlotId::pltUpper, PlotId::pltLower}},
};

// One depth row: depth, then ultimate and design side, tip and total.
struct DepthRow {
  Extended depth = 0;
  Extended side = 0;
  Extended tip = 0;
  Extended total = 0;
  Extended designSide = 0;
  Extended designTip = 0;
  Extended designTotal = 0;
};

class PlotFileReader {
 public:
  PlotFileReader(TPlotSet& plots, TProgramData& project, TWordReader& in)
      : plots_(plots), project_(project), in_(in) {}

  void Read();

 private:
  TGraphPlot& plot(PlotId id) { return plots_.Plot(id); }
  bool compression() const { return project_.LoadingType == kCompression; }
  bool lrfd() const { return project_.DesignMethod == kLrfdMethod; }

  int readCount(int most);
  void sizePlots(bool lines, int diameters, int depthRows);
  void setDesignCaptions();
  void nameCombinedLines();
  void nameDiameterLines(int diameters);
  void setUnits();
  DepthRow readDepthRow();
  void readDepthRows(int diameter, int depthRows, int blockRows);
  void setDepthPoint(int diameter, int row, const DepthRow& values);
  void repeatDepthPoint(int diameter, int row);
  void readSettlementLine(PlotId id, int diameter);
  void copyCombinedLines();

  TPlotSet& plots_;
  TProgramData& project_;
  TWordReader& in_;
};

void PlotFileReader::Read() {
  plot(PlotId::pltSkin).ShowFontWidth = true;
  plot(PlotId::pltCombine).ShowFontWidth = true;
  const int diameters = readCount(kMaxPlotDiameters);
  sizePlots(true, diameters, 0);
  setDesignCaptions();
  nameCombinedLines();
  const int depthRows = readCount(kMaxPlotDepthRows);
  sizePlots(false, diameters, depthRows);
  const int curves = in_.ReadInteger();
  project_.SettlementCurves = curves;
  setUnits();
  nameDiameterLines(diameters);
  for (int diameter = 0; diameter < diameters; ++diameter) {
    int blockRows = depthRows;
    if (diameter > 0) {
      // Of a later block's header only its own row count is used.
      in_.ReadInteger();
      blockRows = in_.ReadInteger();
      in_.ReadInteger();
    }
    readDepthRows(diameter, depthRows, blockRows);
    readSettlementLine(PlotId::pltAxial, diameter);
    if (curves > kBoundedSettlementCurves) {
      readSettlementLine(PlotId::pltUpper, diameter);
      readSettlementLine(PlotId::pltLower, diameter);
    }
  }
  copyCombinedLines();
  for (const PlotId id : kLayeredPlots) {
    AddLayersGraphPlot(plot(id), project_.Tables().D());
  }
  setUnits();
}

// A count beyond what the engine writes is taken for a damaged file; a
// negative one for none.
int PlotFileReader::readCount(int most) {
  const int count = in_.ReadInteger();
  if (count > most) {
    in_.Reject("A count the program writes was expected but not found.");
  }
  return std::max(count, 0);
}

void PlotFileReader::sizePlots(bool lines, int diameters, int depthRows) {
  for (const PlotDefinition& definition : kPlotDefinitions) {
    TGraphPlot& p = plot(definition.id);
    if (lines) {
      p.SetLineCount(PlotCountValue(definition.lines, diameters, depthRows));
    } else {
      p.SetPointCount(PlotCountValue(definition.points, diameters, depthRows));
    }
  }
}

void PlotFileReader::setDesignCaptions() {
  const bool factored = lrfd();
  plot(PlotId::FSpltSkin).XCaption =
      factored ? QStringLiteral("LRFD Side Resistance ") : QStringLiteral("Side Resistance/F.S. ");
  plot(PlotId::FSpltTip).XCaption =
      factored ? QStringLiteral("LRFD Tip Resistance ") : QStringLiteral("Tip Resistance/F.S. ");
  plot(PlotId::FSpltTotal).XCaption = factored ? QStringLiteral("LRFD Total Resistance ")
                                               : QStringLiteral("Total Resistance/F.S. ");
  plot(PlotId::pltCombineD).XCaption =
      factored ? QStringLiteral("LRFD Resistance ") : QStringLiteral("Resistance/F.S. ");
  if (!compression()) {
    plot(PlotId::FSpltTip).XCaption = QStringLiteral("Self-Weight");
  }
}

void PlotFileReader::nameCombinedLines() {
  const QString tipName =
      compression() ? QStringLiteral("  Tip Resistance") : QStringLiteral("  Self-Weight");
  for (const PlotId id : {PlotId::pltCombine, PlotId::pltCombineD}) {
    TGraphPlot& p = plot(id);
    p.Line(0).Name = QStringLiteral("  Skin Friction");
    p.Line(1).Name = tipName;
    p.Line(2).Name = QStringLiteral("  Total Capacity");
  }
  TGraphPlot& settle = plot(PlotId::pltCombinedSettle);
  settle.Line(0).Name = QStringLiteral("  Trend (Averaged)");
  settle.Line(1).Name = QStringLiteral("  Upper Bound");
  settle.Line(2).Name = QStringLiteral("  Lower Bound");
}

void PlotFileReader::nameDiameterLines(int diameters) {
  const bool si = project_.UnitSystem == kSiUnits;
  const Extended step = si ? kDiameterStepM : kDiameterStepFt;
  const QString unit = si ? QStringLiteral(" m") : QStringLiteral(" ft");
  for (int k = 0; k < diameters; ++k) {
    const Extended diameter = project_.MinDiameter() + step * k;
    const QString name = QStringLiteral("Dia=") +
                         QString::fromStdString(FormatGeneral(diameter, kNameDigits)) + unit;
    for (const PlotId id : kDiameterPlots) {
      plot(id).Line(k).Name = name;
    }
  }
}

void PlotFileReader::setUnits() {
  for (const PlotDefinition& definition : kPlotDefinitions) {
    plot(definition.id).SetUnits(project_.UnitSystem);
  }
}

// Seven values when the engine supplies the design values; five from the
// older engine (a project read in the legacy layout), whose fifth value is
// not used: the design values then follow from the factors of safety.
DepthRow PlotFileReader::readDepthRow() {
  DepthRow row;
  row.depth = in_.ReadReal();
  row.side = in_.ReadReal();
  row.tip = in_.ReadReal();
  row.total = in_.ReadReal();
  if (project_.CurrentFormat) {
    row.designSide = in_.ReadReal();
    row.designTip = in_.ReadReal();
    row.designTotal = in_.ReadReal();
    return row;
  }
  in_.ReadReal();
  row.designSide = row.side / project_.SafetySide();
  // Under uplift the tip column holds the shaft's weight, not factored.
  row.designTip = compression() ? row.tip / project_.SafetyBase() : row.tip;
  row.designTotal = row.designSide + row.designTip;
  return row;
}

// A block with fewer rows than the first repeats its last point.
void PlotFileReader::readDepthRows(int diameter, int depthRows, int blockRows) {
  for (int row = 0; row < depthRows; ++row) {
    if (row < blockRows) {
      setDepthPoint(diameter, row, readDepthRow());
    } else if (row > 0) {
      repeatDepthPoint(diameter, row);
    }
  }
  if (depthRows > 0) {
    TFloatPoint& deepest = plot(PlotId::pltTip).Point(diameter, depthRows - 1);
    if (deepest.X < kTipFloorBelow) {
      deepest.X = kTipShownAs;
    }
  }
}

void PlotFileReader::setDepthPoint(int diameter, int row, const DepthRow& values) {
  // Under uplift the design tip plot shows the shaft's weight as read.
  const Extended designTip = compression() ? values.designTip : values.tip;
  const std::pair<PlotId, Extended> points[] = {
      {PlotId::pltSkin, values.side},   {PlotId::pltTip, values.tip},
      {PlotId::pltTotal, values.total}, {PlotId::FSpltSkin, values.designSide},
      {PlotId::FSpltTip, designTip},    {PlotId::FSpltTotal, values.designTotal},
  };
  for (const auto& [id, x] : points) {
    plot(id).Point(diameter, row) = {x, values.depth};
  }
}

void PlotFileReader::repeatDepthPoint(int diameter, int row) {
  for (const PlotId id : {PlotId::pltSkin, PlotId::pltTip, PlotId::pltTotal, PlotId::FSpltSkin,
                          PlotId::FSpltTip, PlotId::FSpltTotal}) {
    TGraphPlot& p = plot(id);
    p.Point(diameter, row) = p.Point(diameter, row - 1);
  }
}

// Points 1 to 15 of the diameter's line: top load against top movement;
// point 0 stays at the origin.
void PlotFileReader::readSettlementLine(PlotId id, int diameter) {
  TGraphPlot& p = plot(id);
  for (int row = 1; row <= kSettlementRows; ++row) {
    const Extended load = in_.ReadReal();
    const Extended movement = in_.ReadReal();
    in_.ReadReal();
    in_.ReadReal();
    p.Point(diameter, row) = {load, movement};
  }
}

void PlotFileReader::copyCombinedLines() {
  for (const Combination& combination : kCombinations) {
    TGraphPlot& combined = plot(combination.combined);
    for (int k = 0; k < static_cast<int>(std::size(combination.sources)); ++k) {
      const TGraphPlot& source = plot(combination.sources[k]);
      if (source.LineCount() > 0) {
        combined.Line(k).Points = source.Line(0).Points;
      }
    }
  }
}

}  // namespace

bool LoadPlotResults(TPlotSet& plots, TProgramData& project, TDialogs& dialogs,
                     const std::string& fileName, bool reportErrors) {
  try {
    TWordReader in(fileName);
    PlotFileReader(plots, project, in).Read();
    return true;
  } catch (const EInputError&) {
    if (reportErrors) {
      dialogs.Error(QString::fromLatin1(kPlotReadError));
    }
    return false;
  }
}

bool LoadProjectResults(TPlotSet& plots, TProgramData& project, TDialogs& dialogs,
                        bool reportErrors) {
  const std::string plotFile = withExtension(project.FileName, ".bkp");
  if (!QFileInfo(fromStdPath(plotFile)).isFile()) {
    return false;
  }
  return LoadPlotResults(plots, project, dialogs, plotFile, reportErrors);
}
