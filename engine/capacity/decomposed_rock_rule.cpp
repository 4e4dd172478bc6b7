#include <algorithm>
#include <cmath>

#include "capacity/rock_rules.h"
#include "input/unit_constants.h"

namespace bormek {
namespace {

constexpr float kPreconsolidationPerBlow = 0.2f;  // sigma-p' = 0.2 N60 pa
constexpr float kFrictionIntercept = 12.2f;       // phi' = atan[(N60 / (12.2 + 20.3 s/pa))^0.34]
constexpr float kFrictionStressSlope = 20.3f;
constexpr float kFrictionExponent = 0.34f;
constexpr float kInterfaceFrictionShare = 0.75f;  // tan(0.75 phi')
constexpr float kBaseStressFactor = 2.1459f;      // qmax = 2.1459 sigma-v' OCR^0.8
constexpr float kBaseOcrExponent = 0.8f;
constexpr float kModulusPerBlowPsf = 46545.4f;  // Em = 22 pa N60^0.82
constexpr float kModulusBlowExponent = 0.82f;
constexpr float kNoSocketFt = 0.001f;
constexpr float kModulusGivenPsf = 0.001f;
constexpr float kSocketDiametersBelowDesignDepth = 2.0f;

float meanUnitWeight(const Layer& layer) {
  return (layer.unitWeight.top + layer.unitWeight.bottom) / 2.0f;
}

}  // namespace

float midLayerStressPsf(const InputData& data, int layerIndex) {
  float stress = 0.0f;
  for (int k = 1; k < layerIndex; ++k) {
    const Layer& above = data.layers[static_cast<std::size_t>(k)];
    stress += (above.bottomDepth - above.topDepth) * meanUnitWeight(above);
  }
  const Layer& layer = data.layers[static_cast<std::size_t>(layerIndex)];
  stress += 0.5f * (layer.bottomDepth - layer.topDepth) * meanUnitWeight(layer);
  const float middle = (layer.topDepth + layer.bottomDepth) / 2.0f;
  const float waterTable = data.settings.waterTableDepth;
  if (waterTable < middle) {
    stress -= kWaterUnitWeightPcf * (middle - waterTable);
  }
  return stress;
}

bool geomaterialModulusGiven(const Layer& layer) {
  return layer.modulusTsf.bottom * kPoundsPerTon > kModulusGivenPsf;
}

float geomaterialModulusPsf(const Layer& layer, float n60) {
  if (geomaterialModulusGiven(layer)) {
    return layer.modulusTsf.bottom * kPoundsPerTon;
  }
  return kModulusPerBlowPsf * std::pow(n60, kModulusBlowExponent);
}

float rockDesignDepth(const InputData& data, int layerIndex) {
  const RunSettings& s = data.settings;
  if (s.designControl == kShaftLengthGiven) {
    return s.proposedDepth;
  }
  const Layer& layer = data.layers[static_cast<std::size_t>(layerIndex)];
  return (layer.topDepth + layer.bottomDepth) / 2.0f + s.topLength;
}

float decomposedRockSocketFt(float scaledSocketFt, float dStartFt) {
  return scaledSocketFt < kNoSocketFt ? dStartFt : scaledSocketFt;
}

float decomposedRockStressPsf(const InputData& data, int layerIndex, float depthFt,
                              float runningStressPsf, float designDepthFt, float socketFt) {
  const bool nearDesignDepth =
      depthFt < designDepthFt + kSocketDiametersBelowDesignDepth * socketFt;
  return nearDesignDepth ? runningStressPsf : midLayerStressPsf(data, layerIndex);
}

float decomposedRockOcr(float n60, float stressPsf) {
  return kPreconsolidationPerBlow * n60 * kGeomaterialAtmospherePsf / stressPsf;
}

float decomposedRockBasePsf(float stressPsf, float ocr) {
  return kBaseStressFactor * stressPsf * std::pow(ocr, kBaseOcrExponent);
}

RockResult decomposedRockSlice(const RockSlice& slice, RockNotes& notes) {
  const Layer& layer = slice.layer();
  RockResult result;
  result.socketDiameterFt = valueAt(layer.socketDiameter, slice.fraction) * slice.socketScale;
  const float socketFt =
      decomposedRockSocketFt(result.socketDiameterFt, slice.data->settings.dStart);
  const float stress =
      decomposedRockStressPsf(*slice.data, slice.layerIndex, slice.depthFt, slice.stressBottomPsf,
                              slice.designDepthFt, socketFt);
  // A negative blow count has no meaning; it counts as none.
  const float n60 = std::max(valueAt(layer.blowCount, slice.fraction), 0.0f);
  // Rock above without unit weight can leave no effective stress below the
  // water table; the correlations need a positive one.
  if (!(stress > 0.0f)) {
    notes.gap(slice, RockGap::kNoEffectiveStress);
    return result;
  }
  const float pa = kGeomaterialAtmospherePsf;
  const float ocr = decomposedRockOcr(n60, stress);
  const float frictionAngle = std::atan(
      std::pow(n60 / (kFrictionIntercept + kFrictionStressSlope * stress / pa), kFrictionExponent));
  const float sinFriction = std::sin(frictionAngle);
  const float k0 = (1.0f - sinFriction) * std::pow(ocr, sinFriction);
  const float shearPsf = stress * k0 * std::tan(kInterfaceFrictionShare * frictionAngle);
  result.unitSideTsf = shearPsf / kPoundsPerTon;
  const float baseStressPsf = decomposedRockBasePsf(stress, ocr);
  result.baseTons = baseStressPsf * kGeomaterialPi * socketFt * socketFt / 4.0f / kPoundsPerTon;
  return result;
}

}  // namespace bormek
