#include "results/results_workbook.h"

#include <xlsxwriter.h>

#include <cmath>
#include <set>
#include <string_view>

#include "results/classic_numbers.h"
#include "results/number_text.h"

namespace {

constexpr double kColumnWidth = 16.0;
constexpr lxw_row_t kSummaryTableRow = 9;
constexpr const char* kSummarySheet = "Summary";
constexpr const char* kSettlementSheet = "Load-Settlement";

// Header words of each key; the unit follows in parentheses.
struct KeyLabel {
  const char* key;
  const char* label;
  const char* upliftLabel;  // where uplift turns the base column into the shaft's weight
};

constexpr KeyLabel kLabels[] = {
    {"length", "Length", nullptr},
    {"volume", "Volume", nullptr},
    {"ultimate_side_resistance", "QS ultimate side resistance", nullptr},
    {"ultimate_base_resistance", "QB ultimate base resistance", "WT shaft weight"},
    {"total_ultimate_resistance", "QU total ultimate resistance", nullptr},
    {"allowable_load_with_base_factor", "QBD allowable load, base factored", nullptr},
    {"allowable_load", "QDN allowable load", nullptr},
    {"ultimate_resistance_per_volume", "QU/VOLUME", nullptr},
    {"factored_side_resistance", "LRFD QS factored side resistance", nullptr},
    {"factored_base_resistance", "LRFD QB factored base resistance", "LRFD WT shaft weight"},
    {"factored_total_resistance", "LRFD QU factored resistance", nullptr},
    {"stem_diameter", "Stem diameter", nullptr},
    {"top_load", "Top load", nullptr},
    {"top_movement", "Top movement", nullptr},
    {"tip_load", "Tip load", nullptr},
    {"tip_movement", "Tip movement", nullptr},
};

std::string headerOf(const ResultsDocument& results, const std::string& key) {
  std::string label = key;
  for (const KeyLabel& entry : kLabels) {
    if (key == entry.key) {
      label = results.loading == "uplift" && entry.upliftLabel != nullptr ? entry.upliftLabel
                                                                          : entry.label;
    }
  }
  const std::string unit = results.unitOf(key);
  return unit.empty() ? label : label + " (" + unit + ")";
}

// One sheet being written, with the header format of the workbook.
struct Sheet {
  lxw_worksheet* sheet;
  lxw_format* header;

  void text(lxw_row_t row, lxw_col_t column, const std::string& value) const {
    worksheet_write_string(sheet, row, column, value.c_str(), nullptr);
  }
  void heading(lxw_row_t row, lxw_col_t column, const std::string& value) const {
    worksheet_write_string(sheet, row, column, value.c_str(), header);
  }
  // A missing number leaves the cell empty.
  void number(lxw_row_t row, lxw_col_t column, double value) const {
    if (std::isfinite(value)) {
      worksheet_write_number(sheet, row, column, value, nullptr);
    }
  }
};

void writeSettings(const Sheet& sheet, const ResultsDocument& results) {
  const std::pair<const char*, std::string> lines[] = {
      {"Project", results.title},
      {"Input file", results.inputFile},
      {"Program version", results.programVersion},
      {"Unit system", results.unitSystem},
      {"Design method", results.designMethod},
      {"Design control", results.designControl},
      {"Loading", results.loading},
      {"Run status", results.statusMeaning},
  };
  lxw_row_t row = 0;
  for (const auto& [label, value] : lines) {
    sheet.heading(row, 0, label);
    sheet.text(row, 1, value);
    ++row;
  }
  const bool designLoad = results.designControl == "design load";
  sheet.number(5, 2, designLoad ? results.designLoad : results.shaftLength);
  sheet.text(5, 3, results.unitOf(designLoad ? "design_load" : "shaft_length"));
  sheet.number(7, 2, results.statusCode);
}

void writeDiameterLines(const Sheet& sheet, const ResultsDocument& results) {
  const std::string capacity = results.designCapacityKey();
  const std::string headers[] = {headerOf(results, "stem_diameter"),
                                 "Design length (" + results.unitOf("length") + ")",
                                 headerOf(results, "volume"),
                                 headerOf(results, "total_ultimate_resistance"),
                                 headerOf(results, capacity),
                                 "Design row",
                                 "Most efficient shaft"};
  lxw_col_t column = 0;
  for (const std::string& header : headers) {
    sheet.heading(kSummaryTableRow, column++, header);
  }
  lxw_row_t row = kSummaryTableRow + 1;
  for (const DiameterResult& d : results.diameters) {
    sheet.number(row, 0, d.stemDiameter);
    if (d.designRow) {
      sheet.number(row, 1, valueOf(*d.designRow, "length"));
      sheet.number(row, 2, valueOf(*d.designRow, "volume"));
      sheet.number(row, 3, valueOf(*d.designRow, "total_ultimate_resistance"));
      sheet.number(row, 4, valueOf(*d.designRow, capacity));
    }
    sheet.text(row, 5, d.designRow ? "reached" : "not reached");
    sheet.text(row, 6, d.mostEfficient ? "yes" : "");
    ++row;
  }
}

void writeNotes(const Sheet& sheet, const ResultsDocument& results) {
  lxw_row_t row = kSummaryTableRow + static_cast<lxw_row_t>(results.diameters.size()) + 2;
  sheet.heading(row++, 0, "Run notes");
  for (const RunNoteResult& note : results.notes) {
    std::string text;
    for (const std::string& line : note.lines) {
      text += (text.empty() ? "" : " ") + line;
    }
    sheet.text(row, 0, note.kind);
    sheet.text(row++, 1, text);
  }
}

// A table's header and rows from `firstColumn` on.
void writeTable(const Sheet& sheet, const ResultsDocument& results, const ResultTable& table,
                lxw_col_t firstColumn, const std::string& headerPrefix) {
  for (std::size_t k = 0; k < table.keys.size(); ++k) {
    const auto column = static_cast<lxw_col_t>(firstColumn + k);
    sheet.heading(0, column, headerPrefix + headerOf(results, table.keys[k]));
    for (std::size_t row = 0; row < table.columns[k].size(); ++row) {
      sheet.number(static_cast<lxw_row_t>(row + 1), column, table.columns[k][row]);
    }
  }
}

std::string diameterSheetName(const ResultsDocument& results, const DiameterResult& d,
                              std::set<std::string>& used) {
  const std::string base = "D " + shortestText(d.stemDiameter) + " " + results.unitOf("length");
  std::string name = base;
  for (int copy = 2; used.count(name) > 0; ++copy) {
    name = base + " (" + std::to_string(copy) + ")";
  }
  used.insert(name);
  return name;
}

void writeDiameterSheet(const Sheet& sheet, const ResultsDocument& results,
                        const DiameterResult& d) {
  writeTable(sheet, results, d.rows, 0, "");
  const auto marker = static_cast<lxw_col_t>(d.rows.keys.size());
  sheet.heading(0, marker, "Design row");
  if (d.designRow && d.rows.rowCount() > 0) {
    sheet.text(static_cast<lxw_row_t>(d.rows.rowCount()), marker, "design row");
  }
  if (d.incrementRows) {
    writeTable(sheet, results, *d.incrementRows, marker + 2, "At increment: ");
  }
  worksheet_freeze_panes(sheet.sheet, 1, 0);
}

void writeSettlementSheet(const Sheet& sheet, const ResultsDocument& results) {
  const char* const pointKeys[] = {"top_load", "top_movement", "tip_load", "tip_movement"};
  sheet.heading(0, 0, headerOf(results, "stem_diameter"));
  sheet.heading(0, 1, "Method");
  sheet.heading(0, 2, "Line");
  sheet.heading(0, 3, "Point");
  for (std::size_t k = 0; k < std::size(pointKeys); ++k) {
    sheet.heading(0, static_cast<lxw_col_t>(4 + k), headerOf(results, pointKeys[k]));
  }
  lxw_row_t row = 1;
  for (const DiameterResult& d : results.diameters) {
    for (const SettlementLineResult& line : d.lines) {
      for (std::size_t point = 0; point < line.points.rowCount(); ++point) {
        sheet.number(row, 0, d.stemDiameter);
        sheet.text(row, 1, d.settlementMethod);
        sheet.text(row, 2, line.name);
        sheet.number(row, 3, static_cast<double>(point + 1));
        for (std::size_t k = 0; k < std::size(pointKeys); ++k) {
          sheet.number(row, static_cast<lxw_col_t>(4 + k), line.points.value(pointKeys[k], point));
        }
        ++row;
      }
    }
  }
  worksheet_freeze_panes(sheet.sheet, 1, 0);
}

Sheet addSheet(lxw_workbook* book, const std::string& name, lxw_format* header, lxw_col_t columns) {
  lxw_worksheet* sheet = workbook_add_worksheet(book, name.c_str());
  worksheet_set_column(sheet, 0, columns, kColumnWidth, nullptr);
  return {sheet, header};
}

}  // namespace

bool writeResultsWorkbook(const ResultsDocument& results, const std::string& path,
                          std::string& problem) {
  const ClassicNumbersInThisThread classicNumbers;
  lxw_workbook* book = workbook_new(path.c_str());
  if (book == nullptr) {
    problem = "the workbook cannot be started";
    return false;
  }
  lxw_format* header = workbook_add_format(book);
  format_set_bold(header);
  format_set_text_wrap(header);
  constexpr lxw_col_t kSummaryColumns = 6;
  constexpr lxw_col_t kSettlementColumns = 7;

  const Sheet summary = addSheet(book, kSummarySheet, header, kSummaryColumns);
  writeSettings(summary, results);
  writeDiameterLines(summary, results);
  writeNotes(summary, results);
  std::set<std::string> used = {kSummarySheet, kSettlementSheet};
  for (const DiameterResult& d : results.diameters) {
    const auto columns = static_cast<lxw_col_t>(2 * d.rows.keys.size() + 2);
    writeDiameterSheet(addSheet(book, diameterSheetName(results, d, used), header, columns),
                       results, d);
  }
  writeSettlementSheet(addSheet(book, kSettlementSheet, header, kSettlementColumns), results);

  const lxw_error error = workbook_close(book);
  if (error != LXW_NO_ERROR) {
    problem = lxw_strerror(error);
    return false;
  }
  return true;
}
