#include "widgets/plot_printing.h"

#include <QPainter>
#include <QPrinter>

#include "core/plot_painter.h"
#include "core/plot_view.h"

bool PrintPlotPage(QPrinter& printer, const TPlotView& window) {
  QPainter painter;
  if (!painter.begin(&printer)) {
    return false;
  }
  // The painter's origin is the top-left corner inside the margins.
  PaintSurface page;
  page.size = printer.pageLayout().paintRectPixels(printer.resolution()).size();
  page.ppx = printer.resolution();
  page.ppy = printer.resolution();
  page.kind = PlotDevice::kPrinter;
  PaintPlot(painter, window.LaidOutFor(page));
  return painter.end();
}
