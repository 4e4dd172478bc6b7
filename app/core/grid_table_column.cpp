#include "core/grid_table_column.h"

#include "core/component_stream.h"
#include "core/grid_column_registry.h"
#include "core/grid_enum_column.h"
#include "core/grid_errors.h"
#include "core/grid_table.h"

namespace {

// Marks the stream layout of the table column's own part.
constexpr const char* kTableColumnMarker = "FLEXCOLUMN2";

}  // namespace

TTableColumn::TTableColumn(TGridTable& table) : TColumn(table) {}

TTableColumn::~TTableColumn() = default;

int TTableColumn::KindCode() const {
  return kTableColumnKind;
}

TGridTable* TTableColumn::GetTable(int row) const {
  checkRow(row);
  return subTables_[row].get();
}

bool TTableColumn::IsChanged() const {
  for (const auto& subTable : subTables_) {
    if (subTable && subTable->Changed()) {
      return true;
    }
  }
  return false;
}

void TTableColumn::ResetChanged() {
  for (const auto& subTable : subTables_) {
    if (subTable) {
      subTable->SetChanged(false);
    }
  }
}

void TTableColumn::SetUnits(int system) {
  for (const auto& subTable : subTables_) {
    if (subTable) {
      subTable->SetUnits(system);
    }
  }
}

std::unique_ptr<TColumn> TTableColumn::Clone(TGridTable& table) const {
  auto clone = std::make_unique<TTableColumn>(table);
  copyBaseTo(*clone);
  clone->Templates = Templates;
  return clone;
}

void TTableColumn::RebuildRow(int row) {
  checkRow(row);
  subTables_[row] = buildSubTable(row);
}

void TTableColumn::insertValues(int at, int count) {
  for (int row = at; row < at + count; ++row) {
    subTables_.emplace(subTables_.begin() + row);
  }
  renumberFrom(at + count);
  for (int row = at; row < at + count; ++row) {
    subTables_[row] = buildSubTable(row);
  }
}

void TTableColumn::eraseValue(int row) {
  subTables_.erase(subTables_.begin() + row);
  renumberFrom(row);
}

void TTableColumn::writeKindPart(TComponentWriter& out) const {
  out.WriteString(kTableColumnMarker);
  out.WriteListBegin();
  for (int identifier : Templates) {
    out.WriteInteger(identifier);
  }
  out.WriteListEnd();
}

void TTableColumn::readKindPart(TComponentReader& in) {
  if (in.ReadString() != kTableColumnMarker) {
    throw EGridError("Unknown table column format");
  }
  in.ReadListBegin();
  while (!in.EndOfList()) {
    Templates.push_back(in.ReadInteger());
  }
  in.ReadListEnd();
}

std::unique_ptr<TGridTable> TTableColumn::buildSubTable(int row) const {
  TGridTable& table = Table();
  int entry = 1;
  if (table.ColumnCount() > 0) {
    const auto* types = dynamic_cast<const TEnumColumn*>(&table.Columns(0));
    if (types != nullptr && row < types->RowCount()) {
      entry = types->GetInteger(row);
    }
  }
  if (entry < 1 || entry > static_cast<int>(Templates.size()) || Templates[entry - 1] < 0) {
    return nullptr;
  }
  const TGridTable* source = table.FindTemplate(Templates[entry - 1]);
  return source != nullptr ? source->CreateClone(table, row + 1) : nullptr;
}

void TTableColumn::renumberFrom(int row) {
  for (int later = row; later < static_cast<int>(subTables_.size()); ++later) {
    if (subTables_[later]) {
      subTables_[later]->rowIndex_ = later + 1;
    }
  }
}
