#include "capacity/layer_completion.h"
#include "support/layers.h"

#include <gtest/gtest.h>

namespace bormek {
namespace {

InputData oneLayer(const Layer& layer, bool si = false) {
  InputData data;
  data.settings.si = si;
  data.settings.dStart = 3.0f;
  data.settings.ecInput = 4000000.0f;
  data.entryCount = 2;
  data.layers[1] = layer;
  return data;
}

using testing::layerOf;

TEST(LayerCompletion, CoefficientsGivenAtNeitherEndAreDefaultedAndFlagged) {
  Layer sandK = layerOf(kSand, 0.0f, 20.0f);
  sandK.coefficientOption = 1.0f;
  InputData data = oneLayer(sandK);
  completeLayerTable(data);
  EXPECT_TRUE(data.layers[1].defaultCoefficient);
  EXPECT_EQ(data.layers[1].coefficient.top, 0.25f);
  EXPECT_EQ(data.layers[1].coefficient.bottom, 0.25f);

  // Rock has no coefficient of its own: 0 raised to the lower bound.
  data = oneLayer(layerOf(kStrongRockBoth, 0.0f, 20.0f));
  completeLayerTable(data);
  EXPECT_TRUE(data.layers[1].defaultCoefficient);
  EXPECT_EQ(data.layers[1].coefficient.bottom, 0.25f);
}

TEST(LayerCompletion, ACoefficientGivenAtOneEndIsKept) {
  Layer sand = layerOf(kSand, 0.0f, 20.0f);
  sand.coefficientOption = 2.0f;
  sand.coefficient = {0.8f, 0.0f};
  InputData data = oneLayer(sand);
  completeLayerTable(data);
  EXPECT_FALSE(data.layers[1].defaultCoefficient);
  EXPECT_EQ(data.layers[1].coefficient.top, 0.8f);
  EXPECT_EQ(data.layers[1].coefficient.bottom, 0.0f);
}

TEST(LayerCompletion, NcIsDefaultedOnlyForClayAndShaleGivenNoNc) {
  InputData data = oneLayer(layerOf(kClay, 0.0f, 3.0f));
  completeLayerTable(data);
  EXPECT_FLOAT_EQ(data.layers[1].nc.top, 6.0f);
  EXPECT_FLOAT_EQ(data.layers[1].nc.bottom, 7.2f);  // 6 (1 + 0.2 x 3 / 3)

  Layer given = layerOf(kClay, 0.0f, 3.0f);
  given.nc = {5.0f, 0.0f};
  data = oneLayer(given);
  completeLayerTable(data);
  EXPECT_EQ(data.layers[1].nc.bottom, 0.0f);

  data = oneLayer(layerOf(kSand, 0.0f, 3.0f));
  completeLayerTable(data);
  EXPECT_EQ(data.layers[1].nc.top, 0.0f);
}

TEST(LayerCompletion, LimitsGivenAsZeroMeanNoLimit) {
  Layer layer = layerOf(kClay, 0.0f, 10.0f);
  layer.maxSide = {0.0f, 2000.0f};
  layer.maxBase = {-40.0f, 1e-11f};
  InputData data = oneLayer(layer);
  completeLayerTable(data);
  EXPECT_EQ(data.layers[1].maxSide.top, kNoLimit);
  EXPECT_EQ(data.layers[1].maxSide.bottom, 2000.0f);
  EXPECT_EQ(data.layers[1].maxBase.top, -40.0f);  // a fixed end bearing stays
  EXPECT_EQ(data.layers[1].maxBase.bottom, kNoLimit);
}

TEST(LayerCompletion, ModuliAreConvertedToTsf) {
  Layer rock = layerOf(kStrongRockBoth, 0.0f, 10.0f);
  rock.modulus = {1000000.0f, 2000000.0f};
  InputData data = oneLayer(rock);
  completeLayerTable(data);
  // psi x 144 / 2000: 4e6 psi = 288000 tsf.
  EXPECT_FLOAT_EQ(data.settings.ecTsf, 288000.0f);
  EXPECT_FLOAT_EQ(data.layers[1].modulusTsf.top, 72000.0f);
  EXPECT_FLOAT_EQ(data.layers[1].modulus.top, 1000000.0f);  // as read, for the echo

  data = oneLayer(rock, true);
  data.settings.ecInput = 27600000.0f;  // kPa x 20.885 / 2000
  completeLayerTable(data);
  EXPECT_NEAR(data.settings.ecTsf, 288213.0f, 1.0f);
  EXPECT_NEAR(data.layers[1].modulusTsf.top, 10442.5f, 0.01f);  // 1e6 kPa
}

}  // namespace
}  // namespace bormek
