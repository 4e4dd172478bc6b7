// Side and base resistance of a slice in rock and intermediate
// geomaterials: strong rock (types 4 and 7), decomposed rock (type 5) and
// weak rock (type 6). Strengths in psf, lengths in ft, results in tsf and
// tons. A value a formula cannot work with gives no resistance from the
// slice and a warning in the run notes, never a NaN.
#pragma once

#include "capacity/rock_slice.h"

namespace bormek {

// Governing strength for side resistance: the lesser of the rock and the
// concrete strength at the slice (psf).
float governingStrengthPsf(const RockSlice& slice);

// Types 4 and 7.
RockResult strongRockSlice(const RockSlice& slice, bool compression, RockNotes& notes);
// Type 5.
RockResult decomposedRockSlice(const RockSlice& slice, RockNotes& notes);
// Type 6.
RockResult weakRockSlice(const RockSlice& slice, RockDiameterState& state, RockNotes& notes);

// The weak-rock socket at a slice: strength, normal stress of the fluid
// concrete, side strength fa, n, mass modulus and the shape factors. Shared
// with the load-settlement curve of weak-rock tips.
struct WeakRockSocket {
  bool valid = false;  // false: `gap` tells which value is missing
  RockGap gap = RockGap::kCount;
  bool rough = false;
  float diameterFt = 0.0f;       // Bs, scaled
  float depthIntoFt = 0.0f;      // L
  float strengthPsf = 0.0f;      // qu
  float normalStressPsf = 0.0f;  // sigma-n
  float sideStrengthPsf = 0.0f;  // fa
  float n = 0.0f;
  float modulusTsf = 0.0f;  // Em
  float lambda = 0.0f;      // L / Bs
  float gamma = 0.0f;
  float omega = 0.0f;
};

WeakRockSocket weakRockSocketAt(const RockSlice& slice, float meanModulusTsf,
                                float depthIntoSocketFt);
// Side factor Phi of a rough socket at a settlement (ft).
float weakRockSideFactor(const WeakRockSocket& socket, float settlementFt);
// Unit base resistance (psf) at a settlement (ft), at most 2.5 qu; negative
// when the formula's bracket is not positive (a very long socket).
float weakRockBasePsf(const WeakRockSocket& socket, float settlementFt);

// sigma-v' (psf) at the middle of a layer: the full weight of the layers
// above and half of this one, less the water pressure.
float midLayerStressPsf(const InputData& data, int layerIndex);
// Em (psf) of decomposed rock: the layer's bottom modulus when given, else
// 22 pa N60^0.82.
float geomaterialModulusPsf(const Layer& layer, float n60);
bool geomaterialModulusGiven(const Layer& layer);
// Layer entry of the weak-rock socket's first layer: the first of type 6 or
// 7 from the surface down (gravelly sand and gravel never start it); 0 when
// there is none.
int weakRockSocketTopLayer(const InputData& data);
// What is missing, in the words of the run notes.
const char* rockGapText(RockGap gap);

// Decomposed rock, shared by the capacity rule and the load-settlement line.
// The scaled socket diameter, or DSTART where none is given (ft).
float decomposedRockSocketFt(float scaledSocketFt, float dStartFt);
// sigma-v' (psf) the correlations use: the running stress of a slice above
// the design depth plus two socket diameters, the mid-layer stress below.
float decomposedRockStressPsf(const InputData& data, int layerIndex, float depthFt,
                              float runningStressPsf, float designDepthFt, float socketFt);
// OCR = 0.2 N60 pa / sigma-v'.
float decomposedRockOcr(float n60, float stressPsf);
// qmax = 2.1459 sigma-v' OCR^0.8 (psf).
float decomposedRockBasePsf(float stressPsf, float ocr);

// Depth (ft) the decomposed-rock and weak-rock rules design for: the shaft
// length when it is given, else the mid-depth of the layer plus TOPLENG.
float rockDesignDepth(const InputData& data, int layerIndex);

}  // namespace bormek
