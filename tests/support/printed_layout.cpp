#include "support/printed_layout.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <optional>
#include <sstream>

namespace bormek::testing {
namespace {

constexpr std::size_t kGeometryValues = 9;
constexpr std::size_t kMostEfficientValues = 6;
constexpr std::size_t kDepthRowValues = 7;
constexpr std::size_t kLineRowValues = 4;
constexpr std::size_t kTzLines = 3;
constexpr std::size_t kTitleColumn = 5;  // the echo writes the title after 5 blanks

// The result row's fields: 1X F8.1 1X F8.d F9.d F9.d F9.d F9.d F9.d 1X F9.2.
struct Field {
  std::size_t start;
  std::size_t width;
};
constexpr Field kRowFields[] = {{1, 8},  {10, 8}, {18, 9}, {27, 9},
                                {36, 9}, {45, 9}, {54, 9}, {64, 9}};
constexpr std::size_t kRowLength = 73;

bool contains(const std::string& line, const char* part) {
  return line.find(part) != std::string::npos;
}

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::vector<std::string> wordsOf(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) {
    words.push_back(word);
  }
  return words;
}

bool isNumber(const std::string& text) {
  double value = 0.0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  return !text.empty() && result.ec == std::errc() && result.ptr == text.data() + text.size();
}

// The value after the "=" of a labelled line: "   DIAMETER OF STEM   =    3.000  FT."
std::string valueAfterEquals(const std::string& line) {
  const std::vector<std::string> words = wordsOf(line.substr(line.find('=') + 1));
  return words.empty() ? std::string() : words.front();
}

std::optional<PrintedRow> resultRowOf(const std::string& line) {
  if (line.size() != kRowLength) {
    return std::nullopt;
  }
  PrintedRow row;
  for (const Field& field : kRowFields) {
    row.push_back(trimmed(line.substr(field.start, field.width)));
    if (!isNumber(row.back())) {
      return std::nullopt;
    }
  }
  return row;
}

// The labelled values of the `count` lines with "=" after line `from`.
std::vector<std::string> labelledValues(const std::vector<std::string>& lines, std::size_t from,
                                        std::size_t count) {
  std::vector<std::string> values;
  for (std::size_t k = from; k < lines.size() && values.size() < count; ++k) {
    if (contains(lines[k], "=")) {
      values.push_back(valueAfterEquals(lines[k]));
    }
  }
  return values;
}

// Rows follow the two head lines; warnings of the depth walk may stand
// between them and the first row.
std::vector<PrintedRow> resultRows(const std::vector<std::string>& lines, std::size_t from) {
  std::vector<PrintedRow> rows;
  std::size_t k = from;
  while (k < lines.size() && !resultRowOf(lines[k]) &&
         !contains(lines[k], "DRILLED SHAFT INFORMATION")) {
    ++k;
  }
  for (; k < lines.size(); ++k) {
    const std::optional<PrintedRow> row = resultRowOf(lines[k]);
    if (!row) {
      break;
    }
    rows.push_back(*row);
  }
  return rows;
}

std::vector<PrintedRow> tableRows(const std::vector<std::string>& lines, std::size_t from) {
  std::vector<PrintedRow> rows;
  for (std::size_t k = from; k < lines.size() && rows.size() < kLinePoints; ++k) {
    rows.push_back(wordsOf(lines[k]));
  }
  return rows;
}

}  // namespace

PrintedReport readReport(const std::vector<std::string>& lines) {
  PrintedReport report;
  if (!lines.empty() && lines[0].size() > kTitleColumn) {
    report.title = trimmed(lines[0].substr(kTitleColumn));
  }
  for (std::size_t k = 0; k < lines.size(); ++k) {
    const std::string& line = lines[k];
    if (contains(line, "DRILLED SHAFT INFORMATION")) {
      report.diameters.push_back({labelledValues(lines, k + 1, kGeometryValues), {}, {}});
    } else if (report.diameters.empty()) {
      continue;
    } else if (line.rfind("     LENGTH  VOLUME", 0) == 0) {
      report.diameters.back().rows = resultRows(lines, k + 2);
    } else if (contains(line, "RESULT FROM ") && contains(line, " LINE")) {
      // Heading, empty line, column heads, units, then the rows.
      report.diameters.back().lines.push_back(tableRows(lines, k + 4));
    } else if (contains(line, "TOP  LOAD     TOP MOVEMENT") && !contains(line, "TIP LOAD")) {
      report.diameters.back().lines.push_back(tableRows(lines, k + 2));
    } else if (contains(line, "THE MOST EFFICIENT SHAFT")) {
      report.mostEfficient = labelledValues(lines, k + 1, kMostEfficientValues);
    }
  }
  return report;
}

std::vector<PlotBlock> readPlotFile(const std::vector<std::string>& lines) {
  std::vector<std::string> words;
  for (const std::string& line : lines) {
    const std::vector<std::string> lineWords = wordsOf(line);
    words.insert(words.end(), lineWords.begin(), lineWords.end());
  }
  constexpr std::size_t kHeaderWords = 3;
  constexpr std::size_t kLiteralRowWords = 7;
  std::vector<PlotBlock> blocks;
  std::size_t at = 0;
  const auto take = [&](std::size_t count) {
    PrintedRow taken(words.begin() + static_cast<std::ptrdiff_t>(at),
                     words.begin() + static_cast<std::ptrdiff_t>(at + count));
    at += count;
    return taken;
  };
  while (at + kHeaderWords <= words.size()) {
    const PrintedRow header = take(kHeaderWords);
    PlotBlock block;
    const auto depthRows = static_cast<std::size_t>(std::stoi(header[1]));
    block.lineCount = std::stoi(header[2]);
    const std::size_t lineRows = kLinePoints * (block.lineCount > 1 ? kTzLines : 1);
    const std::size_t needed =
        2 * kLiteralRowWords + (depthRows - 2) * kDepthRowValues + lineRows * kLineRowValues;
    if (depthRows < 2 || at + needed > words.size()) {
      ADD_FAILURE() << "plot-data block cut short at word " << at;
      break;
    }
    take(kLiteralRowWords);
    block.firstDepth = take(kLiteralRowWords).front();
    for (std::size_t k = 2; k < depthRows; ++k) {
      block.rows.push_back(take(kDepthRowValues));
    }
    for (std::size_t k = 0; k < lineRows; ++k) {
      block.lines.push_back(take(kLineRowValues));
    }
    blocks.push_back(block);
  }
  return blocks;
}

void expectShows(double value, const std::string& field, const std::string& what) {
  double printed = 0.0;
  const std::string text = trimmed(field);
  if (!isNumber(text)) {
    ADD_FAILURE() << what << ": \"" << field << "\" is not a printed number";
    return;
  }
  std::from_chars(text.data(), text.data() + text.size(), printed);
  const auto exponentAt = text.find_first_of("Ee");
  int exponent = 0;
  if (exponentAt != std::string::npos) {
    std::from_chars(text.data() + exponentAt + 1 + (text[exponentAt + 1] == '+' ? 1 : 0),
                    text.data() + text.size(), exponent);
  }
  const std::string mantissa = text.substr(0, exponentAt);
  const auto point = mantissa.find('.');
  const auto decimals =
      point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
  const double lastDigit = std::pow(10.0, exponent - decimals);
  // The value is printed from the float itself, which lies within half a
  // float step (2^-24 of the value) of the results file's text.
  const double tolerance = 0.5 * lastDigit + std::abs(value) * 0x1p-23;
  EXPECT_LE(std::abs(value - printed), tolerance)
      << what << ": " << value << " is printed as \"" << text << "\"";
}

}  // namespace bormek::testing
