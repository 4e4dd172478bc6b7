// The walk down the profile for one stem diameter in 1-ft slices: the
// effective stress, the unit side resistance and the base resistance of
// the tip that belongs to each slice, stored per tip depth.
#pragma once

#include <array>

#include "capacity/rock_slice.h"
#include "capacity/shaft_geometry.h"
#include "input/input_data.h"
#include "output/run_output.h"
#include "settlement/settlement_input.h"

namespace bormek {

inline constexpr int kMaxTipDepths = 500;  // tip depths 0 to 499 ft

// Indexed by the tip depth in whole feet. Forces in tons, unit side
// resistance in tsf, lengths in ft, volumes in yd³.
struct TipArrays {
  std::array<float, kMaxTipDepths> side{};          // cumulative ultimate side QS
  std::array<float, kMaxTipDepths> factoredSide{};  // cumulative side x LRFD side factors
  std::array<float, kMaxTipDepths> base{};          // QB of the slice's tip
  std::array<float, kMaxTipDepths> soilFlag{};      // 1 soil, 0 strong rock (types 4, 7)
  std::array<float, kMaxTipDepths> length{};        // tip depth, 0 where no slice was stored
  std::array<float, kMaxTipDepths> volume{};        // concrete of a shaft tipped there
  int deepest = 0;                                  // index of the deepest slice stored
};

struct WalkResult {
  bool tipsBeyondCapacity = false;  // slices whose tip lies below 499 ft were not stored
};

// Rounds the bottom of every layer below TOPLENG to whole feet (0.5 up),
// once per run before the diameters are walked.
void roundWalkedLayerBottoms(InputData& data);

// Walks every layer below TOPLENG for the diameter of `geometry`; BS must
// already be rounded to whole feet. Data warnings go to `out` as they arise;
// missing rock values are noted once per layer through `rockNotes`. The
// per-layer summaries, the side profile and the rock state of the diameter
// are recorded in `settlement` for the load-settlement stage.
WalkResult walkProfile(const InputData& data, const ShaftGeometry& geometry, TipArrays& tips,
                       RunOutput& out, RockNotes& rockNotes, RockRunState& rockRun,
                       SettlementInput& settlement);

}  // namespace bormek
