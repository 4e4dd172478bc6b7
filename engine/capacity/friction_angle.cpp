#include "capacity/friction_angle.h"

#include <array>
#include <cstddef>
#include <span>

#include "input/unit_constants.h"

namespace bormek {
namespace {

// A curve of the friction angle (degrees) against N (blows per ft), linear
// between its points.
struct AngleCurve {
  std::span<const float> blowCounts;
  std::span<const float> anglesDeg;
};

// Curve at 0 psi of effective vertical stress.
constexpr std::array kZeroStressBlowCounts{0.0f, 2.0f, 4.0f, 6.0f, 10.0f, 15.0f, 20.0f};
constexpr std::array kZeroStressAnglesDeg{0.0f, 32.0f, 34.0f, 36.0f, 38.0f, 42.0f, 45.0f};

// Curve at 20 psi.
constexpr std::array kMidStressBlowCounts{6.0f,  10.0f, 15.0f, 20.0f, 25.0f, 30.0f,
                                          35.0f, 40.0f, 45.0f, 50.0f, 55.0f};
constexpr std::array kMidStressAnglesDeg{30.0f, 32.0f, 34.0f, 36.0f, 37.0f, 39.0f,
                                         40.0f, 41.0f, 42.0f, 44.0f, 45.0f};

// Curve at 40 psi.
constexpr std::array kHighStressBlowCounts{10.0f, 15.0f, 20.0f, 25.0f, 30.0f, 35.0f,
                                           40.0f, 45.0f, 50.0f, 55.0f, 60.0f, 65.0f,
                                           70.0f, 75.0f, 80.0f, 85.0f, 90.0f};
constexpr std::array kHighStressAnglesDeg{31.0f, 32.0f, 34.0f, 35.0f, 36.0f, 36.0f,
                                          37.0f, 38.0f, 39.0f, 39.0f, 40.0f, 41.0f,
                                          42.0f, 42.0f, 43.0f, 44.0f, 44.0f};

static_assert(kZeroStressBlowCounts.size() == kZeroStressAnglesDeg.size());
static_assert(kMidStressBlowCounts.size() == kMidStressAnglesDeg.size());
static_assert(kHighStressBlowCounts.size() == kHighStressAnglesDeg.size());

constexpr AngleCurve kZeroStressCurve{kZeroStressBlowCounts, kZeroStressAnglesDeg};
constexpr AngleCurve kMidStressCurve{kMidStressBlowCounts, kMidStressAnglesDeg};
constexpr AngleCurve kHighStressCurve{kHighStressBlowCounts, kHighStressAnglesDeg};

// The blow-count bands are bounded by the ends of the curves.
constexpr float kZeroCurveLastBlowCount = kZeroStressBlowCounts.back();    // 20
constexpr float kMidCurveFirstBlowCount = kMidStressBlowCounts.front();    // 6
constexpr float kMidCurveLastBlowCount = kMidStressBlowCounts.back();      // 55
constexpr float kHighCurveFirstBlowCount = kHighStressBlowCounts.front();  // 10
constexpr float kHighCurveLastBlowCount = kHighStressBlowCounts.back();    // 90

constexpr float kMidStressPsi = 20.0f;
constexpr float kHighStressPsi = 40.0f;
constexpr float kStressBandWidthPsi = kHighStressPsi - kMidStressPsi;
constexpr float kMaximumAngleDeg = 45.0f;
// Angle the zero-stress curve is pulled toward below the middle curve's
// first point: the middle curve's first angle.
constexpr float kLooseAngleDeg = kMidStressAnglesDeg.front();  // 30
// Loose sand, below the curves at 20 and 40 psi: degrees per blow.
constexpr float kMidBandLooseDegPerBlow = 5.0f;
constexpr float kHighBandLooseDegPerBlow = 3.0f;

// Linear interpolation; the end values hold outside the curve, but every
// band reads a curve only within its range of N.
float angleOnCurve(const AngleCurve& curve, float blowCount) {
  const std::span<const float> n = curve.blowCounts;
  const std::span<const float> phi = curve.anglesDeg;
  if (blowCount <= n.front()) {
    return phi.front();
  }
  for (std::size_t i = 1; i < n.size(); ++i) {
    if (blowCount <= n[i]) {
      return phi[i - 1] + (blowCount - n[i - 1]) * (phi[i] - phi[i - 1]) / (n[i] - n[i - 1]);
    }
  }
  return phi.back();
}

// 0 to 20 psi: from the zero-stress curve toward the 20 psi curve; below
// the 20 psi curve toward 30 degrees, above the zero-stress curve from 45.
float angleUpToMidStress(float blowCount, float stressPsi) {
  if (blowCount < kMidCurveFirstBlowCount) {
    const float zero = angleOnCurve(kZeroStressCurve, blowCount);
    return zero - (stressPsi / kMidStressPsi) * (zero - kLooseAngleDeg);
  }
  if (blowCount <= kZeroCurveLastBlowCount) {
    const float zero = angleOnCurve(kZeroStressCurve, blowCount);
    const float mid = angleOnCurve(kMidStressCurve, blowCount);
    return zero - (zero - mid) * stressPsi / kMidStressPsi;
  }
  if (blowCount <= kMidCurveLastBlowCount) {
    const float mid = angleOnCurve(kMidStressCurve, blowCount);
    return mid + (kMidStressPsi - stressPsi) * (kMaximumAngleDeg - mid) / kMidStressPsi;
  }
  return kMaximumAngleDeg;
}

// Between 20 and 40 psi: from the 20 psi curve toward the 40 psi curve;
// above the 20 psi curve from 45 degrees toward the 40 psi curve.
float angleBetweenMidAndHighStress(float blowCount, float stressPsi) {
  if (blowCount <= kMidCurveFirstBlowCount) {
    return kMidBandLooseDegPerBlow * blowCount;
  }
  if (blowCount < kHighCurveFirstBlowCount) {
    return angleOnCurve(kMidStressCurve, blowCount);
  }
  if (blowCount <= kMidCurveLastBlowCount) {
    const float mid = angleOnCurve(kMidStressCurve, blowCount);
    const float high = angleOnCurve(kHighStressCurve, blowCount);
    return mid - (stressPsi - kMidStressPsi) * (mid - high) / kStressBandWidthPsi;
  }
  if (blowCount <= kHighCurveLastBlowCount) {
    const float high = angleOnCurve(kHighStressCurve, blowCount);
    return high + (kHighStressPsi - stressPsi) * (kMaximumAngleDeg - high) / kStressBandWidthPsi;
  }
  return kMaximumAngleDeg;
}

// 40 psi and above: the 40 psi curve. Past its last point (N = 90) no rule
// is given; 45 degrees is taken, as in the other bands past their curves.
float angleFromHighStress(float blowCount) {
  if (blowCount <= kHighCurveFirstBlowCount) {
    return kHighBandLooseDegPerBlow * blowCount;
  }
  if (blowCount <= kHighCurveLastBlowCount) {
    return angleOnCurve(kHighStressCurve, blowCount);
  }
  return kMaximumAngleDeg;
}

}  // namespace

float frictionAngleFromBlowCount(float blowCount, float effectiveStressPsf) {
  const float stressPsi = effectiveStressPsf / kSquareInchesPerSquareFoot;
  if (stressPsi >= kHighStressPsi) {
    return angleFromHighStress(blowCount);
  }
  if (stressPsi <= kMidStressPsi) {
    return angleUpToMidStress(blowCount, stressPsi);
  }
  return angleBetweenMidAndHighStress(blowCount, stressPsi);
}

}  // namespace bormek
