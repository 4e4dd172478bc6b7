#include "settlement/tz_model.h"

#include <algorithm>
#include <cmath>

#include "input/unit_constants.h"

namespace bormek {
namespace {

constexpr float kThinLayerIn = 1e-12f;
constexpr float kThinLayerBottomIn = 0.1f;
constexpr float kFirstNodeBelowTopIn = 12.01f;
constexpr float kLastNodeAboveBottomIn = 0.01f;
constexpr float kProfileExtentIn = 0.1f;  // beyond the deepest node by this much: out of range
constexpr std::array<float, 12> kFixedTipMovementsIn = {
    0.00001f, 0.00005f, 0.0001f, 0.005f, 0.0075f, 0.01f, 0.025f, 0.05f, 0.075f, 0.1f, 0.25f, 0.5f};
constexpr std::array<float, 3> kDiameterTipMovements = {0.01f, 0.025f, 0.05f};
constexpr float kTipMovementGrowth = 1.25f;

// The layer profile: side resistance (psi) at the top and bottom of each
// entry of the layer table, in inches of depth. The surface entry comes
// first: it has no thickness, so the thin-layer rule makes it 0.1 in thick,
// and the first real layer's top node lies 12.01 in below the ground like
// every other layer's below its top.
struct LayerProfile {
  std::array<float, 2 * kMaxLayerEntries> depthIn{};
  std::array<float, 2 * kMaxLayerEntries> sidePsi{};
  int count = 0;
};

LayerProfile layerProfileOf(const SettlementInput& input) {
  LayerProfile profile;
  for (int k = 0; k < input.data->entryCount; ++k) {
    const Layer& layer = input.data->layers[static_cast<std::size_t>(k)];
    const LayerSummary& summary = input.layers[static_cast<std::size_t>(k)];
    const float top = layer.topDepth * kInchesPerFoot;
    float bottom = layer.bottomDepth * kInchesPerFoot;
    if (bottom - top < kThinLayerIn) {
      bottom = top + kThinLayerBottomIn;
    }
    const auto at = static_cast<std::size_t>(profile.count);
    profile.depthIn[at] = top;
    profile.sidePsi[at] = summary.unitSideFirstTsf * kPsiPerTsf;
    profile.depthIn[at + 1] = bottom;
    profile.sidePsi[at + 1] = summary.unitSideLastTsf * kPsiPerTsf;
    profile.count += 2;
  }
  return profile;
}

// Side value of the layer profile at a depth; false when the depth lies
// 0.1 in or more below the deepest profile node. Just below it the last
// interval is extended.
bool profileSideAt(const LayerProfile& p, float depthIn, float& side) {
  for (int j = 0; j < p.count; ++j) {
    const auto k = static_cast<std::size_t>(j);
    if (p.depthIn[k] >= depthIn) {
      side = j == 0 ? p.sidePsi[0]
                    : linearBetween(p.depthIn[k - 1], p.sidePsi[k - 1], p.depthIn[k], p.sidePsi[k],
                                    depthIn);
      return true;
    }
  }
  const auto last = static_cast<std::size_t>(p.count - 1);
  if (depthIn - p.depthIn[last] >= kProfileExtentIn) {
    return false;
  }
  side = last == 0 ? p.sidePsi[0]
                   : linearBetween(p.depthIn[last - 1], p.sidePsi[last - 1], p.depthIn[last],
                                   p.sidePsi[last], depthIn);
  return true;
}

// The driver's side profile (whole feet of depth) at a depth in inches.
float walkedSidePsiAt(const SettlementInput& input, float depthIn) {
  const float feet = depthIn / kInchesPerFoot;
  const int deepest = input.sideProfileDeepest;
  const auto& profile = input.sideProfileTsf;
  if (!(feet < static_cast<float>(deepest))) {
    return profile[static_cast<std::size_t>(deepest)] * kPsiPerTsf;
  }
  const int below = std::max(0, static_cast<int>(std::floor(feet)));
  const auto k = static_cast<std::size_t>(below);
  const float value =
      profile[k] + (profile[k + 1] - profile[k]) * (feet - static_cast<float>(below));
  return value * kPsiPerTsf;
}

// Depths of the five nodes of a layer: top (12.01 in lower below the
// surface entry), quarter, middle, three quarters and just above the bottom.
std::array<float, kNodesPerLayer> nodeDepthsOf(float topIn, float bottomIn, bool surfaceEntry) {
  const float mid = (topIn + bottomIn) / 2.0f;
  const float last = bottomIn - kLastNodeAboveBottomIn;
  return {surfaceEntry ? topIn : topIn + kFirstNodeBelowTopIn, (topIn + mid) / 2.0f, mid,
          (mid + last) / 2.0f, last};
}

TzCurve sideCurveOf(int type, float tmaxPsi, float diameterIn, TzPassCode pass) {
  const bool sand = type == kSand;
  TzCurve curve;
  for (int k = 0; k < kCurvePoints; ++k) {
    const auto i = static_cast<std::size_t>(k);
    curve.movement[i] = sideMovementRatios(sand)[i] * diameterIn;
    curve.value[i] = sideTransferRatios(sand, pass)[i] * tmaxPsi;
  }
  return curve;
}

TzCurve tipCurveOf(bool sand, float tipDiameterIn, float tipLoadLb, TzPassCode pass) {
  TzCurve curve;
  for (int k = 0; k < kCurvePoints; ++k) {
    const auto i = static_cast<std::size_t>(k);
    curve.movement[i] = tipMovementRatios()[i] * tipDiameterIn;
    curve.value[i] = tipLoadRatios(sand, pass)[i] * tipLoadLb;
  }
  return curve;
}

bool sandTip(int type) {
  return type == kSand || type == kGravellySand || type == kGravel;
}

float stiffnessAt(const TzModel& m, float depthIn) {
  const float bellTop = m.lengthIn - m.bellHeightIn;
  if (!(depthIn > bellTop)) {
    return m.stemStiffnessLb;
  }
  return linearBetween(bellTop, m.stemStiffnessLb, m.lengthIn, m.baseStiffnessLb, depthIn);
}

NodeSpan nodeSpanAt(const TzModel& m, float depthIn) {
  const auto begin = m.deepestSoFarIn.begin();
  const auto end = begin + m.nodeCount;
  const auto found = std::lower_bound(begin, end, depthIn);
  if (found == end) {
    return {m.nodeCount - 1, false};
  }
  const auto n = static_cast<int>(found - begin);
  const bool onNode = m.nodes[static_cast<std::size_t>(n)].depthIn == depthIn || n == 0;
  return {n, !onNode};
}

}  // namespace

float shaftModulusPsi(const RunSettings& s) {
  return s.si ? s.ecInput / kKpaPerPsi : s.ecInput;
}

TzBuild buildTzModel(const SettlementInput& input, TzPassCode pass, TzModel& m) {
  const InputData& data = *input.data;
  const float ec = shaftModulusPsi(data.settings);
  m.lengthIn = input.lengthFt * kInchesPerFoot;
  m.diameterIn = input.stemDiameterFt * kInchesPerFoot;
  m.bellHeightIn = input.bellHeightFt * kInchesPerFoot;
  const float baseIn = input.baseDiameterFt * kInchesPerFoot;
  m.stemStiffnessLb = kQuarterPi * m.diameterIn * m.diameterIn * ec;
  m.baseStiffnessLb = kQuarterPi * baseIn * baseIn * ec;

  const LayerProfile profile = layerProfileOf(input);
  m.nodeCount = 0;
  float deepest = 0.0f;
  for (int k = 0; k < data.entryCount; ++k) {
    const auto pair = static_cast<std::size_t>(2 * k);
    for (const float depth :
         nodeDepthsOf(profile.depthIn[pair], profile.depthIn[pair + 1], k == 0)) {
      TzNode& node = m.nodes[static_cast<std::size_t>(m.nodeCount)];
      node.depthIn = depth;
      node.type = data.layers[static_cast<std::size_t>(k)].type;
      if (!profileSideAt(profile, depth, node.tmaxPsi)) {
        return {TzStatus::kNodeBeyondProfile, depth};
      }
      deepest = std::max(deepest, depth);
      m.deepestSoFarIn[static_cast<std::size_t>(m.nodeCount)] = deepest;
      ++m.nodeCount;
    }
  }
  // Every node but the last takes its side resistance from the walk.
  for (int n = 0; n < m.nodeCount - 1; ++n) {
    TzNode& node = m.nodes[static_cast<std::size_t>(n)];
    node.tmaxPsi = walkedSidePsiAt(input, node.depthIn);
  }
  for (int n = 0; n < m.nodeCount; ++n) {
    TzNode& node = m.nodes[static_cast<std::size_t>(n)];
    node.curve = sideCurveOf(node.type, node.tmaxPsi, m.diameterIn, pass);
  }

  const int tipType = data.layers[static_cast<std::size_t>(input.tipLayer)].type;
  const bool clayChecks = tipType != kSand;
  const float deepestProfile = profile.depthIn[static_cast<std::size_t>(profile.count - 1)];
  if (clayChecks && m.lengthIn > deepestProfile) {
    return {TzStatus::kTipBeyondProfile, m.lengthIn};
  }
  const float tipDiameterIn = std::max(m.diameterIn, baseIn);
  m.tip = tipCurveOf(sandTip(tipType), tipDiameterIn, input.tipTons * kPoundsPerTon, pass);
  divideIntoSegments(m, input.depthPoints);
  return {};
}

std::array<float, kTipMovements> assumedTipMovements(float diameterIn) {
  std::array<float, kTipMovements> movements{};
  std::copy(kFixedTipMovementsIn.begin(), kFixedTipMovementsIn.end(), movements.begin());
  for (std::size_t k = 0; k < kDiameterTipMovements.size(); ++k) {
    const std::size_t i = kFixedTipMovementsIn.size() + k;
    movements[i] = kDiameterTipMovements[k] * diameterIn;
    if (movements[i] < movements[i - 1]) {
      movements[i] = kTipMovementGrowth * movements[i - 1];
    }
  }
  return movements;
}

void divideIntoSegments(TzModel& m, int count) {
  m.segments = std::clamp(count, 1, kMaxSegments);
  m.segmentLengthIn = m.lengthIn / static_cast<float>(m.segments);
  const float bellTop = m.lengthIn - m.bellHeightIn;
  // Mid-depths from the tip upwards, stepped as the solution walks them.
  float depth = m.lengthIn - m.segmentLengthIn / 2.0f;
  for (int k = 0; k < m.segments; ++k, depth -= m.segmentLengthIn) {
    TzSegment& segment = m.segmentsFromTip[static_cast<std::size_t>(k)];
    segment.midDepthIn = depth;
    segment.stiffnessLb = stiffnessAt(m, depth);
    segment.inBell = depth > bellTop;
    segment.span = nodeSpanAt(m, depth);
  }
}

}  // namespace bormek
