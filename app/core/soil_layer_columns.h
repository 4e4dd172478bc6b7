// The names of the soil-layer table's columns and of the soil types its
// first column holds, for the code that reads and writes cells by number
// (the project file, the design-method switch). The tables themselves are
// defined in soil_layer_tables.cpp, in this column order.
#pragma once

// Columns of D.
enum SoilLayerColumn : int {
  kTypeColumn = 0,
  kDepthColumn,
  kLayerDataColumn,  // the layer's sub-table of its soil type
  kMaxSideColumn,
  kMaxBaseColumn,
  kLrfdSideColumn,  // resistance factors, shown only under LRFD
  kLrfdTipColumn,
  kSoilLayerColumnCount,
};

// Soil types: the 1-based items of D's type column, numbered as the project
// file and the engine number them.
enum SoilType : int {
  kSand = 1,
  kClay,
  kShale,
  kStrongRockEither,  // side friction or end bearing
  kDecomposedRock,
  kWeakRock,
  kStrongRockBoth,  // side friction and end bearing
  kGravellySand,
  kGravel,
};

// Side-coefficient columns of the sand sub-table (K or beta) and of the clay
// and shale sub-tables (alpha).
inline constexpr int kSandKColumn = 3;
inline constexpr int kSandBetaColumn = 4;
inline constexpr int kClayAlphaColumn = 3;
