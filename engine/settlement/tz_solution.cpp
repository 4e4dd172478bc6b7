#include "settlement/tz_solution.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace bormek {
namespace {

constexpr float kSolutionPi = 3.1416f;
constexpr float kMovementToleranceIn = 0.0001f;
constexpr int kMaxSegmentIterations = 1000;

// Which point of a curve ends the piece that holds a movement: the first
// point at or beyond it (kCurvePoints beyond the last). The piece found last
// time is tried first, as a movement changes little from one round or
// segment to the next; the points rise along the curve, so the test is exact.
int pieceOf(const TzCurve& curve, float movementIn, int guess) {
  const auto holds = [&](int k) {
    if (k >= kCurvePoints) {
      return !(movementIn <= curve.movement[kCurvePoints - 1]);
    }
    const bool atOrBelow = movementIn <= curve.movement[static_cast<std::size_t>(k)];
    return atOrBelow &&
           (k == 1 || !(movementIn <= curve.movement[static_cast<std::size_t>(k - 1)]));
  };
  if (holds(guess)) {
    return guess;
  }
  for (int k = 1; k < kCurvePoints; ++k) {
    if (movementIn <= curve.movement[static_cast<std::size_t>(k)]) {
      return k;
    }
  }
  return kCurvePoints;
}

// The curve's value as curveValueAt gives it, starting from a guessed piece
// that is updated to the piece found.
float curveValueNear(const TzCurve& curve, float movementIn, int& piece) {
  piece = pieceOf(curve, movementIn, piece);
  if (piece >= kCurvePoints) {
    return curve.value[kCurvePoints - 1];
  }
  const auto i = static_cast<std::size_t>(piece);
  return linearBetween(curve.movement[i - 1], curve.value[i - 1], curve.movement[i], curve.value[i],
                       movementIn);
}

// Load transfer (psi) at the segment's mid-depth for movement w: the curve
// of the node at or below it, or interpolated in depth between that node
// and the one above.
float transferAt(const TzModel& m, const TzSegment& segment, float movementIn,
                 std::array<int, 2>& pieces) {
  const TzNode& node = m.nodes[static_cast<std::size_t>(segment.span.node)];
  if (!segment.span.betweenNodes) {
    return curveValueNear(node.curve, movementIn, pieces[1]);
  }
  const TzNode& above = m.nodes[static_cast<std::size_t>(segment.span.node - 1)];
  return linearBetween(above.depthIn, curveValueNear(above.curve, movementIn, pieces[0]),
                       node.depthIn, curveValueNear(node.curve, movementIn, pieces[1]),
                       segment.midDepthIn);
}

// One assumed tip movement being solved up the shaft.
struct Lane {
  float load = 0.0f;      // lb at the bottom of the current segment
  float movement = 0.0f;  // in at the bottom of the current segment
  float estimate = 0.0f;  // movement at mid-segment being iterated
  float nextLoad = 0.0f;
  float nextMovement = 0.0f;
  int round = 0;
  std::array<int, 2> pieces{1, 1};  // curve pieces last found: node above, node below
};

// One round of the segment equations for a lane; true when its mid-segment
// movement has settled (or the iteration limit is reached).
bool iterateSegment(const TzModel& m, const TzSegment& segment, Lane& lane, TzHead& head) {
  const float dz = m.segmentLengthIn;
  const float stiffness = segment.stiffnessLb;
  const float transfer = segment.inBell ? 0.0f : transferAt(m, segment, lane.estimate, lane.pieces);
  const float increment = kSolutionPi * m.diameterIn * dz * transfer;
  lane.nextLoad = lane.load + increment;
  lane.nextMovement = lane.movement + dz * (lane.load + increment / 2.0f) / stiffness;
  const float middle =
      lane.movement +
      (dz / 2.0f) * ((lane.load + (lane.load + lane.nextLoad) / 2.0f) / 2.0f) / stiffness;
  const bool converged = std::fabs(middle - lane.estimate) <= kMovementToleranceIn;
  lane.estimate = middle;
  // Bitwise, not short-circuit: no branch on the outcome, so the rounds of
  // the other movements run on while this one's division completes.
  const bool limit = !converged & (lane.round == kMaxSegmentIterations);
  head.iterationLimitReached = head.iterationLimitReached | limit;
  ++lane.round;
  return converged | limit;
}

}  // namespace

void solveForTipMovements(const TzModel& m, const float* tipMovementsIn, TzHead* heads, int count) {
  const int used = std::clamp(count, 1, kTipMovements);
  std::array<Lane, kTipMovements> lanes{};
  for (int l = 0; l < used; ++l) {
    TzHead& head = heads[l];
    head = TzHead{};
    head.tipMovementIn = tipMovementsIn[l];
    head.tipLoadLb = curveValueAt(m.tip, head.tipMovementIn);
    Lane& lane = lanes[static_cast<std::size_t>(l)];
    lane.load = head.tipLoadLb;
    lane.movement = head.tipMovementIn;
    lane.estimate = head.tipMovementIn;
  }
  // The movements are independent: iterating them side by side, segment by
  // segment, overlaps their chains of dependent arithmetic, and each still
  // computes exactly what it would alone. The ones still iterating on a
  // segment are kept in front, so a settled one costs nothing.
  for (int k = 0; k < m.segments; ++k) {
    const TzSegment& segment = m.segmentsFromTip[static_cast<std::size_t>(k)];
    std::array<int, kTipMovements> unsettled{};
    for (int l = 0; l < used; ++l) {
      unsettled[static_cast<std::size_t>(l)] = l;
      lanes[static_cast<std::size_t>(l)].round = 0;
    }
    for (int left = used; left > 0;) {
      int kept = 0;
      for (int i = 0; i < left; ++i) {
        const int l = unsettled[static_cast<std::size_t>(i)];
        const bool settles =
            iterateSegment(m, segment, lanes[static_cast<std::size_t>(l)], heads[l]);
        unsettled[static_cast<std::size_t>(kept)] = l;
        kept += settles ? 0 : 1;
      }
      left = kept;
    }
    for (int l = 0; l < used; ++l) {
      Lane& lane = lanes[static_cast<std::size_t>(l)];
      lane.load = lane.nextLoad;
      lane.movement = lane.nextMovement;
      lane.estimate = lane.movement;
    }
  }
  for (int l = 0; l < used; ++l) {
    heads[l].topLoadLb = lanes[static_cast<std::size_t>(l)].load;
    heads[l].topMovementIn = lanes[static_cast<std::size_t>(l)].movement;
  }
}

TzHead solveForTipMovement(const TzModel& m, float tipMovementIn) {
  TzHead head;
  solveForTipMovements(m, &tipMovementIn, &head, 1);
  return head;
}

}  // namespace bormek
