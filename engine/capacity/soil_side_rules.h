// Unit side resistance of a 1-ft slice in soil (sand, clay, clay shale,
// gravelly sand, gravel). Stresses in psf, angles in degrees, results in
// tsf.
#pragma once

#include "input/input_data.h"

namespace bormek {

enum class SideMethod {
  kNone,   // rock and geomaterial layers: their own rules
  kK,      // f = K tau
  kBeta,   // f = beta sigma-v' (middle of the slice)
  kAlpha,  // f = alpha tau
};

SideMethod sideMethodOf(const Layer& layer);

// Side coefficient of a slice: interpolated between the layer's ends (0 when
// either end is not given), or re-evaluated at depth z for layers whose
// coefficient was defaulted.
float sliceCoefficient(const Layer& layer, float fraction, float depthFt, float blowCount);

// tau = sigma-v' tan(phi) + c, psf.
float shearStrengthPsf(float effectiveStressPsf, float frictionAngleDeg, float cohesionPsf);

// Undrained strength of clay or clay shale given no cohesion, from N (psf).
float cohesionFromBlowCount(int soilType, float blowCount);

// Beta rules: f = beta sigma-v'(middle) / 2000, capped at 2.1 tsf for sand
// and gravelly sand.
float betaSideTsf(int soilType, float beta, float middleStressPsf);

}  // namespace bormek
