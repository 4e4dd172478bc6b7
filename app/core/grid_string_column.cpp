#include "core/grid_string_column.h"

#include "core/component_stream.h"
#include "core/grid_column_registry.h"

int TStringColumn::KindCode() const {
  return kStringColumnKind;
}

std::string TStringColumn::GetText(int row) const {
  checkRow(row);
  return values_[row];
}

void TStringColumn::SetText(int row, const std::string& text) {
  checkRow(row);
  for (int shared = sharedFirst(row); shared < sharedEnd(row); ++shared) {
    if (values_[shared] != text) {
      values_[shared] = text;
      reportChange(shared);
    }
  }
}

std::unique_ptr<TColumn> TStringColumn::Clone(TGridTable& table) const {
  auto clone = std::make_unique<TStringColumn>(table);
  copyBaseTo(*clone);
  clone->Default = Default;
  clone->Width = Width;
  return clone;
}

void TStringColumn::insertValues(int at, int count) {
  values_.insert(values_.begin() + at, count, Default);
}

void TStringColumn::eraseValue(int row) {
  values_.erase(values_.begin() + row);
}

void TStringColumn::writeKindPart(TComponentWriter& out) const {
  out.WriteString(Default);
  out.WriteExtended(Width);
}

void TStringColumn::readKindPart(TComponentReader& in) {
  Default = in.ReadString();
  Width = in.ReadExtended();
}
