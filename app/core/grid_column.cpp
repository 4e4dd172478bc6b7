#include "core/grid_column.h"

#include <algorithm>

#include "core/component_stream.h"
#include "core/grid_errors.h"
#include "core/grid_table.h"

TColumn::~TColumn() = default;

TData& TColumn::Cell(int row) const {
  checkRow(row);
  return *cells_[row];
}

void TColumn::InsertRows(int at, int count) {
  if (at < 0 || at > RowCount()) {
    throw EGridError(kIndexOutOfBounds);
  }
  if (count <= 0) {
    return;
  }
  for (int i = 0; i < count; ++i) {
    cells_.insert(cells_.begin() + at + i, std::make_unique<TData>(*this, at + i));
  }
  for (int row = at + count; row < RowCount(); ++row) {
    cells_[row]->row_ = row;
  }
  insertValues(at, count);
}

void TColumn::DeleteRow(int row) {
  checkRow(row);
  eraseValue(row);
  cells_.erase(cells_.begin() + row);
  for (int later = row; later < RowCount(); ++later) {
    cells_[later]->row_ = later;
  }
}

std::string TColumn::HeaderLine(int i) const {
  if (i < 0 || i >= HeaderLineCount()) {
    throw EGridError(kIndexOutOfBounds);
  }
  return Header[i];
}

TGridTable* TColumn::GetTable(int) const {
  throw EInvalidCast(kWrongDataType);
}

Extended TColumn::GetFloat(int) const {
  throw EInvalidCast(kWrongDataType);
}

void TColumn::SetFloat(int, Extended) {
  throw EInvalidCast(kWrongDataType);
}

int TColumn::GetInteger(int) const {
  throw EInvalidCast(kWrongDataType);
}

void TColumn::SetInteger(int, int) {
  throw EInvalidCast(kWrongDataType);
}

std::string TColumn::GetText(int row) const {
  checkRow(row);
  return {};
}

void TColumn::SetText(int row, const std::string&) {
  checkRow(row);
}

int TColumn::GroupSize() const {
  return table_->RowGroup();
}

void TColumn::WriteStream(TComponentWriter& out) const {
  out.WriteInteger(KindCode());
  out.WriteListBegin();
  for (const std::string& line : Header) {
    out.WriteString(line);
  }
  out.WriteListEnd();
  out.WriteBoolean(Visible);
  out.WriteBoolean(GroupShared);
  writeKindPart(out);
}

void TColumn::copyBaseTo(TColumn& clone) const {
  clone.Header = Header;
  clone.Visible = Visible;
  clone.GroupShared = GroupShared;
}

void TColumn::checkRow(int row) const {
  if (row < 0 || row >= RowCount()) {
    throw EGridError(kIndexOutOfBounds);
  }
}

int TColumn::sharedFirst(int row) const {
  return GroupShared ? GroupSize() * (row / GroupSize()) : row;
}

int TColumn::sharedEnd(int row) const {
  return GroupShared ? std::min(sharedFirst(row) + GroupSize(), RowCount()) : row + 1;
}

void TColumn::reportChange(int row) {
  table_->CellChanged(*this, row);
}
