#include "core/grid_data.h"

#include "core/grid_column.h"

TGridTable* TData::AsTable() const {
  return column_->GetTable(row_);
}

Extended TData::AsFloat() const {
  return column_->GetFloat(row_);
}

int TData::AsInteger() const {
  return column_->GetInteger(row_);
}

std::string TData::AsText() const {
  return column_->GetText(row_);
}

void TData::SetFloat(Extended value) {
  column_->SetFloat(row_, value);
}

void TData::SetInteger(int value) {
  column_->SetInteger(row_, value);
}

void TData::SetText(const std::string& text) {
  column_->SetText(row_, text);
}
