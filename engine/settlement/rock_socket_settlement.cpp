#include "settlement/rock_socket_settlement.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "capacity/table_interpolation.h"
#include "input/unit_constants.h"
#include "output/fortran_format.h"
#include "output/run_messages.h"

namespace bormek {
namespace {

// Em / Ei against RQD (%).
constexpr float kRqdPercent[] = {0.0f,  10.0f, 20.0f, 30.0f, 40.0f, 50.0f,
                                 60.0f, 70.0f, 80.0f, 90.0f, 95.0f, 100.0f};
constexpr float kMassModulusRatios[] = {0.1f,  0.105f, 0.11f, 0.12f, 0.13f, 0.14f,
                                        0.17f, 0.2f,   0.47f, 0.73f, 0.85f, 1.0f};

// Influence factor I against Ls / Ds, one row per Ec / Em.
constexpr float kStiffnessRatios[] = {10.0f, 50.0f, 100.0f, 5000.0f};
constexpr float kLengthToDiameter[] = {0.0f, 1.0f, 2.0f,  4.0f,  5.0f,
                                       6.0f, 8.0f, 10.0f, 12.0f, 20.0f};
constexpr float kInfluenceFactors[] = {
    1.1f, 0.5f,  0.44f, 0.395f, 0.385f, 0.375f, 0.373f, 0.37f,  0.367f, 0.365f,  //
    1.1f, 0.45f, 0.35f, 0.28f,  0.26f,  0.24f,  0.23f,  0.215f, 0.205f, 0.2f,    //
    1.1f, 0.43f, 0.34f, 0.255f, 0.235f, 0.21f,  0.19f,  0.18f,  0.16f,  0.155f,  //
    1.1f, 0.4f,  0.33f, 0.23f,  0.21f,  0.19f,  0.16f,  0.13f,  0.11f,  0.085f,
};
// Below the first curve, long sockets take this factor rather than the
// curve's end value.
constexpr float kLongSocketLengthToDiameter = 20.0f;
constexpr float kLongSocketSoftRockInfluence = 0.385f;

// Socket settlement / Ds of the points: a geometric series, then three
// large movements.
constexpr int kGeometricPoints = 12;
constexpr float kFirstNormalizedSettlement = 0.00018f;
constexpr float kNormalizedSettlementGrowth = 1.5f;
constexpr float kLastNormalizedSettlements[] = {0.025f, 0.05f, 0.1f};

// Head movement (ft) that mobilizes the full side resistance above the
// socket; less mobilizes it in proportion.
constexpr float kOverburdenMobilizationFt = 0.017f;

// Side mobilization (mobilized / ultimate side resistance) against
// settlement / D, for the first and the second pass.
constexpr float kSideMovements[] = {0.0f,   0.001f, 0.002f, 0.003f, 0.004f, 0.005f, 0.006f,
                                    0.007f, 0.008f, 0.009f, 0.01f,  0.011f, 0.012f, 0.013f,
                                    0.014f, 0.015f, 0.016f, 0.017f, 0.018f, 0.019f, 0.02f};
constexpr float kSandSide[2][21] = {
    {0.0f,  0.22f, 0.4f,  0.54f, 0.67f, 0.74f, 0.82f, 0.87f, 0.9f, 0.92f, 0.93f,
     0.93f, 0.93f, 0.93f, 0.92f, 0.92f, 0.92f, 0.91f, 0.91f, 0.9f, 0.9f},
    {0.0f, 0.45f, 0.76f, 0.9f, 0.95f, 0.98f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f,
     1.0f, 1.0f,  1.0f,  1.0f, 1.0f,  1.0f,  1.0f, 1.0f, 1.0f, 1.0f},
};
constexpr float kClaySide[2][21] = {
    {0.0f,  0.29f, 0.52f, 0.7f,  0.78f, 0.84f, 0.87f, 0.89f, 0.89f, 0.88f, 0.87f,
     0.86f, 0.85f, 0.84f, 0.83f, 0.82f, 0.8f,  0.78f, 0.77f, 0.76f, 0.75f},
    {0.0f, 0.74f, 0.92f, 0.97f, 1.0f,  1.01f, 1.02f, 1.02f, 1.02f, 1.01f, 1.01f,
     1.0f, 1.0f,  0.99f, 0.98f, 0.97f, 0.96f, 0.95f, 0.94f, 0.93f, 0.92f},
};
constexpr float kFullMobilization = 1.0f;

// Side resistances below this (tons) count as none.
constexpr float kNoSideTons = 1.0e-20f;
// A layer's load has converged when a round changes it by less than this
// fraction of the side resistance mobilized at the layer bottom.
constexpr float kCarryTolerance = 0.1f;
constexpr int kMaxCarryRounds = 100;

constexpr int kPasses = 2;

// The socket and its surroundings, in ft, tons and tsf.
struct RockSocket {
  int tipLayer = 0;
  SocketRock rock;                  // depths and averaged rock of the socket
  float diameterFt = 0.0f;          // Ds
  float massModulusTsf = 0.0f;      // Em
  float influence = 0.0f;           // I
  float maxLoadTons = 0.0f;         // Pmax: tip and socket side resistance
  float overburdenSideTons = 0.0f;  // Qover: side resistance above the socket
};

const Layer& layerAt(const SettlementInput& input, int index) {
  return input.data->layers[static_cast<std::size_t>(index)];
}

// Cumulative ultimate side resistance at the bottom of a layer; the
// surface entry has none.
float cumulativeSideTons(const SettlementInput& input, int index) {
  return index == 0 ? 0.0f : input.layers[static_cast<std::size_t>(index)].cumulativeSideTons;
}

float meanOf(const EndValues& ends) {
  return 0.5f * (ends.top + ends.bottom);
}

void warnAboutSocket(RunOutput& out, int tipLayer, const char* problem, const char* consequence) {
  writeRunWarning(
      out, {"LAYER " + std::to_string(tipLayer) + " (STRONG ROCK): " + problem + ";", consequence});
}

// Every layer of a type code above clay shale counts toward the socket,
// which is formed by that many layers at the bottom of the shaft.
int socketLayerCount(const SettlementInput& input) {
  int count = 0;
  for (int k = 1; k <= input.tipLayer; ++k) {
    if (layerAt(input, k).type > kClayShale) {
      ++count;
    }
  }
  return count;
}

// The socket diameter is entered per layer as end values; the socket has
// one diameter, so the tip layer's top value is taken.
float socketDiameterFt(const SettlementInput& input, int tipLayer, RunOutput& out) {
  const float entered = layerAt(input, tipLayer).socketDiameter.top * input.socketScale;
  if (entered > 0.0f) {
    return entered;
  }
  warnAboutSocket(out, tipLayer, "THE SOCKET DIAMETER IS ZERO OR LESS",
                  "THE SHAFT DIAMETER IS USED FOR THE SOCKET SETTLEMENT.");
  return input.stemDiameterFt;
}

float normalizedSocketSettlement(int point) {
  if (point < kGeometricPoints) {
    return kFirstNormalizedSettlement *
           std::pow(kNormalizedSettlementGrowth, static_cast<float>(point));
  }
  return kLastNormalizedSettlements[point - kGeometricPoints];
}

float sideMobilization(int type, int pass, float normalizedSettlement) {
  const std::size_t row = static_cast<std::size_t>(pass - 1);
  switch (type) {
    case kSand:
      return interpolateTable(kSideMovements, kSandSide[row], normalizedSettlement);
    case kClay:
    case kClayShale:
      return interpolateTable(kSideMovements, kClaySide[row], normalizedSettlement);
    default:
      // No side curve: rock and cemented layers mobilize their side
      // resistance at very small movements, so it is taken in full.
      return kFullMobilization;
  }
}

// A load and the movement it comes with: tons, and ft or settlement / D.
struct LoadMovement {
  float loadTons = 0.0f;
  float movement = 0.0f;
};

// The load at the top of one layer and its settlement / D, from those at
// its bottom: the side resistance mobilized at the mean of the two ends,
// the layer shortening under the load at its top.
LoadMovement carryThroughLayer(const Layer& layer, int pass, float sideTons,
                               const LoadMovement& bottom, float shaftStiffnessTons) {
  const float thicknessFt = layer.bottomDepth - layer.topDepth;
  const float t1 = sideMobilization(layer.type, pass, bottom.movement);
  const float tolerance = kCarryTolerance * t1 * sideTons;
  LoadMovement top{bottom.loadTons + sideTons * t1, bottom.movement};
  for (int round = 0; round < kMaxCarryRounds; ++round) {
    top.movement = bottom.movement + thicknessFt * top.loadTons / shaftStiffnessTons;
    const float t2 = sideMobilization(layer.type, pass, top.movement);
    const float load = 0.5f * (t1 + t2) * sideTons + bottom.loadTons;
    const bool converged = std::fabs(load - top.loadTons) <= tolerance;
    top.loadTons = load;
    if (converged) {
      break;
    }
  }
  return top;
}

// The socket load and the head movement (ft) carried up to the surface
// through the layers above the socket: load (tons) and settlement (ft).
LoadMovement carryToSurface(const SettlementInput& input, const RockSocket& socket, int pass,
                            float socketLoadTons, float headFt) {
  const float d = input.stemDiameterFt;
  const float ec = input.data->settings.ecTsf;
  // Axial stiffness of the shaft over D, tons per unit of settlement / D.
  const float shaftStiffnessTons = kQuarterPi * d * d * d * ec;
  const float start = headFt / d;
  LoadMovement state{socketLoadTons, start};
  for (int k = socket.rock.overlyingLayers; k >= 1; --k) {
    float sideTons = cumulativeSideTons(input, k) - cumulativeSideTons(input, k - 1);
    if (sideTons < kNoSideTons) {
      sideTons = 0.0f;
    }
    state = carryThroughLayer(layerAt(input, k), pass, sideTons, state, shaftStiffnessTons);
  }
  return {state.loadTons, (state.movement - start) * d + start * socket.diameterFt};
}

// One point of one pass: the socket settles s Ds (s capped where the
// socket carries Pmax), the socket shortens under its load, and the shaft
// above the socket under the side resistance mobilized there.
void settlePoint(const SettlementInput& input, const RockSocket& socket, int pass, int point,
                 SettlementPoint& stored) {
  const float ds = socket.diameterFt;
  const float ec = input.data->settings.ecTsf;
  const float socketStiffnessTons = ds * ds * socket.massModulusTsf / socket.influence;
  const float s =
      std::min(normalizedSocketSettlement(point), socket.maxLoadTons / socketStiffnessTons);
  const float socketLoadTons = s * socketStiffnessTons;
  const float shaftAreaModulusTons = kQuarterPi * ds * ds * ec;
  const float socketTopFt = s * ds + socket.rock.lengthFt * socketLoadTons / shaftAreaModulusTons;
  // Pass 1 has no head movement yet: the stored movement is still zero.
  const float previousHeadFt = stored.topMovement;
  const float overburdenTons =
      previousHeadFt > kOverburdenMobilizationFt
          ? socket.overburdenSideTons
          : socket.overburdenSideTons * previousHeadFt / kOverburdenMobilizationFt;
  const float headFt = socketTopFt + socket.rock.topDepthFt * overburdenTons / shaftAreaModulusTons;
  stored.topLoad = overburdenTons + socketLoadTons;
  stored.topMovement = headFt;
  if (pass == kPasses) {
    stored.tipLoad = stored.topLoad;
    stored.tipMovement = stored.topMovement;
  }
  if (socket.rock.overlyingLayers == 0) {
    return;
  }
  const LoadMovement surface = carryToSurface(input, socket, pass, socketLoadTons, headFt);
  float& load = pass == kPasses ? stored.tipLoad : stored.topLoad;
  float& movement = pass == kPasses ? stored.tipMovement : stored.topMovement;
  load = surface.loadTons;
  movement = surface.movement;
}

// English: settlements in inches; SI: settlements in metres and loads in
// kN. Only points with a positive settlement are converted.
void toOutputUnits(float& loadTons, float& movementFt, bool si) {
  if (!(movementFt > 0.0f)) {
    return;
  }
  if (si) {
    movementFt /= kFeetPerMetre;
    loadTons *= kKilonewtonsPerTon;
  } else {
    movementFt *= kInchesPerFoot;
  }
}

void writeHeading(RunOutput& out) {
  out.reportBlank(2);
  out.report(fmt::X(15) + "       LOAD SETTLEMENT RELATIONSHIP      ");
  out.report(fmt::X(15) + std::string(42, '-'));
}

}  // namespace

float socketMassModulusRatio(float rqdPercent) {
  return interpolateTable(kRqdPercent, kMassModulusRatios, rqdPercent);
}

float socketInfluenceFactor(float lengthToDiameter, float stiffnessRatio) {
  if (stiffnessRatio < kStiffnessRatios[0] && lengthToDiameter >= kLongSocketLengthToDiameter) {
    return kLongSocketSoftRockInfluence;
  }
  return interpolateGrid({kStiffnessRatios, kLengthToDiameter, kInfluenceFactors}, stiffnessRatio,
                         lengthToDiameter);
}

SocketRock socketRockOf(const SettlementInput& input) {
  SocketRock rock;
  rock.overlyingLayers = input.tipLayer - socketLayerCount(input);
  // The socket top is the bottom of the layer above it; the surface
  // entry's bottom (0) when the socket starts at the surface.
  rock.topDepthFt = layerAt(input, rock.overlyingLayers).bottomDepth;
  rock.lengthFt = input.lengthFt - rock.topDepthFt;
  if (!(rock.lengthFt > 0.0f)) {
    // The tip at or above the socket top (design-load mode): the weights
    // would all vanish, so the tip layer's own rock stands for the socket.
    const Layer& tip = layerAt(input, input.tipLayer);
    rock.tipAboveSocket = true;
    rock.lengthFt = 0.0f;
    rock.rqdPercent = meanOf(tip.rqd);
    rock.intactModulusTsf = meanOf(tip.modulusTsf);
    return rock;
  }
  float rqdSum = 0.0f;
  float modulusSum = 0.0f;
  float layerTop = rock.topDepthFt;
  for (int k = rock.overlyingLayers + 1; k <= input.tipLayer; ++k) {
    const Layer& layer = layerAt(input, k);
    // A shaft shortened by the bottom zone may end above a socket layer's
    // bottom: the socket ends at the tip.
    const float bottom =
        k == input.tipLayer ? input.lengthFt : std::min(layer.bottomDepth, input.lengthFt);
    const float thickness = bottom - layerTop;
    rqdSum += thickness * meanOf(layer.rqd);
    modulusSum += thickness * meanOf(layer.modulusTsf);
    layerTop = bottom;
  }
  rock.rqdPercent = rqdSum / rock.lengthFt;
  rock.intactModulusTsf = modulusSum / rock.lengthFt;
  return rock;
}

SettlementLine rockSocketSettlement(const SettlementInput& input, RunOutput& out) {
  const bool si = input.data->settings.si;
  if (!si) {
    writeHeading(out);
  }
  RockSocket socket;
  socket.tipLayer = input.tipLayer;
  socket.rock = socketRockOf(input);
  const SocketRock& rock = socket.rock;
  if (rock.tipAboveSocket) {
    warnAboutSocket(out, socket.tipLayer, "THE SHAFT TIP DOES NOT REACH INTO THE ROCK SOCKET",
                    "THE SETTLEMENT IS COMPUTED FOR A SOCKET OF ZERO LENGTH.");
  }
  socket.overburdenSideTons = cumulativeSideTons(input, socket.rock.overlyingLayers);
  socket.maxLoadTons = input.tipTons + input.sideTons - socket.overburdenSideTons;
  socket.diameterFt = socketDiameterFt(input, socket.tipLayer, out);
  socket.massModulusTsf = rock.intactModulusTsf * socketMassModulusRatio(rock.rqdPercent);

  SettlementLine line{};
  if (!(socket.massModulusTsf > 0.0f)) {
    // Without a rock mass modulus the socket has no stiffness: every point
    // of the line stays at zero load and zero movement.
    warnAboutSocket(out, socket.tipLayer, "THE MODULUS OF THE ROCK MASS IS ZERO OR LESS",
                    "NO SETTLEMENT OF THE ROCK SOCKET CAN BE COMPUTED.");
    return line;
  }
  socket.influence = socketInfluenceFactor(socket.rock.lengthFt / socket.diameterFt,
                                           input.data->settings.ecTsf / socket.massModulusTsf);
  for (int pass = 1; pass <= kPasses; ++pass) {
    for (int point = 0; point < kSettlementPoints; ++point) {
      settlePoint(input, socket, pass, point, line[static_cast<std::size_t>(point)]);
    }
  }
  for (SettlementPoint& point : line) {
    toOutputUnits(point.topLoad, point.topMovement, si);
    toOutputUnits(point.tipLoad, point.tipMovement, si);
  }
  return line;
}

}  // namespace bormek
