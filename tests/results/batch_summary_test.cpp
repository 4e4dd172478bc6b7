// The batch summary's CSV lines, laid out by hand from its documented
// columns.
#include "results/batch_summary.h"

#include <gtest/gtest.h>

#include "support/comma_locale.h"

namespace {

ResultsDocument twoDiameters() {
  ResultsDocument r;
  r.title = "Pier 4, \"north\" abutment";
  r.statusCode = 0;
  r.statusMeaning = "run completed";
  r.unitSystem = "English";
  r.designMethod = "ASD";
  DiameterResult first;
  first.stemDiameter = 3.0;
  first.mostEfficient = true;
  first.designRow = NamedValues{{"length", 46.0},
                                {"volume", 12.044333},
                                {"total_ultimate_resistance", 428.49927},
                                {"allowable_load", 201.49883},
                                {"factored_total_resistance", 999.0}};
  DiameterResult second;
  second.stemDiameter = 3.5;
  r.diameters = {first, second};
  return r;
}

TEST(BatchSummary, OneLinePerDiameterWithTheDesignRow) {
  EXPECT_EQ(summaryHeader(),
            "file,title,status,status_meaning,unit_system,design_method,diameter,design_length,"
            "ultimate_capacity,allowable_or_factored_capacity,volume,most_efficient");
  const std::vector<std::string> lines = summaryLines("jobs/pier.bkd", twoDiameters());
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0],
            "jobs/pier.bkd,\"Pier 4, \"\"north\"\" abutment\",0,run completed,English,ASD,3,46,"
            "428.49927,201.49883,12.044333,yes");
  EXPECT_EQ(lines[1],
            "jobs/pier.bkd,\"Pier 4, \"\"north\"\" abutment\",0,run completed,English,ASD,3.5,,,,,"
            "no");
}

TEST(BatchSummary, LrfdTakesTheFactoredResistance) {
  ResultsDocument r = twoDiameters();
  r.designMethod = "LRFD";
  r.diameters.resize(1);
  EXPECT_EQ(summaryLines("p.bkd", r)[0],
            "p.bkd,\"Pier 4, \"\"north\"\" abutment\",0,run completed,English,LRFD,3,46,428.49927,"
            "999,12.044333,yes");
}

TEST(BatchSummary, AProjectWithoutDiametersOrResultsGetsOneLineWithItsStatus) {
  ResultsDocument stopped;
  stopped.statusCode = 7;
  stopped.statusMeaning = "input file missing, unreadable or malformed";
  EXPECT_EQ(summaryLines("bad.bkd", stopped),
            std::vector<std::string>{
                "bad.bkd,,7,\"input file missing, unreadable or malformed\",,,,,,,,"});
  EXPECT_EQ(summaryLineWithoutResults("gone.bkd", 6, "names.dat missing or incomplete"),
            "gone.bkd,,6,names.dat missing or incomplete,,,,,,,,");
}

TEST(BatchSummary, ACommaDecimalLocaleChangesNothing) {
  const ResultsDocument r = twoDiameters();
  const std::vector<std::string> inC = summaryLines("p.bkd", r);
  const bormek::testing::CommaDecimalLocale locale;
  ASSERT_TRUE(locale.active()) << "the de_DE.UTF-8 locale is missing (scripts/setup makes it)";
  EXPECT_EQ(summaryLines("p.bkd", r), inC);
  EXPECT_NE(inC[0].find("12.044333"), std::string::npos);
}

}  // namespace
