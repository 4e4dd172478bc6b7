// The engine's results file as the programs read it back: the same keys
// and numbers (docs/results-format.md), each number as the double nearest
// its text in the file, so that a workbook or a summary shows the file's
// digits. A number the file holds as null reads as NaN, a text as empty.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Keyed numbers in the order of the file.
using NamedValues = std::vector<std::pair<std::string, double>>;

// NaN when `key` is not among `values`.
double valueOf(const NamedValues& values, const std::string& key);

// A table of the file, column by column, in the order of the file.
struct ResultTable {
  std::vector<std::string> keys;
  std::vector<std::vector<double>> columns;

  std::size_t rowCount() const { return columns.empty() ? 0 : columns.front().size(); }
  // NaN when there is no such column or row.
  double value(const std::string& key, std::size_t row) const;
};

struct SettlementLineResult {
  std::string name;  // trend, upper_bound, lower_bound or single
  ResultTable points;
};

struct DiameterResult {
  double stemDiameter = 0.0;
  bool mostEfficient = false;
  NamedValues geometry;
  ResultTable rows;
  std::optional<ResultTable> incrementRows;
  std::optional<NamedValues> designRow;
  std::string settlementMethod;  // empty when the file has no lines
  std::vector<SettlementLineResult> lines;
};

struct RunNoteResult {
  std::string kind;
  std::vector<std::string> lines;
};

struct ResultsDocument {
  int formatVersion = 0;
  std::string programVersion;
  std::string inputFile;
  std::string title;
  std::string unitSystem;  // English or SI; empty when the input was not read
  std::string designMethod;
  std::string designControl;
  std::string loading;
  double designLoad = 0.0;   // NaN in shaft-length mode
  double shaftLength = 0.0;  // NaN in design-load mode
  std::map<std::string, std::string> units;
  int statusCode = 0;
  std::string statusMeaning;
  std::vector<RunNoteResult> notes;
  std::vector<DiameterResult> diameters;
  std::optional<NamedValues> mostEfficient;

  bool lrfd() const { return designMethod == "LRFD"; }
  // The unit of `key`, or empty.
  std::string unitOf(const std::string& key) const;
  // The key of the design capacity: the allowable load (ASD) or the
  // factored resistance (LRFD).
  const char* designCapacityKey() const;
};
