// A column of whole numbers between Min and Max; new rows hold Default.
#pragma once

#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "core/grid_column.h"

class TIntColumn : public TColumn {
 public:
  using TColumn::TColumn;

  int Default = 0;
  int Min = std::numeric_limits<int>::min();
  int Max = std::numeric_limits<int>::max();

  int KindCode() const override;
  int GetInteger(int row) const override;
  // Stores the number in the row (in its whole group when GroupShared) and
  // reports each row whose number changes. Min and Max are not applied.
  void SetInteger(int row, int value) override;
  std::string GetText(int row) const override;
  // Evaluates the text and stores it rounded to the nearest integer. While
  // the table window is open the entry must have a fractional part of at
  // most 1e-10 ("Entry must be an integer.") and lie in Min..Max ("Entry
  // must be between Min and Max."); a result beyond the 32-bit range is
  // always refused ("Value must be an integer."). Refusals throw EGridError.
  void SetText(int row, const std::string& text) override;
  std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

 protected:
  void insertValues(int at, int count) override;
  void eraseValue(int row) override;
  void writeKindPart(TComponentWriter& out) const override;
  void readKindPart(TComponentReader& in) override;

 private:
  std::vector<int> values_;
};
