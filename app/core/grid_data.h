// The handle of one cell of a grid table column. Its column owns it and
// keeps its row equal to its position in the column; every access goes to
// the column, which holds the value.
#pragma once

#include <string>

#include "core/number_text.h"

class TColumn;
class TGridTable;

class TData {
 public:
  TData(TColumn& column, int row) : column_(&column), row_(row) {}
  TData(const TData&) = delete;
  TData& operator=(const TData&) = delete;

  TColumn& Column() const { return *column_; }
  int Row() const { return row_; }

  // The sub-table of a table cell; nullptr for an empty one. Throws
  // EInvalidCast "Data of wrong type" for a cell of any other kind.
  TGridTable* AsTable() const;
  // Throw EInvalidCast "Data of wrong type" where the column holds no such
  // value; the text forms work for every kind.
  Extended AsFloat() const;
  int AsInteger() const;
  std::string AsText() const;
  void SetFloat(Extended value);
  void SetInteger(int value);
  // Evaluates or stores the typed text as the column kind does; see there.
  void SetText(const std::string& text);

 private:
  friend class TColumn;

  TColumn* column_;
  int row_;
};
