// One row of the result table: a shaft length and its capacities, and the
// best shaft of a run. English units: ft, yd³, tons, tons/yd³.
#pragma once

namespace bormek {

struct CapacityRow {
  float length = 0.0f;
  float volume = 0.0f;
  float side = 0.0f;           // QS
  float base = 0.0f;           // QB, or the shaft weight WT in uplift
  float ultimate = 0.0f;       // QU = QS + QB
  float allowableBase = 0.0f;  // QBD = QS + QB / FSB
  float allowable = 0.0f;      // QDN = QS / FST + QB / FSB
  float perVolume = 0.0f;      // QU / VOLUME, 0 without volume
  float factoredSide = 0.0f;   // LRFD QS
  float factoredBase = 0.0f;   // LRFD QB
  float factoredTotal = 0.0f;  // LRFD QU
};

struct BestShaft {
  float stemDiameter = 0.0f;
  float baseDiameter = 0.0f;
  float length = 0.0f;
  float volume = 0.0f;
  float ultimate = 0.0f;
  float perVolume = 0.0f;  // starts at 0: any positive value is better
};

}  // namespace bormek
