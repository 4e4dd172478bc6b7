// The one drawing routine of a plot. The window, the printer and every
// file export lay a view out for their surface (TPlotView::Layout, with the
// surface's size and resolution) and call PaintPlot with a painter on it.
//
// Paint order: white background (and nothing more on a surface smaller
// than an inch either way); axis captions and the graph title; ticks, grid
// and labels; the curves with their markers, clipped to the plot area; the
// legend (on a printer or a file; the window shows its own); the soil-layer
// bands; a black frame around each panel.
#pragma once

class QPainter;
class TPlotView;

// Paints `view` as laid out, from the painter's origin. Saves and restores
// the painter's state.
void PaintPlot(QPainter& painter, const TPlotView& view);
