#include "capacity/rock_rules.h"
#include "capacity/rock_slice.h"

#include <string>

#include "output/fortran_format.h"

namespace bormek {
namespace {

struct GapText {
  const char* missing;
  const char* consequence;
};

constexpr GapText kGapTexts[] = {
    {"THE SPACING OF DISCONTINUITIES IS ZERO OR LESS",
     "THE SLICES CONCERNED GIVE NO BASE RESISTANCE."},
    {"THE THICKNESS OF DISCONTINUITIES IS NEGATIVE",
     "THE SLICES CONCERNED GIVE NO BASE RESISTANCE."},
    {"THE SOCKET DIAMETER IS ZERO OR LESS", "THE SLICES CONCERNED GIVE NO SOCKET RESISTANCE."},
    {"THE EFFECTIVE VERTICAL STRESS IS ZERO OR LESS",
     "THE SLICES CONCERNED GIVE NO SIDE OR BASE RESISTANCE."},
    {"THE COMPRESSIVE STRENGTH OF THE ROCK IS ZERO OR LESS",
     "THE SLICES CONCERNED GIVE NO SIDE OR BASE RESISTANCE."},
    {"THE ELASTIC MODULUS OF THE ROCK IS ZERO OR LESS",
     "THE SLICES CONCERNED GIVE NO SIDE OR BASE RESISTANCE."},
    {"THE NORMAL STRESS OF THE FLUID CONCRETE IS ZERO OR LESS",
     "THE SLICES CONCERNED GIVE NO SIDE OR BASE RESISTANCE."},
    {"OMEGA OF THE ROCK SOCKET IS ZERO OR LESS",
     "THE SLICES CONCERNED GIVE NO SIDE OR BASE RESISTANCE."},
    {"THE SOCKET IS TOO LONG FOR THE BASE RESISTANCE FORMULA",
     "THE SLICES CONCERNED GIVE NO BASE RESISTANCE."},
};

const char* materialOf(int type) {
  switch (type) {
    case kDecomposedRock:
      return "DECOMPOSED ROCK";
    case kWeakRock:
      return "WEAK ROCK";
    default:
      return "STRONG ROCK";
  }
}

}  // namespace

const char* rockGapText(RockGap gap) {
  return kGapTexts[static_cast<int>(gap)].missing;
}

void RockNotes::gap(const RockSlice& slice, RockGap gap) {
  const auto bit = std::uint32_t{1} << static_cast<int>(gap);
  std::uint32_t& written = written_[static_cast<std::size_t>(slice.layerIndex)];
  if ((written & bit) != 0) {
    return;
  }
  written |= bit;
  const GapText& text = kGapTexts[static_cast<int>(gap)];
  out_.notes("");
  out_.notes(fmt::X(5) + "*********************WARNING**********************");
  out_.notes(fmt::X(5) + "LAYER " + std::to_string(slice.layerIndex) + " (" +
             materialOf(slice.layer().type) + "): " + text.missing + ";");
  out_.notes(fmt::X(5) + text.consequence);
}

}  // namespace bormek
