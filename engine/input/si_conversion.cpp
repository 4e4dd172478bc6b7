#include "input/si_conversion.h"

#include "input/unit_constants.h"

namespace bormek {
namespace {
void scale(EndValues& values, float factor) {
  values.top *= factor;
  values.bottom *= factor;
}
}  // namespace

void adjustShaftValues(RunSettings& s) {
  if (s.ratio == 1.0f) {
    s.ratio = 0.0f;
  }
  if (s.dStart > s.diaLim) {
    s.diaLim = s.dStart;
  }
}

void convertSiInput(InputData& data) {
  RunSettings& s = data.settings;
  if (!s.si) {
    return;
  }
  s.designLoad *= kTonsPerKilonewton;
  s.waterTableDepth *= kFeetPerMetre;
  s.proposedDepth *= kFeetPerMetre;
  s.dStart *= kFeetPerMetre;
  s.diaLim *= kFeetPerMetre;
  s.topLength *= kFeetPerMetre;
  s.bottomLength *= kFeetPerMetre;
  for (int k = 1; k < data.entryCount; ++k) {
    Layer& layer = data.layers[static_cast<std::size_t>(k)];
    scale(layer.unitWeight, kPcfPerKnPerCubicMetre);
    scale(layer.cohesion, kPsfPerKpa);
    scale(layer.maxSide, kPsfPerKpa);
    scale(layer.maxBase, kPsfPerKpa);
    layer.topDepth *= kFeetPerMetre;
    layer.bottomDepth *= kFeetPerMetre;
  }
}

void convertSiRockValues(Layer& layer) {
  if (layer.type < kStrongRockEither || layer.type > kStrongRockBoth) {
    return;
  }
  scale(layer.rockStrength, kPsfPerKpa);
  scale(layer.concreteStrength, kPsfPerKpa);
  scale(layer.discontinuitySpacing, kFeetPerMetre);
  scale(layer.discontinuityThickness, kFeetPerMetre);
  scale(layer.socketDiameter, kFeetPerMetre);
}

}  // namespace bormek
