// The curve listing TZDATA.DAT: the t-z and tip curves of the last pass of
// a run. Each pass replaces the listing; the file is written once, in the
// current folder, when the run ends (also when a pass stopped it).
#pragma once

#include "settlement/tz_model.h"

namespace bormek {

inline constexpr const char* kCurveListingFile = "TZDATA.DAT";

struct TzListing {
  bool started = false;   // a pass has run: the file is written
  bool complete = false;  // the pass was solved (its curves are listed)
  bool si = false;
  TzModel model;
};

// Three-character unit labels of the listing and the report sections.
struct UnitLabels {
  const char* length;
  const char* force;
  const char* stress;
};
UnitLabels labelsOf(bool si);

// A force of the t-z analysis (lb) in output units: tons, or kN for SI.
float outputForceOfPounds(float pounds, bool si);

// Writes the listing; a folder that cannot take it costs the listing only.
void writeCurveListing(const TzListing& listing);

}  // namespace bormek
