// What the capacity driver hands to the load-settlement stage for one
// diameter, and the load-settlement line it gets back. Inputs are in the
// engine's English units (ft, tons, tsf, psf); lines are in output units
// (English tons and inches, SI kN and metres).
#pragma once

#include <array>

#include "capacity/rock_slice.h"
#include "input/input_data.h"

namespace bormek {

inline constexpr int kSettlementPoints = 15;
inline constexpr int kSideProfileDepths = 500;  // whole feet of slice depth

struct SettlementPoint {
  float topLoad = 0.0f;
  float topMovement = 0.0f;
  float tipLoad = 0.0f;
  float tipMovement = 0.0f;
};
using SettlementLine = std::array<SettlementPoint, kSettlementPoints>;

// How a diameter's lines were found, by the layer that holds the tip: three
// t-z lines for soil, one line for each kind of rock.
enum class SettlementMethod { kLoadTransfer, kRockSocket, kDecomposedRock, kWeakRock };
inline constexpr int kTzLineCount = 3;  // trend, upper bound, lower bound

// Per layer, from the depth walk of the diameter; zeros for a layer that
// was not walked (above TOPLENG).
struct LayerSummary {
  bool walked = false;
  float unitSideFirstTsf = 0.0f;    // at the first slice of the layer
  float unitSideLastTsf = 0.0f;     // at the last slice of the layer
  float cumulativeSideTons = 0.0f;  // QS of a shaft tipped at the last slice
  float lastTipFt = 0.0f;           // tip depth belonging to the last slice
  // The last slice walked in the layer: its depth, its position in the layer
  // and the running effective stress at its bottom.
  float lastSliceDepthFt = 0.0f;
  float lastSliceFraction = 0.0f;
  float lastSliceStressPsf = 0.0f;
};

struct SettlementInput {
  const InputData* data = nullptr;
  int depthPoints = 0;          // N: the diameter's evaluated 1-ft rows, also the t-z segments
  float lengthFt = 0.0f;        // L used for the settlement analysis
  float designDepthFt = 0.0f;   // DGH, or the driver's substitute in design-load mode
  float stemDiameterFt = 0.0f;  // D
  float baseDiameterFt = 0.0f;  // Db
  float bellHeightFt = 0.0f;    // hb
  float socketScale = 1.0f;     // D / DSTART
  float tipTons = 0.0f;         // QB of the final row
  float sideTons = 0.0f;        // QS of the final row
  int tipLayer = 0;             // layer table entry that holds the tip
  std::array<LayerSummary, kMaxLayerEntries> layers{};  // entries 1 to entryCount - 1
  // Unit side resistance (tsf) of the slice ending at each whole foot of
  // depth; index 0 is the surface with 0. Beyond `sideProfileDeepest` the
  // last value holds.
  std::array<float, kSideProfileDepths> sideProfileTsf{};
  int sideProfileDeepest = 0;
  // Side resistance (tons) accumulated above the first weak-rock slice.
  float sideAboveWeakRockTons = 0.0f;
  RockDiameterState rock;  // weak-rock moduli, first weak-rock strength, Em of decomposed rock
};

}  // namespace bormek
