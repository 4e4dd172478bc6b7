#include <algorithm>
#include <cmath>

#include "capacity/rock_rules.h"
#include "capacity/weak_rock_tables.h"
#include "input/unit_constants.h"

namespace bormek {
namespace {

constexpr float kConcreteUnitWeight = 150.0f;  // pcf, fluid concrete
constexpr float kMaxFluidDepthFt = 40.0f;
constexpr float kRoughSideShare = 0.5f;         // fa0 = 0.5 qu on rough interfaces
constexpr float kReferenceFrictionDeg = 30.0f;  // smooth: alpha qu tan(delta) / tan(30)
constexpr float kDegreesPerHalfTurn = 180.0f;
constexpr float kReferenceSettlementShare = 0.05f;  // wt = 0.05 Bs
constexpr float kMinimumSocketDepthFt = 1.0f;
constexpr float kBaseCapShare = 2.5f;  // qb at most 2.5 qu
constexpr float kBaseChartFactor = 0.0134f;
constexpr float kBaseBracketFactor = 200.0f;
constexpr float kBaseExponent = 0.67f;
// Gamma = 1.14 sqrt(l) - 0.05 (sqrt(l) - 1) log(rho) - 0.44
constexpr float kGammaRoot = 1.14f;
constexpr float kGammaLog = 0.05f;
constexpr float kGammaConstant = 0.44f;
// Omega = 0.37 sqrt(l) - 0.15 (sqrt(l) - 1) log(rho) + 0.13
constexpr float kOmegaRoot = 0.37f;
constexpr float kOmegaLog = 0.15f;
constexpr float kOmegaConstant = 0.13f;

bool isRoughInterface(int condition) {
  return condition == 1 || condition == 3;
}
bool hasOpenJoints(int condition) {
  return condition == 3 || condition == 4;
}

// Depth of the slice below the socket top (Lz), at least the bottom socket
// diameter of the socket's first layer, and 1 ft when not positive.
float depthIntoSocket(const RockSlice& slice) {
  const Layer& top =
      slice.data->layers[static_cast<std::size_t>(weakRockSocketTopLayer(*slice.data))];
  float depth = std::max(slice.depthFt - top.topDepth, top.socketDiameter.bottom);
  if (!(depth > 0.0f)) {
    depth = kMinimumSocketDepthFt;
  }
  return depth;
}

float slumpInches(const RockSlice& slice) {
  const float slump = valueAt(slice.layer().slump, slice.fraction);
  // SI slumps are read in m.
  return slice.data->settings.si ? slump * kMillimetresPerMetre / kMillimetresPerInch : slump;
}

float tanDeg(float degrees) {
  return std::tan(degrees * kGeomaterialPi / kDegreesPerHalfTurn);
}

// Side factor of rough sockets from K and n.
float sideFactor(float k, float n) {
  if (k > n) {
    return n + (k - n) * (1.0f - n) / (k - 2.0f * n + 1.0f);
  }
  return k;
}

}  // namespace

int weakRockSocketTopLayer(const InputData& data) {
  for (int k = 1; k < data.entryCount; ++k) {
    const int type = data.layers[static_cast<std::size_t>(k)].type;
    if (type == kWeakRock || type == kStrongRockBoth) {
      return k;
    }
  }
  return 0;
}

WeakRockSocket weakRockSocketAt(const RockSlice& slice, float meanModulusTsf,
                                float depthIntoSocketFt) {
  const Layer& layer = slice.layer();
  const RunSettings& s = slice.data->settings;
  WeakRockSocket socket;
  socket.depthIntoFt = depthIntoSocketFt;
  socket.diameterFt = valueAt(layer.socketDiameter, slice.fraction) * slice.socketScale;
  socket.strengthPsf = valueAt(layer.rockStrength, slice.fraction);
  const float socketTop =
      slice.data->layers[static_cast<std::size_t>(weakRockSocketTopLayer(*slice.data))].topDepth;
  const float fluidDepth = std::min((slice.designDepthFt + socketTop) / 2.0f, kMaxFluidDepthFt);
  socket.normalStressPsf =
      kConcreteUnitWeight * fluidPressureFactor(slumpInches(slice), fluidDepth) * fluidDepth;
  const int condition = layer.interfaceConditionTop;
  socket.rough = isRoughInterface(condition);
  const float emOverEi =
      massModulusRatio(valueAt(layer.rqd, slice.fraction), hasOpenJoints(condition));
  socket.modulusTsf = emOverEi * meanModulusTsf;
  if (!(socket.diameterFt > 0.0f)) {
    socket.gap = RockGap::kNoSocketDiameter;
    return socket;
  }
  if (!(socket.strengthPsf > 0.0f)) {
    socket.gap = RockGap::kNoRockStrength;
    return socket;
  }
  if (!(socket.normalStressPsf > 0.0f)) {
    socket.gap = RockGap::kNoNormalStress;
    return socket;
  }
  if (!(socket.modulusTsf > 0.0f)) {
    socket.gap = RockGap::kNoModulus;
    return socket;
  }
  const float pa = kGeomaterialAtmospherePsf;
  const float qu = socket.strengthPsf;
  const float baseSide = socket.rough
                             ? kRoughSideShare * qu
                             : weakRockAlpha(socket.normalStressPsf / pa, qu) * qu *
                                   tanDeg(valueAt(layer.interfaceFriction, slice.fraction)) /
                                   tanDeg(kReferenceFrictionDeg);
  socket.sideStrengthPsf = baseSide * jointReduction(emOverEi);
  socket.n =
      socket.rough
          ? socket.normalStressPsf / qu
          : smoothSideFactorN(socket.modulusTsf * kPoundsPerTon / socket.normalStressPsf, qu / pa);
  const float lambda = socket.depthIntoFt / socket.diameterFt;
  const float rootLambda = std::sqrt(lambda);
  const float logRho = std::log10(s.ecTsf / socket.modulusTsf);
  socket.lambda = lambda;
  socket.gamma =
      kGammaRoot * rootLambda - kGammaLog * (rootLambda - 1.0f) * logRho - kGammaConstant;
  socket.omega =
      kOmegaRoot * rootLambda - kOmegaLog * (rootLambda - 1.0f) * logRho + kOmegaConstant;
  if (!(socket.omega > 0.0f)) {
    socket.gap = RockGap::kNoOmega;
    return socket;
  }
  socket.valid = true;
  return socket;
}

float weakRockSideFactor(const WeakRockSocket& socket, float settlementFt) {
  const float k = socket.modulusTsf * kPoundsPerTon * socket.gamma * settlementFt /
                  (kGeomaterialPi * socket.depthIntoFt * socket.omega * socket.sideStrengthPsf);
  return sideFactor(k, socket.n);
}

float weakRockBasePsf(const WeakRockSocket& socket, float settlementFt) {
  const float settlementMm = settlementFt * kInchesPerFoot * kMillimetresPerInch;
  const float lengthMm = socket.depthIntoFt * kInchesPerFoot * kMillimetresPerInch;
  const float bracket = kBaseBracketFactor * (std::sqrt(socket.lambda) - socket.gamma) *
                        (1.0f + socket.lambda) / (kGeomaterialPi * lengthMm * socket.omega);
  if (!(bracket > 0.0f)) {
    return -1.0f;
  }
  const float ekKpa = socket.modulusTsf * kKpaPerTsf;
  const float qb = kPsfPerKpaWeakRockChart * kBaseChartFactor * ekKpa *
                   std::pow(bracket, kBaseExponent) * socket.lambda / (1.0f + socket.lambda) *
                   std::pow(settlementMm, kBaseExponent);
  return std::min(qb, kBaseCapShare * socket.strengthPsf);
}

RockResult weakRockSlice(const RockSlice& slice, RockDiameterState& state, RockNotes& notes) {
  state.weakRockModulusSumTsf += valueAt(slice.layer().modulusTsf, slice.fraction);
  ++state.weakRockModulusCount;
  const float meanModulusTsf =
      state.weakRockModulusSumTsf / static_cast<float>(state.weakRockModulusCount);
  const WeakRockSocket socket = weakRockSocketAt(slice, meanModulusTsf, depthIntoSocket(slice));
  RockResult result;
  result.socketDiameterFt = socket.diameterFt;
  if (!socket.valid) {
    notes.gap(slice, socket.gap);
    return result;
  }
  // The side is mobilised at a settlement of 5 % of the socket diameter.
  const float settlementFt = kReferenceSettlementShare * socket.diameterFt;
  const float shearPsf = socket.rough
                             ? socket.sideStrengthPsf * weakRockSideFactor(socket, settlementFt)
                             : socket.sideStrengthPsf;
  if (!state.weakRockStrengthKept) {
    state.weakRockStrengthKept = true;
    state.firstWeakRockStrengthPsf = shearPsf;
  }
  result.unitSideTsf = shearPsf / kPoundsPerTon;
  float basePsf = weakRockBasePsf(socket, settlementFt);
  if (basePsf < 0.0f) {
    notes.gap(slice, RockGap::kSocketTooLong);
    basePsf = 0.0f;
  }
  result.baseTons = socket.diameterFt * socket.diameterFt * kQuarterPi * basePsf / kPoundsPerTon;
  return result;
}

}  // namespace bormek
