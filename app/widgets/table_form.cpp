#include "widgets/table_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <map>
#include <vector>

#include "core/dialogs.h"
#include "core/display_lines.h"
#include "core/grid_table.h"
#include "core/grid_table_model.h"
#include "widgets/child_window_flags.h"
#include "widgets/grid_cell_delegate.h"

namespace {

// The most rows a window shows at first and grows to when rows are added.
constexpr int kMaxShownRows = 10;

std::map<const TGridTable*, TTableForm*>& openWindows() {
  static std::map<const TGridTable*, TTableForm*> windows;
  return windows;
}

// The window of a table shown on its own (modal, or without an MDI area):
// closing it, Escape included, asks the table window first.
class TTableDialog : public QDialog {
 public:
  TTableDialog(QWidget* parent, QWidget* form)
      : QDialog(parent, Qt::Dialog | kChildWindowFlags), form_(form) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(form);
  }

  void reject() override {
    if (form_ == nullptr || form_->close()) {
      QDialog::reject();
    }
  }

 private:
  QPointer<QWidget> form_;
};

}  // namespace

TTableForm* TTableForm::ShowWindow(TGridTable& table, QMdiArea* area, TDialogs& dialogs) {
  if (table.VisibleColumnCount() == 0) {
    return nullptr;
  }
  if (TTableForm* open = WindowOf(table)) {
    open->bringToFront();
    return open;
  }
  auto* form = new TTableForm(table, dialogs, nullptr);
  if (area != nullptr) {
    QMdiSubWindow* window = area->addSubWindow(form, kChildWindowFlags);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->installEventFilter(form);
    form->subWindow_ = window;
    connect(area, &QMdiArea::subWindowActivated, form,
            [form](QMdiSubWindow* active) { form->windowActivated(active); });
    form->setCaption();
    window->showNormal();
    form->fitExtentToArea();
    form->Relayout();
    area->setActiveSubWindow(window);
  } else {
    auto* dialog = new TTableDialog(nullptr, form);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    form->dialog_ = dialog;
    form->setCaption();
    form->fitExtentToArea();
    form->Relayout();
    dialog->show();
  }
  return form;
}

void TTableForm::ShowWindowModal(TGridTable& table, QWidget* parent, TDialogs& dialogs) {
  if (table.VisibleColumnCount() == 0) {
    return;
  }
  if (TTableForm* open = WindowOf(table)) {
    open->bringToFront();
    return;
  }
  auto* form = new TTableForm(table, dialogs, nullptr);
  // exec deletes a dialog that has WA_DeleteOnClose when it returns.
  auto* dialog = new TTableDialog(parent, form);
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  form->dialog_ = dialog;
  form->modal_ = true;
  form->setCaption();
  form->fitExtentToArea();
  form->Relayout();
  dialog->exec();
}

void TTableForm::CloseWindow(TGridTable& table) {
  if (TTableForm* form = WindowOf(table)) {
    form->closeForced();
  }
}

bool TTableForm::HasWindow(const TGridTable& table) {
  return WindowOf(table) != nullptr;
}

TTableForm* TTableForm::WindowOf(const TGridTable& table) {
  const auto found = openWindows().find(&table);
  return found != openWindows().end() ? found->second : nullptr;
}

bool TTableForm::FormDeactivate() {
  if (table() == nullptr) {
    return true;
  }
  if (CommitCell()) {
    return true;
  }
  keepFocus();
  return false;
}

TTableForm::TTableForm(TGridTable& table, TDialogs& dialogs, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), key_(&table) {
  if (table.RowCount() < table.MinRows()) {
    table.SetRowCount(table.MinRows());
  }
  table.SetWindowOpen(true);
  openWindows()[&table] = this;
  model_ = new TGridTableModel(table, this);
  createWidgets();
  ShownColumns = table.VisibleColumnCount();
  ShownRows = std::min(table.RowCount(), kMaxShownRows);
  Rebuild();
}

TTableForm::~TTableForm() {
  detach();
}

QString TTableForm::TableCaption() const {
  const TGridTable* shown = table();
  return shown != nullptr ? QString::fromStdString(shown->Caption) : QString();
}

TGridTable* TTableForm::table() const {
  return model_ != nullptr ? model_->Table() : nullptr;
}

void TTableForm::createWidgets() {
  const TGridTable& shown = *table();
  margin_ = logicalDpiX() / 20;

  delegate_ = new TGridCellDelegate(this);
  Grid = new TGridView(this);
  Grid->setObjectName(QStringLiteral("Grid"));
  Grid->setItemDelegate(delegate_);
  Grid->setModel(model_);
  Grid->OnSelectCell = [this](const QModelIndex& target) { return GridSelectCell(target); };
  Grid->setTopLeft(QString::fromStdString(shown.TopLeft));

  const auto makeButton = [this](const QString& text, const QString& name,
                                 void (TTableForm::*click)()) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    // A click leaves the focus in the grid; the command commits the cell.
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, click] { (this->*click)(); });
    buttonSize_ = buttonSize_.expandedTo(button->sizeHint());
    return button;
  };
  BtnAdd = makeButton(tr("&Add Row"), QStringLiteral("BtnAdd"), &TTableForm::BtnAddClick);
  BtnIns = makeButton(tr("&Insert Row"), QStringLiteral("BtnIns"), &TTableForm::BtnInsClick);
  BtnDel = makeButton(tr("&Delete Row"), QStringLiteral("BtnDel"), &TTableForm::BtnDelClick);

  lblComments = new QLabel(this);
  lblComments->setObjectName(QStringLiteral("lblComments"));
  lblComments->setTextFormat(Qt::PlainText);
  lblComments->setWordWrap(true);
  lblComments->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  lblComments->setText(DisplayLines(shown.Comments));
  lblComments->setVisible(!shown.Comments.empty());

  connect(delegate_, &TGridCellDelegate::enterPressed, this, &TTableForm::GridEnter);
  connect(delegate_, &TGridCellDelegate::escapePressed, this, &TTableForm::GridEscape);
  connect(delegate_, &TGridCellDelegate::tabPressed, this, &TTableForm::GridTab);
  connect(delegate_, &TGridCellDelegate::editorLeft, this, &TTableForm::GridExit);
  connect(delegate_, &TGridCellDelegate::itemChosen, this, &TTableForm::ListItemChosen);
  connect(delegate_, &TGridCellDelegate::buttonClicked, this, &TTableForm::CellButtonClick);
  connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
    resetting_ = true;
    const QModelIndex current = Grid->currentIndex();
    if (current.isValid()) {
      savedRow_ = current.row();
      savedColumn_ = current.column();
    }
  });
  connect(model_, &TGridTableModel::tableResized, this, &TTableForm::Rebuild);
  connect(model_, &TGridTableModel::tableDestroyed, this, &TTableForm::tableGone);
  connect(Grid->horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
    if (!relayingOut_ && !resetting_) {
      firstColumn_ = value;
    }
  });
  connect(Grid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
    if (!relayingOut_ && !resetting_) {
      topRow_ = value;
    }
  });
}

void TTableForm::setCaption() {
  const TGridTable* shown = table();
  if (shown == nullptr) {
    return;
  }
  const QString caption = QString::fromStdString(shown->WindowCaption());
  setWindowTitle(caption);
  if (subWindow_ != nullptr) {
    subWindow_->setWindowTitle(caption);
  }
  if (dialog_ != nullptr) {
    dialog_->setWindowTitle(caption);
  }
}

// Column widths, header sizes, cell controls and row buttons from the
// table as it is now; then the window's layout.
void TTableForm::Rebuild() {
  TGridTable* shown = table();
  if (shown == nullptr) {
    return;
  }
  const int columns = shown->VisibleColumnCount();
  const int rows = shown->RowCount();
  ShownColumns = std::min(ShownColumns, columns);
  ShownRows = std::min(ShownRows, rows);

  Grid->fitSections(logicalDpiX());
  Grid->openCellControls();
  std::vector<QWidget*> tabOrder{Grid};
  for (QWidget* control : Grid->cellControls()) {
    tabOrder.push_back(control);
  }
  const bool rowButtons = shown->MinRows() != shown->MaxRows;
  for (QPushButton* button : {BtnAdd, BtnIns, BtnDel}) {
    button->setVisible(rowButtons);
    tabOrder.push_back(button);
  }
  BtnAdd->setEnabled(rows != shown->MaxRows);
  BtnIns->setEnabled(rows != shown->MaxRows);
  BtnDel->setEnabled(shown->MinRows() < rows);
  for (std::size_t i = 1; i < tabOrder.size(); ++i) {
    setTabOrder(tabOrder[i - 1], tabOrder[i]);
  }

  fitExtentToArea();
  Relayout();
  resetting_ = false;
  ensureCurrentCell();
}

// Stores the current cell's text through its column; a refused entry is
// shown (once, for leaving and deactivating: quietOnRepeat) and answers
// false. Every commit marks the table changed.
bool TTableForm::CommitCell(bool quietOnRepeat) {
  TGridTable* shown = table();
  const QModelIndex current = Grid->currentIndex();
  if (shown == nullptr || !current.isValid() || current.row() >= shown->RowCount()) {
    return true;
  }
  shown->SetChanged(true);
  if (model_->ControlOf(current.column()) != TCellControl::kNone) {
    return true;
  }
  const QString text = editText(current);
  if (quietOnRepeat && refused_.row == current.row() && refused_.column == current.column() &&
      refused_.text == text) {
    return false;
  }
  const QString message = model_->commitText(current.row(), current.column(), text);
  if (message.isEmpty()) {
    refused_ = Refusal();
    model_->refreshTexts();
    return true;
  }
  refused_ = {current.row(), current.column(), text};
  dialogs_.Information(message);
  return false;
}

// Asked before the current cell moves: cells under lists and buttons are
// not selected, and the cell left must commit first.
bool TTableForm::GridSelectCell(const QModelIndex& target) {
  if (table() == nullptr || !target.isValid() ||
      model_->ControlOf(target.column()) != TCellControl::kNone) {
    return false;
  }
  return CommitCell();
}

QString TTableForm::editText(const QModelIndex& cell) const {
  if (const auto* edit = qobject_cast<const QLineEdit*>(Grid->indexWidget(cell))) {
    return edit->text();
  }
  return cell.data(Qt::EditRole).toString();
}

// The first column from `from` on that has no cell controls, wrapping
// round to column 0; -1 when there is none.
int TTableForm::firstSelectableColumn(int from) const {
  const int columns = model_->columnCount();
  for (int step = 0; step < columns; ++step) {
    const int column = (from + step) % columns;
    if (model_->ControlOf(column) == TCellControl::kNone) {
      return column;
    }
  }
  return -1;
}

// After showing and after every rebuild the grid has a current cell, with
// its editor open once the grid is visible.
void TTableForm::ensureCurrentCell() {
  const TGridTable* shown = table();
  if (shown == nullptr || shown->RowCount() == 0) {
    return;
  }
  QModelIndex current = Grid->currentIndex();
  if (!current.isValid()) {
    const int column = firstSelectableColumn(std::max(savedColumn_, 0));
    if (column < 0) {
      return;
    }
    Grid->setCurrentIndex(model_->index(std::clamp(savedRow_, 0, shown->RowCount() - 1), column));
    current = Grid->currentIndex();
  }
  if (current.isValid() && Grid->isVisible() && Grid->indexWidget(current) == nullptr) {
    Grid->edit(current);
  }
}

void TTableForm::focusEditor() {
  if (QWidget* editor = Grid->indexWidget(Grid->currentIndex())) {
    editor->setFocus();
  } else {
    Grid->setFocus();
  }
}

// After a refused commit on leaving or deactivating: the window comes back
// to the front with the focus in the cell (not for a modal window, which
// cannot be left anyway).
void TTableForm::keepFocus() {
  if (modal_) {
    return;
  }
  QTimer::singleShot(0, this, [this] {
    if (table() == nullptr) {
      return;
    }
    bringToFront();
    focusEditor();
  });
}

void TTableForm::bringToFront() {
  if (subWindow_ != nullptr) {
    if (subWindow_->isMinimized()) {
      subWindow_->showNormal();
    }
    if (QMdiArea* area = subWindow_->mdiArea()) {
      area->setActiveSubWindow(subWindow_);
    }
  } else if (dialog_ != nullptr) {
    dialog_->show();
    dialog_->raise();
    dialog_->activateWindow();
  }
}

// Enter moves down one row; from the last row to the first row of the next
// column without cell controls, from the last column to the first.
void TTableForm::GridEnter() {
  const QModelIndex current = Grid->currentIndex();
  if (table() == nullptr || !current.isValid()) {
    return;
  }
  QModelIndex target = model_->index(current.row() + 1, current.column());
  if (!target.isValid()) {
    const int column = firstSelectableColumn(current.column() + 1);
    target = model_->index(0, column);
  }
  if (target == current) {
    CommitCell();
    return;
  }
  Grid->setCurrentIndex(target);
}

// Escape puts the stored text back into the editor.
void TTableForm::GridEscape() {
  const QModelIndex current = Grid->currentIndex();
  if (QWidget* editor = Grid->indexWidget(current)) {
    delegate_->setEditorData(editor, current);
  }
}

// Tab leaves the grid for the nearest list or button of the current row
// in its direction, and forwards from the last one for the row buttons.
void TTableForm::GridTab(bool forward) {
  const QModelIndex current = Grid->currentIndex();
  if (table() == nullptr || !current.isValid() || !CommitCell()) {
    return;
  }
  std::vector<QWidget*> targets;
  const int step = forward ? 1 : -1;
  for (int column = current.column() + step; column >= 0 && column < model_->columnCount();
       column += step) {
    if (QWidget* control = Grid->cellControl(current.row(), column)) {
      targets.push_back(control);
    }
  }
  for (QPushButton* button : {BtnAdd, BtnIns, BtnDel}) {
    if (forward && button->isVisible() && button->isEnabled()) {
      targets.push_back(button);
    }
  }
  if (!targets.empty()) {
    targets.front()->setFocus(Qt::TabFocusReason);
  }
}

void TTableForm::GridExit() {
  if (table() == nullptr || resetting_) {
    return;
  }
  if (!CommitCell(true)) {
    keepFocus();
  }
}

void TTableForm::windowActivated(QMdiSubWindow* window) {
  if (window == nullptr) {
    return;  // the whole program lost the focus
  }
  if (window == subWindow_) {
    wasActive_ = true;
    return;
  }
  if (wasActive_) {
    wasActive_ = false;
    if (table() != nullptr && !CommitCell(true)) {
      keepFocus();
    }
  }
}

void TTableForm::BtnAddClick() {
  TGridTable* shown = table();
  if (shown == nullptr || !CommitCell()) {
    return;
  }
  if (ShownRows >= shown->RowCount()) {
    ShownRows = std::min(ShownRows + shown->RowGroup(), kMaxShownRows);
  }
  shown->SetChanged(true);
  const int firstNewRow = shown->RowCount();
  model_->addRowGroup();
  // The current cell moves to the first new row, which scrolls into view.
  savedRow_ = firstNewRow;
  topRow_ = std::max(topRow_, shown->RowCount() - ShownRows);
  Rebuild();
}

void TTableForm::BtnInsClick() {
  TGridTable* shown = table();
  int row = 0;
  if (shown == nullptr || !rowCommandAllowed(row)) {
    return;
  }
  if (ShownRows >= shown->RowCount()) {
    ShownRows = std::min(ShownRows + shown->RowGroup(), kMaxShownRows);
  }
  model_->insertRowGroup(row);
  Rebuild();
  refreshCaptions();
}

void TTableForm::BtnDelClick() {
  TGridTable* shown = table();
  int row = 0;
  if (shown == nullptr || !rowCommandAllowed(row)) {
    return;
  }
  model_->deleteRowGroup(row);
  Rebuild();
  refreshCaptions();
}

// Insert and delete act on the current row, which must lie in the table;
// the cell is committed and the table marked changed first.
bool TTableForm::rowCommandAllowed(int& row) {
  if (!CommitCell()) {
    return false;
  }
  row = Grid->currentIndex().row();
  if (row < 0 || row >= table()->RowCount()) {
    dialogs_.Information(QStringLiteral("Grid.Row not in valid range"));
    return false;
  }
  table()->SetChanged(true);
  return true;
}

void TTableForm::ListItemChosen(int row, int column, int item) {
  TGridTable* shown = table();
  if (shown == nullptr) {
    return;
  }
  if (!CommitCell()) {
    model_->refreshTexts();  // the list shows the stored item again
    return;
  }
  shown->SetChanged(true);
  model_->chooseItem(row, column, item);
}

void TTableForm::CellButtonClick(int row, int column) {
  if (table() == nullptr || !CommitCell()) {
    return;
  }
  TGridTable* subTable = model_->SubTable(row, column);
  if (subTable == nullptr) {
    return;
  }
  if (modal_) {
    ShowWindowModal(*subTable, window(), dialogs_);
  } else {
    ShowWindow(*subTable, subWindow_ != nullptr ? subWindow_->mdiArea() : nullptr, dialogs_);
  }
}

void TTableForm::closeEvent(QCloseEvent* event) {
  if (table() == nullptr) {
    event->accept();
    return;
  }
  // A forced close (CloseWindow) stores a valid pending entry and drops a
  // refused one after showing why.
  if (!CommitCell() && !forcedClose_) {
    event->ignore();
    focusEditor();
    return;
  }
  detach();
  event->accept();
}

void TTableForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  ensureCurrentCell();
}

void TTableForm::closeForced() {
  forcedClose_ = true;
  if (subWindow_ != nullptr) {
    subWindow_->close();
  } else if (dialog_ != nullptr) {
    dialog_->close();
  }
}

// The table was destroyed: the window closes without touching it.
void TTableForm::tableGone() {
  detach();
  closeForced();
}

void TTableForm::detach() {
  if (!registered_) {
    return;
  }
  registered_ = false;
  openWindows().erase(key_);
  if (TGridTable* shown = table()) {
    shown->SetWindowOpen(false);
  }
  model_->release();
}

// Row numbers of sub-tables change when rows are inserted or deleted above
// them; their windows' captions follow.
void TTableForm::refreshCaptions() {
  for (const auto& [table, form] : openWindows()) {
    form->setCaption();
  }
}
