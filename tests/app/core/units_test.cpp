// Unit codes: the factors between English and SI values, the labels shown
// for a code, and the same results under a comma-decimal locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <locale>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/units.h"
#include "support/comma_locale.h"

namespace {

using bormek::testing::CommaDecimalLocale;

// English units in one SI unit, as the slots give them.
constexpr Extended kPoundsPerKilonewton = 224.8089237L;
constexpr Extended kKipsPerKilonewton = 0.2248089237L;
constexpr Extended kInchesPerMetre = 39.37007874L;
constexpr Extended kFeetPerMetre = 3.280839895L;

// A factor built from the slot factors in another order of operations may
// differ in the last bits only: 1e-18 relative.
constexpr Extended kRoundingTolerance = 1e-18L;

enum class UnitCheck { kConversion, kLabel, kAxisLabel };

struct UnitCase {
  const char* name;
  UnitCheck check;
  std::string code;
  int system;  // the label's system, or the system converted from
  int toSystem;
  Extended given;
  Extended expected;
  Extended relativeTolerance;
  std::string label;
};

UnitCase converts(const char* name, const char* code, int fromSystem, int toSystem, Extended given,
                  Extended expected, Extended relativeTolerance = 0) {
  return {name,     UnitCheck::kConversion, code, fromSystem, toSystem, given,
          expected, relativeTolerance,      ""};
}

UnitCase labels(const char* name, const char* code, int system, const char* label) {
  return {name, UnitCheck::kLabel, code, system, 0, 0, 0, 0, label};
}

UnitCase axisLabels(const char* name, const char* code, int system, const char* label) {
  return {name, UnitCheck::kAxisLabel, code, system, 0, 0, 0, 0, label};
}

void PrintTo(const UnitCase& c, std::ostream* out) {
  *out << '"' << c.code << '"';
}

// Worked by hand: 10 / 3.280839895 = 3.048000000012, so 3.048 m within
// 1e-11 (the factor has ten significant digits); 2000 / (224.8089237 /
// 3.280839895^2) = 95.76052622348 and 224.8089237 / 3.280839895^3 =
// 6.365879805002, written to 13 digits: 1e-12 relative.
const std::vector<UnitCase> kUnitCases = {
    converts("EnglishToSiTurnsTenFeetIntoMetres", "L2", kEnglishUnits, kSiUnits, 10, 3.048L,
             1e-11L),
    converts("SiToEnglishTurnsOneMetreIntoFeet", "L2", kSiUnits, kEnglishUnits, 1, kFeetPerMetre),
    converts("EnglishToSiTurnsTwoThousandPsfIntoKilopascals", "F/L2^2", kEnglishUnits, kSiUnits,
             2000, 95.76052622348L, 1e-12L),
    converts("SiToEnglishTurnsOneKilonewtonPerCubicMetreIntoPcf", "F/L2^3", kSiUnits, kEnglishUnits,
             1, 6.365879805002L, 1e-12L),
    converts("SameSystemKeepsEnglishValues", "F/L2^2", kEnglishUnits, kEnglishUnits, 2000, 2000),
    converts("SameSystemKeepsSiValues", "F1", kSiUnits, kSiUnits, 5, 5),
    converts("CodeSystemIsNeverConvertedFrom", "L2", kCodeUnits, kSiUnits, 7, 7),
    converts("CodeSystemIsNeverConvertedTo", "L2", kEnglishUnits, kCodeUnits, 7, 7),
    converts("EmptyCodeHasRatioOne", "", kEnglishUnits, kSiUnits, 1, 1),
    converts("CodeWithoutForceOrLengthHasRatioOne", "deg", kEnglishUnits, kSiUnits, 1, 1),
    converts("BareForceIsPounds", "F", kSiUnits, kEnglishUnits, 1, kPoundsPerKilonewton),
    converts("ForceZeroIsPounds", "F0", kSiUnits, kEnglishUnits, 1, kPoundsPerKilonewton),
    converts("BareLengthIsInchesPerMetre", "L", kSiUnits, kEnglishUnits, 1, kInchesPerMetre),
    converts("ForceTimesLengthTakesBothTerms", "F1-L2", kSiUnits, kEnglishUnits, 1,
             kKipsPerKilonewton* kFeetPerMetre, kRoundingTolerance),
    converts("ForceExponentSquaresTheForce", "F^2-L", kSiUnits, kEnglishUnits, 1,
             kPoundsPerKilonewton* kPoundsPerKilonewton* kInchesPerMetre, kRoundingTolerance),
    converts("DenominatorDividesTheRatio", "F/L2^2", kSiUnits, kEnglishUnits, 1,
             kPoundsPerKilonewton / (kFeetPerMetre * kFeetPerMetre), kRoundingTolerance),
    converts("ForcePowerMarkWithoutDigitCountsOnce", "F^", kSiUnits, kEnglishUnits, 1,
             kPoundsPerKilonewton),
    converts("LengthPowerMarkWithoutDigitCountsOnce", "L2^", kSiUnits, kEnglishUnits, 1,
             kFeetPerMetre),
    converts("LengthExponentThatIsNotADigitCountsOnce", "L2^x", kSiUnits, kEnglishUnits, 1,
             kFeetPerMetre),
    labels("EnglishLabelOfUnitWeightIsPoundsPerCubicFoot", "F/L2^3", kEnglishUnits, "lbs/ft^3"),
    labels("EnglishLabelOfStressIsPoundsPerSquareFoot", "F/L2^2", kEnglishUnits, "lbs/ft^2"),
    labels("SiLabelOfStressIsKilonewtonsPerSquareMetre", "F/L2^2", kSiUnits, "kN/m^2"),
    labels("SiLabelOfBareLengthIsMetres", "L", kSiUnits, "m"),
    labels("SiLabelOfLengthOneIsMillimetres", "L1", kSiUnits, "mm"),
    labels("LabelReplacesEveryCodeLongestFirst", "F2 and F", kEnglishUnits, "tons and lbs"),
    labels("EnglishLabelsOfTheOtherSlots", "F1 F4 F5 F6 L3", kEnglishUnits,
           "kips lb-sec2/in sec slug rad"),
    labels("SiLabelsOfTheOtherSlots", "F1 F4 F5 F6 L3", kSiUnits, "kN Mg sec Mg rad"),
    labels("CodeSystemShowsTheCode", "F/L2^2", kCodeUnits, "F/L2^2"),
    axisLabels("AxisLabelReplacesOnlyTheFirstForceCodeFound", "F2 and F", kEnglishUnits,
               "tons and F"),
    axisLabels("AxisLabelReplacesOneForceAndOneLengthCode", "F1/L1", kSiUnits, "kN/mm"),
    axisLabels("AxisLabelOfBareCodesInEnglish", "F-L", kEnglishUnits, "lbs-in"),
    axisLabels("AxisLabelPrefersLengthTwo", "L2 L", kSiUnits, "m L"),
    axisLabels("AxisLabelInCodeSystemShowsTheCode", "L2", kCodeUnits, "L2"),
};

void checkUnits(const UnitCase& c) {
  switch (c.check) {
    case UnitCheck::kConversion: {
      const Extended converted = c.given * UnitFactor(c.system, c.toSystem, c.code);
      if (c.relativeTolerance == 0) {
        EXPECT_EQ(converted, c.expected);
      } else {
        EXPECT_LE(std::fabs(converted - c.expected), c.relativeTolerance * std::fabs(c.expected))
            << FormatGeneral(converted, 21);
      }
      break;
    }
    case UnitCheck::kLabel:
      EXPECT_EQ(UnitLabel(c.code, c.system), c.label);
      break;
    case UnitCheck::kAxisLabel:
      EXPECT_EQ(AxisUnitLabel(c.code, c.system), c.label);
      break;
  }
}

class Units : public testing::TestWithParam<UnitCase> {};

TEST_P(Units, MatchesTheWorkedCase) {
  checkUnits(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, Units, testing::ValuesIn(kUnitCases),
                         [](const testing::TestParamInfo<UnitCase>& testCase) {
                           return std::string(testCase.param.name);
                         });

TEST(Units, FactorBetweenASystemAndItselfIsExactlyOneForEveryCode) {
  const char* codes[] = {"F",  "F0", "F1", "F2",     "L",      "L0", "L1",  "L2",   "F4",
                         "F5", "F6", "L3", "F/L2^2", "F/L2^3", "",   "deg", "F-L2", "F^2/L^4"};
  for (const char* code : codes) {
    for (int system : {kEnglishUnits, kSiUnits, kCodeUnits}) {
      EXPECT_EQ(UnitFactor(system, system, code), 1) << code << " in system " << system;
    }
  }
}

TEST(Units, ConversionsThereAndBackCancel) {
  // Each direction is the exact reciprocal of the other, up to one rounding.
  for (const char* code : {"L2", "F/L2^2", "F2", "F6", "F^2-L1^3"}) {
    const Extended roundTrip =
        UnitFactor(kEnglishUnits, kSiUnits, code) * UnitFactor(kSiUnits, kEnglishUnits, code);
    EXPECT_LE(std::fabs(roundTrip - 1), kRoundingTolerance) << code;
  }
}

TEST(Units, CommaDecimalLocaleGivesTheSameResults) {
  const CommaDecimalLocale locale;
  if (!locale.active()) {
    GTEST_SKIP() << "no comma-decimal locale on this machine";
  }
  for (const UnitCase& c : kUnitCases) {
    SCOPED_TRACE(c.name);
    checkUnits(c);
  }
  EXPECT_EQ(FormatGeneral(UnitFactor(kSiUnits, kEnglishUnits, "L2"), 18), "3.280839895");
  EXPECT_EQ(FormatGeneral(0.5L, 18), "0.5");
}

}  // namespace
