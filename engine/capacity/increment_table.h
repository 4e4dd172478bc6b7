// The report table of a given shaft length: rows at every multiple of the
// output increment, interpolated linearly in length between the 1-ft rows.
#pragma once

#include "capacity/capacity_rows.h"
#include "input/unit_constants.h"

namespace bormek {

// Calls `write` with each interpolated row that belongs in the report: below
// the zones without side friction and, in SI, not below the design depth.
template <typename Write>
void forEachIncrementRow(const RunSettings& settings, const ShaftGeometry& g, const RowTable& table,
                         Write write);

// The row at length `depthFt`, interpolated between the rows around it; a
// depth above the first row is taken on the line through the first two.
CapacityRow interpolatedRow(const RowTable& table, float depthFt);

bool incrementRowIsReported(const RunSettings& settings, const ShaftGeometry& g, float depthFt);

template <typename Write>
void forEachIncrementRow(const RunSettings& s, const ShaftGeometry& g, const RowTable& table,
                         Write write) {
  if (table.count == 0) {
    return;
  }
  // The increment is read in the project's length unit.
  const float incrementFt = s.si ? s.outputIncrement * kFeetPerMetre : s.outputIncrement;
  const float lastLength = table.rows[static_cast<std::size_t>(table.count - 1)].length;
  const int steps = static_cast<int>(lastLength / incrementFt + 1.0f);
  for (int k = 1; k <= steps; ++k) {
    const float depth = static_cast<float>(k) * incrementFt;
    if (depth > lastLength) {
      break;
    }
    if (incrementRowIsReported(s, g, depth)) {
      write(interpolatedRow(table, depth));
    }
  }
}

}  // namespace bormek
