#include "core/grid_float_column.h"

#include "core/component_stream.h"
#include "core/expression_evaluator.h"
#include "core/grid_column_registry.h"
#include "core/grid_errors.h"
#include "core/grid_table.h"
#include "core/units.h"

namespace {

// Marks the stream layout of the float column's own part.
constexpr const char* kFloatColumnMarker = "FLOATCOLUMN2";

int sizeOf(const std::vector<Extended>& values) {
  return static_cast<int>(values.size());
}

}  // namespace

int TFloatColumn::KindCode() const {
  return kFloatColumnKind;
}

std::string TFloatColumn::HeaderLine(int i) const {
  std::string line = TColumn::HeaderLine(i);
  if (i == HeaderLineCount() - 1 && !UnitCode.empty()) {
    line += " (" + UnitLabel(UnitCode, Table().Units()) + ")  ";
  }
  return line;
}

Extended TFloatColumn::GetFloat(int row) const {
  checkRow(row);
  return values_[row];
}

void TFloatColumn::SetFloat(int row, Extended value) {
  checkRow(row);
  for (int shared = sharedFirst(row); shared < sharedEnd(row); ++shared) {
    storeValue(shared, value);
    if (TopDepth) {
      TFloatColumn& bottoms = bottomPartner();
      if (shared >= 1 && shared - 1 < sizeOf(bottoms.values_)) {
        bottoms.storeValue(shared - 1, value);
      }
    }
    TFloatColumn* tops = topPartner();
    if (tops != nullptr && shared + 1 < sizeOf(tops->values_)) {
      tops->storeValue(shared + 1, value);
    }
  }
}

std::string TFloatColumn::GetText(int row) const {
  return FormatGeneral(GetFloat(row), 8);
}

void TFloatColumn::SetText(int row, const std::string& text) {
  checkRow(row);
  SetFloat(row, Evaluate(text));
}

void TFloatColumn::SetUnits(int system) {
  if (UnitCode.empty()) {
    return;
  }
  const Extended factor = UnitFactor(Table().Units(), system, UnitCode);
  for (Extended& value : values_) {
    value *= factor;
  }
}

std::unique_ptr<TColumn> TFloatColumn::Clone(TGridTable& table) const {
  auto clone = std::make_unique<TFloatColumn>(table);
  copyBaseTo(*clone);
  clone->TopDepth = TopDepth;
  clone->UnitCode = UnitCode;
  clone->Default = Default;
  return clone;
}

// The first new top is the bottom of the row before, later new tops take
// Default; a new bottom is the top of the row after, which the TopDepth
// column (earlier in the table) already holds.
void TFloatColumn::insertValues(int at, int count) {
  std::vector<Extended> added(count, Default);
  if (TopDepth) {
    const TFloatColumn& bottoms = bottomPartner();
    if (at >= 1 && at - 1 < sizeOf(bottoms.values_)) {
      added[0] = bottoms.values_[at - 1];
    }
  } else if (const TFloatColumn* tops = topPartner()) {
    for (int i = 0; i < count; ++i) {
      if (at + i + 1 < sizeOf(tops->values_)) {
        added[i] = tops->values_[at + i + 1];
      }
    }
  }
  values_.insert(values_.begin() + at, added.begin(), added.end());
}

// Removing an inner layer: the layer after it now starts where the layer
// before it ends.
void TFloatColumn::eraseValue(int row) {
  if (TopDepth && row >= 1 && row + 1 < sizeOf(values_)) {
    const TFloatColumn& bottoms = bottomPartner();
    if (row - 1 < sizeOf(bottoms.values_)) {
      values_[row + 1] = bottoms.values_[row - 1];
    }
  }
  values_.erase(values_.begin() + row);
}

void TFloatColumn::writeKindPart(TComponentWriter& out) const {
  out.WriteBoolean(TopDepth);
  out.WriteString(kFloatColumnMarker);
  out.WriteString(UnitCode);
  out.WriteExtended(Default);
}

void TFloatColumn::readKindPart(TComponentReader& in) {
  TopDepth = in.ReadBoolean();
  if (in.ReadString() != kFloatColumnMarker) {
    throw EGridError("Unknown float column format");
  }
  UnitCode = in.ReadString();
  Default = in.ReadExtended();
}

TFloatColumn& TFloatColumn::bottomPartner() const {
  TGridTable& table = Table();
  const int index = table.ColumnIndex(*this);
  auto* next = index >= 0 && index + 1 < table.ColumnCount()
                   ? dynamic_cast<TFloatColumn*>(&table.Columns(index + 1))
                   : nullptr;
  if (next == nullptr) {
    throw EGridError("If column if a topdepth then the next column must be a float column");
  }
  return *next;
}

TFloatColumn* TFloatColumn::topPartner() const {
  TGridTable& table = Table();
  const int index = table.ColumnIndex(*this);
  auto* previous = index >= 1 ? dynamic_cast<TFloatColumn*>(&table.Columns(index - 1)) : nullptr;
  return previous != nullptr && previous->TopDepth ? previous : nullptr;
}

void TFloatColumn::storeValue(int row, Extended value) {
  if (values_[row] != value) {
    values_[row] = value;
    reportChange(row);
  }
}
