// What a plot window shows of its plot: the data ranges of each panel (the
// ones computed at opening bound the zoom), the pixel rectangles of one
// surface (a window, a printer page, a file), the mapping between data and
// pixels, zooming, and where the legend lies. Widget-free: the window, the
// printer and the file exports each lay a view out for their surface and
// paint it with PaintPlot (plot_painter.h).
//
// All lengths are device pixels of the surface; inch-based distances use
// its resolution.
#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <array>
#include <optional>

#include "core/plot_legend.h"
#include "core/plot_ranges.h"
#include "core/plot_ticks.h"

class TGraphPlot;

enum class PlotDevice {
  kScreen,   // the window: the legend is a control of its own
  kPrinter,  // a page: print versions of the layer patterns, titles by the inch
  kFile,     // a saved picture: half an inch of layer strip
};

struct PaintSurface {
  QSizeF size;
  double ppx = 96;  // pixels per inch
  double ppy = 96;
  PlotDevice kind = PlotDevice::kScreen;
  // Every curve, legend entry and grid line in black, the layer patterns
  // in their print version: for a black-and-white picture.
  bool blackAndWhite = false;
};

struct PanelLayout {
  QRectF area;  // the plot area; data ranges map onto its edges
  AxisTicks xTicks;
  AxisTicks yTicks;
};

class TPlotView {
 public:
  static constexpr int kMaxPanels = 3;
  // Zooming in stops at this share of the initial range.
  static constexpr double kZoomLimit = 20;

  explicit TPlotView(const TGraphPlot& plot) : plot_(&plot) {}

  const TGraphPlot& Plot() const { return *plot_; }
  // Computes the initial ranges of the panels and starts from them; false
  // when the plot cannot be shown (a range of no finite size).
  bool Open();
  // 3 in three-panel mode, else 1.
  int PanelCount() const;
  const PanelRange& Range(int panel) const { return ranges_.at(index(panel)); }
  const PanelRange& InitialRange(int panel) const { return initial_.at(index(panel)); }

  // Lays the view out on `surface`: the label height, the panels' areas and
  // ticks, the layer strip. A view laid out for a printer or a file is a
  // copy; the window's own layout is untouched.
  void Layout(const PaintSurface& surface);
  const PaintSurface& Surface() const { return surface_; }
  // The label character height in pixels.
  double LabelHeight() const { return labelHeight_; }
  const QFont& LabelFontUsed() const { return labelFont_; }
  const QFont& CaptionFontUsed() const { return captionFont_; }
  const PanelLayout& Panel(int panel) const { return panels_.at(index(panel)); }
  // Empty when no layer strip is shown.
  const QRectF& LayerStrip() const { return layerStrip_; }
  // True when the surface is smaller than an inch either way: it is
  // painted white only.
  bool TooSmall() const;

  // Data to pixels, rounded to whole pixels as the curves are drawn.
  double MapX(int panel, double x) const;
  double MapY(int panel, double y) const;
  // Pixels to data.
  double DataX(int panel, double pixelX) const;
  double DataY(int panel, double pixelY) const;
  // The panel whose area holds the pixel; -1 for none.
  int PanelAt(const QPointF& pixel) const;
  QPointF ClampToArea(int panel, const QPointF& pixel) const;

  // A drag in panel 1 from `from` (in its area) to `to` (clamped into it).
  // False, with the ranges unchanged, for a drag that did not move in both
  // directions or in three-panel mode.
  bool ZoomIn(const QPointF& from, const QPointF& to);
  // Doubles the ranges of the panel under `at` about its data point, within
  // the initial ranges.
  void ZoomOut(const QPointF& at);

  // The legend: shown or not, and the place the user dragged it to as a
  // share of panel 1's area. Without one it keeps the corner of the area
  // chosen last, or the one that hides the fewest curve segments when none
  // was chosen.
  bool LegendShown() const { return legendShown_; }
  void SetLegendShown(bool shown) { legendShown_ = shown; }
  void SetLegendPlace(const QPointF& topLeft);
  // Moves the legend into the corner that hides the fewest curve segments
  // as the view is laid out now, and keeps it there through zooming and
  // resizing.
  void ChooseLegendCorner();
  bool LegendCornerChosen() const { return legendCorner_.has_value(); }
  // For a page or a picture of other proportions than the window: the
  // corner is chosen afresh for this layout unless the user placed the
  // legend.
  void FitLegend();
  // A copy laid out on another surface (a page, a picture) with its legend
  // fitted; this view's own layout is untouched.
  TPlotView LaidOutFor(const PaintSurface& surface) const;
  // Where the legend lies on this surface, inside the client area.
  QRectF LegendBox() const;

 private:
  static std::size_t index(int panel) { return static_cast<std::size_t>(panel); }
  void layoutPanels(const QRectF& frame);
  QSizeF legendSize() const;
  double widestYLabel(int panel, double areaHeight) const;

  const TGraphPlot* plot_;
  std::array<PanelRange, kMaxPanels> ranges_{};
  std::array<PanelRange, kMaxPanels> initial_{};
  PaintSurface surface_;
  double labelHeight_ = 0;
  QFont labelFont_;
  QFont captionFont_;
  std::array<PanelLayout, kMaxPanels> panels_{};
  QRectF layerStrip_;
  bool legendShown_ = false;
  std::optional<QPointF> legendPlace_;
  std::optional<LegendCorner> legendCorner_;
  QRectF frame_;  // the panels' room, laid out again after a zoom
};
