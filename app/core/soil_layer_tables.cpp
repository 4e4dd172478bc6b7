#include "core/soil_layer_tables.h"

#include <climits>

#include "core/grid_enum_column.h"
#include "core/grid_float_column.h"
#include "core/grid_int_column.h"
#include "core/grid_table_column.h"

namespace {

enum class Kind { Float, Integer, Enumeration, Table };

// One column; the fields that its kind does not use stay empty.
struct ColumnDefinition {
  Kind kind;
  std::vector<std::string> header;
  std::string unitCode;            // float
  Extended defaultValue = 0;       // float
  int minimum = 0;                 // integer, whose default is 0
  int maximum = 0;                 // integer
  std::vector<std::string> items;  // enumeration
  std::vector<int> templates;      // table
};

struct TableDefinition {
  int identifier;
  const char* component;
  const char* caption;
  int maxRows;
  int minRows;
  bool hardwiredButton;
  const char* topLeft;
  std::vector<ColumnDefinition> columns;
};

constexpr int kTemplateRows = 2;  // row 1: top of the layer, row 2: bottom
const char* const kLayerLocation = "Location, 1=Top, 2=Bottom";

ColumnDefinition floatColumn(std::vector<std::string> header, std::string unitCode = "",
                             Extended defaultValue = 0) {
  return {Kind::Float, std::move(header), std::move(unitCode), defaultValue, 0, 0, {}, {}};
}

ColumnDefinition intColumn(std::vector<std::string> header, int minimum, int maximum) {
  return {Kind::Integer, std::move(header), "", 0, minimum, maximum, {}, {}};
}

ColumnDefinition enumColumn(std::vector<std::string> header, std::vector<std::string> items) {
  return {Kind::Enumeration, std::move(header), "", 0, 0, 0, std::move(items), {}};
}

ColumnDefinition tableColumn(std::vector<std::string> header, std::vector<int> templates) {
  return {Kind::Table, std::move(header), "", 0, 0, 0, {}, std::move(templates)};
}

std::vector<ColumnDefinition> clayColumns() {
  return {floatColumn({"Total Unit Weight", " "}, "F/L2^3"),
          floatColumn({"Cohesion", " "}, "F/L2^2"),
          intColumn({"Blow Counts", "-Optional-"}, 0, 100), floatColumn({"Alpha", "Factor"}),
          floatColumn({"Bearing Capacity", "Coefficient, Nc"})};
}

std::vector<ColumnDefinition> strongRockColumns(const std::string& thicknessHeader,
                                                std::vector<std::string> rqdHeader) {
  return {floatColumn({"Rock Compressive", "Strength"}, "F/L2^2"),
          floatColumn({"Concrete Compressive", "Strength"}, "F/L2^2"),
          floatColumn({"Discontinuity", "Spacing"}, "L2"),
          floatColumn({thicknessHeader, "Thickness"}, "L2"),
          floatColumn({"Socket", "Diameter"}, "L2"),
          floatColumn({"Elastic", "Modulus"}, "F/L^2"),
          floatColumn(std::move(rqdHeader))};
}

std::vector<ColumnDefinition> gravelColumns() {
  return {floatColumn({"Total Unit Weight", ""}, "F/L2^3"),
          intColumn({"Blow Counts"}, INT_MIN, INT_MAX), floatColumn({"Beta", "(optional)"})};
}

TableDefinition templateTable(int identifier, const char* component, const char* caption,
                              bool hardwiredButton, const char* topLeft,
                              std::vector<ColumnDefinition> columns) {
  return {identifier,    component,       caption, kTemplateRows,
          kTemplateRows, hardwiredButton, topLeft, std::move(columns)};
}

// In the order of D's soil types.
std::vector<TableDefinition> templateDefinitions() {
  return {
      templateTable(
          1, "tblDataSand", "Sand Layer Data", true, kLayerLocation,
          {floatColumn({"Total Unit Weight", " "}, "F/L2^3"), floatColumn({"  ", "Friction Angle"}),
           intColumn({"Blow Counts", "-Optional-"}, 0, 100), floatColumn({"  ", "Ko  "}),
           floatColumn({"  ", "Beta  "})}),
      templateTable(2, "tblDataClay", "Clay Layer Data", true, kLayerLocation, clayColumns()),
      templateTable(3, "tblDataShale", "Shale Layer Data", true, kLayerLocation, clayColumns()),
      templateTable(4, "tblDataStrongRock", "Strong Rock Layer Data", true, kLayerLocation,
                    strongRockColumns("Dicontinuity", {"  ", "RQD, %"})),
      templateTable(
          5, "tblDataGravel", "Decomposed Geo. Layer Data", true, kLayerLocation,
          {floatColumn({"Total Unit Weight,", " "}, "F/L2^3"),
           intColumn({"Blow Counts", "(SPT Test)"}, 0, 100), floatColumn({"Poisson's", "Ratio"}),
           floatColumn({"Young's Modulus", "-optional-"}, "F/L^2"),
           floatColumn({"Socket", "Diameter"}, "L2")}),
      templateTable(
          6, "tblDataWeakRock", "Weak Rock Layer Data", true, kLayerLocation,
          {floatColumn({"Rock Compressive", "Strength"}, "F/L2^2"),
           enumColumn({"Interface", "Condition"},
                      {"Rough Surface w/closed joints", "Smooth Surface w/closed joints",
                       "Rough Surface w/open joints", "Smooth Surface w/open joints"}),
           floatColumn({"Concrete ", "Slump"}, "L"),
           floatColumn({"Interface Friction", "Angle, Deg."}),
           floatColumn({"Socket ", "Diameter"}, "L2"),
           floatColumn({"Elastic Modulus of", "Rock Core"}, "F/L^2"), floatColumn({"RQD", "(%)"})}),
      templateTable(7, "tblNewStrongRock", "Strong Rock Layer Data", true, kLayerLocation,
                    strongRockColumns("Discontinuity", {"", "RQD,%"})),
      templateTable(31, "tblDataGravellysand", "Gravelly Sand Layer Data", false, "",
                    gravelColumns()),
      templateTable(32, "tblRollinsGravel", "Gravel Layer Data", false, "", gravelColumns()),
  };
}

// D's columns, in the order soil_layer_columns.h names them.
TableDefinition soilLayerDefinition(std::vector<int> templateIdentifiers) {
  return {10,
          "D",
          "Soil Layer Data",
          20,
          1,
          false,
          "Layer",
          {enumColumn({"                    Soil Type                      "},
                      {"sand (FHWA Spec.)", "clay (FHWA Spec.)", "shale (Reese &Aurora)",
                       "strong rock (FHWA - use either side friction or end bearing)",
                       "decomposed rock/gravel (FHWA Spec.)", "weak rock (FHWA Spec.)",
                       "strong rock (side friction+end bearing)", "gravelly sand (Rollins et al)",
                       "gravel (Rollins et al)"}),
           floatColumn({"Depth at Bottom ", "of each Layer"}, "L2"),
           tableColumn({"                   Layer  Data", "               "},
                       std::move(templateIdentifiers)),
           floatColumn({"Max. Side ", "Friction"}, "F/L2^2"),
           floatColumn({"Max. End ", "Bearing"}, "F/L2^2"),
           floatColumn({"LRFD Resistance Factor", "(Side Friction)"}, "", 1.0L),
           floatColumn({"LRFD Resistance Factor", "(End Bearing)"}, "", 1.0L)}};
}

TColumn& addColumn(TGridTable& table, const ColumnDefinition& definition) {
  switch (definition.kind) {
    case Kind::Float: {
      auto& column = table.AddColumn<TFloatColumn>();
      column.UnitCode = definition.unitCode;
      column.Default = definition.defaultValue;
      return column;
    }
    case Kind::Integer: {
      auto& column = table.AddColumn<TIntColumn>();
      column.Min = definition.minimum;
      column.Max = definition.maximum;
      return column;
    }
    case Kind::Enumeration: {
      auto& column = table.AddColumn<TEnumColumn>();
      column.Items = definition.items;
      return column;
    }
    case Kind::Table:
      break;
  }
  auto& column = table.AddColumn<TTableColumn>();
  column.Templates = definition.templates;
  return column;
}

// The table with its columns but no rows yet: D needs its template source
// before its first row clones a template.
std::unique_ptr<TGridTable> createTable(const TableDefinition& definition) {
  auto table = std::make_unique<TGridTable>();
  table->SetIdentifier(definition.identifier);
  table->Caption = definition.caption;
  table->MaxRows = definition.maxRows;
  table->SetMinRows(definition.minRows);
  table->HardwiredButton = definition.hardwiredButton;
  table->TopLeft = definition.topLeft;
  for (const ColumnDefinition& column : definition.columns) {
    addColumn(*table, column).Header = column.header;
  }
  return table;
}

}  // namespace

// The templates come first so that D's first row finds its sand template.
SoilLayerTables::SoilLayerTables() {
  std::vector<int> templateIdentifiers;
  for (const TableDefinition& definition : templateDefinitions()) {
    templates_.push_back({definition.component, definition.identifier, createTable(definition)});
    templates_.back().table->SetRowCount(definition.minRows);
    templateIdentifiers.push_back(definition.identifier);
  }
  d_ = createTable(soilLayerDefinition(std::move(templateIdentifiers)));
  d_->TemplateSource = [this](int identifier) { return Template(identifier); };
  d_->SetRowCount(d_->MinRows());
}

std::vector<TGridTable*> SoilLayerTables::All() {
  std::vector<TGridTable*> all = {d_.get()};
  for (const NamedTemplate& entry : templates_) {
    all.push_back(entry.table.get());
  }
  return all;
}

TGridTable* SoilLayerTables::Template(int identifier) const {
  for (const NamedTemplate& entry : templates_) {
    if (entry.identifier == identifier) {
      return entry.table.get();
    }
  }
  return nullptr;
}

TGridTable* SoilLayerTables::Component(const std::string& name) const {
  if (name == "D") {
    return d_.get();
  }
  for (const NamedTemplate& entry : templates_) {
    if (entry.component == name) {
      return entry.table.get();
    }
  }
  return nullptr;
}

std::unique_ptr<SoilLayerTables> CreateSoilLayerTables() {
  return std::unique_ptr<SoilLayerTables>(new SoilLayerTables);
}
