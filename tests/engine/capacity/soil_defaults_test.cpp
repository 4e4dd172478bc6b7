#include "capacity/soil_defaults.h"

#include <gtest/gtest.h>

#include "input/input_data.h"

namespace bormek {
namespace {

// Single precision: results agree with the hand values to 1e-5 relative.
constexpr float kTolerance = 1e-5f;

struct CoefficientCase {
  const char* what;
  float actual;
  float expected;
};

TEST(SoilDefaults, DefaultCoefficientsMatchHandValues) {
  const CoefficientCase cases[] = {
      // 1.5 - 0.135 sqrt(25) = 0.825; with N = 10: 0.825 x 10 / 15 = 0.55.
      {"sand beta at 25 ft, N 30", sandBetaAt(25.0f, 30.0f), 0.825f},
      {"sand beta at 25 ft, N 10", sandBetaAt(25.0f, 10.0f), 0.55f},
      {"sand beta at 1 ft bounded above", sandBetaAt(1.0f, 30.0f), 1.2f},
      {"sand beta at 100 ft bounded below", sandBetaAt(100.0f, 30.0f), 0.25f},
      {"sand beta with N 0 is not scaled", sandBetaAt(25.0f, 0.0f), 0.825f},
      // 2.0 - 0.15 (0.3048 x 65)^0.75 = 2.0 - 0.15 x 9.3906 = 0.5914.
      {"gravelly sand beta at 65 ft", gravellySandBetaAt(65.0f), 0.591400f},
      {"gravelly sand beta at 0 ft bounded above", gravellySandBetaAt(0.0f), 1.8f},
      {"gravelly sand beta at 400 ft bounded below", gravellySandBetaAt(400.0f), 0.25f},
      // 3.4 exp(-0.085 x 0.3048 x 75) = 3.4 x 0.143259 = 0.48708.
      {"gravel beta at 75 ft", gravelBetaAt(75.0f), 0.487081f},
      {"gravel beta at 0 ft bounded above", gravelBetaAt(0.0f), 3.0f},
      // c / pa = 3000 / 2116.8 = 1.417: 0.55; 4232 / 2116.8 = 1.9992:
      // 0.55 - 0.1 x 0.4992 = 0.50008; at 2.5 and above 0.55 again.
      {"clay alpha for 3000 psf", clayAlphaFor(3000.0f), 0.55f},
      {"clay alpha for 4232 psf", clayAlphaFor(4232.0f), 0.500076f},
      {"clay alpha for 6000 psf", clayAlphaFor(6000.0f), 0.55f},
      // 6 (1 + 0.2 x 6 / 4) = 7.8; deeper, the caps 9 (clay) and 7 (shale).
      {"clay Nc at 6 ft, DSTART 4 ft", defaultBearingFactor(kClay, 6.0f, 4.0f), 7.8f},
      {"clay Nc at 40 ft", defaultBearingFactor(kClay, 40.0f, 4.0f), 9.0f},
      {"shale Nc at 40 ft", defaultBearingFactor(kClayShale, 40.0f, 4.0f), 7.0f},
  };
  for (const CoefficientCase& c : cases) {
    EXPECT_NEAR(c.actual, c.expected, kTolerance * c.expected) << c.what;
  }
}

}  // namespace
}  // namespace bormek
