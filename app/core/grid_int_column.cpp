#include "core/grid_int_column.h"

#include <cmath>

#include "core/component_stream.h"
#include "core/expression_evaluator.h"
#include "core/grid_column_registry.h"
#include "core/grid_errors.h"
#include "core/grid_table.h"

namespace {

// Entries whose fractional part is no larger than this count as whole: an
// expression such as 0.1*30 may leave such a rest.
constexpr Extended kWholeNumberTolerance = 1e-10L;

}  // namespace

int TIntColumn::KindCode() const {
  return kIntColumnKind;
}

int TIntColumn::GetInteger(int row) const {
  checkRow(row);
  return values_[row];
}

void TIntColumn::SetInteger(int row, int value) {
  checkRow(row);
  for (int shared = sharedFirst(row); shared < sharedEnd(row); ++shared) {
    if (values_[shared] != value) {
      values_[shared] = value;
      reportChange(shared);
    }
  }
}

std::string TIntColumn::GetText(int row) const {
  return std::to_string(GetInteger(row));
}

void TIntColumn::SetText(int row, const std::string& text) {
  checkRow(row);
  const Extended value = Evaluate(text);
  const Extended rounded = std::round(value);
  if (Table().WindowOpen()) {
    if (!(std::fabs(value - std::trunc(value)) <= kWholeNumberTolerance)) {
      throw EGridError("Entry must be an integer.");
    }
    if (rounded < Min || rounded > Max) {
      throw EGridError("Entry must be between " + std::to_string(Min) + " and " +
                       std::to_string(Max) + ".");
    }
  }
  if (!(rounded >= std::numeric_limits<int>::min() && rounded <= std::numeric_limits<int>::max())) {
    throw EGridError("Value must be an integer.");
  }
  SetInteger(row, static_cast<int>(rounded));
}

std::unique_ptr<TColumn> TIntColumn::Clone(TGridTable& table) const {
  auto clone = std::make_unique<TIntColumn>(table);
  copyBaseTo(*clone);
  clone->Default = Default;
  clone->Min = Min;
  clone->Max = Max;
  return clone;
}

void TIntColumn::insertValues(int at, int count) {
  values_.insert(values_.begin() + at, count, Default);
}

void TIntColumn::eraseValue(int row) {
  values_.erase(values_.begin() + row);
}

void TIntColumn::writeKindPart(TComponentWriter& out) const {
  out.WriteInteger(Default);
  out.WriteInteger(Min);
  out.WriteInteger(Max);
}

void TIntColumn::readKindPart(TComponentReader& in) {
  Default = in.ReadInteger();
  Min = in.ReadInteger();
  Max = in.ReadInteger();
}
