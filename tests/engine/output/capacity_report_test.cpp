// Result sections of the report laid out from the documented edit
// descriptors; the expected lines are built field by field by hand.
#include "output/capacity_report.h"

#include <gtest/gtest.h>

#include "support/test_folder.h"

namespace bormek {
namespace {

using Lines = std::vector<std::string>;

template <typename Write>
Lines reportOf(Write write) {
  testing::TestFolder folder;
  RunOutput out;
  EXPECT_TRUE(out.openReport(folder.file("r.bko")));
  write(out);
  out.closeAll();
  return testing::readLines(folder.file("r.bko"));
}

std::string blanks(int n) {
  return std::string(static_cast<std::size_t>(n), ' ');
}

struct HeadCase {
  ReportStyle style;
  std::string first;
  std::string second;
};

TEST(CapacityReport, ColumnHeadsOfEveryCase) {
  const std::string enSecondAsd = blanks(5) + "(FEET)" + blanks(2) + "(CU.YDS)" + blanks(1) +
                                  "(TONS)" + blanks(3) + "(TONS)" + blanks(2) + "(TONS)" +
                                  blanks(3) + "(TONS)" + blanks(3) + "(TONS)" + blanks(2) +
                                  "(TONS/CU.YDS)";
  const std::string enSecondLrfd =
      blanks(5) + "(FEET)" + blanks(2) + "(CU.YDS)" + blanks(1) + "(TONS)" + blanks(3) + "(TONS)" +
      blanks(2) + "(TONS)" + blanks(3) + "(TONS)" + blanks(3) + "(TONS)" + blanks(4) + "(TONS)";
  const std::string siSecondStart = blanks(6) + "( M ) " + blanks(1) + "(CU.M ) " + blanks(1) +
                                    "( KN )" + blanks(3) + "( KN )" + blanks(2) + "( KN )" +
                                    blanks(3) + "( KN )" + blanks(3) + "( KN )" + blanks(2);
  const auto en = [](const char* base) {
    return blanks(5) + "LENGTH" + blanks(2) + "VOLUME" + blanks(5) + "QS" + blanks(6) + base +
           blanks(6) + "QU";
  };
  const auto si = [](const char* base) {
    return blanks(5) + "LENGTH" + blanks(2) + "VOLUME" + blanks(4) + "QS" + blanks(5) + base +
           blanks(8) + "QU";
  };
  const std::string enAsdEnd = blanks(7) + "QBD" + blanks(6) + "QDN" + blanks(6) + "QU/VOLUME";
  const std::string siAsdEnd = blanks(7) + "QBD" + blanks(5) + "QDN" + blanks(5) + "QU/VOLUME";
  const HeadCase cases[] = {
      {{false, false, false}, en("QB") + enAsdEnd, enSecondAsd},
      {{false, true, false},
       en("QB") + blanks(5) + "LRFD QS" + blanks(2) + "LRFD QB" + blanks(3) + "LRFD QU",
       enSecondLrfd},
      {{false, false, true}, en("WT") + enAsdEnd, enSecondAsd},
      {{false, true, true},
       en("WT") + blanks(5) + "LRFD QS" + blanks(6) + "WT" + blanks(3) + "LRFD QU",
       enSecondLrfd},
      {{true, false, false}, si("QB") + siAsdEnd, siSecondStart + "( KN /CU.M) "},
      {{true, true, false},
       si("QB") + blanks(6) + "LRFD QS" + blanks(2) + "LRFD QB" + blanks(3) + "LRFD QU",
       siSecondStart + "( KN ) "},
      {{true, false, true}, si("WT") + siAsdEnd, siSecondStart + "( KN /CU.M) "},
      {{true, true, true},
       si("WT") + blanks(6) + "LRFD QS" + blanks(2) + "LRFD QB" + blanks(3) + "LRFD QU",
       siSecondStart + "( KN ) "},
  };
  for (const HeadCase& c : cases) {
    const Lines lines = reportOf([&](RunOutput& out) { writeLegendAndHeads(out, c.style); });
    ASSERT_GE(lines.size(), 3u);
    const std::string what = std::string(c.style.si ? "SI" : "EN") +
                             (c.style.lrfd ? " LRFD" : " ASD") +
                             (c.style.uplift ? " uplift" : " compression");
    EXPECT_EQ(lines[lines.size() - 3], "") << what;
    EXPECT_EQ(lines[lines.size() - 2], c.first) << what;
    EXPECT_EQ(lines[lines.size() - 1], c.second) << what;
  }
}

TEST(CapacityReport, RowsUseTheirEditDescriptorsAndOverflowToAsterisks) {
  CapacityRow row;
  row.length = 25.0f;
  row.volume = 2.90926f;
  row.side = 57.0273f;
  row.base = 1000000.0f;  // does not fit F9.2
  row.ultimate = 1000057.0f;
  row.allowableBase = 31.5f;
  row.allowable = 30.125f;
  row.perVolume = 12.345f;
  // 1X F8.1 1X F8.2 F9.2 F9.2 F9.2 F9.2 F9.2 1X F9.2
  EXPECT_EQ(rowLine(row, {false, false, false}),
            "     25.0     2.91    57.03" + std::string(18, '*') + "    31.50    30.12     12.35");
  // SI: 1X F8.1 1X F8.1 F9.1 x 5 1X F9.2; 25 ft = 7.620 m, 2.90926 yd³ =
  // 2.2245 m³, 57.0273 t = 507.36 kN, QU/VOLUME / (0.1124 / 1.3078).
  row.base = 5.40116f;
  row.ultimate = 62.4285f;
  EXPECT_EQ(rowLine(row, {true, false, false}),
            "      7.6      2.2    507.4     48.1    555.4    280.2    268.0    143.64");
}

TEST(CapacityReport, SiGeometryShowsMetresAndSquareMetres) {
  RunSettings s;
  s.si = true;
  s.ecInput = 27600000.0f;
  s.topLength = 1.5f * 3.2808f;
  const ShaftGeometry g = shaftGeometryFor(3.2808f, s);
  const Lines lines = reportOf([&](RunOutput& out) { writeGeometry(out, g, s, 0.0f); });
  const Lines expected = {"", "", "     DRILLED SHAFT INFORMATION",
                          "     -------------------------", "",
                          "      DIAMETER OF STEM          =    1.000  M",
                          "      DIAMETER OF BASE          =    1.000  M",
                          "      END OF STEM TO BASE       =    0.000  M",
                          "      ANGLE OF BELL             =    0.000  DEG.",
                          "      IGNORED TOP PORTION       =    1.500  M",
                          "      IGNORED BOTTOM PORTION    =    0.000  M",
                          // 0.01 x 3.142 x 3.2808² / 4 x 144 x 0.00064516 = 0.00785 m²
                          "      AREA OF ONE PERCENT STEEL =    0.008  SQ. M",
                          "      ELASTIC MODULUS, Ec       = 0.276E+08 KN/SQ M",
                          "      VOLUME OF UNDERREAM       =    0.000  CU. M", "", ""};
  EXPECT_EQ(lines, expected);
}

TEST(CapacityReport, MostEfficientShaftBlockInEnglishAndSi) {
  const BestShaft best{3.0f, 3.6f, 47.0f, 12.31f, 427.7f, 34.745f};
  const Lines english =
      reportOf([&](RunOutput& out) { writeMostEfficientShaft(out, best, false); });
  const Lines expectedEnglish = {
      "", "",
      "", " THE MOST EFFICIENT SHAFT FOR THIS SOIL PROFILE APPEARS TO BE THE FOLLOWING ONE:",
      "", "  DIAMETER OF STEM       = 3.00 FT.",
      "", "  DIAMETER OF BASE       = 3.60 FT.",
      "", "  ESTIMATED SHAFT LENGTH =  47. FT.",
      "", "  VOLUME OF CONCRETE     =  12.31 CU.YDS.",
      "", "  ULTIMATE LOAD CAPACITY =    427.70 TONS",
      "", "  QU/VOLUME OF CONCRETE  =  34.74 TONS/CU.YD."};
  EXPECT_EQ(english, expectedEnglish);

  const Lines si = reportOf([&](RunOutput& out) { writeMostEfficientShaft(out, best, true); });
  // 3 ft = 0.914 m, 47 ft = 14.3 m, 12.31 yd³ = 9.41 m³, 427.7 t = 3805.16 kN,
  // 34.745 t/yd³ / 0.085946 = 404.27 kN/m³.
  const Lines expectedSi = {
      "", "",
      "", " THE MOST EFFICIENT SHAFT FOR THIS SOIL PROFILE  APPEARS TO BE THE FOLLOWING ONE:",
      "", " DIAMETER OF STEM       =   0.9 M",
      "", " DIAMETER OF BASE       =   1.1 M",
      "", " ESTIMATED SHAFT LENGTH =   14. M",
      "", " VOLUME OF CONCRETE     =    9.41 CU.M",
      "", " ULTIMATE LOAD CAPACITY =    3805.16 KN  ",
      "", " QU/VOLUME OF CONCRETE  =  404.27 KN /CU.M"};
  EXPECT_EQ(si, expectedSi);
}

}  // namespace
}  // namespace bormek
