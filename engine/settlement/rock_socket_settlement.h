// Load-settlement of a shaft whose tip stands in strong rock: the socket
// settles by an influence factor of its length, diameter and the stiffness
// of shaft and rock mass; the movement is then carried up through the
// layers above the socket.
#pragma once

#include "output/run_output.h"
#include "settlement/settlement_input.h"

namespace bormek {

// Em / Ei of the rock mass from the RQD (%): 0.1 at RQD 0, 1 at RQD 100,
// linear between the chart points and the end values outside them.
float socketMassModulusRatio(float rqdPercent);

// Influence factor I of the socket settlement for lambda = Ls / Ds and
// r = Ec / Em; the curves of r = 10, 50, 100 and 5000 are interpolated
// linearly in r and hold their end values outside that range.
float socketInfluenceFactor(float lengthToDiameter, float stiffnessRatio);

// The rock socket: the bottom layers of the shaft, as many as there are
// layers of rock or geomaterial down to the tip. Depths in ft, Ei in tsf.
struct SocketRock {
  int overlyingLayers = 0;        // layers 1 to this lie above the socket
  float topDepthFt = 0.0f;        // Lover: the walked bottom of the layer above
  float lengthFt = 0.0f;          // Ls: tip depth less the socket top
  float rqdPercent = 0.0f;        // thickness-weighted mean over the socket
  float intactModulusTsf = 0.0f;  // Ei, thickness-weighted mean over the socket
  bool tipAboveSocket = false;    // Ls is 0 and the tip layer's own means stand
};

// Each socket layer weighs the mean of its end values by its thickness in
// the socket's depth list (socket top, the walked bottoms of the layers in
// between, the tip), so the weights add up to Ls.
SocketRock socketRockOf(const SettlementInput& input);

// Load-settlement line of a shaft whose tip stands in strong rock (types 4
// and 7): socket settlement from an influence factor, carried up through
// the layers above the socket. Writes the English report heading.
//
// Works in ft and tons; the line comes back in output units: English tons
// and inches, SI kN and metres (no heading in SI). Top columns hold the
// head load and movement of the socket analysis, tip columns the same
// carried up to the surface through the layers above the socket.
// A tip above the socket top, a socket diameter of zero or less and a rock
// mass modulus of zero or less are reported as run-notes warnings; the
// last gives a line of zeros.
SettlementLine rockSocketSettlement(const SettlementInput& input, RunOutput& out);

}  // namespace bormek
