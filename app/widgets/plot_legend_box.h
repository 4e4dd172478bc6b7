// The legend of a plot window: a control over the plot, drawn by
// DrawLegend like the legend of a printed or saved plot. It can be dragged
// anywhere inside the window; a double click on an entry shows or hides
// that curve.
#pragma once

#include <QPointF>
#include <QWidget>

class TPlotForm;

class TPlotLegendBox : public QWidget {
  Q_OBJECT

 public:
  explicit TPlotLegendBox(TPlotForm& form, QWidget* parent);

  // Takes the size of the plot's active curves' entries and the place the
  // view gives it.
  void Place();
  // The curve of the entry at `y` pixels from the top; -1 for none.
  int CurveAt(double y) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  double pixelsPerInchX() const;
  double pixelsPerInchY() const;

  TPlotForm& form_;
  bool dragging_ = false;
  QPointF grab_;
};
