// A column of free texts; new rows hold Default. Width is kept for the
// table window.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/grid_column.h"

class TStringColumn : public TColumn {
 public:
  using TColumn::TColumn;

  std::string Default;
  Extended Width = 0;

  int KindCode() const override;
  std::string GetText(int row) const override;
  // Stores the text as typed (in the whole group when GroupShared) and
  // reports each row whose text changes.
  void SetText(int row, const std::string& text) override;
  std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

 protected:
  void insertValues(int at, int count) override;
  void eraseValue(int row) override;
  void writeKindPart(TComponentWriter& out) const override;
  void readKindPart(TComponentReader& in) override;

 private:
  std::vector<std::string> values_;
};
