// The explanatory picture of the Drilled-Shaft Properties window: a belled
// shaft (left) and a straight shaft (right) in the ground, with the
// dimensions the window asks for: B (shaft diameter), Bb (bell diameter),
// Ang (bell angle to the vertical), Lue (upper length excluded from side
// friction, from the ground down) and Lle (lower length excluded, above the
// bell or above the base). The excluded lengths are hatched.
//
// The picture is laid out on a canvas of kShaftPictureWidth by
// kShaftPictureHeight pixels; DrawShaftPicture scales it into any rectangle
// (a widget, a QImage, a printer page), keeping its proportions.
#pragma once

class QPainter;
class QRectF;

inline constexpr int kShaftPictureWidth = 240;   // pixels
inline constexpr int kShaftPictureHeight = 221;  // pixels

// Draws the whole picture (background, frame, shafts, dimensions and
// labels) into `area`, scaled uniformly and centred in it. Saves and
// restores the painter's state.
void DrawShaftPicture(QPainter& painter, const QRectF& area);
