#include "core/plot_clipping.h"

#include <algorithm>
#include <array>
#include <utility>

// Liang-Barsky: the segment is a + t (b - a), t from 0 to 1; each side of
// the box narrows the range of t that lies inside.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& box) {
  double enter = 0;
  double leave = 1;
  const double dx = b.x() - a.x();
  const double dy = b.y() - a.y();
  const std::array<std::pair<double, double>, 4> sides = {{
      {-dx, a.x() - box.left()},
      {dx, box.right() - a.x()},
      {-dy, a.y() - box.top()},
      {dy, box.bottom() - a.y()},
  }};
  for (const auto& [p, q] : sides) {
    if (p == 0) {
      if (q < 0) {
        return false;
      }
      continue;
    }
    const double t = q / p;
    if (p < 0) {
      enter = std::max(enter, t);
    } else {
      leave = std::min(leave, t);
    }
    if (enter > leave) {
      return false;
    }
  }
  const QPointF start = a;
  a = start + enter * QPointF(dx, dy);
  b = start + leave * QPointF(dx, dy);
  return true;
}

std::vector<QPolygonF> ClipPolyline(const QPolygonF& line, const QRectF& box) {
  std::vector<QPolygonF> runs;
  QPolygonF run;
  for (qsizetype k = 1; k < line.size(); ++k) {
    QPointF a = line.at(k - 1);
    QPointF b = line.at(k);
    if (!ClipSegment(a, b, box)) {
      continue;
    }
    // A segment that starts where the run ends continues it.
    if (!run.isEmpty() && run.last() == a) {
      run << b;
      continue;
    }
    if (run.size() >= 2) {
      runs.push_back(run);
    }
    run = QPolygonF{a, b};
  }
  if (run.size() >= 2) {
    runs.push_back(run);
  }
  return runs;
}
