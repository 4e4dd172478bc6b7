// The component stream and the column definitions written to it: the
// typed values byte by byte, the round trip of D's columns and the errors
// of a stream that cannot be read.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "core/component_stream.h"
#include "core/grid_enum_column.h"
#include "core/grid_errors.h"
#include "core/grid_float_column.h"
#include "core/grid_int_column.h"
#include "core/grid_string_column.h"
#include "core/grid_table.h"
#include "core/grid_table_column.h"
#include "core/soil_layer_tables.h"

namespace {

using namespace std::string_literals;

template <class Error, class Action>
std::string messageOf(Action action) {
  try {
    action();
  } catch (const Error& error) {
    return error.what();
  }
  return "(nothing thrown)";
}

TEST(ComponentStream, EveryValueIsWrittenBehindItsTypeTag) {
  struct Case {
    const char* what;
    void (*write)(TComponentWriter&);
    std::string bytes;
  };
  const Case cases[] = {
      {"integer 1", [](TComponentWriter& out) { out.WriteInteger(1); }, "\x01\x01\x00\x00\x00"s},
      {"integer -2", [](TComponentWriter& out) { out.WriteInteger(-2); }, "\x01\xfe\xff\xff\xff"s},
      {"string", [](TComponentWriter& out) { out.WriteString("ab"); },
       "\x02\x02\x00\x00\x00"
       "ab"s},
      {"true", [](TComponentWriter& out) { out.WriteBoolean(true); }, "\x03\x01"s},
      {"false", [](TComponentWriter& out) { out.WriteBoolean(false); }, "\x03\x00"s},
      // 1 = 0.5 * 2^1: no flags, exponent 1, significand 0.5 * 2^64.
      {"extended 1", [](TComponentWriter& out) { out.WriteExtended(1); },
       "\x04\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x80"s},
      // -3 = -0.75 * 2^2: the sign flag, exponent 2, significand 0.75 * 2^64.
      {"extended -3", [](TComponentWriter& out) { out.WriteExtended(-3); },
       "\x04\x01\x02\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\xc0"s},
      {"list",
       [](TComponentWriter& out) {
         out.WriteListBegin();
         out.WriteListEnd();
       },
       "\x05\x06"s},
  };
  for (const Case& c : cases) {
    TComponentWriter out;
    c.write(out);
    EXPECT_EQ(out.Bytes(), c.bytes) << c.what;
  }
}

TEST(ComponentStream, ExtendedValuesComeBackBitForBit) {
  const Extended values[] = {0.0L,
                             -0.0L,
                             1.0L / 3,
                             -2.5L,
                             1e-4000L,
                             std::numeric_limits<Extended>::max(),
                             std::numeric_limits<Extended>::denorm_min(),
                             std::numeric_limits<Extended>::infinity()};
  TComponentWriter out;
  for (Extended value : values) {
    out.WriteExtended(value);
  }
  TComponentReader in(out.Bytes());
  for (Extended value : values) {
    const Extended read = in.ReadExtended();
    EXPECT_EQ(read, value);
    EXPECT_EQ(std::signbit(read), std::signbit(value));
  }
  EXPECT_TRUE(in.AtEnd());
}

TEST(ComponentStream, ReadingTheWrongTypeOrPastTheEndThrows) {
  TComponentWriter out;
  out.WriteInteger(5);
  out.WriteListBegin();
  out.WriteString("item");
  out.WriteListEnd();
  TComponentReader in(out.Bytes());
  EXPECT_THROW(in.ReadString(), EReadError);
  EXPECT_EQ(in.ReadInteger(), 5);
  in.ReadListBegin();
  EXPECT_FALSE(in.EndOfList());
  EXPECT_EQ(in.ReadString(), "item");
  EXPECT_TRUE(in.EndOfList());
  in.ReadListEnd();
  EXPECT_EQ(messageOf<EReadError>([&] { in.ReadBoolean(); }), "Read past end of stream");
}

TEST(ComponentStream, AStringLongerThanTheRestIsRefused) {
  TComponentReader in(
      "\x02\x09\x00\x00\x00"
      "abc"s);
  EXPECT_THROW(in.ReadString(), EReadError);
}

std::string columnsOf(const TGridTable& table) {
  TComponentWriter out;
  table.WriteColumns(out);
  return out.Bytes();
}

TEST(ColumnStream, DsColumnsReadIntoANewTableWriteTheSameBytes) {
  auto tables = CreateSoilLayerTables();
  const std::string written = columnsOf(tables->D());
  TGridTable copy;
  TComponentReader in(written);
  copy.ReadColumns(in);
  EXPECT_TRUE(in.AtEnd());
  EXPECT_EQ(columnsOf(copy), written);

  ASSERT_EQ(copy.ColumnCount(), 7);
  const int kinds[] = {0, 2, 3, 2, 2, 2, 2};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(copy.Columns(i).KindCode(), kinds[i]) << i;
    EXPECT_EQ(copy.Columns(i).Header, tables->D().Columns(i).Header) << i;
    EXPECT_TRUE(copy.Columns(i).Visible);
    EXPECT_FALSE(copy.Columns(i).GroupShared);
  }
  const auto& types = dynamic_cast<const TEnumColumn&>(copy.Columns(0));
  ASSERT_EQ(types.Items.size(), 9u);
  EXPECT_EQ(types.Items[0], "sand (FHWA Spec.)");
  EXPECT_EQ(types.Items[8], "gravel (Rollins et al)");
  EXPECT_EQ(dynamic_cast<const TFloatColumn&>(copy.Columns(1)).UnitCode, "L2");
  EXPECT_EQ(dynamic_cast<const TFloatColumn&>(copy.Columns(4)).UnitCode, "F/L2^2");
  EXPECT_EQ(dynamic_cast<const TFloatColumn&>(copy.Columns(6)).UnitCode, "");
  EXPECT_EQ(dynamic_cast<const TFloatColumn&>(copy.Columns(6)).Default, 1.0L);
  EXPECT_EQ(dynamic_cast<const TTableColumn&>(copy.Columns(2)).Templates,
            (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 31, 32}));
}

TEST(ColumnStream, IntegerAndStringColumnsComeBackWithTheirSettings) {
  TGridTable table;
  auto& counts = table.AddColumn<TIntColumn>();
  counts.Default = 3;
  counts.Min = -2;
  counts.Max = 40;
  counts.GroupShared = true;
  auto& notes = table.AddColumn<TStringColumn>();
  notes.Default = "none";
  notes.Width = 12.5L;
  notes.Visible = false;
  TGridTable copy;
  TComponentReader in(columnsOf(table));
  copy.ReadColumns(in);
  const auto& readCounts = dynamic_cast<const TIntColumn&>(copy.Columns(0));
  EXPECT_EQ(readCounts.Default, 3);
  EXPECT_EQ(readCounts.Min, -2);
  EXPECT_EQ(readCounts.Max, 40);
  EXPECT_TRUE(readCounts.GroupShared);
  const auto& readNotes = dynamic_cast<const TStringColumn&>(copy.Columns(1));
  EXPECT_EQ(readNotes.Default, "none");
  EXPECT_EQ(readNotes.Width, 12.5L);
  EXPECT_FALSE(readNotes.Visible);
}

TEST(ColumnStream, ReadColumnsGivesTheNewColumnsTheTablesRows) {
  auto tables = CreateSoilLayerTables();
  TGridTable copy;
  copy.TemplateSource = [&tables](int identifier) { return tables->Template(identifier); };
  copy.SetRowCount(2);
  TComponentReader in(columnsOf(tables->D()));
  copy.ReadColumns(in);
  EXPECT_EQ(copy.Cells(0, 1).AsInteger(), 1);
  EXPECT_EQ(copy.Cells(6, 1).AsFloat(), 1.0L);
  ASSERT_NE(copy.Cells(2, 1).AsTable(), nullptr);
  EXPECT_EQ(copy.Cells(2, 1).AsTable()->Caption, "Sand Layer Data");
}

// An enumeration of three items and a table column with the given
// template identifiers.
std::string typesAndLayers(const std::vector<int>& templates) {
  TGridTable table;
  table.AddColumn<TEnumColumn>().Items = {"a", "b", "c"};
  table.AddColumn<TTableColumn>().Templates = templates;
  return columnsOf(table);
}

TEST(ColumnStream, TemplateEntriesAreFittedToTheItemsOfTheFirstColumn) {
  struct Case {
    std::vector<int> written;
    std::vector<int> read;
  };
  const Case cases[] = {
      {{4}, {4, -1, -1}},
      {{4, 5, 6, 7, 8}, {4, 5, 6}},
      {{4, 5, 6}, {4, 5, 6}},
  };
  for (const Case& c : cases) {
    TGridTable table;
    TComponentReader in(typesAndLayers(c.written));
    table.ReadColumns(in);
    EXPECT_EQ(dynamic_cast<const TTableColumn&>(table.Columns(1)).Templates, c.read);
  }
}

TEST(ColumnStream, AnUnknownColumnKindNamesTheColumn) {
  TComponentWriter out;
  out.WriteInteger(1);
  out.WriteInteger(7);
  TGridTable table;
  TComponentReader in(out.Bytes());
  EXPECT_EQ(messageOf<EGridError>([&] { table.ReadColumns(in); }),
            "Error occured when creating column 0: Error Column Class not defined");
}

TEST(ColumnStream, AnUnreadableColumnCountIsReported) {
  for (const std::string& bytes : {""s, "\x02\x00\x00\x00\x00"s, "\x01\xff\xff\xff\xff"s}) {
    TGridTable table;
    TComponentReader in(bytes);
    EXPECT_EQ(messageOf<EGridError>([&] { table.ReadColumns(in); }), "Error reading column count");
  }
}

TEST(ColumnStream, ATruncatedColumnNamesItsNumberAndTheTableKeepsItsColumns) {
  TGridTable source;
  source.AddColumn<TStringColumn>();
  source.AddColumn<TFloatColumn>().UnitCode = "L2";
  const std::string bytes = columnsOf(source);
  TGridTable table;
  table.AddColumn<TIntColumn>();
  TComponentReader in(bytes.substr(0, bytes.size() - 3));
  EXPECT_EQ(messageOf<EGridError>([&] { table.ReadColumns(in); }),
            "Error occured when creating column 1: Read past end of stream");
  ASSERT_EQ(table.ColumnCount(), 1);
  EXPECT_EQ(table.Columns(0).KindCode(), 1);
}

TEST(ColumnStream, AFloatColumnWithoutItsMarkerIsRefused) {
  TComponentWriter out;
  out.WriteInteger(1);
  out.WriteInteger(2);
  out.WriteListBegin();
  out.WriteListEnd();
  out.WriteBoolean(true);
  out.WriteBoolean(false);
  out.WriteBoolean(false);
  out.WriteString("FLOATCOLUMN");
  TGridTable table;
  TComponentReader in(out.Bytes());
  EXPECT_EQ(messageOf<EGridError>([&] { table.ReadColumns(in); }),
            "Error occured when creating column 0: Unknown float column format");
}

}  // namespace
