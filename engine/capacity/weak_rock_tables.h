// Design charts of the weak-rock (cohesive intermediate geomaterial) rule,
// read through the table interpolation.
#pragma once

namespace bormek {

// Fluid-pressure factor M of the concrete from its slump (in) and the
// depth zc (ft).
float fluidPressureFactor(float slumpIn, float depthFt);
// alpha from sigma-n / pa and the rock strength qu (psf).
float weakRockAlpha(float normalStressRatio, float strengthPsf);
// Em / Ei from RQD (%), for closed or open joints.
float massModulusRatio(float rqdPercent, bool openJoints);
// Reduction of fa from Em / Ei.
float jointReduction(float massModulusRatio);
// n of smooth interfaces from Em / sigma-n and qu / pa.
float smoothSideFactorN(float modulusRatio, float strengthRatio);

}  // namespace bormek
