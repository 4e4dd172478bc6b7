#include "settlement/tz_curves.h"

namespace bormek {
namespace {

constexpr CurveRatios kSandSideMovement = {0.0f,   0.001f, 0.002f, 0.003f, 0.005f,
                                           0.006f, 0.008f, 0.012f, 0.016f, 0.1f};
constexpr CurveRatios kClaySideMovement = {0.0f,   0.001f, 0.002f, 0.003f, 0.005f,
                                           0.006f, 0.008f, 0.012f, 0.016f, 0.02f};
constexpr std::array<CurveRatios, 3> kSandSideTransfer = {{
    {0.0f, 0.335f, 0.58f, 0.72f, 0.86f, 0.91f, 0.95f, 0.965f, 0.96f, 0.95f},
    {0.0f, 0.45f, 0.76f, 0.9f, 0.98f, 1.0f, 1.0f, 1.0f, 1.0f, 1.0f},
    {0.0f, 0.22f, 0.4f, 0.54f, 0.74f, 0.82f, 0.9f, 0.93f, 0.92f, 0.9f},
}};
constexpr std::array<CurveRatios, 3> kClaySideTransfer = {{
    {0.0f, 0.51f, 0.72f, 0.9f, 0.925f, 0.945f, 0.955f, 0.925f, 0.9f, 0.835f},
    {0.0f, 0.74f, 0.92f, 0.97f, 1.01f, 1.02f, 1.02f, 1.0f, 0.96f, 0.92f},
    {0.0f, 0.29f, 0.52f, 0.7f, 0.84f, 0.87f, 0.89f, 0.85f, 0.8f, 0.75f},
}};
constexpr CurveRatios kTipMovement = {0.0f,  0.005f, 0.01f, 0.015f, 0.025f,
                                      0.03f, 0.04f,  0.05f, 0.07f,  0.1f};
constexpr std::array<CurveRatios, 3> kSandTipLoad = {{
    {0.0f, 0.175f, 0.345f, 0.485f, 0.64f, 0.73f, 0.88f, 1.015f, 1.195f, 1.46f},
    {0.0f, 0.25f, 0.48f, 0.67f, 0.76f, 0.84f, 0.96f, 1.08f, 1.28f, 1.61f},
    {0.0f, 0.1f, 0.21f, 0.3f, 0.52f, 0.62f, 0.8f, 0.95f, 1.11f, 1.32f},
}};
constexpr std::array<CurveRatios, 3> kClayTipLoad = {{
    {0.0f, 0.395f, 0.56f, 0.7f, 0.865f, 0.9f, 0.95f, 0.97f, 0.98f, 0.991f},
    {0.0f, 0.59f, 0.75f, 0.86f, 0.96f, 0.98f, 0.995f, 0.995f, 0.994f, 0.992f},
    {0.0f, 0.2f, 0.37f, 0.54f, 0.77f, 0.82f, 0.9f, 0.94f, 0.97f, 0.99f},
}};

std::size_t indexOf(TzPassCode pass) {
  return static_cast<std::size_t>(pass) - 1;
}

}  // namespace

const CurveRatios& sideMovementRatios(bool sand) {
  return sand ? kSandSideMovement : kClaySideMovement;
}

const CurveRatios& sideTransferRatios(bool sand, TzPassCode pass) {
  return (sand ? kSandSideTransfer : kClaySideTransfer)[indexOf(pass)];
}

const CurveRatios& tipMovementRatios() {
  return kTipMovement;
}

const CurveRatios& tipLoadRatios(bool sand, TzPassCode pass) {
  return (sand ? kSandTipLoad : kClayTipLoad)[indexOf(pass)];
}

}  // namespace bormek
