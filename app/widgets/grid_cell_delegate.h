// The grid of a table window and its cell widgets, over a TGridTableModel
// (grid_table_model.h):
// - TGridCellDelegate makes the editors: a frameless line editor for typed
//   cells, a drop-down list for enumeration cells and a push button for
//   sub-table cells (the last two shown for good as persistent editors). It
//   stores nothing itself: it reports the user's actions as signals and the
//   window commits them.
// - TGridView is the grid: every change of its current cell is first asked
//   of OnSelectCell, which may refuse it; keyboard moves pass over the columns
//   with cell controls. It sizes its rows, columns and headers to the table
//   and shows an extent of whole columns and rows.
#pragma once

#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>
#include <vector>

#include "core/grid_table_model.h"

class QAbstractButton;

class TGridCellDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit TGridCellDelegate(QObject* parent = nullptr);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  // Shows the cell's stored text, item or button caption.
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  // Nothing: typed text is committed by the window (moving, Enter, leaving,
  // closing), and the lists and buttons report through the signals.
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;

 signals:
  // Keys in the line editor.
  void enterPressed();
  void escapePressed();
  void tabPressed(bool forward);
  // The focus went from the line editor to a widget outside the grid.
  void editorLeft();
  // The user chose item `item` (1-based) in the drop-down list of a cell.
  void itemChosen(int row, int column, int item);
  void buttonClicked(int row, int column);

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;
};

class TGridView : public QTableView {
 public:
  explicit TGridView(QWidget* parent = nullptr);

  // Asked before the current cell moves to another one; false keeps it.
  std::function<bool(const QModelIndex& target)> OnSelectCell;

  // Also installs the selection model that asks OnSelectCell. The model must
  // be a TGridTableModel.
  void setModel(QAbstractItemModel* model) override;

  // The text of the corner above the row numbers: the table's TopLeft.
  void setTopLeft(const QString& text);
  // Sizes the sections to the table: rows as tall as the tallest cell
  // widget wants, plus the grid line; each column as wide as GridColumnMinWidth, its header lines
  // and its cell controls' texts ask; the header as high as its lines; the row column as wide as
  // the corner text with two blanks, at least a third of an inch.
  void fitSections(int pixelsPerInch);
  // Opens the drop-down lists and buttons of every row (persistent editors).
  void openCellControls();
  // The list or button of a cell; nullptr for a cell without one.
  QWidget* cellControl(int row, int column) const;
  // All lists and buttons, row by row.
  std::vector<QWidget*> cellControls() const;
  TGridMetrics metrics() const;
  // Takes the size that shows `extent` (scroll bars where not everything
  // shows) and scrolls to its first column and top row. Returns the size.
  QSize showExtent(const TGridExtent& extent);

 protected:
  // Paints the corner with the TopLeft text.
  bool eventFilter(QObject* watched, QEvent* event) override;
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  // Gives the focus to the current cell's editor.
  void focusInEvent(QFocusEvent* event) override;
  // Dragging with a button held does not move the current cell.
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  const TGridTableModel* table() const;
  bool selectable(int column) const;
  // The nearest column from `column` in `step` direction (+1 or -1) that
  // can be selected; -1 for none.
  int selectableColumn(int column, int step) const;

  QAbstractButton* corner_ = nullptr;
  QString topLeft_;
  int rowColumnWidth_ = 0;
  int headerHeight_ = 0;
};
