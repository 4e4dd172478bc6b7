// The problem as read from the input data file: scalar settings and the
// layer table. Lengths are in ft, stresses in psf and unit weights in pcf
// once SI input has been converted; rock and geomaterial values follow the
// conversion points noted at each field.
#pragma once

#include <array>
#include <string>

namespace bormek {

inline constexpr int kMaxLayerEntries = 30;  // the surface entry and 29 layers
inline constexpr int kMaxFileLayers = kMaxLayerEntries - 1;
inline constexpr std::size_t kTitleLength = 72;

enum SoilType : int {
  kSand = 1,
  kClay = 2,
  kClayShale = 3,
  kStrongRockEither = 4,  // side friction or end bearing
  kDecomposedRock = 5,
  kWeakRock = 6,
  kStrongRockBoth = 7,  // side friction and end bearing
  kGravellySand = 8,
  kGravel = 9,
};

// Sand coefficient option: 1 the K method, 2 the beta method (the engine
// takes any value below 2 as K and 2 and above as beta).
inline constexpr float kSandKMethodOption = 1.0f;
inline constexpr float kSandBetaMethodOption = 2.0f;

enum DesignControl : int { kDesignLoadGiven = 1, kShaftLengthGiven = 2 };
enum LoadingType : int { kCompression = 1, kUplift = 2 };
enum DesignMethod : int { kLrfd = 1, kAsd = 2 };

// A property given at the top and at the bottom of a layer; values inside
// the layer are interpolated linearly with depth.
struct EndValues {
  float top = 0.0f;
  float bottom = 0.0f;
};

// Coefficients, Nc, cohesion and friction angles below this count as not
// given by the user.
inline constexpr float kNotGivenBelow = 1e-5f;

// The value at a position in the layer: 0 at its top, 1 at its bottom.
inline float valueAt(const EndValues& ends, float fraction) {
  return ends.top + (ends.bottom - ends.top) * fraction;
}

struct Layer {
  float typeCode = 0.0f;  // as read; compared as an exact value
  int type = 0;
  float topDepth = 0.0f;
  float bottomDepth = 0.0f;

  // Soil (types 1, 2, 3, 5, 8, 9).
  EndValues nc;                    // bearing-capacity coefficient (clay, shale)
  EndValues unitWeight;            // pcf
  EndValues frictionAngle;         // degrees
  EndValues cohesion;              // psf
  EndValues blowCount;             // blows per ft
  EndValues coefficient;           // K or beta (sand), alpha (clay, shale), beta (8, 9)
  float coefficientOption = 0.0f;  // sand: 1 K, 2 beta
  bool defaultCoefficient = false;

  // Limits of every type: psf, 1e10 when not limited.
  EndValues maxSide;
  EndValues maxBase;
  float lrfdSide = 0.0f;  // LRFD resistance factors, bottom line's values
  float lrfdTip = 0.0f;

  // Rock and intermediate geomaterial (types 4 to 7). Strengths in psf and
  // lengths in ft once the layer's echo has converted SI input.
  EndValues rockStrength;
  EndValues concreteStrength;
  EndValues discontinuitySpacing;
  EndValues discontinuityThickness;
  EndValues socketDiameter;
  EndValues modulus;     // as read: psi, or kPa for SI input
  EndValues modulusTsf;  // the same in tsf, set when the table is completed
  EndValues rqd;         // %
  EndValues poissonRatio;
  int interfaceConditionTop = 0;  // weak rock, 1 to 4
  int interfaceConditionBottom = 0;
  EndValues slump;              // in, or m for SI input
  EndValues interfaceFriction;  // degrees
};

struct RunSettings {
  std::string title;  // 72 characters, blank-padded
  int unitSystem = 1;
  bool si = false;
  int designControl = kDesignLoadGiven;
  int loadingType = kCompression;
  float upliftReduction = 1.0f;
  float outputIncrement = 0.0f;
  int sandEndBearingOption = 0;
  int designMethod = kAsd;
  float dStart = 0.0f;        // minimum stem diameter, ft
  float diaLim = 0.0f;        // maximum stem diameter, ft
  float ratio = 0.0f;         // bell diameter / stem diameter; 0 = straight shaft
  float bellAngle = 0.0f;     // degrees from the vertical
  float topLength = 0.0f;     // TOPLENG: top zone without side friction, ft
  float bottomLength = 0.0f;  // BS: bottom zone without side friction, ft
  float ecInput = 0.0f;       // shaft modulus as read: psi, or kPa for SI input
  float ecTsf = 0.0f;
  int layersRead = 0;  // N as given on line 5
  float waterTableDepth = 0.0f;
  float designValue = 0.0f;
  float designLoad = 0.0f;     // tons; design control 1
  float proposedDepth = 0.0f;  // ft; design control 2, else 0
  float fsSide = 0.0f;
  float fsBase = 0.0f;
};

struct InputData {
  RunSettings settings;
  // Entry 0 is the surface entry (bottom depth 0); the file's layers are
  // entries 1 to entryCount - 1, top layer first.
  std::array<Layer, kMaxLayerEntries> layers{};
  int entryCount = 1;
};

}  // namespace bormek
