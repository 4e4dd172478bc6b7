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
