#include "settlement/geomaterial_settlement.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "capacity/rock_rules.h"
#include "input/unit_constants.h"
#include "output/fortran_format.h"
#include "output/run_messages.h"

namespace bormek {
namespace {

constexpr float kPoissonRatio = 0.4f;

// Weak rock: settlement of point k as a share of the socket diameter, 9e-5
// growing by half at each of the first 12 points, then fixed shares.
constexpr int kGrowingPoints = 12;
constexpr float kFirstSettlementShare = 9e-5f;
constexpr float kSettlementGrowth = 1.5f;
constexpr float kLastSettlementShares[] = {0.0125f, 0.025f, 0.05f};

// Decomposed rock.
constexpr float kNoSocketLengthFt = 0.0001f;
constexpr float kShaftStiffnessFactor = 2.6f;  // lambda = 2.6 Ec / Em
// zeta = ln{[0.25 + (2.5 rho (1 - nu) - 0.25) xi] 2 L / Bs}
constexpr float kBaseInfluence = 0.25f;
constexpr float kRadiusFactor = 2.5f;
constexpr float kShearRatio = 2.5f;  // xi, side over base shear modulus
constexpr float kBaseCompliance = 16.0f;
constexpr float kBaseModulusShare = 0.4f;  // the base beyond Pt works against 0.4 Em
constexpr int kElasticPoints = 10;
constexpr int kBaseSteps = 4;
constexpr float kLastMovementFactor = 1.2f;

const Layer& layerAt(const InputData& data, int index) {
  return data.layers[static_cast<std::size_t>(index)];
}

void writeHeading(RunOutput& out) {
  out.reportBlank(2);
  out.report(fmt::X(15) + "       LOAD SETTLEMENT RELATIONSHIP      ");
  out.report(fmt::X(15) + "------------------------------------------   ");
}

void warnLayer(RunOutput& out, int layerIndex, const char* material, const std::string& missing,
               const std::string& consequence) {
  writeRunWarning(out,
                  {"LAYER " + std::to_string(layerIndex) + " (" + material + "): " + missing + ";",
                   consequence});
}

// Position (0 top to 1 bottom) of a depth below the layer top, kept inside
// the layer: a design depth beyond the tip layer takes its end values.
float positionInLayer(const Layer& layer, float depthBelowTopFt) {
  const float thickness = layer.bottomDepth - layer.topDepth;
  if (!(thickness > 0.0f)) {
    return 0.0f;
  }
  return std::clamp(depthBelowTopFt / thickness, 0.0f, 1.0f);
}

// Top of the socket (ft); the tip layer's own top when no weak-rock or
// strong-rock layer lies above it.
float socketTopFt(const InputData& data, int tipLayer) {
  const int first = weakRockSocketTopLayer(data);
  return layerAt(data, first > 0 && first < tipLayer ? first : tipLayer).topDepth;
}

// The socket at the design depth, with this slice's modulus added to the
// running mean of the weak-rock moduli as the capacity rule does.
WeakRockSocket socketAtDesignDepth(const SettlementInput& input, float socketLengthFt) {
  const Layer& layer = layerAt(*input.data, input.tipLayer);
  RockSlice slice;
  slice.data = input.data;
  slice.layerIndex = input.tipLayer;
  slice.depthFt = input.designDepthFt;
  slice.fraction = positionInLayer(layer, input.designDepthFt - layer.topDepth);
  slice.socketScale = input.socketScale;
  slice.designDepthFt = input.designDepthFt;
  const float modulusSumTsf =
      input.rock.weakRockModulusSumTsf + valueAt(layer.modulusTsf, slice.fraction);
  const float meanModulusTsf =
      modulusSumTsf / static_cast<float>(input.rock.weakRockModulusCount + 1);
  return weakRockSocketAt(slice, meanModulusTsf, socketLengthFt);
}

// Why the socket can carry no load, or an empty text when it can.
std::string missingSocketValue(const WeakRockSocket& socket, float socketLengthFt) {
  if (!(socketLengthFt > 0.0f)) {
    return "THE SOCKET LENGTH IS ZERO OR LESS";
  }
  if (!socket.valid) {
    return rockGapText(socket.gap);
  }
  return {};
}

float settlementShare(int point) {
  if (point <= kGrowingPoints) {
    return kFirstSettlementShare * std::pow(kSettlementGrowth, static_cast<float>(point));
  }
  return kLastSettlementShares[point - kGrowingPoints - 1];
}

// Socket side resistance (lb) at a settlement (ft). A socket without side
// strength (a smooth interface without friction) carries no side load; K
// would divide by zero.
float socketSideLb(const WeakRockSocket& socket, float settlementFt) {
  if (!(socket.sideStrengthPsf > 0.0f)) {
    return 0.0f;
  }
  return kGeomaterialPi * socket.diameterFt * socket.depthIntoFt * socket.sideStrengthPsf *
         weakRockSideFactor(socket, settlementFt);
}

// Elastic shortening (in) of the shaft length above the socket under the
// top load: P L / (Ec A) in lb, in, psi and square inches.
float elasticShorteningIn(float loadTons, float lengthFt, float ecTsf, float diameterFt) {
  const float loadLb = loadTons * kPoundsPerTon;
  const float ecPsi = ecTsf * kPoundsPerTon / kSquareInchesPerSquareFoot;
  const float areaSqIn = kQuarterPi * diameterFt * diameterFt * kSquareInchesPerSquareFoot;
  return loadLb * lengthFt * kInchesPerFoot / ecPsi / areaSqIn;
}

// A negative blow count or modulus has no meaning; it counts as none.
float blowCountAt(const Layer& layer, float fraction) {
  return std::max(valueAt(layer.blowCount, fraction), 0.0f);
}

// rho, the mean over the bottom modulus of the layer (from the blow counts
// when no modulus is given); negative when the bottom blow count is zero.
float modulusRatio(const Layer& layer) {
  if (geomaterialModulusGiven(layer)) {
    const float top = std::max(layer.modulusTsf.top, 0.0f);
    return (top + layer.modulusTsf.bottom) / 2.0f / layer.modulusTsf.bottom;
  }
  const float bottomN = blowCountAt(layer, 1.0f);
  if (!(bottomN > 0.0f)) {
    return -1.0f;
  }
  return blowCountAt(layer, 0.0f) / bottomN;
}

// What the compressible-socket solution needs of the tip layer.
struct DecomposedSocket {
  float diameterFt = 0.0f;  // Bs
  float lengthFt = 0.0f;    // L
  float stressPsf = 0.0f;   // sigma-v'
  float n60 = 0.0f;
  float modulusPsf = 0.0f;  // Em
  float rho = 0.0f;
};

DecomposedSocket decomposedSocketAt(const SettlementInput& input) {
  const InputData& data = *input.data;
  const Layer& layer = layerAt(data, input.tipLayer);
  const LayerSummary& last = input.layers[static_cast<std::size_t>(input.tipLayer)];
  DecomposedSocket socket;
  socket.diameterFt = decomposedRockSocketFt(
      valueAt(layer.socketDiameter, last.lastSliceFraction) * input.socketScale,
      data.settings.dStart);
  socket.lengthFt = input.designDepthFt - layer.topDepth;
  if (socket.lengthFt < kNoSocketLengthFt) {
    socket.lengthFt = layer.bottomDepth;
  }
  socket.stressPsf =
      decomposedRockStressPsf(data, input.tipLayer, last.lastSliceDepthFt, last.lastSliceStressPsf,
                              input.designDepthFt, socket.diameterFt);
  socket.n60 = blowCountAt(layer, last.lastSliceFraction);
  socket.modulusPsf = geomaterialModulusPsf(layer, socket.n60);
  socket.rho = modulusRatio(layer);
  return socket;
}

// zeta, the logarithm of the influence radius over the socket radius.
float influenceFactor(const DecomposedSocket& socket) {
  const float nu = kPoissonRatio;
  const float radiusShare =
      kBaseInfluence + (kRadiusFactor * socket.rho * (1.0f - nu) - kBaseInfluence) * kShearRatio;
  return std::log(radiusShare * 2.0f * socket.lengthFt / socket.diameterFt);
}

// The elastic part of the line: the top load Pt (lb) that mobilises the
// final QS on the side, and its top movement ws (ft).
struct ElasticTop {
  float loadLb = 0.0f;
  float movementFt = 0.0f;
  bool noSideShare = false;  // the base would take the whole load: Pt = QS
};

ElasticTop elasticTop(const DecomposedSocket& socket, float zeta, float ecTsf, float sideLb) {
  const float nu = kPoissonRatio;
  const float lambda = ecTsf * kPoundsPerTon * kShaftStiffnessFactor / socket.modulusPsf;
  const float slenderness = socket.lengthFt / socket.diameterFt;
  const float muL = 2.0f * slenderness * std::sqrt(2.0f / (zeta * lambda));
  const float tanhShare = std::tanh(muL) * slenderness / muL;
  const float compliance =
      4.0f * (1.0f + nu) *
      (1.0f + 8.0f * tanhShare / (kShearRatio * kGeomaterialPi * lambda * (1.0f - nu))) /
      (kBaseCompliance / (1.0f - nu) + 4.0f * kGeomaterialPi * socket.rho * tanhShare / zeta);
  // The base takes the share A / (xi (1 + nu)(1 - nu) cosh muL) of the top
  // load; the side carries the rest.
  const float sideShare =
      1.0f - compliance / (kShearRatio * (1.0f + nu) * (1.0f - nu) * std::cosh(muL));
  ElasticTop top;
  top.noSideShare = !(sideShare > 0.0f);
  top.loadLb = top.noSideShare ? sideLb : sideLb / sideShare;
  top.movementFt = compliance * top.loadLb / (socket.modulusPsf * socket.diameterFt);
  return top;
}

// Ultimate top load (lb): the base at qmax and the final QS.
float ultimateLoadLb(const DecomposedSocket& socket, float sideLb) {
  const float ocr = decomposedRockOcr(socket.n60, socket.stressPsf);
  const float baseStressPsf = decomposedRockBasePsf(socket.stressPsf, ocr);
  return baseStressPsf * kGeomaterialPi * socket.diameterFt * socket.diameterFt / 4.0f + sideLb;
}

// Points 1 to 10 along the elastic top, 11 to 14 on to the ultimate load,
// 15 at the ultimate load; loads in tons, movements in ft.
SettlementLine decomposedLine(const ElasticTop& top, float ultimateLb, float baseModulusPsf,
                              float diameterFt) {
  const float nu = kPoissonRatio;
  const float extraMovementFt = (ultimateLb - top.loadLb) * (1.0f + nu) * (1.0f - nu) / diameterFt /
                                (kBaseModulusShare * baseModulusPsf);
  SettlementLine line{};
  for (int k = 1; k <= kElasticPoints; ++k) {
    const float share = static_cast<float>(k) / static_cast<float>(kElasticPoints);
    line[static_cast<std::size_t>(k - 1)].topMovement = share * top.movementFt;
    line[static_cast<std::size_t>(k - 1)].topLoad = share * top.loadLb / kPoundsPerTon;
  }
  for (int k = 1; k <= kBaseSteps; ++k) {
    const float share = static_cast<float>(k) / static_cast<float>(kBaseSteps);
    SettlementPoint& point = line[static_cast<std::size_t>(kElasticPoints + k - 1)];
    point.topMovement = top.movementFt + share * extraMovementFt;
    point.topLoad = (top.loadLb + share * (ultimateLb - top.loadLb)) / kPoundsPerTon;
  }
  const SettlementPoint& ultimate = line[kSettlementPoints - 2];
  line[kSettlementPoints - 1].topLoad = ultimate.topLoad;
  line[kSettlementPoints - 1].topMovement = kLastMovementFactor * ultimate.topMovement;
  return line;
}

// Movements ft to in or m, loads tons to kN; a point whose movement is not
// positive keeps its values.
void convertToOutputUnits(SettlementLine& line, bool si) {
  for (SettlementPoint& point : line) {
    if (!(point.topMovement > 0.0f)) {
      continue;
    }
    if (si) {
      point.topMovement /= kFeetPerMetre;
      point.topLoad *= kKilonewtonsPerTon;
    } else {
      point.topMovement *= kInchesPerFoot;
    }
  }
}

}  // namespace

SettlementLine weakRockSettlement(const SettlementInput& input, RunOutput& out) {
  writeHeading(out);
  const InputData& data = *input.data;
  const float topFt = socketTopFt(data, input.tipLayer);
  const float socketLengthFt = input.designDepthFt - topFt;
  const WeakRockSocket socket = socketAtDesignDepth(input, socketLengthFt);
  const std::string missing = missingSocketValue(socket, socketLengthFt);
  const bool socketCarries = missing.empty();
  if (!socketCarries) {
    warnLayer(out, input.tipLayer, "WEAK ROCK", missing,
              "THE LOAD-SETTLEMENT CURVE TAKES NO LOAD IN THE SOCKET.");
  }
  const float diameterFt = socket.diameterFt > 0.0f ? socket.diameterFt : input.stemDiameterFt;
  const float sideAboveLb = input.sideAboveWeakRockTons * kPoundsPerTon;
  const float finalSideLb = input.sideTons * kPoundsPerTon;
  bool baseFormulaFailed = false;
  SettlementLine line{};
  for (int k = 1; k <= kSettlementPoints; ++k) {
    const float settlementFt = diameterFt * settlementShare(k);
    float sideLb = sideAboveLb;
    float baseLb = 0.0f;
    if (socketCarries) {
      sideLb += socketSideLb(socket, settlementFt);
      const float basePsf = weakRockBasePsf(socket, settlementFt);
      baseFormulaFailed = baseFormulaFailed || basePsf < 0.0f;
      baseLb = kGeomaterialPi * diameterFt * diameterFt * std::max(basePsf, 0.0f) / 4.0f;
    }
    const float loadTons = (std::min(sideLb, finalSideLb) + baseLb) / kPoundsPerTon;
    const float shorteningIn =
        elasticShorteningIn(loadTons, topFt, data.settings.ecTsf, diameterFt);
    SettlementPoint& point = line[static_cast<std::size_t>(k - 1)];
    point.topLoad = data.settings.si ? loadTons * kKilonewtonsPerTon : loadTons;
    point.topMovement = data.settings.si
                            ? settlementFt / kFeetPerMetre + shorteningIn * kMetresPerInch
                            : settlementFt * kInchesPerFoot + shorteningIn;
  }
  if (baseFormulaFailed) {
    warnLayer(out, input.tipLayer, "WEAK ROCK", "THE SOCKET IS TOO LONG FOR THE BASE FORMULA",
              "THE LOAD-SETTLEMENT CURVE TAKES NO BASE RESISTANCE.");
  }
  return line;
}

SettlementLine decomposedRockSettlement(const SettlementInput& input, RunOutput& out) {
  writeHeading(out);
  const int layerIndex = input.tipLayer;
  DecomposedSocket socket = decomposedSocketAt(input);
  const char* material = "DECOMPOSED ROCK";
  const std::string noLine = "THE LOAD-SETTLEMENT CURVE IS SET TO ZERO.";
  // Rock above without unit weight can leave no effective stress below the
  // water table; OCR and qmax need a positive one.
  if (!(socket.stressPsf > 0.0f)) {
    warnLayer(out, layerIndex, material, "THE EFFECTIVE VERTICAL STRESS IS ZERO OR LESS", noLine);
    return SettlementLine{};
  }
  if (!(socket.modulusPsf > 0.0f)) {
    warnLayer(out, layerIndex, material, "THE ELASTIC MODULUS OF THE ROCK IS ZERO OR LESS", noLine);
    return SettlementLine{};
  }
  // A uniform modulus (rho = 1) when the blow counts give no ratio.
  if (!(socket.rho >= 0.0f)) {
    warnLayer(out, layerIndex, material, "THE BLOW COUNT AT THE BOTTOM OF THE LAYER IS ZERO",
              "RHO = 1 IS TAKEN FOR THE LOAD-SETTLEMENT CURVE.");
    socket.rho = 1.0f;
  }
  // A short socket can leave the logarithm's argument at 1 or below; an
  // influence radius of e socket radii (zeta = 1) keeps the solution defined.
  float zeta = influenceFactor(socket);
  if (!(zeta > 0.0f)) {
    warnLayer(out, layerIndex, material, "THE SOCKET IS TOO SHORT FOR THE INFLUENCE FACTOR ZETA",
              "ZETA = 1 IS TAKEN FOR THE LOAD-SETTLEMENT CURVE.");
    zeta = 1.0f;
  }
  const float sideLb = input.sideTons * kPoundsPerTon;
  const ElasticTop top = elasticTop(socket, zeta, input.data->settings.ecTsf, sideLb);
  // When the formula leaves the side no share of the top load, the top
  // load at full side resistance is taken as the final QS itself.
  if (top.noSideShare) {
    warnLayer(out, layerIndex, material, "THE SIDE SHARE OF THE TOP LOAD IS ZERO OR LESS",
              "THE FINAL SIDE RESISTANCE IS TAKEN AS THE TOP LOAD.");
  }
  SettlementLine line =
      decomposedLine(top, ultimateLoadLb(socket, sideLb), socket.modulusPsf, socket.diameterFt);
  convertToOutputUnits(line, input.data->settings.si);
  return line;
}

}  // namespace bormek
