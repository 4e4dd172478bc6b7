// Printing a plot: one page, the plot laid out on the page less its
// margins at the printer's resolution and painted by PaintPlot, legend
// included and the layer bands in their print patterns.
#pragma once

class QPrinter;
class TPlotView;

// Prints `window`'s view on one page of `printer`, whose page layout holds
// the margins (at least the printer's unprintable edges). False when the
// printer cannot be opened.
bool PrintPlotPage(QPrinter& printer, const TPlotView& window);
