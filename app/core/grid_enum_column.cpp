#include "core/grid_enum_column.h"

#include <cmath>
#include <limits>

#include "core/component_stream.h"
#include "core/expression_evaluator.h"
#include "core/grid_column_registry.h"
#include "core/grid_errors.h"

int TEnumColumn::KindCode() const {
  return kEnumColumnKind;
}

int TEnumColumn::GetInteger(int row) const {
  checkRow(row);
  return values_[row];
}

void TEnumColumn::SetInteger(int row, int value) {
  checkRow(row);
  for (int shared = sharedFirst(row); shared < sharedEnd(row); ++shared) {
    if (values_[shared] != value) {
      values_[shared] = value;
      reportChange(shared);
    }
  }
}

std::string TEnumColumn::GetText(int row) const {
  return std::to_string(GetInteger(row));
}

void TEnumColumn::SetText(int row, const std::string& text) {
  checkRow(row);
  const Extended value = Evaluate(text);
  if (std::trunc(value) != value || value < std::numeric_limits<int>::min() ||
      value > std::numeric_limits<int>::max()) {
    throw EGridError("Value must be an integer.");
  }
  SetInteger(row, static_cast<int>(value));
}

std::unique_ptr<TColumn> TEnumColumn::Clone(TGridTable& table) const {
  auto clone = std::make_unique<TEnumColumn>(table);
  copyBaseTo(*clone);
  clone->Items = Items;
  return clone;
}

void TEnumColumn::insertValues(int at, int count) {
  values_.insert(values_.begin() + at, count, 1);
}

void TEnumColumn::eraseValue(int row) {
  values_.erase(values_.begin() + row);
}

void TEnumColumn::writeKindPart(TComponentWriter& out) const {
  out.WriteListBegin();
  for (const std::string& item : Items) {
    out.WriteString(item);
  }
  out.WriteListEnd();
}

void TEnumColumn::readKindPart(TComponentReader& in) {
  in.ReadListBegin();
  while (!in.EndOfList()) {
    Items.push_back(in.ReadString());
  }
  in.ReadListEnd();
}
