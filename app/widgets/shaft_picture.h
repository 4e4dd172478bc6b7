// The explanatory picture of the Drilled-Shaft Properties window: a belled
// shaft (left) and a straight shaft (right) in the ground, with the
// dimensions the window asks for: B (shaft diameter), Bb (bell diameter),
// Ang (bell angle to the vertical), Lue (upper length excluded from side
// friction, from the ground down) and Lle (lower length excluded, above the
// bell or above the base). The excluded lengths are hatched.
//
// The picture is laid out on a 240 x 221 pixel canvas; the widget shows it
// at exactly that size. DrawShaftPicture scales the same drawing into any
// rectangle (a QImage, a printer page), keeping its proportions.
#pragma once

#include <QWidget>

class QPainter;
class QPaintEvent;
class QRectF;

// Draws the whole picture (background, frame, shafts, dimensions and
// labels) into `area`, scaled uniformly and centred in it. Saves and
// restores the painter's state.
void DrawShaftPicture(QPainter& painter, const QRectF& area);

// A fixed 240 x 221 pixel widget that shows the picture.
class TShaftPicture : public QWidget {
 public:
  explicit TShaftPicture(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
