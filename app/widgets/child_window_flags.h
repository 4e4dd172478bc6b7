// The frame of the program's child windows: a title with the system menu,
// minimise and close; no maximise, as each window sizes itself.
#pragma once

#include <Qt>

inline constexpr Qt::WindowFlags kChildWindowFlags =
    Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
    Qt::WindowCloseButtonHint;
