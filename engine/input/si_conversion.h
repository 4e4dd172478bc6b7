// Adjustments of the values read and the conversion of SI input to the
// engine's English units (ft, tons, psf, pcf).
#pragma once

#include "input/input_data.h"

namespace bormek {

// A bell ratio of exactly 1 is a straight shaft (0); a maximum diameter
// below the minimum becomes the minimum, so one diameter is analysed.
void adjustShaftValues(RunSettings& settings);

// SI input to English units: design load, water table, proposed depth,
// diameters, the two zones without side friction, and per layer the depths,
// unit weights, cohesion and the side and base limits. Rock values, moduli,
// the slump and the output increment keep their SI values here.
void convertSiInput(InputData& data);

// Rock strengths (kPa to psf) and rock lengths (m to ft) of one layer of
// type 4 to 7; done for SI input after the layer's echo.
void convertSiRockValues(Layer& layer);

}  // namespace bormek
