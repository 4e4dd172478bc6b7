// Result rows of one diameter: for every whole-foot shaft length the side
// resistance, the base resistance averaged over two base diameters below
// the tip, the ultimate, allowable and factored capacities; formed down to
// the row that meets the design load or reaches the design depth.
#pragma once

#include <array>

#include "capacity/capacity_row.h"
#include "capacity/depth_walk.h"
#include "capacity/shaft_geometry.h"
#include "input/input_data.h"

namespace bormek {

inline constexpr int kMaxRows = 500;

struct RowTable {
  std::array<CapacityRow, kMaxRows> rows{};
  int count = 0;
  bool lengthRangeEmpty = false;  // the profile is too short for the base zone
  bool targetReached = false;     // a row met the design load or the design depth
};

// Base resistance (tons) of a shaft `length` ft long: the weighted mean of
// the base values over the zone of K2 ft below the tip.
float averagedBaseTons(const TipArrays& tips, const ShaftGeometry& g, float bottomExclusionFt,
                       int length);

// Forms the rows; in uplift sets the settings' FSB to 1 for the rest of the
// run. Each row is handed to `onRow` as soon as it is formed.
template <typename OnRow>
void formRows(const InputData& data, RunSettings& settings, const ShaftGeometry& g,
              const TipArrays& tips, RowTable& table, OnRow onRow);

// The capacities of one row from its length, volume, QS and base values.
CapacityRow capacityRowAt(const InputData& data, RunSettings& settings, const ShaftGeometry& g,
                          const TipArrays& tips, int length, float previousVolume);

// Tip resistance factor of the first layer whose bottom lies below `depthFt`.
float lrfdTipFactorBelow(const InputData& data, float depthFt);

bool rowMeetsTarget(const RunSettings& settings, const CapacityRow& row);

template <typename OnRow>
void formRows(const InputData& data, RunSettings& settings, const ShaftGeometry& g,
              const TipArrays& tips, RowTable& table, OnRow onRow) {
  table.count = 0;
  table.targetReached = false;
  const int exclusion = static_cast<int>(settings.bottomLength + g.bellHeight);
  const int firstLength = static_cast<int>(settings.topLength) + 1;
  const int lastLength = tips.deepest - g.baseZoneDepth - exclusion - 1;
  table.lengthRangeEmpty = lastLength < firstLength;
  float previousVolume = 0.0f;
  for (int length = firstLength; length <= lastLength && table.count < kMaxRows; ++length) {
    const CapacityRow row = capacityRowAt(data, settings, g, tips, length, previousVolume);
    previousVolume = row.volume;
    table.rows[static_cast<std::size_t>(table.count++)] = row;
    onRow(row);
    if (rowMeetsTarget(settings, row)) {
      table.targetReached = true;
      return;
    }
  }
}

}  // namespace bormek
