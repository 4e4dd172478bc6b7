// Every window opens fully inside the work area: top-level windows inside
// the available area of their screen (without the desktop's panels), child
// windows inside the visible part of the main window's MDI area. A window
// too large for its area is made smaller, its contents scrolled where they
// must be; one that runs past an edge is moved back inside.
#pragma once

#include <QSize>

class QMdiArea;
class QWidget;

// The main window at start: most of its screen's available area, centred
// in it, leaving room for the frame.
void PlaceMainWindow(QWidget& window);

// The largest size a top-level window may take on its screen: the screen's
// available area less the window's frame.
QSize RoomOnScreen(const QWidget& window);

// A top-level window about to be shown for the first time: `preferred`
// bounded to its screen's available area less the frame, then, once it is
// shown, moved inside that area (FitShownWindowInsideScreen).
void SizeWindowForScreen(QWidget& window, QSize preferred);
// Moves a shown top-level window so that its frame lies inside its
// screen's available area, shrinking it first when it is larger.
void FitShownWindowInsideScreen(QWidget& window);

// From now on, every child window of `area` that is shown, or resized by
// the program, is kept inside the area's viewport: a child too large for it
// shrinks to it (unless its size is fixed), and a child that runs past the
// right or bottom edge moves left and up. Windows the user drags or sizes
// with the mouse stay where the user puts them.
void KeepChildWindowsInside(QMdiArea& area);
