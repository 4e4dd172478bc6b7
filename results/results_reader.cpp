#include "results/results_reader.h"

#include <fstream>
#include <iterator>
#include <limits>
#include <nlohmann/json.hpp>

namespace {

// Objects keep the order of the file, which the workbook's columns follow.
using Json = nlohmann::ordered_json;

constexpr int kFormatVersion = 1;
constexpr double kMissing = std::numeric_limits<double>::quiet_NaN();

const Json& member(const Json& object, const char* key) {
  static const Json kNull;
  if (!object.is_object()) {
    return kNull;
  }
  const auto found = object.find(key);
  return found == object.end() ? kNull : *found;
}

double numberOf(const Json& value) {
  return value.is_number() ? value.get<double>() : kMissing;
}

std::string textOf(const Json& value) {
  return value.is_string() ? value.get<std::string>() : std::string();
}

NamedValues namedValuesOf(const Json& object) {
  NamedValues values;
  if (object.is_object()) {
    for (const auto& [key, value] : object.items()) {
      values.emplace_back(key, numberOf(value));
    }
  }
  return values;
}

// A table written column by column; keys that are not lists are skipped.
ResultTable tableOf(const Json& object) {
  ResultTable table;
  if (!object.is_object()) {
    return table;
  }
  for (const auto& [key, column] : object.items()) {
    if (!column.is_array()) {
      continue;
    }
    std::vector<double> values;
    for (const Json& value : column) {
      values.push_back(numberOf(value));
    }
    table.keys.push_back(key);
    table.columns.push_back(std::move(values));
  }
  return table;
}

std::vector<SettlementLineResult> linesOf(const Json& settlement) {
  std::vector<SettlementLineResult> lines;
  const Json& list = member(settlement, "lines");
  if (!list.is_array()) {
    return lines;
  }
  for (const Json& line : list) {
    ResultTable points = tableOf(line);
    lines.push_back({textOf(member(line, "name")), std::move(points)});
  }
  return lines;
}

DiameterResult diameterOf(const Json& object) {
  DiameterResult d;
  d.stemDiameter = numberOf(member(object, "stem_diameter"));
  const Json& marked = member(object, "most_efficient");
  d.mostEfficient = marked.is_boolean() && marked.get<bool>();
  d.geometry = namedValuesOf(member(object, "geometry"));
  d.rows = tableOf(member(object, "rows"));
  if (member(object, "increment_rows").is_object()) {
    d.incrementRows = tableOf(member(object, "increment_rows"));
  }
  if (member(object, "design_row").is_object()) {
    d.designRow = namedValuesOf(member(object, "design_row"));
  }
  const Json& settlement = member(object, "load_settlement");
  d.settlementMethod = textOf(member(settlement, "method"));
  d.lines = linesOf(settlement);
  return d;
}

void readSettings(const Json& root, ResultsDocument& document) {
  document.programVersion = textOf(member(root, "program_version"));
  document.inputFile = textOf(member(root, "input_file"));
  document.title = textOf(member(root, "project_title"));
  document.unitSystem = textOf(member(root, "unit_system"));
  document.designMethod = textOf(member(root, "design_method"));
  document.designControl = textOf(member(root, "design_control"));
  document.loading = textOf(member(root, "loading"));
  document.designLoad = numberOf(member(root, "design_load"));
  document.shaftLength = numberOf(member(root, "shaft_length"));
  const Json& units = member(root, "units");
  if (units.is_object()) {
    for (const auto& [key, unit] : units.items()) {
      document.units[key] = textOf(unit);
    }
  }
}

void readRun(const Json& root, ResultsDocument& document) {
  const Json& status = member(root, "run_status");
  const Json& code = member(status, "code");
  document.statusCode = code.is_number_integer() ? code.get<int>() : -1;
  document.statusMeaning = textOf(member(status, "meaning"));
  const Json& notes = member(root, "run_notes");
  if (notes.is_array()) {
    for (const Json& note : notes) {
      RunNoteResult entry{textOf(member(note, "kind")), {}};
      const Json& lines = member(note, "lines");
      if (lines.is_array()) {
        for (const Json& line : lines) {
          entry.lines.push_back(textOf(line));
        }
      }
      document.notes.push_back(std::move(entry));
    }
  }
}

ResultsDocument documentOf(const Json& root) {
  ResultsDocument document;
  document.formatVersion = kFormatVersion;
  readSettings(root, document);
  readRun(root, document);
  const Json& diameters = member(root, "diameters");
  if (diameters.is_array()) {
    for (const Json& diameter : diameters) {
      document.diameters.push_back(diameterOf(diameter));
    }
  }
  if (member(root, "most_efficient_shaft").is_object()) {
    document.mostEfficient = namedValuesOf(member(root, "most_efficient_shaft"));
  }
  return document;
}

}  // namespace

std::optional<ResultsDocument> readResultsText(const std::string& text, std::string& problem) {
  const Json root = Json::parse(text, nullptr, false);
  if (root.is_discarded()) {
    problem = "it is not JSON";
    return std::nullopt;
  }
  const Json& version = member(root, "format_version");
  if (!version.is_number_integer() || version.get<int>() != kFormatVersion) {
    problem = "it is not a results file of format version " + std::to_string(kFormatVersion);
    return std::nullopt;
  }
  try {
    return documentOf(root);
  } catch (const std::exception& error) {
    problem = error.what();
    return std::nullopt;
  }
}

std::optional<ResultsDocument> readResultsFile(const std::string& path, std::string& problem) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    problem = "it cannot be opened";
    return std::nullopt;
  }
  const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return readResultsText(text, problem);
}
