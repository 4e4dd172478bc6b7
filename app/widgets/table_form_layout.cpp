// The sizing of the table window: the grid sized to whole columns and rows
// with the row buttons and the comment label around it, and a dragged
// border snapped to whole columns and rows.
#include "widgets/table_form.h"

#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <algorithm>

#include "core/grid_table_model.h"
#include "widgets/grid_cell_delegate.h"
#include "widgets/window_placement.h"

QSize TTableForm::sizeHint() const {
  return clientSize_;
}

// The user may drag the window smaller than the grid; it then snaps to the
// row buttons and one column and row at least.
QSize TTableForm::minimumSizeHint() const {
  return {buttonsExtent() + 2 * margin_, 2 * margin_ + Grid->metrics().headerHeight};
}

// The grid sized to the shown columns and rows, the row buttons and the
// comment label below it, and the window around them. A dragged left or
// top border (anchoredEdges) keeps the window's right or bottom edge.
void TTableForm::Relayout(int anchoredEdges) {
  if (table() == nullptr) {
    return;
  }
  const QScopedValueRollback<bool> layingOut(relayingOut_, true);
  const TGridExtent extent = presentExtent();
  const QSize grid = Grid->showExtent(extent);
  Grid->move(margin_, margin_);
  firstColumn_ = extent.firstColumn;
  topRow_ = extent.topRow;

  const int clientWidth = std::max(grid.width(), buttonsExtent()) + 2 * margin_;
  int bottom = margin_ + grid.height();
  if (!BtnAdd->isHidden()) {
    bottom += margin_;
    int left = margin_;
    for (QPushButton* button : {BtnAdd, BtnIns, BtnDel}) {
      button->setGeometry(QRect(QPoint(left, bottom), buttonSize_));
      left += buttonSize_.width() + margin_;
    }
    bottom += buttonSize_.height();
  }
  if (!lblComments->isHidden()) {
    bottom += margin_;
    const int width = clientWidth - 2 * margin_;
    const int height = lblComments->heightForWidth(width);
    lblComments->setGeometry(margin_, bottom, width, height);
    bottom += height;
  }
  clientSize_ = QSize(clientWidth, bottom + margin_);
  updateGeometry();
  resizeContainer(anchoredEdges);
}

// A window that would run past its work area (the visible part of the MDI
// area, or its screen for a window of its own) shows fewer columns or rows,
// with scroll bars, so that it opens inside it.
void TTableForm::fitExtentToArea() {
  const QSize available = workAreaSize();
  if (table() == nullptr || available.isEmpty()) {
    return;
  }
  const TGridExtent fitted = FitGridExtent(Grid->metrics(), presentExtent(), chrome(), available);
  ShownColumns = fitted.shownColumns;
  ShownRows = fitted.shownRows;
  firstColumn_ = fitted.firstColumn;
  topRow_ = fitted.topRow;
}

QSize TTableForm::workAreaSize() const {
  if (subWindow_ != nullptr && subWindow_->mdiArea() != nullptr) {
    return subWindow_->mdiArea()->viewport()->size();
  }
  if (dialog_ != nullptr) {
    return RoomOnScreen(*dialog_);
  }
  return {};
}

TGridExtent TTableForm::presentExtent() const {
  TGridExtent extent;
  const int columns = model_->columnCount();
  const int rows = model_->rowCount();
  extent.shownColumns = std::min(ShownColumns, columns);
  extent.shownRows = std::min(ShownRows, rows);
  extent.firstColumn = std::clamp(firstColumn_, 0, columns - extent.shownColumns);
  extent.topRow = std::clamp(topRow_, 0, rows - extent.shownRows);
  return extent;
}

TWindowChrome TTableForm::chrome() const {
  const QSize frame = subWindowFrame();
  TWindowChrome around;
  around.minimumGridWidth = buttonsExtent();
  around.extraWidth = 2 * margin_ + frame.width();
  around.extraHeight = [this, frame](int windowWidth) {
    return extraClientHeight(windowWidth - frame.width()) + frame.height();
  };
  return around;
}

// The three row buttons side by side with the margin between them.
int TTableForm::buttonsExtent() const {
  return 3 * buttonSize_.width() + 2 * margin_;
}

// Everything of the client height but the grid, as Relayout stacks it.
int TTableForm::extraClientHeight(int clientWidth) const {
  int height = 2 * margin_;
  if (!BtnAdd->isHidden()) {
    height += margin_ + buttonSize_.height();
  }
  if (!lblComments->isHidden()) {
    height += margin_ + lblComments->heightForWidth(clientWidth - 2 * margin_);
  }
  return height;
}

// An MDI child keeps its title bar and border as its contents margins.
QSize TTableForm::subWindowFrame() const {
  if (subWindow_ == nullptr) {
    return {};
  }
  const QMargins frame = subWindow_->contentsMargins();
  return {frame.left() + frame.right(), frame.top() + frame.bottom()};
}

void TTableForm::resizeContainer(int anchoredEdges) {
  if (subWindow_ != nullptr) {
    const QRect before = subWindow_->geometry();
    QRect after(before.topLeft(), clientSize_ + subWindowFrame());
    if ((anchoredEdges & kLeftEdge) != 0) {
      after.moveRight(before.right());
    }
    if ((anchoredEdges & kTopEdge) != 0) {
      after.moveBottom(before.bottom());
    }
    subWindow_->setGeometry(after);
    lastGeometry_ = subWindow_->geometry();
  } else if (dialog_ != nullptr) {
    dialog_->layout()->activate();
  }
}

void TTableForm::snapToDraggedSize() {
  if (table() == nullptr || subWindow_ == nullptr) {
    return;
  }
  const QRect dragged = subWindow_->geometry();
  if (dragged.size() == lastGeometry_.size()) {
    lastGeometry_ = dragged;
    return;
  }
  int edges = 0;
  if (dragged.left() != lastGeometry_.left()) {
    edges |= kLeftEdge;
  } else if (dragged.right() != lastGeometry_.right()) {
    edges |= kRightEdge;
  }
  if (dragged.top() != lastGeometry_.top()) {
    edges |= kTopEdge;
  } else if (dragged.bottom() != lastGeometry_.bottom()) {
    edges |= kBottomEdge;
  }
  const TSnappedGrid snapped =
      SnapGridExtent(Grid->metrics(), presentExtent(), chrome(), dragged.size(), edges);
  ShownColumns = snapped.extent.shownColumns;
  ShownRows = snapped.extent.shownRows;
  firstColumn_ = snapped.extent.firstColumn;
  topRow_ = snapped.extent.topRow;
  Relayout(edges);
}

void TTableForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (relayingOut_ || snapPending_ || table() == nullptr || subWindow_ == nullptr ||
      !subWindow_->isVisible() || subWindow_->isMinimized() || subWindow_->isMaximized() ||
      subWindow_->geometry() == lastGeometry_) {
    return;
  }
  // Snapped once the child window has its dragged size, not inside its
  // resizing.
  snapPending_ = true;
  QTimer::singleShot(0, this, [this] {
    snapPending_ = false;
    snapToDraggedSize();
  });
}

// A moved child window keeps its size: the next drag compares with the
// moved rectangle. (The event type is tested first: the child window sends
// other events while it is being destroyed, when it is no QMdiSubWindow any
// more.)
bool TTableForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Move && !relayingOut_ && watched == subWindow_ &&
      subWindow_->size() == lastGeometry_.size()) {
    lastGeometry_ = subWindow_->geometry();
  }
  return QWidget::eventFilter(watched, event);
}
