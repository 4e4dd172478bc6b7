// The column kinds by the code that the column stream stores for them.
#pragma once

#include <memory>

class TColumn;
class TGridTable;

inline constexpr int kEnumColumnKind = 0;
inline constexpr int kIntColumnKind = 1;
inline constexpr int kFloatColumnKind = 2;
inline constexpr int kTableColumnKind = 3;
inline constexpr int kStringColumnKind = 4;

// A new column of the kind `code` for `table`; nullptr for an unknown code.
std::unique_ptr<TColumn> CreateColumnOfKind(int code, TGridTable& table);
