// Values that would index the fixed arrays out of their bounds or overflow
// an integer stop the run with status 7 and a message naming the line, the
// item and the allowed range; legal values at the ends of the ranges run.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "entry/run_status.h"
#include "support/engine_run.h"

namespace bormek {
namespace {

using Lines = std::vector<std::string>;

// Clay over sand, English, shaft length 20 ft; each line can be replaced.
struct Project {
  std::string units = "1";
  std::string control = "2 1 1.0 1.0 1 2";
  std::string shaft = "3.0 3.0 0 0 0 0 3600000";
  std::string count = "2 10.0 20.0 2.0 3.0";
  std::string clayBottom = "2 15.0";
  std::string sandBottom = "1 40.0";

  std::string text() const {
    return testing::crlf({"Limits", units, control, shaft, count, clayBottom,
                          "9 120 0 2000 10 0 0 1 1", "9 120 0 3000 10 0 0 1 1", "0.55 0.55",
                          sandBottom, "0 120 33 0 20 0 0 1 1", "0 125 36 0 30 0 0 1 1", "1",
                          "0 0"});
  }
};

struct Refused {
  const char* what;
  Project project;
  const char* message;  // the run-notes line naming line and item
};

Project with(std::string Project::*line, const char* text, const char* units = "1") {
  Project p;
  p.*line = text;
  p.units = units;
  return p;
}

TEST(InputLimits, ValuesBeyondTheArraysStopTheRunWithLineItemAndRange) {
  const Refused cases[] = {
      {"layer bottom beyond the tip arrays", with(&Project::clayBottom, "2 1e30"),
       "LINE 6, ITEM 2: THE BOTTOM DEPTH OF LAYER 1 MUST LIE BETWEEN 0 AND 499 FT (FOUND 1E+30)"},
      {"layer bottom past the 32-bit range", with(&Project::sandBottom, "1 3e9"),
       "LINE 10, ITEM 2: THE BOTTOM DEPTH OF LAYER 2 MUST LIE BETWEEN 0 AND 499 FT (FOUND 3E+09)"},
      {"SI layer bottom", with(&Project::sandBottom, "1 153", "2"),
       "LINE 10, ITEM 2: THE BOTTOM DEPTH OF LAYER 2 MUST LIE BETWEEN 0 AND 152 M (FOUND 153)"},
      {"layer bottom above the one before", with(&Project::sandBottom, "1 12.5"),
       "LINE 10, ITEM 2: THE BOTTOM DEPTH OF LAYER 2 MUST NOT LIE ABOVE THE BOTTOM OF LAYER 1, 15 "
       "(FOUND 12.5)"},
      {"negative bottom zone", with(&Project::shaft, "3.0 3.0 0 0 0 -1 3600000"),
       "LINE 4, ITEM 6: THE BOTTOM ZONE WITHOUT SIDE FRICTION MUST BE AT LEAST 0 AND LESS THAN "
       "499 FT (FOUND -1)"},
      {"negative upper zone", with(&Project::shaft, "3.0 3.0 0 0 -5 0 3600000"),
       "LINE 4, ITEM 5: THE UPPER ZONE WITHOUT SIDE FRICTION MUST BE AT LEAST 0 AND LESS THAN "
       "499 FT (FOUND -5)"},
      {"upper zone below every profile", with(&Project::shaft, "3.0 3.0 0 0 1e9 0 3600000"),
       "LINE 4, ITEM 5: THE UPPER ZONE WITHOUT SIDE FRICTION MUST BE AT LEAST 0 AND LESS THAN "
       "499 FT (FOUND 1E+09)"},
      {"bell angle of 1e20", with(&Project::shaft, "3.0 3.0 2.0 1e20 0 0 3600000"),
       "LINE 4, ITEM 4: THE BELL ANGLE MUST BE AT LEAST 1 AND LESS THAN 90 DEGREES FOR A BELLED "
       "SHAFT (FOUND 1E+20)"},
      {"bell nearly vertical", with(&Project::shaft, "3.0 3.0 2.0 0.5 0 0 3600000"),
       "LINE 4, ITEM 4: THE BELL ANGLE MUST BE AT LEAST 1 AND LESS THAN 90 DEGREES FOR A BELLED "
       "SHAFT (FOUND 0.5)"},
      {"bell ratio past the 32-bit range", with(&Project::shaft, "3.0 3.0 2e10 45 0 0 3600000"),
       "LINE 4, ITEM 3: THE BELL DIAMETER RATIO MUST LIE BETWEEN 0 AND 10 (FOUND 2E+10)"},
      {"negative bell ratio", with(&Project::shaft, "3.0 3.0 -2 45 0 0 3600000"),
       "LINE 4, ITEM 3: THE BELL DIAMETER RATIO MUST LIE BETWEEN 0 AND 10 (FOUND -2)"},
      {"minimum diameter of 2e10", with(&Project::shaft, "2e10 0 0 0 0 0 3600000"),
       "LINE 4, ITEM 1: THE MINIMUM SHAFT DIAMETER MUST NOT EXCEED 30 FT (FOUND 2E+10)"},
      {"maximum diameter of 1e10", with(&Project::shaft, "3.0 1e10 0 0 0 0 3600000"),
       "LINE 4, ITEM 2: THE MAXIMUM SHAFT DIAMETER MUST NOT EXCEED 30 FT (FOUND 1E+10)"},
      {"SI maximum diameter", with(&Project::shaft, "0.9 10 0 0 0 0 25000000", "2"),
       "LINE 4, ITEM 2: THE MAXIMUM SHAFT DIAMETER MUST NOT EXCEED 9.1 M (FOUND 10)"},
      {"tiny output increment", with(&Project::control, "2 1 1.0 1e-30 1 2"),
       "LINE 3, ITEM 4: THE OUTPUT INCREMENT MUST BE AT LEAST 0.1 FT (FOUND 1E-30)"},
      {"shaft length beyond the arrays", with(&Project::count, "2 10.0 1e9 2.0 3.0"),
       "LINE 5, ITEM 3: THE SHAFT LENGTH MUST LIE BETWEEN 0 AND 499 FT (FOUND 1E+09)"},
  };
  for (const Refused& c : cases) {
    testing::TestFolder folder;
    const testing::EngineResult result = testing::runEngineOn(folder, c.project.text());
    EXPECT_EQ(result.status, kStatusInputUnreadable) << c.what;
    const std::string expected = std::string("     ") + c.message;
    EXPECT_NE(std::find(result.notes.begin(), result.notes.end(), expected), result.notes.end())
        << c.what;
    EXPECT_NE(std::find(result.report.begin(), result.report.end(), expected), result.report.end())
        << c.what;
  }
}

struct Legal {
  const char* what;
  Project project;
  std::int32_t status;
};

TEST(InputLimits, LegalValuesAtTheEndsOfTheRangesRunWithinTheArrays) {
  Project deepest;
  deepest.sandBottom = "1 499";
  deepest.count = "2 10.0 499 2.0 3.0";
  deepest.shaft = "1.0 30.0 0 0 498 0 3600000";  // side only from 498 ft: no row reaches 499
  Project belled = deepest;
  belled.shaft = "30.0 30.0 10 1 0 0 3600000";  // a bell about 7700 ft high
  Project deepZones = deepest;
  deepZones.shaft = "3.0 3.0 0 0 0 498.9 3600000";
  Project tinySteps;
  tinySteps.control = "2 1 1.0 0.1 1 2";
  Project siDeepest = deepest;
  siDeepest.units = "2";
  siDeepest.sandBottom = "1 152";
  siDeepest.count = "2 3.0 152 2.0 3.0";
  siDeepest.shaft = "0.3 9.1 0 0 0 0 25000000";
  const Legal cases[] = {
      {"layers to 499 ft, diameters 1 to 30 ft", deepest, kStatusDesignLoadNotReached},
      {"a bell reaching below the arrays", belled, kStatusDesignLoadNotReached},
      {"a bottom zone of 498.9 ft", deepZones, kStatusDesignLoadNotReached},
      {"an output increment of 0.1 ft", tinySteps, kStatusCompleted},
      {"SI layers to 152 m, diameters 0.3 to 9.1 m", siDeepest, kStatusCompleted},
  };
  for (const Legal& c : cases) {
    testing::TestFolder folder;
    EXPECT_EQ(testing::runEngineOn(folder, c.project.text()).status, c.status) << c.what;
  }
}

}  // namespace
}  // namespace bormek
