// Linear interpolation in the tables of the rock rules. Outside its keys a
// table gives its end values; keys increase.
#pragma once

#include <span>

namespace bormek {

float interpolateTable(std::span<const float> keys, std::span<const float> values, float x);

// A two-way table stored row by row: values[row * columns + column].
struct TableGrid {
  std::span<const float> rowKeys;
  std::span<const float> columnKeys;
  std::span<const float> values;
};

// Each of the two rows around `rowKey` is interpolated at `columnKey`, then
// the result is interpolated between them.
float interpolateGrid(const TableGrid& grid, float rowKey, float columnKey);

}  // namespace bormek
