#include "settlement/tz_solution.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace bormek {
namespace {

constexpr float kSolutionPi = 3.1416f;
constexpr float kMovementToleranceIn = 0.0001f;
constexpr int kMaxSegmentIterations = 1000;
// Movements solved side by side on one thread: enough to overlap their
// chains of arithmetic, few enough that the run's two threads share the
// passes of a diameter evenly.
constexpr int kLanesPerPart = 5;

// A curve as the solution reads it: each piece's start, rise and run
// taken once per pass, so a value costs one product and one quotient. The
// arithmetic is that of linearBetween, term for term.
struct Piece {
  float x0 = 0.0f;
  float y0 = 0.0f;
  float dx = 0.0f;  // x1 - x0
  float dy = 0.0f;  // y1 - y0
  float y1 = 0.0f;  // the value where the piece has no run
};
struct SolutionCurve {
  CurveRatios movement{};
  std::array<Piece, kCurvePoints> pieces{};  // piece k ends at point k (k >= 1)
  float last = 0.0f;                         // beyond the last point
};

SolutionCurve solutionCurveOf(const TzCurve& curve) {
  SolutionCurve c;
  c.movement = curve.movement;
  for (std::size_t k = 1; k < kCurvePoints; ++k) {
    c.pieces[k] = {curve.movement[k - 1], curve.value[k - 1],
                   curve.movement[k] - curve.movement[k - 1], curve.value[k] - curve.value[k - 1],
                   curve.value[k]};
  }
  c.last = curve.value[kCurvePoints - 1];
  return c;
}

// Which point of a curve ends the piece that holds a movement: the first
// point at or beyond it (kCurvePoints beyond the last). The piece found last
// time is tried first, as a movement changes little from one round or
// segment to the next; the points rise along the curve, so the test is exact.
int pieceOf(const CurveRatios& movement, float movementIn, int guess) {
  const auto holds = [&](int k) {
    if (k >= kCurvePoints) {
      return !(movementIn <= movement[kCurvePoints - 1]);
    }
    const bool atOrBelow = movementIn <= movement[static_cast<std::size_t>(k)];
    return atOrBelow && (k == 1 || !(movementIn <= movement[static_cast<std::size_t>(k - 1)]));
  };
  if (holds(guess)) {
    return guess;
  }
  for (int k = 1; k < kCurvePoints; ++k) {
    if (movementIn <= movement[static_cast<std::size_t>(k)]) {
      return k;
    }
  }
  return kCurvePoints;
}

// The value on a piece found by pieceOf, as curveValueAt gives it.
float valueOnPiece(const SolutionCurve& curve, int piece, float movementIn) {
  if (piece >= kCurvePoints) {
    return curve.last;
  }
  const Piece& p = curve.pieces[static_cast<std::size_t>(piece)];
  return p.dx == 0.0f ? p.y1 : p.y0 + p.dy * (movementIn - p.x0) / p.dx;
}

// The nodes of a pass as the solution reads them.
struct SolutionNodes {
  std::array<SolutionCurve, kMaxTzNodes> curves;
  // The node shares the movements of its curve with the node above: one
  // search finds the piece of both.
  std::array<bool, kMaxTzNodes> sameMovementsAsAbove{};
};

void prepareNodes(const TzModel& m, SolutionNodes& nodes) {
  for (int n = 0; n < m.nodeCount; ++n) {
    const auto i = static_cast<std::size_t>(n);
    nodes.curves[i] = solutionCurveOf(m.nodes[i].curve);
    nodes.sameMovementsAsAbove[i] =
        n > 0 && m.nodes[i].curve.movement == m.nodes[i - 1].curve.movement;
  }
}

// What a segment's rounds read, gathered once per segment: the node at or
// below its mid-depth and, between two nodes, the one above with the
// depths of the interpolation.
struct SegmentCurves {
  const SolutionCurve* below = nullptr;
  const SolutionCurve* above = nullptr;  // only between nodes
  bool sameMovements = false;            // one piece search serves both curves
  float aboveDepthIn = 0.0f;
  float belowDepthIn = 0.0f;
  float midDepthIn = 0.0f;
};

SegmentCurves curvesOf(const TzModel& m, const SolutionNodes& nodes, const TzSegment& segment) {
  const auto n = static_cast<std::size_t>(segment.span.node);
  SegmentCurves c;
  c.below = &nodes.curves[n];
  c.midDepthIn = segment.midDepthIn;
  if (segment.span.betweenNodes) {
    c.above = &nodes.curves[n - 1];
    c.sameMovements = nodes.sameMovementsAsAbove[n];
    c.aboveDepthIn = m.nodes[n - 1].depthIn;
    c.belowDepthIn = m.nodes[n].depthIn;
  }
  return c;
}

// Load transfer (psi) at the segment's mid-depth for movement w: the curve
// of the node at or below it, or interpolated in depth between that node
// and the one above.
float transferAt(const SegmentCurves& c, float movementIn, std::array<int, 2>& pieces) {
  pieces[1] = pieceOf(c.below->movement, movementIn, pieces[1]);
  const float belowValue = valueOnPiece(*c.below, pieces[1], movementIn);
  if (c.above == nullptr) {
    return belowValue;
  }
  pieces[0] = c.sameMovements ? pieces[1] : pieceOf(c.above->movement, movementIn, pieces[0]);
  const float aboveValue = valueOnPiece(*c.above, pieces[0], movementIn);
  return linearBetween(c.aboveDepthIn, aboveValue, c.belowDepthIn, belowValue, c.midDepthIn);
}

// One assumed tip movement being solved up the shaft.
struct Lane {
  float tipLoad = 0.0f;   // lb at the tip, from the tip curve
  float load = 0.0f;      // lb at the bottom of the current segment
  float movement = 0.0f;  // in at the bottom of the current segment
  float estimate = 0.0f;  // movement at mid-segment being iterated
  float nextLoad = 0.0f;
  float nextMovement = 0.0f;
  int round = 0;
  bool limitReached = false;
  std::array<int, 2> pieces{1, 1};  // curve pieces last found: node above, node below
};

// The factors of the segment equations that hold for the whole shaft:
// written as the equations group them, so the products are the same.
struct SegmentFactors {
  float dz = 0.0f;              // segment length (in)
  float halfDz = 0.0f;          // dz / 2
  float transferToLoad = 0.0f;  // pi x D x dz: load transferred per psi
};

// One round of the segment equations for a lane; true when its mid-segment
// movement has settled (or the iteration limit is reached).
bool iterateSegment(const SegmentFactors& f, const SegmentCurves& curves, const TzSegment& segment,
                    Lane& lane) {
  const float stiffness = segment.stiffnessLb;
  const float transfer = segment.inBell ? 0.0f : transferAt(curves, lane.estimate, lane.pieces);
  const float increment = f.transferToLoad * transfer;
  lane.nextLoad = lane.load + increment;
  lane.nextMovement = lane.movement + f.dz * (lane.load + increment / 2.0f) / stiffness;
  const float middle =
      lane.movement +
      f.halfDz * ((lane.load + (lane.load + lane.nextLoad) / 2.0f) / 2.0f) / stiffness;
  const bool converged = std::fabs(middle - lane.estimate) <= kMovementToleranceIn;
  lane.estimate = middle;
  // Bitwise, not short-circuit: no branch on the outcome, so the rounds of
  // the other movements run on while this one's division completes.
  const bool limit = !converged & (lane.round == kMaxSegmentIterations);
  lane.limitReached = lane.limitReached | limit;
  ++lane.round;
  return converged | limit;
}

// Solves `used` (1 to kTipMovements) movements side by side.
void solveLanes(const TzModel& m, const SolutionNodes& nodes, const float* tipMovementsIn,
                TzHead* heads, int used) {
  SegmentFactors factors;
  factors.dz = m.segmentLengthIn;
  factors.halfDz = factors.dz / 2.0f;
  factors.transferToLoad = kSolutionPi * m.diameterIn * factors.dz;
  std::array<Lane, kTipMovements> lanes{};
  for (int l = 0; l < used; ++l) {
    Lane& lane = lanes[static_cast<std::size_t>(l)];
    lane.movement = tipMovementsIn[l];
    lane.tipLoad = curveValueAt(m.tip, lane.movement);
    lane.load = lane.tipLoad;
    lane.estimate = lane.movement;
  }
  // The movements are independent: iterating them side by side, segment by
  // segment, overlaps their chains of dependent arithmetic, and each still
  // computes exactly what it would alone. The ones still iterating on a
  // segment are kept in front, so a settled one costs nothing.
  for (int k = 0; k < m.segments; ++k) {
    const TzSegment& segment = m.segmentsFromTip[static_cast<std::size_t>(k)];
    const SegmentCurves curves = curvesOf(m, nodes, segment);
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
            iterateSegment(factors, curves, segment, lanes[static_cast<std::size_t>(l)]);
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
    const Lane& lane = lanes[static_cast<std::size_t>(l)];
    TzHead& head = heads[l];
    head = TzHead{};
    head.tipMovementIn = tipMovementsIn[l];
    head.tipLoadLb = lane.tipLoad;
    head.topLoadLb = lane.load;
    head.topMovementIn = lane.movement;
    head.iterationLimitReached = lane.limitReached;
  }
}

int movementsOf(const TzSolution& solution) {
  return std::clamp(solution.count, 1, kTipMovements);
}

}  // namespace

void solveForTipMovements(std::span<const TzSolution> solutions, SideWorker* worker) {
  // Each model's curves as the solution reads them, and its parts: runs of
  // up to kLanesPerPart movements.
  std::vector<std::unique_ptr<SolutionNodes>> nodes;
  std::vector<std::pair<std::size_t, int>> parts;  // solution, first movement
  for (std::size_t k = 0; k < solutions.size(); ++k) {
    nodes.push_back(std::make_unique<SolutionNodes>());
    prepareNodes(*solutions[k].model, *nodes.back());
    for (int first = 0; first < movementsOf(solutions[k]); first += kLanesPerPart) {
      parts.emplace_back(k, first);
    }
  }
  const auto solvePart = [&](int part) {
    const auto [k, first] = parts[static_cast<std::size_t>(part)];
    const TzSolution& solution = solutions[k];
    solveLanes(*solution.model, *nodes[k], solution.tipMovementsIn + first, solution.heads + first,
               std::min(kLanesPerPart, movementsOf(solution) - first));
  };
  const auto count = static_cast<int>(parts.size());
  if (worker == nullptr) {
    for (int part = 0; part < count; ++part) {
      solvePart(part);
    }
    return;
  }
  worker->shareParts(count, solvePart);
}

TzHead solveForTipMovement(const TzModel& m, float tipMovementIn) {
  TzHead head;
  const TzSolution solution{&m, &tipMovementIn, &head, 1};
  solveForTipMovements({&solution, 1}, nullptr);
  return head;
}

}  // namespace bormek
