#include "capacity/depth_walk.h"

#include <algorithm>
#include <cmath>

#include "capacity/friction_angle.h"
#include "capacity/rock_rules.h"
#include "capacity/soil_side_rules.h"
#include "capacity/soil_tip_rules.h"
#include "input/unit_constants.h"
#include "output/capacity_report.h"

namespace bormek {
namespace {

constexpr float kMinimumCumulativeSideTons = 1e-10f;
constexpr float kMinimumTotalUnitWeightPcf = 50.0f;
constexpr float kMissingSandDataThreshold = 0.001f;
constexpr float kDefaultBetaMinimumBlows = 25.0f;
constexpr float kFixedEndBearingThreshold = -1e-6f;  // tsf; below it |value| is the end bearing
constexpr float kSideLimitThreshold = 1e-4f;         // tsf; above it the limit caps f
constexpr float kSandEndBearingReductions = 1.0f;

// Position of a depth within a layer, 0 at its top and 1 at its bottom.
float fractionAt(const Layer& layer, float depthFt) {
  const float thickness = layer.bottomDepth - layer.topDepth;
  if (!(thickness > 0.0f)) {
    return 0.0f;
  }
  return std::clamp((depthFt - layer.topDepth) / thickness, 0.0f, 1.0f);
}

bool isStrongRock(int type) {
  return type == kStrongRockEither || type == kStrongRockBoth;
}

// Effective vertical stress (psf) of the parts of the layers above TOPLENG,
// where no slices are walked.
float stressAboveTopLength(const InputData& data) {
  const RunSettings& s = data.settings;
  float stress = 0.0f;
  for (int k = 1; k < data.entryCount; ++k) {
    const Layer& layer = data.layers[static_cast<std::size_t>(k)];
    const float lower = std::min(layer.bottomDepth, s.topLength);
    if (!(lower > layer.topDepth)) {
      continue;
    }
    const float height = lower - layer.topDepth;
    const float meanUnitWeight =
        (layer.unitWeight.top + valueAt(layer.unitWeight, fractionAt(layer, lower))) / 2.0f;
    const float submerged = std::max(0.0f, lower - std::max(layer.topDepth, s.waterTableDepth));
    stress += meanUnitWeight * height - kWaterUnitWeightPcf * submerged;
  }
  return stress;
}

struct Slice {
  const Layer* layer = nullptr;
  int layerIndex = 0;
  float depth = 0.0f;         // z, the slice bottom (ft)
  float fraction = 0.0f;      // position in the layer
  float stressBottom = 0.0f;  // sigma-v' at z (psf)
  float stressMiddle = 0.0f;  // sigma-v' at z - 0.5 ft, for the beta rules
};

struct SliceResult {
  float coefficient = 0.0f;
  float unitSide = 0.0f;   // tsf
  float base = 0.0f;       // tons
  float perimeter = 0.0f;  // ft, over which the side acts
};

// Everything of the walk that lives longer than one slice.
struct WalkContext {
  const InputData& data;
  const ShaftGeometry& geometry;
  RunOutput& out;
  RockNotes& rockNotes;
  RockRunState& rockRun;
  RockDiameterState& rock;
};

constexpr float kNoSocketPerimeterFt = 0.001f;

bool isRock(int type) {
  return type >= kStrongRockEither && type <= kStrongRockBoth;
}

float upliftStrengthFactor(const RunSettings& s) {
  return s.upliftReduction * (s.ratio > 1.0f ? s.ratio : 1.0f);
}

void checkSoilData(const Slice& slice, float blowCount, float frictionAngle, float cohesion,
                   float unitWeight, RunOutput& out) {
  const int type = slice.layer->type;
  if (type == kClay && cohesion < kNotGivenBelow) {
    writeClayBlowCountWarning(out);
  }
  const bool weighed =
      type == kSand || type == kClay || type == kClayShale || type == kDecomposedRock;
  if (weighed && unitWeight < kMinimumTotalUnitWeightPcf) {
    writeUnitWeightError(out);
  }
  if (type == kSand && blowCount < kMissingSandDataThreshold &&
      frictionAngle < kMissingSandDataThreshold) {
    writeSandDataError(out);
  }
  if ((type == kGravellySand || type == kGravel) && slice.layer->defaultCoefficient &&
      blowCount <= kDefaultBetaMinimumBlows) {
    writeGravelBlowCountWarning(out);
  }
}

float soilTipTons(const Slice& slice, const InputData& data, const ShaftGeometry& g,
                  float blowCount, float frictionAngle, float cohesion) {
  const Layer& layer = *slice.layer;
  if (layer.type == kClay || layer.type == kClayShale) {
    CohesiveTipInput tip;
    tip.soilType = layer.type;
    tip.cohesionPsf = cohesion;
    tip.cohesionGiven =
        layer.cohesion.top > kNotGivenBelow || layer.cohesion.bottom > kNotGivenBelow;
    tip.blowCount = blowCount;
    const bool ncGiven = layer.nc.top > kNotGivenBelow && layer.nc.bottom > kNotGivenBelow;
    tip.bearingFactor = ncGiven ? valueAt(layer.nc, slice.fraction) : 0.0f;
    tip.depthFt = slice.depth;
    tip.baseDiameterFt = g.baseDiameter;
    tip.baseAreaSqFt = g.baseArea;
    return cohesiveTipTons(tip);
  }
  GranularTipInput tip;
  tip.blowCount = blowCount;
  tip.frictionAngleDeg = frictionAngle;
  tip.bottomFrictionAngle = layer.frictionAngle.bottom;
  tip.depthFt = slice.depth;
  tip.baseDiameterFt = g.baseDiameter;
  tip.baseAreaSqFt = g.baseArea;
  tip.sizeAndEmbedmentReductions =
      static_cast<float>(data.settings.sandEndBearingOption) == kSandEndBearingReductions;
  return granularTipTons(tip);
}

// Side and base of a slice in soil; rock and geomaterial layers give none.
SliceResult evaluateSoilSlice(const Slice& slice, const InputData& data, const ShaftGeometry& g,
                              RunOutput& out) {
  const Layer& layer = *slice.layer;
  const RunSettings& s = data.settings;
  const SideMethod method = sideMethodOf(layer);
  SliceResult result;
  result.perimeter = g.perimeter;
  const float blowCount = valueAt(layer.blowCount, slice.fraction);
  float frictionAngle = valueAt(layer.frictionAngle, slice.fraction);
  const float cohesion = valueAt(layer.cohesion, slice.fraction);
  checkSoilData(slice, blowCount, frictionAngle, cohesion,
                valueAt(layer.unitWeight, slice.fraction), out);
  result.coefficient = sliceCoefficient(layer, slice.fraction, slice.depth, blowCount);

  // Sand given no friction angle takes it from N; the tip rule then uses
  // the same working angle.
  if (layer.type == kSand && frictionAngle < kNotGivenBelow) {
    frictionAngle = frictionAngleFromBlowCount(blowCount, slice.stressBottom);
  }
  float strengthCohesion = cohesion;
  if ((layer.type == kClay || layer.type == kClayShale) && cohesion < kNotGivenBelow) {
    strengthCohesion = cohesionFromBlowCount(layer.type, blowCount);
  }
  const bool uplift = s.loadingType == kUplift;
  if (method == SideMethod::kBeta) {
    result.unitSide = betaSideTsf(layer.type, result.coefficient, slice.stressMiddle);
    if (uplift) {
      result.unitSide *= s.upliftReduction;
    }
  } else {
    float strength = shearStrengthPsf(slice.stressBottom, frictionAngle, strengthCohesion);
    if (uplift) {
      strength *= upliftStrengthFactor(s);
    }
    result.unitSide = result.coefficient * strength / kPoundsPerTon;
  }
  result.base = soilTipTons(slice, data, g, blowCount, frictionAngle, cohesion);
  return result;
}

// Side and base of a slice in rock or intermediate geomaterial; the side
// acts over the socket perimeter (the shaft's when there is no socket).
SliceResult evaluateRockSlice(const Slice& slice, WalkContext& walk) {
  const Layer& layer = *slice.layer;
  const RunSettings& s = walk.data.settings;
  RockSlice rock;
  rock.data = &walk.data;
  rock.layerIndex = slice.layerIndex;
  rock.fraction = slice.fraction;
  rock.depthFt = slice.depth;
  rock.stressBottomPsf = slice.stressBottom;
  rock.socketScale = walk.geometry.stemDiameter / s.dStart;
  rock.designDepthFt = rockDesignDepth(walk.data, slice.layerIndex);
  if (layer.type == kDecomposedRock) {
    checkSoilData(slice, 0.0f, 0.0f, 0.0f, valueAt(layer.unitWeight, slice.fraction), walk.out);
  }
  walk.rockRun.lastStrengthPsi = governingStrengthPsf(rock) / kSquareInchesPerSquareFoot;
  const bool compression = s.loadingType != kUplift;
  RockResult rule;
  switch (layer.type) {
    case kDecomposedRock:
      rule = decomposedRockSlice(rock, walk.rockNotes);
      break;
    case kWeakRock:
      rule = weakRockSlice(rock, walk.rock, walk.rockNotes);
      break;
    default:
      rule = strongRockSlice(rock, compression, walk.rockNotes);
      break;
  }
  SliceResult result;
  result.coefficient = sliceCoefficient(layer, slice.fraction, slice.depth, 0.0f);
  result.unitSide = compression ? rule.unitSideTsf : rule.unitSideTsf * upliftStrengthFactor(s);
  result.base = rule.baseTons;
  const float socketPerimeter = kShaftPi * rule.socketDiameterFt;
  result.perimeter =
      socketPerimeter < kNoSocketPerimeterFt ? walk.geometry.perimeter : socketPerimeter;
  return result;
}

// The layer's side limit and end-bearing limit, and no base in uplift.
void applyLimits(const Slice& slice, const InputData& data, const ShaftGeometry& g,
                 SliceResult& result) {
  const Layer& layer = *slice.layer;
  const float maxSide = valueAt(layer.maxSide, slice.fraction) / kPoundsPerTon;
  if (maxSide > kSideLimitThreshold && result.unitSide > maxSide) {
    result.unitSide = maxSide;
  }
  const float maxBase = valueAt(layer.maxBase, slice.fraction) / kPoundsPerTon;
  if (maxBase < kFixedEndBearingThreshold) {
    result.base = std::fabs(maxBase) * g.baseArea;
  } else if (maxBase < result.base / g.baseArea) {
    result.base = maxBase * g.baseArea;
  }
  if (data.settings.loadingType == kUplift) {
    result.base = 0.0f;
  }
}

// Per-layer summary and side profile of the load-settlement stage.
void recordSlice(const Slice& slice, float unitSideTsf, float cumulativeSideTons, int tip,
                 SettlementInput& settlement) {
  LayerSummary& summary = settlement.layers[static_cast<std::size_t>(slice.layerIndex)];
  if (!summary.walked) {
    summary.walked = true;
    summary.unitSideFirstTsf = unitSideTsf;
  }
  summary.unitSideLastTsf = unitSideTsf;
  summary.cumulativeSideTons = cumulativeSideTons;
  summary.lastTipFt = static_cast<float>(tip);
  summary.lastSliceDepthFt = slice.depth;
  summary.lastSliceFraction = slice.fraction;
  summary.lastSliceStressPsf = slice.stressBottom;
  // The side profile is kept by slice depth (not tip depth) over the whole
  // walk: the t-z nodes are placed by depth below the ground.
  const auto depth = static_cast<int>(slice.depth);
  if (depth < kSideProfileDepths) {
    settlement.sideProfileTsf[static_cast<std::size_t>(depth)] = unitSideTsf;
    settlement.sideProfileDeepest = std::max(settlement.sideProfileDeepest, depth);
  }
}

}  // namespace

void roundWalkedLayerBottoms(InputData& data) {
  for (int k = 1; k < data.entryCount; ++k) {
    Layer& layer = data.layers[static_cast<std::size_t>(k)];
    if (layer.bottomDepth > data.settings.topLength) {
      layer.bottomDepth = std::floor(layer.bottomDepth + 0.5f);
    }
  }
}

WalkResult walkProfile(const InputData& data, const ShaftGeometry& g, TipArrays& tips,
                       RunOutput& out, RockNotes& rockNotes, RockRunState& rockRun,
                       SettlementInput& settlement) {
  const RunSettings& s = data.settings;
  tips = TipArrays{};
  settlement.layers = {};
  settlement.sideProfileTsf = {};
  settlement.sideProfileDeepest = 0;
  settlement.rock = RockDiameterState{};
  settlement.sideAboveWeakRockTons = 0.0f;
  bool weakRockReached = false;
  WalkResult walk;
  WalkContext context{data, g, out, rockNotes, rockRun, settlement.rock};
  float stress = stressAboveTopLength(data);
  float cumulativeSide = 0.0f;
  float cumulativeFactored = 0.0f;
  bool walkedBefore = false;
  float previousEnd = 0.0f;
  for (int k = 1; k < data.entryCount && !walk.tipsBeyondCapacity; ++k) {
    const Layer& layer = data.layers[static_cast<std::size_t>(k)];
    if (!(layer.bottomDepth > s.topLength)) {
      continue;
    }
    // Each foot is walked once: a layer starts where the walk above ended.
    const float start = std::max(walkedBefore ? previousEnd : layer.topDepth, s.topLength);
    const int first = static_cast<int>(start) + 1;
    const int last = static_cast<int>(layer.bottomDepth);
    for (int z = first; z <= last; ++z) {
      Slice slice;
      slice.layer = &layer;
      slice.layerIndex = k;
      slice.depth = static_cast<float>(z);
      slice.fraction = fractionAt(layer, slice.depth);
      const float unitWeight = valueAt(layer.unitWeight, slice.fraction);
      const float weight =
          s.waterTableDepth < slice.depth ? unitWeight - kWaterUnitWeightPcf : unitWeight;
      stress += weight;
      slice.stressBottom = stress;
      slice.stressMiddle = stress - weight * 0.5f;

      const int tip = static_cast<int>(std::lround(slice.depth + s.bottomLength + g.bellHeight));
      if (tip >= kMaxTipDepths) {
        walk.tipsBeyondCapacity = true;
        break;
      }
      // The side above the socket stops before the first weak-rock slice,
      // whose side belongs to the socket.
      if (layer.type == kWeakRock && !weakRockReached) {
        weakRockReached = true;
        settlement.sideAboveWeakRockTons = cumulativeSide;
      }
      SliceResult result = isRock(layer.type) ? evaluateRockSlice(slice, context)
                                              : evaluateSoilSlice(slice, data, g, out);
      applyLimits(slice, data, g, result);
      if (result.coefficient > 0.0f) {
        const float increment = result.unitSide * result.perimeter;
        cumulativeSide += increment;
        cumulativeFactored += increment * layer.lrfdSide;
      }
      cumulativeSide = std::max(cumulativeSide, kMinimumCumulativeSideTons);
      const auto j = static_cast<std::size_t>(tip);
      tips.side[j] = cumulativeSide;
      tips.factoredSide[j] = cumulativeFactored;
      tips.base[j] = result.base;
      tips.soilFlag[j] = isStrongRock(layer.type) ? 0.0f : 1.0f;
      tips.length[j] = static_cast<float>(tip);
      tips.volume[j] =
          (static_cast<float>(tip) - g.bellHeight) * g.stemArea / kCubicFeetPerCubicYard +
          g.underreamVolume;
      tips.deepest = tip;
      recordSlice(slice, result.coefficient > 0.0f ? result.unitSide : 0.0f, cumulativeSide, tip,
                  settlement);
    }
    previousEnd = std::max(previousEnd, layer.bottomDepth);
    walkedBefore = true;
  }
  return walk;
}

}  // namespace bormek
