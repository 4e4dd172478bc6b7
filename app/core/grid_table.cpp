#include "core/grid_table.h"

#include <algorithm>

#include "core/component_stream.h"
#include "core/grid_enum_column.h"
#include "core/grid_errors.h"
#include "core/grid_table_column.h"
#include "core/units.h"

namespace {

// Function-local so that tables created during static initialisation find
// the list ready.
std::vector<TGridTable*>& allTables() {
  static std::vector<TGridTable*> tables;
  return tables;
}

// Skips numbers that SetIdentifier gave away, so identifiers stay unique.
int nextFreeIdentifier() {
  static int counter = 0;
  do {
    ++counter;
  } while (TGridTable::FindByIdentifier(counter) != nullptr);
  return counter;
}

// Each item of the first column (the soil type) needs one template entry:
// missing entries are empty (-1), surplus ones are dropped.
void fitTemplatesToItems(const std::vector<std::unique_ptr<TColumn>>& columns) {
  const auto* types = columns.empty() ? nullptr : dynamic_cast<TEnumColumn*>(columns[0].get());
  if (types == nullptr) {
    return;
  }
  for (const auto& column : columns) {
    if (auto* tables = dynamic_cast<TTableColumn*>(column.get())) {
      tables->Templates.resize(types->Items.size(), -1);
    }
  }
}

}  // namespace

TGridTable::TGridTable(TGridTable* owner)
    : owner_(owner),
      identifier_(nextFreeIdentifier()),
      units_(owner != nullptr ? owner->Units() : kEnglishUnits) {
  allTables().push_back(this);
}

TGridTable::~TGridTable() {
  std::erase(allTables(), this);
}

void TGridTable::SetMinRows(int n) {
  if (n <= 0) {
    throw EGridError("Value must be greater than 0");
  }
  minRows_ = n;
}

void TGridTable::SetRowGroup(int n) {
  if (n <= 0) {
    throw EGridError("Value must be greater than 0");
  }
  rowGroup_ = n;
}

void TGridTable::SetIdentifier(int id) {
  if (id < 0 || id == identifier_) {
    return;
  }
  if (TGridTable* holder = FindByIdentifier(id)) {
    holder->identifier_ = identifier_;
  }
  identifier_ = id;
}

void TGridTable::SetUnits(int system) {
  if (system == units_) {
    return;
  }
  for (const auto& column : columns_) {
    column->SetUnits(system);
  }
  units_ = system;
  if (OnResize) {
    OnResize();
  }
}

void TGridTable::SetRowCount(int n) {
  n = std::max(n, 0);
  for (const auto& column : columns_) {
    while (column->RowCount() > n) {
      column->DeleteRow(column->RowCount() - 1);
    }
    while (column->RowCount() < n) {
      column->InsertRows(column->RowCount(), std::min(rowGroup_, n - column->RowCount()));
    }
  }
  rowCount_ = n;
}

TColumn& TGridTable::Columns(int i) {
  return const_cast<TColumn&>(std::as_const(*this).Columns(i));
}

const TColumn& TGridTable::Columns(int i) const {
  if (i < 0 || i >= ColumnCount()) {
    throw EGridError(kIndexOutOfBounds);
  }
  return *columns_[i];
}

int TGridTable::ColumnIndex(const TColumn& column) const {
  for (int i = 0; i < ColumnCount(); ++i) {
    if (columns_[i].get() == &column) {
      return i;
    }
  }
  return -1;
}

int TGridTable::VisibleColumnCount() const {
  return static_cast<int>(std::count_if(columns_.begin(), columns_.end(),
                                        [](const auto& column) { return column->Visible; }));
}

TColumn& TGridTable::VisibleColumns(int i) {
  for (const auto& column : columns_) {
    if (column->Visible && i-- == 0) {
      return *column;
    }
  }
  throw EGridError(kIndexOutOfBounds);
}

TData& TGridTable::Cells(int column, int row) {
  return Columns(column).Cell(row);
}

void TGridTable::AddRowGroup() {
  for (const auto& column : columns_) {
    column->InsertRows(rowCount_, rowGroup_);
  }
  rowCount_ += rowGroup_;
  if (OnResize) {
    OnResize();
  }
}

void TGridTable::InsertRowGroup(int row) {
  if (row < 0 || row > rowCount_) {
    throw EGridError(kIndexOutOfBounds);
  }
  const int at = std::min(rowGroup_ * (row / rowGroup_), rowCount_);
  for (const auto& column : columns_) {
    column->InsertRows(at, rowGroup_);
  }
  rowCount_ += rowGroup_;
  if (OnResize) {
    OnResize();
  }
}

void TGridTable::DeleteRowGroup(int row) {
  if (row < 0 || row >= rowCount_) {
    throw EGridError(kIndexOutOfBounds);
  }
  const int first = rowGroup_ * (row / rowGroup_);
  const int count = std::min(rowGroup_, rowCount_ - first);
  for (const auto& column : columns_) {
    for (int i = 0; i < count; ++i) {
      column->DeleteRow(first);
    }
  }
  rowCount_ -= count;
  if (OnResize) {
    OnResize();
  }
}

bool TGridTable::Changed() const {
  return changed_ || std::any_of(columns_.begin(), columns_.end(),
                                 [](const auto& column) { return column->IsChanged(); });
}

void TGridTable::SetChanged(bool changed) {
  changed_ = changed;
  if (!changed) {
    for (const auto& column : columns_) {
      column->ResetChanged();
    }
  }
}

std::string TGridTable::WindowCaption() const {
  std::string rowNumbers;
  for (const TGridTable* table = this; table != nullptr; table = table->owner_) {
    if (table->rowIndex_ != 0) {
      rowNumbers.insert(0, " " + std::to_string(table->rowIndex_));
    }
  }
  return Caption + " " + rowNumbers;
}

std::string TGridTable::ButtonCaption(int row) const {
  if (row < 0 || row >= rowCount_) {
    throw EGridError(kIndexOutOfBounds);
  }
  const TTableColumn* tables = firstTableColumn();
  const TGridTable* subTable = tables != nullptr ? tables->GetTable(row) : nullptr;
  return std::to_string(row + 1) + ": " + (subTable != nullptr ? subTable->Caption : "");
}

void TGridTable::CellChanged(const TColumn& column, int row) {
  changed_ = true;
  const int index = ColumnIndex(column);
  if (index == 0 && dynamic_cast<const TEnumColumn*>(&column) != nullptr) {
    if (TTableColumn* tables = firstTableColumn()) {
      tables->RebuildRow(row);
    }
  }
  if (OnCellChanged) {
    OnCellChanged(index, row);
  }
}

TGridTable* TGridTable::FindTemplate(int identifier) const {
  if (TemplateSource) {
    return TemplateSource(identifier);
  }
  return owner_ != nullptr ? owner_->FindTemplate(identifier) : FindByIdentifier(identifier);
}

std::unique_ptr<TGridTable> TGridTable::CreateClone(TGridTable& owner, int rowIndex) const {
  auto clone = std::make_unique<TGridTable>(&owner);
  clone->Caption = Caption;
  clone->Comments = Comments;
  clone->TopLeft = TopLeft;
  clone->minRows_ = minRows_;
  clone->MaxRows = MaxRows;
  clone->HardwiredButton = HardwiredButton;
  clone->rowGroup_ = rowGroup_;
  clone->rowIndex_ = rowIndex;
  for (const auto& column : columns_) {
    clone->adoptColumn(column->Clone(*clone));
  }
  clone->SetRowCount(minRows_);
  return clone;
}

void TGridTable::WriteColumns(TComponentWriter& out) const {
  out.WriteInteger(ColumnCount());
  for (const auto& column : columns_) {
    column->WriteStream(out);
  }
}

void TGridTable::ReadColumns(TComponentReader& in) {
  int count = 0;
  try {
    count = in.ReadInteger();
  } catch (const EReadError&) {
    throw EGridError("Error reading column count");
  }
  if (count < 0) {
    throw EGridError("Error reading column count");
  }
  std::vector<std::unique_ptr<TColumn>> read;
  for (int i = 0; i < count; ++i) {
    try {
      read.push_back(TColumn::CreateFromStream(in, *this));
    } catch (const std::exception& error) {
      throw EGridError("Error occured when creating column " + std::to_string(i) + ": " +
                       error.what());
    }
  }
  fitTemplatesToItems(read);
  columns_ = std::move(read);
  for (const auto& column : columns_) {
    column->InsertRows(0, rowCount_);
  }
}

TGridTable* TGridTable::FindByIdentifier(int id) {
  for (TGridTable* table : allTables()) {
    if (table->identifier_ == id) {
      return table;
    }
  }
  return nullptr;
}

void TGridTable::adoptColumn(std::unique_ptr<TColumn> column) {
  columns_.push_back(std::move(column));
  columns_.back()->InsertRows(0, rowCount_);
}

TTableColumn* TGridTable::firstTableColumn() const {
  for (const auto& column : columns_) {
    if (auto* tables = dynamic_cast<TTableColumn*>(column.get())) {
      return tables;
    }
  }
  return nullptr;
}
