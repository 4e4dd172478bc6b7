#include "widgets/grid_cell_delegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPersistentModelIndex>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <algorithm>

#include "widgets/menu_text.h"

namespace {

// Rows shown by an open drop-down list.
constexpr int kDroppedItems = 11;

TCellControl controlOf(const QModelIndex& index) {
  return static_cast<TCellControl>(index.data(TGridTableModel::kControlRole).toInt());
}

// Lets the grid's OnSelectCell refuse a change of the current cell, whatever
// asks for it: keys, the mouse or the program.
class TGridSelectionModel : public QItemSelectionModel {
 public:
  TGridSelectionModel(QAbstractItemModel* model, TGridView& view)
      : QItemSelectionModel(model, &view), view_(view) {}

  void setCurrentIndex(const QModelIndex& index, SelectionFlags command) override {
    if (index.isValid() && index != currentIndex() && view_.OnSelectCell &&
        !view_.OnSelectCell(index)) {
      return;
    }
    QItemSelectionModel::setCurrentIndex(index, command);
  }

 private:
  TGridView& view_;
};

}  // namespace

TGridCellDelegate::TGridCellDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

QWidget* TGridCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const {
  // The signals belong to the delegate, not to the const editor factory.
  auto* self = const_cast<TGridCellDelegate*>(this);
  const QPersistentModelIndex cell(index);
  switch (controlOf(index)) {
    case TCellControl::kDropDown: {
      auto* list = new QComboBox(parent);
      list->addItems(index.data(TGridTableModel::kItemsRole).toStringList());
      list->setMaxVisibleItems(kDroppedItems);
      // Clicking a list leaves the typed cell's editor its focus; the window
      // commits that cell before it takes the chosen item.
      list->setFocusPolicy(Qt::TabFocus);
      connect(list, &QComboBox::activated, self, [self, cell](int item) {
        if (cell.isValid()) {
          emit self->itemChosen(cell.row(), cell.column(), item + 1);
        }
      });
      return list;
    }
    case TCellControl::kButton: {
      auto* button = new QPushButton(parent);
      button->setFocusPolicy(Qt::TabFocus);
      button->setAutoDefault(false);
      connect(button, &QPushButton::clicked, self, [self, cell] {
        if (cell.isValid()) {
          emit self->buttonClicked(cell.row(), cell.column());
        }
      });
      return button;
    }
    case TCellControl::kNone:
      break;
  }
  auto* edit = new QLineEdit(parent);
  edit->setFrame(false);
  return edit;
}

void TGridCellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* list = qobject_cast<QComboBox*>(editor)) {
    const QSignalBlocker quiet(list);
    list->setCurrentIndex(index.data(TGridTableModel::kItemNumberRole).toInt() - 1);
  } else if (auto* button = qobject_cast<QPushButton*>(editor)) {
    // A caption is plain text: "&" is no mnemonic here.
    button->setText(PlainMenuText(index.data(TGridTableModel::kButtonCaptionRole).toString()));
  } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
    edit->setText(index.data(Qt::EditRole).toString());
  }
}

void TGridCellDelegate::setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const {}

void TGridCellDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                             const QModelIndex& index) const {
  if (qobject_cast<QLineEdit*>(editor) != nullptr) {
    QStyledItemDelegate::updateEditorGeometry(editor, option, index);
  } else {
    editor->setGeometry(option.rect);
  }
}

bool TGridCellDelegate::eventFilter(QObject* object, QEvent* event) {
  auto* edit = qobject_cast<QLineEdit*>(object);
  if (edit == nullptr) {
    return false;
  }
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0) {
      return false;
    }
    switch (key->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        emit enterPressed();
        return true;
      case Qt::Key_Escape:
        emit escapePressed();
        return true;
      case Qt::Key_Tab:
        emit tabPressed(true);
        return true;
      case Qt::Key_Backtab:
        emit tabPressed(false);
        return true;
      default:
        return false;
    }
  }
  if (event->type() == QEvent::FocusOut) {
    // A popup (the editor's own menu, a dropped list) or another top-level
    // window taking the focus is no leaving of the grid; the window's
    // deactivation is handled by the window.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason) {
      return false;
    }
    QWidget* now = QApplication::focusWidget();
    QWidget* viewport = edit->parentWidget();
    QWidget* grid = viewport != nullptr ? viewport->parentWidget() : nullptr;
    if (now != nullptr && now != viewport && now != grid && !edit->isAncestorOf(now)) {
      emit editorLeft();
    }
  }
  return false;
}

TGridView::TGridView(QWidget* parent) : QTableView(parent) {
  // The current cell is marked by its open editor; a selection would only
  // compete with it.
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  setTabKeyNavigation(false);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
    header->setSectionsClickable(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setHighlightSections(false);
  }
  verticalHeader()->setMinimumSectionSize(1);
  // The view paints its corner as an empty header section; the TopLeft text
  // is painted over it.
  corner_ = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
  if (corner_ != nullptr) {
    corner_->installEventFilter(this);
  }
}

void TGridView::setModel(QAbstractItemModel* model) {
  QTableView::setModel(model);
  if (model != nullptr) {
    QItemSelectionModel* created = selectionModel();
    setSelectionModel(new TGridSelectionModel(model, *this));
    delete created;
  }
}

void TGridView::setTopLeft(const QString& text) {
  topLeft_ = text;
  if (corner_ != nullptr) {
    corner_->update();
  }
}

void TGridView::fitSections(int pixelsPerInch) {
  const TGridTableModel* shown = table();
  if (shown == nullptr) {
    return;
  }
  QComboBox probeList;
  probeList.setSizeAdjustPolicy(QComboBox::AdjustToContents);  // no cached size hint
  QPushButton probeButton;
  QLineEdit probeEdit;
  // A cell control covers its section less the grid line: a row is as tall
  // as the tallest control wants to be, plus that line.
  const int gridLine = showGrid() ? 1 : 0;
  int controlHeight = fontMetrics().height();
  for (QWidget* probe : std::initializer_list<QWidget*>{&probeList, &probeButton, &probeEdit}) {
    probe->setFont(font());
    controlHeight = std::max(controlHeight, probe->sizeHint().height());
  }
  verticalHeader()->setDefaultSectionSize(controlHeight + gridLine);

  const QFontMetrics metrics(font());
  for (int column = 0; column < shown->columnCount(); ++column) {
    const QStringList texts = shown->ControlTexts(column);
    int controls = 0;
    if (shown->ControlOf(column) == TCellControl::kDropDown) {
      probeList.clear();
      probeList.addItems(texts);
      controls = probeList.sizeHint().width() + gridLine;
    } else if (shown->ControlOf(column) == TCellControl::kButton) {
      for (const QString& text : texts) {
        probeButton.setText(text);
        controls = std::max(controls, probeButton.sizeHint().width() + gridLine);
      }
    }
    horizontalHeader()->resizeSection(
        column, std::max({GridColumnMinWidth(shown->Column(column), metrics, pixelsPerInch),
                          horizontalHeader()->sectionSizeHint(column), controls}));
  }
  headerHeight_ = horizontalHeader()->sizeHint().height();
  horizontalHeader()->setFixedHeight(headerHeight_);

  QStyleOptionHeader corner;
  corner.initFrom(this);
  corner.text = topLeft_;
  const int cornerWidth =
      style()->sizeFromContents(QStyle::CT_HeaderSection, &corner, QSize(), this).width();
  rowColumnWidth_ =
      std::max({metrics.horizontalAdvance(topLeft_ + QLatin1String("  ")), pixelsPerInch / 3,
                cornerWidth, verticalHeader()->sizeHint().width()});
  verticalHeader()->setFixedWidth(rowColumnWidth_);
}

void TGridView::openCellControls() {
  const TGridTableModel* shown = table();
  for (int row = 0; shown != nullptr && row < shown->rowCount(); ++row) {
    for (int column = 0; column < shown->columnCount(); ++column) {
      if (shown->ControlOf(column) != TCellControl::kNone) {
        openPersistentEditor(shown->index(row, column));
      }
    }
  }
}

QWidget* TGridView::cellControl(int row, int column) const {
  const TGridTableModel* shown = table();
  if (shown == nullptr || column < 0 || column >= shown->columnCount() ||
      shown->ControlOf(column) == TCellControl::kNone) {
    return nullptr;
  }
  return indexWidget(shown->index(row, column));
}

std::vector<QWidget*> TGridView::cellControls() const {
  std::vector<QWidget*> controls;
  const int rows = model() != nullptr ? model()->rowCount() : 0;
  const int columns = model() != nullptr ? model()->columnCount() : 0;
  for (int row = 0; row < rows; ++row) {
    for (int column = 0; column < columns; ++column) {
      if (QWidget* control = cellControl(row, column)) {
        controls.push_back(control);
      }
    }
  }
  return controls;
}

TGridMetrics TGridView::metrics() const {
  TGridMetrics metrics;
  metrics.fixedWidth = rowColumnWidth_;
  const int columns = model() != nullptr ? model()->columnCount() : 0;
  for (int column = 0; column < columns; ++column) {
    metrics.columnWidths.push_back(horizontalHeader()->sectionSize(column));
  }
  metrics.headerHeight = headerHeight_;
  metrics.rowHeight = verticalHeader()->defaultSectionSize();
  metrics.rowCount = model() != nullptr ? model()->rowCount() : 0;
  metrics.frame = frameWidth();
  metrics.verticalBarWidth = verticalScrollBar()->sizeHint().width();
  metrics.horizontalBarHeight = horizontalScrollBar()->sizeHint().height();
  return metrics;
}

QSize TGridView::showExtent(const TGridExtent& extent) {
  const TGridMetrics metrics = this->metrics();
  const QSize size = GridSize(metrics, extent);
  setVerticalScrollBarPolicy(extent.shownRows < metrics.rowCount ? Qt::ScrollBarAlwaysOn
                                                                 : Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(extent.shownColumns < static_cast<int>(metrics.columnWidths.size())
                                   ? Qt::ScrollBarAlwaysOn
                                   : Qt::ScrollBarAlwaysOff);
  resize(size);
  horizontalScrollBar()->setValue(extent.firstColumn);
  verticalScrollBar()->setValue(extent.topRow);
  return size;
}

bool TGridView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != corner_ || event->type() != QEvent::Paint) {
    return QTableView::eventFilter(watched, event);
  }
  QStylePainter painter(corner_);
  QStyleOptionHeader option;
  option.initFrom(corner_);
  // The corner is disabled (it would select all); its text is not.
  option.state |= QStyle::State_Enabled | QStyle::State_Raised;
  option.palette.setCurrentColorGroup(QPalette::Active);
  option.rect = corner_->rect();
  option.position = QStyleOptionHeader::OnlyOneSection;
  option.orientation = Qt::Horizontal;
  option.textAlignment = Qt::AlignLeft | Qt::AlignTop;
  option.text = topLeft_;
  painter.drawControl(QStyle::CE_Header, option);
  return true;
}

QModelIndex TGridView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  const QModelIndex current = currentIndex();
  if (!current.isValid() || model() == nullptr) {
    return QTableView::moveCursor(action, modifiers);
  }
  const int lastRow = model()->rowCount() - 1;
  const int lastColumn = model()->columnCount() - 1;
  const bool control = (modifiers & Qt::ControlModifier) != 0;
  int row = current.row();
  int column = current.column();
  switch (action) {
    case MoveLeft:
    case MovePrevious:
      column = selectableColumn(column - 1, -1);
      break;
    case MoveRight:
    case MoveNext:
      column = selectableColumn(column + 1, 1);
      break;
    case MoveHome:
      column = selectableColumn(0, 1);
      row = control ? 0 : row;
      break;
    case MoveEnd:
      column = selectableColumn(lastColumn, -1);
      row = control ? lastRow : row;
      break;
    default:
      return QTableView::moveCursor(action, modifiers);
  }
  return column < 0 ? current : model()->index(row, column);
}

void TGridView::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  const QModelIndex current = currentIndex();
  if (!current.isValid() || !selectable(current.column())) {
    return;
  }
  if (QWidget* editor = indexWidget(current)) {
    editor->setFocus();
  } else {
    edit(current);
  }
}

void TGridView::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() != Qt::NoButton) {
    event->accept();
    return;
  }
  QTableView::mouseMoveEvent(event);
}

const TGridTableModel* TGridView::table() const {
  return qobject_cast<const TGridTableModel*>(model());
}

bool TGridView::selectable(int column) const {
  const TGridTableModel* shown = table();
  return shown != nullptr && shown->Table() != nullptr && column >= 0 &&
         column < shown->columnCount() && shown->ControlOf(column) == TCellControl::kNone;
}

int TGridView::selectableColumn(int column, int step) const {
  const int count = model() != nullptr ? model()->columnCount() : 0;
  for (; column >= 0 && column < count; column += step) {
    if (selectable(column)) {
      return column;
    }
  }
  return -1;
}
