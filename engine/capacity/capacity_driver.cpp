#include "capacity/capacity_driver.h"

#include "capacity/layer_completion.h"
#include "entry/run_status.h"
#include "input/input_reader.h"
#include "input/si_conversion.h"
#include "input/soil_echo.h"

namespace bormek {

std::int32_t runCapacityDriver(ListReader& input, RunOutput& out) {
  InputData data = readInput(input, out);
  adjustShaftValues(data.settings);
  convertSiInput(data);
  completeLayerTable(data);
  writeFactorsOfSafety(data.settings, out);
  writeSoilInformation(data, out);
  return kStatusCompleted;
}

}  // namespace bormek
