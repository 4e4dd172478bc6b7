// What the rock and intermediate-geomaterial rules see of a slice, what they
// give back, and the state they keep across the slices of one diameter.
#pragma once

#include <array>
#include <cstdint>

#include "input/input_data.h"
#include "output/run_output.h"

namespace bormek {

struct RockSlice {
  const InputData* data = nullptr;
  int layerIndex = 0;            // entry of the layer table
  float fraction = 0.0f;         // position in the layer, 0 top to 1 bottom
  float depthFt = 0.0f;          // z, the slice bottom
  float stressBottomPsf = 0.0f;  // running sigma-v' at z
  float socketScale = 1.0f;      // D / DSTART
  float designDepthFt = 0.0f;    // used by the decomposed-rock and weak-rock rules

  const Layer& layer() const { return data->layers[static_cast<std::size_t>(layerIndex)]; }
};

struct RockResult {
  float unitSideTsf = 0.0f;  // before the uplift reduction
  float baseTons = 0.0f;
  float socketDiameterFt = 0.0f;  // scaled; the side acts over pi times it
};

// Why a rule could not give a value for a slice.
enum class RockGap : int {
  kNoSpacing,
  kNegativeThickness,
  kNoSocketDiameter,
  kNoEffectiveStress,
  kNoRockStrength,
  kNoModulus,
  kNoNormalStress,
  kNoOmega,
  kSocketTooLong,
  kCount,
};

// Warnings of missing rock values, written to the run notes once per layer
// and kind in a run.
class RockNotes {
 public:
  explicit RockNotes(RunOutput& out) : out_(out) {}
  void gap(const RockSlice& slice, RockGap gap);

 private:
  RunOutput& out_;
  std::array<std::uint32_t, kMaxLayerEntries> written_{};
};

// Kept across the slices of one diameter.
struct RockDiameterState {
  float weakRockModulusSumTsf = 0.0f;  // running mean of the weak-rock moduli
  int weakRockModulusCount = 0;
  bool weakRockStrengthKept = false;
  float firstWeakRockStrengthPsf = 0.0f;  // for the load-settlement stage
};

// Kept across the run: the last governing rock strength (psi), for the
// closing note on weak rock; negative until a rock rule has run.
struct RockRunState {
  float lastStrengthPsi = -1.0f;
};

}  // namespace bormek
