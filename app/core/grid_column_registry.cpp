#include "core/grid_column_registry.h"

#include "core/component_stream.h"
#include "core/grid_enum_column.h"
#include "core/grid_errors.h"
#include "core/grid_float_column.h"
#include "core/grid_int_column.h"
#include "core/grid_string_column.h"
#include "core/grid_table_column.h"

std::unique_ptr<TColumn> CreateColumnOfKind(int code, TGridTable& table) {
  switch (code) {
    case kEnumColumnKind:
      return std::make_unique<TEnumColumn>(table);
    case kIntColumnKind:
      return std::make_unique<TIntColumn>(table);
    case kFloatColumnKind:
      return std::make_unique<TFloatColumn>(table);
    case kTableColumnKind:
      return std::make_unique<TTableColumn>(table);
    case kStringColumnKind:
      return std::make_unique<TStringColumn>(table);
    default:
      return nullptr;
  }
}

std::unique_ptr<TColumn> TColumn::CreateFromStream(TComponentReader& in, TGridTable& table) {
  std::unique_ptr<TColumn> column = CreateColumnOfKind(in.ReadInteger(), table);
  if (!column) {
    throw EGridError("Error Column Class not defined");
  }
  in.ReadListBegin();
  while (!in.EndOfList()) {
    column->Header.push_back(in.ReadString());
  }
  in.ReadListEnd();
  column->Visible = in.ReadBoolean();
  column->GroupShared = in.ReadBoolean();
  column->readKindPart(in);
  return column;
}
