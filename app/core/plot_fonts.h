// The fonts of a plot, sized in the pixels of the surface drawn on, so that
// a screen, a printer page and a saved file of any resolution show them at
// the same size in inches.
#pragma once

#include <QFont>

// The face of every plot text; systems without it use their metric twin.
inline constexpr const char* kPlotFontFamily = "Times New Roman";
// Tick labels and axis captions at the default font size (SizeFont 10).
inline constexpr double kLabelFontPoints = 10;
inline constexpr double kPointsPerInch = 72;

// A font of `points` points on a surface of `pixelsPerInch`.
QFont PlotFont(double points, double pixelsPerInch, bool bold = false);
// The tick-label font for the plot's SizeFont (tenths of the default).
QFont LabelFont(int sizeFont, double pixelsPerInch);
// The bold caption font, scaled the same way.
QFont CaptionFont(int sizeFont, double pixelsPerInch);
