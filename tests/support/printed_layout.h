// The numbers the report and the plot-data file print, read back by their
// documented layouts, so that the results file can be compared with them:
// the geometry block, the result rows, the load-settlement tables and the
// most efficient shaft of the report; the blocks of the plot-data file.
// Fields are kept as printed text; `expectShows` compares a value with a
// field to the field's own printed precision.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace bormek::testing {

inline constexpr std::size_t kLinePoints = 15;

using PrintedRow = std::vector<std::string>;

struct ReportDiameter {
  std::vector<std::string> geometry;  // the nine values of the geometry block, in order
  std::vector<PrintedRow> rows;       // the eight columns of each result row
  // The t-z tables (trend, upper, lower): top load, top movement, tip load,
  // tip movement; or the one-line table: top load, top movement.
  std::vector<std::vector<PrintedRow>> lines;
};

struct PrintedReport {
  std::string title;  // the echo's title line, trailing blanks trimmed
  std::vector<ReportDiameter> diameters;
  std::vector<std::string> mostEfficient;  // stem, base, length, volume, QU, QU/volume
};

PrintedReport readReport(const std::vector<std::string>& reportAfterHead);

struct PlotBlock {
  int lineCount = 0;              // M of the block header
  std::string firstDepth;         // of the second literal row
  std::vector<PrintedRow> rows;   // seven values a depth row
  std::vector<PrintedRow> lines;  // four values a load-settlement row
};

std::vector<PlotBlock> readPlotFile(const std::vector<std::string>& lines);

// Checks that `value` rounds to the printed `field` at the field's last
// printed digit (fixed or exponent form); `what` names it in a failure.
void expectShows(double value, const std::string& field, const std::string& what);

}  // namespace bormek::testing
