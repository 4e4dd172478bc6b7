// The pictures of the main window's toolbar buttons, drawn as SVG files in
// icons/, and the program's own icon (the desktop entry's), compiled into
// the program from icons.qrc. Showing them needs
// Qt's SVG icon plugin at run time; without it the buttons show their hint
// text.
#pragma once

#include <QIcon>

enum class ToolbarIcon {
  kNew,
  kOpen,
  kSave,
  kRun,
  kSoilLayers,
  kViewOutput,
  kSoilProfile,
  kCombinedPlot,
  kLoadSettlement,
};

QIcon ToolbarIconFor(ToolbarIcon icon);
// The program's icon: a belled drilled shaft in layered soil.
QIcon ApplicationIcon();
// The resource path of the picture, e.g. ":/toolbar/new.svg".
QString ToolbarIconPath(ToolbarIcon icon);
