#include "capacity/weak_rock_tables.h"

#include "capacity/table_interpolation.h"

namespace bormek {
namespace {

// Table 1: M against slump (in) for depths zc (ft).
constexpr float kFluidDepthsFt[] = {0.0f, 13.12f, 26.25f, 39.37f};
constexpr float kSlumpsIn[] = {5.0f, 6.89f, 8.86f};
constexpr float kFluidPressureFactors[] = {
    1.0f,  1.0f,  1.0f,  //
    0.52f, 0.96f, 1.0f,  //
    0.47f, 0.75f, 1.0f,  //
    0.35f, 0.65f, 0.9f,
};

// Table 2: alpha against qu (psf) for sigma-n / pa = 1 to 7.
constexpr float kNormalStressRatios[] = {1.0f, 2.0f, 3.0f, 4.0f, 5.0f, 6.0f, 7.0f};
constexpr float kAlphaStrengthsPsf[] = {10415.0f, 20830.0f, 41660.0f,
                                        62490.0f, 83320.0f, 104150.0f};
constexpr float kAlphas[] = {
    0.2f,  0.145f, 0.107f, 0.085f, 0.07f,  0.066f,  //
    0.34f, 0.235f, 0.16f,  0.14f,  0.118f, 0.1f,    //
    0.45f, 0.3f,   0.208f, 0.16f,  0.14f,  0.122f,  //
    0.5f,  0.36f,  0.245f, 0.185f, 0.155f, 0.14f,   //
    0.5f,  0.4f,   0.26f,  0.21f,  0.16f,  0.15f,   //
    0.5f,  0.44f,  0.275f, 0.22f,  0.168f, 0.153f,  //
    0.5f,  0.47f,  0.29f,  0.225f, 0.172f, 0.156f,
};

// Table 3: Em / Ei against RQD (%).
constexpr float kRqdPercent[] = {20.0f, 50.0f, 70.0f, 100.0f};
constexpr float kClosedJointRatios[] = {0.05f, 0.15f, 0.7f, 1.0f};
constexpr float kOpenJointRatios[] = {0.05f, 0.1f, 0.3f, 0.6f};

// Table 4: reduction of fa against Em / Ei.
constexpr float kModulusRatios[] = {0.02f, 0.05f, 0.1f, 0.3f, 0.5f, 1.0f};
constexpr float kJointReductions[] = {0.3f, 0.45f, 0.55f, 0.7f, 0.8f, 1.0f};

// Table 5: n against qu / pa for Em / sigma-n = 400 to 4000.
constexpr float kModulusStressRatios[] = {400.0f,  500.0f,  600.0f,  1000.0f,
                                          1500.0f, 2000.0f, 3000.0f, 4000.0f};
constexpr float kStrengthRatios[] = {5.0f, 14.0f, 24.0f, 28.0f, 36.0f, 48.0f};
constexpr float kSmoothFactors[] = {
    0.5f,   0.5f,   0.472f, 0.458f, 0.43f, 0.4f,    //
    0.5f,   0.48f,  0.42f,  0.4f,   0.36f, 0.3f,    //
    0.5f,   0.45f,  0.375f, 0.345f, 0.29f, 0.21f,   //
    0.46f,  0.38f,  0.29f,  0.26f,  0.18f, 0.08f,   //
    0.42f,  0.35f,  0.255f, 0.22f,  0.15f, 0.05f,   //
    0.405f, 0.375f, 0.145f, 0.11f,  0.04f, 0.018f,  //
    0.4f,   0.24f,  0.075f, 0.0f,   0.0f,  0.0f,    //
    0.4f,   0.22f,  0.0f,   0.0f,   0.0f,  0.0f,
};

}  // namespace

float fluidPressureFactor(float slumpIn, float depthFt) {
  return interpolateGrid({kFluidDepthsFt, kSlumpsIn, kFluidPressureFactors}, depthFt, slumpIn);
}

float weakRockAlpha(float normalStressRatio, float strengthPsf) {
  return interpolateGrid({kNormalStressRatios, kAlphaStrengthsPsf, kAlphas}, normalStressRatio,
                         strengthPsf);
}

float massModulusRatio(float rqdPercent, bool openJoints) {
  return interpolateTable(kRqdPercent, openJoints ? kOpenJointRatios : kClosedJointRatios,
                          rqdPercent);
}

float jointReduction(float ratio) {
  return interpolateTable(kModulusRatios, kJointReductions, ratio);
}

float smoothSideFactorN(float modulusRatio, float strengthRatio) {
  return interpolateGrid({kModulusStressRatios, kStrengthRatios, kSmoothFactors}, modulusRatio,
                         strengthRatio);
}

}  // namespace bormek
