#include "capacity/increment_table.h"

#include <algorithm>

namespace bormek {
namespace {

constexpr float kNoSideTons = 1e-5f;

float lerp(float a, float b, float t) {
  return a + (b - a) * t;
}

CapacityRow lerpRow(const CapacityRow& a, const CapacityRow& b, float depthFt) {
  const float span = b.length - a.length;
  const float t = span > 0.0f ? (depthFt - a.length) / span : 1.0f;
  CapacityRow row;
  row.length = depthFt;
  row.volume = lerp(a.volume, b.volume, t);
  row.side = lerp(a.side, b.side, t);
  row.base = lerp(a.base, b.base, t);
  row.ultimate = lerp(a.ultimate, b.ultimate, t);
  row.allowableBase = lerp(a.allowableBase, b.allowableBase, t);
  row.allowable = lerp(a.allowable, b.allowable, t);
  row.perVolume = lerp(a.perVolume, b.perVolume, t);
  row.factoredSide = lerp(a.factoredSide, b.factoredSide, t);
  row.factoredBase = lerp(a.factoredBase, b.factoredBase, t);
  row.factoredTotal = row.factoredSide + row.factoredBase;
  return row;
}

// Near the top no side resistance may have been stored yet: the row is
// then built from the second row, with half its side resistance. Its
// capacity per volume follows from its own QU and volume.
CapacityRow rowFromSecondRow(const CapacityRow& second, float depthFt) {
  CapacityRow row;
  row.length = depthFt;
  row.side = 0.5f * second.side;
  row.base = second.base;
  row.ultimate = row.base + row.side;
  row.allowableBase = 0.5f * second.allowableBase;
  row.allowable = 0.5f * second.allowable;
  row.volume = second.length > 0.0f ? second.volume * depthFt / second.length : 0.0f;
  row.perVolume = row.volume > 0.0f ? row.ultimate / row.volume : 0.0f;
  row.factoredSide = 0.5f * second.factoredSide;
  row.factoredBase = second.factoredBase;
  row.factoredTotal = row.factoredSide + row.factoredBase;
  return row;
}

}  // namespace

CapacityRow interpolatedRow(const RowTable& table, float depthFt) {
  if (table.count == 0) {
    return {};
  }
  // The first interval is rows 1 and 2: a depth above the first row lies on
  // their line, extended slightly upward. A table of one row holds at it.
  int upper = std::min(1, table.count - 1);
  while (upper < table.count - 1 && depthFt > table.rows[static_cast<std::size_t>(upper)].length) {
    ++upper;
  }
  const CapacityRow& lower = table.rows[static_cast<std::size_t>(std::max(upper - 1, 0))];
  const CapacityRow row = lerpRow(lower, table.rows[static_cast<std::size_t>(upper)], depthFt);
  // The first interval ends at the second row.
  const bool firstInterval = upper <= 1 && table.count >= 2;
  if (firstInterval && row.side < kNoSideTons) {
    return rowFromSecondRow(table.rows[1], depthFt);
  }
  return row;
}

bool incrementRowIsReported(const RunSettings& s, const ShaftGeometry& g, float depthFt) {
  const float freeZones = s.bottomLength + s.topLength;
  if (!(depthFt >= freeZones && depthFt > freeZones + g.bellHeight)) {
    return false;
  }
  // The design depth and the row depth are compared in ft.
  return !s.si || depthFt <= s.proposedDepth;
}

}  // namespace bormek
