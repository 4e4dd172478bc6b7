// The program's look on the desktop, set once after the QApplication exists
// and before the first window: its own icon on every window (the one the
// desktop entry names), the desktop entry's name for the window system, the
// platform's icon theme for the message boxes' pictures (the system's
// default theme where the platform names none) and the program's style
// (desktop_style.h).
#pragma once

void InstallDesktopLook();
