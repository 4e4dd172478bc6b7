// A column of extended numbers in the unit of UnitCode (none when empty);
// new rows hold Default. A TopDepth column holds the tops of layers whose
// bottoms are in the float column after it: the top of a row and the bottom
// of the row before are kept equal.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/grid_column.h"

class TFloatColumn : public TColumn {
 public:
  using TColumn::TColumn;

  bool TopDepth = false;
  std::string UnitCode;
  Extended Default = 0;

  int KindCode() const override;
  // The last header line of a column with a unit code ends with the unit
  // label of the table's system: "Bearing (lbs/ft^2)  ".
  std::string HeaderLine(int i) const override;
  Extended GetFloat(int row) const override;
  // Stores the value in the row (in its whole group when GroupShared) and,
  // for a TopDepth pair, in the matching row of the partner column; each
  // row whose value changes is reported. A TopDepth column not followed by
  // a float column throws EGridError.
  void SetFloat(int row, Extended value) override;
  // General format with 8 significant digits.
  std::string GetText(int row) const override;
  // Evaluates the text and stores the result with SetFloat.
  void SetText(int row, const std::string& text) override;
  // Multiplies every value (not Default) by the factor of UnitCode from the
  // table's unit system to `system`.
  void SetUnits(int system) override;
  std::unique_ptr<TColumn> Clone(TGridTable& table) const override;

 protected:
  void insertValues(int at, int count) override;
  void eraseValue(int row) override;
  void writeKindPart(TComponentWriter& out) const override;
  void readKindPart(TComponentReader& in) override;

 private:
  // The float column after this TopDepth column; throws EGridError when
  // there is none.
  TFloatColumn& bottomPartner() const;
  // The TopDepth column before this one, or nullptr.
  TFloatColumn* topPartner() const;
  void storeValue(int row, Extended value);

  std::vector<Extended> values_;
};
