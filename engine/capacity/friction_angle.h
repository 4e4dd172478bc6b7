// Friction angle of sand from the SPT blow count and the effective vertical
// stress, for sand layers given without a friction angle. Three curves of
// the angle against N (for 0, 20 and 40 psi of effective stress) are blended
// by stress band.
#pragma once

namespace bormek {

// blowCount: N (blows per ft); effectiveStressPsf: sigma-v' at the slice
// bottom (psf). Returns the friction angle in degrees. N above the last
// point of a curve gives 45 degrees.
float frictionAngleFromBlowCount(float blowCount, float effectiveStressPsf);

}  // namespace bormek
