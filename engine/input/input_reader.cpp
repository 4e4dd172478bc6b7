#include "input/input_reader.h"

#include <span>
#include <string>

#include "input/general_echo.h"
#include "input/input_limits.h"

namespace bormek {
namespace {

// Where one value of a layer line goes.
enum class Slot { kEnds, kLrfdSide, kLrfdTip, kInterfaceCondition };

struct Field {
  Slot slot;
  EndValues Layer::*member;
  const char* name;
};

constexpr Field ends(EndValues Layer::*member, const char* name) {
  return {Slot::kEnds, member, name};
}
constexpr Field kLrfdSideField{Slot::kLrfdSide, nullptr, "LRFD SIDE RESISTANCE FACTOR"};
constexpr Field kLrfdTipField{Slot::kLrfdTip, nullptr, "LRFD TIP RESISTANCE FACTOR"};

// Sand, clay and shale lines share their value positions; a sand line
// carries 0.0 where a clay line has Nc and cohesion, and the other way round.
constexpr Field kSandLine[] = {
    ends(&Layer::nc, "FIRST VALUE (0.0 FOR SAND)"),
    ends(&Layer::unitWeight, "UNIT WEIGHT"),
    ends(&Layer::frictionAngle, "FRICTION ANGLE"),
    ends(&Layer::cohesion, "FOURTH VALUE (0.0 FOR SAND)"),
    ends(&Layer::blowCount, "BLOW COUNT"),
    ends(&Layer::maxSide, "MAXIMUM SIDE FRICTION"),
    ends(&Layer::maxBase, "MAXIMUM END BEARING"),
    kLrfdSideField,
    kLrfdTipField,
};

constexpr Field kClayLine[] = {
    ends(&Layer::nc, "BEARING CAPACITY COEFFICIENT NC"),
    ends(&Layer::unitWeight, "UNIT WEIGHT"),
    ends(&Layer::frictionAngle, "THIRD VALUE (0.0 FOR CLAY)"),
    ends(&Layer::cohesion, "COHESION"),
    ends(&Layer::blowCount, "BLOW COUNT"),
    ends(&Layer::maxSide, "MAXIMUM SIDE FRICTION"),
    ends(&Layer::maxBase, "MAXIMUM END BEARING"),
    kLrfdSideField,
    kLrfdTipField,
};

constexpr Field kStrongRockLine[] = {
    ends(&Layer::rockStrength, "ROCK COMPRESSIVE STRENGTH"),
    ends(&Layer::concreteStrength, "CONCRETE COMPRESSIVE STRENGTH"),
    ends(&Layer::discontinuitySpacing, "DISCONTINUITY SPACING"),
    ends(&Layer::discontinuityThickness, "DISCONTINUITY THICKNESS"),
    ends(&Layer::socketDiameter, "SOCKET DIAMETER"),
    ends(&Layer::maxSide, "MAXIMUM SIDE FRICTION"),
    ends(&Layer::modulus, "ELASTIC MODULUS OF ROCK"),
    ends(&Layer::rqd, "RQD"),
    ends(&Layer::maxBase, "MAXIMUM END BEARING"),
    kLrfdSideField,
    kLrfdTipField,
};

constexpr Field kDecomposedRockLine[] = {
    ends(&Layer::unitWeight, "UNIT WEIGHT"),
    ends(&Layer::blowCount, "BLOW COUNT"),
    ends(&Layer::poissonRatio, "POISSON'S RATIO"),
    ends(&Layer::modulus, "YOUNG'S MODULUS"),
    ends(&Layer::socketDiameter, "SOCKET DIAMETER"),
    ends(&Layer::maxSide, "MAXIMUM SIDE FRICTION"),
    ends(&Layer::maxBase, "MAXIMUM END BEARING"),
    kLrfdSideField,
    kLrfdTipField,
};

constexpr Field kWeakRockLine[] = {
    ends(&Layer::rockStrength, "ROCK COMPRESSIVE STRENGTH"),
    {Slot::kInterfaceCondition, nullptr, "INTERFACE CONDITION"},
    ends(&Layer::slump, "CONCRETE SLUMP"),
    ends(&Layer::interfaceFriction, "INTERFACE FRICTION ANGLE"),
    ends(&Layer::socketDiameter, "SOCKET DIAMETER"),
    ends(&Layer::maxSide, "MAXIMUM SIDE FRICTION"),
    ends(&Layer::modulus, "ELASTIC MODULUS OF ROCK CORE"),
    ends(&Layer::rqd, "RQD"),
    ends(&Layer::maxBase, "MAXIMUM END BEARING"),
    kLrfdSideField,
    kLrfdTipField,
};

constexpr Field kGravelLine[] = {
    ends(&Layer::unitWeight, "UNIT WEIGHT"),
    ends(&Layer::blowCount, "BLOW COUNT"),
    ends(&Layer::coefficient, "SIDE FRICTION COEFFICIENT BETA"),
    ends(&Layer::maxSide, "MAXIMUM SIDE FRICTION"),
    ends(&Layer::maxBase, "MAXIMUM END BEARING"),
    kLrfdSideField,
    kLrfdTipField,
};

std::span<const Field> lineFieldsOf(int type) {
  switch (type) {
    case kSand:
      return kSandLine;
    case kClay:
    case kClayShale:
      return kClayLine;
    case kStrongRockEither:
    case kStrongRockBoth:
      return kStrongRockLine;
    case kDecomposedRock:
      return kDecomposedRockLine;
    case kWeakRock:
      return kWeakRockLine;
    default:
      return kGravelLine;
  }
}

std::string layerItem(const char* name, bool top, int layerNo) {
  return std::string(name) + (top ? " AT THE TOP" : " AT THE BOTTOM") + " OF LAYER " +
         std::to_string(layerNo);
}

// One line of a layer record: the values at the top or at the bottom.
void readLayerLine(ListReader& reader, Layer& layer, int layerNo, bool top) {
  reader.beginRecord();
  for (const Field& field : lineFieldsOf(layer.type)) {
    const std::string item = layerItem(field.name, top, layerNo);
    if (field.slot == Slot::kInterfaceCondition) {
      (top ? layer.interfaceConditionTop : layer.interfaceConditionBottom) =
          reader.readInteger(item);
      continue;
    }
    const float value = reader.readReal(item);
    switch (field.slot) {
      case Slot::kEnds:
        ((layer.*field.member).*(top ? &EndValues::top : &EndValues::bottom)) = value;
        break;
      case Slot::kLrfdSide:
        layer.lrfdSide = value;  // the bottom line's value is the one kept
        break;
      case Slot::kLrfdTip:
        layer.lrfdTip = value;
        break;
      case Slot::kInterfaceCondition:
        break;
    }
  }
}

void readCoefficientLines(ListReader& reader, Layer& layer, int layerNo) {
  if (layer.type == kSand) {
    reader.beginRecord();
    layer.coefficientOption =
        reader.readReal("SAND COEFFICIENT OPTION OF LAYER " + std::to_string(layerNo));
  }
  reader.beginRecord();
  layer.coefficient.top = reader.readReal(layerItem("SIDE COEFFICIENT", true, layerNo));
  layer.coefficient.bottom = reader.readReal(layerItem("SIDE COEFFICIENT", false, layerNo));
}

bool isKnownSoilType(float code) {
  for (int type = kSand; type <= kGravel; ++type) {
    if (code == static_cast<float>(type)) {
      return true;
    }
  }
  return false;
}

std::string withFound(const std::string& rule, float value) {
  return rule + " (FOUND " + foundText(value) + ")";
}

// Bottoms lie within the depths the tip arrays hold, each at or below the
// one above it.
void checkBottomDepth(const ListReader& reader, int line, int layerNo, float bottom, float above,
                      bool si) {
  const std::string layer = " OF LAYER " + std::to_string(layerNo);
  if (!(bottom >= 0.0f && bottom <= kMaxDepth.in(si))) {
    throw InputError(reader.path(), line, 2,
                     withFound("THE BOTTOM DEPTH" + layer + " MUST LIE BETWEEN 0 AND " +
                                   limitText(kMaxDepth, si),
                               bottom));
  }
  if (bottom < above) {
    throw InputError(reader.path(), line, 2,
                     withFound("THE BOTTOM DEPTH" + layer + " MUST NOT LIE ABOVE THE BOTTOM OF " +
                                   "LAYER " + std::to_string(layerNo - 1) + ", " + foundText(above),
                               bottom));
  }
}

// The application writes only codes 1 to 9; any other code would make the
// following layer lines be read as the next layers, so it stops the run.
void readLayer(ListReader& reader, Layer& layer, int layerNo, float topDepth, bool si) {
  reader.beginRecord();
  const std::string head = " OF LAYER " + std::to_string(layerNo);
  layer.typeCode = reader.readReal("SOIL TYPE" + head);
  const int headLine = reader.recordLine();
  layer.bottomDepth = reader.readReal("BOTTOM DEPTH" + head);
  if (!isKnownSoilType(layer.typeCode)) {
    throw InputError(reader.path(), headLine, 1,
                     "THE SOIL TYPE" + head + " MUST BE ONE OF THE CODES 1 TO 9");
  }
  checkBottomDepth(reader, headLine, layerNo, layer.bottomDepth, topDepth, si);
  layer.type = static_cast<int>(layer.typeCode);
  layer.topDepth = topDepth;
  readLayerLine(reader, layer, layerNo, true);
  readLayerLine(reader, layer, layerNo, false);
  if (layer.type == kSand || layer.type == kClay || layer.type == kClayShale) {
    readCoefficientLines(reader, layer, layerNo);
  }
}

void readControlLines(ListReader& reader, RunSettings& s) {
  reader.beginRecord();
  s.unitSystem = reader.readInteger("UNIT SYSTEM");
  s.si = s.unitSystem == 2;

  reader.beginRecord();
  s.designControl = reader.readInteger("DESIGN CONTROL");
  const int controlLine = reader.recordLine();
  s.loadingType = reader.readInteger("LOADING TYPE");
  s.upliftReduction = reader.readReal("UPLIFT REDUCTION FACTOR");
  s.outputIncrement = reader.readReal("OUTPUT INCREMENT");
  s.sandEndBearingOption = reader.readInteger("END-BEARING-IN-SAND OPTION");
  s.designMethod = reader.readInteger("DESIGN METHOD");
  if (s.designControl != kDesignLoadGiven && s.designControl != kShaftLengthGiven) {
    throw InputError(reader.path(), controlLine, 1,
                     "THE DESIGN CONTROL MUST BE 1 (DESIGN LOAD) OR 2 (SHAFT LENGTH)");
  }
  // The result table of a given shaft length is stepped by the increment.
  if (s.designControl == kShaftLengthGiven && !(s.outputIncrement > 0.0f)) {
    throw InputError(reader.path(), controlLine, 4,
                     "THE OUTPUT INCREMENT MUST BE GREATER THAN ZERO");
  }
  if (s.designControl == kShaftLengthGiven && s.outputIncrement < kMinOutputIncrement.in(s.si)) {
    throw InputError(
        reader.path(), controlLine, 4,
        withFound("THE OUTPUT INCREMENT MUST BE AT LEAST " + limitText(kMinOutputIncrement, s.si),
                  s.outputIncrement));
  }
}

// A zone without side friction: from 0 up to, not at, the deepest depth.
void checkZone(const ListReader& reader, int line, int item, const char* name, float value,
               bool si) {
  if (!(value >= 0.0f && value < kMaxDepth.in(si))) {
    throw InputError(reader.path(), line, item,
                     withFound(std::string("THE ") + name + " MUST BE AT LEAST 0 AND LESS THAN " +
                                   limitText(kMaxDepth, si),
                               value));
  }
}

void readShaftLine(ListReader& reader, RunSettings& s) {
  reader.beginRecord();
  const int line = reader.recordLine();
  s.dStart = reader.readReal("MINIMUM SHAFT DIAMETER");
  s.diaLim = reader.readReal("MAXIMUM SHAFT DIAMETER");
  s.ratio = reader.readReal("BELL DIAMETER RATIO");
  s.bellAngle = reader.readReal("BELL ANGLE");
  s.topLength = reader.readReal("UPPER ZONE WITHOUT SIDE FRICTION");
  s.bottomLength = reader.readReal("BOTTOM ZONE WITHOUT SIDE FRICTION");
  s.ecInput = reader.readReal("ELASTIC MODULUS OF THE SHAFT");
  // The geometry and the load-settlement analysis divide by both.
  if (!(s.dStart > 0.0f)) {
    throw InputError(reader.path(), line, 1,
                     "THE MINIMUM SHAFT DIAMETER MUST BE GREATER THAN ZERO");
  }
  const float maxDiameter = kMaxStemDiameter.in(s.si);
  const std::string maxDiameterText = limitText(kMaxStemDiameter, s.si);
  if (s.dStart > maxDiameter) {
    throw InputError(
        reader.path(), line, 1,
        withFound("THE MINIMUM SHAFT DIAMETER MUST NOT EXCEED " + maxDiameterText, s.dStart));
  }
  if (s.diaLim > maxDiameter) {
    throw InputError(
        reader.path(), line, 2,
        withFound("THE MAXIMUM SHAFT DIAMETER MUST NOT EXCEED " + maxDiameterText, s.diaLim));
  }
  if (!(s.ratio >= 0.0f && s.ratio <= kMaxBellRatio)) {
    throw InputError(
        reader.path(), line, 3,
        withFound("THE BELL DIAMETER RATIO MUST LIE BETWEEN 0 AND " + foundText(kMaxBellRatio),
                  s.ratio));
  }
  // The bell height divides by the tangent of the bell angle; a bell
  // steeper than 1 degree would reach below any profile the arrays hold.
  const bool belled = static_cast<int>(s.ratio) != 0 && s.ratio != 1.0f;
  if (belled && !(s.bellAngle >= kMinBellAngleDeg && s.bellAngle < kMaxBellAngleDeg)) {
    throw InputError(reader.path(), line, 4,
                     withFound("THE BELL ANGLE MUST BE AT LEAST 1 AND LESS THAN 90 DEGREES FOR A "
                               "BELLED SHAFT",
                               s.bellAngle));
  }
  checkZone(reader, line, 5, "UPPER ZONE WITHOUT SIDE FRICTION", s.topLength, s.si);
  checkZone(reader, line, 6, "BOTTOM ZONE WITHOUT SIDE FRICTION", s.bottomLength, s.si);
  if (!(s.ecInput > 0.0f)) {
    throw InputError(reader.path(), line, 7,
                     "THE ELASTIC MODULUS OF THE SHAFT MUST BE GREATER THAN ZERO");
  }
}

void readLayerCountLine(ListReader& reader, RunSettings& s) {
  reader.beginRecord();
  const int line = reader.recordLine();
  s.layersRead = reader.readInteger("NUMBER OF LAYERS");
  s.waterTableDepth = reader.readReal("WATER TABLE DEPTH");
  s.designValue = reader.readReal("DESIGN LOAD OR SHAFT LENGTH");
  s.fsSide = reader.readReal("FACTOR OF SAFETY FOR SIDE FRICTION");
  s.fsBase = reader.readReal("FACTOR OF SAFETY FOR BASE CAPACITY");
  // The allowable loads divide by the factors of safety.
  if (!(s.fsSide > 0.0f)) {
    throw InputError(reader.path(), line, 4,
                     "THE FACTOR OF SAFETY FOR SIDE FRICTION MUST BE GREATER THAN ZERO");
  }
  if (!(s.fsBase > 0.0f)) {
    throw InputError(reader.path(), line, 5,
                     "THE FACTOR OF SAFETY FOR BASE CAPACITY MUST BE GREATER THAN ZERO");
  }
  if (s.layersRead < 1 || s.layersRead > kMaxFileLayers) {
    throw InputError(reader.path(), line, 1,
                     "THE NUMBER OF LAYERS MUST BE 1 TO " + std::to_string(kMaxFileLayers) +
                         " (FOUND " + std::to_string(s.layersRead) + ")");
  }
  if (s.designControl == kShaftLengthGiven) {
    if (!(s.designValue >= 0.0f && s.designValue <= kMaxDepth.in(s.si))) {
      throw InputError(
          reader.path(), line, 3,
          withFound("THE SHAFT LENGTH MUST LIE BETWEEN 0 AND " + limitText(kMaxDepth, s.si),
                    s.designValue));
    }
    s.proposedDepth = s.designValue;
  } else {
    s.designLoad = s.designValue;
  }
}

std::string titleOf(const std::string& line) {
  std::string title = line.substr(0, kTitleLength);
  title.resize(kTitleLength, ' ');
  return title;
}

}  // namespace

InputData readInput(ListReader& reader, RunOutput& out) {
  InputData data;
  RunSettings& s = data.settings;
  s.title = titleOf(reader.readLine("PROJECT TITLE"));
  out.report("     " + s.title);

  readControlLines(reader, s);
  readShaftLine(reader, s);
  readLayerCountLine(reader, s);
  echoGeneralData(s, out);

  data.entryCount = s.layersRead + 1;
  for (int k = 1; k < data.entryCount; ++k) {
    readLayer(reader, data.layers[k], k, data.layers[k - 1].bottomDepth, s.si);
  }
  warnIfProposedDepthBelowProfile(data, out);
  return data;
}

}  // namespace bormek
