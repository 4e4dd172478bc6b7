// Layers for tests that build a layer table in code.
#pragma once

#include "input/input_data.h"

namespace bormek::testing {

// A layer of `type` from `top` to `bottom` (ft), every value 0.
inline Layer layerOf(int type, float top, float bottom) {
  Layer layer;
  layer.type = type;
  layer.typeCode = static_cast<float>(type);
  layer.topDepth = top;
  layer.bottomDepth = bottom;
  return layer;
}

// The same as the completed table holds it: no side or base limit and LRFD
// factors of 1.
inline Layer unlimitedLayerOf(int type, float top, float bottom) {
  Layer layer = layerOf(type, top, bottom);
  layer.maxSide = {1e10f, 1e10f};
  layer.maxBase = {1e10f, 1e10f};
  layer.lrfdSide = 1.0f;
  layer.lrfdTip = 1.0f;
  return layer;
}

}  // namespace bormek::testing
