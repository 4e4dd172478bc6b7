// A column whose cells choose one of its Items by its 1-based number. New
// rows hold 1; numbers outside 1..Items.size() are kept as they are.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/grid_column.h"

class TEnumColumn : public TColumn {
 public:
  using TColumn::TColumn;

  std::vector<std::string> Items;

  int KindCode() const override;
  int GetInteger(int row) const override;
  // Stores the number in the row (in its whole group when GroupShared) and
  // reports each row whose number changes.
  void SetInteger(int row, int value) override;
  // The number as decimal text.
  std::string GetText(int row) const override;
  // Evaluates the text; the result must be a whole number in the 32-bit
  // range, else EGridError "Value must be an integer.".
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
