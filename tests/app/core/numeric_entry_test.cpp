// The rules of a numeric entry field: the check when an entry is left
// (evaluation, whole numbers, limits with the value clamped to the limit),
// the canonical text of a value, and the label with its unit.
#include <gtest/gtest.h>

#include <string>

#include "core/numeric_entry.h"

namespace {

struct EntryCase {
  const char* what;
  std::string typed;
  bool integerOnly;
  Extended minimum;
  Extended maximum;
  bool hex;
  EntryFault fault;
  Extended value;
  std::string text;
  std::string message;
};

TEST(NumericEntry, TheExitCheckAcceptsRefusesAndClampsAsTyped) {
  const EntryCase cases[] = {
      {"an expression is shown as its value", "3*(2+1)", false, kNoLowerLimit, kNoUpperLimit, false,
       EntryFault::kNone, 9, "9", ""},
      {"below the minimum takes the minimum", "1", false, 2, 30, false, EntryFault::kBelowMinimum,
       2, "2", "Entry must be greater than or equal to 2"},
      {"above the maximum takes the maximum", "31.5", false, 2, 30, false,
       EntryFault::kAboveMaximum, 30, "30", "Entry must be less than or equal to 30"},
      {"the limits themselves are accepted", "30", false, 2, 30, false, EntryFault::kNone, 30, "30",
       ""},
      {"a fraction in an integer field", "2.5", true, kSmallestIntegerEntry, kLargestIntegerEntry,
       false, EntryFault::kNotInteger, 0, "", "Entry must be an integer."},
      {"text in an integer field", "x", true, kSmallestIntegerEntry, kLargestIntegerEntry, false,
       EntryFault::kEvaluation, 0, "", "Entry must be a valid integer."},
      {"text in a real field gives the evaluator's message", "x", false, kNoLowerLimit,
       kNoUpperLimit, false, EntryFault::kEvaluation, 0, "",
       "Entry could not be evaluated:\rinvalid character(s) in expression"},
      {"a blank entry", "", false, kNoLowerLimit, kNoUpperLimit, false, EntryFault::kEvaluation, 0,
       "", "Entry could not be evaluated:\rentry cannot be blank"},
      {"a division by zero is refused with its own message", "1/0", false, kNoLowerLimit,
       kNoUpperLimit, false, EntryFault::kEvaluation, 0, "", "Floating point division by zero"},
      {"a hexadecimal field shows its limit in hexadecimal", "300", false, 0, 255, true,
       EntryFault::kAboveMaximum, 255, "$00FF", "Entry must be less than or equal to $00FF"},
      {"an integer written as a real is whole", "4.0", true, kSmallestIntegerEntry,
       kLargestIntegerEntry, false, EntryFault::kNone, 4, "4", ""},
  };
  for (const EntryCase& c : cases) {
    const EntryCheck check = CheckEntry(c.typed, c.integerOnly, c.minimum, c.maximum, c.hex);
    EXPECT_EQ(check.fault, c.fault) << c.what;
    EXPECT_EQ(check.value, c.value) << c.what;
    EXPECT_EQ(check.text, c.text) << c.what;
    EXPECT_EQ(check.message, c.message) << c.what;
  }
}

TEST(NumericEntry, ValuesAreWrittenWithEighteenDigitsOrInHexadecimal) {
  EXPECT_EQ(FormatEntryValue(255, true), "$00FF");
  EXPECT_EQ(FormatEntryValue(65535.4L, true), "$FFFF");
  EXPECT_EQ(FormatEntryValue(74565, true), "$12345");
  // The evaluator reads "$FFFFFFFF" as -1.
  EXPECT_EQ(FormatEntryValue(-1, true), "$FFFFFFFF");
  EXPECT_EQ(FormatEntryValue(2.5L, false), "2.5");
  // 1/3 to 18 significant digits.
  EXPECT_EQ(FormatEntryValue(1.0L / 3.0L, false), "0.333333333333333333");
}

TEST(NumericEntry, TheLabelShowsTheCaptionWithTheUnitOfTheSystem) {
  EXPECT_EQ(EntryLabelText("Depth", "L2", 2), "Depth (m)");
  EXPECT_EQ(EntryLabelText("Depth", "L2", 1), "Depth (ft)");
  EXPECT_EQ(EntryLabelText("Enter the &design load", "F2", 1), "Enter the &design load (tons)");
  EXPECT_EQ(EntryLabelText("Modulus", "F/L\u00B2", 2), "Modulus (kN/m\u00B2)");
  // System 3 shows the code unchanged.
  EXPECT_EQ(EntryLabelText("Stress", "F/L\u00B2", 3), "Stress (F/L\u00B2)");
  EXPECT_EQ(EntryLabelText("Ratio", "", 1), "Ratio");
  EXPECT_EQ(LabelUnitSystem(0), 1);
  EXPECT_EQ(LabelUnitSystem(5), 3);
  EXPECT_EQ(LabelUnitSystem(2), 2);
}

TEST(NumericEntry, IntegerLimitsAreClampedIntoTheThirtyTwoBitRange) {
  EXPECT_EQ(IntegerEntryLimit(kNoUpperLimit), 2147483647.0L);
  EXPECT_EQ(IntegerEntryLimit(kNoLowerLimit), -2147483648.0L);
  EXPECT_EQ(IntegerEntryLimit(30), 30.0L);
}

}  // namespace
