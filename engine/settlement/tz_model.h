// The load-transfer (t-z) model of one pass: nodes with their side curves,
// the tip curve, the axial stiffness, and the solution of the shaft for an
// assumed tip movement. Inches and pounds throughout.
#pragma once

#include <array>
#include <cstdint>

#include "settlement/settlement_input.h"
#include "settlement/tz_curves.h"

namespace bormek {

inline constexpr int kNodesPerLayer = 5;
inline constexpr int kMaxTzNodes = kNodesPerLayer * kMaxFileLayers;
inline constexpr int kTipMovements = 15;

struct TzCurve {
  CurveRatios movement{};  // in
  CurveRatios value{};     // load transfer (psi) or tip load (lb)
};

// The curve's value at a movement: linear between points, the last point's
// value beyond the last point.
float curveValueAt(const TzCurve& curve, float movementIn);

struct TzNode {
  float depthIn = 0.0f;
  int type = 0;
  float tmaxPsi = 0.0f;
  TzCurve curve;
};

struct TzModel {
  float lengthIn = 0.0f;
  float diameterIn = 0.0f;
  float bellHeightIn = 0.0f;
  float stemStiffnessLb = 0.0f;  // AE of the stem, 0.7854 D² Ec
  float baseStiffnessLb = 0.0f;  // AE at the base, 0.7854 Db² Ec
  int segments = 1;
  int nodeCount = 0;
  std::array<TzNode, kMaxTzNodes> nodes{};
  // Deepest node depth down to each node: the first node at or below a
  // depth is found by binary search in it.
  std::array<float, kMaxTzNodes> deepestSoFarIn{};
  TzCurve tip;
};

enum class TzStatus : std::int32_t { kBuilt = 0, kNodeBeyondProfile = 2, kTipBeyondProfile = 4 };

struct TzBuild {
  TzStatus status = TzStatus::kBuilt;
  float depthBeyondIn = 0.0f;  // the depth that lies beyond the layer profile
};

// Builds nodes, curves, tip curve and stiffness for pass `pass`.
TzBuild buildTzModel(const SettlementInput& input, TzPassCode pass, TzModel& model);

// Shaft modulus in psi (SI input is read in kPa).
float shaftModulusPsi(const RunSettings& settings);

// The 15 assumed tip movements (in) for a shaft diameter (in).
std::array<float, kTipMovements> assumedTipMovements(float diameterIn);

struct TzHead {
  float topLoadLb = 0.0f;
  float topMovementIn = 0.0f;
  float tipLoadLb = 0.0f;
  float tipMovementIn = 0.0f;
  bool iterationLimitReached = false;
};

// Solves the shaft from the tip up for an assumed tip movement.
TzHead solveForTipMovement(const TzModel& model, float tipMovementIn);

// Load transfer (psi) at depth z for movement w, between the nodes around z.
float transferAt(const TzModel& model, float depthIn, float movementIn);

}  // namespace bormek
