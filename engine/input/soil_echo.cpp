#include "input/soil_echo.h"

#include <span>
#include <string>
#include <vector>

#include "input/si_conversion.h"
#include "input/unit_constants.h"
#include "output/fortran_format.h"

namespace bormek {
namespace {

using fmt::Record;

// How a value read in SI was converted, so it can be shown back in SI.
enum class Shown { kAsHeld, kLength, kUnitWeight, kStress };

struct EchoLine {
  const char* english;
  const char* si;
  EndValues Layer::*member;  // nullptr: the layer's top or bottom depth
  Shown shown;
};

constexpr int kSoilLabelWidth = 50;
constexpr int kRockLabelWidth = 51;

constexpr EchoLine kDepthLine{"DEPTH, FT", "DEPTH, M", nullptr, Shown::kLength};
constexpr EchoLine kBlowCountLine{"BLOWS PER FOOT FROM STANDARD PENETRATION TEST",
                                  "BLOWS PER FOOT FROM STANDARD PENETRATION TEST",
                                  &Layer::blowCount, Shown::kAsHeld};
constexpr EchoLine kUnitWeightLine{"SOIL UNIT WEIGHT, LB/CU FT", "SOIL UNIT WEIGHT, KN/CU M",
                                   &Layer::unitWeight, Shown::kUnitWeight};
constexpr EchoLine kMaxSideLine{"MAXIMUM LOAD TRANSFER FOR SOIL, LB/SQ FT",
                                "MAXIMUM LOAD TRANSFER FOR SOIL, KN/SQ M", &Layer::maxSide,
                                Shown::kStress};
constexpr EchoLine kRockStrengthLine{"UNIAXIAL COMPRESSION STRENGTH OF ROCK,LB/SQ FT",
                                     "UNIAXIAL COMPRESSION STRENGTH OF ROCK,KN/SQ M",
                                     &Layer::rockStrength, Shown::kAsHeld};
constexpr EchoLine kRockModulusLine{"ELASTIC MODULUS FOR THE INTACT ROCK, LB/SQ IN.",
                                    "ELASTIC MODULUS FOR THE INTACT ROCK, KN/SQ M", &Layer::modulus,
                                    Shown::kAsHeld};
constexpr EchoLine kRqdLine{"ROCK QUALITY DESIGNATION (RQD) %", "ROCK QUALITY DESIGNATION (RQD) %",
                            &Layer::rqd, Shown::kAsHeld};

constexpr EchoLine kSoilRun[] = {
    {"UNDRAINED SHEAR STRENGTH, LB/SQ FT", "UNDRAINED SHEAR STRENGTH, KN/SQ M", &Layer::cohesion,
     Shown::kStress},
    {"INTERNAL FRICTION ANGLE, DEG.", "INTERNAL FRICTION ANGLE, DEG.", &Layer::frictionAngle,
     Shown::kAsHeld},
    kBlowCountLine,
    kUnitWeightLine,
    kMaxSideLine,
    kDepthLine,
};

// Rock values of SI input are still in SI when echoed.
constexpr EchoLine kStrongRockRun[] = {
    {"DIAMETER OF SOCKET, FT", "DIAMETER OF SOCKET,M", &Layer::socketDiameter, Shown::kAsHeld},
    {"SPACING OF DISCONTINUITIES,FT", "SPACING OF DISCONTINUITIES,M", &Layer::discontinuitySpacing,
     Shown::kAsHeld},
    {"THICKNESS OF INDIVIDUAL DISCONTINUITIES,FT", "THICKNESS OF INDIVIDUAL DISCONTINUITIES,M",
     &Layer::discontinuityThickness, Shown::kAsHeld},
    kRockStrengthLine,
    {"UNIAXIAL COMPRESSION STRENGTH OF CONCRETE,LB/SQ FT",
     "UNIAXIAL COMPRESSION STRENGTH OF CONCRETE,KN/SQ M", &Layer::concreteStrength, Shown::kAsHeld},
    kRockModulusLine,
    kRqdLine,
    kDepthLine,
};

constexpr EchoLine kDecomposedRockRun[] = {
    {"ELASTIC MODULUS OF GRAVEL, LB/SQ IN", "ELASTIC MODULUS OF GRAVEL, KN/SQ M", &Layer::modulus,
     Shown::kAsHeld},
    {"POISSION RATIO OF GRAVEL", "POISSION RATIO OF GRAVEL", &Layer::poissonRatio, Shown::kAsHeld},
    kBlowCountLine,
    kUnitWeightLine,
    kMaxSideLine,
    kDepthLine,
};

constexpr EchoLine kWeakRockRun[] = {
    {"DIAMETER OF SOCKET, FT", "DIAMETER OF SOCKET, M", &Layer::socketDiameter, Shown::kAsHeld},
    {"SLUMP OF CONCRETE, IN", "SLUMP OF CONCRETE, M", &Layer::slump, Shown::kAsHeld},
    {"ANGLE OF INTERFACE FRICTION, DEG.", "ANGLE OF INTERFACE FRICTION, DEG.",
     &Layer::interfaceFriction, Shown::kAsHeld},
    kRockStrengthLine,
    kRockModulusLine,
    kRqdLine,
    kDepthLine,
};

constexpr EchoLine kGravelRun[] = {kBlowCountLine, kUnitWeightLine, kMaxSideLine, kDepthLine};

constexpr EchoLine kKLine{"LATERAL EARTH-PRESSURE COEFFICIENT-K",
                          "LATERAL EARTH-PRESSURE COEFFICIENT-K", &Layer::coefficient,
                          Shown::kAsHeld};
constexpr EchoLine kBetaLine{"SKIN FRICTION COEFFICIENT- BETA", "SKIN FRICTION COEFFICIENT- BETA",
                             &Layer::coefficient, Shown::kAsHeld};
constexpr EchoLine kAlphaLines[] = {
    {"STRENGTH REDUCTION FACTOR-ALPHA", "STRENGTH REDUCTION FACTOR-ALPHA", &Layer::coefficient,
     Shown::kAsHeld},
    {"END BEARING COEFFICIENT-Nc", "END BEARING COEFFICIENT-Nc", &Layer::nc, Shown::kAsHeld},
};

std::span<const EchoLine> valueRunOf(int type) {
  switch (type) {
    case kStrongRockEither:
    case kStrongRockBoth:
      return kStrongRockRun;
    case kDecomposedRock:
      return kDecomposedRockRun;
    case kWeakRock:
      return kWeakRockRun;
    case kGravellySand:
    case kGravel:
      return kGravelRun;
    default:
      return kSoilRun;
  }
}

std::vector<EchoLine> coefficientLinesOf(const Layer& layer) {
  switch (layer.type) {
    case kSand: {
      std::vector<EchoLine> lines;
      if (layer.coefficientOption < kSandBetaMethodOption) {
        lines.push_back(kKLine);
      }
      if (layer.coefficientOption > kSandKMethodOption) {
        lines.push_back(kBetaLine);
      }
      return lines;
    }
    case kClay:
    case kClayShale:
      return {std::begin(kAlphaLines), std::end(kAlphaLines)};
    case kGravellySand:
    case kGravel:
      return {kBetaLine};
    default:
      return {};
  }
}

const char* typeLabelOf(int type) {
  static constexpr const char* kLabels[] = {"",
                                            "----SAND",
                                            "----CLAY",
                                            "----CLAY SHALE",
                                            "----STRONG ROCK",
                                            "----DECOMPOSED ROCK",
                                            "----WEAK ROCK",
                                            "----STRONG ROCK",
                                            "----GRAVELLEY SAND",
                                            "----GRAVEL"};
  return kLabels[type];
}

int labelWidthOf(int type) {
  const bool rock = type == kStrongRockEither || type == kWeakRock || type == kStrongRockBoth;
  return rock ? kRockLabelWidth : kSoilLabelWidth;
}

float siDivisorOf(Shown shown) {
  switch (shown) {
    case Shown::kLength:
      return kFeetPerMetre;
    case Shown::kUnitWeight:
      return kPcfPerKnPerCubicMetre;
    case Shown::kStress:
      return kPsfPerKpa;
    case Shown::kAsHeld:
      break;
  }
  return 1.0f;
}

class LayerBlock {
 public:
  LayerBlock(const Layer& layer, bool si)
      : layer_(layer), si_(si), width_(labelWidthOf(layer.type)) {}

  void valueLine(const std::string& label, float value) {
    lines_.push_back(Record().X(7).A(label, width_).A("=").E(value, 10, 3).str());
  }

  void echoLine(const EchoLine& line, bool top) {
    float value = 0.0f;
    if (line.member == nullptr) {
      value = top ? layer_.topDepth : layer_.bottomDepth;
    } else {
      const EndValues& ends = layer_.*line.member;
      value = top ? ends.top : ends.bottom;
    }
    if (si_) {
      value /= siDivisorOf(line.shown);
    }
    valueLine(si_ ? line.si : line.english, value);
  }

  void end(bool top) {
    for (const EchoLine& line : coefficientLinesOf(layer_)) {
      echoLine(line, top);
    }
    for (const EchoLine& line : valueRunOf(layer_.type)) {
      echoLine(line, top);
    }
    blank(2);
  }

  void text(const std::string& line) { lines_.push_back(line); }
  void blank(int count) { lines_.insert(lines_.end(), static_cast<std::size_t>(count), ""); }
  const std::vector<std::string>& lines() const { return lines_; }

 private:
  const Layer& layer_;
  bool si_;
  int width_;
  std::vector<std::string> lines_;
};

std::vector<std::string> layerBlockLines(const Layer& layer, int layerNo, const RunSettings& s) {
  LayerBlock block(layer, s.si);
  const bool soil = layer.type <= kClayShale;
  block.text(Record()
                 .X(soil ? 5 : 4)
                 .A("LAYER NO")
                 .I(layerNo, soil ? 2 : 3)
                 .A(typeLabelOf(layer.type))
                 .str());
  block.blank(1);
  block.text(fmt::X(7) + "AT THE TOP");
  block.blank(1);
  block.end(true);
  block.text(fmt::X(7) + "AT THE BOTTOM");
  block.blank(1);
  block.end(false);
  if (s.designMethod == kLrfd) {
    block.valueLine("LRFD RESISTANCE FACTOR (SIDE FRICTION)", layer.lrfdSide);
    block.valueLine("LRFD RESISTANCE FACTOR (TIP RESISTANCE)", layer.lrfdTip);
    block.blank(2);
  }
  return block.lines();
}

}  // namespace

void writeFactorsOfSafety(const RunSettings& s, RunOutput& out) {
  if (s.designMethod == kLrfd) {
    return;
  }
  const std::string lines[] = {
      "",
      Record()
          .X(5)
          .A("FACTOR OF SAFETY APPLIED TO THE ULTIMATE SIDE ")
          .A("FRICTION CAPACITY =")
          .F(s.fsSide, 5, 2)
          .str(),
      fmt::X(5) + std::string(55, '-'),
      Record()
          .X(5)
          .A("FACTOR OF SAFETY APPLIED TO THE ULTIMATE BASE CAPACITY =")
          .F(s.fsBase, 5, 2)
          .str(),
      fmt::X(5) + std::string(54, '-'),
  };
  for (const std::string& line : lines) {
    out.report(line);
    out.console(line);
  }
}

void writeSoilInformation(InputData& data, RunOutput& out) {
  out.reportBlank(2);
  out.report(fmt::X(5) + "SOIL INFORMATION");
  out.report(fmt::X(5) + std::string(15, '-'));
  out.reportBlank(1);
  for (int k = 1; k < data.entryCount; ++k) {
    Layer& layer = data.layers[static_cast<std::size_t>(k)];
    const std::vector<std::string> block = layerBlockLines(layer, k, data.settings);
    for (const std::string& line : block) {
      out.console(line);
    }
    for (const std::string& line : block) {
      out.report(line);
    }
    if (data.settings.si) {
      convertSiRockValues(layer);
    }
  }
}

}  // namespace bormek
