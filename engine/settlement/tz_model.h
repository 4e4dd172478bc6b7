// The load-transfer (t-z) model of one pass: nodes with their side curves,
// the tip curve, the axial stiffness and the segments of the shaft. Inches
// and pounds throughout.
#pragma once

#include <array>
#include <cstdint>

#include "settlement/settlement_input.h"
#include "settlement/tz_curves.h"

namespace bormek {

inline constexpr int kNodesPerLayer = 5;
inline constexpr int kMaxTzNodes = kNodesPerLayer * kMaxLayerEntries;
inline constexpr int kTipMovements = 15;
inline constexpr int kMaxSegments = 500;  // one per evaluated 1-ft row

struct TzCurve {
  CurveRatios movement{};  // in
  CurveRatios value{};     // load transfer (psi) or tip load (lb)
};

// Linear between (x0, y0) and (x1, y1) at x; y1 where the two coincide.
inline float linearBetween(float x0, float y0, float x1, float y1, float x) {
  return x1 == x0 ? y1 : y0 + (y1 - y0) * (x - x0) / (x1 - x0);
}

// The curve's value at a movement: linear between points, the last point's
// value beyond the last point. Inline: the solution of a large shaft reads
// the curves millions of times.
inline float curveValueAt(const TzCurve& curve, float movementIn) {
  for (int k = 1; k < kCurvePoints; ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (movementIn <= curve.movement[i]) {
      return linearBetween(curve.movement[i - 1], curve.value[i - 1], curve.movement[i],
                           curve.value[i], movementIn);
    }
  }
  return curve.value[kCurvePoints - 1];
}

struct TzNode {
  float depthIn = 0.0f;
  int type = 0;
  float tmaxPsi = 0.0f;
  TzCurve curve;
};

// The node whose curve gives the load transfer at a depth: the first node
// (from the top) not above it, and whether the depth lies between that node
// and the one before it (interpolated in depth) rather than on it.
struct NodeSpan {
  int node = 0;
  bool betweenNodes = false;
};

// One segment of the shaft, numbered from the tip: what its solution needs
// that does not depend on the assumed tip movement.
struct TzSegment {
  float midDepthIn = 0.0f;
  float stiffnessLb = 0.0f;  // AE at mid-depth
  bool inBell = false;       // below the top of the bell zone: no side transfer
  NodeSpan span;
};

struct TzModel {
  float lengthIn = 0.0f;
  float diameterIn = 0.0f;
  float bellHeightIn = 0.0f;
  float stemStiffnessLb = 0.0f;  // AE of the stem, 0.7854 D² Ec
  float baseStiffnessLb = 0.0f;  // AE at the base, 0.7854 Db² Ec
  int nodeCount = 0;
  int segments = 1;  // set with divideIntoSegments
  float segmentLengthIn = 0.0f;
  std::array<TzSegment, kMaxSegments> segmentsFromTip{};
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

// Builds nodes, curves, tip curve, stiffness and the segments (one per
// evaluated depth point) for pass `pass`.
TzBuild buildTzModel(const SettlementInput& input, TzPassCode pass, TzModel& model);

// Shaft modulus in psi (SI input is read in kPa).
float shaftModulusPsi(const RunSettings& settings);

// The 15 assumed tip movements (in) for a shaft diameter (in).
std::array<float, kTipMovements> assumedTipMovements(float diameterIn);

// Divides the shaft into `count` segments of equal length (1 to
// kMaxSegments) and finds the nodes of each; the nodes, stiffness and bell
// height must be in place.
void divideIntoSegments(TzModel& model, int count);

}  // namespace bormek
