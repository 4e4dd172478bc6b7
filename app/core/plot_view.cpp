#include "core/plot_view.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "core/graph_plot.h"
#include "core/plot_fonts.h"
#include "core/plot_legend.h"

namespace {

// A rectangle whose right or bottom edge fell before its left or top (a
// window too narrow or too low for its margins) shrinks to nothing instead:
// clamping to it and dividing by its size then stay defined.
QRectF withoutInversion(QRectF rect) {
  rect.setRight(std::max(rect.left(), rect.right()));
  rect.setBottom(std::max(rect.top(), rect.bottom()));
  return rect;
}

// Pixels far outside any surface: a point mapped beyond them is drawn there.
constexpr double kFarPixels = 1e6;
constexpr int kLabelDigits = 4;

double rounded(double pixels) {
  if (!(pixels > -kFarPixels)) {
    return -kFarPixels;
  }
  if (!(pixels < kFarPixels)) {
    return kFarPixels;
  }
  return std::round(pixels);
}

// The new range of one axis after a zoom-in drag between `a` and `b`, at
// least a twentieth of the initial range and inside it.
AxisRange zoomedAxis(double a, double b, const AxisRange& initial) {
  AxisRange range{std::min(a, b), std::max(a, b)};
  const double narrowest = initial.Width() / TPlotView::kZoomLimit;
  if (range.Width() < narrowest) {
    const double middle = range.Middle();
    range = {middle - narrowest / 2, middle + narrowest / 2};
    if (range.min < initial.min) {
      range = {initial.min, initial.min + narrowest};
    } else if (range.max > initial.max) {
      range = {initial.max - narrowest, initial.max};
    }
  }
  return range;
}

// One axis zoomed out about `at`: twice as wide, at most the initial range.
AxisRange widenedAxis(double at, const AxisRange& current, const AxisRange& initial) {
  const double half = std::min(current.Width(), initial.Width() / 2);
  const double middle = std::clamp(at, initial.min + half, initial.max - half);
  return {middle - half, middle + half};
}

}  // namespace

bool TPlotView::Open() {
  for (int panel = 0; panel < PanelCount(); ++panel) {
    if (!InitialPanelRange(*plot_, panel, initial_.at(index(panel)))) {
      return false;
    }
  }
  ranges_ = initial_;
  return true;
}

int TPlotView::PanelCount() const {
  return plot_->ShowThree ? kMaxPanels : 1;
}

bool TPlotView::TooSmall() const {
  return surface_.size.width() < surface_.ppx || surface_.size.height() < surface_.ppy;
}

void TPlotView::Layout(const PaintSurface& surface) {
  surface_ = surface;
  labelFont_ = LabelFont(plot_->SizeFont, surface.ppy);
  captionFont_ = CaptionFont(plot_->SizeFont, surface.ppy);
  const double c = QFontMetricsF(labelFont_).height();
  labelHeight_ = c;
  const double ppx = surface.ppx;
  const double ppy = surface.ppy;
  const double width = surface.size.width();
  const double height = surface.size.height();
  const bool printing = surface.kind == PlotDevice::kPrinter;

  double top = plot_->XOnTop ? 2 * c + ppy / 8 + c / 8 : c / 2 + ppy / 4;
  double bottom = plot_->XOnTop ? height - ppy / 4 - c / 2 : height - 2 * c - ppy / 8 - c / 8;
  if (!plot_->Title.isEmpty()) {
    if (plot_->TitleAt == TitlePosition::kTop) {
      top += printing ? ppy / 4 : c / 8 + c;
    } else {
      bottom -= printing ? ppy / 2 : c;
    }
  }
  double right = width - ppx / 4 - c / 2;
  layerStrip_ = QRectF();
  if (plot_->ShowLayers && plot_->LineCount(LineList::kLayers) > 0) {
    const double strip = surface.kind == PlotDevice::kFile ? ppx / 2 : ppx;
    layerStrip_ = QRectF(QPointF(std::round(right - strip + ppx / 5), std::round(top)),
                         QPointF(std::round(right), std::round(bottom)));
    right -= strip;
  }
  const double left = 2 * c + ppx / 8 + c / 8;
  frame_ = withoutInversion(QRectF(QPointF(std::round(left), std::round(top)),
                                   QPointF(std::round(right), std::round(bottom))));
  layoutPanels(frame_);
}

// Panels share the frame's width, 2c + a quarter inch apart. The first
// panel's area moves right when its widest Y label would not fit between
// the rotated Y caption and the area.
void TPlotView::layoutPanels(const QRectF& frame) {
  const double c = labelHeight_;
  const double ppx = surface_.ppx;
  const int count = PanelCount();
  const double gap = 2 * c + ppx / 4;
  const double panelWidth = (frame.width() - gap * (count - 1)) / count;
  for (int panel = 0; panel < count; ++panel) {
    QRectF area = frame;
    area.setLeft(std::round(frame.left() + panel * (panelWidth + gap)));
    area.setRight(std::round(area.left() + panelWidth));
    if (panel == 0) {
      const double captionRoom = ppx / 16 + c + ppx / 16;
      const double labelRoom = widestYLabel(panel, area.height()) + ppx / 32;
      area.setLeft(std::round(std::max(area.left(), captionRoom + labelRoom)));
    }
    area.setRight(std::max(area.left(), area.right()));
    PanelLayout& layout = panels_.at(index(panel));
    layout.area = area;
    const PanelRange& range = ranges_.at(index(panel));
    layout.xTicks = TicksFor(range.x, area.width(), c);
    layout.yTicks = TicksFor(range.y, area.height(), c);
  }
}

double TPlotView::widestYLabel(int panel, double areaHeight) const {
  const QFontMetricsF metrics(labelFont_);
  double widest = 0;
  for (const Tick& tick : TicksFor(Range(panel).y, areaHeight, labelHeight_).ticks) {
    if (tick.major) {
      const QString label = QString::fromStdString(FormatGeneral(tick.value, kLabelDigits));
      widest = std::max(widest, metrics.horizontalAdvance(label));
    }
  }
  return widest;
}

double TPlotView::MapX(int panel, double x) const {
  const QRectF& area = Panel(panel).area;
  const AxisRange& range = Range(panel).x;
  if (!(range.Width() > 0)) {
    return area.left();
  }
  return rounded(area.left() + (x - range.min) / range.Width() * area.width());
}

double TPlotView::MapY(int panel, double y) const {
  const QRectF& area = Panel(panel).area;
  const AxisRange& range = Range(panel).y;
  if (!(range.Width() > 0)) {
    return area.top();
  }
  const double share = (y - range.min) / range.Width() * area.height();
  return rounded(plot_->XOnTop ? area.top() + share : area.bottom() - share);
}

double TPlotView::DataX(int panel, double pixelX) const {
  const QRectF& area = Panel(panel).area;
  const AxisRange& range = Range(panel).x;
  if (!(area.width() > 0)) {
    return range.min;
  }
  return range.min + (pixelX - area.left()) / area.width() * range.Width();
}

double TPlotView::DataY(int panel, double pixelY) const {
  const QRectF& area = Panel(panel).area;
  const AxisRange& range = Range(panel).y;
  if (!(area.height() > 0)) {
    return range.min;
  }
  const double share = plot_->XOnTop ? pixelY - area.top() : area.bottom() - pixelY;
  return range.min + share / area.height() * range.Width();
}

int TPlotView::PanelAt(const QPointF& pixel) const {
  for (int panel = 0; panel < PanelCount(); ++panel) {
    const QRectF& area = Panel(panel).area;
    if (pixel.x() >= area.left() && pixel.x() <= area.right() && pixel.y() >= area.top() &&
        pixel.y() <= area.bottom()) {
      return panel;
    }
  }
  return -1;
}

QPointF TPlotView::ClampToArea(int panel, const QPointF& pixel) const {
  const QRectF& area = Panel(panel).area;
  return {std::clamp(pixel.x(), area.left(), area.right()),
          std::clamp(pixel.y(), area.top(), area.bottom())};
}

bool TPlotView::ZoomIn(const QPointF& from, const QPointF& to) {
  if (PanelCount() != 1) {
    return false;
  }
  const QPointF start = ClampToArea(0, from);
  const QPointF end = ClampToArea(0, to);
  if (start.x() == end.x() || start.y() == end.y()) {
    return false;
  }
  const PanelRange& initial = InitialRange(0);
  PanelRange zoomed;
  zoomed.x = zoomedAxis(DataX(0, start.x()), DataX(0, end.x()), initial.x);
  zoomed.y = zoomedAxis(DataY(0, start.y()), DataY(0, end.y()), initial.y);
  ranges_.front() = zoomed;
  layoutPanels(frame_);
  return true;
}

void TPlotView::ZoomOut(const QPointF& at) {
  const int panel = PanelAt(at);
  if (panel < 0) {
    return;
  }
  const PanelRange& initial = InitialRange(panel);
  PanelRange& range = ranges_.at(index(panel));
  range = {widenedAxis(DataX(panel, at.x()), range.x, initial.x),
           widenedAxis(DataY(panel, at.y()), range.y, initial.y)};
  layoutPanels(frame_);
}

void TPlotView::SetLegendPlace(const QPointF& topLeft) {
  const QRectF& area = Panel(0).area;
  if (area.width() > 0 && area.height() > 0) {
    legendPlace_ = QPointF((topLeft.x() - area.left()) / area.width(),
                           (topLeft.y() - area.top()) / area.height());
  }
}

QSizeF TPlotView::legendSize() const {
  return MeasureLegend(*plot_, surface_.ppx, surface_.ppy).size;
}

void TPlotView::ChooseLegendCorner() {
  legendPlace_.reset();
  legendCorner_ = ClearestLegendCorner(*this, legendSize());
}

void TPlotView::FitLegend() {
  if (!legendPlace_) {
    legendCorner_ = ClearestLegendCorner(*this, legendSize());
  }
}

TPlotView TPlotView::LaidOutFor(const PaintSurface& surface) const {
  TPlotView view = *this;
  view.Layout(surface);
  view.FitLegend();
  return view;
}

QRectF TPlotView::LegendBox() const {
  const QSizeF size = legendSize();
  QRectF box;
  if (legendPlace_) {
    const QRectF& area = Panel(0).area;
    box = QRectF(QPointF(area.left() + legendPlace_->x() * area.width(),
                         area.top() + legendPlace_->y() * area.height()),
                 size);
  } else {
    // The clearest corner is searched for only when none was chosen.
    box = LegendBoxAt(*this, size,
                      legendCorner_ ? *legendCorner_ : ClearestLegendCorner(*this, size));
  }
  // Kept inside the surface.
  box.moveLeft(std::clamp(box.left(), 0.0, std::max(0.0, surface_.size.width() - size.width())));
  box.moveTop(std::clamp(box.top(), 0.0, std::max(0.0, surface_.size.height() - size.height())));
  return box;
}
