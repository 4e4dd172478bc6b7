// Load-settlement lines of shafts tipped in the intermediate geomaterials:
// weak rock (type 6) and decomposed rock (type 5).
//
// The input is the settlement stage's record in the engine's English units.
// Each line has 15 points; only the top load and the top movement are
// filled, in output units (English tons and inches, SI kN and metres), and
// the tip columns stay 0. Each builder first writes the heading of the
// load-settlement table to the report. A value a formula cannot use gives
// the result documented below and one run-notes warning naming the layer,
// never a NaN or an infinity. The shaft modulus (settings.ecTsf), DSTART
// and the stem diameter are positive, as the input reader ensures.
#pragma once

#include "output/run_output.h"
#include "settlement/settlement_input.h"

namespace bormek {

// Weak-rock tip. The socket runs from the top of the first weak-rock or
// strong-rock layer with side and base (types 6 and 7) down to the design
// depth; point k settles wk = Bs rk (rk from 0.0135 % to 5 % of the socket
// diameter) and carries the side above the socket, the socket side at wk
// (the whole side at most the final QS) and the base at wk. The top also
// moves by the elastic shortening of the shaft above the socket.
// When the socket has no length, no diameter, no modulus, no rock
// strength, no normal stress or no positive Omega, the socket carries
// nothing: the line is the side above the socket with the elastic
// shortening (the stem diameter stands in for a missing socket diameter).
// When the socket is too long for the base formula, the base carries
// nothing.
SettlementLine weakRockSettlement(const SettlementInput& input, RunOutput& out);

// Decomposed-rock tip, at the last slice walked in the tip layer: an
// elastic compressible socket up to the final QS (points 1 to 10), then
// the base up to its ultimate load (points 11 to 14) and 1.2 times the
// last movement (point 15). No effective stress or no modulus gives a line
// of zeros; a ratio rho that cannot be taken is 1; a logarithmic influence
// factor zeta that is not positive is 1; a load share that leaves no side
// load makes the top load the final QS.
SettlementLine decomposedRockSettlement(const SettlementInput& input, RunOutput& out);

}  // namespace bormek
