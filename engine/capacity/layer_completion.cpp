#include "capacity/layer_completion.h"

#include <cmath>

#include "capacity/soil_defaults.h"
#include "input/unit_constants.h"

namespace bormek {
namespace {

constexpr float kNoLimitThreshold = 1e-10f;

float defaultCoefficient(const Layer& layer, float depthFt, float blowCount, float cohesionPsf) {
  switch (layer.type) {
    case kClay:
    case kClayShale:
      return clayAlphaFor(cohesionPsf);
    case kSand:
      return sandUsesBetaMethod(layer) ? sandBetaAt(depthFt, blowCount) : kMinimumSideCoefficient;
    case kGravellySand:
      return gravellySandBetaAt(depthFt);
    case kGravel:
      return gravelBetaAt(depthFt);
    default:
      return kMinimumSideCoefficient;
  }
}

void fillDefaultCoefficients(Layer& layer) {
  if (!(layer.coefficient.top < kNotGivenBelow && layer.coefficient.bottom < kNotGivenBelow)) {
    return;
  }
  layer.defaultCoefficient = true;
  layer.coefficient.top =
      defaultCoefficient(layer, layer.topDepth, layer.blowCount.top, layer.cohesion.top);
  layer.coefficient.bottom =
      defaultCoefficient(layer, layer.bottomDepth, layer.blowCount.bottom, layer.cohesion.bottom);
}

void fillDefaultBearingFactor(Layer& layer, float dStartFt) {
  const bool clayLike = layer.type == kClay || layer.type == kClayShale;
  if (!clayLike || !(layer.nc.top < kNotGivenBelow && layer.nc.bottom < kNotGivenBelow)) {
    return;
  }
  layer.nc.top = defaultBearingFactor(layer.type, layer.topDepth, dStartFt);
  layer.nc.bottom = defaultBearingFactor(layer.type, layer.bottomDepth, dStartFt);
}

void replaceMissingLimit(float& limit) {
  if (std::fabs(limit) < kNoLimitThreshold) {
    limit = kNoLimit;
  }
}

}  // namespace

bool sandUsesBetaMethod(const Layer& layer) {
  return layer.coefficientOption >= kSandBetaMethodOption;
}

void completeLayerTable(InputData& data) {
  RunSettings& s = data.settings;
  // Moduli are read in psi (English) or kPa (SI).
  const float toPsf = s.si ? kPsfPerKpa : kSquareInchesPerSquareFoot;
  const auto toTsf = [toPsf](float modulus) { return modulus * toPsf / kPoundsPerTon; };
  s.ecTsf = toTsf(s.ecInput);
  for (int k = 1; k < data.entryCount; ++k) {
    Layer& layer = data.layers[static_cast<std::size_t>(k)];
    fillDefaultCoefficients(layer);
    fillDefaultBearingFactor(layer, s.dStart);
    replaceMissingLimit(layer.maxSide.top);
    replaceMissingLimit(layer.maxSide.bottom);
    replaceMissingLimit(layer.maxBase.top);
    replaceMissingLimit(layer.maxBase.bottom);
    layer.modulusTsf.top = toTsf(layer.modulus.top);
    layer.modulusTsf.bottom = toTsf(layer.modulus.bottom);
  }
}

}  // namespace bormek
