// The solution of a t-z model for assumed tip movements: the shaft is
// solved from the tip up, segment by segment, each segment iterated until
// its mid-segment movement settles. Inches and pounds.
#pragma once

#include "parallel/side_worker.h"
#include "settlement/tz_model.h"

namespace bormek {

struct TzHead {
  float topLoadLb = 0.0f;
  float topMovementIn = 0.0f;
  float tipLoadLb = 0.0f;
  float tipMovementIn = 0.0f;
  bool iterationLimitReached = false;  // a segment did not settle in 1000 rounds
};

// Solves the shaft for `count` (1 to kTipMovements) assumed tip movements
// at once, into heads[0] to heads[count - 1]; each head is what the
// movement gives when solved alone. With a worker, it solves some of them.
void solveForTipMovements(const TzModel& model, const float* tipMovementsIn, TzHead* heads,
                          int count, SideWorker* worker = nullptr);

TzHead solveForTipMovement(const TzModel& model, float tipMovementIn);

}  // namespace bormek
