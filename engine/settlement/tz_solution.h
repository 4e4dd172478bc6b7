// The solution of a t-z model for assumed tip movements: the shaft is
// solved from the tip up, segment by segment, each segment iterated until
// its mid-segment movement settles. Inches and pounds.
#pragma once

#include <span>

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

// `count` (1 to kTipMovements) assumed tip movements of a model, and where
// their heads go.
struct TzSolution {
  const TzModel* model = nullptr;
  const float* tipMovementsIn = nullptr;
  TzHead* heads = nullptr;
  int count = 0;
};

// Solves the shafts of several models for their tip movements at once, into
// each solution's heads; each head is what the movement gives when solved
// alone. With a worker, it solves some of them.
void solveForTipMovements(std::span<const TzSolution> solutions, SideWorker* worker);

TzHead solveForTipMovement(const TzModel& model, float tipMovementIn);

}  // namespace bormek
