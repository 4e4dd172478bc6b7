// A column whose cell in each row holds a whole sub-table, cloned from the
// template that the row's soil type (the value of the table's first
// column, an enumeration) chooses: Templates holds one template identifier
// per item, -1 for none. The column owns its sub-tables; a cell without a
// template is empty.
#pragma once

#include <memory>
#include <vector>

#include "core/grid_column.h"

class TTableColumn : public TColumn {
 public:
  explicit TTableColumn(TGridTable& table);
  ~TTableColumn() override;

  std::vector<int> Templates;

  int KindCode() const override;
  // The sub-table of the row; nullptr for an empty cell.
  TGridTable* GetTable(int row) const override;
  bool IsChanged() const override;
  void ResetChanged() override;
  void SetUnits(int system) override;
  std::unique_ptr<TColumn> Clone(TGridTable& table) const override;
  // Discards the sub-table of the row and clones a new one from the
  // template of the row's first-column value (entry 1 when the first
  // column is not an enumeration), with the template's MinRows rows.
  void RebuildRow(int row);

 protected:
  void insertValues(int at, int count) override;
  void eraseValue(int row) override;
  void writeKindPart(TComponentWriter& out) const override;
  void readKindPart(TComponentReader& in) override;

 private:
  std::unique_ptr<TGridTable> buildSubTable(int row) const;
  void renumberFrom(int row);

  std::vector<std::unique_ptr<TGridTable>> subTables_;
};
