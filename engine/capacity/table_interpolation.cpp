#include "capacity/table_interpolation.h"

#include <array>

namespace bormek {

float interpolateTable(std::span<const float> keys, std::span<const float> values, float x) {
  if (!(x > keys.front())) {
    return values.front();
  }
  if (!(x < keys.back())) {
    return values.back();
  }
  std::size_t upper = 1;
  while (x > keys[upper]) {
    ++upper;
  }
  const float t = (x - keys[upper - 1]) / (keys[upper] - keys[upper - 1]);
  return values[upper - 1] + (values[upper] - values[upper - 1]) * t;
}

float interpolateGrid(const TableGrid& grid, float rowKey, float columnKey) {
  const std::size_t columns = grid.columnKeys.size();
  const std::size_t rows = grid.rowKeys.size();
  // The grids are small (at most 8 rows): the column of values at columnKey.
  std::array<float, 16> column{};
  for (std::size_t r = 0; r < rows; ++r) {
    column[r] =
        interpolateTable(grid.columnKeys, grid.values.subspan(r * columns, columns), columnKey);
  }
  return interpolateTable(grid.rowKeys, std::span<const float>(column.data(), rows), rowKey);
}

}  // namespace bormek
