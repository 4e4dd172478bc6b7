#include "capacity/capacity_rows.h"

#include "input/unit_constants.h"

namespace bormek {
namespace {
constexpr float kWeightPeak = 0.6f;        // weight one base diameter below the tip
constexpr float kWeightRisingSpan = 0.5f;  // r from 0 to 0.5 (one diameter)
constexpr float kWeightFallingSpan = 1.5f;
constexpr float kWeightZoneEnd = 2.0f;
constexpr float kSmallStemFt = 1.0f;  // below it the base is not averaged
constexpr float kMinimumVolumeYd3 = 0.01f;

float weightAt(float r) {
  return r <= kWeightRisingSpan ? r * kWeightPeak / kWeightRisingSpan
                                : (kWeightZoneEnd - r) * kWeightPeak / kWeightFallingSpan;
}

float upliftWeightTons(const RunSettings& s, const ShaftGeometry& g, float length, float volume) {
  const float weight = volume * kCubicFeetPerCubicYard * kConcreteUnitWeightPcf / kPoundsPerTon;
  if (!(length > s.waterTableDepth)) {
    return weight;
  }
  const float buoyancy = (length - s.waterTableDepth) * kWaterTonsPerCubicFoot * g.stemDiameter *
                         g.stemDiameter * kQuarterPi;
  return weight - buoyancy;
}
}  // namespace

float averagedBaseTons(const TipArrays& tips, const ShaftGeometry& g, float bottomExclusionFt,
                       int length) {
  const int k0 = static_cast<int>(bottomExclusionFt) + length + 1;
  if (g.stemDiameter < kSmallStemFt) {
    return tips.base[static_cast<std::size_t>(k0)];
  }
  // A tip in soil does not take credit for strong rock inside its zone:
  // such an entry counts with the last soil value above it.
  const bool tipInSoil = tips.soilFlag[static_cast<std::size_t>(k0)] > 0.5f;
  float lastSoilBase = tips.base[static_cast<std::size_t>(k0)];
  float weightedSum = 0.0f;
  float weightSum = 0.0f;
  const int zone = g.baseZoneDepth;
  for (int k = k0; k < k0 + zone; ++k) {
    const auto index = static_cast<std::size_t>(k);
    float base = tips.base[index];
    if (tips.soilFlag[index] > 0.5f) {
      lastSoilBase = base;
    } else if (tipInSoil) {
      base = lastSoilBase;
    }
    const float w = weightAt(static_cast<float>(k - k0) / static_cast<float>(zone));
    weightedSum += w * base;
    weightSum += w;
  }
  return weightSum > 0.0f ? weightedSum / weightSum : tips.base[static_cast<std::size_t>(k0)];
}

float lrfdTipFactorBelow(const InputData& data, float depthFt) {
  for (int k = 1; k < data.entryCount; ++k) {
    const Layer& layer = data.layers[static_cast<std::size_t>(k)];
    if (layer.bottomDepth > depthFt) {
      return layer.lrfdTip;
    }
  }
  return data.layers[static_cast<std::size_t>(data.entryCount - 1)].lrfdTip;
}

CapacityRow capacityRowAt(const InputData& data, RunSettings& s, const ShaftGeometry& g,
                          const TipArrays& tips, int length, float previousVolume) {
  const auto index = static_cast<std::size_t>(length);
  CapacityRow row;
  row.length = tips.length[index] > 0.0f ? tips.length[index] : static_cast<float>(length);
  row.volume = tips.volume[index] > kMinimumVolumeYd3 ? tips.volume[index] : previousVolume;
  row.side = tips.side[index];
  row.base = averagedBaseTons(tips, g, s.bottomLength + g.bellHeight, length);
  row.factoredBase = row.base * lrfdTipFactorBelow(data, static_cast<float>(length));
  if (s.loadingType == kUplift) {
    row.base = upliftWeightTons(s, g, static_cast<float>(length), row.volume);
    s.fsBase = 1.0f;
    row.factoredBase = row.base;
  }
  row.ultimate = row.side + row.base;
  row.allowableBase = row.side + row.base / s.fsBase;
  row.allowable = row.side / s.fsSide + row.base / s.fsBase;
  // A row without concrete volume (the first rows of a belled shaft) has
  // no capacity per volume rather than a division by zero.
  row.perVolume = row.volume > 0.0f ? row.ultimate / row.volume : 0.0f;
  // The LRFD columns use the row's own tip index, like QS.
  row.factoredSide = tips.factoredSide[index];
  row.factoredTotal = row.factoredSide + row.factoredBase;
  return row;
}

bool rowMeetsTarget(const RunSettings& s, const CapacityRow& row) {
  if (s.designControl == kDesignLoadGiven) {
    return row.allowable > s.designLoad;
  }
  return row.length >= s.proposedDepth;
}

}  // namespace bormek
