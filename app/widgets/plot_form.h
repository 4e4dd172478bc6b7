// The window of one plot: an MDI child, opened maximised by the plot's
// Show, with its own "&Plot" menu (Ctrl+Z opens it), the plot drawn on a
// canvas (plot_canvas.h) by PaintPlot, and the legend as a control of its
// own over it (plot_legend_box.h). It zooms with the mouse, shows the
// pointer's coordinates in its caption, prints, saves the plot as a
// picture and copies it to the clipboard (Ctrl+C).
//
// The plot window owns its view (ranges, layout, legend place); the plot
// keeps the display settings (markers, font size, line width, title,
// names, visible and active curves), which outlive the window. Every
// message goes through the TDialogs given, which must outlive the window.
//
// QAction object names: "ShowLegendItem", "ShowSoilLayerItem",
// "ShowWallItem", "Markers0", "Markers1", "Markers2", "Markers3",
// "Markers5", "Markers10", "FontSize10" to "FontSize40" (by SizeFont),
// "LineWidth1" to "LineWidth10" (by WidthLine), "GraphTitleItem",
// "EditLegendItem", "ActiveCurvesItem", "PrintItem", "PageSetupItem",
// "SaveToDiskItem", "CopyItem", and "Curve1", "Curve2", ... for the curve
// items (numbered by the curve's index + 1). Menus: "PlotMenu",
// "MarkersMenu", "FontSizeMenu", "LineWidthMenu".
#pragma once

#include <QMdiSubWindow>
#include <QPageLayout>
#include <utility>
#include <vector>

#include "core/graph_plot.h"
#include "core/plot_export.h"
#include "core/plot_view.h"

class QMdiArea;
class QMenu;
class QMenuBar;
class QPrinter;
class TDialogs;
class TPlotCanvas;
class TPlotLegendBox;

class TPlotForm : public QMdiSubWindow, public TPlotWindow {
  Q_OBJECT

 public:
  // The window of `plot` in `area`, not yet shown; nullptr when the plot's
  // ranges cannot be shown.
  static TPlotForm* Create(TGraphPlot& plot, QMdiArea* area, TDialogs& dialogs);
  ~TPlotForm() override;

  void ShowWindow() override;
  void Refresh() override;

  TGraphPlot& Plot() { return plot_; }
  TPlotView& View() { return view_; }
  TPlotCanvas* Canvas() const { return canvas_; }
  TPlotLegendBox* Legend() const { return legend_; }
  QMenu* PlotMenu() const { return plotMenu_; }
  QAction* Action(const QString& name) const;

  // The commands of the Plot menu.
  void ToggleLegend();
  void ToggleLayers();
  void ToggleWall();
  void SetMarkers(int every);
  void SetFontSize(int sizeFont);
  void SetLineWidth(int widthLine);
  void EditTitle();
  void EditLegend();
  void EditActiveCurves();
  void Print();
  void PageSetup();
  void SaveToDisk();
  // The plot as the window shows it, legend included, as an image on the
  // clipboard.
  void CopyToClipboard();
  // Shows or hides curve `line`: its menu item, legend entry and drawing.
  void ToggleCurve(int line);
  // The pointer at `pixel` of the canvas: the caption shows its data
  // coordinates, clamped into the plot area.
  void ShowCoordinates(const QPointF& pixel);
  // The canvas changed size or the plot its layout: lays the view out
  // again; `placeLegend` moves the legend to the corner clearest of the
  // curves (as on opening).
  void Relayout(bool placeLegend);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  TPlotForm(TGraphPlot& plot, TDialogs& dialogs);

  void createMenu(QMenuBar* bar);
  void addChoices(QMenu* menu, const char* name, const char* title,
                  const std::vector<std::pair<const char*, int>>& choices, const char* prefix,
                  void (TPlotForm::*set)(int), int current);
  void updateMenu();
  void rebuildCurveItems();
  void detach();
  QString suggestedFileName() const;

  TGraphPlot& plot_;
  TDialogs& dialogs_;
  TPlotView view_;
  QPageLayout pageLayout_;
  PictureOptions pictureOptions_;
  TPlotCanvas* canvas_ = nullptr;
  TPlotLegendBox* legend_ = nullptr;
  QMenu* plotMenu_ = nullptr;
  QAction* curveSeparator_ = nullptr;
  bool legendOffered_ = false;
  bool shown_ = false;
  bool attached_ = true;
};
