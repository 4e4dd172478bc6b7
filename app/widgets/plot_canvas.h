// The white surface a plot window draws its plot on with PaintPlot. A left
// drag in the plot area zooms in (a rubber band shows the rectangle), a
// right click zooms out, and moving the pointer shows its coordinates in
// the window's caption.
#pragma once

#include <QPointF>
#include <QWidget>

class QRubberBand;
class TPlotForm;

class TPlotCanvas : public QWidget {
  Q_OBJECT

 public:
  explicit TPlotCanvas(TPlotForm& form);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QRect bandTo(const QPointF& corner) const;

  TPlotForm& form_;
  QRubberBand* band_ = nullptr;
  bool dragging_ = false;
  QPointF dragStart_;
};
