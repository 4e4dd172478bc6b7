#include "widgets/shaft_picture.h"

#include <QPainter>
#include <QRectF>

#include "core/shaft_drawing.h"

TShaftPicture::TShaftPicture(QWidget* parent) : QWidget(parent) {
  setFixedSize(kShaftPictureWidth, kShaftPictureHeight);
}

void TShaftPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawShaftPicture(painter, QRectF(rect()));
}
