#include "widgets/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// The share of its screen's available area the main window starts with.
constexpr double kMainWindowShare = 0.9;
// The frame a window manager adds around a window that is not yet shown
// (title bar and borders); once shown, the real frame counts.
constexpr QSize kAssumedFrame(16, 40);

QRect availableArea(const QWidget& window) {
  const QScreen* screen = window.screen();
  return screen != nullptr ? screen->availableGeometry() : QRect();
}

QSize frameExtra(const QWidget& window) {
  const QSize extra = window.frameGeometry().size() - window.geometry().size();
  return window.isVisible() && !extra.isEmpty() ? extra : kAssumedFrame;
}

// `inner` moved the least so that it lies inside `outer`; an `inner` larger
// than `outer` keeps its top-left corner at `outer`'s.
QRect movedInside(QRect inner, const QRect& outer) {
  inner.moveLeft(std::max(outer.left(), std::min(inner.left(), outer.right() - inner.width() + 1)));
  inner.moveTop(std::max(outer.top(), std::min(inner.top(), outer.bottom() - inner.height() + 1)));
  return inner;
}

bool sizeIsFixed(const QWidget& window) {
  return window.minimumSize() == window.maximumSize();
}

// Keeps one MDI area's children inside its viewport.
class TChildPlacement : public QObject {
 public:
  // The viewport is kept rather than asked of the area: its events keep
  // coming while the area is being destroyed, when the area no longer is one.
  explicit TChildPlacement(QMdiArea& area) : QObject(&area), viewport_(area.viewport()) {
    viewport_->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == viewport_) {
      // Polished rather than added: a sub-window the area makes around a
      // widget is added while its constructor still runs, before it can be
      // told from any other child. Polishing comes before the first show.
      if (event->type() == QEvent::ChildPolished) {
        watchChild(static_cast<QChildEvent*>(event)->child());
      }
    } else if (event->type() == QEvent::Show || event->type() == QEvent::Resize) {
      fitInside(static_cast<QMdiSubWindow*>(watched));
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void watchChild(QObject* child) {
    if (qobject_cast<QMdiSubWindow*>(child) != nullptr) {
      child->installEventFilter(this);
    }
  }

  void fitInside(QMdiSubWindow* window) {
    if (fitting_ || !window->isVisible() || window->isMinimized() || window->isMaximized() ||
        QGuiApplication::mouseButtons() != Qt::NoButton) {
      return;
    }
    const QRect area = viewport_->rect();
    QRect frame = window->geometry();
    if (!sizeIsFixed(*window)) {
      frame.setSize(frame.size().boundedTo(area.size()).expandedTo(window->minimumSize()));
    }
    frame = movedInside(frame, area);
    if (frame != window->geometry()) {
      fitting_ = true;
      window->setGeometry(frame);
      fitting_ = false;
    }
  }

  QWidget* viewport_;
  bool fitting_ = false;
};

}  // namespace

void PlaceMainWindow(QWidget& window) {
  const QRect area = availableArea(window);
  window.resize(area.size() * kMainWindowShare);
  window.move(area.center() - window.rect().center());
}

QSize RoomOnScreen(const QWidget& window) {
  return availableArea(window).size() - frameExtra(window);
}

void SizeWindowForScreen(QWidget& window, QSize preferred) {
  window.resize(preferred.boundedTo(RoomOnScreen(window)));
}

void FitShownWindowInsideScreen(QWidget& window) {
  const QRect area = availableArea(window);
  const QSize frame = frameExtra(window);
  if (!sizeIsFixed(window)) {
    const QSize bounded = window.size().boundedTo(RoomOnScreen(window));
    if (bounded != window.size()) {
      window.resize(bounded);
    }
  }
  const QRect outer = window.frameGeometry();
  const QRect inside = movedInside(QRect(outer.topLeft(), window.size() + frame), area);
  if (inside.topLeft() != outer.topLeft()) {
    window.move(inside.topLeft());
  }
}

void KeepChildWindowsInside(QMdiArea& area) {
  new TChildPlacement(area);
}
