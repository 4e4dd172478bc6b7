// The echo of the input, checked line by line against layouts built from
// the documented report format. Coefficient values that the engine fills in
// were worked by hand from the default formulas (see each layer's comment).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "support/engine_run.h"

namespace bormek {
namespace {

using Lines = std::vector<std::string>;
using Values = std::vector<std::pair<std::string, std::string>>;

const std::string kBlanks5 = "     ";

std::string padded(std::string text, std::size_t width) {
  text.resize(width, ' ');
  return text;
}

// 7 blanks, the label padded to its block's width, "=", then E10.3 (the
// mantissa given here is right-aligned in 10 columns, so one blank first).
Lines valueLines(const Values& values, std::size_t width) {
  Lines lines;
  for (const auto& [label, mantissa] : values) {
    lines.push_back("       " + padded(label, width) + "= " + mantissa);
  }
  return lines;
}

Lines layerBlock(const std::string& head, std::size_t width, const Values& top,
                 const Values& bottom, const Values& lrfd = {}) {
  Lines block = {head, "", "       AT THE TOP", ""};
  for (const std::string& line : valueLines(top, width)) {
    block.push_back(line);
  }
  block.insert(block.end(), {"", "", "       AT THE BOTTOM", ""});
  for (const std::string& line : valueLines(bottom, width)) {
    block.push_back(line);
  }
  block.insert(block.end(), {"", ""});
  if (!lrfd.empty()) {
    for (const std::string& line : valueLines(lrfd, width)) {
      block.push_back(line);
    }
    block.insert(block.end(), {"", ""});
  }
  return block;
}

Values lrfdValues(const std::string& side, const std::string& tip) {
  return {{"LRFD RESISTANCE FACTOR (SIDE FRICTION)", side},
          {"LRFD RESISTANCE FACTOR (TIP RESISTANCE)", tip}};
}

void append(Lines& lines, const Lines& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

// English labels of the soil value run: c, phi, N, gamma, maxS, depth.
Values soilRunEnglish(const std::string& c, const std::string& phi, const std::string& n,
                      const std::string& gamma, const std::string& maxS, const std::string& depth) {
  return {{"UNDRAINED SHEAR STRENGTH, LB/SQ FT", c},
          {"INTERNAL FRICTION ANGLE, DEG.", phi},
          {"BLOWS PER FOOT FROM STANDARD PENETRATION TEST", n},
          {"SOIL UNIT WEIGHT, LB/CU FT", gamma},
          {"MAXIMUM LOAD TRANSFER FOR SOIL, LB/SQ FT", maxS},
          {"DEPTH, FT", depth}};
}

Values soilRunSi(const std::string& c, const std::string& phi, const std::string& n,
                 const std::string& gamma, const std::string& maxS, const std::string& depth) {
  return {{"UNDRAINED SHEAR STRENGTH, KN/SQ M", c},
          {"INTERNAL FRICTION ANGLE, DEG.", phi},
          {"BLOWS PER FOOT FROM STANDARD PENETRATION TEST", n},
          {"SOIL UNIT WEIGHT, KN/CU M", gamma},
          {"MAXIMUM LOAD TRANSFER FOR SOIL, KN/SQ M", maxS},
          {"DEPTH, M", depth}};
}

Values prefixed(Values first, const Values& rest) {
  first.insert(first.end(), rest.begin(), rest.end());
  return first;
}

Values strongRockEnglish(const std::string& socket, const std::string& spacing,
                         const std::string& thickness, const std::string& rock,
                         const std::string& concrete, const std::string& modulus,
                         const std::string& rqd, const std::string& depth) {
  return {{"DIAMETER OF SOCKET, FT", socket},
          {"SPACING OF DISCONTINUITIES,FT", spacing},
          {"THICKNESS OF INDIVIDUAL DISCONTINUITIES,FT", thickness},
          {"UNIAXIAL COMPRESSION STRENGTH OF ROCK,LB/SQ FT", rock},
          {"UNIAXIAL COMPRESSION STRENGTH OF CONCRETE,LB/SQ FT", concrete},
          {"ELASTIC MODULUS FOR THE INTACT ROCK, LB/SQ IN.", modulus},
          {"ROCK QUALITY DESIGNATION (RQD) %", rqd},
          {"DEPTH, FT", depth}};
}

Values strongRockSi(const std::string& socket, const std::string& spacing,
                    const std::string& thickness, const std::string& rock,
                    const std::string& concrete, const std::string& modulus, const std::string& rqd,
                    const std::string& depth) {
  return {{"DIAMETER OF SOCKET,M", socket},
          {"SPACING OF DISCONTINUITIES,M", spacing},
          {"THICKNESS OF INDIVIDUAL DISCONTINUITIES,M", thickness},
          {"UNIAXIAL COMPRESSION STRENGTH OF ROCK,KN/SQ M", rock},
          {"UNIAXIAL COMPRESSION STRENGTH OF CONCRETE,KN/SQ M", concrete},
          {"ELASTIC MODULUS FOR THE INTACT ROCK, KN/SQ M", modulus},
          {"ROCK QUALITY DESIGNATION (RQD) %", rqd},
          {"DEPTH, M", depth}};
}

// The echo runs up to the first diameter's shaft heading.
void expectEcho(const Lines& report, const Lines& expected) {
  const auto heading = std::find(report.begin(), report.end(), "     DRILLED SHAFT INFORMATION");
  ASSERT_NE(heading, report.end());
  const Lines echo(report.begin(), heading - 2);  // two empty lines precede the heading
  for (std::size_t k = 0; k < std::min(echo.size(), expected.size()); ++k) {
    ASSERT_EQ(echo[k], expected[k]) << "echo line " << k + 1;
  }
  EXPECT_EQ(echo.size(), expected.size());
}

// English, LRFD, uplift, design load; DSTART = 4 ft.
Lines englishLrfdEcho() {
  Lines echo = {
      kBlanks5 + padded("All nine soil types, English units, LRFD, uplift, design load", 72), "",
      "", "     TOTAL LOAD =     100.0 TONS", "     ------------", "", "",
      "     REDUCTION FACTOR APPLIED FOR UPLIFT FRICTION = 0.750",
      "     ----------------------------------------------", "", "", "     NUMBER OF LAYERS =    9",
      "     ------------------", "", "", "     WATER TABLE DEPTH =       8.0 FT.",
      "     -------------------", "", "",
      // LRFD: no factors of safety.
      "", "", "     SOIL INFORMATION", "     ---------------", ""};
  // Clay without alpha or Nc: alpha 0.55 for c/pa = 3000/2116.8 = 1.417;
  // 0.55 - 0.1 (1.9992 - 1.5) = 0.500 for c = 4232 psf. Nc = 6 (1 + 0.2 z / 4):
  // 6.0 at 0 ft, 7.8 at 6 ft.
  append(echo, layerBlock("     LAYER NO 1----CLAY", 50,
                          prefixed({{"STRENGTH REDUCTION FACTOR-ALPHA", "0.550E+00"},
                                    {"END BEARING COEFFICIENT-Nc", "0.600E+01"}},
                                   soilRunEnglish("0.300E+04", "0.000E+00", "0.800E+01",
                                                  "0.120E+03", "0.100E+11", "0.000E+00")),
                          prefixed({{"STRENGTH REDUCTION FACTOR-ALPHA", "0.500E+00"},
                                    {"END BEARING COEFFICIENT-Nc", "0.780E+01"}},
                                   soilRunEnglish("0.423E+04", "0.000E+00", "0.100E+02",
                                                  "0.122E+03", "0.100E+11", "0.600E+01")),
                          lrfdValues("0.450E+00", "0.400E+00")));
  // Sand, beta method, no beta: (1.5 - 0.135 sqrt 6) x 10/15 = 0.780 at the
  // top (N = 10); 1.5 - 0.135 x 5 = 0.825 at 25 ft.
  append(echo, layerBlock("     LAYER NO 2----SAND", 50,
                          prefixed({{"SKIN FRICTION COEFFICIENT- BETA", "0.780E+00"}},
                                   soilRunEnglish("0.000E+00", "0.300E+02", "0.100E+02",
                                                  "0.110E+03", "0.100E+11", "0.600E+01")),
                          prefixed({{"SKIN FRICTION COEFFICIENT- BETA", "0.825E+00"}},
                                   soilRunEnglish("0.000E+00", "0.360E+02", "0.300E+02",
                                                  "0.115E+03", "0.100E+11", "0.250E+02")),
                          lrfdValues("0.550E+00", "0.500E+00")));
  const Values shaleCoefficients = {{"STRENGTH REDUCTION FACTOR-ALPHA", "0.600E+00"},
                                    {"END BEARING COEFFICIENT-Nc", "0.500E+01"}};
  append(
      echo,
      layerBlock("     LAYER NO 3----CLAY SHALE", 50,
                 prefixed(shaleCoefficients, soilRunEnglish("0.600E+04", "0.000E+00", "0.300E+02",
                                                            "0.125E+03", "0.200E+04", "0.250E+02")),
                 prefixed(shaleCoefficients, soilRunEnglish("0.600E+04", "0.000E+00", "0.300E+02",
                                                            "0.125E+03", "0.200E+04", "0.300E+02")),
                 lrfdValues("0.500E+00", "0.450E+00")));
  append(echo, layerBlock("    LAYER NO  4----STRONG ROCK", 51,
                          strongRockEnglish("0.300E+01", "0.100E+01", "0.000E+00", "0.144E+06",
                                            "0.576E+06", "0.100E+07", "0.900E+02", "0.300E+02"),
                          strongRockEnglish("0.300E+01", "0.100E+01", "0.000E+00", "0.144E+06",
                                            "0.576E+06", "0.100E+07", "0.900E+02", "0.350E+02"),
                          lrfdValues("0.550E+00", "0.500E+00")));
  const auto decomposed = [](const std::string& modulus, const std::string& depth) {
    return Values{{"ELASTIC MODULUS OF GRAVEL, LB/SQ IN", modulus},
                  {"POISSION RATIO OF GRAVEL", "0.300E+00"},
                  {"BLOWS PER FOOT FROM STANDARD PENETRATION TEST", "0.600E+02"},
                  {"SOIL UNIT WEIGHT, LB/CU FT", "0.130E+03"},
                  {"MAXIMUM LOAD TRANSFER FOR SOIL, LB/SQ FT", "0.100E+11"},
                  {"DEPTH, FT", depth}};
  };
  append(echo,
         layerBlock("    LAYER NO  5----DECOMPOSED ROCK", 50, decomposed("0.000E+00", "0.350E+02"),
                    decomposed("0.200E+05", "0.450E+02"), lrfdValues("0.600E+00", "0.550E+00")));
  const auto weak = [](const std::string& depth) {
    return Values{{"DIAMETER OF SOCKET, FT", "0.300E+01"},
                  {"SLUMP OF CONCRETE, IN", "0.700E+01"},
                  {"ANGLE OF INTERFACE FRICTION, DEG.", "0.300E+02"},
                  {"UNIAXIAL COMPRESSION STRENGTH OF ROCK,LB/SQ FT", "0.100E+06"},
                  {"ELASTIC MODULUS FOR THE INTACT ROCK, LB/SQ IN.", "0.500E+06"},
                  {"ROCK QUALITY DESIGNATION (RQD) %", "0.700E+02"},
                  {"DEPTH, FT", depth}};
  };
  append(echo, layerBlock("    LAYER NO  6----WEAK ROCK", 51, weak("0.450E+02"), weak("0.550E+02"),
                          lrfdValues("0.550E+00", "0.500E+00")));
  append(echo, layerBlock("    LAYER NO  7----STRONG ROCK", 51,
                          strongRockEnglish("0.250E+01", "0.200E+01", "0.100E-01", "0.432E+05",
                                            "0.576E+06", "0.200E+07", "0.100E+03", "0.550E+02"),
                          strongRockEnglish("0.250E+01", "0.200E+01", "0.100E-01", "0.432E+05",
                                            "0.576E+06", "0.200E+07", "0.100E+03", "0.650E+02"),
                          lrfdValues("0.550E+00", "0.500E+00")));
  const auto gravel = [](const std::string& beta, const std::string& n, const std::string& gamma,
                         const std::string& depth) {
    return Values{{"SKIN FRICTION COEFFICIENT- BETA", beta},
                  {"BLOWS PER FOOT FROM STANDARD PENETRATION TEST", n},
                  {"SOIL UNIT WEIGHT, LB/CU FT", gamma},
                  {"MAXIMUM LOAD TRANSFER FOR SOIL, LB/SQ FT", "0.100E+11"},
                  {"DEPTH, FT", depth}};
  };
  // Gravelly sand: 2.0 - 0.15 (0.3048 z)^0.75 = 0.591 at 65 ft, 0.432 at 75 ft.
  append(echo, layerBlock("    LAYER NO  8----GRAVELLEY SAND", 50,
                          gravel("0.591E+00", "0.400E+02", "0.125E+03", "0.650E+02"),
                          gravel("0.432E+00", "0.400E+02", "0.125E+03", "0.750E+02"),
                          lrfdValues("0.550E+00", "0.500E+00")));
  // Gravel: 3.4 exp(-0.085 x 0.3048 z) = 0.487 at 75 ft, 0.330 at 90 ft.
  append(echo, layerBlock("    LAYER NO  9----GRAVEL", 50,
                          gravel("0.487E+00", "0.500E+02", "0.130E+03", "0.750E+02"),
                          gravel("0.330E+00", "0.500E+02", "0.130E+03", "0.900E+02"),
                          lrfdValues("0.600E+00", "0.550E+00")));
  return echo;
}

// SI, ASD, compression, shaft length 30 m below the 27 m profile; values
// shown back in SI units. DSTART = 1 m = 3.2808 ft.
Lines siAsdEcho() {
  Lines echo = {
      kBlanks5 + "All nine soil types, SI units, ASD, compression, shaft length below the ",
      "",
      "",
      "     PROPOSED DEPTH =      30.0 M",
      "     ----------------",
      "",
      "",
      "     NUMBER OF LAYERS =    9",
      "     ------------------",
      "",
      "",
      "     WATER TABLE DEPTH =       2.0 M",
      "     -------------------",
      "",
      "",
      "",
      "",
      "     *********************WARNING**********************",
      "     PLEASE PROVIDE THE SOIL DEPTH THAT IS TWO-DIAMETER DEEPER",
      "     THAN THE TIP OF DRILLED SHAFTS",
      "",
      "",
      "",
      "     FACTOR OF SAFETY APPLIED TO THE ULTIMATE SIDE FRICTION CAPACITY = 2.50",
      "     " + std::string(55, '-'),
      "     FACTOR OF SAFETY APPLIED TO THE ULTIMATE BASE CAPACITY = 3.00",
      "     " + std::string(54, '-'),
      "",
      "",
      "     SOIL INFORMATION",
      "     ---------------",
      ""};
  // No side limit: 1e10 psf shown back as 1e10 / 20.885 = 0.479E+09 kPa.
  const std::string noLimit = "0.479E+09";
  append(echo, layerBlock("     LAYER NO 1----SAND", 50,
                          prefixed({{"LATERAL EARTH-PRESSURE COEFFICIENT-K", "0.400E+00"}},
                                   soilRunSi("0.000E+00", "0.320E+02", "0.120E+02", "0.180E+02",
                                             "0.100E+03", "0.000E+00")),
                          prefixed({{"LATERAL EARTH-PRESSURE COEFFICIENT-K", "0.500E+00"}},
                                   soilRunSi("0.000E+00", "0.340E+02", "0.200E+02", "0.190E+02",
                                             "0.100E+03", "0.300E+01"))));
  append(echo, layerBlock("     LAYER NO 2----CLAY", 50,
                          prefixed({{"STRENGTH REDUCTION FACTOR-ALPHA", "0.500E+00"},
                                    {"END BEARING COEFFICIENT-Nc", "0.900E+01"}},
                                   soilRunSi("0.500E+02", "0.000E+00", "0.600E+01", "0.175E+02",
                                             noLimit, "0.300E+01")),
                          prefixed({{"STRENGTH REDUCTION FACTOR-ALPHA", "0.450E+00"},
                                    {"END BEARING COEFFICIENT-Nc", "0.900E+01"}},
                                   soilRunSi("0.750E+02", "0.000E+00", "0.800E+01", "0.175E+02",
                                             noLimit, "0.600E+01"))));
  // Clay shale defaults from the converted values: c = 100 kPa = 2088.5 psf
  // (c/pa 0.987) gives 0.55; 200 kPa = 4177 psf (c/pa 1.973) gives 0.503.
  // Nc = 6 (1 + 0.2 x 19.68 / 3.2808) = 13.2, capped at 7 for clay shale.
  append(echo, layerBlock("     LAYER NO 3----CLAY SHALE", 50,
                          prefixed({{"STRENGTH REDUCTION FACTOR-ALPHA", "0.550E+00"},
                                    {"END BEARING COEFFICIENT-Nc", "0.700E+01"}},
                                   soilRunSi("0.100E+03", "0.000E+00", "0.300E+02", "0.210E+02",
                                             noLimit, "0.600E+01")),
                          prefixed({{"STRENGTH REDUCTION FACTOR-ALPHA", "0.503E+00"},
                                    {"END BEARING COEFFICIENT-Nc", "0.700E+01"}},
                                   soilRunSi("0.200E+03", "0.000E+00", "0.300E+02", "0.210E+02",
                                             noLimit, "0.900E+01"))));
  // Rock values of SI input are echoed as read.
  append(echo, layerBlock("    LAYER NO  4----STRONG ROCK", 51,
                          strongRockSi("0.100E+01", "0.500E+00", "0.200E-02", "0.100E+05",
                                       "0.300E+05", "0.500E+07", "0.800E+02", "0.900E+01"),
                          strongRockSi("0.100E+01", "0.500E+00", "0.200E-02", "0.100E+05",
                                       "0.300E+05", "0.500E+07", "0.800E+02", "0.120E+02")));
  const auto decomposed = [&noLimit](const std::string& modulus, const std::string& depth) {
    return Values{{"ELASTIC MODULUS OF GRAVEL, KN/SQ M", modulus},
                  {"POISSION RATIO OF GRAVEL", "0.250E+00"},
                  {"BLOWS PER FOOT FROM STANDARD PENETRATION TEST", "0.500E+02"},
                  {"SOIL UNIT WEIGHT, KN/CU M", "0.200E+02"},
                  {"MAXIMUM LOAD TRANSFER FOR SOIL, KN/SQ M", noLimit},
                  {"DEPTH, M", depth}};
  };
  append(echo,
         layerBlock("    LAYER NO  5----DECOMPOSED ROCK", 50, decomposed("0.000E+00", "0.120E+02"),
                    decomposed("0.100E+06", "0.150E+02")));
  const auto weak = [](const std::string& depth) {
    return Values{{"DIAMETER OF SOCKET, M", "0.100E+01"},
                  {"SLUMP OF CONCRETE, M", "0.175E+00"},
                  {"ANGLE OF INTERFACE FRICTION, DEG.", "0.250E+02"},
                  {"UNIAXIAL COMPRESSION STRENGTH OF ROCK,KN/SQ M", "0.500E+04"},
                  {"ELASTIC MODULUS FOR THE INTACT ROCK, KN/SQ M", "0.200E+07"},
                  {"ROCK QUALITY DESIGNATION (RQD) %", "0.600E+02"},
                  {"DEPTH, M", depth}};
  };
  append(echo,
         layerBlock("    LAYER NO  6----WEAK ROCK", 51, weak("0.150E+02"), weak("0.180E+02")));
  append(echo, layerBlock("    LAYER NO  7----STRONG ROCK", 51,
                          strongRockSi("0.120E+01", "0.100E+01", "0.100E-02", "0.200E+05",
                                       "0.300E+05", "0.800E+07", "0.950E+02", "0.180E+02"),
                          strongRockSi("0.120E+01", "0.100E+01", "0.100E-02", "0.200E+05",
                                       "0.300E+05", "0.800E+07", "0.950E+02", "0.210E+02")));
  const auto gravel = [](const std::string& beta, const std::string& n, const std::string& gamma,
                         const std::string& maxS, const std::string& depth) {
    return Values{{"SKIN FRICTION COEFFICIENT- BETA", beta},
                  {"BLOWS PER FOOT FROM STANDARD PENETRATION TEST", n},
                  {"SOIL UNIT WEIGHT, KN/CU M", gamma},
                  {"MAXIMUM LOAD TRANSFER FOR SOIL, KN/SQ M", maxS},
                  {"DEPTH, M", depth}};
  };
  append(echo, layerBlock("    LAYER NO  8----GRAVELLEY SAND", 50,
                          gravel("0.900E+00", "0.300E+02", "0.190E+02", "0.150E+03", "0.210E+02"),
                          gravel("0.800E+00", "0.300E+02", "0.190E+02", "0.150E+03", "0.240E+02")));
  // Gravel default at 24 m and 27 m: 3.4 exp(-0.085 x 24) = 0.442,
  // 3.4 exp(-0.085 x 27) = 0.343.
  append(echo, layerBlock("    LAYER NO  9----GRAVEL", 50,
                          gravel("0.442E+00", "0.400E+02", "0.200E+02", noLimit, "0.240E+02"),
                          gravel("0.343E+00", "0.400E+02", "0.200E+02", noLimit, "0.270E+02")));
  return echo;
}

TEST(EchoLayout, EnglishLrfdUpliftProjectWithEverySoilType) {
  testing::TestFolder folder;
  const auto result = testing::runEngineOn(
      folder, testing::readText(testing::fixturePath("all_types_english_lrfd.bkd")));
  EXPECT_EQ(result.status, 0);
  expectEcho(testing::afterHead(result.report), englishLrfdEcho());
}

TEST(EchoLayout, SiAsdProjectWithEverySoilTypeShowsValuesBackInSi) {
  testing::TestFolder folder;
  const auto result =
      testing::runEngineOn(folder, testing::readText(testing::fixturePath("all_types_si_asd.bkd")));
  EXPECT_EQ(result.status, 0);
  expectEcho(testing::afterHead(result.report), siAsdEcho());
  // The proposed-depth warning goes to the run notes as well.
  const Lines warning = {"",
                         "",
                         "     *********************WARNING**********************",
                         "     PLEASE PROVIDE THE SOIL DEPTH THAT IS TWO-DIAMETER DEEPER",
                         "     THAN THE TIP OF DRILLED SHAFTS",
                         "",
                         ""};
  ASSERT_GE(result.notes.size(), warning.size());
  EXPECT_EQ(Lines(result.notes.begin(), result.notes.begin() + 7), warning);
}

}  // namespace
}  // namespace bormek
