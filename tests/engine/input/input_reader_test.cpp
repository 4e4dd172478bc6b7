#include "input/input_reader.h"

#include <gtest/gtest.h>

#include "capacity/layer_completion.h"
#include "input/si_conversion.h"
#include "input/soil_echo.h"
#include "support/engine_run.h"

namespace bormek {
namespace {

struct Read {
  InputData data;
  std::vector<std::string> notes;
};

Read readProject(const std::string& text, bool echoSoil = false) {
  testing::TestFolder folder;
  folder.write("p.bkd", text);
  ListReader reader;
  EXPECT_TRUE(reader.open(folder.file("p.bkd")));
  RunOutput out;
  out.openReport(folder.file("p.bko"));
  out.openNotes(folder.file("p.bkr"));
  Read read{readInput(reader, out), {}};
  if (echoSoil) {
    adjustShaftValues(read.data.settings);
    convertSiInput(read.data);
    completeLayerTable(read.data);
    writeSoilInformation(read.data, out);
  }
  out.closeAll();
  read.notes = testing::readLines(folder.file("p.bkr"));
  return read;
}

std::string oneSandLayer(const std::string& shaftLine, const std::string& countLine) {
  return testing::crlf({"One sand layer", "1", "2 1 1.0 5.0 1 2", shaftLine, countLine, "1 30.0",
                        "0.0 110.0 30.0 0.0 10 0 0 0.55 0.50",
                        "0.0 115.0 36.0 0.0 30 0 0 0.56 0.51", "2", "0.3 0.4"});
}

TEST(InputReader, ValuesLandInTheirFieldsAndTheBottomLrfdFactorsAreKept) {
  const Read read =
      readProject(testing::readText(testing::fixturePath("all_types_english_lrfd.bkd")));
  const RunSettings& s = read.data.settings;
  EXPECT_EQ(read.data.entryCount, 10);
  EXPECT_EQ(s.designControl, kDesignLoadGiven);
  EXPECT_EQ(s.loadingType, kUplift);
  EXPECT_FLOAT_EQ(s.upliftReduction, 0.75f);
  EXPECT_EQ(s.designMethod, kLrfd);
  EXPECT_FLOAT_EQ(s.designLoad, 100.0f);
  EXPECT_EQ(s.proposedDepth, 0.0f);
  EXPECT_FLOAT_EQ(s.ecInput, 4000000.0f);

  const Layer& clay = read.data.layers[1];
  EXPECT_EQ(clay.type, kClay);
  EXPECT_EQ(clay.topDepth, 0.0f);
  EXPECT_FLOAT_EQ(clay.cohesion.bottom, 4232.0f);
  EXPECT_FLOAT_EQ(clay.lrfdTip, 0.40f);
  const Layer& sand = read.data.layers[2];
  EXPECT_EQ(sand.topDepth, 6.0f);  // the bottom of the layer above
  EXPECT_FLOAT_EQ(sand.frictionAngle.bottom, 36.0f);
  EXPECT_EQ(sand.coefficientOption, 2.0f);
  const Layer& weak = read.data.layers[6];
  EXPECT_EQ(weak.interfaceConditionTop, 1);
  EXPECT_FLOAT_EQ(weak.slump.top, 7.0f);
  EXPECT_FLOAT_EQ(weak.rqd.bottom, 70.0f);
  const Layer& gravel = read.data.layers[9];
  EXPECT_FLOAT_EQ(gravel.blowCount.top, 50.0f);
  EXPECT_FLOAT_EQ(gravel.lrfdSide, 0.60f);

  const Read single = readProject(oneSandLayer("3.0 4.0 0 0 0 0 4000000", "1 5.0 100 2 3"));
  EXPECT_FLOAT_EQ(single.data.layers[1].lrfdSide, 0.56f);  // bottom line's value
}

TEST(InputReader, ShaftAdjustmentsStraightenARatioOfOneAndRaiseDialim) {
  struct Case {
    float ratio, dStart, diaLim;
    float ratioAfter, diaLimAfter;
  };
  const Case cases[] = {{1.0f, 3.0f, 0.0f, 0.0f, 3.0f},
                        {1.01f, 3.0f, 2.0f, 1.01f, 3.0f},
                        {1.2f, 3.0f, 5.0f, 1.2f, 5.0f}};
  for (const Case& c : cases) {
    RunSettings s;
    s.ratio = c.ratio;
    s.dStart = c.dStart;
    s.diaLim = c.diaLim;
    adjustShaftValues(s);
    EXPECT_EQ(s.ratio, c.ratioAfter);
    EXPECT_EQ(s.diaLim, c.diaLimAfter);
  }
}

TEST(InputReader, SiInputIsConvertedAndRockValuesOnlyAfterTheirEcho) {
  const Read read =
      readProject(testing::readText(testing::fixturePath("all_types_si_asd.bkd")), true);
  const RunSettings& s = read.data.settings;
  EXPECT_FLOAT_EQ(s.proposedDepth, 30.0f * 3.2808f);
  EXPECT_FLOAT_EQ(s.waterTableDepth, 2.0f * 3.2808f);
  EXPECT_FLOAT_EQ(s.dStart, 3.2808f);
  EXPECT_FLOAT_EQ(s.topLength, 1.5f * 3.2808f);
  EXPECT_FLOAT_EQ(s.bottomLength, 0.3f * 3.2808f);
  const Layer& clay = read.data.layers[2];
  EXPECT_FLOAT_EQ(clay.unitWeight.top, 17.5f * 6.3659f);
  EXPECT_FLOAT_EQ(clay.cohesion.bottom, 75.0f * 20.885f);
  EXPECT_FLOAT_EQ(clay.bottomDepth, 6.0f * 3.2808f);
  EXPECT_FLOAT_EQ(read.data.layers[1].maxSide.top, 100.0f * 20.885f);
  const Layer& rock = read.data.layers[4];
  EXPECT_FLOAT_EQ(rock.rockStrength.top, 10000.0f * 20.885f);
  EXPECT_FLOAT_EQ(rock.concreteStrength.bottom, 30000.0f * 20.885f);
  EXPECT_FLOAT_EQ(rock.discontinuitySpacing.top, 0.5f * 3.2808f);
  EXPECT_FLOAT_EQ(rock.socketDiameter.bottom, 3.2808f);
  EXPECT_FLOAT_EQ(read.data.layers[6].slump.top, 0.175f);  // converted by the weak-rock rule
}

TEST(InputReader, WarnsOnlyWhenTheProposedDepthIsBelowTheLastLayer) {
  const std::string shaft = "3.0 4.0 0 0 0 0 4000000";
  const Read equal = readProject(oneSandLayer(shaft, "1 5.0 30.0 2 3"));
  EXPECT_TRUE(equal.notes.empty());
  const Read below = readProject(oneSandLayer(shaft, "1 5.0 30.5 2 3"));
  ASSERT_EQ(below.notes.size(), 7u);
  EXPECT_EQ(below.notes[2], "     *********************WARNING**********************");
}

}  // namespace
}  // namespace bormek
