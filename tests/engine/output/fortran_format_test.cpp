#include "output/fortran_format.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/test_folder.h"

namespace bormek::fmt {
namespace {

// Expected fields worked out from the edit-descriptor rules: right-aligned,
// rounding to nearest on the exact binary value with ties to even, the
// optional leading zero dropped when the field is one column short, and
// asterisks when the value does not fit.
struct RealCase {
  char descriptor;
  float value;
  int w;
  int d;
  const char* expected;
};

const RealCase kRealCases[] = {
    {'F', 0.0f, 5, 2, " 0.00"},
    {'F', 2.5f, 5, 2, " 2.50"},
    {'F', -2.5f, 5, 2, "-2.50"},
    {'F', 0.125f, 5, 2, " 0.12"},  // exact tie, to even
    {'F', 0.375f, 5, 2, " 0.38"},  // exact tie, to even
    {'F', 0.125f, 3, 2, ".12"},    // no room for the leading zero
    {'F', -0.001f, 5, 2, "-0.00"},
    {'F', -0.001f, 3, 2, "***"},
    {'F', 0.05f, 4, 1, " 0.1"},  // 0.05f lies just above 0.05
    {'F', 60.0f, 10, 1, "      60.0"},
    {'F', 3.0f, 5, 0, "   3."},
    {'F', 99999.95f, 5, 2, "*****"},
    {'F', 1e10f, 10, 1, "**********"},
    {'E', 2.5f, 10, 3, " 0.250E+01"},
    {'E', 0.0f, 10, 3, " 0.000E+00"},
    {'E', -2.5f, 10, 3, "-0.250E+01"},
    {'E', -2.5f, 9, 3, "-.250E+01"},
    {'E', -2.5f, 8, 3, "********"},
    {'E', 0.125f, 8, 3, ".125E+00"},
    {'E', 1e-30f, 10, 3, " 0.100E-29"},
    {'E', 3.4e38f, 10, 3, " 0.340E+39"},
    {'E', 1e10f, 10, 3, " 0.100E+11"},
    {'E', 9.9995f, 10, 3, " 0.100E+02"},  // rounds up into the next decade
    {'E', 0.9995f, 10, 3, " 0.999E+00"},  // 0.9995f lies just below the tie
    {'E', 0.5f, 9, 2, " 0.50E+00"},
};

TEST(FortranFormat, RealFieldsFollowTheEditDescriptorRules) {
  for (const RealCase& c : kRealCases) {
    const std::string actual = c.descriptor == 'F' ? F(c.value, c.w, c.d) : E(c.value, c.w, c.d);
    EXPECT_EQ(actual, c.expected) << c.descriptor << c.w << "." << c.d << " of " << c.value;
  }
}

TEST(FortranFormat, IntegerFieldsAreRightAlignedOrAsterisks) {
  EXPECT_EQ(I(0, 5), "    0");
  EXPECT_EQ(I(-123, 4), "-123");
  EXPECT_EQ(I(-123, 3), "***");
  EXPECT_EQ(I(123456, 5), "*****");
}

TEST(FortranFormat, TextFieldsAreCutOrPaddedAndRecordsChainFields) {
  EXPECT_EQ(A("ABC", 5), "ABC  ");
  EXPECT_EQ(A("ABCDEF", 3), "ABC");
  EXPECT_EQ(Record().X(5).A("N =").I(3, 5).Slash().A("X").F(1.5f, 6, 2).str(),
            "     N =    3\nX  1.50");
}

// Values and descriptors compared with gfortran's own formatted output.
const float kCompareValues[] = {
    0.0f,     -0.0f,     2.5f,     -2.5f,   0.125f,    0.375f,    0.0005f,     0.0015f,
    0.0025f,  -0.001f,   1e-30f,   3.4e38f, 99999.95f, 9.9995f,   0.9995f,     1e10f,
    123.456f, -123.456f, 0.05f,    60.0f,   1e-5f,     4232.0f,   12345678.0f, 0.1f,
    -0.1f,    7.5e-3f,   -7.5e-3f, 1.0f,    -1.0f,     333.3333f, 0.045f,      999.95f};

struct Descriptor {
  char kind;
  int w;
  int d;
};
const Descriptor kCompareDescriptors[] = {{'F', 5, 2}, {'F', 3, 2}, {'F', 10, 1}, {'F', 6, 3},
                                          {'F', 5, 0}, {'F', 4, 1}, {'E', 10, 3}, {'E', 9, 3},
                                          {'E', 8, 3}, {'E', 9, 2}, {'E', 12, 5}};
const long long kCompareIntegers[] = {0, -1, 12345, -12345, 123456, 2147483647, -2147483647};

std::string descriptorText(const Descriptor& d) {
  return std::string(1, d.kind) + std::to_string(d.w) + "." + std::to_string(d.d);
}

// A Fortran program that prints every value with every descriptor, one
// field per line; the values are passed by their bit patterns.
std::string comparisonProgram() {
  std::string source = "program cmp\n  implicit none\n  real :: v\n  integer :: i\n";
  for (const float value : kCompareValues) {
    const auto bits = std::bit_cast<std::int32_t>(value);
    // The most negative integer has no literal of its own in Fortran.
    const std::string literal = bits == INT32_MIN ? "(-2147483647-1)" : std::to_string(bits);
    source += "  v = transfer(int(" + literal + ", 4), v)\n";
    for (const Descriptor& d : kCompareDescriptors) {
      source += "  write(*,'(" + descriptorText(d) + ")') v\n";
    }
  }
  for (const long long value : kCompareIntegers) {
    source += "  i = " + std::to_string(value) + "\n";
    source += "  write(*,'(I5)') i\n  write(*,'(I11)') i\n";
  }
  return source + "end program cmp\n";
}

std::vector<std::string> ourLines() {
  std::vector<std::string> lines;
  for (const float value : kCompareValues) {
    for (const Descriptor& d : kCompareDescriptors) {
      lines.push_back(d.kind == 'F' ? F(value, d.w, d.d) : E(value, d.w, d.d));
    }
  }
  for (const long long value : kCompareIntegers) {
    lines.push_back(I(value, 5));
    lines.push_back(I(value, 11));
  }
  return lines;
}

TEST(FortranFormat, MatchesGfortranForATableOfValues) {
  const std::string compiler = BORMEK_GFORTRAN;
  if (compiler.empty()) {
    GTEST_SKIP() << "gfortran is not installed";
  }
  testing::TestFolder folder;
  folder.write("cmp.f90", comparisonProgram());
  const std::string build = compiler + " -o " + folder.file("cmp") + " " + folder.file("cmp.f90");
  ASSERT_EQ(std::system(build.c_str()), 0) << build;
  const std::string run = folder.file("cmp") + " > " + folder.file("cmp.txt");
  ASSERT_EQ(std::system(run.c_str()), 0);

  const std::vector<std::string> expected = testing::readLines(folder.file("cmp.txt"));
  const std::vector<std::string> actual = ourLines();
  ASSERT_EQ(expected.size(), actual.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(actual[k], expected[k]) << "line " << k + 1;
  }
}

}  // namespace
}  // namespace bormek::fmt
