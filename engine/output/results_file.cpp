#include "output/results_file.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "entry/path_parts.h"
#include "entry/run_status.h"
#include "output/report_units.h"

namespace bormek {
namespace {

// What a number measures, which gives its unit and its conversion.
enum class Quantity {
  kLength,
  kVolume,
  kForce,
  kForcePerVolume,
  kAngle,
  kArea,
  kModulus,
  kMovement
};

struct QuantityUnit {
  Quantity quantity;
  const char* english;
  const char* si;
};

constexpr QuantityUnit kQuantityUnits[] = {
    {Quantity::kLength, "ft", "m"},     {Quantity::kVolume, "yd³", "m³"},
    {Quantity::kForce, "tons", "kN"},   {Quantity::kForcePerVolume, "tons/yd³", "kN/m³"},
    {Quantity::kAngle, "deg", "deg"},   {Quantity::kArea, "in²", "m²"},
    {Quantity::kModulus, "psi", "kPa"}, {Quantity::kMovement, "in", "m"},
};

const char* unitOf(Quantity quantity, bool si) {
  for (const QuantityUnit& unit : kQuantityUnits) {
    if (unit.quantity == quantity) {
      return si ? unit.si : unit.english;
    }
  }
  return "";
}

// A column of the result table: its key, the row's member and what it
// measures.
struct RowColumn {
  const char* key;
  float CapacityRow::*member;
  Quantity quantity;
};

constexpr RowColumn kCommonColumns[] = {
    {"length", &CapacityRow::length, Quantity::kLength},
    {"volume", &CapacityRow::volume, Quantity::kVolume},
    {"ultimate_side_resistance", &CapacityRow::side, Quantity::kForce},
    {"ultimate_base_resistance", &CapacityRow::base, Quantity::kForce},
    {"total_ultimate_resistance", &CapacityRow::ultimate, Quantity::kForce},
};

constexpr RowColumn kAsdColumns[] = {
    {"allowable_load_with_base_factor", &CapacityRow::allowableBase, Quantity::kForce},
    {"allowable_load", &CapacityRow::allowable, Quantity::kForce},
    {"ultimate_resistance_per_volume", &CapacityRow::perVolume, Quantity::kForcePerVolume},
};

constexpr RowColumn kLrfdColumns[] = {
    {"factored_side_resistance", &CapacityRow::factoredSide, Quantity::kForce},
    {"factored_base_resistance", &CapacityRow::factoredBase, Quantity::kForce},
    {"factored_total_resistance", &CapacityRow::factoredTotal, Quantity::kForce},
};

// Every key that holds a number, with what it measures: the file's "units".
struct KeyQuantity {
  const char* key;
  Quantity quantity;
};

constexpr KeyQuantity kKeyQuantities[] = {
    {"design_load", Quantity::kForce},
    {"shaft_length", Quantity::kLength},
    {"stem_diameter", Quantity::kLength},
    {"base_diameter", Quantity::kLength},
    {"bell_height", Quantity::kLength},
    {"bell_angle", Quantity::kAngle},
    {"ignored_top_length", Quantity::kLength},
    {"ignored_bottom_length", Quantity::kLength},
    {"one_percent_steel_area", Quantity::kArea},
    {"elastic_modulus", Quantity::kModulus},
    {"underream_volume", Quantity::kVolume},
    {"length", Quantity::kLength},
    {"volume", Quantity::kVolume},
    {"ultimate_side_resistance", Quantity::kForce},
    {"ultimate_base_resistance", Quantity::kForce},
    {"total_ultimate_resistance", Quantity::kForce},
    {"allowable_load_with_base_factor", Quantity::kForce},
    {"allowable_load", Quantity::kForce},
    {"ultimate_resistance_per_volume", Quantity::kForcePerVolume},
    {"factored_side_resistance", Quantity::kForce},
    {"factored_base_resistance", Quantity::kForce},
    {"factored_total_resistance", Quantity::kForce},
    {"top_load", Quantity::kForce},
    {"top_movement", Quantity::kMovement},
    {"tip_load", Quantity::kForce},
    {"tip_movement", Quantity::kMovement},
};

// A row value in report units, through the report's own conversions.
template <float (*Convert)(float, bool)>
void convertColumn(std::span<const CapacityRow> rows, float CapacityRow::*member, bool si,
                   std::span<float> values) {
  for (std::size_t k = 0; k < rows.size(); ++k) {
    values[k] = Convert(rows[k].*member, si);
  }
}

void columnValues(const RowColumn& column, std::span<const CapacityRow> rows, bool si,
                  std::span<float> values) {
  switch (column.quantity) {
    case Quantity::kLength:
      return convertColumn<reportLength>(rows, column.member, si, values);
    case Quantity::kVolume:
      return convertColumn<reportVolume>(rows, column.member, si, values);
    case Quantity::kForcePerVolume:
      return convertColumn<reportForcePerVolume>(rows, column.member, si, values);
    default:
      return convertColumn<reportForce>(rows, column.member, si, values);
  }
}

const char* const kLineNames[kTzLineCount] = {"trend", "upper_bound", "lower_bound"};

std::string_view trimmedRight(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

std::span<const RowColumn> designColumns(const RunSettings& s) {
  if (s.designMethod == kLrfd) {
    return kLrfdColumns;
  }
  return kAsdColumns;
}

void textOrNull(JsonWriter& json, const char* key, bool known, std::string_view text) {
  json.key(key);
  if (known) {
    json.text(text);
  } else {
    json.null();
  }
}

void numberOrNull(JsonWriter& json, const char* key, bool known, float value) {
  json.key(key);
  if (known) {
    json.number(value);
  } else {
    json.null();
  }
}

void writeSettings(JsonWriter& json, const RunResults& results) {
  const RunSettings& s = results.settings;
  const bool read = results.inputRead;
  const bool designLoad = s.designControl == kDesignLoadGiven;
  textOrNull(json, "project_title", read, trimmedRight(s.title));
  textOrNull(json, "unit_system", read, s.si ? "SI" : "English");
  textOrNull(json, "design_method", read, s.designMethod == kLrfd ? "LRFD" : "ASD");
  textOrNull(json, "design_control", read, designLoad ? "design load" : "shaft length");
  textOrNull(json, "loading", read, s.loadingType == kUplift ? "uplift" : "compression");
  numberOrNull(json, "design_load", read && designLoad, s.designValue);
  numberOrNull(json, "shaft_length", read && !designLoad, s.designValue);
  json.key("factors_of_safety");
  if (read && s.designMethod == kAsd) {
    json.beginObject(true);
    json.key("side");
    json.number(s.fsSide);
    json.key("base");
    json.number(s.fsBase);
    json.endObject();
  } else {
    json.null();
  }
}

void writeUnits(JsonWriter& json, const RunResults& results) {
  json.key("units");
  if (!results.inputRead) {
    json.null();
    return;
  }
  json.beginObject();
  for (const KeyQuantity& entry : kKeyQuantities) {
    json.key(entry.key);
    json.text(unitOf(entry.quantity, results.settings.si));
  }
  json.endObject();
}

void writeStatus(JsonWriter& json, std::int32_t status) {
  json.key("run_status");
  json.beginObject(true);
  json.key("code");
  json.integer(status);
  json.key("meaning");
  json.text(statusMeaning(status));
  json.endObject();
}

const char* kindOf(NoteKind kind) {
  switch (kind) {
    case NoteKind::kError:
      return "error";
    case NoteKind::kWarning:
      return "warning";
    case NoteKind::kNote:
      break;
  }
  return "note";
}

void writeNotes(JsonWriter& json, const NoteMessages& notes) {
  json.key("run_notes");
  json.beginArray();
  for (const NoteMessage& message : notes.messages()) {
    json.beginObject(true);
    json.key("kind");
    json.text(kindOf(message.kind));
    json.key("lines");
    json.beginArray();
    for (const std::string& line : message.lines) {
      json.text(line);
    }
    json.endArray();
    json.endObject();
  }
  json.endArray();
}

void writeGeometry(JsonWriter& json, const DiameterResults& d, bool si) {
  const ShaftGeometry& g = d.geometry;
  const std::pair<const char*, float> values[] = {
      {"stem_diameter", reportLength(g.stemDiameter, si)},
      {"base_diameter", reportLength(g.baseDiameter, si)},
      {"bell_height", reportLength(g.bellHeight, si)},
      {"bell_angle", d.bellAngleDeg},
      {"ignored_top_length", reportLength(d.topLengthFt, si)},
      {"ignored_bottom_length", reportLength(d.bottomLengthFt, si)},
      {"one_percent_steel_area", reportSteelArea(g.steelArea, si)},
      {"elastic_modulus", d.modulusAsInput},
      {"underream_volume", reportVolume(g.underreamVolume, si)},
  };
  json.key("geometry");
  json.beginObject();
  for (const auto& [key, value] : values) {
    json.key(key);
    json.number(value);
  }
  json.endObject();
}

// A table is written column by column: each key holds the column's values
// in row order, so a table of many rows stays small and quick to read.
void writeRowTable(JsonWriter& json, std::span<const CapacityRow> rows,
                   std::span<const RowColumn> design, bool si) {
  std::vector<float> values(rows.size());
  json.beginObject();
  for (const std::span<const RowColumn> columns :
       {std::span<const RowColumn>(kCommonColumns), design}) {
    for (const RowColumn& column : columns) {
      columnValues(column, rows, si, values);
      json.key(column.key);
      json.numberArray(values);
    }
  }
  json.endObject();
}

void writeRowRecord(JsonWriter& json, const CapacityRow& row, std::span<const RowColumn> design,
                    bool si) {
  json.beginObject(true);
  for (const std::span<const RowColumn> columns :
       {std::span<const RowColumn>(kCommonColumns), design}) {
    for (const RowColumn& column : columns) {
      float value = 0.0f;
      columnValues(column, std::span(&row, 1), si, std::span(&value, 1));
      json.key(column.key);
      json.number(value);
    }
  }
  json.endObject();
}

const char* methodName(SettlementMethod method) {
  switch (method) {
    case SettlementMethod::kRockSocket:
      return "rock socket";
    case SettlementMethod::kDecomposedRock:
      return "decomposed rock";
    case SettlementMethod::kWeakRock:
      return "weak rock";
    case SettlementMethod::kLoadTransfer:
      break;
  }
  return "load transfer";
}

void writeLine(JsonWriter& json, const char* name, const SettlementLine& line) {
  using PointValue = float SettlementPoint::*;
  const std::pair<const char*, PointValue> columns[] = {
      {"top_load", &SettlementPoint::topLoad},
      {"top_movement", &SettlementPoint::topMovement},
      {"tip_load", &SettlementPoint::tipLoad},
      {"tip_movement", &SettlementPoint::tipMovement},
  };
  std::array<float, kSettlementPoints> values{};
  json.beginObject();
  json.key("name");
  json.text(name);
  for (const auto& [key, member] : columns) {
    std::transform(line.begin(), line.end(), values.begin(),
                   [field = member](const SettlementPoint& point) { return point.*field; });
    json.key(key);
    json.numberArray(values);
  }
  json.endObject();
}

void writeSettlement(JsonWriter& json, const DiameterResults& d) {
  json.key("load_settlement");
  if (d.lineCount == 0) {
    json.null();
    return;
  }
  json.beginObject();
  json.key("method");
  json.text(methodName(d.method));
  json.key("lines");
  json.beginArray();
  if (d.lineCount == 1) {
    writeLine(json, "single", d.lines[0]);
  } else {
    for (int k = 0; k < kTzLineCount; ++k) {
      writeLine(json, kLineNames[k], d.lines[static_cast<std::size_t>(k)]);
    }
  }
  json.endArray();
  json.endObject();
}

// The members after "most_efficient": all but that member depends only on
// the diameter and the settings as read.
void writeDiameterMembers(JsonWriter& json, const DiameterResults& d, const RunSettings& s) {
  const bool si = s.si;
  const std::span<const RowColumn> design = designColumns(s);
  writeGeometry(json, d, si);
  json.key("rows");
  writeRowTable(json, d.rows, design, si);
  json.key("increment_rows");
  if (s.designControl == kShaftLengthGiven && !d.rows.empty()) {
    writeRowTable(json, d.incrementRows, design, si);
  } else {
    json.null();
  }
  json.key("design_row");
  if (d.designRowReached && !d.rows.empty()) {
    writeRowRecord(json, d.rows.back(), design, si);
  } else {
    json.null();
  }
  writeSettlement(json, d);
}

void writeMostEfficient(JsonWriter& json, const RunResults& results) {
  json.key("most_efficient_shaft");
  if (!results.mostEfficientWritten) {
    json.null();
    return;
  }
  const BestShaft& best = results.mostEfficient;
  const bool si = results.settings.si;
  const std::pair<const char*, float> values[] = {
      {"stem_diameter", reportLength(best.stemDiameter, si)},
      {"base_diameter", reportLength(best.baseDiameter, si)},
      {"length", reportLength(best.length, si)},
      {"volume", reportVolume(best.volume, si)},
      {"total_ultimate_resistance", reportForce(best.ultimate, si)},
      {"ultimate_resistance_per_volume", reportForcePerVolume(best.perVolume, si)},
  };
  json.beginObject();
  for (const auto& [key, value] : values) {
    json.key(key);
    json.number(value);
  }
  json.endObject();
}

// The members of a diameter stand three containers deep: in the document's
// object, the array of diameters and the diameter's object.
constexpr std::size_t kDiameterMemberDepth = 3;

// Each diameter with its members written while the run went on or, for a
// diameter the run stopped in, now.
void writeDiameters(JsonWriter& json, const RunResults& results) {
  const RunSettings& s = results.settings;
  for (std::size_t k = 0; k < results.diameters.size(); ++k) {
    const DiameterResults& d = results.diameters[k];
    json.beginObject();
    json.key("stem_diameter");
    json.number(reportLength(d.geometry.stemDiameter, s.si));
    json.key("most_efficient");
    json.boolean(results.mostEfficientWritten &&
                 results.mostEfficientDiameter == static_cast<int>(k));
    if (k < results.diameterRests.size() && results.diameterRests[k]) {
      json.members(*results.diameterRests[k]);
    } else {
      writeDiameterMembers(json, d, s);
    }
    json.endObject();
  }
}

}  // namespace

std::string diameterRestText(const DiameterResults& d, const RunSettings& settings) {
  std::string text;
  JsonWriter json([&text](std::string_view piece) { text += piece; }, kDiameterMemberDepth);
  writeDiameterMembers(json, d, settings);
  json.flush();
  return text;
}

void writeResults(const RunResults& results, const NoteMessages& notes, std::int32_t status,
                  const JsonWriter::Sink& sink) {
  JsonWriter json(sink);
  json.beginObject();
  json.key("format_version");
  json.integer(kResultsFormatVersion);
  json.key("program_version");
  json.text(trimmedRight(results.versionLabel));
  json.key("input_file");
  json.text(fileNameOf(results.inputPath));
  writeSettings(json, results);
  writeUnits(json, results);
  writeStatus(json, status);
  writeNotes(json, notes);
  json.key("diameters");
  json.beginArray();
  writeDiameters(json, results);
  json.endArray();
  writeMostEfficient(json, results);
  json.endObject();
}

}  // namespace bormek
