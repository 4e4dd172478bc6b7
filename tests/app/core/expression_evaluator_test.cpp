// The evaluator of typed numbers and the text form of numbers it rests on:
// known answers worked by hand, the exact failure messages, entries large
// enough to threaten the stack or the clock, and a comma-decimal locale.
#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <cmath>
#include <locale>
#include <numbers>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/expression_evaluator.h"
#include "core/number_text.h"
#include "support/comma_locale.h"

namespace {

using bormek::testing::CommaDecimalLocale;

// ---------------------------------------------------------------------------
// Text form of numbers

enum class NumberCheck { kFormat, kParse, kReject };

struct NumberTextCase {
  const char* name;
  NumberCheck check;
  Extended value;
  int digits;
  std::string text;
};

NumberTextCase formats(const char* name, Extended value, int digits, const char* text) {
  return {name, NumberCheck::kFormat, value, digits, text};
}

NumberTextCase parses(const char* name, const char* text, Extended value) {
  return {name, NumberCheck::kParse, value, 0, text};
}

NumberTextCase rejects(const char* name, const char* text) {
  return {name, NumberCheck::kReject, 0, 0, text};
}

void PrintTo(const NumberTextCase& c, std::ostream* out) {
  *out << '"' << c.text << '"';
}

const std::vector<NumberTextCase> kNumberTextCases = {
    formats("HalfKeepsItsLeadingZero", 0.5L, 18, "0.5"),
    formats("WholeNumberHasNoPoint", 2, 18, "2"),
    formats("TrailingZerosOfAWholeNumberStay", 120, 18, "120"),
    formats("EightDigitsRoundTheLastOneUp", 1234.5678912L, 8, "1234.5679"),
    formats("OneMillionthIsScientific", 1e-6L, 18, "1E-6"),
    formats("LargeNumberIsScientificWithoutPlusSign", 1.5e20L, 18, "1.5E20"),
    formats("NegativeQuarterKeepsItsSign", -0.25L, 18, "-0.25"),
    formats("ZeroIsZero", 0, 18, "0"),
    formats("NegativeZeroIsZero", -0.0L, 18, "0"),
    formats("OneTenThousandthIsStillFixed", 1e-4L, 18, "0.0001"),
    formats("OneHundredThousandthIsScientific", 1e-5L, 18, "1E-5"),
    formats("ExponentBelowTheDigitCountIsFixed", 12345678, 8, "12345678"),
    formats("ExponentAtTheDigitCountIsScientific", 123456789, 8, "1.2345679E8"),
    formats("RoundingUpCanReachTheNextPowerOfTen", 99999999.7L, 8, "1E8"),
    formats("NegativeExponentHasAMinusAndNoLeadingZeros", -2.5e-12L, 18, "-2.5E-12"),
    formats("OneThirdHasEighteenThrees", 1.0L / 3, 18, "0.333333333333333333"),
    formats("DigitCountBelowOneMeansOneDigit", 2.7L, 0, "3"),
    parses("PlainInteger", "12", 12),
    parses("NegativeFraction", "-1.5", -1.5L),
    parses("PointFirst", ".5", 0.5L),
    parses("PointLast", "5.", 5),
    parses("PlusSignIsAllowed", "+2", 2),
    parses("UpperCaseExponent", "1E-6", 1e-6L),
    parses("SignedLowerCaseExponent", "2.5e+3", 2500),
    parses("NegativePointFirstWithExponent", "-.5e1", -5),
    rejects("EmptyTextIsNotANumber", ""),
    rejects("PointAloneIsNotANumber", "."),
    rejects("SignAloneIsNotANumber", "-"),
    rejects("ExponentWithoutDigitsIsNotANumber", "1e"),
    rejects("DoubleSignIsNotANumber", "--1"),
    rejects("CommaIsNotADecimalSeparator", "1,5"),
    rejects("InfinityIsNotANumber", "inf"),
    rejects("NanIsNotANumber", "nan"),
    rejects("HexIsNotANumber", "0x1F"),
    rejects("BlanksAreNotPartOfANumber", " 1"),
    rejects("TrailingTextIsNotANumber", "1.5x"),
    rejects("TooLargeIsOutOfRange", "1e5000"),
    rejects("TooSmallIsOutOfRange", "1e-5000"),
};

void checkNumberText(const NumberTextCase& c) {
  switch (c.check) {
    case NumberCheck::kFormat:
      EXPECT_EQ(FormatGeneral(c.value, c.digits), c.text);
      break;
    case NumberCheck::kParse: {
      Extended value = -1;
      ASSERT_TRUE(ParseNumber(c.text, value));
      EXPECT_EQ(value, c.value);
      break;
    }
    case NumberCheck::kReject: {
      Extended value = -1;
      EXPECT_FALSE(ParseNumber(c.text, value));
      EXPECT_EQ(value, -1) << "a rejected text leaves the value alone";
      break;
    }
  }
}

class NumberText : public testing::TestWithParam<NumberTextCase> {};

TEST_P(NumberText, MatchesTheWorkedCase) {
  checkNumberText(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, NumberText, testing::ValuesIn(kNumberTextCases),
                         [](const testing::TestParamInfo<NumberTextCase>& testCase) {
                           return std::string(testCase.param.name);
                         });

TEST(NumberText, EighteenDigitsOfTwoPiAndE) {
  EXPECT_EQ(FormatGeneral(2 * std::numbers::pi_v<Extended>, 18), "6.28318530717958648");
  EXPECT_EQ(FormatGeneral(std::numbers::e_v<Extended>, 18), "2.71828182845904524");
}

// ---------------------------------------------------------------------------
// Evaluator

const std::string kBlankMessage = "Entry could not be evaluated:\rentry cannot be blank";
const std::string kParenthesesMessage =
    "Entry could not be evaluated:\r() (parentheses) do not match";
const std::string kExpressionMessage = "Entry could not be evaluated:\rinvalid expression";
const std::string kFactorialMessage =
    "Entry could not be evaluated:\r! (factoral) applicable to integers only";
const std::string kHexMessage = "Entry could not be evaluated:\rinvalid use of $ (hex function)";
const std::string kCharacterMessage =
    "Entry could not be evaluated:\rinvalid character(s) in expression";

enum class Outcome { kValue, kText, kEntryError, kMathError };

struct EvaluatorCase {
  const char* name;
  std::string entry;
  Outcome outcome;
  Extended value;
  Extended tolerance;
  std::string expected;  // the result's 18-digit text, or the message
};

EvaluatorCase gives(const char* name, const char* entry, Extended value, Extended tolerance = 0) {
  return {name, entry, Outcome::kValue, value, tolerance, ""};
}

EvaluatorCase reads(const char* name, const char* entry, const char* text) {
  return {name, entry, Outcome::kText, 0, 0, text};
}

EvaluatorCase refuses(const char* name, const char* entry, const std::string& message) {
  return {name, entry, Outcome::kEntryError, 0, 0, message};
}

EvaluatorCase faults(const char* name, const char* entry, const char* message) {
  return {name, entry, Outcome::kMathError, 0, 0, message};
}

void PrintTo(const EvaluatorCase& c, std::ostream* out) {
  *out << '"' << c.entry << '"';
}

// sin 0.5 = 0.479425538604203000273 and 1/sin 0.5 = 2.085829642933488186
// (worked to 40 digits). The library sine is good to about one unit in the
// last place: 5e-20 near 0.48, 2e-19 near 2.1.
constexpr Extended kSineOfHalf = 0.479425538604203000273L;
constexpr Extended kCosecantOfHalf = 2.085829642933488186L;

const std::vector<EvaluatorCase> kEvaluatorCases = {
    gives("MultiplicationBindsTighterThanAddition", "2+3*4", 14),
    gives("ParenthesesAreEvaluatedFirst", "(2+3)*4", 20),
    gives("PowersAreTakenLeftToRight", "2^3^2", 64),
    gives("LeadingMinusBelongsToTheBase", "-3^2", 9),
    gives("MinusAfterPowerSignIsANegativeExponent", "2^-1", 0.5L),
    gives("RemainderOfTenByThreeIsOne", "10%3", 1),
    gives("RemainderTruncatesItsOperands", "7.9%2", 1),
    gives("RemainderTakesTheSignOfTheDividend", "-7%2", -1),
    gives("EqualValuesCompareAsOne", "2=2", 1),
    gives("OrOfOneAndZeroIsOne", "1|0", 1),
    gives("AndWithZeroIsZero", "0&5", 0),
    gives("AndOfTwoNonZeroValuesIsOne", "2&3", 1),
    gives("ComparisonComesAfterAddition", "1+1=2", 1),
    gives("FactorialOfFiveIsOneHundredTwenty", "5!", 120),
    gives("FactorialOfZeroIsOne", "0!", 1),
    gives("FactorialOfANegativeIntegerIsNegative", "-3!", -6),
    refuses("FactorialOfAFractionFails", "2.5!", kFactorialMessage),
    gives("FunctionTakesAParenthesisedArgument", "sqrt(16)+1", 5),
    gives("FunctionNamesIgnoreCase", "SIN(0)", 0),
    reads("TwoPiHasEighteenDigits", "2*pi", "6.28318530717958648"),
    reads("EHasEighteenDigits", "e", "2.71828182845904524"),
    reads("MinusPiIsAConstant", "-pi", "-3.14159265358979324"),
    gives("DollarReadsHexadecimal", "$1F", 31),
    gives("HexadecimalIsA32BitInteger", "$FFFFFFFF", -1),
    refuses("HexWithANonHexDigitFails", "$G", kHexMessage),
    refuses("DollarAloneFails", "$", kHexMessage),
    refuses("EmptyEntryIsBlank", "", kBlankMessage),
    refuses("EmptyParenthesesAreBlank", "()", kBlankMessage),
    refuses("EntryOfBlanksIsAnInvalidExpression", "  ", kExpressionMessage),
    refuses("LoneOperatorIsAnInvalidExpression", "+", kExpressionMessage),
    refuses("TrailingOperatorIsAnInvalidExpression", "5+", kExpressionMessage),
    refuses("LeadingPlusLeavesAnEmptyOperand", "+5", kCharacterMessage),
    refuses("UnclosedParenthesisIsAnInvalidCharacter", "((1)", kCharacterMessage),
    refuses("UnopenedParenthesisDoesNotMatch", "1)", kParenthesesMessage),
    refuses("MinusAfterAnInnerFunctionNameIsASubtraction", "2*sin-0.5", kCharacterMessage),
    gives("MinusAfterALeadingFunctionNameIsASign", "sin-0.5", -kSineOfHalf, 1e-19L),
    reads("OneThirdTimesThreeKeepsEighteenNines", "1/3*3", "0.999999999999999999"),
    gives("SubtractingANegativeNumberAdds", "5--3", 8),
    gives("MinusAfterExponentMarkStaysInTheNumber", "1e-3", 0.001L),
    gives("BlanksAndTabsAreIgnored", " 2 *\t(3 - 1) ", 4),
    gives("PointIsTheDecimalSeparator", "1.5*2", 3),
    refuses("CommaInANumberIsAnInvalidCharacter", "1,5*2", kCharacterMessage),
    gives("CosecIsOneOverSine", "cosec(0.5)", kCosecantOfHalf, 1e-18L),
    gives("RoundTakesAHalfDownToAnEvenNumber", "round2.5", 2),
    gives("RoundTakesAHalfUpToAnEvenNumber", "round3.5", 4),
    gives("RoundTakesANegativeHalfToAnEvenNumber", "round(-2.5)", -2),
    gives("CeilRoundsUp", "ceil1.2", 2),
    gives("FloorRoundsDown", "floor(-1.2)", -2),
    gives("FracKeepsTheSign", "frac(-2.5)", -0.5L),
    gives("IntTruncatesTowardZero", "int(-2.7)", -2),
    faults("DivisionByZeroIsAMathFault", "1/0", "Floating point division by zero"),
    faults("ZeroOverZeroIsAnInvalidOperation", "0/0", "Invalid floating point operation"),
    faults("RemainderByZeroIsAnIntegerDivisionByZero", "1%0", "Division by zero"),
    faults("LogarithmOfZeroDividesByZero", "ln0", "Floating point division by zero"),
    faults("LogarithmOfANegativeNumberIsInvalid", "log(-1)", "Invalid floating point operation"),
    faults("SquareRootOfANegativeNumberIsInvalid", "sqrt(-4)", "Invalid floating point operation"),
    faults("ProductBeyondExtendedOverflows", "1e4000*1e4000", "Floating point overflow"),
    faults("FloorBeyond32BitsIsInvalid", "floor(1e10)", "Invalid floating point operation"),
    faults("FactorialOfAMillionOverflows", "1000000!", "Floating point overflow"),
};

void checkEvaluation(const EvaluatorCase& c) {
  switch (c.outcome) {
    case Outcome::kValue: {
      const Extended value = Evaluate(c.entry);
      if (c.tolerance == 0) {
        EXPECT_EQ(value, c.value);
      } else {
        EXPECT_LE(std::fabs(value - c.value), c.tolerance) << FormatGeneral(value, 21);
      }
      break;
    }
    case Outcome::kText:
      EXPECT_EQ(FormatGeneral(Evaluate(c.entry), 18), c.expected);
      break;
    case Outcome::kEntryError:
      try {
        Evaluate(c.entry);
        ADD_FAILURE() << "no EAssignError";
      } catch (const EAssignError& error) {
        EXPECT_EQ(error.what(), c.expected);
      }
      break;
    case Outcome::kMathError:
      try {
        Evaluate(c.entry);
        ADD_FAILURE() << "no EMathError";
      } catch (const EMathError& error) {
        EXPECT_EQ(error.what(), c.expected);
      }
      break;
  }
}

class Evaluator : public testing::TestWithParam<EvaluatorCase> {};

TEST_P(Evaluator, MatchesTheWorkedCase) {
  checkEvaluation(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Cases, Evaluator, testing::ValuesIn(kEvaluatorCases),
                         [](const testing::TestParamInfo<EvaluatorCase>& testCase) {
                           return std::string(testCase.param.name);
                         });

TEST(Evaluator, FunctionNamesAreKnownWhateverTheirCase) {
  const char* names[] = {
      "arctanh", "arctan", "cotan", "tanh", "tan",   "arccosh", "arccos", "cosh", "cos",    "sec",
      "arcsinh", "arcsin", "sinh",  "sin",  "cosec", "csc",     "abs",    "frac", "int",    "ln",
      "round",   "ceil",   "floor", "log",  "sqrt",  "!",       "$",      "SQRT", "ArcTanh"};
  for (const char* name : names) {
    EXPECT_TRUE(IsFunctionName(name)) << name;
  }
  const char* others[] = {"", "si", "sin0", "pi", "e", "exp", "sinh2", "-sin"};
  for (const char* other : others) {
    EXPECT_FALSE(IsFunctionName(other)) << other;
  }
}

TEST(Evaluator, TenThousandNestedParenthesesDoNotCrash) {
  const std::string entry = std::string(10000, '(') + "1" + std::string(10000, ')');
  EXPECT_EQ(Evaluate(entry), 1);
}

TEST(Evaluator, AHundredThousandCharacterSumDoesNotCrash) {
  std::string entry = "1";
  for (int k = 0; k < 50000; ++k) {
    entry += "+1";
  }
  ASSERT_EQ(entry.size(), 100001u);
  EXPECT_EQ(Evaluate(entry), 50001);
}

TEST(Evaluator, ThousandsOfFunctionPrefixesDoNotCrash) {
  std::string entry;
  for (int k = 0; k < 20000; ++k) {
    entry += "int";
  }
  EXPECT_EQ(Evaluate(entry + "2.5"), 2);
}

TEST(Evaluator, FactorialOfAHugeIntegerOverflowsAtOnce) {
  // Counting up to 1e18 would take centuries; overflow comes after 1754
  // steps. One second leaves room for sanitizer builds.
  const auto start = std::chrono::steady_clock::now();
  EXPECT_THROW(Evaluate("1e18!"), EMathError);
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_LT(elapsed.count(), 1.0);
}

TEST(Evaluator, CommaDecimalLocaleGivesTheSameResults) {
  const CommaDecimalLocale locale;
  if (!locale.active()) {
    GTEST_SKIP() << "no comma-decimal locale on this machine";
  }
  for (const NumberTextCase& c : kNumberTextCases) {
    SCOPED_TRACE(c.name);
    checkNumberText(c);
  }
  for (const EvaluatorCase& c : kEvaluatorCases) {
    SCOPED_TRACE(c.name);
    checkEvaluation(c);
  }
}

}  // namespace
