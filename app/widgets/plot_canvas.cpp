#include "widgets/plot_canvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>

#include "core/plot_painter.h"
#include "core/plot_view.h"
#include "widgets/plot_form.h"

TPlotCanvas::TPlotCanvas(TPlotForm& form) : QWidget(&form), form_(form) {
  setObjectName(QStringLiteral("PlotCanvas"));
  setMouseTracking(true);
  // The window's shortcuts (Ctrl+Z, Ctrl+C) need the focus inside it.
  setFocusPolicy(Qt::StrongFocus);
  setAutoFillBackground(true);
  QPalette white = palette();
  white.setColor(QPalette::Window, Qt::white);
  setPalette(white);
  band_ = new QRubberBand(QRubberBand::Rectangle, this);
}

void TPlotCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintPlot(painter, form_.View());
}

void TPlotCanvas::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  form_.Relayout(false);
}

void TPlotCanvas::mousePressEvent(QMouseEvent* event) {
  TPlotView& view = form_.View();
  const QPointF at = event->position();
  if (view.PanelAt(at) < 0) {
    return;
  }
  if (event->button() == Qt::LeftButton && view.PanelCount() == 1) {
    dragging_ = true;
    dragStart_ = at;
    band_->setGeometry(bandTo(at));
    band_->show();
  } else if (event->button() == Qt::RightButton) {
    view.ZoomOut(at);
    form_.Relayout(false);
  }
}

void TPlotCanvas::mouseMoveEvent(QMouseEvent* event) {
  form_.ShowCoordinates(event->position());
  if (dragging_) {
    band_->setGeometry(bandTo(event->position()));
  }
}

void TPlotCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) {
    return;
  }
  dragging_ = false;
  band_->hide();
  if (form_.View().ZoomIn(dragStart_, event->position())) {
    form_.Relayout(false);
  }
}

// The rubber band from the drag's start to `corner`, kept in the area.
QRect TPlotCanvas::bandTo(const QPointF& corner) const {
  const QPointF end = form_.View().ClampToArea(0, corner);
  return QRectF(dragStart_, end).normalized().toRect();
}
