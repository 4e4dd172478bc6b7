#include "core/expression_evaluator.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

using UnaryFunction = Extended (*)(Extended);

constexpr std::string_view kMessageHead = "Entry could not be evaluated:\r";
constexpr std::string_view kBlankEntry = "entry cannot be blank";
constexpr std::string_view kUnmatchedParentheses = "() (parentheses) do not match";
constexpr std::string_view kInvalidExpression = "invalid expression";
constexpr std::string_view kFactorialOfFraction = "! (factoral) applicable to integers only";
constexpr std::string_view kInvalidHex = "invalid use of $ (hex function)";
constexpr std::string_view kInvalidCharacters = "invalid character(s) in expression";

constexpr const char* kFloatDivisionByZero = "Floating point division by zero";
constexpr const char* kInvalidOperation = "Invalid floating point operation";
constexpr const char* kOverflow = "Floating point overflow";
constexpr const char* kIntegerDivisionByZero = "Division by zero";

// Every intermediate result is written back as text with this many digits.
constexpr int kIntermediateDigits = 18;

// Stands in for each "-" that is a subtraction, so that a "-" left in the
// text always belongs to its operand as a sign.
constexpr char kSubtraction = '\x9b';

// Binary operators by precedence, highest first; each level is reduced
// left to right.
constexpr std::array<std::string_view, 4> kPrecedenceLevels = {"^", "*/%&", "+\x9b|", "="};
constexpr std::string_view kOperators = "^*/%&+=|\x9b";

// A "-" right after one of these is a sign; the list holds "-" and the
// subtraction marker for a "-" right after another one.
constexpr std::string_view kSignContext = "%&*+/=E^e|-\x9b";

constexpr std::string_view kBlanks = " \t";
constexpr char kOpenParenthesis = '(';
constexpr char kCloseParenthesis = ')';
constexpr char kFactorialMark = '!';
constexpr char kHexMark = '$';
constexpr std::string_view kDoubleMinus = "--";

[[noreturn]] void failEntry(std::string_view reason) {
  throw EAssignError(std::string(kMessageHead) + std::string(reason));
}

// A result that the text form can carry: NaN and infinity are faults, and
// a result below the normal range becomes 0 (the text of such a value
// would not read back).
Extended checked(Extended value) {
  if (std::isnan(value)) {
    throw EMathError(kInvalidOperation);
  }
  if (std::isinf(value)) {
    throw EMathError(kOverflow);
  }
  if (std::fabs(value) < LDBL_MIN) {
    return 0;
  }
  return value;
}

Extended divide(Extended dividend, Extended divisor) {
  if (divisor == 0) {
    throw EMathError(dividend == 0 ? kInvalidOperation : kFloatDivisionByZero);
  }
  return checked(dividend / divisor);
}

Extended reciprocal(Extended value) {
  return divide(1, value);
}

// A function at one of its poles (ln 0, arctanh 1) divides by zero.
Extended unlessPole(bool atPole, Extended value) {
  if (atPole) {
    throw EMathError(kFloatDivisionByZero);
  }
  return checked(value);
}

Extended roundHalfEven(Extended value) {
  Extended rounded = std::round(value);
  if (std::fabs(value - std::trunc(value)) == 0.5L && std::fmod(rounded, 2) != 0) {
    rounded -= std::copysign(1.0L, value);
  }
  return rounded;
}

// ceil and floor give 32-bit integers; a result outside that range is an
// invalid operation, as an out-of-range integer conversion is.
Extended asInteger32(Extended value) {
  if (value < INT32_MIN || value > INT32_MAX) {
    throw EMathError(kInvalidOperation);
  }
  return value;
}

struct FunctionEntry {
  std::string_view name;
  UnaryFunction apply;
};

// Tried in this order on the leading characters of an operand: a longer
// name comes before a name it begins with ("cosec" before "cos").
constexpr std::array<FunctionEntry, 25> kFunctions = {{
    {"arctanh", [](Extended x) { return unlessPole(std::fabs(x) == 1, std::atanh(x)); }},
    {"arctan", [](Extended x) { return checked(std::atan(x)); }},
    {"cotan", [](Extended x) { return reciprocal(std::tan(x)); }},
    {"tanh", [](Extended x) { return checked(std::tanh(x)); }},
    {"tan", [](Extended x) { return checked(std::tan(x)); }},
    {"arccosh", [](Extended x) { return checked(std::acosh(x)); }},
    {"arccos", [](Extended x) { return checked(std::acos(x)); }},
    {"cosh", [](Extended x) { return checked(std::cosh(x)); }},
    {"cosec", [](Extended x) { return reciprocal(std::sin(x)); }},
    {"cos", [](Extended x) { return checked(std::cos(x)); }},
    {"sec", [](Extended x) { return reciprocal(std::cos(x)); }},
    {"arcsinh", [](Extended x) { return checked(std::asinh(x)); }},
    {"arcsin", [](Extended x) { return checked(std::asin(x)); }},
    {"sinh", [](Extended x) { return checked(std::sinh(x)); }},
    {"sin", [](Extended x) { return checked(std::sin(x)); }},
    {"csc", [](Extended x) { return reciprocal(std::sin(x)); }},
    {"abs", [](Extended x) { return std::fabs(x); }},
    {"frac", [](Extended x) { return x - std::trunc(x); }},
    {"int", [](Extended x) { return std::trunc(x); }},
    {"ln", [](Extended x) { return unlessPole(x == 0, std::log(x)); }},
    {"round", roundHalfEven},
    {"ceil", [](Extended x) { return asInteger32(std::ceil(x)); }},
    {"floor", [](Extended x) { return asInteger32(std::floor(x)); }},
    {"log", [](Extended x) { return unlessPole(x == 0, std::log10(x)); }},
    {"sqrt", [](Extended x) { return checked(std::sqrt(x)); }},
}};

// Names that count as a function before a sign, besides kFunctions.
constexpr std::array<std::string_view, 2> kMarkNames = {"!", "$"};
constexpr std::size_t kLongestFunctionName = [] {
  std::size_t longest = 0;
  for (const FunctionEntry& function : kFunctions) {
    longest = std::max(longest, function.name.size());
  }
  return longest;
}();

struct Constant {
  std::string_view name;
  Extended value;
};

constexpr std::array<Constant, 4> kConstants = {{
    {"pi", std::numbers::pi_v<Extended>},
    {"-pi", -std::numbers::pi_v<Extended>},
    {"e", std::numbers::e_v<Extended>},
    {"-e", -std::numbers::e_v<Extended>},
}};

// ASCII only, so that no locale takes part.
char lowerCase(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerCase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    c = lowerCase(c);
  }
  return lower;
}

bool isFunctionName(std::string_view text) {
  if (text.size() > kLongestFunctionName) {
    return false;
  }
  const std::string lower = lowerCase(text);
  for (const FunctionEntry& function : kFunctions) {
    if (lower == function.name) {
      return true;
    }
  }
  for (std::string_view mark : kMarkNames) {
    if (lower == mark) {
      return true;
    }
  }
  return false;
}

std::string withoutDoubleMinus(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (text.compare(pos, kDoubleMinus.size(), kDoubleMinus) == 0) {
      pos += kDoubleMinus.size();
    } else {
      result += text[pos++];
    }
  }
  return result;
}

// n! for an integral n: the product of the integers up to |n|, negative
// for a negative n. The product overflows Extended past 1754!, so the
// loop ends after at most that many steps whatever the size of n, with
// the same overflow fault as any other result too large for Extended.
Extended factorial(Extended n) {
  if (n != std::trunc(n)) {
    failEntry(kFactorialOfFraction);
  }
  const Extended magnitude = std::fabs(n);
  Extended product = 1;
  for (Extended k = 2; k <= magnitude; k += 1) {
    product = checked(product * k);
  }
  return n < 0 ? -product : product;
}

// "$" and up to eight hexadecimal digits (leading zeros aside): a 32-bit
// integer, so "$FFFFFFFF" is -1.
Extended hexValue(std::string_view digits) {
  std::uint32_t bits = 0;
  const char* end = digits.data() + digits.size();
  const auto read = std::from_chars(digits.data(), end, bits, 16);
  if (digits.empty() || read.ec != std::errc() || read.ptr != end) {
    failEntry(kInvalidHex);
  }
  return static_cast<std::int32_t>(bits);
}

const Constant* findConstant(std::string_view text) {
  for (const Constant& constant : kConstants) {
    if (text == constant.name) {
      return &constant;
    }
  }
  return nullptr;
}

const FunctionEntry* leadingFunction(std::string_view text) {
  for (const FunctionEntry& function : kFunctions) {
    if (text.starts_with(function.name)) {
      return &function;
    }
  }
  return nullptr;
}

// Truncates an operand of "%" to a 64-bit integer; beyond that range the
// conversion is an invalid operation.
std::int64_t truncatedInteger(Extended value) {
  constexpr Extended kTwoToThe63 = 9223372036854775808.0L;
  const Extended whole = std::trunc(value);
  if (!(whole >= -kTwoToThe63 && whole < kTwoToThe63)) {
    throw EMathError(kInvalidOperation);
  }
  return static_cast<std::int64_t>(whole);
}

std::string remainderText(Extended dividend, Extended divisor) {
  const std::int64_t left = truncatedInteger(dividend);
  const std::int64_t right = truncatedInteger(divisor);
  if (right == 0) {
    throw EMathError(kIntegerDivisionByZero);
  }
  // The one quotient that overflows (INT64_MIN / -1) leaves remainder 0.
  const std::int64_t remainder = right == -1 ? 0 : left % right;
  std::array<char, 24> digits{};
  const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), remainder);
  return std::string(digits.data(), written.ptr);
}

Extended power(Extended base, Extended exponent) {
  if (base == 0 && exponent < 0) {
    throw EMathError(kFloatDivisionByZero);
  }
  return checked(std::pow(base, exponent));
}

Extended truth(bool condition) {
  return condition ? 1 : 0;
}

// One reduction: both operands evaluated, left first, and the result
// written as text.
std::string reduce(char op, const std::string& leftText, const std::string& rightText) {
  const Extended left = EvaluateOperand(leftText);
  const Extended right = EvaluateOperand(rightText);
  Extended result = 0;
  switch (op) {
    case '^':
      result = power(left, right);
      break;
    case '*':
      result = checked(left * right);
      break;
    case '/':
      result = divide(left, right);
      break;
    case '%':
      return remainderText(left, right);
    case '&':
      result = truth(left != 0 && right != 0);
      break;
    case '+':
      result = checked(left + right);
      break;
    case kSubtraction:
      result = checked(left - right);
      break;
    case '|':
      result = truth(left != 0 || right != 0);
      break;
    default:  // '='
      result = truth(left == right);
      break;
  }
  return FormatGeneral(result, kIntermediateDigits);
}

// Marks each "-" that is a subtraction, left to right.
void markSubtractions(std::string& text) {
  for (std::size_t pos = 1; pos < text.size(); ++pos) {
    if (text[pos] != '-') {
      continue;
    }
    const bool isSign = kSignContext.find(text[pos - 1]) != std::string_view::npos ||
                        isFunctionName(std::string_view(text).substr(0, pos));
    if (!isSign) {
      text[pos] = kSubtraction;
    }
  }
}

// A text without parentheses: split into operands and operators and
// reduced level by level. An operand stands before each operator; the
// last operand is taken only when text follows the last operator, so
// "5+" and "+" are invalid expressions while "+5" has an empty first
// operand.
Extended evaluateFlat(std::string text) {
  markSubtractions(text);
  std::vector<std::string> operands;
  std::vector<char> operators;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t next = text.find_first_of(kOperators, pos);
    if (next == std::string::npos) {
      operands.push_back(text.substr(pos));
      break;
    }
    operands.push_back(text.substr(pos, next - pos));
    operators.push_back(text[next]);
    pos = next + 1;
  }
  if (operands.size() != operators.size() + 1) {
    failEntry(kInvalidExpression);
  }

  // Each level in one pass, so a long entry costs time in proportion to
  // its length.
  for (std::string_view level : kPrecedenceLevels) {
    std::vector<std::string> keptOperands = {std::move(operands.front())};
    std::vector<char> keptOperators;
    for (std::size_t k = 0; k < operators.size(); ++k) {
      if (level.find(operators[k]) != std::string_view::npos) {
        keptOperands.back() = reduce(operators[k], keptOperands.back(), operands[k + 1]);
      } else {
        keptOperators.push_back(operators[k]);
        keptOperands.push_back(std::move(operands[k + 1]));
      }
    }
    operands = std::move(keptOperands);
    operators = std::move(keptOperators);
  }
  return EvaluateOperand(operands.front());
}

// Replaces each innermost parenthesised part, the first ")" first, by the
// text of its value. One pass with a stack of the open "(" positions: the
// inner parts hold no parentheses, so the nesting depth never reaches the
// call stack. A "(" left open stays in the text.
std::string withoutParentheses(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  std::vector<std::size_t> openPositions;
  for (char c : text) {
    if (c == kOpenParenthesis) {
      openPositions.push_back(result.size());
      result += c;
    } else if (c == kCloseParenthesis) {
      if (openPositions.empty()) {
        failEntry(kUnmatchedParentheses);
      }
      const std::size_t open = openPositions.back();
      openPositions.pop_back();
      const Extended value = Evaluate(result.substr(open + 1));
      result.erase(open);
      result += FormatGeneral(value, kIntermediateDigits);
    } else {
      result += c;
    }
  }
  return result;
}

}  // namespace

Extended Evaluate(const std::string& text) {
  if (text.empty()) {
    failEntry(kBlankEntry);
  }
  std::string compact;
  compact.reserve(text.size());
  for (char c : text) {
    if (kBlanks.find(c) == std::string_view::npos) {
      compact += c;
    }
  }
  return evaluateFlat(withoutParentheses(compact));
}

// Function prefixes and "!" marks are peeled off in a loop and applied
// afterwards, innermost first: the same order as evaluating the argument
// of each recursively, without the call stack growing with their number.
Extended EvaluateOperand(const std::string& text) {
  const std::string lower = lowerCase(withoutDoubleMinus(text));
  std::string_view rest = lower;
  std::vector<UnaryFunction> pending;
  Extended value = 0;
  while (true) {
    if (const Constant* constant = findConstant(rest)) {
      value = constant->value;
      break;
    }
    if (const FunctionEntry* function = leadingFunction(rest)) {
      pending.push_back(function->apply);
      rest.remove_prefix(function->name.size());
      continue;
    }
    if (!rest.empty() && rest.back() == kFactorialMark) {
      pending.push_back(factorial);
      rest.remove_suffix(1);
      continue;
    }
    if (!rest.empty() && rest.front() == kHexMark) {
      value = hexValue(rest.substr(1));
      break;
    }
    if (!ParseNumber(std::string(rest), value)) {
      failEntry(kInvalidCharacters);
    }
    break;
  }
  for (auto step = pending.rbegin(); step != pending.rend(); ++step) {
    value = (*step)(value);
  }
  return value;
}

bool IsFunctionName(const std::string& text) {
  return isFunctionName(text);
}
