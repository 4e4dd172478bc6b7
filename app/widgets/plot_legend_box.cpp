#include "widgets/plot_legend_box.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "core/plot_legend.h"
#include "core/plot_view.h"
#include "widgets/plot_form.h"

namespace {

// The frame's right and bottom lines lie on the box's far edges.
constexpr int kFramePixels = 1;

}  // namespace

TPlotLegendBox::TPlotLegendBox(TPlotForm& form, QWidget* parent) : QWidget(parent), form_(form) {
  setObjectName(QStringLiteral("PlotLegend"));
  setCursor(Qt::SizeAllCursor);
}

double TPlotLegendBox::pixelsPerInchX() const {
  return form_.View().Surface().ppx;
}

double TPlotLegendBox::pixelsPerInchY() const {
  return form_.View().Surface().ppy;
}

void TPlotLegendBox::Place() {
  const QRectF box = form_.View().LegendBox();
  setGeometry(
      QRect(box.topLeft().toPoint(), box.size().toSize() + QSize(kFramePixels, kFramePixels)));
  update();
}

int TPlotLegendBox::CurveAt(double y) const {
  const LegendMetrics metrics = MeasureLegend(form_.Plot(), pixelsPerInchX(), pixelsPerInchY());
  const std::vector<LegendEntry> entries = LegendEntries(form_.Plot());
  const int item = LegendItemAt(metrics, static_cast<int>(entries.size()), y);
  return item < 0 ? -1 : entries.at(static_cast<std::size_t>(item)).line;
}

void TPlotLegendBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawLegend(painter, LegendEntries(form_.Plot()),
             MeasureLegend(form_.Plot(), pixelsPerInchX(), pixelsPerInchY()), QPointF(0, 0));
}

void TPlotLegendBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    dragging_ = true;
    grab_ = event->position();
  }
}

// Kept inside the window while it moves.
void TPlotLegendBox::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || parentWidget() == nullptr) {
    return;
  }
  const QPointF wanted = pos() + event->position() - grab_;
  const QSize room = parentWidget()->size() - size();
  move(std::clamp(static_cast<int>(wanted.x()), 0, std::max(0, room.width())),
       std::clamp(static_cast<int>(wanted.y()), 0, std::max(0, room.height())));
}

void TPlotLegendBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && dragging_) {
    dragging_ = false;
    form_.View().SetLegendPlace(pos());
  }
}

void TPlotLegendBox::mouseDoubleClickEvent(QMouseEvent* event) {
  const int curve = CurveAt(event->position().y());
  if (curve >= 0) {
    form_.ToggleCurve(curve);
  }
}
