// A column of a grid table: its header lines and one cell per row of the
// table. The column owns its cell handles (TData) and the values behind
// them; the kinds (enumeration, integer, float, string, table) hold the
// values and say how text is read and shown. Every value change is sent to
// the table with the column and row (TGridTable::CellChanged).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/grid_data.h"
#include "core/number_text.h"

class TComponentReader;
class TComponentWriter;
class TGridTable;

class TColumn {
 public:
  explicit TColumn(TGridTable& table) : table_(&table) {}
  virtual ~TColumn();
  TColumn(const TColumn&) = delete;
  TColumn& operator=(const TColumn&) = delete;

  std::vector<std::string> Header;  // one line per header row
  bool Visible = true;
  // A value set in one row is set in every row of its row group.
  bool GroupShared = false;

  TGridTable& Table() const { return *table_; }
  int RowCount() const { return static_cast<int>(cells_.size()); }
  // Throws EGridError "Index out of bounds" outside 0..RowCount-1.
  TData& Cell(int row) const;
  // The code of the column kind in the column registry.
  virtual int KindCode() const = 0;

  // Adds `count` rows before row `at` (0..RowCount) with the kind's new-row
  // values; DeleteRow removes one. Both throw "Index out of bounds".
  void InsertRows(int at, int count);
  void DeleteRow(int row);
  int HeaderLineCount() const { return static_cast<int>(Header.size()); }
  virtual std::string HeaderLine(int i) const;

  // The base versions throw EInvalidCast "Data of wrong type"; the text
  // forms are empty and ignored.
  virtual TGridTable* GetTable(int row) const;
  virtual Extended GetFloat(int row) const;
  virtual void SetFloat(int row, Extended value);
  virtual int GetInteger(int row) const;
  virtual void SetInteger(int row, int value);
  virtual std::string GetText(int row) const;
  virtual void SetText(int row, const std::string& text);

  virtual bool IsChanged() const { return false; }
  virtual void ResetChanged() {}
  int GroupSize() const;
  // Converts the stored values from the table's unit system to `system`.
  virtual void SetUnits(int) {}
  // A column of the same kind for `table` with this column's header, flags
  // and kind settings, and no rows.
  virtual std::unique_ptr<TColumn> Clone(TGridTable& table) const = 0;

  // The column definition: kind code, header lines, Visible, GroupShared,
  // then the kind's own part.
  void WriteStream(TComponentWriter& out) const;
  // Reads what WriteStream wrote into a new column of `table` (with no
  // rows). Throws EGridError "Error Column Class not defined" for an
  // unknown kind code and EReadError for unreadable values. Defined with
  // the kind registry in grid_column_registry.cpp.
  static std::unique_ptr<TColumn> CreateFromStream(TComponentReader& in, TGridTable& table);

 protected:
  virtual void insertValues(int at, int count) = 0;
  virtual void eraseValue(int row) = 0;
  virtual void writeKindPart(TComponentWriter& out) const = 0;
  virtual void readKindPart(TComponentReader& in) = 0;

  void copyBaseTo(TColumn& clone) const;
  void checkRow(int row) const;
  // The first row and the end of the rows that a value set in `row` goes
  // to: the whole row group for a group-shared column, else `row` alone.
  int sharedFirst(int row) const;
  int sharedEnd(int row) const;
  void reportChange(int row);

 private:
  TGridTable* table_;
  std::vector<std::unique_ptr<TData>> cells_;
};
