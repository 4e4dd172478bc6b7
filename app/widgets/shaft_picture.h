// The Drilled-Shaft Properties window's explanatory picture at its canvas
// size, kShaftPictureWidth by kShaftPictureHeight pixels
// (core/shaft_drawing.h draws it).
#pragma once

#include <QWidget>

class QPaintEvent;

class TShaftPicture : public QWidget {
 public:
  explicit TShaftPicture(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};
