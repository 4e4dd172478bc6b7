// One plot: its curves, the soil-layer bands drawn beside them, captions,
// unit codes and display settings. The numbers are held in display units;
// changing Units changes only the unit labels shown, never the data.
//
// A plot owns four line lists: the curves of panel 1, the layer bands and
// the curves of panels 2 and 3. A layer band is a line with one point: X is
// its pattern number, Y the depth of the layer's bottom.
//
// The plot window is made by a factory the application installs (the logic
// has no widgets); the plot owns the window it made and deletes it when it
// is destroyed, and the window reports its own closing through
// WindowClosed.
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "core/number_text.h"

struct TFloatPoint {
  Extended X = 0;
  Extended Y = 0;
};

class TGraphPlot;

// One curve or one layer band.
class TLine {
 public:
  TLine(TGraphPlot& owner, Extended number) : Number(number), owner_(&owner) {}

  std::vector<TFloatPoint> Points;  // in drawing order
  Extended Number;                  // used in the default name
  QString Name;                     // empty: the default name applies
  bool Visible = true;              // drawn, and " *" in the legend
  bool Active = true;               // listed in the legend and menu, counted for colours

  TGraphPlot& Owner() const { return *owner_; }

 private:
  TGraphPlot* owner_;
};

enum class LineList : int { kCurves = 0, kLayers, kPanel2, kPanel3 };

enum class TitlePosition { kTop, kBottom };

// Captions and unit codes of one panel's axes.
struct PanelAxes {
  QString XCaption;
  QString XUnits;
  QString YCaption;
  QString YUnits;
};

// What the plot asks of its window.
class TPlotWindow {
 public:
  virtual ~TPlotWindow() = default;
  // Shows the window, restored when it was minimised, and brings it forward.
  virtual void ShowWindow() = 0;
  // The plot's contents changed: the window draws them again.
  virtual void Refresh() = 0;
};

class TGraphPlot {
 public:
  using WindowFactory = std::function<TPlotWindow*(TGraphPlot&)>;
  // May rewrite the legend text of curve `line`.
  using GetCaptionEvent = std::function<void(const TGraphPlot&, int line, QString& text)>;

  // Panels a plot can show side by side.
  static constexpr int kPanelCount = 3;
  // Curves a plot window activates on opening when LimitActiveCurves is set.
  static constexpr int kInitialActiveCurves = 20;

  TGraphPlot();
  ~TGraphPlot();
  TGraphPlot(const TGraphPlot&) = delete;
  TGraphPlot& operator=(const TGraphPlot&) = delete;

  QString CurveName = QStringLiteral("Curve #");
  QString Caption;
  bool ShowLegend = true;
  bool ShowLayers = false;
  bool ShowWall = false;
  bool ShowThree = false;
  bool ShowFontWidth = true;
  int WallLineCount = 0;
  int Markers = 1;      // a marker every n points; 0 none
  int SizeFont = 10;    // tenths of the default font size
  int LegendFont = 11;  // points
  int WidthLine = 1;    // pen width multiplier
  QString XCaption;
  QString XUnits;
  bool XOnTop = true;  // X axis at the top, Y growing downwards
  QString YCaption;
  QString YUnits;
  QString XCaption2;
  QString XUnits2;
  QString YCaption2;
  QString YUnits2;
  QString XCaption3;
  QString XUnits3;
  QString YCaption3;
  QString YUnits3;
  GetCaptionEvent onGetCaption;

  // Curve names by index, before the default name.
  QStringList Names;
  // Set at creation: a window opening on more than 20 curves activates the
  // first 20 only, once after each change of the number of curves.
  bool LimitActiveCurves = true;

  // Graph title, set from the plot window.
  QString Title;
  TitlePosition TitleAt = TitlePosition::kTop;

  // Captions and unit codes of panel 0, 1 or 2.
  PanelAxes AxesOf(int panel) const;
  // The curve list of panel 0, 1 or 2.
  static LineList PanelList(int panel);

  int Units() const { return units_; }
  // 1 English, 2 SI, 3 codes shown unchanged; clamped into 1 to 3.
  void SetUnits(int units);

  int LineCount(LineList list = LineList::kCurves) const;
  // Below 0 taken as 0. Surplus lines go from the end; new lines are added
  // at the end with as many (0, 0) points as curve 0 has, number = index + 1.
  void SetLineCount(int count, LineList list = LineList::kCurves);
  // The point count of line 0 of the list; 0 without lines.
  int PointCount(LineList list = LineList::kCurves) const;
  // Cuts or extends every line of the list at its end with (0, 0) points;
  // below 0 taken as 0.
  void SetPointCount(int count, LineList list = LineList::kCurves);
  TLine& Line(int index, LineList list = LineList::kCurves);
  const TLine& Line(int index, LineList list = LineList::kCurves) const;
  // Point `point` of line `line`.
  TFloatPoint& Point(int line, int point, LineList list = LineList::kCurves);
  std::vector<std::unique_ptr<TLine>>& Lines(LineList list = LineList::kCurves);
  const std::vector<std::unique_ptr<TLine>>& Lines(LineList list = LineList::kCurves) const;

  // The curve's own name; else its entry of Names; else CurveName followed
  // by its number.
  QString CurveNameOf(int index) const;
  // The legend text of a curve: its name, passed through onGetCaption.
  QString LegendText(int index) const;
  // True once after each change of the number of curves when
  // LimitActiveCurves is set: the window opening then deactivates the
  // curves beyond the first 20.
  bool TakeCurveLimit();
  // A window opening on more than 20 curves shows the first 20, once after
  // each load (TakeCurveLimit); the others are brought in by the user.
  void ApplyCurveLimit();

  // Creates the window on first use and shows it. Without a factory
  // nothing happens.
  void Show();
  void SetWindowFactory(WindowFactory factory) { factory_ = std::move(factory); }
  bool WindowExists() const { return window_ != nullptr; }
  TPlotWindow* Window() const { return window_; }
  // Called by the window as it goes: the next Show makes a new one.
  void WindowClosed() { window_ = nullptr; }

 private:
  std::array<std::vector<std::unique_ptr<TLine>>, 4> lists_;
  int units_ = 1;
  bool curveLimitPending_ = true;
  WindowFactory factory_;
  TPlotWindow* window_ = nullptr;
};
