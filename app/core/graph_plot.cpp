#include "core/graph_plot.h"

#include <algorithm>

#include "core/units.h"

namespace {

std::size_t listIndex(LineList list) {
  return static_cast<std::size_t>(list);
}

}  // namespace

TGraphPlot::TGraphPlot() = default;

TGraphPlot::~TGraphPlot() {
  // The window reports its closing through WindowClosed while it goes.
  delete window_;
}

PanelAxes TGraphPlot::AxesOf(int panel) const {
  switch (panel) {
    case 1:
      return {XCaption2, XUnits2, YCaption2, YUnits2};
    case 2:
      return {XCaption3, XUnits3, YCaption3, YUnits3};
    default:
      return {XCaption, XUnits, YCaption, YUnits};
  }
}

LineList TGraphPlot::PanelList(int panel) {
  switch (panel) {
    case 1:
      return LineList::kPanel2;
    case 2:
      return LineList::kPanel3;
    default:
      return LineList::kCurves;
  }
}

void TGraphPlot::SetUnits(int units) {
  units_ = std::clamp(units, kEnglishUnits, kCodeUnits);
}

int TGraphPlot::LineCount(LineList list) const {
  return static_cast<int>(Lines(list).size());
}

void TGraphPlot::SetLineCount(int count, LineList list) {
  auto& lines = Lines(list);
  const std::size_t wanted = static_cast<std::size_t>(std::max(count, 0));
  if (list == LineList::kCurves && wanted != lines.size()) {
    curveLimitPending_ = true;
  }
  if (lines.size() > wanted) {
    lines.resize(wanted);
    return;
  }
  const std::size_t points = static_cast<std::size_t>(PointCount(LineList::kCurves));
  while (lines.size() < wanted) {
    auto line = std::make_unique<TLine>(*this, static_cast<Extended>(lines.size() + 1));
    line->Points.resize(points);
    lines.push_back(std::move(line));
  }
}

int TGraphPlot::PointCount(LineList list) const {
  const auto& lines = Lines(list);
  return lines.empty() ? 0 : static_cast<int>(lines.front()->Points.size());
}

void TGraphPlot::SetPointCount(int count, LineList list) {
  const std::size_t wanted = static_cast<std::size_t>(std::max(count, 0));
  for (const auto& line : Lines(list)) {
    line->Points.resize(wanted);
  }
}

TLine& TGraphPlot::Line(int index, LineList list) {
  return *Lines(list).at(static_cast<std::size_t>(index));
}

const TLine& TGraphPlot::Line(int index, LineList list) const {
  return *Lines(list).at(static_cast<std::size_t>(index));
}

TFloatPoint& TGraphPlot::Point(int line, int point, LineList list) {
  return Line(line, list).Points.at(static_cast<std::size_t>(point));
}

std::vector<std::unique_ptr<TLine>>& TGraphPlot::Lines(LineList list) {
  return lists_.at(listIndex(list));
}

const std::vector<std::unique_ptr<TLine>>& TGraphPlot::Lines(LineList list) const {
  return lists_.at(listIndex(list));
}

QString TGraphPlot::CurveNameOf(int index) const {
  const TLine& line = Line(index);
  if (!line.Name.isEmpty()) {
    return line.Name;
  }
  if (index < Names.size()) {
    return Names.at(index);
  }
  return CurveName + QString::fromStdString(FormatGeneral(line.Number, 15));
}

QString TGraphPlot::LegendText(int index) const {
  QString text = CurveNameOf(index);
  if (onGetCaption) {
    onGetCaption(*this, index, text);
  }
  return text;
}

bool TGraphPlot::TakeCurveLimit() {
  const bool take = LimitActiveCurves && curveLimitPending_;
  curveLimitPending_ = false;
  return take;
}

void TGraphPlot::ApplyCurveLimit() {
  if (!TakeCurveLimit() || LineCount() <= kInitialActiveCurves) {
    return;
  }
  for (int line = 0; line < LineCount(); ++line) {
    Line(line).Active = line < kInitialActiveCurves;
  }
}

void TGraphPlot::Show() {
  if (window_ == nullptr && factory_) {
    window_ = factory_(*this);
  }
  if (window_ != nullptr) {
    window_->ShowWindow();
  }
}
