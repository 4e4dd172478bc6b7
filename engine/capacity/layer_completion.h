// Completes the layer table once, before the diameter loop: default side
// coefficients and bearing factors where the user gave none, "no limit"
// for side and base limits given as zero, and the moduli in tsf.
#pragma once

#include "input/input_data.h"

namespace bormek {

inline constexpr float kNoLimit = 1e10f;

void completeLayerTable(InputData& data);

// Sand with coefficient option 2 (and above) uses the beta method.
bool sandUsesBetaMethod(const Layer& layer);

}  // namespace bormek
