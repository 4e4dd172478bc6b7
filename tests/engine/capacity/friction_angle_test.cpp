#include "capacity/friction_angle.h"

#include <gtest/gtest.h>

#include <span>

namespace bormek {
namespace {

// Single precision: results agree with the hand values to 1e-5 relative.
constexpr float kTolerance = 1e-5f;

// Effective stresses in psf for round values of s = stress / 144 psi.
constexpr float k5Psi = 720.0f;
constexpr float k10Psi = 1440.0f;
constexpr float k20Psi = 2880.0f;
constexpr float k25Psi = 3600.0f;
constexpr float k30Psi = 4320.0f;
constexpr float k35Psi = 5040.0f;
constexpr float k40Psi = 5760.0f;
constexpr float k50Psi = 7200.0f;

// Curves: L (0 psi), M (20 psi), H (40 psi), read linearly between points.
struct AngleCase {
  const char* what;
  float blowCount;
  float stressPsf;
  float expectedDeg;
};

void expectAngles(std::span<const AngleCase> cases) {
  for (const AngleCase& c : cases) {
    EXPECT_NEAR(frictionAngleFromBlowCount(c.blowCount, c.stressPsf), c.expectedDeg,
                kTolerance * c.expectedDeg)
        << c.what;
  }
}

TEST(FrictionAngle, ThirtyBlowsAtTwentyPsiReadTheMiddleCurve) {
  // s = 2880 / 144 = 20: M(30) + (20 - 20) (45 - M(30)) / 20 = 39.
  EXPECT_NEAR(frictionAngleFromBlowCount(30.0f, k20Psi), 39.0f, kTolerance * 39.0f);
}

TEST(FrictionAngle, UpToTwentyPsiTheZeroStressCurveIsBlendedTowardTheMiddleCurve) {
  const AngleCase cases[] = {
      // N < 6: L(3) = 32 + 1 x 2 / 2 = 33; at 10 psi 33 - 0.5 (33 - 30) = 31.5.
      {"N 3 at 0 psi", 3.0f, 0.0f, 33.0f},
      {"N 3 at 10 psi", 3.0f, k10Psi, 31.5f},
      // N = 6: L = 36, M = 30: 36 - (36 - 30) x 10 / 20 = 33.
      {"N 6 at 10 psi", 6.0f, k10Psi, 33.0f},
      // L(12) = 38 + 2 x 4 / 5 = 39.6, M(12) = 32 + 2 x 2 / 5 = 32.8:
      // 39.6 - 6.8 x 10 / 20 = 36.2.
      {"N 12 at 10 psi", 12.0f, k10Psi, 36.2f},
      // N = 20: L = 45, M = 36: 45 - 9 x 10 / 20 = 40.5.
      {"N 20 at 10 psi", 20.0f, k10Psi, 40.5f},
      // N > 20: M(40) = 41: 41 + (20 - 5) (45 - 41) / 20 = 44.
      {"N 40 at 5 psi", 40.0f, k5Psi, 44.0f},
      // M(52) = 44 + 2 x 1 / 5 = 44.4: 44.4 + 10 x 0.6 / 20 = 44.7.
      {"N 52 at 10 psi", 52.0f, k10Psi, 44.7f},
      // N = 55: M = 45: 45 + 10 x 0 / 20 = 45.
      {"N 55 at 10 psi", 55.0f, k10Psi, 45.0f},
  };
  expectAngles(cases);
}

TEST(FrictionAngle, BetweenTwentyAndFortyPsiTheMiddleCurveIsBlendedTowardTheHighCurve) {
  const AngleCase cases[] = {
      // N <= 6: 5 N.
      {"N 4 at 30 psi", 4.0f, k30Psi, 20.0f},
      {"N 6 at 30 psi", 6.0f, k30Psi, 30.0f},
      // 6 < N < 10: 30 + (8 - 6) x 2 / 4 = 31.
      {"N 8 at 30 psi", 8.0f, k30Psi, 31.0f},
      // N = 10: M = 32, H = 31: 32 - (30 - 20) x 1 / 20 = 31.5.
      {"N 10 at 30 psi", 10.0f, k30Psi, 31.5f},
      // M(30) = 39, H(30) = 36: 39 - 10 x 3 / 20 = 37.5.
      {"N 30 at 30 psi", 30.0f, k30Psi, 37.5f},
      // N = 55: M = 45, H = 39: 45 - 5 x 6 / 20 = 43.5.
      {"N 55 at 25 psi", 55.0f, k25Psi, 43.5f},
      // N > 55: H(62) = 40 + 2 x 1 / 5 = 40.4: 40.4 + 5 x 4.6 / 20 = 41.55.
      {"N 62 at 35 psi", 62.0f, k35Psi, 41.55f},
      // N = 90: H = 44: 44 + 10 x 1 / 20 = 44.5.
      {"N 90 at 30 psi", 90.0f, k30Psi, 44.5f},
  };
  expectAngles(cases);
}

TEST(FrictionAngle, FromFortyPsiTheHighCurveIsRead) {
  const AngleCase cases[] = {
      // N <= 10: 3 N.
      {"N 6 at 40 psi", 6.0f, k40Psi, 18.0f},
      {"N 10 at 40 psi", 10.0f, k40Psi, 30.0f},
      // H(12) = 31 + 2 x 1 / 5 = 31.4; H(22) = 34 + 2 x 1 / 5 = 34.4.
      {"N 12 at 40 psi", 12.0f, k40Psi, 31.4f},
      {"N 22 at 50 psi", 22.0f, k50Psi, 34.4f},
      {"N 90 at 40 psi", 90.0f, k40Psi, 44.0f},
  };
  expectAngles(cases);
}

TEST(FrictionAngle, StressesOfExactlyTwentyAndFortyPsiBelongToTheOuterBands) {
  const AngleCase cases[] = {
      // 0 to 20 psi band: L(4) = 34: 34 - 1 x (34 - 30) = 30 (the middle band
      // would give 5 x 4 = 20).
      {"N 4 at 20 psi", 4.0f, k20Psi, 30.0f},
      // 40 psi band: 3 x 8 = 24 (the middle band would give 31).
      {"N 8 at 40 psi", 8.0f, k40Psi, 24.0f},
  };
  expectAngles(cases);
}

TEST(FrictionAngle, BlowCountsPastTheCurvesGiveFortyFiveDegrees) {
  const AngleCase cases[] = {
      {"N 60 at 10 psi, past the middle curve", 60.0f, k10Psi, 45.0f},
      {"N 91 at 30 psi, past the high curve", 91.0f, k30Psi, 45.0f},
      {"N 95 at 40 psi, past the high curve", 95.0f, k40Psi, 45.0f},
  };
  expectAngles(cases);
}

}  // namespace
}  // namespace bormek
