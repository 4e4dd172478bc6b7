// A table of typed values in columns (grid_column.h) that converts them
// between unit systems and streams its column definitions. A table cell
// (TTableColumn) holds a whole sub-table, owned by its column, whose owner
// is this table.
//
// Every table joins a process-wide list when created and leaves it when
// destroyed; identifiers are unique in that list. The list is not guarded
// for use from several threads.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/grid_column.h"

class TTableColumn;

class TGridTable {
 public:
  // The new table takes its owner's Units (else English, 1) and the next
  // free identifier of the process-wide counter.
  explicit TGridTable(TGridTable* owner = nullptr);
  ~TGridTable();
  TGridTable(const TGridTable&) = delete;
  TGridTable& operator=(const TGridTable&) = delete;

  std::string Comments;
  std::string Caption;
  std::string TopLeft;
  int MaxRows = 0;               // 0: no limit; kept for the table window
  bool HardwiredButton = false;  // kept, no effect
  // Fired after rows are added, inserted or deleted in groups and after a
  // change of unit system.
  std::function<void()> OnResize;
  // Fired after every value change, with the column and row.
  std::function<void(int column, int row)> OnCellChanged;
  // Finds the templates of this table's TTableColumns by identifier. When
  // empty, the owner's source is asked, and for a top-level table the
  // process-wide list (FindByIdentifier).
  std::function<TGridTable*(int identifier)> TemplateSource;

  TGridTable* Owner() const { return owner_; }
  int MinRows() const { return minRows_; }
  // Both throw EGridError "Value must be greater than 0" for n <= 0.
  void SetMinRows(int n);
  int RowGroup() const { return rowGroup_; }
  void SetRowGroup(int n);
  int Identifier() const { return identifier_; }
  // A table that holds `id` already gets this table's old identifier; a
  // negative id is ignored.
  void SetIdentifier(int id);
  int Units() const { return units_; }
  // Converts every column to `system` (1 English, 2 SI) and fires OnResize
  // when the system differs.
  void SetUnits(int system);

  int RowCount() const { return rowCount_; }
  // Cuts rows from the end of every column, or adds rows in groups of
  // RowGroup (the last one cut to fit), until there are max(n, 0).
  void SetRowCount(int n);
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  // Columns, VisibleColumns and Cells throw EGridError "Index out of
  // bounds" outside the table.
  TColumn& Columns(int i);
  const TColumn& Columns(int i) const;
  // The position of the column in this table; -1 when not one of its own.
  int ColumnIndex(const TColumn& column) const;
  int VisibleColumnCount() const;
  TColumn& VisibleColumns(int i);
  TData& Cells(int column, int row);
  // Appends a column of the kind with one cell per existing row.
  template <class Kind>
  Kind& AddColumn() {
    auto column = std::make_unique<Kind>(*this);
    Kind& added = *column;
    adoptColumn(std::move(column));
    return added;
  }

  // Rows go in and out in whole row groups: InsertRowGroup puts RowGroup
  // rows before the group of `row` (RowCount appends), DeleteRowGroup
  // removes the group of `row`. Both throw "Index out of bounds".
  void AddRowGroup();
  void InsertRowGroup(int row);
  void DeleteRowGroup(int row);

  // The own flag (set by every value change and by SetChanged(true)) or a
  // changed column, such as one with a changed sub-table. SetChanged(false)
  // clears the flag of this table and of all its sub-tables.
  bool Changed() const;
  void SetChanged(bool changed);
  bool WindowOpen() const { return windowOpen_; }
  void SetWindowOpen(bool open) { windowOpen_ = open; }

  // The row (1-based) of the parent table that holds this sub-table; 0 for
  // a top-level table.
  int RowIndex() const { return rowIndex_; }
  // The Caption, a blank, then a blank and the row index of each table from
  // the outermost down to this one that has one: "Sand Layer Data  3".
  std::string WindowCaption() const;
  // "3: Sand Layer Data": the row number and the caption of the sub-table
  // in the first table column (empty when the cell is).
  std::string ButtonCaption(int row) const;

  // Called by the columns for every value change: a new value in a first
  // column that is an enumeration rebuilds that row's sub-table in the
  // first table column; then OnCellChanged runs.
  void CellChanged(const TColumn& column, int row);
  // The template with the identifier, through TemplateSource (see there);
  // nullptr when there is none.
  TGridTable* FindTemplate(int identifier) const;
  // A new sub-table of `owner` for its row `rowIndex` (1-based): this
  // table's captions, comments, row limits, row group and a clone of each
  // column, with MinRows rows of new-row values in the owner's units.
  std::unique_ptr<TGridTable> CreateClone(TGridTable& owner, int rowIndex) const;

  // The column definitions in the column stream layout; values are not
  // written.
  void WriteColumns(TComponentWriter& out) const;
  // Replaces the columns by those of the stream, each with RowCount rows of
  // new-row values. On failure the table keeps its columns and EGridError
  // tells which column could not be read.
  void ReadColumns(TComponentReader& in);

  // The table of the process-wide list with the identifier, or nullptr.
  static TGridTable* FindByIdentifier(int id);

 private:
  friend class TTableColumn;  // keeps the row index of its sub-tables

  void adoptColumn(std::unique_ptr<TColumn> column);
  TTableColumn* firstTableColumn() const;

  TGridTable* owner_;
  std::vector<std::unique_ptr<TColumn>> columns_;
  int identifier_ = 0;
  int minRows_ = 1;
  int rowGroup_ = 1;
  int units_ = 1;
  int rowCount_ = 0;
  int rowIndex_ = 0;
  bool changed_ = false;
  bool windowOpen_ = false;
};
