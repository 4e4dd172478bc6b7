// How the data windows' values enter the project: the length-or-load rule,
// the loading type, the end-bearing rule and the title, and which of them
// mark the project modified.
#include <gtest/gtest.h>

#include <memory>

#include "core/program_data.h"
#include "core/setting_commits.h"
#include "core/soil_layer_tables.h"

namespace {

class SettingCommits : public ::testing::Test {
 protected:
  void SetUp() override {
    project.Create();
    project.DesignLoad() = 200;
    project.ShaftLength() = 40;
  }

  std::unique_ptr<SoilLayerTables> tables = CreateSoilLayerTables();
  TProgramData project{*tables};
  const LoadingChoice compression{};
};

TEST_F(SettingCommits, AShaftLengthAboveZeroClearsTheDesignLoadAndZeroLeavesIt) {
  CommitShaftLength(project, 25, compression);
  EXPECT_EQ(project.ShaftLength(), 25.0L);
  EXPECT_EQ(project.DesignLoad(), 0.0L);
  // Clearing a load is a change of the project.
  EXPECT_TRUE(project.Modified());

  project.DesignLoad() = 200;
  CommitShaftLength(project, 0, compression);
  EXPECT_EQ(project.ShaftLength(), 0.0L);
  EXPECT_EQ(project.DesignLoad(), 200.0L);
}

TEST_F(SettingCommits, ADesignLoadAboveZeroClearsTheShaftLengthAndZeroLeavesIt) {
  CommitDesignLoad(project, 150, compression);
  EXPECT_EQ(project.DesignLoad(), 150.0L);
  EXPECT_EQ(project.ShaftLength(), 0.0L);

  project.ShaftLength() = 40;
  CommitDesignLoad(project, 0, compression);
  EXPECT_EQ(project.ShaftLength(), 40.0L);
}

TEST_F(SettingCommits, CompressionStoresNoReductionWhateverTheFieldShows) {
  project.LoadingType = kUpliftLoading;
  project.UpliftReduction = 0.7L;
  CommitLoadingType(project, {false, 0.3L});
  EXPECT_EQ(project.LoadingType, kCompressionLoading);
  EXPECT_EQ(project.UpliftReduction, 1.0L);
}

TEST_F(SettingCommits, UpliftStoresItsReductionFactor) {
  CommitLoadingType(project, {true, 0.75L});
  EXPECT_EQ(project.LoadingType, kUpliftLoading);
  EXPECT_EQ(project.UpliftReduction, 0.75L);
}

TEST_F(SettingCommits, OnlyAChangedChoiceMarksTheProjectModified) {
  struct Step {
    const char* what;
    void (*commit)(TProgramData&);
    bool marks;
  };
  const Step steps[] = {
      {"compression again",
       [](TProgramData& p) {
         CommitLoadingType(p, {false, 0.5L});
       },
       false},
      {"a change to uplift",
       [](TProgramData& p) {
         CommitLoadingType(p, {true, 0.8L});
       },
       true},
      {"uplift with the same reduction",
       [](TProgramData& p) {
         CommitLoadingType(p, {true, 0.8L});
       },
       false},
      {"a new reduction",
       [](TProgramData& p) {
         CommitLoadingType(p, {true, 0.6L});
       },
       true},
      {"the same end-bearing rule",
       [](TProgramData& p) { CommitSandTipOption(p, kSandTipLinearToTenDiameters); }, false},
      {"maximum values at any depth",
       [](TProgramData& p) { CommitSandTipOption(p, kSandTipMaximumAtAnyDepth); }, true},
      {"the same title", [](TProgramData& p) { CommitTitle(p, "New Pile"); }, false},
      {"a new title", [](TProgramData& p) { CommitTitle(p, "Pier 7"); }, true},
  };
  for (const Step& step : steps) {
    project.SetModified(false);
    step.commit(project);
    EXPECT_EQ(project.Modified(), step.marks) << step.what;
  }
  EXPECT_EQ(project.SandTipOption, kSandTipMaximumAtAnyDepth);
  EXPECT_EQ(project.Title, "Pier 7");
}

}  // namespace
